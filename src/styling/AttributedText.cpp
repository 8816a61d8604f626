#include "styling/AttributedText.h"

#include "platform/TextUtil.h"

#include <algorithm>
#include <atomic>
#include <cstring>

std::uint64_t AttributedText::Identity::next()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

namespace {

constexpr std::size_t kEditHistory = 256;

std::size_t attributesHash(const TextAttributes& a)
{
    std::size_t h = std::size_t(a.underline) | std::size_t(a.strikethrough) << 1 | std::size_t(a.markdownConceal) << 2
                    | std::size_t(a.aiGhost) << 3 | std::size_t(a.notProse) << 4;
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
    mix(std::hash<double>{}(a.baselineOffset));
    // A font by its size and weight only: hashing the whole description costs more than
    // comparing the few fonts that share a bucket.
    if (a.font) mix(std::hash<double>{}(a.font->pointSizeF()) + std::size_t(a.font->weight()) * 2 + a.font->italic());
    if (a.foreground) mix(std::size_t(a.foreground->rgba64()));
    if (a.background) mix(std::size_t(a.background->rgba64()) + 1);
    if (a.paragraphStyle)
        mix(std::hash<double>{}(a.paragraphStyle->minimumLineHeight)
            + std::hash<double>{}(a.paragraphStyle->lineSpacing)
            + std::hash<double>{}(a.paragraphStyle->paragraphSpacing) + std::size_t(a.paragraphStyle->alignment));
    if (a.wikiLinkTarget) mix(qHash(*a.wikiLinkTarget));
    mix(std::hash<const void*>{}(a.tableModel.get()));
    return h;
}

} // namespace

bool TextAttributes::operator==(const TextAttributes& o) const
{
    return underline == o.underline && strikethrough == o.strikethrough && markdownConceal == o.markdownConceal
           && aiGhost == o.aiGhost && notProse == o.notProse && baselineOffset == o.baselineOffset
           && tableModel == o.tableModel && foreground == o.foreground && background == o.background
           && wikiLinkTarget == o.wikiLinkTarget && paragraphStyle == o.paragraphStyle && font == o.font;
}

AttributedText::AttributedText()
    : AttributedText(QString())
{}

AttributedText::AttributedText(const QString& text, const TextAttributes& attributes)
{
    setText(text, attributes);
}

void AttributedText::setText(const QString& text, const TextAttributes& attributes)
{
    m_text = text;
    m_gapAt = m_gap = 0;
    m_len = int(m_text.size());
    m_runs.clear();
    m_runs.resize(17);
    // No run keeps an earlier set.
    m_keyed.clear();
    m_sets.clear();
    m_setHashes.clear();
    m_freeSets.clear();
    m_slots.clear();
    m_sweepAt = 1024;
    m_runs[0] = Run{0, share(attributes)};
    m_gapBegin = 1;
    m_gapEnd = m_runs.size();
    m_edits.clear();
    m_historyFloor = ++m_revision;
    m_changed = TextRange();
    noteChanged(TextRange(0, m_len));
}

void AttributedText::rebuildSlots(std::size_t minimum)
{
    std::size_t size = 64;
    while (size < 2 * minimum) size *= 2;
    m_slots.assign(size, 0);
    for (std::size_t id = 0; id < m_sets.size(); ++id) {
        if (!m_sets[id]) continue;
        std::size_t k = m_setHashes[id] & (size - 1);
        while (m_slots[k] != 0) k = (k + 1) & (size - 1);
        m_slots[k] = AttrId(id + 1);
    }
}

AttributedText::AttrId AttributedText::share(const TextAttributes& a)
{
    const std::size_t h = attributesHash(a);
    const std::size_t live = m_sets.size() - m_freeSets.size();
    if (2 * (live + 1) > m_slots.size()) rebuildSlots(live + 1);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t k = h & mask;
    for (; m_slots[k] != 0; k = (k + 1) & mask) {
        const AttrId id = m_slots[k] - 1;
        if (m_setHashes[id] == h && *m_sets[id] == a) return id;
    }
    AttrId id;
    if (!m_freeSets.empty()) {
        id = m_freeSets.back();
        m_freeSets.pop_back();
    } else {
        id = AttrId(m_sets.size());
        m_sets.emplace_back();
        m_setHashes.emplace_back();
    }
    m_sets[id] = std::make_shared<const TextAttributes>(a);
    m_setHashes[id] = h;
    m_slots[k] = id + 1;
    return id;
}

void AttributedText::sweepSets()
{
    if (m_batch > 0 || m_sets.size() - m_freeSets.size() < m_sweepAt) return;
    std::vector<bool> used(m_sets.size());
    for (std::size_t k = 0; k < m_gapBegin; ++k) used[m_runs[k].attrs] = true;
    for (std::size_t k = m_gapEnd; k < m_runs.size(); ++k) used[m_runs[k].attrs] = true;
    std::size_t live = 0;
    for (std::size_t id = 0; id < m_sets.size(); ++id) {
        if (!m_sets[id]) continue;
        if (used[id]) {
            ++live;
            continue;
        }
        m_sets[id].reset();
        m_freeSets.push_back(AttrId(id));
    }
    // The freed numbers leave the table: it is made again from the sets kept.
    rebuildSlots(live);
    m_sweepAt = std::max<std::size_t>(1024, 2 * live);
}

TextRange AttributedText::clamp(TextRange r) const
{
    if (r.isNotFound()) return {m_len, 0};
    const int loc = std::clamp(r.location, 0, m_len);
    const int end = std::clamp(r.location + std::max(0, r.length), loc, m_len);
    return {loc, end - loc};
}

int AttributedText::findRun(int pos) const
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

void AttributedText::moveGap(std::size_t to)
{
    const std::size_t g = gapSize();
    if (to < m_gapBegin) {
        for (std::size_t k = m_gapBegin; k-- > to;) {
            m_runs[k + g] = std::move(m_runs[k]);
            m_runs[k + g].start -= m_len;
        }
    } else {
        for (std::size_t k = m_gapBegin; k < to; ++k) {
            m_runs[k] = std::move(m_runs[k + g]);
            m_runs[k].start += m_len;
        }
    }
    m_gapBegin = to;
    m_gapEnd = to + g;
}

void AttributedText::splice(int first, int last)
{
    moveGap(std::size_t(last));
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
    for (Run& r : m_scratch) m_runs[m_gapBegin++] = std::move(r);
    m_scratch.clear();
}

void AttributedText::replaceCharacters(TextRange range, QStringView replacement)
{
    const TextRange r = clamp(range);
    const int a = r.location, b = r.end();
    const int m = int(replacement.size());
    if (r.length == 0 && m == 0) return;
    const int delta = m - r.length;

    int i = findRun(a);
    if (i > 0 && startOf(i) == a) --i; // take in the run before, whose attributes typed text continues
    const int k = b < m_len ? findRun(b) : count() - 1;
    const AttrId insertAttrs = run(a > 0 ? i : 0).attrs;
    const AttrId headAttrs = run(i).attrs;
    const AttrId tailAttrs = run(k).attrs;
    const int headStart = startOf(i);

    m_scratch.clear();
    auto add = [this](int start, AttrId at) {
        if (!m_scratch.empty() && m_scratch.back().start == start) m_scratch.pop_back();
        if (!m_scratch.empty() && m_scratch.back().attrs == at) return;
        m_scratch.push_back(Run{start, at});
    };
    if (headStart < a) add(headStart, headAttrs);
    if (m > 0) add(a, insertAttrs);
    if (b < m_len) add(a + m, tailAttrs);
    if (m_scratch.empty()) add(0, insertAttrs);

    if (a == 0 && r.length == m_len) {
        m_text = replacement.toString(); // a new text: no room reserved for growth
        m_gapAt = m_gap = 0;
    } else {
        replaceInGap(a, r.length, replacement);
    }
    const int oldLen = m_len;
    moveGap(std::size_t(k + 1));
    m_len = oldLen + delta; // runs after the gap shift with the length
    splice(i, k + 1);

    if (!m_changed.isNotFound()) {
        const int s = m_changed.location, e = m_changed.end();
        if (s >= b)
            m_changed = TextRange(s + delta, e - s);
        else if (e > a || s >= a) // overlaps or touches the edit
            m_changed = TextRange(std::min(s, a), std::max(e + delta, a + m) - std::min(s, a));
        m_changed = clamp(m_changed);
    }
    if (m_batch > 0 && !m_batchRange.isNotFound()) m_batchRange = clamp(m_batchRange.united(TextRange(a, m)));

    ++m_revision;
    m_edits.push_back(Edit{m_revision, a, r.length, m});
    if (m_edits.size() > kEditHistory) {
        m_historyFloor = m_edits.front().revision;
        m_edits.erase(m_edits.begin());
    }
    if (m_batch == 0) coalesce(TextRange(a, m));
}

void AttributedText::moveTextGap(int to) const
{
    if (m_gap == 0 || to == m_gapAt) return;
    QChar* d = m_text.data();
    if (to < m_gapAt)
        std::memmove(d + to + m_gap, d + to, std::size_t(m_gapAt - to) * sizeof(QChar));
    else
        std::memmove(d + m_gapAt, d + m_gapAt + m_gap, std::size_t(to - m_gapAt) * sizeof(QChar));
    m_gapAt = to;
}

void AttributedText::replaceInGap(int a, int removed, QStringView replacement)
{
    const int m = int(replacement.size());
    // Room for a burst of typing, and proportional to the text so that growing it by
    // pastes stays linear overall.
    const int room = std::max(4096, m_len / 32);
    if (m_gap == 0) {
        // Opening a gap moves the rest of the text once; edits near it then move little.
        m_text.resize(qsizetype(m_len) + room);
        QChar* d = m_text.data();
        std::memmove(d + a + room, d + a, std::size_t(m_len - a) * sizeof(QChar));
        std::fill(d + a, d + a + room, QChar()); // views over the gap show no stale text
        m_gapAt = a;
        m_gap = room;
    } else {
        moveTextGap(a);
    }
    m_gap += removed; // the removed characters were just after the gap
    if (m < m_gap) {
        std::copy(replacement.begin(), replacement.end(), m_text.data() + m_gapAt);
        m_gapAt += m;
        m_gap -= m;
        return;
    }
    // Too little room: a new buffer with the replacement in place and a fresh gap.
    const int tail = m_len - removed - a;
    QString grown;
    grown.resize(qsizetype(a) + m + room + tail);
    QChar* g = grown.data();
    const QChar* d = m_text.constData();
    std::copy(d, d + a, g);
    std::copy(replacement.begin(), replacement.end(), g + a);
    std::fill(g + a + m, g + a + m + room, QChar());
    std::copy(d + a + m_gap, d + a + m_gap + tail, g + a + m + room);
    m_text = std::move(grown);
    m_gapAt = a + m;
    m_gap = room;
}

const QString& AttributedText::string() const
{
    if (m_gap > 0) {
        ++m_gapsClosed;
        moveTextGap(m_len);
        m_text.resize(m_len);
        m_gap = 0;
        m_gapAt = 0;
    }
    return m_text;
}

QString AttributedText::copyText() const
{
    if (m_gap == 0) return m_text;
    QString s;
    s.resize(m_len);
    const QChar* d = m_text.constData();
    std::copy(d, d + m_gapAt, s.data());
    std::copy(d + m_gapAt + m_gap, d + m_len + m_gap, s.data() + m_gapAt);
    return s;
}

QString AttributedText::copyText(int from, int to) const
{
    from = std::clamp(from, 0, m_len);
    to = std::clamp(to, from, m_len);
    const QChar* d = m_text.constData();
    QString s;
    s.reserve(to - from);
    if (from < m_gapAt) s.append(d + from, std::min(to, m_gapAt) - from);
    if (to > m_gapAt) {
        const int after = std::max(from, m_gapAt);
        s.append(d + after + m_gap, to - after);
    }
    return s;
}

QStringView AttributedText::textUpTo(int p) const
{
    if (m_gap > 0 && m_gapAt < p) moveTextGap(std::min(p, m_len));
    return QStringView(m_text.constData(), m_len);
}

int AttributedText::indexOf(QChar c, int from) const
{
    for (int i = std::max(0, from); i < m_len; ++i)
        if (charAt(i) == c) return i;
    return -1;
}

int AttributedText::lastIndexOf(QChar c, int from, int floor) const
{
    for (int i = std::min(from, m_len - 1); i >= std::max(0, floor); --i)
        if (charAt(i) == c) return i;
    return -1;
}

int AttributedText::lineEndFrom(int pos, int lines) const
{
    int i = std::clamp(pos, 0, m_len);
    for (int left = lines; left > 0 && i < m_len; ++i) {
        const QChar ch = charAt(i);
        if (!TextUtil::isLineTerminator(ch)) continue;
        if (ch == u'\r' && i + 1 < m_len && charAt(i + 1) == u'\n') ++i;
        --left;
        if (left == 0) return i + 1;
    }
    return m_len;
}

const TextAttributes& AttributedText::attributesAt(int index, TextRange* effectiveRange) const
{
    const int i = findRun(std::clamp(index, 0, std::max(0, m_len - 1)));
    if (effectiveRange) *effectiveRange = TextRange(startOf(i), endOf(i) - startOf(i));
    return attrsOf(run(i).attrs);
}

void AttributedText::setAttributes(TextRange range, const TextAttributes& attributes)
{
    const TextRange r = clamp(range);
    if (r.length <= 0) return;
    const int a = r.location, b = r.end();
    const int i = findRun(a), k = findRun(b - 1);
    m_scratch.clear();
    if (startOf(i) < a) m_scratch.push_back(Run{startOf(i), run(i).attrs});
    m_scratch.push_back(Run{a, share(attributes)});
    if (endOf(k) > b) m_scratch.push_back(Run{b, run(k).attrs});
    splice(i, k + 1);
    noteChanged(r);
    sweepSets();
}

std::uint64_t AttributedText::newEditKeys()
{
    const std::uint64_t base = m_nextKeys;
    m_nextKeys += 256;
    return base;
}

void AttributedText::modifyRuns(TextRange range, void (*apply)(void*, TextAttributes&), void* ctx, std::uint64_t key)
{
    const TextRange r = clamp(range);
    if (r.length <= 0) return;
    const int a = r.location, b = r.end();
    const int i = findRun(a), k = findRun(b - 1);

    // Runs that shared one attribute set share the result: remember the last few,
    // and within a batch every result of a keyed edit.
    struct Memo {
        AttrId from = ~AttrId(0);
        AttrId to = 0;
    };
    Memo memo[4];
    int memoNext = 0;
    std::vector<KeyedResult>* keyed = key != 0 && m_batch > 0 ? &m_keyed[key] : nullptr;
    auto transform = [&](AttrId src) -> AttrId {
        for (const Memo& mm : memo)
            if (mm.from == src) return mm.to;
        if (keyed)
            for (const KeyedResult& kr : *keyed)
                if (kr.from == src) return kr.to;
        TextAttributes copy = attrsOf(src);
        apply(ctx, copy);
        const AttrId out = copy == attrsOf(src) ? src : share(copy);
        memo[memoNext] = Memo{src, out};
        memoNext = (memoNext + 1) % 4;
        if (keyed && keyed->size() < 64) keyed->push_back(KeyedResult{src, out});
        return out;
    };

    m_scratch.clear();
    auto add = [this](int start, AttrId at) {
        if (!m_scratch.empty() && m_scratch.back().attrs == at) return;
        m_scratch.push_back(Run{start, at});
    };
    for (int j = i; j <= k; ++j) {
        const int s = startOf(j), e = endOf(j);
        const AttrId src = run(j).attrs;
        if (s < a) add(s, src);
        add(std::max(s, a), transform(src));
        if (e > b) add(b, src);
    }
    splice(i, k + 1);
    noteChanged(r);
    sweepSets();
}

void AttributedText::removeAttribute(TextRange range, TextAttribute key)
{
    modifyAttributes(range, [key](TextAttributes& a) {
        switch (key) {
        case TextAttribute::Font: a.font.reset(); break;
        case TextAttribute::Foreground: a.foreground.reset(); break;
        case TextAttribute::Background: a.background.reset(); break;
        case TextAttribute::Underline: a.underline = false; break;
        case TextAttribute::Strikethrough: a.strikethrough = false; break;
        case TextAttribute::BaselineOffset: a.baselineOffset = 0; break;
        case TextAttribute::ParagraphStyle: a.paragraphStyle.reset(); break;
        case TextAttribute::MarkdownConceal: a.markdownConceal = false; break;
        case TextAttribute::WikiLinkTarget: a.wikiLinkTarget.reset(); break;
        case TextAttribute::TableModel: a.tableModel.reset(); break;
        case TextAttribute::AiGhost: a.aiGhost = false; break;
        }
    });
}

void AttributedText::addFont(TextRange r, const QFont& f)
{
    modifyAttributes(r, [&f](TextAttributes& a) { a.font = f; });
}
void AttributedText::addForeground(TextRange r, const QColor& c)
{
    modifyAttributes(r, [&c](TextAttributes& a) { a.foreground = c; });
}
void AttributedText::addBackground(TextRange r, const QColor& c)
{
    modifyAttributes(r, [&c](TextAttributes& a) { a.background = c; });
}
void AttributedText::addUnderline(TextRange r)
{
    modifyAttributes(r, [](TextAttributes& a) { a.underline = true; });
}
void AttributedText::addStrikethrough(TextRange r)
{
    modifyAttributes(r, [](TextAttributes& a) { a.strikethrough = true; });
}
void AttributedText::addBaselineOffset(TextRange r, double offset)
{
    modifyAttributes(r, [offset](TextAttributes& a) { a.baselineOffset = offset; });
}
void AttributedText::addParagraphStyle(TextRange r, const ParagraphStyle& style)
{
    modifyAttributes(r, [&style](TextAttributes& a) { a.paragraphStyle = style; });
}
void AttributedText::addMarkdownConceal(TextRange r)
{
    modifyAttributes(r, [](TextAttributes& a) { a.markdownConceal = true; });
}
void AttributedText::addWikiLinkTarget(TextRange r, const QString& target)
{
    modifyAttributes(r, [&target](TextAttributes& a) { a.wikiLinkTarget = target; });
}
void AttributedText::addTableModel(TextRange r, const std::shared_ptr<TableModel>& model)
{
    modifyAttributes(r, [&model](TextAttributes& a) { a.tableModel = model; });
}
void AttributedText::addAiGhost(TextRange r)
{
    modifyAttributes(r, [](TextAttributes& a) { a.aiGhost = true; });
}

void AttributedText::noteChanged(TextRange r)
{
    if (r.length <= 0) return;
    m_changed = m_changed.united(r);
    if (m_batch > 0)
        m_batchRange = m_batchRange.united(r);
    else
        coalesce(r);
}

void AttributedText::coalesce(TextRange range)
{
    // Look one run beyond each end so that the edited runs merge with their neighbours.
    const TextRange r = clamp(TextRange(range.location - 1, range.length + 2));
    if (count() < 2) return;
    const int i = findRun(r.location);
    const int k = findRun(std::max(r.location, r.end() - 1));
    const int last = std::min(k + 1, count() - 1);         // include the run after
    auto same = [](AttrId a, AttrId b) { return a == b; }; // equal sets share a number
    int first = -1;
    for (int j = i; j < last && first < 0; ++j)
        if (same(run(j).attrs, run(j + 1).attrs)) first = j;
    if (first < 0) return;
    // Compact in place: with the gap after `last`, runs [first, last] are contiguous.
    moveGap(std::size_t(last) + 1);
    std::size_t w = std::size_t(first);
    for (std::size_t j = std::size_t(first) + 1; j <= std::size_t(last); ++j) {
        if (same(m_runs[w].attrs, m_runs[j].attrs)) continue;
        if (++w != j) m_runs[w] = std::move(m_runs[j]);
    }
    m_gapBegin = w + 1;
}

void AttributedText::beginEditing()
{
    if (m_batch++ == 0) m_batchRange = TextRange();
}

void AttributedText::endEditing()
{
    if (m_batch == 0 || --m_batch > 0) return;
    if (!m_batchRange.isNotFound()) coalesce(clamp(m_batchRange));
    m_batchRange = TextRange();
    m_keyed.clear();
    sweepSets();
}

TextRange AttributedText::takeChangedAttributesRange()
{
    const TextRange r = m_changed;
    m_changed = TextRange();
    return r;
}

std::optional<AttributedText::TextChange> AttributedText::textChangeSince(std::uint64_t revision) const
{
    if (revision == m_revision) return std::nullopt;
    if (revision < m_historyFloor || revision > m_revision) return TextChange{0, 0, m_len, true};
    bool have = false;
    int s = 0, oe = 0, ne = 0;
    for (const Edit& e : m_edits) {
        if (e.revision <= revision) continue;
        if (!have) {
            s = e.start;
            oe = e.start + e.removed;
            ne = e.start + e.inserted;
            have = true;
            continue;
        }
        const int u0 = std::min(s, e.start);
        const int u1 = std::max(ne, e.start + e.removed);
        oe = u1 - (ne - oe);
        ne = u1 + (e.inserted - e.removed);
        s = u0;
    }
    if (!have) return std::nullopt;
    return TextChange{s, oe, ne, false};
}
