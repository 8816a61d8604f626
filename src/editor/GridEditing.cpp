#include "editor/GridEditing.h"

#include "platform/TextUtil.h"
#include "styling/ColumnWidths.h"

namespace GridEditing {

std::optional<Edit> columnWidths(QStringView text, int tableStart, const QList<double>& fractions)
{
    if (tableStart < 0 || tableStart > text.size())
        return std::nullopt;
    const QString comment = TableColumnWidths::directive(fractions);
    const TextRange line = TextUtil::lineRange(text, tableStart);
    if (line.location > 0) {
        const TextRange above = TextUtil::lineContentRange(text, TextRange(line.location - 1, 0));
        if (TableColumnWidths::parse(text.mid(above.location, above.length)))
            return Edit{above, comment};
    }
    return Edit{TextRange(line.location, 0), comment + u'\n'};
}

std::optional<Edit> cellText(QStringView text, TextRange source, const QString& original, const QString& edited)
{
    if (source.isNotFound() || source.location < 0 || source.end() > text.size())
        return std::nullopt;
    if (TextUtil::trimBlanks(text.mid(source.location, source.length)) != original)
        return std::nullopt;
    const QString cleaned = TextUtil::trimBlanks(edited);
    // A pipe or line break typed into a cell would split the row.
    if (cleaned.contains(u'|') || cleaned.contains(u'\n') || cleaned.contains(u'\r'))
        return Edit{source, u' ' + QString(cleaned).replace(u'|', QStringLiteral("\\|")).remove(u'\r').replace(u'\n', u' ') + u' '};
    return Edit{source, u' ' + cleaned + u' '};
}

} // namespace GridEditing
