#include "editor/GridEditing.h"

#include "editor/EditorController.h"
#include "platform/TextUtil.h"
#include "styling/AttributedText.h"
#include "styling/ColumnWidths.h"
#include "styling/TableModel.h"
#include "styling/TableStyling.h"

namespace GridEditing {

std::optional<Edit> columnWidths(QStringView text, int tableStart, const QList<double>& fractions)
{
    if (tableStart < 0 || tableStart > text.size()) return std::nullopt;
    const QString comment = TableColumnWidths::directive(fractions);
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
    // Its first row is the first line there that is no alignment row.
    while (start < storage.length()) {
        const QStringView text = storage.textUpTo(storage.lineEndFrom(start));
        const TextRange line = TextUtil::lineRange(text, start);
        const TextRange content = TextUtil::lineContentRange(text, TextRange(start, 0));
        if (!TableStyling::isSeparatorLine(text.mid(content.location, content.length)) || line.end() <= start) break;
        start = line.end();
    }
    return start - model->rows.first().range.location;
}

std::optional<Edit> cellText(QStringView text, TextRange source, const QString& original, const QString& edited)
{
    if (source.isNotFound() || source.location < 0 || source.end() > text.size()) return std::nullopt;
    if (TextUtil::trimBlanks(text.mid(source.location, source.length)) != original) return std::nullopt;
    const QString cleaned = TextUtil::trimBlanks(edited);
    // A pipe or line break typed into a cell would split the row.
    if (cleaned.contains(u'|') || cleaned.contains(u'\n') || cleaned.contains(u'\r'))
        return Edit{source,
                    u' ' + QString(cleaned).replace(u'|', QStringLiteral("\\|")).remove(u'\r').replace(u'\n', u' ')
                        + u' '};
    return Edit{source, u' ' + cleaned + u' '};
}

} // namespace GridEditing
