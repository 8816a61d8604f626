#include "styling/ColumnWidths.h"

#include "platform/TextUtil.h"
#include "styling/TableTools.h"

#include <QRegularExpression>

#include <cmath>

namespace TableColumnWidths {

QString directive(const QList<double>& fractions)
{
    QStringList parts;
    parts.reserve(fractions.size());
    for (double f : fractions) parts.append(QString::asprintf("%.4f", std::isfinite(f) ? std::max(f, 0.0) : 0.0));
    return QStringLiteral("<!-- bwk:colwidths=") + parts.join(u',') + QStringLiteral(" -->");
}

std::optional<QList<double>> parse(QStringView line)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*<!--\s*bwk:colwidths=([0-9.,\s]+?)\s*-->\s*$)"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    if (!line.contains(u"bwk:colwidths=")) return std::nullopt;
    const QRegularExpressionMatch m = re.match(line);
    if (!m.hasMatch()) return std::nullopt;
    QList<double> out;
    for (const QString& piece : m.captured(1).split(u',', Qt::SkipEmptyParts)) {
        const QString t = TextUtil::trimBlanks(piece);
        const std::optional<double> v = TableTools::numericKey(t);
        if (!v) return std::nullopt;
        out.append(*v);
    }
    if (out.isEmpty()) return std::nullopt;
    return out;
}

} // namespace TableColumnWidths
