#include "render/PrintPage.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

TEST(PrintPage, KeepsEachHeadingWithRoomBelowItAndWithAShortOrUnbreakableNextBlock)
{
    const QString longParagraph = QStringLiteral("<p>%1</p>").arg(QString(2000, u'w'));
    const QString list = QStringLiteral("<ul>\n<li><p>in</p><ul><li>deep</li></ul></li>\n</ul>");
    const QString body =
        QStringLiteral("<h1 id=\"a\">A</h1>\n<p>short <a href=\"x\">p</a> text</p>\n"
                       "<h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3>\n<pre class=\"bw-whole\"><code>x\n<p>y</code></pre>\n"
                       "<h2 id=\"d\">D</h2>\n")
        + longParagraph + u'\n' + list + QStringLiteral("\n<h4>E</h4>");
    const QString head = QStringLiteral("<div class=\"bw-head\">");
    const QString keep = QStringLiteral("<div class=\"bw-keep\">");
    EXPECT_EQ(PrintPage::keepHeadingsWithNext(body),
              keep + head + QStringLiteral("<h1 id=\"a\">A</h1></div>\n<p>short <a href=\"x\">p</a> text</p></div>\n")
                  + keep + head
                  + QStringLiteral("<h2 id=\"b\">B</h2>\n<h3 id=\"c\">C</h3></div>\n<pre "
                                   "class=\"bw-whole\"><code>x\n<p>y</code></pre></div>\n")
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

TEST(PrintPage, ALongCodeBlockOrTableAfterAHeadingBreaksAfterItsFirstLinesInsteadOfMovingWhole)
{
    const QString code = QStringLiteral("<pre><code>") + QStringLiteral("step\n").repeated(30) + "</code></pre>";
    const QString body = QStringLiteral("<h2>Log</h2>\n") + code;
    EXPECT_EQ(PrintPage::keepHeadingsWithNext(body),
              QStringLiteral("<div class=\"bw-head\"><h2>Log</h2></div>\n") + code);
    // A picture goes along whatever its alternative text.
    const QString picture = QStringLiteral("<p><img src=\"a.png\" alt=\"%1\"></p>").arg(QString(900, u'a'));
    EXPECT_TRUE(PrintPage::keepHeadingsWithNext("<h2>P</h2>" + picture).startsWith("<div class=\"bw-keep\">"));
}

TEST(PrintPage, AHeadingGoesWithTheFirstItemOfAListTheHeadAndFirstRowOfATableOrTheFirstLinesOfText)
{
    const QString item = QString(300, u'a');
    const QString numbered =
        "<ol start=\"3\">\n<li class=\"bw-whole\">" + item + "</li>\n<li class=\"bw-whole\">" + item + "</li>\n</ol>";
    EXPECT_EQ(PrintPage::keepHeadingsWithNext("<h2>L</h2>\n" + numbered),
              "<div class=\"bw-keep bw-lead\"><div class=\"bw-head\"><h2>L</h2></div>\n<ol start=\"3\">\n<li "
              "class=\"bw-whole\">"
                  + item + "</li></ol></div><ol start=\"4\">\n<li class=\"bw-whole\">" + item + "</li>\n</ol>");
    const QString single = "<ul>\n<li class=\"bw-whole\">" + item + "</li>\n</ul>";
    EXPECT_EQ(PrintPage::keepHeadingsWithNext("<h2>S</h2>\n" + single),
              "<div class=\"bw-keep\"><div class=\"bw-head\"><h2>S</h2></div>\n" + single + "</div>");
    // A long first item breaks after its first lines, which the heading's room keeps with it.
    const QString longItem = "<ul>\n<li>" + QString(2000, u'b') + "</li>\n<li>c</li>\n</ul>";
    EXPECT_EQ(PrintPage::keepHeadingsWithNext("<h2>L</h2>\n" + longItem),
              "<div class=\"bw-head\"><h2>L</h2></div>\n" + longItem);

    const auto room = [](int lead) {
        const QString table = QStringLiteral("<table data-bw-lead=\"%1\"><tr><td>x</td></tr></table>").arg(lead);
        return PrintPage::keepHeadingsWithNext("<h2>T</h2>" + table).section(u'>', 0, 0);
    };
    EXPECT_EQ(room(150), "<div class=\"bw-head\" style=\"padding-bottom:150px;margin-bottom:-150px\"");
    EXPECT_EQ(room(40), "<div class=\"bw-head\"");
    EXPECT_EQ(room(900), "<div class=\"bw-head\" style=\"padding-bottom:216px;margin-bottom:-216px\"")
        << "no more than a third of the page";

    // A short callout is kept whole and goes along; a long one breaks as a quote does, after its
    // first lines.
    const QString shortCallout = PrintPage::fitToColumn("<div class=\"callout callout-note\"><p>n</p></div>");
    EXPECT_EQ(shortCallout, "<div class=\"bw-whole callout callout-note\"><p>n</p></div>");
    EXPECT_TRUE(PrintPage::keepHeadingsWithNext("<h2>C</h2>" + shortCallout).startsWith("<div class=\"bw-keep\">"));
    const QString callout = "<div class=\"callout callout-note\"><p>" + QString(900, u'n') + "</p></div>";
    EXPECT_EQ(PrintPage::fitToColumn(callout), callout);
    EXPECT_EQ(PrintPage::keepHeadingsWithNext("<h2>C</h2>" + callout),
              "<div class=\"bw-head\" style=\"padding-bottom:152px;margin-bottom:-152px\"><h2>C</h2></div>" + callout)
        << "room for the callout's title and the room below it";
    EXPECT_TRUE(PrintPage::html({}, {}, {}, {}).contains("li, .callout { break-inside: auto;"));

    // Text before a picture: its first lines go along, the picture may follow on the next page.
    const QString picture = "<p>Some text<br>\n<img src=\"a.png\"></p>";
    EXPECT_EQ(PrintPage::keepHeadingsWithNext("<h2>P</h2>" + picture),
              "<div class=\"bw-head\"><h2>P</h2></div>" + picture);
    EXPECT_EQ(PrintPage::fitToColumn(picture), "<p class=\"bw-picture\">Some text<br>\n<img src=\"a.png\"></p>");
}

TEST(PrintPage, ALongTableCarriesTheHeightOfItsHeadAndFirstRow)
{
    const auto lead = [](const QString& first) {
        QString rows = "<tr><td>a</td><td>" + first + "</td></tr>";
        for (int r = 0; r < 10; ++r) rows += "<tr><td>a</td><td>b</td></tr>";
        const QString fitted = PrintPage::fitToColumn("<table><thead><tr><th>K</th><th>V</th></tr></thead><tbody>"
                                                      + rows + "</tbody></table>");
        const qsizetype at = fitted.indexOf("data-bw-lead=\"") + 14;
        return fitted.mid(at, fitted.indexOf(u'"', at) - at).toDouble();
    };
    // A line of 15.2 px type, 1.65 apart, and 17 px of padding and border a row.
    const double row = 15.2 * 1.65 + 17;
    EXPECT_NEAR(lead("b"), 2 * row, 2);
    // 300 characters in a column of some 390 px: about seven lines.
    const double tall = lead(QStringLiteral("word ").repeated(60));
    EXPECT_GT(tall, row + 6 * 15.2 * 1.65 + 17);
    EXPECT_LT(tall, row + 9 * 15.2 * 1.65 + 17);
}

namespace {

double fontSize(const QString& html, const QString& element)
{
    const qsizetype at = html.indexOf(QStringLiteral("<") + element);
    const qsizetype size = html.indexOf(QStringLiteral("font-size:"), at);
    const qsizetype end = html.indexOf(QStringLiteral("px"), size);
    if (at < 0 || size < 0 || size > html.indexOf(u'>', at)) return 0;
    return html.mid(size + 10, end - size - 10).toDouble();
}

} // namespace

TEST(PrintPage, AWideCodeBlockIsSetSmallerToKeepItsLinesWholeAndWrapsOnlyBelowTheMinimumType)
{
    const auto block = [](int columns, int lines) {
        return QStringLiteral("<pre><code>") + (QString(columns, u'-') + u'\n').repeated(lines) + "</code></pre>";
    };
    // 100 columns: about 7 px, at which 100 cells of 0.6 em fit the 420 px inside the padding.
    const QString wide = PrintPage::fitToColumn(block(100, 3));
    EXPECT_TRUE(wide.startsWith("<pre class=\"bw-whole bw-fit\" style=\"font-size:")) << wide.toStdString();
    EXPECT_GT(fontSize(wide, "pre"), 6.5);
    EXPECT_LE(fontSize(wide, "pre") * 0.6 * 100, 420);
    // Lines that fit stay as they are; a long block is not kept whole.
    EXPECT_EQ(PrintPage::fitToColumn(block(40, 30)), block(40, 30));
    // Entities and tags take no room of their own, a tab goes to the next stop of eight.
    const QString marked =
        QStringLiteral("<pre><code><span class=\"hl-kw\">&lt;&amp;</span>\t") + QString(50, u'x') + "</code></pre>";
    EXPECT_NEAR(fontSize(PrintPage::fitToColumn(marked), "pre") * 0.602 * 1.02 * 58, 418, 3);
    // 300 columns would need type of 2 px: the minimum, and the lines wrap.
    const QString wider = PrintPage::fitToColumn(block(300, 3));
    EXPECT_TRUE(wider.contains("bw-fit bw-wrap"));
    EXPECT_EQ(fontSize(wider, "pre"), 6.0);
}

TEST(PrintPage, ATableGetsTheTypeAtWhichItsWidestWordsFitSideBySide)
{
    QString head, row;
    for (int c = 1; c <= 15; ++c) {
        head +=
            QStringLiteral("<th>%1</th>").arg(c == 2 ? QStringLiteral("Colfifteen") : QStringLiteral("Col%1").arg(c));
        row += QStringLiteral("<td>%1</td>").arg(c == 15 ? QStringLiteral("qx") : QStringLiteral("0"));
    }
    const QString table =
        "<table>\n<thead><tr>" + head + "</tr></thead>\n<tbody>\n<tr>" + row + "</tr>\n</tbody>\n</table>";
    const QString fitted = PrintPage::fitToColumn(table);
    EXPECT_TRUE(fitted.startsWith("<table class=\"bw-whole bw-fit\" style=\"font-size:")) << fitted.toStdString();
    EXPECT_GE(fontSize(fitted, "table"), 6.0);
    EXPECT_FALSE(fitted.contains("bw-break"));
    // A table of two short columns is left alone; one whose words cannot fit at 6 px may break them.
    const QString small = "<table><tr><td>a</td><td>b</td></tr></table>";
    EXPECT_EQ(PrintPage::fitToColumn(small), "<table class=\"bw-whole\"><tr><td>a</td><td>b</td></tr></table>");
    const QString huge = "<table><tr><td>" + QString(200, u'W') + "</td></tr></table>";
    EXPECT_TRUE(PrintPage::fitToColumn(huge).contains("bw-fit bw-break"));
}

TEST(PrintPage, DeepNestingIsFlattenedAndColumnsPastTheBoundAreJoinedWithNothingLost)
{
    QString list;
    for (int i = 0; i < 3000; ++i) list += QStringLiteral("<ul><li>item%1").arg(i);
    for (int i = 0; i < 3000; ++i) list += QStringLiteral("</li></ul>");
    const QString flat = PrintPage::fitToColumn(list);
    EXPECT_EQ(flat.count("<ul"), 8);
    EXPECT_EQ(flat.count("</ul>"), 8);
    EXPECT_EQ(flat.count("<div>"), flat.count("</div>"));
    EXPECT_TRUE(flat.contains("<div>item2999</div>"));
    EXPECT_EQ(flat.count("item"), 3000);

    QString quotes =
        QStringLiteral("<blockquote>").repeated(48) + "deep" + QStringLiteral("</blockquote>").repeated(48);
    EXPECT_EQ(PrintPage::fitToColumn(quotes).count("<blockquote"), 6) << "no more than half the column indented";

    QString cells;
    for (int c = 0; c < 10000; ++c)
        cells += QStringLiteral("<td>%1</td>").arg(c % 100 == 99 ? QStringLiteral("v%1").arg(c) : QString());
    const QString joined = PrintPage::fitToColumn("<table><tr>" + cells + "</tr></table>");
    EXPECT_EQ(joined.count("<td"), 65);
    EXPECT_EQ(joined.count("</td>"), 65);
    EXPECT_TRUE(joined.contains("<td></td></tr><tr><td colspan=\"64\">v99 | v199")) << "the rest in a row below";
    EXPECT_TRUE(joined.contains("v9999</td></tr>"));
}

TEST(PrintPage, TheTablesOfADocumentLayOutABoundedNumberOfCellsAndTheRowsPastThemEachAsOneCell)
{
    // 100 columns: 64 cells a row and one below it; 400 rows go past the bound of cells.
    QString rows;
    for (int r = 0; r < 400; ++r) {
        rows += QStringLiteral("<tr>");
        for (int c = 0; c < 100; ++c) rows += QStringLiteral("<td>r%1c%2</td>").arg(r).arg(c);
        rows += QStringLiteral("</tr>");
    }
    const QString fitted = PrintPage::fitToColumn("<table><tbody>" + rows
                                                  + "</tbody></table><table><tr><td>a</td><td>b</td></tr></table>");
    EXPECT_LT(fitted.count("<td"), 64 * 64 + 2 * 400) << "not 64 a row";
    for (int r = 0; r < 400; ++r) {
        const QString first = QStringLiteral("r%1c0").arg(r);
        ASSERT_TRUE(fitted.contains(first + u'<') || fitted.contains(first + u' ')) << r;
        ASSERT_TRUE(fitted.contains(QStringLiteral("r%1c99<").arg(r))) << r;
    }
    EXPECT_TRUE(fitted.contains("<tr><td colspan=\"64\">r399c0 | r399c1 | r399c2 | "));
    EXPECT_TRUE(fitted.startsWith("<table class=\"bw-rows ")) << "its head is not repeated on every page";
    EXPECT_TRUE(fitted.endsWith("<tr><td colspan=\"2\">a | b</td></tr></table>")) << "the cells are the document's";
}

TEST(PrintPage, LongRunsWithoutLettersAndLongParagraphsAreCutUpForTheEngineWithTheTextUnchanged)
{
    const auto text = [](QString html) { return html.remove(QRegularExpression("<[^>]*>")); };
    // A run of a thousand characters of no direction is laid out in the direction it takes
    // anyway: the paragraph's, or that of the letters on both its sides; a character beside a
    // letter or number stays outside the mark, and a shorter run is not marked.
    const QString amps = QStringLiteral("&amp;").repeated(1000);
    EXPECT_EQ(PrintPage::fitToColumn("<p>a " + amps + "</p>"), "<p>a <span class=\"bw-run\">" + amps + "</span></p>");
    const QString inner = QStringLiteral("&amp;").repeated(998);
    EXPECT_EQ(PrintPage::fitToColumn(QStringLiteral("<p>\u05d0") + amps + "\u05d1</p>"),
              QStringLiteral("<p>\u05d0&amp;<span class=\"bw-run bw-rtl\">") + inner + "</span>&amp;\u05d1</p>");
    EXPECT_EQ(PrintPage::fitToColumn("<p>\u05d0" + amps + "b</p>"),
              "<p>\u05d0&amp;<span class=\"bw-run\">" + inner + "</span>&amp;b</p>");
    EXPECT_EQ(PrintPage::fitToColumn("<p>1" + QString(1000, u'%') + "2</p>"), "<p>1" + QString(1000, u'%') + "2</p>")
        << "terminators beside a number are part of it";
    EXPECT_EQ(PrintPage::fitToColumn("<p>\u05d0</p><p>" + amps + "</p>"),
              "<p>\u05d0</p><p><span class=\"bw-run\">" + amps + "</span></p>");
    EXPECT_EQ(PrintPage::fitToColumn("<p>\u2067" + amps + "</p>"), "<p>\u2067" + amps + "</p>")
        << "nor after an explicit direction";
    const QString mixed = (QString(999, u'<') + u'x').repeated(3);
    EXPECT_EQ(PrintPage::fitToColumn("<p>" + mixed + "</p>"), "<p>" + mixed + "</p>");
    // A run through tags: its pieces from the thousandth character on.
    const QString pieces = "<p>" + QStringLiteral("&amp;<em>&amp;</em>").repeated(600) + "</p>";
    EXPECT_EQ(PrintPage::fitToColumn(pieces).count("<span class=\"bw-run\">&amp;</span>"), 1200);
    EXPECT_EQ(text(PrintPage::fitToColumn(pieces)), text(pieces));
    const QString spaced = QStringLiteral("w ").repeated(12000);
    EXPECT_TRUE(
        PrintPage::fitToColumn("<ul><li>a<pre><code>" + amps + "\n" + spaced + "</code></pre></li></ul>")
            .endsWith("<code><span class=\"bw-run\">" + amps + "</span>\n" + spaced + "</code></pre></li></ul>"))
        << "in a code block too, which is not cut into parts";

    // 450 lines broken by hand: 200 lines to a part, the text as it was.
    QStringList lines;
    for (int i = 0; i < 450; ++i) lines << QStringLiteral("line %1").arg(i);
    const QString paragraph = "<ul><li><p>" + lines.join("<br>\n") + "</p></li></ul>";
    const QString parted = PrintPage::fitToColumn(paragraph);
    EXPECT_EQ(parted.count("<span class=\"bw-part\">"), 2);
    EXPECT_EQ(parted.count("</span>"), 2);
    EXPECT_TRUE(parted.contains("line 199<br><span class=\"bw-part\">\nline 200<br>"));
    EXPECT_TRUE(parted.endsWith("line 449</span></p></li></ul>"));
    EXPECT_EQ(text(parted), text(paragraph));
    // A list item's lines too, the part closed before a block in it.
    const QString item = PrintPage::fitToColumn("<ul><li>" + lines.join("<br>") + "<ul><li>x</li></ul></li></ul>");
    EXPECT_EQ(item.count("<span class=\"bw-part\">"), 2);
    EXPECT_TRUE(item.contains("line 449</span><ul>"));
    // A long paragraph of words: a part at a space after 20,000 characters.
    const QString words = "<p>" + QStringLiteral("word ").repeated(9000) + "</p>";
    const QString wordParts = PrintPage::fitToColumn(words);
    EXPECT_EQ(wordParts.count("<span class=\"bw-part\">"), 2);
    EXPECT_TRUE(
        wordParts.startsWith("<p>" + QStringLiteral("word ").repeated(4000) + "word<span class=\"bw-part\"> word"));
    EXPECT_EQ(text(wordParts), text(words));
    // Lines of words broken by hand are parted where they end.
    const QString line = QStringLiteral("word ").repeated(1500);
    const QString longLines = PrintPage::fitToColumn("<p>" + line + "<br>" + line + "<br>" + line + "</p>");
    EXPECT_EQ(longLines, "<p>" + line + "<br>" + line + "<br><span class=\"bw-part\">" + line + "</span></p>");
    // Not inside an element of the paragraph's.
    const QString emphasis = "<p><em>" + lines.join("<br>") + "</em></p>";
    EXPECT_EQ(PrintPage::fitToColumn(emphasis), emphasis);
}

TEST(PrintPage, AnAddressTooLongForAnyUseIsPrintedButNotMadeLive)
{
    const QString longest = "<a href=\"http://" + QString(4089, u'a') + "\">x</a>";
    EXPECT_EQ(PrintPage::fitToColumn(longest), longest);
    EXPECT_EQ(PrintPage::fitToColumn("<p><a href=\"http://" + QString(4090, u'a') + "\" title=\"t\">x</a></p>"),
              "<p><a title=\"t\">x</a></p>");
}

namespace {

// The most children any element of `html` has (void elements and text aside).
int mostChildren(const QString& html)
{
    static const QStringList voids{"br", "img", "input", "hr", "meta", "link", "wbr", "col", "source"};
    QList<int> counts{0};
    int most = 0;
    static const QRegularExpression tag("<(/?)([a-zA-Z0-9]+)[^>]*>");
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (voids.contains(m.captured(2).toLower())) continue;
        if (m.captured(1).isEmpty()) {
            most = std::max(most, ++counts.last());
            counts.append(0);
        } else if (counts.size() > 1) {
            counts.removeLast();
        }
    }
    return most;
}

} // namespace

TEST(PrintPage, NoElementHoldsMoreThanAFewDozenBlocksAndDeepCalloutsAreFlattened)
{
    const auto text = [](QString html) { return html.remove(QRegularExpression("<[^>]*>")); };
    // The engine goes through every child of an element for each page: a list of 3,000 items,
    // 3,000 headings in a row or 3,000 paragraphs are gathered in groups, the text as it was.
    QString items, headings, paragraphs;
    for (int i = 0; i < 3000; ++i) {
        items += QStringLiteral("<li class=\"task-list-item\"><input type=\"checkbox\" disabled> a%1</li>\n").arg(i);
        headings += QStringLiteral("<h1 id=\"a-%1\">a</h1>\n").arg(i);
        paragraphs += QStringLiteral("<p>p%1</p>\n").arg(i);
    }
    for (const QString& body : {"<ol start=\"3\">\n" + items + "</ol>\n<p>after</p>", headings, paragraphs}) {
        const QString page = PrintPage::html(body, "t", {}, {});
        EXPECT_LE(mostChildren(page), 40) << body.left(20).toStdString();
        EXPECT_TRUE(text(page).contains(text(body))) << body.left(20).toStdString();
    }
    // A heading still takes a long list's first item along.
    const QString list = "<h1>T</h1>\n<ul>\n" + items + "</ul>\n";
    EXPECT_TRUE(PrintPage::html(list, "t", {}, {}).contains("<div class=\"bw-keep bw-lead\">"));
    // A callout nested past the bound loses its tags as a quote does: here past half the column.
    QString callouts = "t";
    for (int i = 0; i < 20; ++i)
        callouts = "<div class=\"callout callout-note\"><p class=\"callout-title\">t</p>" + callouts + "</div>";
    const QString flattened = PrintPage::fitToColumn(callouts);
    EXPECT_EQ(flattened.count("class=\"callout "), 7);
    EXPECT_EQ(text(flattened), text(callouts));
}
