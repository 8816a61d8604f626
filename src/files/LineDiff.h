#pragma once

#include <QList>
#include <QString>

// One line of a line diff.
struct DiffLine {
    enum class Kind { Equal, Insert, Delete };
    Kind kind = Kind::Equal;
    // The line without its line break (a CR before the LF is part of the break): from the
    // old text for Equal and Delete lines, from the new text for Insert lines.
    QString text;

    bool operator==(const DiffLine&) const = default;
};

// Line-by-line comparison of two texts, in display order. Lines are cut at line feeds; two
// lines are equal when they are canonically equivalent and end the same way (LF or CR LF),
// so a change of line endings shows as a change. The common head and tail are trimmed
// first; the differing middle goes through a longest-common-subsequence table while the
// table stays within kMaxCells. A larger middle is cut at lines that occur exactly once in
// both texts and each piece is compared the same way; with no such line the middle shows
// as deleted and re-inserted.
namespace LineDiff {

inline constexpr qint64 kMaxCells = 4'000'000;

QList<DiffLine> compute(const QString& oldText, const QString& newText);

struct Counts {
    int added = 0;
    int removed = 0;
};
Counts counts(const QList<DiffLine>& lines);

} // namespace LineDiff
