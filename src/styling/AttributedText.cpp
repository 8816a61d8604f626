#include "styling/AttributedText.h"

#include <atomic>

std::uint64_t AttributedText::Identity::next()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

namespace {

constexpr std::size_t kEditHistory = 256;

} // namespace

AttributedText::AttributedText()
    : AttributedText(QString())
{}

AttributedText::AttributedText(const QString& text, const TextAttributes& attributes)
{
    setText(text, attributes);
}

void AttributedText::setText(const QString& text, const TextAttributes& attributes)
{
    m_text.setText(text);
    // No run keeps an earlier set.
    m_keyed.clear();
    m_sets.clear();
    m_runs.reset(m_text.length(), m_sets.share(attributes));
    m_edits.clear();
    m_historyFloor = ++m_revision;
    m_changed = TextRange();
    noteChanged(TextRange(0, m_text.length()));
}

void AttributedText::sweepSets()
{
    if (m_batch > 0) return;
    if (!m_sets.wantsSweep()) {
        m_sets.freeSome();
        return;
    }
    std::vector<bool> used(m_sets.size());
    m_runs.markUsed(used);
    m_sets.sweep(used);
}

bool AttributedText::moveGapToward(int position, int maxUnits)
{
    const bool text = m_text.moveGapToward(position, maxUnits);
    const bool runs = m_runs.moveGapToward(m_runs.find(std::clamp(position, 0, m_text.length())), maxUnits / 4);
    return text && runs;
}

TextRange AttributedText::clamp(TextRange r) const
{
    const int len = m_text.length();
    if (r.isNotFound()) return {len, 0};
    const int loc = std::clamp(r.location, 0, len);
    const int end = std::clamp(r.location + std::max(0, r.length), loc, len);
    return {loc, end - loc};
}

void AttributedText::replaceCharacters(TextRange range, QStringView replacement, const QString* whole)
{
    const TextRange r = clamp(range);
    const int a = r.location, b = r.end();
    const int m = int(replacement.size());
    if (r.length == 0 && m == 0) return;
    const int oldLen = m_text.length();
    const int delta = m - r.length;

    // The runs over the edit give way to the run before it (whose attributes typed text
    // continues), the inserted text and the rest of the last run.
    int i = m_runs.find(a);
    if (i > 0 && m_runs.startOf(i) == a) --i;
    const int k = b < oldLen ? m_runs.find(b) : m_runs.count() - 1;
    const AttrId insertAttrs = m_runs.attrsOf(a > 0 ? i : 0);
    const AttrId headAttrs = m_runs.attrsOf(i);
    const AttrId tailAttrs = m_runs.attrsOf(k);
    const int headStart = m_runs.startOf(i);
    std::vector<RunTable::Run>& runs = m_runs.scratch();
    auto add = [&runs](int start, AttrId at) {
        if (!runs.empty() && runs.back().start == start) runs.pop_back();
        if (!runs.empty() && runs.back().attrs == at) return;
        runs.push_back(RunTable::Run{start, at});
    };
    if (headStart < a) add(headStart, headAttrs);
    if (m > 0) add(a, insertAttrs);
    if (b < oldLen) add(a + m, tailAttrs);
    if (runs.empty()) add(0, insertAttrs);

    m_text.replace(a, r.length, replacement, whole);
    m_runs.resize(k + 1, oldLen + delta);
    m_runs.splice(i, k + 1);

    if (!m_changed.isNotFound()) {
        const int s = m_changed.location, e = m_changed.end();
        if (s >= b)
            m_changed = TextRange(s + delta, e - s);
        else if (e > a || s >= a) // overlaps or touches the edit
            m_changed = TextRange(std::min(s, a), std::max(e + delta, a + m) - std::min(s, a));
        m_changed = clamp(m_changed);
    }
    if (m_batch > 0 && !m_batchRange.isNotFound()) m_batchRange = clamp(m_batchRange.united(TextRange(a, m)));
    recordEdit(a, r.length, m);
    if (m_batch == 0) coalesce(TextRange(a, m));
}

void AttributedText::recordEdit(int start, int removed, int inserted)
{
    ++m_revision;
    m_edits.push_back(Edit{m_revision, start, removed, inserted});
    if (m_edits.size() > kEditHistory) {
        m_historyFloor = m_edits.front().revision;
        m_edits.erase(m_edits.begin());
    }
}

const TextAttributes& AttributedText::attributesAt(int index, TextRange* effectiveRange) const
{
    const int i = m_runs.find(std::clamp(index, 0, std::max(0, m_text.length() - 1)));
    if (effectiveRange) *effectiveRange = TextRange(m_runs.startOf(i), m_runs.endOf(i) - m_runs.startOf(i));
    return m_sets.at(m_runs.attrsOf(i));
}

void AttributedText::setAttributes(TextRange range, const TextAttributes& attributes)
{
    const TextRange r = clamp(range);
    if (r.length <= 0) return;
    const int a = r.location, b = r.end();
    const int i = m_runs.find(a), k = m_runs.find(b - 1);
    const AttrId set = m_sets.share(attributes);
    std::vector<RunTable::Run>& runs = m_runs.scratch();
    if (m_runs.startOf(i) < a) runs.push_back(RunTable::Run{m_runs.startOf(i), m_runs.attrsOf(i)});
    runs.push_back(RunTable::Run{a, set});
    if (m_runs.endOf(k) > b) runs.push_back(RunTable::Run{b, m_runs.attrsOf(k)});
    m_runs.splice(i, k + 1);
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
    const int i = m_runs.find(a), k = m_runs.find(b - 1);

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
        TextAttributes copy = m_sets.at(src);
        apply(ctx, copy);
        const AttrId out = copy == m_sets.at(src) ? src : m_sets.share(copy);
        memo[memoNext] = Memo{src, out};
        memoNext = (memoNext + 1) % 4;
        if (keyed && keyed->size() < 64) keyed->push_back(KeyedResult{src, out});
        return out;
    };

    // Every run over the range, split at its ends, with its set transformed.
    std::vector<RunTable::Run>& runs = m_runs.scratch();
    auto add = [&runs](int start, AttrId at) {
        if (!runs.empty() && runs.back().attrs == at) return;
        runs.push_back(RunTable::Run{start, at});
    };
    for (int j = i; j <= k; ++j) {
        const int s = m_runs.startOf(j), e = m_runs.endOf(j);
        const AttrId src = m_runs.attrsOf(j);
        if (s < a) add(s, src);
        add(std::max(s, a), transform(src));
        if (e > b) add(b, src);
    }
    m_runs.splice(i, k + 1);
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
void AttributedText::addParagraphStyle(TextRange r, const ParagraphStyle& style)
{
    modifyAttributes(r, [&style](TextAttributes& a) { a.paragraphStyle = style; });
}
void AttributedText::addMarkdownConceal(TextRange r)
{
    modifyAttributes(r, [](TextAttributes& a) { a.markdownConceal = true; });
}
void AttributedText::addTableModel(TextRange r, const std::shared_ptr<TableModel>& model)
{
    modifyAttributes(r, [&model](TextAttributes& a) { a.tableModel = model; });
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
    if (m_runs.count() < 2) return;
    const int i = m_runs.find(r.location);
    const int k = m_runs.find(std::max(r.location, r.end() - 1));
    m_runs.mergeEqual(i, std::min(k + 1, m_runs.count() - 1)); // the run after included
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
    if (revision < m_historyFloor || revision > m_revision) return TextChange{0, 0, m_text.length(), true};
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
