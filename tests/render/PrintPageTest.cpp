#include "render/PrintPage.h"

#include <gtest/gtest.h>

TEST(PrintPage, KeepsEachHeadingWithRoomBelowItAndWithAShortOrUnbreakableNextBlock)
{
    const QString longParagraph = QStringLiteral("<p>%1</p>").arg(QString(2000, u'w'));
    const QString list = QStringLiteral("<ul>\n<li><p>in</p><ul><li>deep</li></ul></li>\n</ul>");
    const QString body = QStringLiteral("<h1 id=\"a\">A</h1>\n<p>short <a href=\"x\">p</a> text</p>\n"
                                        "<h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3>\n<pre><code>x\n<p>y</code></pre>\n"
                                        "<h2 id=\"d\">D</h2>\n")
                         + longParagraph + u'\n' + list + QStringLiteral("\n<h4>E</h4>");
    const QString head = QStringLiteral("<div class=\"bw-head\">");
    const QString keep = QStringLiteral("<div class=\"bw-keep\">");
    EXPECT_EQ(
        PrintPage::keepHeadingsWithNext(body),
        keep + head + QStringLiteral("<h1 id=\"a\">A</h1></div>\n<p>short <a href=\"x\">p</a> text</p></div>\n") + keep
            + head
            + QStringLiteral("<h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3></div>\n<pre><code>x\n<p>y</code></pre></div>\n")
            + head + QStringLiteral("<h2 id=\"d\">D</h2></div>\n") + longParagraph + u'\n' + list + u'\n' + head
            + QStringLiteral("<h4>E</h4></div>"));
    // Text at the top level, or an element that never closes: left as it is.
    EXPECT_EQ(PrintPage::keepHeadingsWithNext(QStringLiteral("<h1>A</h1>\nloose <p>x</p>")),
              "<h1>A</h1>\nloose <p>x</p>");
    EXPECT_EQ(PrintPage::keepHeadingsWithNext(QStringLiteral("<h1>A</h1><p>open")), "<h1>A</h1><p>open");
}

TEST(PrintPage, ThePrintPageHasNoScriptAndKeepsWideContentOnPaper)
{
    const QString page = PrintPage::html(QStringLiteral("<p>$$x$$</p><div class=\"mermaid\">a</div>"), "t", {}, "p{}");
    EXPECT_FALSE(page.contains("<script"));
    EXPECT_TRUE(page.contains("white-space: pre-wrap"));
    EXPECT_LT(page.indexOf("/* user CSS */"), page.indexOf("white-space: pre-wrap")) << "after the user's CSS";
}
