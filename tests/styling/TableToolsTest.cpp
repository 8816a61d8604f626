#include "styling/TableTools.h"
#include "styling/TableStyling.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace TableTools;

namespace {

// The text after the edit, as std::string so that failures print readably.
std::string applied(Op op, const QString& text, int caret, int* newCaret = nullptr)
{
    const auto e = apply(op, text, caret);
    if (!e) return "<none>";
    if (newCaret) *newCaret = e->caret;
    QString out = text;
    out.replace(e->range.location, e->range.length, e->replacement);
    return out.toStdString();
}

QString bigTable(int rows)
{
    QString t = QStringLiteral("| id | name |\n|---|---|\n");
    for (int i = 0; i < rows; ++i) t += QStringLiteral("| %1 | item %2 |\n").arg((i * 7919) % rows).arg(i);
    return t;
}

} // namespace

TEST(TableTools, SplitCellsOuterPipesEscapesAndBlanks)
{
    EXPECT_EQ(splitCells(u"| a | b |"), QStringList({"a", "b"}));
    EXPECT_EQ(splitCells(u"a | b"), QStringList({"a", "b"}));
    EXPECT_EQ(splitCells(u""), QStringList({""}));
    EXPECT_EQ(splitCells(u"a||b"), QStringList({"a", "", "b"}));
    // An escaped pipe stays inside its cell, backslash included.
    EXPECT_EQ(splitCells(u"| a \\| b | c |"), QStringList({"a \\| b", "c"}));
    EXPECT_EQ(splitCells(u"| a \\\\| b |"), QStringList({"a \\\\", "b"}));
    // Only spaces and tabs are trimmed; an ideographic space is content.
    EXPECT_EQ(splitCells(QString::fromUtf8("|\t\xE3\x80\x80x | y |")),
              QStringList({QString::fromUtf8("\xE3\x80\x80x"), "y"}));
}

TEST(TableTools, AlignmentRows)
{
    EXPECT_TRUE(isAlignmentRow(u"| --- | :-: |"));
    EXPECT_TRUE(isAlignmentRow(u"--|--"));
    EXPECT_TRUE(isAlignmentRow(u" :--- "));
    EXPECT_FALSE(isAlignmentRow(u"| a | b |"));
    EXPECT_FALSE(isAlignmentRow(u"| - | x |"));
    EXPECT_FALSE(isAlignmentRow(u"| : |"));
    EXPECT_TRUE(isAlignmentRow(u" \t| --- |\t:-- \u00a0"));
    EXPECT_FALSE(isAlignmentRow(u"| --- | - -- |"));
    // Long runs of blanks that end in something else are rejected in linear time
    // (this took a quadratic backtrack: seconds on a line of a few hundred thousand).
    const QString blanks(200000, u' ');
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(isAlignmentRow(QString("| -" + blanks + "::")));
    EXPECT_FALSE(isAlignmentRow(QString("-" + blanks + "x")));
    EXPECT_FALSE(TableStyling::isSeparatorLine(QString("| -" + blanks + "x")));
    EXPECT_TRUE(TableStyling::isSeparatorLine(QString("| -" + blanks + "|")));
    EXPECT_LT(timer.elapsed(), 200);
    const auto m = parse({"a|b|c|d", ":--|--:|:-:|---"});
    ASSERT_TRUE(m);
    EXPECT_EQ(m->aligns, QList<Align>({Align::left, Align::right, Align::center, Align::none}));
}

TEST(TableTools, RenderAlignsAndPads)
{
    Model m{{"Name", "Qty"}, {Align::none, Align::right}, {{"apple", "3"}}};
    EXPECT_EQ(render(m), "| Name  | Qty |\n| ----- | --: |\n| apple |   3 |");
    Model c{{"a"}, {Align::center}, {{"abcdefg"}, {"xy"}}};
    EXPECT_EQ(render(c), "|    a    |\n| :-----: |\n| abcdefg |\n|   xy    |");
    // Widths are UTF-16 units: an emoji outside the BMP counts two, a CJK character one.
    Model u{{QString::fromUtf8("\xF0\x9F\x98\x80"), QString::fromUtf8("\xE6\xBC\xA2\xE5\xAD\x97\xE8\xA1\xA8")},
            {Align::none, Align::none},
            {}};
    EXPECT_EQ(render(u),
              QString::fromUtf8("| \xF0\x9F\x98\x80  | \xE6\xBC\xA2\xE5\xAD\x97\xE8\xA1\xA8 |\n| --- | --- |"));
}

TEST(TableTools, TableRangeFindsBlockAroundCaret)
{
    const QString t = "intro\n| a | b |\n|---|---|\n| 1 | 2 |\n\n| c | d |\n|---|---|\n";
    const auto b = tableRange(t, 8);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->range, TextRange(6, 29));
    EXPECT_EQ(b->lines.size(), 3);
    // A blank line ends the block: the second table is separate.
    const auto b2 = tableRange(t, int(t.indexOf("| c")) + 1);
    ASSERT_TRUE(b2);
    EXPECT_EQ(b2->lines, QStringList({"| c | d |", "|---|---|"}));
    // Caret at the very end after the final line break still finds the last table.
    EXPECT_TRUE(tableRange(t, int(t.size())));
    EXPECT_FALSE(tableRange(t, 2)); // caret in "intro"
    EXPECT_FALSE(tableRange(u"", 0));
    // A paragraph line with a pipe right above the header hides the table.
    EXPECT_FALSE(tableRange(u"x | y\n| a |\n|---|", 8));
}

TEST(TableTools, TableRangeHandlesCrLfAndOtherTerminators)
{
    const QString t = "| a | b |\r\n|---|---|\r\n| 1 | 2 |\r\n";
    const auto b = tableRange(t, 9); // between CR and LF
    ASSERT_TRUE(b);
    EXPECT_EQ(b->range, TextRange(0, 31));
    EXPECT_EQ(b->lines.last(), "| 1 | 2 |");
    // Operations and the sort keep a CR LF table CR LF; the caret lands after the CR LF.
    int caret = -1;
    EXPECT_EQ(applied(Op::insertRowBelow, t, 25, &caret),
              "| a   | b   |\r\n| --- | --- |\r\n| 1   | 2   |\r\n|     |     |\r\n");
    EXPECT_EQ(caret, 32); // its cell on its old row, after two CR LF lines
    const auto sorted = sortTable(t + "| 0 | 9 |\r\n", 0, 0);
    ASSERT_TRUE(sorted);
    EXPECT_EQ(sorted->replacement, "| a   | b   |\r\n| --- | --- |\r\n| 0   | 9   |\r\n| 1   | 2   |");
    const QString u = QString("| a |") + QChar(0x2028) + "|---|";
    const auto bu = tableRange(u, 0);
    ASSERT_TRUE(bu);
    EXPECT_EQ(bu->lines.size(), 2);
}

TEST(TableTools, TableWithoutOuterPipesIsRenderedWithThem)
{
    EXPECT_EQ(applied(Op::format, "a | b\n--|--\n1 | 2", 0), "| a   | b   |\n| --- | --- |\n| 1   | 2   |");
}

TEST(TableTools, RowOperationsAndCaret)
{
    const QString t = "| a | b |\n|---|---|\n| 1 | 2 |\n| 3 | 4 |";
    int caret = -1;
    // Caret on the alignment row: both inserts add the first body row.
    EXPECT_EQ(applied(Op::insertRowAbove, t, 12),
              "| a   | b   |\n| --- | --- |\n|     |     |\n| 1   | 2   |\n| 3   | 4   |");
    EXPECT_EQ(applied(Op::insertRowBelow, t, 12),
              "| a   | b   |\n| --- | --- |\n|     |     |\n| 1   | 2   |\n| 3   | 4   |");
    // deleteRow on the alignment row only formats.
    EXPECT_EQ(applied(Op::deleteRow, t, 12), "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n| 3   | 4   |");
    const int row3 = int(t.indexOf("| 3"));
    EXPECT_EQ(applied(Op::deleteRow, t, row3 + 2, &caret), "| a   | b   |\n| --- | --- |\n| 1   | 2   |");
    EXPECT_EQ(caret, 30); // the first cell of the new last line
    EXPECT_EQ(applied(Op::insertRowBelow, t, row3 - 3, &caret),
              "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n|     |     |\n| 3   | 4   |");
    EXPECT_EQ(caret, 36); // stays in its cell: the old row, the second column
    // A header-only table gets its first body row.
    EXPECT_EQ(applied(Op::insertRowBelow, "| a |\n| --- |", 1), "| a   |\n| --- |\n|     |");
    EXPECT_EQ(applied(Op::format, "no table", 1), "<none>");
}

TEST(TableTools, ColumnAndAlignmentOperations)
{
    const QString t = "| a | b |\n|---|---|\n| 1 | 2 |";
    EXPECT_EQ(applied(Op::insertColumnLeft, t, 6), "| a   |     | b   |\n| --- | --- | --- |\n| 1   |     | 2   |");
    EXPECT_EQ(applied(Op::insertColumnRight, t, 6), "| a   | b   |     |\n| --- | --- | --- |\n| 1   | 2   |     |");
    // After the last pipe the column is one past the last: inserted at the end.
    EXPECT_EQ(applied(Op::insertColumnLeft, t, 9), "| a   | b   |     |\n| --- | --- | --- |\n| 1   | 2   |     |");
    EXPECT_EQ(applied(Op::deleteColumn, t, 2), "| b   |\n| --- |\n| 2   |");
    EXPECT_EQ(applied(Op::deleteColumn, "| a |\n|---|", 2), "| a   |\n| --- |");
    EXPECT_EQ(applied(Op::alignRight, t, 6), "| a   |   b |\n| --- | --: |\n| 1   |   2 |");
    EXPECT_EQ(applied(Op::alignCenter, t, 2), "|  a  | b   |\n| :-: | --- |\n|  1  | 2   |");
    EXPECT_EQ(applied(Op::alignLeft, t, 2), "| a   | b   |\n| :-- | --- |\n| 1   | 2   |");
    EXPECT_EQ(applied(Op::alignNone, "|a|\n|:-:|", 1), "| a   |\n| --- |");
    EXPECT_EQ(applied(Op::alignRight, t, 9), applied(Op::format, t, 9)); // no such column
}

TEST(TableTools, NoCellIsLostToANarrowHeader)
{
    const QString t = "| a | b |\n|---|---|\n| 1 | 2 | extra |\n| 3 |";
    EXPECT_EQ(applied(Op::format, t, 0),
              "| a   | b   |       |\n| --- | --- | ----- |\n| 1   | 2   | extra |\n| 3   |     |       |");
    const std::string moved = applied(Op::deleteRow, t, int(t.indexOf("| 3")));
    EXPECT_NE(moved.find("extra"), std::string::npos);
    const QString sorted = [&] {
        auto e = sortTable(t, 0, 0);
        QString s = t;
        s.replace(e->range.location, e->range.length, e->replacement);
        return s;
    }();
    EXPECT_TRUE(sorted.contains("extra"));
}

TEST(TableTools, EscapedPipesSurviveFormatting)
{
    const QString t = "| code | note |\n|---|---|\n| `a \\| b` | x |";
    EXPECT_EQ(applied(Op::format, t, 0), "| code     | note |\n| -------- | ---- |\n| `a \\| b` | x    |");
}

TEST(TableTools, CjkAndEmojiCellsKeptIntact)
{
    const QString cjk = QString::fromUtf8("\xE5\x90\x8D\xE5\x89\x8D");                        // 2 units
    const QString family = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9"); // 5 units
    const QString t = "| " + cjk + " | x |\n|---|---|\n| " + family + " | y |";
    EXPECT_EQ(applied(Op::format, t, 0),
              ("| " + cjk + "    | x   |\n| ----- | --- |\n| " + family + " | y   |").toStdString());
}

TEST(TableTools, CellAtCountsColumnsFromPipes)
{
    const QString t = "| a | b |\n|---|---|";
    EXPECT_EQ(cellAt(t, 0).column, 0);
    EXPECT_EQ(cellAt(t, 2).column, 0);
    EXPECT_EQ(cellAt(t, 5).column, 1);
    EXPECT_EQ(cellAt(t, 9).column, 2);
    EXPECT_EQ(cellAt(t, 10).line, 1);
    EXPECT_EQ(cellAt(u"a | b", 4).column, 1);
    EXPECT_EQ(cellAt(u"| a \\| b | c", 7).column, 0); // escaped pipe is no boundary
}

TEST(TableTools, NumericKeysAreFiniteDecimalsOnly)
{
    EXPECT_EQ(numericKey(u"12"), 12.0);
    EXPECT_EQ(numericKey(u"-3.5"), -3.5);
    EXPECT_EQ(numericKey(u".5"), 0.5);
    EXPECT_EQ(numericKey(u"1e3"), 1000.0);
    for (const char16_t* s : {u"nan", u"NaN", u"inf", u"-infinity", u"0x10", u"1e999", u"1,5", u"", u"1 2", u"\u0661"})
        EXPECT_FALSE(numericKey(s)) << QString::fromUtf16(s).toStdString();
}

TEST(TableTools, SortAlternatesAndPutsEmptyLast)
{
    Model m{{"k"}, {Align::none}, {{"10"}, {"9"}, {""}, {"100"}}};
    ASSERT_TRUE(sortRows(m, 0));
    EXPECT_EQ(m.rows, QList<QStringList>({{"9"}, {"10"}, {"100"}, {""}}));
    ASSERT_TRUE(sortRows(m, 0));
    EXPECT_EQ(m.rows, QList<QStringList>({{""}, {"100"}, {"10"}, {"9"}}));

    Model t{{"k"}, {Align::none}, {{"b"}, {"A"}, {"c"}}};
    sortRows(t, 0);
    EXPECT_EQ(t.rows, QList<QStringList>({{"A"}, {"b"}, {"c"}}));
    // "1" and "x": text order, not numbers; "nan" would make a column non-numeric.
    Model mixed{{"k"}, {Align::none}, {{"x"}, {"1"}}};
    sortRows(mixed, 0);
    EXPECT_EQ(mixed.rows, QList<QStringList>({{"1"}, {"x"}}));
    Model nan{{"k"}, {Align::none}, {{"10"}, {"nan"}, {"9"}}};
    sortRows(nan, 0);
    EXPECT_EQ(nan.rows, QList<QStringList>({{"10"}, {"9"}, {"nan"}})); // text: "10" < "9" < "nan"
    // Stable: equal keys keep their order.
    Model st{{"k", "v"}, {Align::none, Align::none}, {{"a", "1"}, {"b", "2"}, {"a", "3"}}};
    sortRows(st, 0);
    EXPECT_EQ(st.rows, QList<QStringList>({{"a", "1"}, {"a", "3"}, {"b", "2"}}));

    Model headerOnly{{"k"}, {Align::none}, {}};
    EXPECT_FALSE(sortRows(headerOnly, 0));
    EXPECT_FALSE(sortRows(st, 2));
    EXPECT_FALSE(sortTable(u"| a |\n|---|", 0, 0));
}

TEST(TableTools, TenThousandRowsStayLinear)
{
    const QString t = bigTable(10000);
    QElapsedTimer timer;
    timer.start();
    const auto e = apply(Op::insertRowBelow, t, int(t.size()) / 2);
    const auto s = sortTable(t, 0, 0);
    const qint64 ms = timer.elapsed();
    ASSERT_TRUE(e && s);
    EXPECT_EQ(e->replacement.count(u'\n'), 10002);
    EXPECT_EQ(s->replacement.left(62).toStdString(),
              "| id   | name      |\n| ---- | --------- |\n| 0    | item 0    |");
    EXPECT_LT(ms, 1000); // generous for loaded machines; the benchmark tracks the real figure
}
