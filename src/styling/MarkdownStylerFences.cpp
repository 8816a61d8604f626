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
// The block opened by fence line `i` (an even index).
FenceMatch fenceAt(QStringView s, const std::vector<int>& ticks, size_t i)
{
    const int n = int(s.size());
    const int p = ticks[i];
    const qsizetype lf = s.indexOf(u'\n', p + 3);
    if (lf < 0) return FenceMatch{TextRange(p, n - p), TextRange(n, 0)};
    if (i + 1 == ticks.size()) return FenceMatch{TextRange(p, n - p), TextRange(int(lf) + 1, n - int(lf) - 1)};
    const int close = ticks[i + 1];
    const int closeLine = int(s.mid(0, close).lastIndexOf(u'\n')) + 1;
    return FenceMatch{TextRange(p, close + 3 - p), TextRange(int(lf) + 1, closeLine - int(lf) - 1)};
}

QList<FenceMatch> pairTicks(QStringView s, const std::vector<int>& ticks)
{
    QList<FenceMatch> out;
    for (size_t i = 0; i < ticks.size(); i += 2) {
        out.append(fenceAt(s, ticks, i));
        if (out.last().range.end() >= s.size() && i + 1 >= ticks.size()) break;
    }
    return out;
}

} // namespace

QList<FenceMatch> MarkdownStyler::findFences(const QString& text)
{
    std::vector<int> ticks;
    collectTicks(text, 0, int(text.size()), ticks);
    return pairTicks(text, ticks);
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
    // The touched blocks' other fence lines are read too.
    int readTo = 0;
    for (size_t t = r.first; t < touchedEnd; ++t) {
        const size_t open = t - t % 2;
        const int lf = storage.indexOf(u'\n', ticks[open] + 3);
        readTo = std::max(readTo, lf < 0 ? storage.length() : lf + 1);
        if (open + 1 < ticks.size()) readTo = std::max(readTo, ticks[open + 1] + 3);
    }
    const QStringView s = storage.textUpTo(readTo);
    for (qsizetype k = 0; k < fences.size(); ++k) {
        const size_t open = size_t(2 * k), close = open + 1;
        const bool touched = (open >= r.first && open < touchedEnd) || (close >= r.first && close < touchedEnd);
        FenceMatch& f = fences[k];
        if (touched) {
            f = fenceAt(s, ticks, open);
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
    // before), or pairing every fence line anew, which reads the whole text.
    *changed = TextRange::notFound();
    const bool sameStorage = storage.identity() == m_fenceStorage;
    const std::optional<AttributedText::TextChange> change =
        sameStorage ? storage.textChangeSince(m_fenceRevision)
                    : std::optional(AttributedText::TextChange{0, 0, storage.length(), true});
    if (!change) return m_fences;
    if (change->whole) {
        m_ticks.clear();
        collectTicks(storage.string(), 0, storage.length(), m_ticks);
        m_fences = pairTicks(storage.string(), m_ticks);
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
        m_fences = sameCount ? repairTouched(storage, m_ticks, m_fences, r) : pairTicks(storage.string(), m_ticks);
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

namespace {

using Tokens = QList<CodeTokenizer::Token>;

Tokens scanAt(QStringView s, int from, int to, const QString& language)
{
    Tokens out = CodeTokenizer::scan(s.mid(from, to - from).toString(), language);
    for (CodeTokenizer::Token& t : out) t.range.location += from;
    return out;
}

// Whether a scan is between tokens at `p` (a line start inside the code): no token runs
// over it. A token ending exactly at a line start took the line feed before it, which
// only a comment or string running to the end of the scanned code does.
bool freshAt(const Tokens& tokens, int p)
{
    auto it = std::lower_bound(tokens.begin(), tokens.end(), p,
                               [](const CodeTokenizer::Token& t, int pos) { return t.range.end() < pos; });
    return it == tokens.end() || it->range.location >= p;
}

int lineEndAfter(QStringView s, int p, int limit)
{
    const qsizetype lf = s.indexOf(u'\n', p);
    return lf < 0 || lf + 1 > limit ? limit : int(lf) + 1;
}

} // namespace

const QList<CodeTokenizer::Token>& MarkdownStyler::fenceTokens(const AttributedText& storage, const FenceMatch& f,
                                                               const QString& language, TextRange* changed)
{
    // Read up to the line feed after `p` (and everything before it).
    auto throughLine = [&storage](int p) {
        const int lf = storage.indexOf(u'\n', p);
        return storage.textUpTo(lf < 0 ? storage.length() : lf + 1);
    };
    QStringView s;
    const TextRange content = f.content;
    *changed = TextRange::notFound();
    FenceTokens& k = m_tokens;
    const bool same = k.storage == storage.identity() && k.language == language && !k.content.isNotFound();
    if (same && k.revision == storage.textRevision() && k.content == content) return k.tokens;
    const auto change = same ? storage.textChangeSince(k.revision) : std::nullopt;
    const int delta = change ? change->newEnd - change->oldEnd : 0;
    if (change && !change->whole && change->start >= k.content.location && change->oldEnd <= k.content.end()
        && content.location == k.content.location && content.end() == k.content.end() + delta) {
        const int cs = content.location, ce = content.end();
        // From the edited line's start, or the start of a kept token running over it:
        // the scan there is between tokens, as it was. A token that ends right at the line
        // start took the line feed before it (a comment or string that ran to the end of
        // the code): text added after it may continue it, so it counts as running over.
        int from = change->start > cs ? storage.lastIndexOf(u'\n', change->start - 1, cs) : -1;
        from = from < 0 ? cs : from + 1;
        auto over = std::lower_bound(k.tokens.begin(), k.tokens.end(), from,
                                     [](const CodeTokenizer::Token& t, int pos) { return t.range.end() < pos; });
        if (over != k.tokens.end() && over->range.location < from) from = over->range.location;
        // To a line start where both the new scan and the kept one are between tokens:
        // from there on the text and so the tokens are the kept ones, shifted.
        s = throughLine(std::max(change->newEnd, from));
        int to = lineEndAfter(s, std::max(change->newEnd, from), ce);
        Tokens fresh;
        for (;;) {
            fresh = scanAt(s, from, to, language);
            if (to >= ce) break;
            const bool newFresh = fresh.isEmpty() || fresh.last().range.end() < to;
            if (newFresh && to - delta > change->oldEnd && freshAt(k.tokens, to - delta)) break;
            const int next = std::min(ce, to + std::max(64, to - from));
            s = throughLine(next);
            to = lineEndAfter(s, next, ce);
        }
        Tokens merged;
        merged.reserve(k.tokens.size() + fresh.size());
        auto tail = k.tokens.begin();
        for (; tail != k.tokens.end() && tail->range.end() <= from; ++tail) merged.append(*tail);
        merged.append(fresh);
        if (to < ce) {
            tail = std::lower_bound(tail, k.tokens.end(), to - delta,
                                    [](const CodeTokenizer::Token& t, int pos) { return t.range.location < pos; });
            for (; tail != k.tokens.end(); ++tail)
                merged.append({TextRange(tail->range.location + delta, tail->range.length), tail->kind});
        }
        k.tokens = std::move(merged);
        k.revision = storage.textRevision();
        k.content = content;
        *changed = TextRange(from, to - from);
        return k.tokens;
    }
    k.storage = storage.identity();
    k.revision = storage.textRevision();
    k.content = content;
    k.language = language;
    s = storage.textUpTo(content.end());
    k.tokens = scanAt(s, content.location, content.end(), language);
    *changed = content;
    return k.tokens;
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
    const Tokens& tokens = fenceTokens(storage, f, language, &ignored);
    auto it = std::lower_bound(tokens.begin(), tokens.end(), scope.location,
                               [](const CodeTokenizer::Token& t, int pos) { return t.range.end() <= pos; });
    for (; it != tokens.end() && it->range.location < scope.end(); ++it) paint(*it, it->range.intersection(scope));
}
