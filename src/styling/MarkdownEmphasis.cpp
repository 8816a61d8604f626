#include "styling/MarkdownEmphasis.h"

#include <algorithm>
#include <vector>

namespace MarkdownEmphasis {

bool isBreakUnit(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\n' || u == u'\r' || u == 0x0B || u == 0x0C || u == 0x85 || u == 0x2028 || u == 0x2029;
}

namespace {

// \s of the Unicode-aware pattern, for the code point the unit at i belongs to.
bool isSpaceAt(QStringView s, int i)
{
    char32_t c = s[i].unicode();
    if (s[i].isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate())
        c = QChar::surrogateToUcs4(s[i - 1], s[i]);
    else if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(s[i], s[i + 1]);
    if (c >= 9 && c <= 13) return true;
    const QChar::Category cat = QChar::category(c);
    return cat == QChar::Separator_Space || cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph;
}

} // namespace

QList<Match> singleMarkerMatches(QStringView text, TextRange scope)
{
    QList<Match> out;
    const QStringView s = text.mid(scope.location, scope.length);
    const int n = int(s.size());
    const int off = scope.location;
    auto isMark = [&](int i) { return i >= 0 && i < n && (s[i] == u'*' || s[i] == u'_'); };
    std::vector<int> closers[2]; // where a '*' or '_' may close, within the current line
    for (int lineStart = 0; lineStart < n;) {
        int lineEnd = lineStart;
        while (lineEnd < n && !isBreakUnit(s[lineEnd])) ++lineEnd;
        closers[0].clear();
        closers[1].clear();
        for (int q = lineStart + 1; q < lineEnd; ++q)
            if (isMark(q) && !isMark(q - 1) && !isSpaceAt(s, q - 1) && !isMark(q + 1))
                closers[s[q] == u'*' ? 0 : 1].push_back(q);
        size_t next[2] = {0, 0};
        for (int p = lineStart; p < lineEnd; ++p) {
            // An opener: a marker not after another, followed by a non-marker, non-space.
            if (!isMark(p) || isMark(p - 1) || p + 1 >= lineEnd || isMark(p + 1) || isSpaceAt(s, p + 1)) continue;
            const int k = s[p] == u'*' ? 0 : 1;
            // The shortest text wins: the first closer of the same marker at least two on.
            while (next[k] < closers[k].size() && closers[k][next[k]] < p + 2) ++next[k];
            if (next[k] == closers[k].size()) continue;
            const int q = closers[k][next[k]];
            out.append(Match{TextRange(off + p, q + 1 - p), TextRange(off + p, 1), TextRange(off + p + 1, q - p - 1),
                             TextRange(off + q, 1)});
            p = q; // the search goes on after the closing marker
        }
        lineStart = lineEnd + 1;
    }
    return out;
}

QList<Match> codeSpanMatches(QStringView text, TextRange scope)
{
    QList<Match> out;
    if (scope.length <= 0) return out;
    const QStringView s = text.mid(scope.location, scope.length);
    const int n = int(s.size()), off = scope.location;
    const auto runEnd = [&](int i) {
        while (i < n && s[i] == u'`') ++i;
        return i;
    };
    int i = 0;
    while (i < n) {
        if (s[i] != u'`') {
            ++i;
            continue;
        }
        const int e = runEnd(i);
        int q = e;
        while (q < n && s[q] != u'`' && !isBreakUnit(s[q])) ++q;
        // No text, or a line break or the end before the next backtick: no start inside
        // this run can match, and the next start worth trying is the next backtick.
        if (q == e || q == n || isBreakUnit(s[q])) {
            i = q;
            continue;
        }
        const int len = std::min(e - i, runEnd(q) - q);
        const int p = e - len;
        out.append(Match{TextRange(off + p, q + len - p), TextRange(off + p, len), TextRange(off + e, q - e),
                         TextRange(off + q, len)});
        i = q + len;
    }
    return out;
}

} // namespace MarkdownEmphasis
