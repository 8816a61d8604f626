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

TextFind::Edit TextFind::replaceAll(QStringView text, const QString& replacement) const
{
    Edit edit;
    auto r = findForward(text, 0);
    if (!r) return edit;
    const int first = r->location;
    int copied = first;
    int last = first;
    for (; r; r = findForward(text, r->end())) {
        edit.replacement += text.mid(copied, r->location - copied);
        edit.replacement += replacement;
        copied = r->end();
        last = r->end();
        ++edit.count;
    }
    edit.range = TextRange(first, last - first);
    return edit;
}
