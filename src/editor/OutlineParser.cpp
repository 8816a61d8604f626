#include "editor/OutlineParser.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<quint64> nextId{1};

bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c == u' ' || c.category() == QChar::Separator_Space;
}

// What the heading pattern accepts after the markers: any white space, line breaks included.
bool isSpaceAfterMarkers(QChar c)
{
    return c.isSpace();
}

QStringView trimmedHorizontal(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isHorizontalSpace(s[b])) ++b;
    while (e > b && isHorizontalSpace(s[e - 1])) --e;
    return s.mid(b, e - b);
}

} // namespace

namespace {

// The lines of `text` (cut at "\n"), whose first unit lies at `base` in the document:
// the fence lines' offsets, and the heading lines whatever fences stand around them.
void scanLines(QStringView text, qsizetype base, QList<OutlineItem>& headings, std::vector<qsizetype>& fences)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start <= n) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = n;
        QStringView line = text.mid(start, end - start);
        // A CR before the line feed belongs to the line break, not to the title.
        if (line.endsWith(u'\r')) line.chop(1);

        const QStringView trimmed = trimmedHorizontal(line);
        if (trimmed.startsWith(u"```")) {
            fences.push_back(base + start);
        } else if (!line.isEmpty() && line[0] == u'#') {
            int level = 0;
            while (level < line.size() && line[level] == u'#') ++level;
            if (level <= 6 && level < line.size() && isSpaceAfterMarkers(line[level])) {
                qsizetype titleStart = level;
                while (titleStart < line.size() && isSpaceAfterMarkers(line[titleStart])) ++titleStart;
                OutlineItem item;
                item.level = level;
                item.title = trimmedHorizontal(line.mid(titleStart)).toString();
                item.offset = base + start;
                headings.append(std::move(item));
            }
        }
        start = end + 1;
    }
}

// The headings outside fences: behind an odd number of fence lines a heading is code.
QList<OutlineItem> outsideFences(const QList<OutlineItem>& candidates, const std::vector<qsizetype>& fences)
{
    QList<OutlineItem> items;
    for (const OutlineItem& c : candidates) {
        const auto before = std::lower_bound(fences.begin(), fences.end(), c.offset) - fences.begin();
        if (before % 2 != 0) continue;
        items.append(c);
        items.last().id = nextId.fetch_add(1, std::memory_order_relaxed);
    }
    return items;
}

} // namespace

QList<OutlineItem> OutlineParser::headings(QStringView text)
{
    QList<OutlineItem> candidates;
    std::vector<qsizetype> fences;
    scanLines(text, 0, candidates, fences);
    return outsideFences(candidates, fences);
}

void OutlineTracker::reset(QStringView text)
{
    QList<OutlineItem> candidates;
    m_fences.clear();
    scanLines(text, 0, candidates, m_fences);
    m_items = outsideFences(candidates, m_fences);
}

std::optional<OutlineTracker::Splice> OutlineTracker::update(qsizetype start, qsizetype oldEnd, qsizetype newEnd,
                                                             qsizetype length, const Reader& read)
{
    const qsizetype delta = newEnd - oldEnd;
    // The touched lines of the current text, read in steps from the edit outwards.
    constexpr qsizetype step = 4096;
    qsizetype a = std::clamp<qsizetype>(start, 0, length);
    for (;;) {
        const qsizetype from = std::max<qsizetype>(0, a - step);
        const qsizetype lf = read(from, a).lastIndexOf(u'\n');
        if (lf >= 0) {
            a = from + lf + 1;
            break;
        }
        a = from;
        if (from == 0) break;
    }
    qsizetype e = std::clamp<qsizetype>(newEnd, a, length);
    for (;;) {
        const qsizetype to = std::min(length, e + step);
        const qsizetype lf = read(e, to).indexOf(u'\n');
        if (lf >= 0) {
            e += lf;
            break;
        }
        e = to;
        if (to == length) break;
    }
    QList<OutlineItem> candidates;
    std::vector<qsizetype> fresh;
    scanLines(read(a, e), a, candidates, fresh);

    // The same lines before the edit: [a, e - delta], line starts included at both ends.
    const qsizetype oldLast = e - delta;
    const auto f0 = std::lower_bound(m_fences.begin(), m_fences.end(), a);
    const auto f1 = std::upper_bound(f0, m_fences.end(), oldLast);
    if (qsizetype(fresh.size()) != f1 - f0) {
        // A fence line came or went: every heading below may have changed sides.
        reset(read(0, length));
        return std::nullopt;
    }
    std::copy(fresh.begin(), fresh.end(), f0);
    for (auto it = f1; it != m_fences.end(); ++it) *it += delta;

    const QList<OutlineItem> inserted = outsideFences(candidates, m_fences);
    const auto byOffset = [](const OutlineItem& item, qsizetype pos) { return item.offset < pos; };
    const qsizetype first = std::lower_bound(m_items.begin(), m_items.end(), a, byOffset) - m_items.begin();
    const qsizetype last = std::lower_bound(m_items.begin(), m_items.end(), oldLast + 1, byOffset) - m_items.begin();
    for (qsizetype i = last; i < m_items.size(); ++i) m_items[i].offset += delta;
    m_items.remove(first, last - first);
    for (qsizetype k = 0; k < inserted.size(); ++k) m_items.insert(first + k, inserted[k]);
    return Splice{first, last - first, inserted.size()};
}
