#pragma once

// What the styler's files share: its phases live in MarkdownStyler.cpp (running the passes),
// MarkdownStylerScope.cpp (deciding the scope) and MarkdownStylerFences.cpp (fenced code).
#include "platform/TextUtil.h"
#include "styling/MarkdownStyler.h"

#include <algorithm>
#include <span>

namespace MarkdownStylerDetail {

// How many lines past the scope's end the scope rules and the passes may read (the
// line below, a blank line, the row after it and the line after that row).
constexpr int scopeReadAheadLines = 6;

// The fences (sorted, disjoint) from the first one ending after `pos` on.
inline std::span<const FenceMatch> fencesFrom(const QList<FenceMatch>& fences, int pos)
{
    const auto it = std::upper_bound(fences.begin(), fences.end(), pos,
                                     [](int p, const FenceMatch& f) { return p < f.range.end(); });
    return {it, fences.end()};
}

inline bool isBlankLine(QStringView line)
{
    return TextUtil::trimWhitespaceAndNewlines(line).isEmpty();
}

} // namespace MarkdownStylerDetail
