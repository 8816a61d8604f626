#include "editor/GridEditing.h"

#include "editor/EditorController.h"
#include "platform/TextUtil.h"
#include "styling/AttributedText.h"
#include "styling/ColumnWidths.h"
#include "styling/TableModel.h"
#include "styling/TableStyling.h"
#include "styling/TableTools.h"

#include <cmath>

namespace GridEditing {

std::optional<Edit> columnWidths(QStringView text, int tableStart, const QList<double>& fractions)
{
    if (tableStart < 0 || tableStart > text.size()) return std::nullopt;
    // Rounded up to the four decimals written, so that no column comes back narrower than
    // it was drawn (a hair narrower wraps its widest cell).
    QList<double> up;
    for (double f : fractions) up.append(std::ceil(f * 10000 - 1e-6) / 10000);
    const QString comment = TableColumnWidths::directive(up);
    const TextRange line = TextUtil::lineRange(text, tableStart);
    if (line.location > 0) {
        const TextRange above = TextUtil::lineContentRange(text, TextRange(line.location - 1, 0));
        if (TableColumnWidths::parse(text.mid(above.location, above.length))) return Edit{above, comment};
    }
    return Edit{TextRange(line.location, 0), comment + EditorController::lineBreakOf(text)};
}

int tableModelShift(const AttributedText& storage, int index)
{
    if (index < 0 || index >= storage.length()) return 0;
    TextRange run;
    const TableModel* model = storage.attributesAt(index, &run).tableModel.get();
    if (!model || model->rows.isEmpty()) return 0;
    // The model covers the table's lines from its first one on.
    int start = run.location;
    while (start > 0) {
        TextRange before;
        if (storage.attributesAt(start - 1, &before).tableModel.get() != model) break;
        start = before.location;
    }
    // Its first row is the first line there that is no alignment row. A line with a
    // character no alignment row holds is none, read no further (a row may be a megabyte).
    const auto alignmentRowCharacter = [](QChar c) {
        return c == u'|' || c == u'-' || c == u':' || (c.isSpace() && !TextUtil::isLineTerminator(c));
    };
    while (start < storage.length()) {
        int at = start;
        while (at < storage.length() && alignmentRowCharacter(storage.charAt(at))) ++at;
        if (at < storage.length() && !TextUtil::isLineTerminator(storage.charAt(at))) break;
        const QStringView text = storage.textUpTo(storage.lineEndFrom(start));
        const TextRange line = TextUtil::lineRange(text, start);
        const TextRange content = TextUtil::lineContentRange(text, TextRange(start, 0));
        if (!TableStyling::isSeparatorLine(text.mid(content.location, content.length)) || line.end() <= start) break;
        start = line.end();
    }
    return start - model->rows.first().range.location;
}

QString cellFieldText(QStringView original)
{
    return TableTools::unescapeCell(TextUtil::trimBlanks(original));
}

std::optional<Edit> cellText(QStringView text, TextRange source, const QString& original, const QString& edited)
{
    if (source.isNotFound() || source.location < 0 || source.end() > text.size()) return std::nullopt;
    if (TextUtil::trimBlanks(text.mid(source.location, source.length)) != original) return std::nullopt;
    // A line break pasted into the field would split the row.
    const QString cleaned = TextUtil::trimBlanks(QString(edited).remove(u'\r').replace(u'\n', u' '));
    if (cleaned == cellFieldText(original)) return std::nullopt;
    return Edit{source, u' ' + TableTools::escapeCell(cleaned) + u' '};
}

std::optional<Cell> cellAt(const TableModel& model, int shift, int offset)
{
    if (model.rows.isEmpty()) return std::nullopt;
    int row = 0;
    for (int r = 1; r < model.rows.size(); ++r)
        if (model.rows[r].range.location + shift <= offset) row = r;
    const QList<TextRange>& cells = model.rows[row].cellRanges;
    int column = 0;
    for (int c = 1; c < cells.size(); ++c)
        // A caret on a pipe belongs to the cell after it.
        if (cells[c].location + shift - 1 <= offset) column = c;
    return Cell{row, column};
}

std::optional<Cell> move(const TableModel& model, Cell from, Move step)
{
    const int rows = int(model.rows.size());
    if (from.row < 0 || from.row >= rows) return std::nullopt;
    auto width = [&](int row) { return int(model.rows[row].cellRanges.size()); };
    switch (step) {
    case Move::next:
        if (from.column + 1 < width(from.row)) return Cell{from.row, from.column + 1};
        for (int r = from.row + 1; r < rows; ++r)
            if (width(r) > 0) return Cell{r, 0};
        return std::nullopt;
    case Move::previous:
        if (from.column > 0) return Cell{from.row, std::min(from.column, width(from.row)) - 1};
        for (int r = from.row - 1; r >= 0; --r)
            if (width(r) > 0) return Cell{r, width(r) - 1};
        return std::nullopt;
    case Move::up:
    case Move::down: {
        const int r = from.row + (step == Move::up ? -1 : 1);
        if (r < 0 || r >= rows || width(r) == 0) return std::nullopt;
        return Cell{r, std::min(from.column, width(r) - 1)};
    }
    }
    return std::nullopt;
}

TextRange cellSource(const TableModel& model, int shift, Cell cell)
{
    if (cell.row < 0 || cell.row >= model.rows.size()) return TextRange::notFound();
    const QList<TextRange>& cells = model.rows[cell.row].cellRanges;
    if (cell.column < 0 || cell.column >= cells.size()) return TextRange::notFound();
    return TextRange(cells[cell.column].location + shift, cells[cell.column].length);
}

TextRange cellContent(QStringView text, TextRange source)
{
    if (source.isNotFound() || source.location < 0 || source.end() > text.size()) return source;
    auto blank = [&](int i) { return text[i] == u' ' || text[i] == u'\t'; };
    int from = source.location;
    int to = source.end();
    while (from < to && blank(from)) ++from;
    while (to > from && blank(to - 1)) --to;
    if (from == to) return TextRange(source.location + std::min(1, source.length), 0);
    return TextRange(from, to - from);
}

} // namespace GridEditing
