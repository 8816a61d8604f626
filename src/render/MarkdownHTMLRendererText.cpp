// Characters, escaping and emphasis: the small pieces every pass of the renderer uses.

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

#include "platform/TextUtil.h"

namespace MarkdownHTMLRenderer::detail {

bool isPatternSpace(char16_t c)
{
    if (c < 0x80) return c == u' ' || (c >= u'\t' && c <= u'\r');
    if (c == 0x85 || c == 0x180E) return true; // the engine counts these as well
    switch (QChar::category(char32_t(c))) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

int digitAt(QStringView s, qsizetype i)
{
    const QChar c = s[i];
    if (c.unicode() < 0x80) return c >= u'0' && c <= u'9' ? 1 : 0;
    if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        return QChar::category(QChar::surrogateToUcs4(c, s[i + 1])) == QChar::Number_DecimalDigit ? 2 : 0;
    return c.category() == QChar::Number_DecimalDigit ? 1 : 0;
}

bool isBlank(QChar c)
{
    if (c.unicode() < 0x80) return c == u' ' || c == u'\t';
    return TextUtil::isHorizontalWhitespace(c.unicode()); // Zs are all in the BMP
}

QStringView trimmedView(QStringView line)
{
    qsizetype b = 0, e = line.size();
    while (b < e && isBlank(line[b])) ++b;
    while (e > b && isBlank(line[e - 1])) --e;
    return line.mid(b, e - b);
}

bool patternsSee(QStringView s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if ((c & 0xF800) != 0xD800) continue;
        if (c >= 0xDC00 || i + 1 >= s.size() || !s[i + 1].isLowSurrogate()) return false;
        ++i;
    }
    return true;
}

qsizetype find(QStringView s, QStringView needle, qsizetype from)
{
    const qsizetype last = s.size() - needle.size();
    const QChar first = needle.front();
    const QStringView rest = needle.mid(1);
    while (from <= last) {
        const qsizetype at = s.indexOf(first, from);
        if (at < 0 || at > last) return -1;
        if (s.mid(at + 1, rest.size()) == rest) return at;
        from = at + 1;
    }
    return -1;
}

void appendEscaped(QString& out, QStringView text)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    const char16_t* run = p;
    for (; p < end; ++p) {
        const char16_t c = *p;
        // One comparison rules out nearly every character of prose.
        if (c > u'>' || (c != u'&' && c != u'<' && c != u'>' && c != u'"')) continue;
        out.append(QStringView(run, p));
        switch (c) {
        case u'&': out.append(QLatin1String("&amp;")); break;
        case u'<': out.append(QLatin1String("&lt;")); break;
        case u'>': out.append(QLatin1String("&gt;")); break;
        default: out.append(QLatin1String("&quot;"));
        }
        run = p + 1;
    }
    out.append(QStringView(run, end));
}

QString escapeHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendEscaped(out, text);
    return out;
}

QString unescapeHtml(QString text)
{
    if (!text.contains(u'&')) return text;
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    return text;
}

static bool isDelimiter(QChar c)
{
    return c == u'*' || c == u'_';
}

// Single-marker emphasis, as the pattern
//   (?<![*_])([*_])(?![\s*_])(.+?)(?<![\s*_])\1(?![*_])
// would find it, in one linear sweep: the lazy search for a closer runs from every
// opener to the end of its line, which on a long line full of unmatched openers costs
// quadratic time. A closer's validity does not depend on its opener, so the nearest
// valid closer of each kind is precomputed from the right.
void appendEmphasis(QString& out, QStringView s, QList<qsizetype>& nextStar, QList<qsizetype>& nextUnderscore)
{
    const qsizetype n = s.size();
    const auto closes = [&](qsizetype q, QChar c) {
        return s[q] == c && q > 0 && !s[q - 1].isSpace() && !isDelimiter(s[q - 1])
               && (q + 1 >= n || !isDelimiter(s[q + 1]));
    };
    // nextStar[q] / nextUnderscore[q]: the first valid closer at or after q on q's line, or -1.
    nextStar.resize(n + 1);
    nextUnderscore.resize(n + 1);
    nextStar[n] = nextUnderscore[n] = -1;
    for (qsizetype q = n - 1; q >= 0; --q) {
        if (s[q] == u'\n') { // a closer never lies beyond the line's end
            nextStar[q] = nextUnderscore[q] = -1;
            continue;
        }
        nextStar[q] = closes(q, u'*') ? q : nextStar[q + 1];
        nextUnderscore[q] = closes(q, u'_') ? q : nextUnderscore[q + 1];
    }
    qsizetype copied = 0;
    for (qsizetype p = 0; p + 2 < n; ++p) {
        const QChar c = s[p];
        if (!isDelimiter(c) || (p > 0 && isDelimiter(s[p - 1])) || s[p + 1].isSpace() || isDelimiter(s[p + 1])
            || s[p + 1] == u'\n')
            continue;
        const qsizetype q = (c == u'*' ? nextStar : nextUnderscore)[p + 2];
        if (q < 0) continue;
        out.append(s.mid(copied, p - copied));
        out.append(QLatin1String("<em>"));
        out.append(s.mid(p + 1, q - p - 1));
        out.append(QLatin1String("</em>"));
        copied = q + 1;
        p = q;
    }
    out.append(s.mid(copied));
}

} // namespace MarkdownHTMLRenderer::detail
