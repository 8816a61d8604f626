#pragma once

#include <QString>

#include <optional>

// What the status bar shows for values it reads from the editor and the settings.
namespace StatusFormat {

// The zoom as a whole percentage: zoom × 100 rounded half away from zero, taken from the
// shortest decimal form so that 0.345 reads 35% (its binary value lies just below).
QString zoomTitle(double zoom);

// The writing goal in words from the stored setting: the value truncated toward zero.
// No goal for a value that is not a finite number or is not above 0.
std::optional<qint64> writingGoal(double stored);

} // namespace StatusFormat
