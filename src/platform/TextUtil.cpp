#include "platform/TextUtil.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace TextUtil {

bool isLineTerminator(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x0085 || u == 0x2028 || u == 0x2029;
}

static TextRange clampRange(QStringView text, TextRange r)
{
    const int n = int(text.size());
    if (r.isNotFound()) return {n, 0};
    const int loc = qBound(0, r.location, n);
    const int end = qBound(loc, r.location + qMax(0, r.length), n);
    return {loc, end - loc};
}

// Whole lines covering `range`. `contentOnly` leaves the last line's terminator out.
template <typename IsBreak>
static TextRange wholeLines(QStringView text, TextRange range, IsBreak isBreak, bool contentOnly)
{
    const TextRange r = clampRange(text, range);
    const int n = int(text.size());

    int start = r.location;
    // An index on the LF of a CR LF still belongs to the CR's line.
    if (start > 0 && start < n && text[start] == u'\n' && text[start - 1] == u'\r') --start;
    while (start > 0 && !isBreak(text[start - 1])) --start;

    const int last = r.length > 0 ? r.end() - 1 : r.location;
    if (last >= n) return {start, n - start};
    int e = last;
    if (text[e] == u'\n' && e > 0 && text[e - 1] == u'\r' && e - 1 >= start) {
        // Last unit is the LF of a CR LF: the line's content ends at the CR.
        return contentOnly ? TextRange(start, e - 1 - start) : TextRange(start, e + 1 - start);
    }
    while (e < n && !isBreak(text[e])) ++e;
    const int contentEnd = e;
    if (e < n) e += (text[e] == u'\r' && e + 1 < n && text[e + 1] == u'\n') ? 2 : 1;
    return contentOnly ? TextRange(start, contentEnd - start) : TextRange(start, e - start);
}

TextRange lineRange(QStringView text, TextRange range)
{
    return wholeLines(text, range, isLineTerminator, false);
}

TextRange lineContentRange(QStringView text, TextRange range)
{
    return wholeLines(text, range, isLineTerminator, true);
}

static bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlankChar(s[b])) ++b;
    while (e > b && isBlankChar(s[e - 1])) --e;
    return s.mid(b, e - b).toString();
}

QString trimBlanksLeading(QStringView s)
{
    qsizetype b = 0;
    while (b < s.size() && isBlankChar(s[b])) ++b;
    return s.mid(b).toString();
}

QString trimBlanksTrailing(QStringView s)
{
    qsizetype e = s.size();
    while (e > 0 && isBlankChar(s[e - 1])) --e;
    return s.left(e).toString();
}

bool isBlank(QStringView s)
{
    for (QChar c : s)
        if (!isBlankChar(c)) return false;
    return true;
}

bool isHorizontalWhitespace(char32_t c)
{
    return c == U'\t' || QChar::category(c) == QChar::Separator_Space;
}

bool isWhitespace(char32_t c)
{
    switch (c) {
    case 0x09:
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x20:
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000: return true;
    default: return c >= 0x2000 && c <= 0x200A;
    }
}

template <typename Pred> static QString trimBy(QStringView s, Pred pred)
{
    qsizetype b = 0, e = s.size();
    while (b < e) {
        const char32_t c = codePointAt(s, int(b));
        if (!pred(c)) break;
        b += c > 0xFFFF ? 2 : 1;
    }
    while (e > b) {
        qsizetype p = e - 1;
        if (p > b && s[p].isLowSurrogate() && s[p - 1].isHighSurrogate()) --p;
        if (!pred(codePointAt(s, int(p)))) break;
        e = p;
    }
    return s.mid(b, e - b).toString();
}

QString trimWhitespace(QStringView s)
{
    return trimBy(s, isHorizontalWhitespace);
}
QString trimWhitespaceAndNewlines(QStringView s)
{
    return trimBy(s, isWhitespace);
}

void forEachGrapheme(QStringView s, const std::function<bool(TextRange)>& f)
{
    if (s.isEmpty()) return;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s.data(), int(s.size()));
    int prev = 0;
    while (true) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0) break;
        if (next > prev) {
            if (!f(TextRange(prev, int(next) - prev))) return;
            prev = int(next);
        }
    }
}

QList<TextRange> graphemeRanges(QStringView s)
{
    QList<TextRange> out;
    forEachGrapheme(s, [&](TextRange r) {
        out.append(r);
        return true;
    });
    return out;
}

int graphemeCount(QStringView s)
{
    // Fast path: no surrogates, combining marks, joiners or CR LF means one unit each.
    bool simple = true;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x0300 || u == u'\r') {
            simple = false;
            break;
        }
    }
    if (simple) return int(s.size());
    int n = 0;
    forEachGrapheme(s, [&](TextRange) {
        ++n;
        return true;
    });
    return n;
}

int previousGraphemeBoundary(QStringView s, int index)
{
    index = qBound(0, index, int(s.size()));
    if (index == 0) return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s.data(), int(s.size()));
    finder.setPosition(index);
    const qsizetype p = finder.toPreviousBoundary();
    return p < 0 ? 0 : int(p);
}

int nextGraphemeBoundary(QStringView s, int index)
{
    index = qBound(0, index, int(s.size()));
    if (index >= s.size()) return int(s.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s.data(), int(s.size()));
    finder.setPosition(index);
    const qsizetype p = finder.toNextBoundary();
    return p < 0 ? int(s.size()) : int(p);
}

QStringList splitLines(QStringView block, bool* endsWithNewline)
{
    const bool ends = block.endsWith(u'\n');
    if (endsWithNewline) *endsWithNewline = ends;
    QStringList lines = block.toString().split(u'\n');
    if (ends) lines.removeLast();
    return lines;
}

QString joinLines(const QStringList& lines, bool addFinalNewline)
{
    QString out = lines.join(u'\n');
    if (addFinalNewline) out += u'\n';
    return out;
}

char32_t codePointAt(QStringView s, int index)
{
    if (index < 0 || index >= s.size()) return 0;
    const QChar c = s[index];
    if (c.isHighSurrogate() && index + 1 < s.size() && s[index + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(c, s[index + 1]);
    return c.unicode();
}

TextRange differingStretch(QStringView from, QStringView to)
{
    const qsizetype shorter = std::min(from.size(), to.size());
    qsizetype prefix = 0;
    while (prefix < shorter && from[prefix] == to[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix]) ++suffix;
    if (prefix > 0 && from[prefix - 1].isHighSurrogate()) --prefix;
    if (suffix > 0 && from[from.size() - suffix].isLowSurrogate()) --suffix;
    return TextRange(int(prefix), int(from.size() - prefix - suffix));
}

} // namespace TextUtil

namespace LineEndings {

QString detect(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') return QStringLiteral("\n");
        if (text[i] == u'\r')
            return (i + 1 < text.size() && text[i + 1] == u'\n') ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\n");
}

QString toLineFeeds(const QString& text)
{
    if (!text.contains(u'\r')) return text;
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

QString fromLineFeeds(const QString& text, const QString& ending)
{
    if (ending == QLatin1String("\n")) return text;
    QString out = text;
    out.replace(u'\n', ending);
    return out;
}

} // namespace LineEndings
