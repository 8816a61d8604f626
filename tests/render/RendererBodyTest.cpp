#include "render/MarkdownHTMLRenderer.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace MarkdownHTMLRenderer;

static std::string body(const char* s)
{
    return renderBody(QString::fromUtf8(s)).toStdString();
}

static std::string ref(int n)
{
    const std::string k = std::to_string(n);
    return "<sup class=\"footnote-ref\" id=\"fnref-" + k + "\"><a href=\"#fn-" + k + "\">" + k + "</a></sup>";
}

static std::string item(int n, const std::string& html)
{
    const std::string k = std::to_string(n);
    return "<li id=\"fn-" + k + "\">" + html + " <a href=\"#fnref-" + k
           + "\" class=\"footnote-backref\" aria-label=\"Back to content\">\xE2\x86\xA9</a></li>\n";
}

static std::string section(const std::string& items)
{
    return "\n<section class=\"footnotes\" role=\"doc-endnotes\">\n<hr>\n<ol>\n" + items + "</ol>\n</section>";
}

TEST(RenderFootnotes, NumberedByFirstReferenceListedByNumber)
{
    EXPECT_EQ(body("A[^x] B[^y]\n\n[^y]: Why\n[^x]: Ex"),
              "<p>A" + ref(1) + " B" + ref(2) + "</p>" + section(item(1, "Ex") + item(2, "Why")));
}

TEST(RenderFootnotes, UnreferencedUndefinedAndRepeated)
{
    EXPECT_EQ(body("text\n[^n]: never used"), "<p>text</p>");
    EXPECT_EQ(body("a[^z]"), "<p>a[^z]</p>");
    EXPECT_EQ(body("a[^x] b[^x]\n[^x]: X"), "<p>a" + ref(1) + " b" + ref(1) + "</p>" + section(item(1, "X")));
    // A later definition replaces the text.
    EXPECT_EQ(body("a[^x]\n[^x]: one\n[^x]: two"), "<p>a" + ref(1) + "</p>" + section(item(1, "two")));
}

TEST(RenderFootnotes, ContinuationLinesAndIndentedDefinitions)
{
    EXPECT_EQ(body("a[^n]\n\n[^n]: first\n    second\n\tthird"),
              "<p>a" + ref(1) + "</p>" + section(item(1, "first<br>\nsecond<br>\nthird")));
    EXPECT_EQ(body("a[^n]\n  [^n]: x"), "<p>a[^n]<br>\n[^n]: x</p>");
}

TEST(RenderFootnotes, EscapedIdsAreStillLinked)
{
    EXPECT_EQ(body("a[^a&b]\n[^a&b]: amp"), "<p>a" + ref(1) + "</p>" + section(item(1, "amp")));
}

TEST(RenderFootnotes, CodeIsLeftAlone)
{
    // Neither a reference nor a definition inside code is one.
    EXPECT_EQ(body("`x[^1]` y[^1]\n\n```\n[^1]: in code\nz[^1]\n```\n[^1]: real"),
              "<p><code>x[^1]</code> y" + ref(1) + "</p>\n<pre><code>[^1]: in code\nz[^1]</code></pre>"
                  + section(item(1, "real")));
    EXPECT_EQ(body("`[^1]`\n[^1]: only in code"), "<p><code>[^1]</code></p>");
}

TEST(RenderFootnotes, ReferencesInsideAttributesStayText)
{
    // A footnote link cannot go inside a link's target or title.
    EXPECT_EQ(body("[x](http://a/[^1]) [y](u \"see [^1]\") z[^1]\n[^1]: n"),
              "<p><a href=\"http://a/[^1]\">x</a> <a href=\"u\" title=\"see [^1]\">y</a> z" + ref(1) + "</p>"
                  + section(item(1, "n")));
}

TEST(RenderHeadingIds, BodyHeadingsGetUniqueIds)
{
    EXPECT_EQ(body("# Hello World\n## Hello World\n### Hello World"),
              "<h1 id=\"hello-world\">Hello World</h1>\n<h2 id=\"hello-world-1\">Hello World</h2>\n"
              "<h3 id=\"hello-world-2\">Hello World</h3>");
    EXPECT_EQ(body("# Salt & Pepper"), "<h1 id=\"salt-pepper\">Salt &amp; Pepper</h1>");
    EXPECT_EQ(body("# Intro `code`"), "<h1 id=\"intro-code\">Intro <code>code</code></h1>");
    EXPECT_EQ(body("# a_b_c"), "<h1 id=\"abc\">a<em>b</em>c</h1>");
    EXPECT_EQ(body("# a\n# a\n# a-1"), "<h1 id=\"a\">a</h1>\n<h1 id=\"a-1\">a</h1>\n<h1 id=\"a-1-1\">a-1</h1>");
    EXPECT_EQ(body("> ## Quoted"), "<blockquote><h2 id=\"quoted\">Quoted</h2></blockquote>");
}

TEST(RenderHeadingIds, TableOfContentsMatchesBody)
{
    const QStringList texts{"Intro", "Intro", "Intro-1", "???", "Ünïcödé"};
    QString md;
    for (const QString& t : texts) md += "## " + t + "\n";
    const QString html = renderBody(md);
    for (const QString& id : uniqueSlugs(texts)) EXPECT_TRUE(html.contains("id=\"" + id + "\"")) << id.toStdString();
}

TEST(RenderNesting, DeepQuotesAndListsDoNotOverflow)
{
    const QString quotes = QString("> ").repeated(20000) + "deep";
    const QString html = renderBody(quotes);
    EXPECT_TRUE(html.endsWith("deep</p>" + QString("</blockquote>").repeated(html.count("<blockquote>"))));
    EXPECT_LT(html.count("<blockquote>"), 100);

    QString list;
    for (int i = 0; i < 3000; ++i) list += QString(i, u' ') + "- x\n";
    const QString lhtml = renderBody(list);
    EXPECT_EQ(lhtml.count("<li>"), 3000);
    EXPECT_EQ(lhtml.count("<ul>"), lhtml.count("</ul>"));
}

TEST(RenderAdversarial, HostileInputsStayFast)
{
    const auto timed = [](const QString& md) {
        QElapsedTimer t;
        t.start();
        const QString html = renderBody(md);
        EXPECT_FALSE(html.isEmpty());
        return t.elapsed();
    };
    QString dense;
    const char* pieces[] = {"*a ", "_b ", "$c ", "`d ", "**e ", "__f ", "~~g ", "[h](", "![i](", "http://j_"};
    for (int i = 0; dense.size() < 50000; ++i) dense += QString::fromLatin1(pieces[(i * 7) % 10]);
    EXPECT_LT(timed(dense), 1000);

    QString notes;
    for (int i = 0; i < 5000; ++i) notes += QString("Text[^n%1] more.\n").arg(i);
    for (int i = 0; i < 5000; ++i) notes += QString("[^n%1]: note %1\n").arg(i);
    EXPECT_LT(timed(notes), 1000);
    // Plenty of markup after the last reference.
    EXPECT_LT(timed(notes + QString("*a* `b` [c](d)\n\n").repeated(20000)), 1000);

    EXPECT_LT(timed(QString("# Same\n").repeated(10000)), 1000);
    EXPECT_LT(timed("| a | b |\n|---|---|\n" + QString("| 1 | 2 |\n").repeated(10000)), 1000);
}
