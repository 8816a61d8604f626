#include "styling/TableStyling.h"
#include "styling/MarkdownCleaner.h"
#include "styling/TableGrid.h"
#include "styling/TableModel.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct Styled {
    AttributedText storage;
    explicit Styled(const QString& text, bool grid, double contentWidth = 660,
                    std::function<bool(TextRange)> inFence = {})
        : storage(text)
    {
        EditorTheme theme;
        theme.appearanceMode = "light";
        TableStyling::styleTables(storage, storage.string(), TextRange(0, int(text.size())), inFence, theme, grid,
                                  contentWidth);
    }
    const TextAttributes& at(int i) const { return storage.attributesAt(i); }
    std::shared_ptr<TableModel> model(int i) const { return at(i).tableModel; }
    // Distinct models over the whole text, in order.
    QList<std::shared_ptr<TableModel>> models() const
    {
        QList<std::shared_ptr<TableModel>> out;
        storage.forEachRun(TextRange(0, storage.length()), [&](TextRange, const TextAttributes& a) {
            if (a.tableModel && (out.isEmpty() || out.last() != a.tableModel)) out.append(a.tableModel);
            return true;
        });
        return out;
    }
};

} // namespace

TEST(TableStyling, GridModelRowsCellsAlignmentsAndHiddenLines)
{
    const QString t = "intro\n| Name | Qty |\n|:--|:-:|\n| apple | 3 |\nafter";
    const Styled s(t, true);
    const auto m = s.model(7);
    ASSERT_TRUE(m);
    EXPECT_EQ(s.models().size(), 1);
    ASSERT_EQ(m->rows.size(), 2);
    EXPECT_TRUE(m->rows[0].isHeader);
    EXPECT_FALSE(m->rows[1].isHeader);
    EXPECT_EQ(m->rows[0].range, TextRange(6, 14));
    EXPECT_EQ(m->rows[1].cells, QStringList({"apple", "3"}));
    EXPECT_EQ(m->rows[1].cellRanges.first(), TextRange(32, 7));
    EXPECT_EQ(m->columns, 2);
    // ":--" is left, ":-:" centre.
    EXPECT_EQ(m->aligns, QList<Qt::Alignment>({Qt::AlignLeft, Qt::AlignHCenter}));
    EXPECT_EQ(m->columnWidths.size(), 2);
    EXPECT_EQ(m->rowHeights.size(), 2);

    EXPECT_FALSE(s.at(0).markdownConceal);
    EXPECT_FALSE(s.model(0));
    EXPECT_TRUE(s.at(6).markdownConceal);
    EXPECT_TRUE(s.at(25).markdownConceal); // alignment row
    ASSERT_TRUE(s.at(6).paragraphStyle);
    EXPECT_DOUBLE_EQ(s.at(6).paragraphStyle->minimumLineHeight, m->rowHeights[0]);
    EXPECT_TRUE(s.at(6).paragraphStyle->clipsLines);
    EXPECT_DOUBLE_EQ(s.at(25).paragraphStyle->maximumLineHeight, 1.0);
    // The row style covers the row's own terminator, not the line above.
    EXPECT_FALSE(s.at(5).paragraphStyle);
    EXPECT_FALSE(s.at(int(t.indexOf("after"))).markdownConceal);
}

TEST(TableStyling, WhatMakesATable)
{
    EXPECT_TRUE(Styled("| a | b |", true).models().isEmpty());
    // Two row lines without an alignment row: a table, every column left-aligned.
    const Styled two("| a | b |\n| 1 | 2 |", true);
    ASSERT_EQ(two.models().size(), 1);
    EXPECT_EQ(two.models()[0]->aligns, QList<Qt::Alignment>({Qt::AlignLeft, Qt::AlignLeft}));
    // Alignment row plus one content line: a header-only grid.
    const Styled headerOnly("| a | b |\n| - | : |", true);
    ASSERT_EQ(headerOnly.models().size(), 1);
    EXPECT_EQ(headerOnly.models()[0]->rows.size(), 1);
    // Block-quote lines are no table rows.
    EXPECT_TRUE(Styled("> | a | b |\n> | 1 | 2 |", true).models().isEmpty());
    // Pipe lines in fenced code start nothing.
    const QString fenced = "```\n| a | b |\n| 1 | 2 |\n```";
    const Styled f(fenced, true, 660, [](TextRange r) { return r.location > 0 && r.location < 26; });
    EXPECT_TRUE(f.models().isEmpty());
}

TEST(TableStyling, BlankLinesInsideAndBetweenTables)
{
    // A blank line between two rows joins them and is hidden with a 1-point line.
    const Styled joined("| a | b |\n|---|---|\n| 1 | 2 |\n\n| 3 | 4 |", true);
    ASSERT_EQ(joined.models().size(), 1);
    EXPECT_EQ(joined.models()[0]->rows.size(), 3);
    ASSERT_TRUE(joined.at(30).paragraphStyle);
    EXPECT_DOUBLE_EQ(joined.at(30).paragraphStyle->minimumLineHeight, 1.0);
    // Two tables split by a blank line are two grids, each with its own header.
    const Styled split("| a | b |\n|---|---|\n| 1 | 2 |\n\n| c | d |\n|---|---|\n| 3 | 4 |", true);
    ASSERT_EQ(split.models().size(), 2);
    EXPECT_EQ(split.models()[1]->rows[0].cells, QStringList({"c", "d"}));
    EXPECT_TRUE(split.models()[1]->rows[0].isHeader);
    EXPECT_FALSE(split.at(30).markdownConceal);
    // A blank line followed by ordinary text ends the table.
    const Styled para("| a | b |\n| 1 | 2 |\n\ntext", true);
    EXPECT_EQ(para.models()[0]->rows.size(), 2);
    EXPECT_FALSE(para.at(21).markdownConceal);
}

TEST(TableStyling, WidthCommentAboveTheTable)
{
    const QString t = "<!-- bwk:colwidths=0.2500,0.5000 -->\n| a | b |\n|---|---|\n| 1 | 2 |";
    const Styled s(t, true, 600);
    const auto m = s.model(40);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->columnWidths, QList<double>({150, 300}));
    EXPECT_TRUE(s.at(3).markdownConceal);
    EXPECT_DOUBLE_EQ(s.at(3).paragraphStyle->minimumLineHeight, 1.0);
    // A comment whose count does not match stays visible and widths are measured.
    const Styled wrong("<!-- bwk:colwidths=0.5 -->\n| a | b |\n|---|---|", true, 600);
    EXPECT_FALSE(wrong.at(3).markdownConceal);
    EXPECT_NE(wrong.model(30)->columnWidths, QList<double>({300}));
    // A one-column table takes a one-value comment.
    const Styled one("<!-- bwk:colwidths=0.5 -->\n| a |\n|---|", true, 600);
    EXPECT_EQ(one.model(30)->columnWidths, QList<double>({300}));
}

TEST(TableStyling, SourceModeDimsPipesAndAlignmentRows)
{
    EditorTheme theme;
    theme.appearanceMode = "light";
    const Styled s("| a | b |\n|---|---|\n| 1 | 2 |\n", false);
    EXPECT_TRUE(s.models().isEmpty());
    EXPECT_FALSE(s.at(0).markdownConceal);
    EXPECT_EQ(s.at(0).foreground, theme.legibleTextColor(0.35));
    EXPECT_EQ(s.at(2).foreground, std::nullopt);
    EXPECT_EQ(s.at(2).background, theme.textColor(0.04));
    EXPECT_EQ(s.at(12).foreground, theme.legibleTextColor(0.35));
    EXPECT_EQ(s.at(12).background, std::nullopt);
    // An escaped pipe is cell text, not dimmed.
    const Styled esc("| a \\| b | c |\n| 1 | 2 |", false);
    EXPECT_EQ(esc.at(5).foreground, std::nullopt);
}

TEST(TableStyling, SeparatorTestIsLooserThanTheEditors)
{
    EXPECT_TRUE(TableStyling::isSeparatorLine(u"| - | : |"));
    EXPECT_TRUE(TableStyling::isSeparatorLine(u"|---|"));
    EXPECT_FALSE(TableStyling::isSeparatorLine(u"| : |"));
    EXPECT_FALSE(TableStyling::isSeparatorLine(u"| a |"));
}

TEST(TableStyling, DrawAllDrawsEveryGridOfTheStyledText)
{
    const QString t = "| a | b |\n|---|---|\n| 1 | 2 |\n\ntext\n\n| c |\n|---|\n| 3 |";
    const Styled s(t, true);
    QImage img(400, 400, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const auto drawn = TableGridRenderer::drawAll(
        p, s.storage,
        [](int offset) -> std::optional<QPointF> {
            if (offset > 30) return QPointF(5, 200);
            return QPointF(5, 5);
        },
        QFont(), TableGridRenderer::Colors::forText(Qt::black));
    p.end();
    ASSERT_EQ(drawn.frames.size(), 2);
    EXPECT_EQ(drawn.frames[0].sourceStart, 0);
    EXPECT_EQ(drawn.frames[1].sourceStart, int(t.indexOf("| c")));
    EXPECT_EQ(drawn.frames[1].rect.top(), 200);
    EXPECT_EQ(drawn.hits.size(), 6);
    EXPECT_EQ(drawn.hits[4].text, "c");
    // A table whose line is not laid out is skipped.
    QPainter p2(&img);
    const auto none = TableGridRenderer::drawAll(
        p2, s.storage, [](int) -> std::optional<QPointF> { return std::nullopt; }, QFont(),
        TableGridRenderer::Colors::forText(Qt::black));
    EXPECT_TRUE(none.frames.isEmpty());
}

TEST(TableStyling, ThroughTheStylerPipelineWithCrLfAndEdits)
{
    MarkdownStyler styler;
    styler.concealMarkers = true;
    AttributedText storage("para\r\n\r\n| a | b |\r\n|---|---|\r\n| 1 | 2 |\r\n");
    styler.highlight(storage, std::nullopt);
    const auto m = storage.attributesAt(8).tableModel;
    ASSERT_TRUE(m);
    EXPECT_EQ(m->rows.size(), 2);
    EXPECT_EQ(m->rows[1].range, TextRange(30, 9));
    EXPECT_EQ(m->rows[1].cells, QStringList({"1", "2"}));
    // An edit in a body cell restyles the whole table: a new model with the new text.
    storage.replaceCharacters(TextRange(32, 1), u"42");
    styler.highlight(storage, TextRange(32, 2));
    const auto edited = storage.attributesAt(8).tableModel;
    ASSERT_TRUE(edited);
    EXPECT_NE(edited, m);
    EXPECT_EQ(edited->rows[1].cells, QStringList({"42", "2"}));
    EXPECT_TRUE(storage.attributesAt(8).markdownConceal);
    EXPECT_FALSE(storage.attributesAt(0).markdownConceal);
}

namespace {

// The grid model of `text`'s only table, built from scratch: every content line split
// and every cell measured, as the first styling of a table does.
TableModel freshModel(const QString& text, double contentWidth)
{
    TableModel m;
    int start = 0;
    while (start <= text.size()) {
        int end = int(text.indexOf(u'\n', start));
        if (end < 0) end = int(text.size());
        const int contentEnd = end > start && text[end - 1] == u'\r' ? end - 1 : end;
        const QStringView line = QStringView(text).mid(start, contentEnd - start);
        if (MarkdownCleaner::rowLike(line) && !TableStyling::isSeparatorLine(line)) {
            m.rows.append(TableModel::row(start, line, m.rows.isEmpty()));
            m.columns = std::max(m.columns, int(m.rows.last().cells.size()));
        }
        start = end + 1;
    }
    EditorTheme theme;
    theme.appearanceMode = "light";
    const auto layout = TableGridRenderer::layout(m.rows, m.columns, theme.scaledFont(theme.baseSize), contentWidth);
    m.columnWidths = layout.widths;
    m.rowHeights = layout.rowHeights;
    return m;
}

} // namespace

// Restyling a large table after an edit reuses the rows and measurements of the lines
// the edit left alone; the model must come out exactly as if built from scratch.
TEST(TableStyling, RestyleAfterAnEditEqualsAFreshBuild)
{
    for (const QString& br : {QStringLiteral("\n"), QStringLiteral("\r\n")}) {
        QString t = "Intro" + br + br + "| id | name | note |" + br + "|---|:-:|--:|" + br;
        for (int i = 0; i < 150; ++i)
            t += QStringLiteral("| %1 | item %2 | %3 |").arg(i).arg(i * 37 % 101).arg(i % 7 ? "x" : "日本 😀") + br;
        t += br + "after" + br;

        const QList<std::pair<QString, QString>> edits = {
            {"| 70 |", "| 7x0 |"},                           // a narrow cell: widths stay
            {"item 99 ", "item 99 and a much longer name "}, // the widest cell widens its column
            {"item 99 and a much longer name ", "item 99 "}, // ...and narrows it again
            {"| 3 | item", "| 3 | a long cell that has to wrap over more than one line of the grid | item"},
            {"| id | name | note |" + br, ""}, // the first body row becomes the header
            {"| 0 | item 0", "| id | item 0"},
            {"Intro", "Intro with more words"},                 // the whole table moves
            {"| 149 |", "| 149 | extra |"},                     // a wider last row adds a column
            {"| 20 |", "| 20 |" + br + "| new | row | here |"}, // a row inserted
            {"| 40 |", "| 40 \\| x |"},                         // an escaped pipe
            {"|" + br + "| 61 |", "|| 61 |"},                   // two rows joined...
            {"|| 61 |", "|" + br + "| 61 |"},                   // ...and split again
        };
        for (const auto& [from, to] : edits) {
            const qsizetype at = t.indexOf(from);
            ASSERT_GE(at, 0) << from.toStdString();
            t.replace(at, from.size(), to);
            for (double width : {660.0, 300.0}) {
                const Styled s(t, true, width);
                const auto m = s.model(int(t.indexOf(u'|')));
                ASSERT_TRUE(m) << to.toStdString();
                const TableModel fresh = freshModel(t, width);
                EXPECT_EQ(m->rows, fresh.rows) << to.toStdString();
                EXPECT_EQ(m->columns, fresh.columns) << to.toStdString();
                EXPECT_EQ(m->columnWidths, fresh.columnWidths) << to.toStdString();
                EXPECT_EQ(m->rowHeights, fresh.rowHeights) << to.toStdString();
            }
        }
    }
}
