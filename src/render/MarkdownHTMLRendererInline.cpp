// The inline pass: code, math, escaping, wiki links, images, links, bare addresses,
// emphasis, strike-through and line breaks, in that order, each over the text the one
// before left.
//
// Placeholders stand for pieces no later pass may touch: code ("\0C<k>\0"), math
// ("\0M<k>\0") and tags made by the link passes ("<\0T<k>>"). A tag placeholder begins
// with "<" and ends with ">" like the tag it stands for, so the bare-address pass sees
// the same neighbours it would see in the real markup.
//
// A later pass may find a placeholder inside what becomes an attribute value (an image
// written in a link's title, a wiki link in an image's source). An attribute holds text
// only, so there every placeholder becomes the text it was made from: code and math their
// escaped text, a tag the (escaped) Markdown it replaced. Every tag a link pass writes is
// a placeholder, closing tags included, so that nothing of a link survives into an
// attribute as markup.

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

namespace MarkdownHTMLRenderer {
namespace detail {

namespace {

void appendNumber(QString& out, qsizetype k)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + k % 10);
        k /= 10;
    } while (k > 0);
    while (n > 0) out.append(QLatin1Char(digits[--n]));
}

} // namespace

QStringView InlineScratch::piece(Kind kind, qsizetype k) const
{
    if (k < 0 || k >= m_lists[kind].size()) return {};
    const Piece p = m_lists[kind].at(k);
    return QStringView(m_pieces).mid(p.at, p.size);
}

InlineScratch::Piece InlineScratch::keep(QStringView text)
{
    const Piece p{m_pieces.size(), text.size()};
    m_pieces.append(text);
    return p;
}

void InlineScratch::appendToken(QString& out, Kind kind, qsizetype k) const
{
    if (kind == tag) out.append(QLatin1Char('<'));
    out.append(QChar(0));
    out.append(QLatin1Char(kind == code ? 'C' : kind == math ? 'M' : 'T'));
    appendNumber(out, k);
    out.append(kind == tag ? QChar(u'>') : QChar(0));
}

void InlineScratch::appendCodeToken(QString& out, QStringView escaped)
{
    const qsizetype k = m_lists[code].size();
    m_lists[codeText].append(keep(escaped));
    const qsizetype at = m_pieces.size();
    m_pieces.append(QLatin1String("<code>"));
    m_pieces.append(escaped);
    m_pieces.append(QLatin1String("</code>"));
    m_lists[code].append({at, m_pieces.size() - at});
    appendToken(out, code, k);
}

// Math is delivered as written for the page's math script, but escaped: the script reads
// the decoded text, so typesetting is the same and no markup slips through.
void InlineScratch::appendMathToken(QString& out, QStringView written)
{
    const qsizetype k = m_lists[math].size();
    m_label.resize(0);
    appendEscaped(m_label, written);
    m_lists[math].append(keep(m_label));
    appendToken(out, math, k);
}

// `source` is the Markdown the tag stands for, as it reads in the escaped text (it may
// hold placeholders itself). The tag's own attribute values are made plain here.
void InlineScratch::appendTagToken(QString& out, const QString& html, QStringView source)
{
    const qsizetype k = m_lists[tag].size();
    m_lists[tagSource].append(keep(source));
    m_expanded.resize(0);
    expand(m_expanded, html, true);
    m_lists[tag].append(keep(m_expanded));
    appendToken(out, tag, k);
}

// Every placeholder replaced in one sweep, as text (for attribute values) or as what it
// stands for. Math may hold code placeholders, and a tag's source those of earlier passes
// only (a pass never matches across its own results), so the recursion is as deep as the
// passes are many.
void InlineScratch::expand(QString& out, QStringView text, bool asText) const
{
    const qsizetype n = text.size();
    qsizetype run = 0;
    for (qsizetype z = text.indexOf(QChar(0)); z >= 0; z = text.indexOf(QChar(0), run)) {
        // The "<" that opens a tag placeholder goes with it.
        out.append(text.mid(run, (z > run && text[z - 1] == u'<' ? z - 1 : z) - run));
        if (z + 1 >= n) {
            run = z;
            break;
        }
        const QChar kind = text[z + 1];
        qsizetype j = z + 2;
        int k = 0;
        while (j < n && text[j].isDigit()) k = k * 10 + text[j++].digitValue();
        if (kind == u'C')
            out.append(piece(asText ? codeText : code, k));
        else if (kind == u'M')
            expand(out, piece(math, k), asText);
        else if (asText)
            expand(out, piece(tagSource, k), true);
        else
            out.append(piece(tag, k)); // made plain when it was stashed
        run = j + 1;                   // after the closing NUL or ">"
        if (run >= n) break;
    }
    if (run < n) out.append(text.mid(run));
}

QString InlineScratch::plain(QStringView text) const
{
    QString out;
    out.reserve(text.size());
    expand(out, text, true);
    return out;
}

// Runs one pass over the text; the pass writes the new text only when it matched.
template <typename Pass> void InlineScratch::run(Pass pass)
{
    m_next.resize(0);
    if (pass(m_next)) std::swap(m_text, m_next);
}

// "`+([^`]+?)`+"
bool InlineScratch::codeSpans(QString& out)
{
    const QStringView s = m_text;
    const qsizetype n = s.size();
    qsizetype copied = 0;
    for (qsizetype p = s.indexOf(u'`'); p >= 0; p = s.indexOf(u'`', p)) {
        qsizetype r = p;
        while (r < n && s[r] == u'`') ++r;
        const qsizetype q = s.indexOf(u'`', r);
        if (q < 0) break;
        qsizetype e = q;
        while (e < n && s[e] == u'`') ++e;
        out.append(s.mid(copied, p - copied));
        m_label.resize(0);
        appendEscaped(m_label, s.mid(r, q - r));
        appendCodeToken(out, m_label);
        copied = p = e;
    }
    if (copied == 0) return false;
    out.append(s.mid(copied));
    return true;
}

// "\$\$[\s\S]+?\$\$"
bool InlineScratch::displayMath(QString& out)
{
    const QStringView s = m_text;
    qsizetype copied = 0;
    for (qsizetype p = find(s, u"$$"); p >= 0; p = find(s, u"$$", copied)) {
        const qsizetype q = find(s, u"$$", p + 3);
        if (q < 0) break;
        out.append(s.mid(copied, p - copied));
        appendMathToken(out, s.mid(p, q + 2 - p));
        copied = q + 2;
    }
    if (copied == 0) return false;
    out.append(s.mid(copied));
    return true;
}

// "(?<!\$)\$(?!\$)([^$\n]+?)\$(?!\$)"
bool InlineScratch::inlineMath(QString& out)
{
    const QStringView s = m_text;
    const qsizetype n = s.size();
    qsizetype copied = 0, nl = -1;
    bool any = false;
    for (qsizetype p = s.indexOf(u'$'); p >= 0; p = s.indexOf(u'$', p + 1)) {
        if ((p > 0 && s[p - 1] == u'$') || p + 1 >= n || s[p + 1] == u'$' || s[p + 1] == u'\n') continue;
        const qsizetype q = s.indexOf(u'$', p + 1);
        if (q < 0) break;
        if (nl < p) {
            nl = s.indexOf(u'\n', p);
            if (nl < 0) nl = n;
        }
        if (nl < q || (q + 1 < n && s[q + 1] == u'$')) continue;
        out.append(s.mid(copied, p - copied));
        appendMathToken(out, s.mid(p, q + 1 - p));
        copied = q + 1;
        p = q;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

// "MARKER(.+?)MARKER" (the text at least `minInner` long, on one line) wrapped in `open`
// and `close`.
bool InlineScratch::pairs(QString& out, QStringView marker, qsizetype minInner, const char* open, const char* close)
{
    const QStringView s = m_text;
    const qsizetype m = marker.size();
    qsizetype copied = 0, nl = -1, q = -1;
    bool any = false;
    for (qsizetype p = find(s, marker); p >= 0; p = find(s, marker, p + 1)) {
        if (q < p + m + minInner) {
            q = find(s, marker, p + m + minInner);
            if (q < 0) break;
        }
        if (nl < p + m) {
            nl = s.indexOf(u'\n', p + m);
            if (nl < 0) nl = s.size();
        }
        if (nl < q) continue;
        out.append(s.mid(copied, p - copied));
        out.append(QLatin1String(open));
        out.append(s.mid(p + m, q - p - m));
        out.append(QLatin1String(close));
        copied = q + m;
        p = copied - 1;
        q = -1;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

// "(\*\*|__)(.+?)\1"
bool InlineScratch::strong(QString& out)
{
    const QStringView s = m_text;
    qsizetype copied = 0, nl = -1;
    qsizetype next[2] = {-1, -1}, closer[2] = {-1, -1}; // per marker: the next opener, its closer
    bool done[2] = {false, false}, any = false;
    const QStringView markers[2] = {u"**", u"__"};
    for (qsizetype from = 0;;) {
        for (int k = 0; k < 2; ++k)
            if (!done[k] && next[k] < from) {
                next[k] = find(s, markers[k], from);
                done[k] = next[k] < 0;
            }
        const int k = done[0] ? 1 : done[1] ? 0 : next[0] < next[1] ? 0 : 1;
        if (done[k]) break;
        const qsizetype p = next[k];
        from = p + 1;
        if (closer[k] < p + 3) {
            closer[k] = find(s, markers[k], p + 3);
            if (closer[k] < 0) {
                done[k] = true;
                continue;
            }
        }
        if (nl < p + 2) {
            nl = s.indexOf(u'\n', p + 2);
            if (nl < 0) nl = s.size();
        }
        const qsizetype q = closer[k];
        if (nl < q) continue;
        out.append(s.mid(copied, p - copied));
        out.append(QLatin1String("<strong>"));
        out.append(s.mid(p + 2, q - p - 2));
        out.append(QLatin1String("</strong>"));
        copied = from = q + 2;
        closer[0] = closer[1] = -1;
        any = true;
    }
    if (!any) return false;
    out.append(s.mid(copied));
    return true;
}

namespace {

// What a text holds that passes look for, found in one sweep; no pass adds any of these
// characters, so a pass whose characters are missing is skipped.
enum Holds : uint32_t {
    backtick = 1,
    dollar = 2,
    bracket = 4, // "[" with "]" somewhere
    bang = 8,    // "!"
    colon = 16,  // ":"
    star = 32,   // "*" or "_"
    tilde = 64,  // "~"
    newline = 128,
    special = 256, // "&", "<", ">" or the double quote
    nul = 512,
    paren = 1024, // "("
    close = 2048, // "]"
    surrogate = 4096,
};

struct HoldsTable {
    uint16_t bits[128] = {};
    constexpr HoldsTable()
    {
        bits[int('`')] = backtick;
        bits[int('$')] = dollar;
        bits[int('[')] = bracket;
        bits[int(']')] = close;
        bits[int('!')] = bang;
        bits[int(':')] = colon;
        bits[int('*')] = bits[int('_')] = star;
        bits[int('~')] = tilde;
        bits[int('\n')] = newline;
        bits[int('&')] = bits[int('<')] = bits[int('>')] = bits[int('"')] = special;
        bits[0] = nul;
        bits[int('(')] = paren;
    }
};

uint32_t holdsOf(QStringView s)
{
    static constexpr HoldsTable table;
    uint32_t holds = 0;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        holds |= u < 128 ? table.bits[u] : (u & 0xF800) == 0xD800 ? uint32_t(surrogate) : 0u;
    }
    return holds;
}

} // namespace

void InlineScratch::render(QStringView input, QString& out)
{
    m_pieces.resize(0);
    for (QList<Piece>& list : m_lists) list.resize(0);
    m_text.resize(0);
    m_text.append(input);
    const uint32_t holds = holdsOf(m_text);
    // A NUL in the text could pose as a placeholder.
    if (holds & nul) m_text.replace(QChar(0), QChar(0xFFFD));
    // The patterns of the passes below see nothing in a text with a lone surrogate.
    const bool matches = !(holds & surrogate) || patternsSee(m_text);
    const auto has = [&](uint32_t what) { return matches && (holds & what) == what; };

    if (has(backtick)) run([this](QString& o) { return codeSpans(o); });
    if (has(dollar)) {
        run([this](QString& o) { return displayMath(o); });
        run([this](QString& o) { return inlineMath(o); });
    }
    if (holds & special) {
        run([this](QString& o) {
            appendEscaped(o, m_text);
            return true;
        });
    }
    // Tags made from here on are stashed whole, so that the emphasis passes cannot reach
    // into their attributes; the texts between them stay open to emphasis.
    if (has(bracket | close)) run([this](QString& o) { return wikiLinks(o); });
    if (has(bang | bracket | close | paren)) run([this](QString& o) { return linksOrImages(o, true); });
    if (has(bracket | close | paren)) run([this](QString& o) { return linksOrImages(o, false); });
    if (has(colon)) run([this](QString& o) { return bareAddresses(m_text, o, true); });
    if (has(star)) {
        run([this](QString& o) { return pairs(o, u"***", 1, "<strong><em>", "</em></strong>"); });
        run([this](QString& o) { return strong(o); });
    }
    if (holds & star) {
        run([this](QString& o) {
            appendEmphasis(o, m_text, m_stars, m_underscores);
            return true;
        });
    }
    if (has(tilde)) run([this](QString& o) { return pairs(o, u"~~", 1, "<del>", "</del>"); });

    // Line breaks, then every placeholder put back: a break inside code or math stays.
    const QStringView s = m_text;
    qsizetype from = 0;
    if (holds & newline) {
        for (qsizetype nl = s.indexOf(u'\n'); nl >= 0; nl = s.indexOf(u'\n', from)) {
            expand(out, s.mid(from, nl - from), false);
            out.append(QLatin1String("<br>\n"));
            from = nl + 1;
        }
    }
    expand(out, s.mid(from), false);
}

} // namespace detail

QString renderInline(const QString& input)
{
    QString out;
    detail::InlineScratch().render(input, out);
    return out;
}

} // namespace MarkdownHTMLRenderer
