#include "render/MarkdownHTMLRenderer.h"

#include <gtest/gtest.h>

using namespace MarkdownHTMLRenderer;

static std::string body(const char* s)
{
    return renderBody(QString::fromUtf8(s)).toStdString();
}
static std::string blocks(const char* s)
{
    return renderBlocks(QString::fromUtf8(s)).toStdString();
}

TEST(RenderBlocks, EmptyTextGivesEmptyBody)
{
    EXPECT_EQ(body(""), "");
    EXPECT_EQ(body("\n\n  \n"), "");
}

TEST(RenderBlocks, Headings)
{
    EXPECT_EQ(parseHeading("# Title ##").text, "Title");
    EXPECT_EQ(parseHeading("# C#").text, "C#");
    EXPECT_EQ(parseHeading("###### six").level, 6);
    EXPECT_EQ(parseHeading("####### seven").level, 0);
    EXPECT_EQ(parseHeading("#hashtag").level, 0);
    EXPECT_EQ(blocks("#hashtag"), "<p>#hashtag</p>");
    EXPECT_EQ(blocks("####### seven"), "<p>####### seven</p>");
    EXPECT_EQ(blocks("## A *b*"), "<h2>A <em>b</em></h2>");
}

TEST(RenderBlocks, ThematicBreaksAndParagraphs)
{
    EXPECT_EQ(blocks("***\n- - -\n___"), "<hr>\n<hr>\n<hr>");
    EXPECT_EQ(blocks("**bold**"), "<p><strong>bold</strong></p>");
    EXPECT_EQ(blocks("- "), "<p>-</p>");
    EXPECT_EQ(blocks("    indented\ntext"), "<p>indented<br>\ntext</p>");
    EXPECT_EQ(blocks("a\nb"), "<p>a<br>\nb</p>");
    // A table directly under a paragraph line belongs to the paragraph.
    EXPECT_EQ(blocks("a\n| x | y |\n|---|---|"), "<p>a<br>\n| x | y |<br>\n|---|---|</p>");
    EXPECT_EQ(blocks("a\n# h\nb"), "<p>a</p>\n<h1>h</h1>\n<p>b</p>");
}

TEST(RenderBlocks, FrontMatterIsRulesAndAParagraph)
{
    EXPECT_EQ(body("---\ntitle: x\ntags: y\n---\n"), "<hr>\n<p>title: x<br>\ntags: y</p>\n<hr>");
}

TEST(RenderBlocks, AlignmentDirectives)
{
    EXPECT_EQ(blocks("{.center}\n# H\n\npara"), "<h1>H</h1>\n<p style=\"text-align:center\">para</p>");
    EXPECT_EQ(blocks("{.right}\n| a | b |\n|---|---|\n| 1 | 2 |"),
              "<div class=\"float-right\"><table>\n<thead><tr><th>a</th><th>b</th></tr></thead>\n<tbody>\n"
              "<tr><td>1</td><td>2</td></tr>\n</tbody>\n</table></div>");
    EXPECT_EQ(blocks("{.center}\n| a | b |\n|---|---|"),
              "<table>\n<thead><tr><th>a</th><th>b</th></tr></thead>\n<tbody>\n\n</tbody>\n</table>");
    EXPECT_EQ(blocks("{.left}\np\n\nq"), "<p style=\"text-align:left\">p</p>\n<p>q</p>");
}

TEST(RenderBlocks, ColumnWidthCommentsRenderAsNothing)
{
    // The grid writes its widths directly above the table; every export showed the
    // comment and the rows as pipe text.
    const std::string table = "<table>\n<thead><tr><th>a</th><th>b</th></tr></thead>\n<tbody>\n"
                              "<tr><td>1</td><td>2</td></tr>\n</tbody>\n</table>";
    EXPECT_EQ(body("<!-- bwk:colwidths=0.2500,0.7500 -->\n| a | b |\n|---|---|\n| 1 | 2 |"), table);
    EXPECT_EQ(blocks("{.right}\n<!-- bwk:colwidths=0.5,0.5 -->\n| a | b |\n|---|---|\n| 1 | 2 |"),
              "<div class=\"float-right\">" + table + "</div>");
    EXPECT_EQ(blocks("  <!-- bwk:colwidths=0.5,0.5 -->\n{.left}\n| a | b |\n|---|---|\n| 1 | 2 |"),
              "<div class=\"float-left\">" + table + "</div>");
    EXPECT_EQ(blocks("> <!-- bwk:colwidths=0.5,0.5 -->\n> | a | b |\n> |---|---|\n> | 1 | 2 |"),
              "<blockquote>" + table + "</blockquote>");
    // Nor does it end or show in a paragraph; a comment that is not the grid's is text.
    EXPECT_EQ(blocks("a\n<!-- bwk:colwidths=1 -->\nb"), "<p>a<br>\nb</p>");
    EXPECT_EQ(blocks("<!-- bwk:colwidths=x -->"), "<p>&lt;!-- bwk:colwidths=x --&gt;</p>");
}

TEST(RenderBlocks, QuotesAndCallouts)
{
    EXPECT_EQ(blocks("> [!warning] Mind the gap\n> text"),
              "<div class=\"callout callout-warning\"><p class=\"callout-title\">Mind the gap</p><p>text</p></div>");
    EXPECT_EQ(blocks("> [!NOTE]"), "<div class=\"callout callout-note\"><p class=\"callout-title\">Note</p></div>");
    EXPECT_EQ(blocks("> [!INFO]"), "<blockquote><p>[!INFO]</p></blockquote>");
    EXPECT_EQ(blocks(">  [!NOTE]"), "<blockquote><p>[!NOTE]</p></blockquote>");
    EXPECT_EQ(blocks("> [!TIP] a <b>"),
              "<div class=\"callout callout-tip\"><p class=\"callout-title\">a &lt;b&gt;</p></div>");
    EXPECT_EQ(blocks("> a\n> > b"), "<blockquote><p>a</p>\n<blockquote><p>b</p></blockquote></blockquote>");
}

TEST(RenderBlocks, FencedCode)
{
    EXPECT_EQ(blocks("```\na < b\n  c\n```\nafter"), "<pre><code>a &lt; b\n  c</code></pre>\n<p>after</p>");
    EXPECT_EQ(blocks("```\nx\n```python"), "<pre><code>x</code></pre>");
    EXPECT_EQ(blocks("```\nunclosed\n# no heading"), "<pre><code>unclosed\n# no heading</code></pre>");
    const std::string html = blocks("```c\"x\nint a;\n```");
    EXPECT_EQ(html.rfind("<pre><code class=\"language-c&quot;x\">", 0), 0u);
    // A language gets the highlighter's escaped, token-wrapped HTML.
    const std::string py = blocks("```python\nx = 1 < 2\n```");
    EXPECT_EQ(py.rfind("<pre><code class=\"language-python\">", 0), 0u);
    EXPECT_NE(py.find("<span class=\"hl-num\">1</span> &lt; "), std::string::npos);
    EXPECT_EQ(py.substr(py.size() - 13), "</code></pre>");
}

TEST(RenderBlocks, MermaidIsEscaped)
{
    // The diagram source reads the same to the diagram script; markup in it stays text.
    EXPECT_EQ(blocks("```Mermaid\ngraph TD; A-->B & C\n<img src=x onerror=alert(1)>\n```"),
              "<div class=\"mermaid\">graph TD; A--&gt;B &amp; C\n&lt;img src=x onerror=alert(1)&gt;</div>");
}

TEST(RenderBlocks, DefinitionLists)
{
    EXPECT_EQ(blocks("Term\n: one\n: *two*\nNext\n: three\n\nafter"),
              "<dl><dt>Term</dt><dd>one</dd><dd><em>two</em></dd><dt>Next</dt><dd>three</dd></dl>\n<p>after</p>");
}

TEST(RenderBlocks, CrLfTextRendersLikeLf)
{
    EXPECT_EQ(body("# A\r\n\r\nb\r\nc\r\n"), "<h1 id=\"a\">A</h1>\n<p>b<br>\nc</p>");
}

TEST(RenderLists, ItemsNestingAndTasks)
{
    EXPECT_EQ(blocks("- a\n- b"), "<ul>\n<li>a</li>\n<li>b</li>\n</ul>");
    EXPECT_EQ(blocks("- a\n  - b"), "<ul>\n<li>a<ul>\n<li>b</li>\n</ul></li>\n</ul>");
    EXPECT_EQ(blocks("- a\nmore text"), "<ul>\n<li>a</li>\n</ul>\n<p>more text</p>");
    EXPECT_EQ(blocks("- a\n\n- b"), "<ul>\n<li>a</li>\n</ul>\n<ul>\n<li>b</li>\n</ul>");
    EXPECT_EQ(blocks("- a\n\t- b"), "<ul>\n<li>a</li>\n<li>b</li>\n</ul>");
    EXPECT_EQ(blocks("  - a\n- b"), "<ul>\n<li>a</li>\n</ul>\n<ul>\n<li>b</li>\n</ul>");
    EXPECT_EQ(blocks("- [ ] call back"), "<ul>\n<li><input type=\"checkbox\" disabled> call back</li>\n</ul>");
    EXPECT_EQ(blocks("* [X] done"), "<ul>\n<li><input type=\"checkbox\" checked disabled> done</li>\n</ul>");
    EXPECT_EQ(blocks("- [ ]"), "<ul>\n<li>[ ]</li>\n</ul>");
    EXPECT_EQ(blocks("- a\n  1. b\n- c"), "<ul>\n<li>a<ol>\n<li>b</li>\n</ol></li>\n<li>c</li>\n</ul>");
    EXPECT_EQ(leadingSpaces("  \t x"), 2);
}

TEST(RenderLists, BulletsAndNumbersAtTheSameIndentAreTwoLists)
{
    EXPECT_EQ(
        blocks("- tent\n- stove\n1. book the site\n2. check the weather"),
        "<ul>\n<li>tent</li>\n<li>stove</li>\n</ul>\n<ol>\n<li>book the site</li>\n<li>check the weather</li>\n</ol>");
    EXPECT_EQ(blocks("3) x\n* y"), "<ol start=\"3\">\n<li>x</li>\n</ol>\n<ul>\n<li>y</li>\n</ul>");
    EXPECT_EQ(blocks("- a\n  - b\n  1. c\n- d"),
              "<ul>\n<li>a<ul>\n<li>b</li>\n</ul><ol>\n<li>c</li>\n</ol></li>\n<li>d</li>\n</ul>");
    // A change of bullet alone, or of the number's punctuation, keeps the list.
    EXPECT_EQ(blocks("- a\n* b\n+ c"), "<ul>\n<li>a</li>\n<li>b</li>\n<li>c</li>\n</ul>");
    EXPECT_EQ(blocks("1. a\n2) b"), "<ol>\n<li>a</li>\n<li>b</li>\n</ol>");
}

TEST(RenderLists, IndentedLinesContinueTheirItem)
{
    EXPECT_EQ(blocks("1. First step\n   continued here\n2. Second step"),
              "<ol>\n<li>First step<br>\ncontinued here</li>\n<li>Second step</li>\n</ol>");
    // Under a nested item's text a line continues that item, even at its marker's column;
    // after the nested list, an unindented line still ends the list.
    EXPECT_EQ(blocks("- a\n  - b\n  more b\n- c\nafter"),
              "<ul>\n<li>a<ul>\n<li>b<br>\nmore b</li>\n</ul></li>\n<li>c</li>\n</ul>\n<p>after</p>");
    // A line not indented past a top-level marker is not the item's.
    EXPECT_EQ(blocks("  - a\n  text"), "<ul>\n<li>a</li>\n</ul>\n<p>text</p>");
}

TEST(RenderLists, FencesIndentedUnderAnItemAreItsCode)
{
    // Blank lines in the code do not end the list; the code loses the fence's indent.
    EXPECT_EQ(blocks("1. Build\n   ```\n   make\n\n     make test\n   ```\n   then run\n2. Run"),
              "<ol>\n<li>Build<pre><code>make\n\n  make test</code></pre>then run</li>\n<li>Run</li>\n</ol>");
    // At a nested item's column the fence follows that nested list, in the outer item.
    EXPECT_EQ(blocks("1. Stage\n    * step\n    ```\n    x\n    ```\n2. Next"),
              "<ol>\n<li>Stage<ul>\n<li>step</li>\n</ul><pre><code>x</code></pre></li>\n<li>Next</li>\n</ol>");
    EXPECT_EQ(blocks("- a\n```\nx\n```"), "<ul>\n<li>a</li>\n</ul>\n<pre><code>x</code></pre>");
}

TEST(RenderLists, QuotesHeadingsAndRulesIndentedUnderAnItemAreBlocksNotText)
{
    EXPECT_EQ(blocks("1. Build\n   > **Note:** first\n   > then.\n   after\n2. Run"),
              "<ol>\n<li>Build<blockquote><p><strong>Note:</strong> first<br>\nthen.</p></blockquote>after</li>\n"
              "<li>Run</li>\n</ol>");
    EXPECT_EQ(blocks("- a\n  - b\n  ## Sub\n  ***\n- c"),
              "<ul>\n<li>a<ul>\n<li>b</li>\n</ul><h2>Sub</h2><hr></li>\n<li>c</li>\n</ul>");
    EXPECT_EQ(blocks("- a\n> q"), "<ul>\n<li>a</li>\n</ul>\n<blockquote><p>q</p></blockquote>");
}

TEST(RenderLists, NumberedListsStartAtTheirFirstNumber)
{
    EXPECT_EQ(blocks("3) three"), "<ol start=\"3\">\n<li>three</li>\n</ol>");
    EXPECT_EQ(blocks("1. a\n\n2. b\n3. c"), "<ol>\n<li>a</li>\n</ol>\n<ol start=\"2\">\n<li>b</li>\n<li>c</li>\n</ol>");
    EXPECT_EQ(blocks("- a\n  4. b"), "<ul>\n<li>a<ol start=\"4\">\n<li>b</li>\n</ol></li>\n</ul>");
    // Any decimal digits, read as a number the writers can count from.
    EXPECT_EQ(blocks("01. a"), "<ol>\n<li>a</li>\n</ol>");
    EXPECT_EQ(blocks("\u0663. a"), "<ol start=\"3\">\n<li>a</li>\n</ol>");
    EXPECT_EQ(blocks("12345678901234. a"), "<ol start=\"999999999\">\n<li>a</li>\n</ol>");
}

TEST(RenderLists, DeepNestedLineKeepsExtraIndentAsNestedBase)
{
    // Indented by 8 under a base of 0: two characters go, six stay as the nested base.
    EXPECT_EQ(blocks("- a\n        - b\n        - c"), "<ul>\n<li>a<ul>\n<li>b</li>\n<li>c</li>\n</ul></li>\n</ul>");
}

TEST(RenderLists, LinesAfterAShallowerIndentAreRendered)
{
    EXPECT_EQ(blocks("- a\n    - b\n  - c\n- d"),
              "<ul>\n<li>a<ul>\n<li>b</li>\n</ul><ul>\n<li>c</li>\n</ul></li>\n<li>d</li>\n</ul>");
}

TEST(RenderTables, RowsCellsAndAlignment)
{
    EXPECT_EQ(blocks("| a | b |\n|:--|--:|\n| 1 | 2 |"),
              "<table>\n<thead><tr><th style=\"text-align:left\">a</th><th style=\"text-align:right\">b</th></tr>"
              "</thead>\n<tbody>\n<tr><td style=\"text-align:left\">1</td><td style=\"text-align:right\">2</td></tr>"
              "\n</tbody>\n</table>");
    EXPECT_EQ(
        blocks("a | b | c\n:-:|---|-\n**x** | y"),
        "<table>\n<thead><tr><th style=\"text-align:center\">a</th><th>b</th><th>c</th></tr></thead>\n"
        "<tbody>\n<tr><td style=\"text-align:center\"><strong>x</strong></td><td>y</td></tr>\n</tbody>\n</table>");
    EXPECT_EQ(splitRow("a \\| b"), QStringList{"a \\| b"});
    EXPECT_EQ(blocks("| a \\| b | c |\n|---|---|"),
              "<table>\n<thead><tr><th>a \\| b</th><th>c</th></tr></thead>\n<tbody>\n\n</tbody>\n</table>");
    EXPECT_EQ(splitRow("| x |"), QStringList{" x "});
    EXPECT_EQ(splitRow("a||b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitRow("|"), QStringList{""});
}

TEST(RenderTables, RowsStopAtBlankOrPipelessLine)
{
    EXPECT_EQ(blocks("| a | b |\n|---|---|\n| 1 | 2 | 3 |\nafter"),
              "<table>\n<thead><tr><th>a</th><th>b</th></tr></thead>\n<tbody>\n"
              "<tr><td>1</td><td>2</td><td>3</td></tr>\n</tbody>\n</table>\n<p>after</p>");
}

TEST(RenderBlocks, TablesAreRepairedBeforeRendering)
{
    // A table without an alignment row still renders as a table; code keeps its pipes.
    EXPECT_EQ(body("| a | b |\r\n| 1 | 2 |\r\n\r\n```\n| x | y |\n| 1 | 2 |\n```"),
              "<table>\n<thead><tr><th>a</th><th>b</th></tr></thead>\n<tbody>\n<tr><td>1</td><td>2</td></tr>\n"
              "</tbody>\n</table>\n<pre><code>| x | y |\n| 1 | 2 |</code></pre>");
}
