#include "editor/MinimapModel.h"

#include <algorithm>

namespace MinimapModel {

QList<int> lineLengths(QStringView text)
{
    QList<int> out;
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            out.append(n);
            n = 0;
        } else if (!c.isLowSurrogate()) {
            ++n;
        }
    }
    out.append(n);
    return out;
}

void replaceLines(QList<int>& lengths, int first, int oldCount, QStringView newLines)
{
    const QList<int> fresh = lineLengths(newLines);
    const qsizetype common = std::min<qsizetype>(oldCount, fresh.size());
    std::copy(fresh.begin(), fresh.begin() + common, lengths.begin() + first);
    if (fresh.size() > oldCount)
        lengths.insert(first + common, fresh.size() - common, 0);
    else if (fresh.size() < oldCount)
        lengths.remove(first + common, oldCount - common);
    std::copy(fresh.begin() + common, fresh.end(), lengths.begin() + first + common);
}

QList<double> rows(const QList<int>& lengths, double height)
{
    const qsizetype lines = std::max<qsizetype>(lengths.size(), 1);
    qsizetype count = qsizetype(height / RowPitch);
    count = count < 1 ? 1 : std::min(lines, count);
    QList<double> out(count, 0.0);
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        if (lengths[i] < 1) continue;
        const qsizetype r = std::min(i * count / lines, count - 1);
        out[r] = std::max(out[r], std::min(lengths[i] / FullLine, 1.0));
    }
    return out;
}

double barHeight(int rowCount, double height)
{
    const double p = height / std::max(rowCount, 1);
    const double h = p >= 3 ? 2.4 : std::max(p, 1.2) - 0.6;
    return std::max(h, 1.0);
}

double scrollTarget(double y, double stripHeight, double clipHeight, double docHeight)
{
    if (stripHeight <= 0) return 0;
    const double f = std::clamp(y / stripHeight, 0.0, 1.0);
    return std::clamp(f * docHeight - clipHeight / 2, 0.0, std::max(docHeight - clipHeight, 0.0));
}

} // namespace MinimapModel
