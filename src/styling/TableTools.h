#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The editor's model of a Markdown pipe table as text: find the table around a caret,
// parse it, render it aligned, and apply row, column, alignment and sort operations.
// Every function is pure: it reads text and returns the edit for the caller to apply
// through the editor's one replace primitive. Offsets and widths are UTF-16 code units.
//
// Cells are split at every "|" that is not escaped by a backslash ("\|" keeps a pipe
// inside a cell, exactly as the HTML renderer reads it), so formatting never changes
// how many cells a row has.
namespace TableTools {

enum class Align { none = 0, left = 1, center = 2, right = 3 };

struct Model {
    QStringList header;      // trimmed header cells
    QList<Align> aligns;     // one per column
    QList<QStringList> rows; // trimmed body cells
    bool operator==(const Model&) const = default;
};

enum class Op {
    format = 0,
    insertRowAbove,
    insertRowBelow,
    deleteRow,
    insertColumnLeft,
    insertColumnRight,
    deleteColumn,
    alignLeft,
    alignCenter,
    alignRight,
    alignNone,
};

// The edit to apply: replace `range` by `replacement` and put the caret at `caret`
// (all document offsets).
struct Edit {
    TextRange range;
    QString replacement;
    int caret = 0;
};

// A table block: its range (first line's start to last line's end, without the last
// terminator) and its lines.
struct Block {
    TextRange range;
    QStringList lines;
};

// The alignment-row pattern, compiled once.
const QRegularExpression& separatorRE();
// True when the whole line is an alignment row ("| --- | :-: |", "--|--").
bool isAlignmentRow(QStringView line);

// Offsets of the "|" characters of a line that are not escaped by a backslash.
QList<int> pipePositions(QStringView line);
int pipeCount(QStringView line);
// The line holds an unescaped "|" and is not blank.
bool looksLikeRow(QStringView line);

// The cells of one row line: trim spaces and tabs, drop one leading and one trailing
// "|", split at every unescaped "|", trim each piece. "a | b" and "| a | b |" both give
// two cells; an empty line gives one empty cell.
QStringList splitCells(QStringView line);
// A cell's text as it reads: every "\|" becomes "|"; other backslashes stay as written.
QString unescapeCell(QStringView cell);
// The source of a cell that reads `text`: every "|" written "\|", after one more
// backslash where an odd run of them stands before it (which would escape the "\" of the
// "\|" instead). escapeCell(unescapeCell(c)) gives back every cell `c` a row can hold.
QString escapeCell(QStringView text);
// Alignment of one trimmed cell of an alignment row.
Align alignOf(QStringView cell);

// The pipe table around `caret`, or nothing when the caret's line holds no "|", the
// block has one line, or its second line is no alignment row. A blank line ends a block.
// Only the lines of the block are read, never the whole document.
std::optional<Block> tableRange(QStringView text, int caret);

// Nothing when there are fewer than two lines or the second is no alignment row.
// The column count is the widest of the header, the alignment row and every body row:
// no cell is ever dropped; shorter rows are padded with empty cells.
std::optional<Model> parse(const QStringList& lines);

// Aligned table text, lines joined by "\n", no final line break. Rows wider than the
// header widen the table rather than losing their cells.
QString render(const Model& model);

// Applies `op` to the table holding `caret`; nothing when the caret is in no table.
std::optional<Edit> apply(Op op, QStringView text, int caret);

// Line index (0 header, 1 alignment row, ...) and column of an offset in a table's own
// text. A caret after the last "|" of "| a | b |" is column 2, one past the last.
struct CellPos {
    int line = 0;
    int column = 0;
};
CellPos cellAt(QStringView tableText, int offset);

// A sort key that reads as a finite decimal number ("12", "-3.5", ".5", "1e3");
// "nan", "inf", hex and numbers that overflow are text.
std::optional<double> numericKey(QStringView key);

// Sorts the body rows by `column`, ascending, or descending when they already are in
// ascending order (so repeated sorts alternate). Empty keys sort after all others
// (before them when descending); equal keys keep their order. Numbers compare as
// numbers when every non-empty key is one; otherwise a case-insensitive, locale-aware
// comparison. False (model unchanged) when the column does not exist or there are no
// body rows.
bool sortRows(Model& model, int column);

// The edit that sorts the table starting at (or holding) `tableStart` by `column`.
std::optional<Edit> sortTable(QStringView text, int tableStart, int column);

} // namespace TableTools
