#include "editor/GridEditing.h"
#include "styling/TableModel.h"
#include "styling/TableTools.h"

#include <gtest/gtest.h>

using GridEditing::Edit;

TEST(GridEditing, ColumnWidthCommentIsInsertedOrReplaced)
{
    const QString table = "| a | b |\n|---|---|\n| 1 | 2 |\n";
    auto e = GridEditing::columnWidths(table, 0, {0.25, 0.75});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->range, TextRange(0, 0));
    EXPECT_EQ(e->replacement, "<!-- bwk:colwidths=0.2500,0.7500 -->\n");

    const QString withComment = "text\n<!-- bwk:colwidths=0.5,0.5 -->\n" + table;
    e = GridEditing::columnWidths(withComment, 38, {0.25, 0.75});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->range, TextRange(5, 30));
    EXPECT_EQ(e->replacement, "<!-- bwk:colwidths=0.2500,0.7500 -->");

    const QString afterText = "intro\n" + table;
    e = GridEditing::columnWidths(afterText, 6, {0.5, 0.5});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->range, TextRange(6, 0));
    EXPECT_FALSE(GridEditing::columnWidths(table, 999, {0.5}));

    // The new line ends like the document's lines.
    const QString crlf = "intro\r\n| a | b |\r\n|---|---|\r\n";
    e = GridEditing::columnWidths(crlf, 7, {0.5, 0.5});
    ASSERT_TRUE(e);
    EXPECT_EQ(e->range, TextRange(7, 0));
    EXPECT_EQ(e->replacement, "<!-- bwk:colwidths=0.5000,0.5000 -->\r\n");
}

TEST(GridEditing, CellWritesOnlyWhereTheSourceIsUnchanged)
{
    const QString row = "| old | b |";
    auto e = GridEditing::cellText(row, {1, 5}, "old", "  new  ");
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, (Edit{{1, 5}, " new "}));
    // The source changed meanwhile: nothing is written.
    EXPECT_FALSE(GridEditing::cellText(u"| olx | b |", {1, 5}, "old", "new"));
    EXPECT_FALSE(GridEditing::cellText(row, {8, 10}, "b", "new"));
    // A pipe typed into a cell stays inside it.
    e = GridEditing::cellText(row, {1, 5}, "old", "a|b");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->replacement, " a\\|b ");
}

// The field shows a cell as it reads and writes it back escaped exactly once: a cell
// opened and closed unchanged writes nothing, whatever it holds.
TEST(GridEditing, CellPipesAreEscapedOnceAndAnUnchangedCellWritesNothing)
{
    for (const char16_t* raw : {u"x\\|y", u"a\\\\b\\", u"`x\\|y`", u"\\\\\\|", u"**b** \\*"}) {
        const QString cell = QString::fromUtf16(raw);
        const QString row = "| " + cell + " | two |";
        const TextRange source(1, int(cell.size()) + 2);
        EXPECT_FALSE(GridEditing::cellText(row, source, cell, GridEditing::cellFieldText(cell))) << cell.toStdString();
        // Edited, it stays one cell, and reads back as typed.
        const QString edited = GridEditing::cellFieldText(cell) + "z";
        const auto e = GridEditing::cellText(row, source, cell, edited);
        ASSERT_TRUE(e);
        const QString after = QString(row).replace(source.location, source.length, e->replacement);
        const QStringList cells = TableTools::splitCells(after);
        ASSERT_EQ(cells.size(), 2) << after.toStdString();
        EXPECT_EQ(GridEditing::cellFieldText(cells[0]), edited) << after.toStdString();
    }
    EXPECT_EQ(GridEditing::cellFieldText(u"x\\|y"), "x|y");
    EXPECT_EQ(GridEditing::cellText(u"| one |", {1, 5}, "one", "x|y")->replacement, " x\\|y ");
    // A backslash typed before a pipe never escapes the pipe's own backslash.
    const auto odd = GridEditing::cellText(u"| one |", {1, 5}, "one", "a\\|b");
    ASSERT_TRUE(odd);
    EXPECT_EQ(TableTools::splitCells(QString("|" + odd->replacement + "|")).size(), 1);
}

TEST(GridEditing, CellsFoundAndSteppedThroughByKeys)
{
    using GridEditing::Cell;
    using GridEditing::Move;
    const QString text = "x\n| a | bb |\n|---|----|\n| 1 |\n| 3 | 44 |";
    TableModel model;
    model.rows = {TableModel::row(0, u"| a | bb |", true), TableModel::row(23, u"| 1 |", false),
                  TableModel::row(29, u"| 3 | 44 |", false)};
    const int shift = 2; // the text moved two units since the model was made
    EXPECT_EQ(GridEditing::cellAt(model, shift, 2), (Cell{0, 0}));
    EXPECT_EQ(GridEditing::cellAt(model, shift, 6), (Cell{0, 1}));  // on the pipe: the cell after it
    EXPECT_EQ(GridEditing::cellAt(model, shift, 16), (Cell{0, 1})); // the alignment row: the row above
    EXPECT_EQ(GridEditing::cellAt(model, shift, 36), (Cell{2, 1}));
    // Tab runs in reading order, Up and Down keep the column (a shorter row's last cell).
    EXPECT_EQ(GridEditing::move(model, {0, 1}, Move::next), (Cell{1, 0}));
    EXPECT_EQ(GridEditing::move(model, {1, 0}, Move::previous), (Cell{0, 1}));
    EXPECT_EQ(GridEditing::move(model, {0, 1}, Move::down), (Cell{1, 0}));
    EXPECT_EQ(GridEditing::move(model, {1, 0}, Move::down), (Cell{2, 0}));
    EXPECT_FALSE(GridEditing::move(model, {2, 1}, Move::next));
    EXPECT_FALSE(GridEditing::move(model, {0, 0}, Move::up));
    // The caret stands on a cell's text, or just inside an empty cell.
    const TextRange bb = GridEditing::cellSource(model, shift, {0, 1});
    EXPECT_EQ(text.mid(bb.location, bb.length), " bb ");
    EXPECT_EQ(GridEditing::cellContent(text, bb), TextRange(bb.location + 1, 2));
    EXPECT_EQ(GridEditing::cellContent(u"|   |", TextRange(1, 3)), TextRange(2, 0));
    EXPECT_TRUE(GridEditing::cellSource(model, shift, {1, 1}).isNotFound());
}
