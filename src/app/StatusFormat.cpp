#include "app/StatusFormat.h"

#include <cmath>
#include <limits>

QString StatusFormat::zoomTitle(double zoom)
{
    if (!std::isfinite(zoom)) return QStringLiteral("100%");
    // Fifteen significant digits undo the binary representation error of a decimal zoom.
    const double percent = QString::number(zoom * 100.0, 'g', 15).toDouble();
    return QString::number(qint64(std::round(percent))) + u'%';
}

std::optional<qint64> StatusFormat::writingGoal(double stored)
{
    if (!std::isfinite(stored) || stored <= 0) return std::nullopt;
    constexpr double top = 9.0e18; // below the largest 64-bit integer
    return qint64(std::trunc(std::min(stored, top)));
}
