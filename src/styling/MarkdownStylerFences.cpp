// Fenced code in the styler: pairing the fence lines like the renderer does, keeping that
// pairing across edits, and colouring a block's code with the tokens it keeps between them.
#include "styling/MarkdownStyler.h"

#include "platform/TextUtil.h"
#include "styling/CodeTokenizer.h"

#include <algorithm>

namespace {

// A fence line is split at line feeds, like the HTML renderer reads the text: after its
// leading blanks (spaces, tabs, other space separators) it begins with three backticks.
bool isFenceBlank(QChar c)
{
    return c == u' ' || c == u'\t' || (c.unicode() >= 0x80 && TextUtil::isHorizontalWhitespace(c.unicode()));
}

// The backticks of every fence line starting in [from, to] (a line start at or before
// `from` counts from that line).
void collectTicks(QStringView s, int from, int to, std::vector<int>& out)
{
    const int n = int(s.size());
    from = std::clamp(from, 0, n);
    int ls = from > 0 ? int(s.mid(0, from).lastIndexOf(u'\n')) + 1 : 0;
    while (ls <= to && ls <= n) {
        int p = ls;
        while (p < n && isFenceBlank(s[p])) ++p;
        if (p + 3 <= n && s[p] == u'`' && s[p + 1] == u'`' && s[p + 2] == u'`') out.push_back(p);
        const qsizetype lf = s.indexOf(u'\n', ls);
        if (lf < 0) break;
        ls = int(lf) + 1;
    }
}

// The fenced blocks, paired from the fence lines as the HTML renderer pairs them: a
// fence line opens a block whose code is the lines after it up to the next fence line,
// which closes it (whatever follows its backticks); a block left open runs to the end of
// the text, and so does an opening line that ends the text.
// The line feeds around a position, in a string or read from a storage without moving its text.
int lineFeedFrom(QStringView s, int from)
{
    return int(s.indexOf(u'\n', from));
}
int lineFeedFrom(const AttributedText& s, int from)
{
    return s.indexOf(u'\n', from);
}
int lineFeedBefore(QStringView s, int pos)
{
    return int(s.lastIndexOf(u'\n', pos - 1));
}
int lineFeedBefore(const AttributedText& s, int pos)
{
    return s.lastIndexOf(u'\n', pos - 1);
}
int lengthOf(QStringView s)
{
    return int(s.size());
}
int lengthOf(const AttributedText& s)
{
    return s.length();
}

// The block opened by fence line `i` (an even index).
template <typename Text> FenceMatch fenceAt(const Text& s, const std::vector<int>& ticks, size_t i)
{
    const int n = lengthOf(s);
    const int p = ticks[i];
    const int lf = lineFeedFrom(s, p + 3);
    if (lf < 0) return FenceMatch{TextRange(p, n - p), TextRange(n, 0)};
    if (i + 1 == ticks.size()) return FenceMatch{TextRange(p, n - p), TextRange(lf + 1, n - lf - 1)};
    const int close = ticks[i + 1];
    const int closeLine = lineFeedBefore(s, close) + 1;
    return FenceMatch{TextRange(p, close + 3 - p), TextRange(lf + 1, closeLine - lf - 1)};
}

// The blocks from the one opened by fence line `from` (an even index) on.
template <typename Text>
void pairTicks(const Text& s, const std::vector<int>& ticks, QList<FenceMatch>& out, size_t from = 0)
{
    for (size_t i = from; i < ticks.size(); i += 2) out.append(fenceAt(s, ticks, i));
}

} // namespace

QList<FenceMatch> MarkdownStyler::findFences(const QString& text)
{
    std::vector<int> ticks;
    collectTicks(text, 0, int(text.size()), ticks);
    QList<FenceMatch> out;
    pairTicks(QStringView(text), ticks, out);
    return out;
}

namespace {

// The part of the current text where `before` (fences of the text before `change`)
// and `after` differ, old ranges carried over the edit; not-found when they agree.
TextRange fenceDifference(const QList<FenceMatch>& before, const QList<FenceMatch>& after,
                          const AttributedText::TextChange& change)
{
    const int delta = change.newEnd - change.oldEnd;
    // Fences wholly before the edit, or wholly after it and only shifted, keep their styling.
    // A block whose code alone was edited (same opening line, its end moved by the edit)
    // keeps its status too: only the edited lines of it change.
    auto editedInside = [&](const FenceMatch& o, const FenceMatch& n) {
        return o.range.location == n.range.location && o.content.location == n.content.location
               && change.start >= o.content.location && change.oldEnd <= o.content.end()
               && n.content.end() == o.content.end() + delta && n.range.end() == o.range.end() + delta;
    };
    qsizetype head = 0;
    while (head < before.size() && head < after.size()
           && ((before[head] == after[head] && before[head].range.end() <= change.start)
               || editedInside(before[head], after[head])))
        ++head;
    qsizetype oldTail = before.size(), newTail = after.size();
    while (oldTail > head && newTail > head) {
        const FenceMatch& o = before[oldTail - 1];
        const FenceMatch& n = after[newTail - 1];
        if (o.range.location < change.oldEnd || n.range != TextRange(o.range.location + delta, o.range.length)) break;
        --oldTail;
        --newTail;
    }
    TextRange out;
    auto carry = [&](int p, bool isEnd) {
        if (p <= change.start) return p;
        return p >= change.oldEnd ? p + delta : (isEnd ? change.newEnd : change.start);
    };
    for (qsizetype i = head; i < oldTail; ++i) {
        const int a = carry(before[i].range.location, false), b = carry(before[i].range.end(), true);
        out = out.united(TextRange(a, std::max(0, b - a)));
    }
    for (qsizetype i = head; i < newTail; ++i) out = out.united(after[i].range);
    return out;
}

} // namespace

namespace {

// The fence lines of the lines an edit touched, read again: they replace the kept ones in
// [first, last), and the kept ones below move by `delta`.
struct Retick {
    std::vector<int> fresh;
    size_t first = 0, last = 0;
    int delta = 0;
};

Retick retick(const AttributedText& storage, const AttributedText::TextChange& change, const std::vector<int>& ticks)
{
    // Whether a line is a fence line depends on its own text: only the lines the edit
    // touched are read again (from the edited line's start to the line that holds the
    // edit's end); the fence lines below keep their place, shifted.
    Retick r;
    r.delta = change.newEnd - change.oldEnd;
    const int lfAfter = storage.indexOf(u'\n', change.newEnd);
    const QStringView s = storage.textUpTo(lfAfter < 0 ? storage.length() : lfAfter + 1);
    const int lineStart = change.start > 0 ? storage.lastIndexOf(u'\n', change.start - 1) + 1 : 0;
    const auto lo = std::lower_bound(ticks.begin(), ticks.end(), lineStart);
    auto hi = std::upper_bound(lo, ticks.end(), change.oldEnd);
    // A fence line below the edit whose line began inside it (only blanks between the
    // edit's end and its backticks) was read again with the touched lines.
    while (hi != ticks.end() && (lfAfter < 0 || lfAfter >= *hi + r.delta)) ++hi;
    collectTicks(s, lineStart, change.newEnd, r.fresh);
    r.first = size_t(lo - ticks.begin());
    r.last = size_t(hi - ticks.begin());
    return r;
}

void applyRetick(std::vector<int>& ticks, const Retick& r)
{
    std::vector<int> updated(ticks.begin(), ticks.begin() + qsizetype(r.first));
    updated.insert(updated.end(), r.fresh.begin(), r.fresh.end());
    for (auto it = ticks.begin() + qsizetype(r.last); it != ticks.end(); ++it) updated.push_back(*it + r.delta);
    ticks = std::move(updated);
}

// No fence line among the edited ones (most keystrokes): the pairing stands, the block
// around the edit grows by it and those below move, in place.
void moveFences(std::vector<int>& ticks, QList<FenceMatch>& fences, const Retick& r)
{
    for (auto it = ticks.begin() + qsizetype(r.last); it != ticks.end(); ++it) *it += r.delta;
    for (qsizetype k = qsizetype(r.first / 2); k < fences.size(); ++k) {
        FenceMatch& f = fences[k];
        if (size_t(2 * k) >= r.first) {
            f.range.location += r.delta;
            f.content.location += r.delta;
        } else {
            f.range.length += r.delta;
            f.content.length += r.delta;
        }
    }
}

// As many fence lines as before (`ticks` already updated): every line pairs with the same
// partner, so only the blocks with a touched fence line are paired again; the block around
// the edit grows by it and those below move.
QList<FenceMatch> repairTouched(const AttributedText& storage, const std::vector<int>& ticks, QList<FenceMatch> fences,
                                const Retick& r)
{
    const size_t touchedEnd = r.first + r.fresh.size();
    for (qsizetype k = 0; k < fences.size(); ++k) {
        const size_t open = size_t(2 * k), close = open + 1;
        const bool touched = (open >= r.first && open < touchedEnd) || (close >= r.first && close < touchedEnd);
        FenceMatch& f = fences[k];
        if (touched) {
            f = fenceAt(storage, ticks, open);
        } else if (open >= touchedEnd) {
            f.range.location += r.delta;
            f.content.location += r.delta;
        } else if (close >= touchedEnd || close >= ticks.size()) {
            f.range.length += r.delta;
            f.content.length += r.delta;
        }
    }
    return fences;
}

} // namespace

const QList<FenceMatch>& MarkdownStyler::cachedFences(const AttributedText& storage, TextRange* changed)
{
    // Phases: what changed since the kept pairing; the fence lines of the edited lines
    // read again; then the least work that keeps the pairing right: moving the blocks (no
    // fence line touched), pairing the touched blocks again (as many fence lines as
    // before), or pairing the fence lines anew from the first touched block on. Only a new
    // text is read whole.
    *changed = TextRange::notFound();
    const bool sameStorage = storage.identity() == m_fenceStorage;
    const std::optional<AttributedText::TextChange> change =
        sameStorage ? storage.textChangeSince(m_fenceRevision)
                    : std::optional(AttributedText::TextChange{0, 0, storage.length(), true});
    if (!change) return m_fences;
    if (change->whole) {
        m_ticks.clear();
        collectTicks(storage.string(), 0, storage.length(), m_ticks);
        m_fences.clear();
        pairTicks(QStringView(storage.string()), m_ticks, m_fences);
        // The old fences cannot be carried over.
        if (sameStorage) *changed = TextRange(0, storage.length());
    } else {
        const Retick r = retick(storage, *change, m_ticks);
        if (r.fresh.empty() && r.first == r.last) {
            // No block changes its status, so nothing needs restyling for the fences' sake.
            moveFences(m_ticks, m_fences, r);
            m_fenceRevision = storage.textRevision();
            return m_fences;
        }
        const QList<FenceMatch> before = m_fences;
        const bool sameCount = r.fresh.size() == r.last - r.first;
        applyRetick(m_ticks, r);
        if (sameCount) {
            m_fences = repairTouched(storage, m_ticks, m_fences, r);
        } else {
            // The blocks before the first touched fence line keep their lines.
            const qsizetype kept = qsizetype(r.first / 2);
            m_fences.resize(std::min(kept, m_fences.size()));
            pairTicks(storage, m_ticks, m_fences, size_t(2 * kept));
        }
        *changed = fenceDifference(before, m_fences, *change);
    }
    m_fenceStorage = storage.identity();
    m_fenceRevision = storage.textRevision();
    return m_fences;
}

QString MarkdownStyler::fenceLanguage(QStringView ns, const FenceMatch& f)
{
    const int langStart = f.range.location + 3;
    if (f.content.isNotFound() || langStart > ns.size()) return {};
    QStringView lang = ns.mid(langStart, std::max(0, f.content.location - 1 - langStart));
    // The opening line's CR of a CR LF is not part of the language name.
    if (lang.endsWith(u'\r')) lang.chop(1);
    const QString language = TextUtil::trimBlanks(lang);
    if (language.compare(QLatin1String("mermaid"), Qt::CaseInsensitive) == 0) return {};
    return language;
}

void MarkdownStyler::highlightFenceCode(AttributedText& storage, const FenceMatch& f, TextRange scope, QStringView ns)
{
    const TextRange content = f.content;
    if (content.isNotFound() || content.length < 1) return;
    const QString language = fenceLanguage(ns, f);
    if (language.isEmpty()) return;
    auto paint = [&](const CodeTokenizer::Token& t, TextRange r) {
        if (r.end() > storage.length() || r.length <= 0) return;
        switch (t.kind) {
        case CodeTokenizer::Kind::Comment: colour(storage, r, Op::TokenComment, m_paint.tokenComment); break;
        case CodeTokenizer::Kind::String: colour(storage, r, Op::TokenString, m_paint.tokenString); break;
        case CodeTokenizer::Kind::Number: colour(storage, r, Op::TokenNumber, m_paint.tokenNumber); break;
        default: colour(storage, r, Op::TokenKeyword, m_paint.tokenKeyword); break;
        }
    };
    if (content.length <= wholeFenceLimit) {
        const QString code = ns.mid(content.location, content.length).toString();
        for (const CodeTokenizer::Token& t : CodeTokenizer::scan(code, language))
            paint(t, TextRange(content.location + t.range.location, t.range.length));
        return;
    }
    // A large block: its kept tokens, only where they meet the scope (those running out
    // of it are unchanged and coloured already outside it).
    TextRange ignored;
    const QList<CodeTokenizer::Token>& tokens = fenceTokens(storage, f, language, scope.end(), &ignored).tokens;
    const int at = content.location;
    auto it = std::lower_bound(tokens.begin(), tokens.end(), scope.location - at,
                               [](const CodeTokenizer::Token& t, int pos) { return t.range.end() <= pos; });
    for (; it != tokens.end() && it->range.location + at < scope.end(); ++it)
        paint(*it, TextRange(it->range.location + at, it->range.length).intersection(scope));
}
