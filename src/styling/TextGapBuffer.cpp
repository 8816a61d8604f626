#include "styling/TextGapBuffer.h"

#include "platform/TextUtil.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

void TextGapBuffer::setText(const QString& text)
{
    m_text = text;
    m_gapAt = m_gap = 0;
    m_len = int(m_text.size());
}

void TextGapBuffer::replace(int at, int removed, QStringView replacement, const QString* whole)
{
    if (at == 0 && removed == m_len) {
        m_text = whole ? *whole : replacement.toString(); // a new text: no room reserved for growth
        m_gapAt = m_gap = 0;
    } else {
        replaceInGap(at, removed, replacement);
    }
    m_len += int(replacement.size()) - removed;
}

void TextGapBuffer::moveGap(int to) const
{
    if (m_gap == 0 || to == m_gapAt) return;
    m_unitsMoved += std::abs(to - m_gapAt);
    QChar* d = m_text.data();
    if (to < m_gapAt)
        std::memmove(d + to + m_gap, d + to, std::size_t(m_gapAt - to) * sizeof(QChar));
    else
        std::memmove(d + m_gapAt, d + m_gapAt + m_gap, std::size_t(to - m_gapAt) * sizeof(QChar));
    m_gapAt = to;
}

bool TextGapBuffer::moveGapToward(int to, int maxUnits)
{
    to = std::clamp(to, 0, m_len);
    if (m_gap == 0) {
        if (m_len - to <= maxUnits) return true; // opened where the edit is, it moves little
        // At the end the text only grows (a large buffer is grown in place).
        const int room = this->room();
        m_text.resize(qsizetype(m_len) + room);
        std::fill(m_text.data() + m_len, m_text.data() + m_len + room, QChar());
        m_gapAt = m_len;
        m_gap = room;
    }
    if (std::abs(to - m_gapAt) <= maxUnits) {
        moveGap(to);
        return true;
    }
    moveGap(to < m_gapAt ? m_gapAt - maxUnits : m_gapAt + maxUnits);
    return false;
}

void TextGapBuffer::replaceInGap(int a, int removed, QStringView replacement)
{
    const int m = int(replacement.size());
    const int room = this->room();
    if (m_gap == 0) {
        // Opening a gap moves the rest of the text once; edits near it then move little.
        m_text.resize(qsizetype(m_len) + room);
        QChar* d = m_text.data();
        std::memmove(d + a + room, d + a, std::size_t(m_len - a) * sizeof(QChar));
        std::fill(d + a, d + a + room, QChar()); // views over the gap show no stale text
        m_gapAt = a;
        m_gap = room;
    } else {
        moveGap(a);
    }
    m_gap += removed; // the removed characters were just after the gap
    if (m < m_gap) {
        std::copy(replacement.begin(), replacement.end(), m_text.data() + m_gapAt);
        m_gapAt += m;
        m_gap -= m;
        return;
    }
    // Too little room: a new buffer with the replacement in place and a fresh gap.
    const int tail = m_len - removed - a;
    QString grown;
    grown.resize(qsizetype(a) + m + room + tail);
    QChar* g = grown.data();
    const QChar* d = m_text.constData();
    std::copy(d, d + a, g);
    std::copy(replacement.begin(), replacement.end(), g + a);
    std::fill(g + a + m, g + a + m + room, QChar());
    std::copy(d + a + m_gap, d + a + m_gap + tail, g + a + m + room);
    m_text = std::move(grown);
    m_gapAt = a + m;
    m_gap = room;
}

const QString& TextGapBuffer::string() const
{
    if (m_gap > 0) {
        ++m_gapsClosed;
        moveGap(m_len);
        m_text.resize(m_len);
        m_gap = 0;
        m_gapAt = 0;
    }
    return m_text;
}

QString TextGapBuffer::copyText() const
{
    if (m_gap == 0) return m_text;
    QString s;
    s.resize(m_len);
    const QChar* d = m_text.constData();
    std::copy(d, d + m_gapAt, s.data());
    std::copy(d + m_gapAt + m_gap, d + m_len + m_gap, s.data() + m_gapAt);
    return s;
}

QString TextGapBuffer::copyText(int from, int to) const
{
    from = std::clamp(from, 0, m_len);
    to = std::clamp(to, from, m_len);
    const QChar* d = m_text.constData();
    QString s;
    s.reserve(to - from);
    if (from < m_gapAt) s.append(d + from, std::min(to, m_gapAt) - from);
    if (to > m_gapAt) {
        const int after = std::max(from, m_gapAt);
        s.append(d + after + m_gap, to - after);
    }
    return s;
}

QStringView TextGapBuffer::textUpTo(int p) const
{
    if (m_gap > 0 && m_gapAt < p) moveGap(std::min(p, m_len));
    return QStringView(m_text.constData(), m_len);
}

int TextGapBuffer::indexOf(QChar c, int from) const
{
    for (int i = std::max(0, from); i < m_len; ++i)
        if (charAt(i) == c) return i;
    return -1;
}

int TextGapBuffer::lastIndexOf(QChar c, int from, int floor) const
{
    for (int i = std::min(from, m_len - 1); i >= std::max(0, floor); --i)
        if (charAt(i) == c) return i;
    return -1;
}

int TextGapBuffer::lineEndFrom(int pos, int lines) const
{
    int i = std::clamp(pos, 0, m_len);
    for (int left = lines; left > 0 && i < m_len; ++i) {
        const QChar ch = charAt(i);
        if (!TextUtil::isLineTerminator(ch)) continue;
        if (ch == u'\r' && i + 1 < m_len && charAt(i + 1) == u'\n') ++i;
        --left;
        if (left == 0) return i + 1;
    }
    return m_len;
}
