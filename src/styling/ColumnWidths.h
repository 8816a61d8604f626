#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The one-line comment above a pipe table that keeps its dragged column widths, as
// fractions of the editor's text width: "<!-- bwk:colwidths=0.2500,0.7500 -->".
namespace TableColumnWidths {

// The comment line (no line break); each fraction clamped below at 0, four decimals.
QString directive(const QList<double>& fractions);

// The fractions of a comment line, or nothing when the line is no such comment, a
// piece is not a finite decimal number, or no piece remains. Empty pieces are skipped.
std::optional<QList<double>> parse(QStringView line);

} // namespace TableColumnWidths
