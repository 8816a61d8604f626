#include "styling/RunTable.h"

#include <algorithm>

void RunTable::reset(int length, Id attrs)
{
    m_runs.clear();
    m_runs.resize(17);
    m_runs[0] = Run{0, attrs};
    m_uses.clear();
    use(attrs);
    m_gapBegin = 1;
    m_gapEnd = m_runs.size();
    m_length = length;
}

int RunTable::find(int pos) const
{
    // Largest i with startOf(i) <= pos; startOf(0) is always 0. Edits move forward
    // through the text and leave the gap behind them, so gallop from the gap first.
    const int n = count();
    int lo = 0, hi = n - 1;
    const int g = int(m_gapBegin) - 1;
    if (g >= 0 && g < n && startOf(g) <= pos) {
        lo = g;
        int step = 1;
        while (lo + step < n && startOf(lo + step) <= pos) {
            lo += step;
            step *= 2;
        }
        hi = std::min(n - 1, lo + step - 1);
    }
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (startOf(mid) <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

void RunTable::moveGap(std::size_t to)
{
    const std::size_t g = gapSize();
    if (to < m_gapBegin) {
        for (std::size_t k = m_gapBegin; k-- > to;) {
            m_runs[k + g] = std::move(m_runs[k]);
            m_runs[k + g].start -= m_length;
        }
    } else {
        for (std::size_t k = m_gapBegin; k < to; ++k) {
            m_runs[k] = std::move(m_runs[k + g]);
            m_runs[k].start += m_length;
        }
    }
    m_gapBegin = to;
    m_gapEnd = to + g;
}

bool RunTable::moveGapToward(int to, int maxRuns)
{
    const std::size_t target = std::size_t(std::clamp(to, 0, count()));
    const std::size_t step = std::size_t(std::max(1, maxRuns));
    if (target + step >= m_gapBegin && target <= m_gapBegin + step) {
        moveGap(target);
        return true;
    }
    moveGap(target < m_gapBegin ? m_gapBegin - step : m_gapBegin + step);
    return false;
}

void RunTable::resize(int last, int length)
{
    moveGap(std::size_t(last));
    m_length = length; // runs after the gap shift with the length
}

void RunTable::splice(int first, int last)
{
    moveGap(std::size_t(last));
    for (std::size_t k = std::size_t(first); k < std::size_t(last); ++k) release(m_runs[k].attrs);
    m_gapBegin = std::size_t(first);
    const std::size_t need = m_scratch.size();
    if (gapSize() < need) {
        const std::size_t live = m_runs.size() - gapSize();
        // An eighth more: growing copies only eight bytes a run, and a larger reserve
        // would stay unused in a long document styled once.
        const std::size_t gap = need + std::max<std::size_t>(64, live / 8);
        std::vector<Run> grown(live + gap);
        for (std::size_t k = 0; k < m_gapBegin; ++k) grown[k] = std::move(m_runs[k]);
        const std::size_t tail = m_runs.size() - m_gapEnd;
        for (std::size_t k = 0; k < tail; ++k) grown[m_gapBegin + gap + k] = std::move(m_runs[m_gapEnd + k]);
        m_runs = std::move(grown);
        m_gapEnd = m_gapBegin + gap;
    }
    for (Run& r : m_scratch) {
        use(r.attrs);
        m_runs[m_gapBegin++] = std::move(r);
    }
    m_scratch.clear();
}

void RunTable::mergeEqual(int first, int last)
{
    // Equal sets share a number, so equal runs compare by number.
    int from = -1;
    for (int j = first; j < last && from < 0; ++j)
        if (attrsOf(j) == attrsOf(j + 1)) from = j;
    if (from < 0) return;
    // Compact in place: with the gap after `last`, runs [from, last] are contiguous.
    moveGap(std::size_t(last) + 1);
    std::size_t w = std::size_t(from);
    for (std::size_t j = std::size_t(from) + 1; j <= std::size_t(last); ++j) {
        if (m_runs[w].attrs == m_runs[j].attrs) {
            release(m_runs[j].attrs);
            continue;
        }
        if (++w != j) m_runs[w] = std::move(m_runs[j]);
    }
    m_gapBegin = w + 1;
}

void RunTable::markUsed(std::vector<bool>& used) const
{
    for (std::size_t id = 0; id < std::min(used.size(), m_uses.size()); ++id)
        if (m_uses[id] > 0) used[id] = true;
}
