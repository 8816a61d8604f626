#pragma once

#include <QColor>

// How well one colour stands out against another, as accessibility guidelines measure it:
// what keeps dimmed markers and accent-coloured symbols legible in every look.
namespace ColorContrast {

// The relative luminance of an opaque colour: 0 for black to 1 for white.
double luminance(const QColor& c);
// The contrast ratio of two opaque colours (1 to 21).
double ratio(const QColor& a, const QColor& b);
// `c` made lighter on a dark ground, darker on a light one, as far as it takes to stand out
// `minimum`:1 from `ground` (or as far as it goes); opaque.
QColor legible(QColor c, const QColor& ground, double minimum = 3.0);

} // namespace ColorContrast
