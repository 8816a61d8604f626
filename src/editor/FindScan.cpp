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

std::optional<TextRange> FindScan::next(const Read& read, qsizetype& budget)
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
