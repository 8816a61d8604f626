#pragma once

#include <climits>

// A run of UTF-16 code units: the offsets every part of the editor passes around.
// A range whose location is `NotFound` (length 0) marks an absent caret line,
// reveal range or focus range.
struct TextRange {
    static constexpr int NotFound = INT_MAX;

    int location = NotFound;
    int length = 0;

    constexpr TextRange() = default;
    constexpr TextRange(int loc, int len)
        : location(loc),
          length(len)
    {}

    static constexpr TextRange notFound() { return {}; }
    constexpr bool isNotFound() const { return location == NotFound; }
    constexpr int end() const { return location + length; }
    constexpr bool isEmpty() const { return length == 0; }
    constexpr bool contains(int index) const { return index >= location && index < end(); }
    // True when the two ranges share at least one unit (empty ranges never intersect).
    constexpr bool intersects(TextRange o) const
    {
        if (isNotFound() || o.isNotFound() || length <= 0 || o.length <= 0) return false;
        return location < o.end() && o.location < end();
    }
    constexpr TextRange intersection(TextRange o) const
    {
        const int s = location > o.location ? location : o.location;
        const int e = end() < o.end() ? end() : o.end();
        return e > s ? TextRange(s, e - s) : TextRange(s, 0);
    }
    constexpr TextRange united(TextRange o) const
    {
        if (isNotFound()) return o;
        if (o.isNotFound()) return *this;
        const int s = location < o.location ? location : o.location;
        const int e = end() > o.end() ? end() : o.end();
        return {s, e - s};
    }
    constexpr bool operator==(const TextRange&) const = default;
};
