#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class AttributedText;
class TableModel;

// The source edits behind grid-table interaction, as plain functions over the text.
namespace GridEditing {

struct Edit {
    TextRange range;
    QString replacement;
    bool operator==(const Edit&) const = default;
};

// Writes column widths (fractions of the text width, rounded up to the four decimals
// written) into the "<!-- bwk:colwidths=" comment on the line before the table, replacing
// an existing comment there or inserting a new line. None when the table start lies
// beyond the text.
std::optional<Edit> columnWidths(QStringView text, int tableStart, const QList<double>& fractions);

// How far the grid table whose model the text carries at `index` has moved since it was
// styled: an edit above a table shifts its text (and the run carrying the model) but not
// the offsets recorded in the model, which stay until the table is styled again. 0 when
// there is no model at `index`.
int tableModelShift(const AttributedText& storage, int index);

// What a cell's field shows for the cell's trimmed source `original`: its text as the grid
// reads it ("\|" is "|").
QString cellFieldText(QStringView original);
// Writes an edited cell back as " text " between its pipes, its pipes escaped once. Only
// when the field's text changed and the cell's source still holds exactly what the editor
// started from, so an edit can never land in another cell or overwrite a change made
// meanwhile, and opening and closing a cell leaves the text as it was.
std::optional<Edit> cellText(QStringView text, TextRange source, const QString& original, const QString& edited);

// A cell of a grid table: its row (0 is the header) and column.
struct Cell {
    int row = 0;
    int column = 0;
    bool operator==(const Cell&) const = default;
};

// The cell holding `offset` in `model`, whose offsets are `shift` behind the text: the row
// whose line holds it (the nearest row above for a line between rows, the first row for
// one above them all) and in it the cell whose source holds it, or the nearest. None for a
// model without rows.
std::optional<Cell> cellAt(const TableModel& model, int shift, int offset);

// Where a key moves from `from`: the next or previous cell in reading order (Tab and
// Shift+Tab), or the cell above or below in the same column (a shorter row's last one).
// None when the move leaves the table.
enum class Move { next, previous, up, down };
std::optional<Cell> move(const TableModel& model, Cell from, Move step);

// The cell's source between its pipes, shifted onto the text; not found for no such cell.
TextRange cellSource(const TableModel& model, int shift, Cell cell);
// The cell's text without the blanks around it, where the caret stands for the cell (for
// an empty cell an empty range after its first blank).
TextRange cellContent(QStringView text, TextRange source);

} // namespace GridEditing
