#include "render/LetterlessRuns.h"

#include <algorithm>
#include <limits>

void LetterlessRuns::character(char32_t c, qsizetype at, qsizetype end)
{
    switch (QChar::direction(c)) {
    case QChar::DirL:
        endRun(Side::Ltr, false, false);
        m_lastLetter = m_before = Side::Ltr;
        m_numberBefore = false;
        return;
    case QChar::DirR:
    case QChar::DirAL:
        endRun(Side::Rtl, false, false);
        m_lastLetter = m_before = Side::Rtl;
        m_numberBefore = false;
        return;
    case QChar::DirAN: // read as right-to-left by what stands beside it
        endRun(Side::Rtl, false, false);
        m_before = Side::Rtl;
        m_numberBefore = false;
        return;
    case QChar::DirEN: // read as the letters before it go
        endRun(m_lastLetter, true, false);
        m_before = m_lastLetter;
        m_numberBefore = true;
        return;
    case QChar::DirB: paragraphEnds(); return;
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI: explicitDirection(); return;
    default: addToRun(QChar::direction(c), at, end);
    }
}

void LetterlessRuns::paragraphEnds()
{
    endRun(Side::Edge, false, true);
    m_lastLetter = m_before = Side::Edge;
    m_numberBefore = false;
    m_atStart = true;
    m_explicit = false;
}

void LetterlessRuns::explicitDirection()
{
    m_explicit = true;
    m_length = 0;
    m_pieces.clear();
}

void LetterlessRuns::addToRun(QChar::Direction d, qsizetype at, qsizetype end)
{
    if (m_explicit) return;
    if (m_length == 0) {
        m_pieces.clear();
        m_runBefore = m_before;
        m_runAfterNumber = m_numberBefore;
        // At the paragraph's start the mark may begin with the run.
        m_leadDone = m_atStart;
        m_leadEnd = at;
        m_lastAt = m_lastBeforeTerms = at;
    }
    ++m_length;
    if (!m_pieces.isEmpty() && m_pieces.last().end == at)
        m_pieces.last().end = end;
    else
        m_pieces.append({at, end});
    // Characters the order passes over (zero-width ones) stand beside nothing; a combining mark
    // takes the direction of what it is set on, a terminator beside a number is part of it.
    const bool ignored = d == QChar::DirBN;
    const bool terminator = d == QChar::DirET;
    if (!m_leadDone && !ignored && d != QChar::DirNSM && !(terminator && m_runAfterNumber)) {
        m_leadDone = true;
        m_leadEnd = end;
    }
    if (ignored) return;
    m_lastAt = at;
    if (!terminator) m_lastBeforeTerms = at;
}

void LetterlessRuns::endRun(Side after, bool numberAfter, bool atEnd)
{
    if (!atEnd) m_atStart = false;
    if (m_length >= longRun && !m_pieces.isEmpty()) {
        const qsizetype from = m_leadDone ? m_leadEnd : std::numeric_limits<qsizetype>::max();
        const qsizetype to = atEnd ? m_pieces.last().end : numberAfter ? m_lastBeforeTerms : m_lastAt;
        static const QString inherited = QStringLiteral("<span class=\"bw-run\">");
        static const QString ltr = QStringLiteral("<span class=\"bw-run bw-ltr\">");
        static const QString rtl = QStringLiteral("<span class=\"bw-run bw-rtl\">");
        static const QString close = QStringLiteral("</span>");
        const QString& open = after != m_runBefore || after == Side::Edge ? inherited : after == Side::Ltr ? ltr : rtl;
        for (const Piece& p : std::as_const(m_pieces)) {
            const qsizetype s = std::max(p.start, from);
            const qsizetype e = std::min(p.end, to);
            if (s >= e) continue;
            m_inserts.append({s, open});
            m_inserts.append({e, close});
        }
    }
    m_length = 0;
    m_pieces.clear();
}
