// The code tokens of large fenced blocks, kept between restyles: followed through the edits
// of the text, scanned again only from an edited line to where they agree with the kept ones,
// and scanned further only as far as a restyle asks, so that neither a key nor a slice reads
// a long block whole.
#include "styling/MarkdownStylerPrivate.h"

#include "styling/CodeTokenizer.h"

namespace {

using Tokens = QList<CodeTokenizer::Token>;

// How far past an edit its code tokens are compared with the kept ones before they are taken
// for changed to the block's end (a comment or a string opened that runs on).
constexpr int resyncReach = 64 * 1024;

// A block's code, read in offsets from its start without moving the text.
class BlockCode {
public:
    BlockCode(const AttributedText& storage, TextRange content)
        : m_storage(storage),
          m_start(content.location),
          m_length(content.length)
    {}
    int length() const { return m_length; }
    // The tokens of the code's units [from, to), in offsets from the code's start.
    Tokens scan(int from, int to, const QString& language) const
    {
        Tokens out = CodeTokenizer::scan(m_storage.copyText(m_start + from, m_start + to), language);
        for (CodeTokenizer::Token& t : out) t.range.location += from;
        return out;
    }
    // Just after the line feed at or after `p`, or the code's end.
    int lineEndAfter(int p) const
    {
        const int lf = p < m_length ? m_storage.indexOf(u'\n', m_start + p) : -1;
        return lf < 0 || lf - m_start + 1 > m_length ? m_length : lf - m_start + 1;
    }
    // The start of the line holding `p`.
    int lineStart(int p) const
    {
        const int lf = p > 0 ? m_storage.lastIndexOf(u'\n', m_start + p - 1, m_start) : -1;
        return lf < 0 ? 0 : lf - m_start + 1;
    }

private:
    const AttributedText& m_storage;
    int m_start, m_length;
};

// The first token that runs over `p` or ends after it. A token ending right at a line start
// took the line feed before it, which only a comment or string running to the end of the
// scanned code does: it counts as running over.
Tokens::const_iterator reaching(const Tokens& tokens, int p)
{
    return std::lower_bound(tokens.begin(), tokens.end(), p,
                            [](const CodeTokenizer::Token& t, int pos) { return t.range.end() < pos; });
}

// Whether a scan of the code is between tokens at `p` (a line start).
bool betweenAt(const Tokens& tokens, int p)
{
    const auto it = reaching(tokens, p);
    return it == tokens.end() || it->range.location >= p;
}

// Drops the kept tokens that rely on the code from `p` (a line start) on: the scan resumes
// there, or at the start of the token that runs over it.
int backOff(FenceCodeTokens& k, int p)
{
    int cut = std::min(k.scanned, p);
    const auto it = reaching(k.tokens, cut);
    if (it != k.tokens.end() && it->range.location < cut) cut = it->range.location;
    k.tokens.erase(std::lower_bound(k.tokens.begin(), k.tokens.end(), cut,
                                    [](const CodeTokenizer::Token& t, int pos) { return t.range.location < pos; }),
                   k.tokens.end());
    k.scanned = cut;
    k.scanEnd = cut;
    return cut;
}

// Scans the code on from where the kept tokens end until `upTo` at least, and on to a line
// start where the scan is between tokens when that is near.
void extend(FenceCodeTokens& k, const BlockCode& code, int upTo, const QString& language)
{
    const int n = code.length();
    upTo = std::clamp(upTo, 0, n);
    if (upTo <= k.scanEnd) return;
    backOff(k, k.scanned); // what the last scan found past its last place between tokens
    const int from = k.scanned;
    for (int to = code.lineEndAfter(std::max(from, upTo - 1));;) {
        Tokens fresh = code.scan(from, to, language);
        const bool between = to >= n || fresh.isEmpty() || fresh.last().range.end() < to;
        if (between || to - from > 2 * (upTo - from) + resyncReach) {
            k.tokens.append(fresh);
            k.scanEnd = to;
            if (between) k.scanned = to;
            return;
        }
        to = code.lineEndAfter(std::min(n, to + std::max(64, to - from)));
    }
}

// After an edit inside the code ([a, b0) of the kept code became [a, b1)): scans again from
// the edited line to a line start past the edit where both the new scan and the kept tokens
// are between tokens, and takes the kept tokens from there on, moved. Where they do not come
// to agree within reach of the edit, the tokens from the edited line on are those scanned, the
// rest of the code counts as changed, and it is scanned as restyles ask. Returns the part
// whose tokens may have changed.
TextRange rescanEdit(FenceCodeTokens& k, const BlockCode& code, int a, int b0, int b1, const QString& language)
{
    const int n = code.length();
    const int delta = b1 - b0;
    int from = code.lineStart(a);
    if (a >= k.scanned) {
        backOff(k, k.scanned);
        return {from, n - from};
    }
    if (const auto over = reaching(k.tokens, from); over != k.tokens.end() && over->range.location < from)
        from = over->range.location;
    auto head = [&] {
        return std::lower_bound(k.tokens.begin(), k.tokens.end(), from,
                                [](const auto& t, int pos) { return t.range.location < pos; });
    };
    for (int to = code.lineEndAfter(std::max(b1, from));;) {
        Tokens fresh = code.scan(from, to, language);
        const bool between = fresh.isEmpty() || fresh.last().range.end() < to;
        const int old = to - delta;
        const bool agree = to >= n || (between && old > b0 && old <= k.scanned && betweenAt(k.tokens, old));
        if (agree) {
            Tokens merged(k.tokens.cbegin(), Tokens::const_iterator(head()));
            merged.append(fresh);
            if (to < n) {
                auto tail = std::lower_bound(k.tokens.cbegin(), k.tokens.cend(), old,
                                             [](const auto& t, int pos) { return t.range.location < pos; });
                for (; tail != k.tokens.cend(); ++tail)
                    merged.append({TextRange(tail->range.location + delta, tail->range.length), tail->kind});
            }
            k.tokens = std::move(merged);
            k.scanned = to < n ? k.scanned + delta : n;
            k.scanEnd = to < n ? k.scanEnd + delta : n;
            return {from, to - from};
        }
        if (old >= k.scanned || to - from > resyncReach) {
            k.tokens.erase(head(), k.tokens.end());
            k.tokens.append(fresh);
            k.scanned = between ? to : from;
            k.scanEnd = to;
            return {from, n - from};
        }
        to = code.lineEndAfter(std::min(n, to + std::max(64, to - from)));
    }
}

// Follows `k` through the text edit `c` onto the block whose code is now `content`; false
// when the kept tokens are another block's. `changed` gets the part of the code whose tokens
// the edit may have changed.
bool follow(FenceCodeTokens& k, const AttributedText::TextChange& c, const BlockCode& code, TextRange content,
            const QString& language, TextRange* changed)
{
    if (c.whole) return false;
    const TextRange old = k.content;
    const int delta = c.newEnd - c.oldEnd;
    const bool inside = c.start >= old.location && c.oldEnd <= old.end();
    int start = -1;
    if (inside || c.start >= old.end())
        start = old.location;
    else if (c.oldEnd <= old.location)
        start = old.location + delta; // the code itself is as it was
    if (start != content.location) return false;
    if (inside && content.length == old.length + delta) {
        *changed = rescanEdit(k, code, c.start - start, c.oldEnd - start, c.newEnd - start, language);
    } else if (inside || content.length != old.length) {
        // The block's end moved (a fence line typed in it, or its closing line changed): the
        // code is as it was up to the edit, or up to the shorter end.
        const int same = inside ? c.start - start : std::min(old.length, content.length);
        const int from = backOff(k, code.lineStart(same));
        *changed = TextRange(from, content.length - from);
    }
    return true;
}

} // namespace

FenceCodeTokens& MarkdownStyler::keptTokens(const AttributedText& storage, const FenceMatch& f, const QString& language,
                                            TextRange* changed)
{
    // Kept tokens of this block, followed through the edits since they were kept; else the
    // block's tokens are scanned from its start as restyles ask, and those of a line edited
    // since the last restyle count as changed from there on.
    const TextRange content = f.content;
    const BlockCode code(storage, content);
    TextRange part;
    FenceCodeTokens* oldest = &m_tokens[0];
    FenceCodeTokens* found = nullptr;
    for (FenceCodeTokens& k : m_tokens) {
        if (k.used < oldest->used) oldest = &k;
        if (found || k.storage != storage.identity() || k.language != language || k.content.isNotFound()) continue;
        const std::optional<AttributedText::TextChange> c = storage.textChangeSince(k.revision);
        if (c ? follow(k, *c, code, content, language, &part) : k.content == content) found = &k;
    }
    if (!found) {
        found = oldest;
        *found = FenceCodeTokens{storage.identity(), 0, content, language, {}, 0, 0, 0};
        if (m_edited && m_edited->start < content.end() && m_edited->newEnd > content.location) {
            const int from = code.lineStart(std::max(0, m_edited->start - content.location));
            part = TextRange(from, content.length - from);
        }
    }
    found->revision = storage.textRevision();
    found->content = content;
    found->used = ++m_tokenUses;
    *changed = part.isNotFound() ? part : TextRange(content.location + part.location, part.length);
    return *found;
}

const FenceCodeTokens& MarkdownStyler::fenceTokens(const AttributedText& storage, const FenceMatch& f,
                                                   const QString& language, int upTo, TextRange* changed)
{
    FenceCodeTokens& k = keptTokens(storage, f, language, changed);
    extend(k, BlockCode(storage, f.content), upTo - f.content.location, language);
    return k;
}
