#pragma once

#include "editor/TextFind.h"
#include "platform/TextRange.h"

#include <QString>

#include <functional>
#include <optional>

// A search through a text too long to go through at once: the matches are stepped through
// as TextFind::findForward steps (never overlapping), a part of the text at a time, each part
// copied out through `Read`, so the text is never copied whole and the caller decides how much
// each turn reads. Either from a place to the end and then round from the start to that place
// (the first match from the caret), or through the whole text (a count).
class FindScan {
public:
    // A copy of the text's units in the range.
    using Read = std::function<QString(TextRange)>;
    // Units of the text searched per copy.
    static constexpr int kPartUnits = 1 << 16;

    // From `from` to the end of a text of `length` units, then from its start to `from`.
    static FindScan wrapping(const TextFind& find, int from, int length);
    // The whole text, from its start.
    static FindScan whole(const TextFind& find, int length);

    // The next match, reading parts of the text while `budget` (units) lasts; each part read
    // lowers it. Nothing when the budget ran out first or the search is over (isOver()).
    std::optional<TextRange> next(const Read& read, qsizetype& budget);
    bool isOver() const { return m_at >= m_to && !m_wrapTo; }
    const QString& needle() const { return m_find.needle(); }

private:
    FindScan(const TextFind& find, int from, int to, int length);

    TextFind m_find;
    int m_length;
    int m_at;                    // where the next match is looked for
    int m_to;                    // matches start before this
    std::optional<int> m_wrapTo; // then round from the start to here
    QString m_part;              // the text from m_partStart, holding every match starting before m_partEnd
    int m_partStart = 0;
    int m_partEnd = 0;
};
