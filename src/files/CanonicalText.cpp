#include "files/CanonicalText.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <string>

namespace {

char32_t codePointAt(QStringView s, qsizetype i)
{
    if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(s[i], s[i + 1]);
    return s[i].unicode();
}

bool isHangulSyllable(char32_t c)
{
    return c >= 0xAC00 && c <= 0xD7A3;
}

// Appends the full canonical decomposition of `c` (Qt gives one level at a time).
void appendDecomposition(std::u32string& out, char32_t c)
{
    if (c < 0xC0 || QChar::decompositionTag(c) != QChar::Canonical) {
        out += c;
        return;
    }
    const QString d = QChar::decomposition(c); // a Hangul syllable's jamo too
    for (qsizetype i = 0; i < d.size(); i += d[i].isHighSurrogate() ? 2 : 1)
        appendDecomposition(out, codePointAt(d, i));
}

// Whether the full canonical decomposition of `c` begins with a character of combining
// class 0. U+0F73, of class 0 itself, decomposes into two marks: it is not one.
bool decomposesToStarter(char32_t c)
{
    if (c < 0x300 || isHangulSyllable(c)) return true; // no marks there
    while (QChar::combiningClass(c) == 0) {
        if (QChar::decompositionTag(c) != QChar::Canonical) return true;
        c = codePointAt(QChar::decomposition(c), 0);
    }
    return false;
}

// Whether `s` may be cut before unit `i`: its ends, and before a character that decomposes
// to a starter (never between the halves of a surrogate pair).
bool isCut(QStringView s, qsizetype i)
{
    if (i <= 0 || i >= s.size()) return true;
    if (s[i].isLowSurrogate() && s[i - 1].isHighSurrogate()) return false;
    return decomposesToStarter(codePointAt(s, i));
}

// The decomposed normal form of `piece`, as code points: each character fully decomposed,
// each run of marks put in canonical order (sorted by class, stably). Qt's own normalisation
// sorts a run by swapping neighbours and moves the rest of the text at every decomposed
// character; this takes time in proportion to the text, however it is made.
void appendNormalForm(std::u32string& out, QStringView piece)
{
    const std::size_t from = out.size();
    for (qsizetype i = 0; i < piece.size(); i += piece[i].isHighSurrogate() && i + 1 < piece.size() ? 2 : 1)
        appendDecomposition(out, codePointAt(piece, i));
    const auto byClass = [](char32_t x, char32_t y) { return QChar::combiningClass(x) < QChar::combiningClass(y); };
    for (std::size_t i = from; i < out.size();) {
        std::size_t end = i;
        while (end < out.size() && QChar::combiningClass(out[end]) != 0) ++end;
        if (end - i > 1) std::stable_sort(out.begin() + std::ptrdiff_t(i), out.begin() + std::ptrdiff_t(end), byClass);
        i = end == i ? i + 1 : end;
    }
}

constexpr qsizetype kBlock = 4096;

// How many units `x` and `y` share from their starts, compared a block at a time.
qsizetype commonPrefix(QStringView x, QStringView y)
{
    const qsizetype n = std::min(x.size(), y.size());
    qsizetype i = 0;
    while (i + kBlock <= n && x.sliced(i, kBlock) == y.sliced(i, kBlock)) i += kBlock;
    while (i < n && x[i] == y[i]) ++i;
    return i;
}

qsizetype commonSuffix(QStringView x, QStringView y)
{
    const qsizetype n = std::min(x.size(), y.size());
    qsizetype i = 0;
    while (i + kBlock <= n && x.last(i + kBlock).first(kBlock) == y.last(i + kBlock).first(kBlock)) i += kBlock;
    while (i < n && x[x.size() - 1 - i] == y[y.size() - 1 - i]) ++i;
    return i;
}

// One text's side of the comparison: the raw units up to `end` still to read, and the
// normal form of what was read that the other side has not matched yet.
struct Side {
    QStringView text;
    qsizetype at = 0;
    qsizetype end = 0;
    std::u32string pending;

    bool done() const { return at == end; }
    // Reads about `units` more: back to the last cut within them, or on to the first after.
    void take(qsizetype units)
    {
        qsizetype cut = std::min(end, at + units);
        while (cut > at && !isCut(text, cut)) --cut;
        if (cut == at) {
            cut = at + 1;
            while (cut < end && !isCut(text, cut)) ++cut;
        }
        appendNormalForm(pending, text.sliced(at, cut - at));
        at = cut;
    }
};

// Both sides at a cut with nothing pending: skips the raw text they share, up to a cut of both.
void skipCommon(Side& a, Side& b)
{
    qsizetype same = commonPrefix(a.text.sliced(a.at, a.end - a.at), b.text.sliced(b.at, b.end - b.at));
    while (same > 0 && !(isCut(a.text, a.at + same) && isCut(b.text, b.at + same))) --same;
    a.at += same;
    b.at += same;
}

} // namespace

namespace CanonicalText {

bool equivalent(QStringView a, QStringView b, qsizetype pieceUnits)
{
    if (a == b) return true;
    // The shared end is left out, from a place that is a cut of both.
    qsizetype tail = commonSuffix(a, b);
    while (tail > 0 && !(isCut(a, a.size() - tail) && isCut(b, b.size() - tail))) --tail;
    Side sa{a, 0, a.size() - tail, {}};
    Side sb{b, 0, b.size() - tail, {}};
    for (;;) {
        if (sa.pending.empty() && sb.pending.empty()) {
            skipCommon(sa, sb);
            // Raw text left on one side only has a normal form the other lacks.
            if (sa.done() || sb.done()) return sa.done() && sb.done();
            sa.take(pieceUnits);
        } else {
            // The side behind reads on, a quarter of its lag at a time: a unit decomposes into
            // at most four characters, so where the texts agree it never reads past the other
            // side's cut, and the two meet there to skip raw text again.
            Side& behind = sa.pending.empty() ? sa : sb;
            const Side& ahead = &behind == &sa ? sb : sa;
            if (behind.done()) return false;
            behind.take(std::max<qsizetype>(1, qsizetype(ahead.pending.size()) / 4));
        }
        const std::size_t n = std::min(sa.pending.size(), sb.pending.size());
        if (sa.pending.compare(0, n, sb.pending, 0, n) != 0) return false;
        sa.pending.erase(0, n);
        sb.pending.erase(0, n);
    }
}

} // namespace CanonicalText
