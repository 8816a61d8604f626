#include "editor/GridEditing.h"

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
