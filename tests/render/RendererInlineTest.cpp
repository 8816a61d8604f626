#include "render/MarkdownHTMLRenderer.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using MarkdownHTMLRenderer::renderInline;

static std::string inl(const char* s)
{
    return renderInline(QString::fromUtf8(s)).toStdString();
}

TEST(RenderInline, EscapesTextButNotApostrophes)
{
    EXPECT_EQ(inl("a < b & c"), "a &lt; b &amp; c");
    EXPECT_EQ(inl("say \"hi\" it's"), "say &quot;hi&quot; it's");
    EXPECT_EQ(inl("a\nb"), "a<br>\nb");
}

TEST(RenderInline, CodeSpansAreEscapedAndUntouchedByLaterPasses)
{
    EXPECT_EQ(inl("`<b>`"), "<code>&lt;b&gt;</code>");
    EXPECT_EQ(inl("``a`b``"), "<code>a</code>b``");
    EXPECT_EQ(inl("`**x**`"), "<code>**x**</code>");
    EXPECT_EQ(inl("`a\nb`"), "<code>a\nb</code>");
    // Eleven spans: the tenth and eleventh placeholders must not be confused with the second.
    EXPECT_EQ(inl("`0` `1` `2` `3` `4` `5` `6` `7` `8` `9` `10`"),
              "<code>0</code> <code>1</code> <code>2</code> <code>3</code> <code>4</code> <code>5</code> "
              "<code>6</code> <code>7</code> <code>8</code> <code>9</code> <code>10</code>");
}

TEST(RenderInline, MathComesBackAsWrittenButEscaped)
{
    EXPECT_EQ(inl("$x^2$"), "$x^2$");
    EXPECT_EQ(inl("$$\n\\int f\n$$"), "$$\n\\int f\n$$");
    EXPECT_EQ(inl("$5 and $6"), "$5 and $6");
    EXPECT_EQ(inl("$$"), "$$");
    EXPECT_EQ(inl("$a_1 * b_2 * c$"), "$a_1 * b_2 * c$"); // no emphasis inside math
    // Markup inside math must not reach the page as markup.
    EXPECT_EQ(inl("$a<b>c$"), "$a&lt;b&gt;c$");
    EXPECT_EQ(inl("$$x</p><script>y$$"), "$$x&lt;/p&gt;&lt;script&gt;y$$");
}

TEST(RenderInline, WikiLinksImagesAndLinks)
{
    EXPECT_EQ(inl("[[Some Page]]"), "<a class=\"wikilink\" href=\"Some%20Page.md\">Some Page</a>");
    EXPECT_EQ(inl("[[Page|label]]"), "<a class=\"wikilink\" href=\"Page.md\">label</a>");
    EXPECT_EQ(inl("![cat](cat.png \"A cat\"){.right}"),
              "<img src=\"cat.png\" alt=\"cat\" title=\"A cat\" class=\"float-right\">");
    EXPECT_EQ(inl("[x](y \"T\")"), "<a href=\"y\" title=\"T\">x</a>");
    EXPECT_EQ(inl("[x](a b)"), "[x](a b)");
    // An empty target makes no link or image; the text stays as written.
    EXPECT_EQ(inl("[x]()"), "[x]()");
    EXPECT_EQ(inl("![x]()"), "![x]()");
    EXPECT_EQ(inl("[x]( \"T\")"), "[x]( &quot;T&quot;)");
    EXPECT_EQ(inl("[x]() [y](z)"), "[x]() <a href=\"z\">y</a>");
    EXPECT_EQ(inl("[**x**](y)"), "<a href=\"y\"><strong>x</strong></a>");
}

TEST(RenderInline, BareAddresses)
{
    EXPECT_EQ(inl("see http://a.com."), "see <a href=\"http://a.com.\">http://a.com.</a>");
    // Angle brackets around an address are no part of it.
    EXPECT_EQ(inl("<https://a.com>"), "<a href=\"https://a.com\">https://a.com</a>");
    EXPECT_EQ(inl("(<https://a.com/_x_>), <http://b.com>"),
              "(<a href=\"https://a.com/_x_\">https://a.com/_x_</a>), <a href=\"http://b.com\">http://b.com</a>");
    EXPECT_EQ(inl("[t](u)<https://a.com>"), "<a href=\"u\">t</a><a href=\"https://a.com\">https://a.com</a>");
    EXPECT_EQ(inl("<https://a.com b>"), "&lt;<a href=\"https://a.com\">https://a.com</a> b&gt;");
    EXPECT_EQ(inl("[see <https://a.com>](u)"), "<a href=\"u\">see &lt;https://a.com&gt;</a>");
    EXPECT_EQ(inl("[https://a.com](https://a.com)"), "<a href=\"https://a.com\">https://a.com</a>");
    EXPECT_EQ(inl("[t](https://a.com)https://b.com"), "<a href=\"https://a.com\">t</a>https://b.com");
    // A double quote ends an address; the quotes stay text around the link.
    EXPECT_EQ(inl("say \"https://a.com\" ok"), "say &quot;<a href=\"https://a.com\">https://a.com</a>&quot; ok");
    EXPECT_EQ(inl("https://a.com/?q=\"x\""), "<a href=\"https://a.com/?q=\">https://a.com/?q=</a>&quot;x&quot;");
}

TEST(RenderInline, AddressesInLinkTextsAreNotLinkedAgain)
{
    // An anchor inside an anchor would end the outer link early in a browser.
    EXPECT_EQ(inl("[see http://a.com now](u)"), "<a href=\"u\">see http://a.com now</a>");
    EXPECT_EQ(inl("[[x|go to https://b.com]]"), "<a class=\"wikilink\" href=\"x.md\">go to https://b.com</a>");
    EXPECT_EQ(inl("[http://a_b_c](u) http://d.com"),
              "<a href=\"u\">http://a_b_c</a> <a href=\"http://d.com\">http://d.com</a>");
}

TEST(RenderInline, Emphasis)
{
    EXPECT_EQ(inl("***a***"), "<strong><em>a</em></strong>");
    EXPECT_EQ(inl("__a__"), "<strong>a</strong>");
    EXPECT_EQ(inl("snake_case_name"), "snake<em>case</em>name");
    EXPECT_EQ(inl("2 * 3 * 4"), "2 * 3 * 4");
    EXPECT_EQ(inl("~~gone~~"), "<del>gone</del>");
}

TEST(RenderInline, EmphasisNeverReachesIntoAttributes)
{
    EXPECT_EQ(inl("http://x.com/_b_/c"), "<a href=\"http://x.com/_b_/c\">http://x.com/_b_/c</a>");
    EXPECT_EQ(inl("[*t*](http://x.com/_b_ \"a_b_c\")"), "<a href=\"http://x.com/_b_\" title=\"a_b_c\"><em>t</em></a>");
    EXPECT_EQ(inl("![a_b_c](x_y_z.png) and ~~s~~"), "<img src=\"x_y_z.png\" alt=\"a_b_c\"> and <del>s</del>");
    EXPECT_EQ(inl("[[my_page_x]]"), "<a class=\"wikilink\" href=\"my_page_x.md\">my<em>page</em>x</a>");
}

TEST(RenderInline, ScriptTargetsAreNeutralised)
{
    EXPECT_EQ(inl("[x](javascript:alert(1\\))"), "<a href=\"#\">x</a>)");
    EXPECT_EQ(inl("[x](JavaScript:alert)"), "<a href=\"#\">x</a>");
    EXPECT_EQ(inl("[x](vbscript:msgbox)"), "<a href=\"#\">x</a>");
    EXPECT_EQ(inl("![x](javascript:alert)"), "<img src=\"#\" alt=\"x\">");
    EXPECT_EQ(inl("[x](\x01javascript:alert)"), "<a href=\"#\">x</a>");
    EXPECT_EQ(inl("[[javascript:alert(1)]]"), "<a class=\"wikilink\" href=\"#\">javascript:alert(1)</a>");
    EXPECT_EQ(inl("[x](notjavascript:y)"), "<a href=\"notjavascript:y\">x</a>");
    EXPECT_EQ(inl("[x](page.html#javascript:y)"), "<a href=\"page.html#javascript:y\">x</a>");
}

TEST(RenderInline, CodeAndMathInAttributesBecomeTheirText)
{
    // An attribute cannot hold markup, and no placeholder may leak into the page.
    EXPECT_EQ(inl("[x](`a<b`)"), "<a href=\"a&lt;b\">x</a>");
    EXPECT_EQ(inl("![i](`b`)"), "<img src=\"b\" alt=\"i\">");
    EXPECT_EQ(inl("![`i`](p.png)"), "<img src=\"p.png\" alt=\"i\">");
    EXPECT_EQ(inl("[[`c`]]"), "<a class=\"wikilink\" href=\"c.md\"><code>c</code></a>");
    EXPECT_EQ(inl("[y]($m$)"), "<a href=\"$m$\">y</a>");
    EXPECT_EQ(inl("http://x.com/`d`"), "<a href=\"http://x.com/d\">http://x.com/d</a>");
    // The scheme is judged on the target as the browser will read it.
    EXPECT_EQ(inl("[x](`javascript:alert(1)`)"), "<a href=\"#\">x</a>");
    EXPECT_EQ(inl("[[`javascript:q`]]"), "<a class=\"wikilink\" href=\"#\"><code>javascript:q</code></a>");
    EXPECT_FALSE(renderInline("[a](`x`) ![b](`y`) [[`z`]] $`w`$").contains(QChar(0)));
}

TEST(RenderInline, NulCannotPoseAsPlaceholder)
{
    const QString text = QString(QChar(0)) + "C0" + QChar(0) + " `x`";
    const QString html = renderInline(text);
    EXPECT_TRUE(html.contains(QChar(0xFFFD)));
    EXPECT_FALSE(html.contains(QChar(0)));
    EXPECT_EQ(html.count("<code>"), 1);
}

#include "render/MarkdownHTMLRendererPrivate.h"
#include "render/RegexReplace.h"

#include <random>

TEST(RenderInline, EmphasisSweepAgreesWithItsPatternAndStaysLinear)
{
    static const QRegularExpression em("(?<![\\*_])(\\*|_)(?![\\s\\*_])(.+?)(?<![\\s\\*_])\\1(?![\\*_])",
                                       QRegularExpression::UseUnicodePropertiesOption);
    std::mt19937 rng(7);
    const QString alphabet = QStringLiteral("*_a \n\r\t");
    for (int round = 0; round < 20000; ++round) {
        QString s;
        const int len = int(rng() % 14);
        for (int i = 0; i < len; ++i) s += alphabet.at(int(rng() % alphabet.size()));
        const QString expected =
            replaceMatches(s, em, [](const QRegularExpressionMatch& m) { return "<em>" + m.captured(2) + "</em>"; });
        QString swept;
        QList<qsizetype> stars, underscores;
        MarkdownHTMLRenderer::detail::appendEmphasis(swept, s, stars, underscores);
        ASSERT_EQ(swept.toStdString(), expected.toStdString())
            << "input: " << QString(s).replace("\n", "\\n").replace("\r", "\\r").toStdString();
    }
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(renderInline(QString("*a ").repeated(20000)).count("<em>"), 0);
    EXPECT_EQ(renderInline(QString("_a ").repeated(20000)).count("<em>"), 0);
    EXPECT_LT(t.elapsed(), 500);
}
