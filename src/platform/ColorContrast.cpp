#include "platform/ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace ColorContrast {

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ratio(const QColor& a, const QColor& b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor legible(QColor c, const QColor& ground, double minimum)
{
    c.setAlpha(255);
    const bool darkGround = luminance(ground) < 0.18;
    // Lightening black or darkening white changes nothing: the other end of the scale is
    // reached in small steps towards it.
    for (int i = 0; i < 40 && ratio(c, ground) < minimum; ++i) {
        const QColor end = darkGround ? QColor(Qt::white) : QColor(Qt::black);
        c = QColor::fromRgbF(float(c.redF() * 0.85 + end.redF() * 0.15), float(c.greenF() * 0.85 + end.greenF() * 0.15),
                             float(c.blueF() * 0.85 + end.blueF() * 0.15));
    }
    return c;
}

} // namespace ColorContrast
