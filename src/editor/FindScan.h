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
// (the first match from the caret), or through the whole text (a count), or back from a place
// to the start and then round from the end (the match before the caret).
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
    // The last match starting before `before`, else the last of the text: the one match that
    // TextFind::previous gives for a selection starting at `before`, the same one stepping
    // forward lands on.
    static FindScan wrappingBack(const TextFind& find, int before, int length);

    // The next match, reading parts of the text while `budget` (units) lasts; each part read
    // lowers it. Nothing when the budget ran out first or the search is over (isOver()).
    std::optional<TextRange> next(const Read& read, qsizetype& budget);
    bool isOver() const { return m_back ? m_backOver : m_at >= m_to && !m_wrapTo; }
    const QString& needle() const { return m_find.needle(); }

private:
    FindScan(const TextFind& find, int from, int to, int length);

    std::optional<TextRange> forward(const Read& read, qsizetype& budget);
    std::optional<TextRange> back(const Read& read, qsizetype& budget);
    // Reads the part holding the candidates that start from `from` to before `to`.
    void readBack(const Read& read, qsizetype& budget, int from, int to);
    // The last candidate of that part starting at or before `at`.
    std::optional<int> lastCandidateBack(int at) const;

    TextFind m_find;
    int m_length;
    int m_at;                    // where the next match is looked for
    int m_to;                    // matches start before this
    std::optional<int> m_wrapTo; // then round from the start to here (back: round from the end down to here)
    QString m_part;              // the text from m_partStart, holding every match starting before m_partEnd
    int m_partStart = 0;
    int m_partEnd = 0;

    // Going back, the last candidate is looked for from m_down down to m_floor; the run of
    // candidates overlapping one another that ends with it is followed back to where it
    // begins (a match), and the matches are then stepped through forward from there to
    // m_before, the last of them being the one.
    enum class Back { Candidate, Run, Forward };
    std::optional<Back> m_back;
    bool m_backOver = false;
    int m_before = 0;
    int m_down = 0;
    int m_floor = 0;
    int m_runStart = 0;
    int m_partFrom = 0; // going back, the part's candidates start from here
    std::optional<TextRange> m_last;
};
