#pragma once

#include <QColor>

// How well one colour stands out against another, as accessibility guidelines measure it:
// what keeps dimmed markers and accent-coloured symbols legible in every look.
namespace ColorContrast {

// The relative luminance of an opaque colour: 0 for black to 1 for white.
double luminance(const QColor& c);
// The contrast ratio of two opaque colours (1 to 21).
double ratio(const QColor& a, const QColor& b);

} // namespace ColorContrast
