#include "editor/TextFind.h"

namespace {

bool splitsPair(QStringView text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
}

} // namespace

TextFind::TextFind(const QString& needle)
    : m_needle(needle),
      m_matcher(needle, Qt::CaseInsensitive)
{}

bool TextFind::onCharacterBoundaries(QStringView text, qsizetype at) const
{
    return !splitsPair(text, at) && !splitsPair(text, at + m_needle.size());
}

std::optional<TextRange> TextFind::findForward(QStringView text, int from) const
{
    if (m_needle.isEmpty()) return std::nullopt;
    for (qsizetype at = std::max(from, 0); at <= text.size() - m_needle.size();) {
        at = m_matcher.indexIn(text, at);
        if (at < 0) return std::nullopt;
        if (onCharacterBoundaries(text, at)) return TextRange(int(at), int(m_needle.size()));
        ++at;
    }
    return std::nullopt;
}

std::optional<qsizetype> TextFind::lastCandidate(QStringView text, qsizetype from) const
{
    from = std::min<qsizetype>(from, text.size() - m_needle.size());
    while (from >= 0) {
        const qsizetype at = text.lastIndexOf(m_needle, from, Qt::CaseInsensitive);
        if (at < 0) return std::nullopt;
        if (onCharacterBoundaries(text, at)) return at;
        from = at - 1;
    }
    return std::nullopt;
}

std::optional<TextRange> TextFind::findBackward(QStringView text, int before) const
{
    if (m_needle.isEmpty() || before <= 0) return std::nullopt;
    const auto last = lastCandidate(text, before - 1);
    if (!last) return std::nullopt;
    // Stepping back must land on the matches stepping forward finds ("aa" in "aaaa" is found
    // at 0 and 2, never at 1): a run of overlapping candidates begins with one of them, so
    // go back to where the run begins and forward from there.
    const qsizetype n = m_needle.size();
    qsizetype runStart = *last;
    for (auto prev = lastCandidate(text, runStart - 1); prev && *prev + n > runStart;
         prev = lastCandidate(text, runStart - 1))
        runStart = *prev;
    TextRange found{int(runStart), int(n)};
    for (auto r = findForward(text, found.end()); r && r->location < before; r = findForward(text, r->end()))
        found = *r;
    return found;
}

std::optional<TextRange> TextFind::next(QStringView text, TextRange selection) const
{
    const int start = selection.isNotFound() ? 0 : selection.end();
    if (auto r = findForward(text, start)) return r;
    return findForward(text, 0);
}

std::optional<TextRange> TextFind::previous(QStringView text, TextRange selection) const
{
    const int start = selection.isNotFound() ? int(text.size()) : selection.location;
    if (auto r = findBackward(text, start)) return r;
    return findBackward(text, int(text.size()));
}

int TextFind::count(QStringView text) const
{
    int n = 0;
    for (auto r = findForward(text, 0); r; r = findForward(text, r->end())) ++n;
    return n;
}

bool TextFind::matches(QStringView candidate) const
{
    return !m_needle.isEmpty() && candidate.compare(m_needle, Qt::CaseInsensitive) == 0;
}

QList<TextFind::Edit> TextFind::replacements(const QList<TextRange>& matches, const QString& replacement,
                                             const std::function<QString(TextRange)>& read)
{
    QList<Edit> edits;
    for (qsizetype i = 0; i < matches.size();) {
        // The matches joined with this one: each near the last, the whole within the span.
        qsizetype j = i + 1;
        while (j < matches.size() && matches[j].location - matches[j - 1].end() < kJoinGap
               && matches[j].end() - matches[i].location <= kJoinSpan)
            ++j;
        const TextRange range(matches[i].location, matches[j - 1].end() - matches[i].location);
        Edit edit{range, replacement};
        if (j > i + 1) {
            const QString span = read(range);
            for (qsizetype k = i + 1; k < j; ++k) {
                const int gapFrom = matches[k - 1].end() - range.location;
                edit.replacement += QStringView(span).mid(gapFrom, matches[k].location - range.location - gapFrom);
                edit.replacement += replacement;
            }
        }
        edits << edit;
        i = j;
    }
    return edits;
}
