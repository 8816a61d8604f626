#include "editor/FindScan.h"

#include <algorithm>

FindScan::FindScan(const TextFind& find, int from, int to, int length)
    : m_find(find),
      m_length(length),
      m_at(from),
      m_to(find.isEmpty() ? from : to),
      m_partStart(from),
      m_partEnd(from)
{}

FindScan FindScan::wrapping(const TextFind& find, int from, int length)
{
    from = std::clamp(from, 0, length);
    FindScan scan(find, from, length, length);
    if (from > 0 && !find.isEmpty()) scan.m_wrapTo = from;
    return scan;
}

FindScan FindScan::whole(const TextFind& find, int length)
{
    return FindScan(find, 0, length, length);
}

FindScan FindScan::wrappingBack(const TextFind& find, int before, int length)
{
    before = std::clamp(before, 0, length);
    FindScan scan(find, before, before, length);
    scan.m_back = Back::Candidate;
    scan.m_backOver = find.isEmpty();
    scan.m_before = scan.m_down = before;
    if (before < length && !find.isEmpty()) scan.m_wrapTo = before;
    return scan;
}

std::optional<TextRange> FindScan::next(const Read& read, qsizetype& budget)
{
    return m_back ? back(read, budget) : forward(read, budget);
}

std::optional<TextRange> FindScan::forward(const Read& read, qsizetype& budget)
{
    const int n = int(m_find.needle().size());
    for (;;) {
        if (m_at < m_partEnd) {
            // The part begins a unit early and ends a needle's length late: a match is seen
            // whole, and whether it splits a surrogate pair at either end can be told.
            const auto r = m_find.findForward(m_part, m_at - m_partStart);
            if (r && r->location + m_partStart < m_partEnd) {
                const TextRange found(r->location + m_partStart, r->length);
                m_at = found.end();
                return found;
            }
            m_at = m_partEnd;
        }
        if (m_at >= m_to) {
            if (!m_wrapTo) return std::nullopt;
            m_at = m_partStart = m_partEnd = 0;
            m_to = *m_wrapTo;
            m_wrapTo.reset();
            continue;
        }
        if (budget <= 0) return std::nullopt;
        m_partEnd = std::min(m_to, m_at + kPartUnits);
        m_partStart = std::max(0, m_at - 1);
        const int end = std::min(m_length, m_partEnd + n);
        m_part = read(TextRange(m_partStart, end - m_partStart));
        budget -= end - m_partStart;
    }
}

std::optional<TextRange> FindScan::back(const Read& read, qsizetype& budget)
{
    const int n = int(m_find.needle().size());
    while (!m_backOver) {
        switch (*m_back) {
        case Back::Candidate:
            if (m_down > m_floor) {
                if (budget <= 0) return std::nullopt;
                const int from = std::max(m_floor, m_down - kPartUnits);
                readBack(read, budget, from, m_down);
                if (const auto c = lastCandidateBack(m_down - 1)) {
                    m_runStart = *c;
                    m_back = Back::Run;
                }
                m_down = from;
            } else if (m_wrapTo) {
                // None before the place: the last of the text, which stands after it.
                m_before = m_down = m_length;
                m_floor = *m_wrapTo;
                m_wrapTo.reset();
            } else {
                m_backOver = true;
            }
            break;
        case Back::Run: {
            // A candidate overlapping the run's first one starts less than a needle before it.
            const auto prev = lastCandidateBack(m_runStart - 1);
            if (prev && *prev + n > m_runStart) {
                m_runStart = *prev;
            } else if (!prev && m_partFrom > 0 && m_runStart - n + 1 < m_partFrom) {
                if (budget <= 0) return std::nullopt;
                readBack(read, budget, std::max(0, m_partFrom - kPartUnits), m_partFrom);
            } else {
                m_back = Back::Forward;
                m_at = m_partStart = m_partEnd = m_runStart;
                m_to = m_before;
                m_wrapTo.reset();
            }
            break;
        }
        case Back::Forward:
            while (const auto r = forward(read, budget)) m_last = r;
            if (m_at < m_to) return std::nullopt; // the budget ran out
            m_backOver = true;
            return m_last;
        }
    }
    return std::nullopt;
}

void FindScan::readBack(const Read& read, qsizetype& budget, int from, int to)
{
    // A unit early and a needle's length late, as going forward.
    m_partFrom = from;
    m_partEnd = to;
    m_partStart = std::max(0, from - 1);
    const int end = std::min(m_length, to + int(m_find.needle().size()));
    m_part = read(TextRange(m_partStart, end - m_partStart));
    budget -= end - m_partStart;
}

std::optional<int> FindScan::lastCandidateBack(int at) const
{
    if (at < m_partFrom) return std::nullopt;
    const auto c = m_find.lastCandidate(m_part, at - m_partStart);
    if (!c || *c + m_partStart < m_partFrom) return std::nullopt;
    return int(*c + m_partStart);
}
