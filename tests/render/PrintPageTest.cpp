#include "render/PrintPage.h"

#include <gtest/gtest.h>

TEST(PrintPage, KeepsEachHeadingWithAShortOrUnbreakableNextBlock)
{
    const QString longParagraph = QStringLiteral("<p>%1</p>").arg(QString(2000, u'w'));
    const QString body = QStringLiteral("<h1 id=\"a\">A</h1>\n<p>short <a href=\"x\">p</a> text</p>\n"
                                        "<h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3>\n<pre><code>x\n<p>y</code></pre>\n"
                                        "<h2 id=\"d\">D</h2>\n")
                         + longParagraph
                         + QStringLiteral("\n<ul>\n<li><p>in</p><ul><li>deep</li></ul></li>\n</ul>\n<h4>E</h4>");
    const QString kept = PrintPage::keepHeadingsWithNext(body);
    EXPECT_EQ(kept,
              QStringLiteral("<div class=\"bw-keep\"><h1 id=\"a\">A</h1>\n<p>short <a href=\"x\">p</a> text</p></div>\n"
                             "<div class=\"bw-keep\"><h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3>\n"
                             "<pre><code>x\n<p>y</code></pre></div>\n<h2 id=\"d\">D</h2>\n")
                  + longParagraph
                  + QStringLiteral("\n<ul>\n<li><p>in</p><ul><li>deep</li></ul></li>\n</ul>\n<h4>E</h4>"));
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
