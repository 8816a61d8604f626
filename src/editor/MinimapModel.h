#pragma once

#include <QList>
#include <QStringView>

// The overview strip's shape of the text: one bar per group of lines, as long as the
// group's longest line.
namespace MinimapModel {

constexpr double RowPitch = 1.2; // points per drawn row at most
constexpr double FullLine = 70;  // characters of a full-length bar

// Characters (Unicode scalar values) per line, split at line feeds: always one more
// entry than there are line feeds.
QList<int> lineLengths(QStringView text);

// After an edit: entries [first, first + oldCount) replaced by the line lengths of
// `newLines`, the text of the whole lines the edit left there.
void replaceLines(QList<int>& lengths, int first, int oldCount, QStringView newLines);

// Bar length (0…1) of each drawn row for a strip `height` points high.
QList<double> rows(const QList<int>& lengths, double height);

// Height of one bar for `rowCount` rows in a strip `height` high.
double barHeight(int rowCount, double height);

// Scroll target that puts the point at strip y in the middle of a view `clipHeight`
// high over a document `docHeight` high.
double scrollTarget(double y, double stripHeight, double clipHeight, double docHeight);

} // namespace MinimapModel
