#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <algorithm>

// The characters of a styled text in a gap buffer: the unused room sits where the last
// edit was, so an edit near it moves only the characters between the two. Reading through
// textUpTo() moves the gap only as far as asked; string() closes it.
class TextGapBuffer {
public:
    void setText(const QString& text);
    // Replaces `removed` characters at `at` (at + removed <= length()) with `replacement`.
    // `whole`, when given, holds the same characters as `replacement`: a replacement of the
    // whole text then shares it instead of copying.
    void replace(int at, int removed, QStringView replacement, const QString* whole = nullptr);

    int length() const { return m_len; }
    // The whole text as one string: closes the gap first (O(length) after an edit in the
    // middle).
    const QString& string() const;
    // The whole text as a new string, leaving the gap where it is.
    QString copyText() const;
    // Units [from, to) (clamped) as a new string, read on both sides of the gap.
    QString copyText(int from, int to) const;
    // Brings the gap toward `to` by at most `maxUnits` characters moved, opening one at the end
    // when there is none (which moves nothing); true once it is there. An edit far from the
    // last one moves everything between at once: a caller about to edit far away in a long
    // text moves it a part at a time first.
    bool moveGapToward(int to, int maxUnits);
    // How often string() had to close a gap, and how many characters the gap has moved over.
    int gapsClosed() const { return m_gapsClosed; }
    qint64 unitsMoved() const { return m_unitsMoved; }
    // A view of the whole text that holds the right characters over [0, max(p, earlier
    // calls' p)) until the next edit or moveGapToward; beyond that it may show anything.
    QStringView textUpTo(int p) const;

    // Reading without moving anything: one character, a search for one character (-1 when
    // absent), and the position just after the `lines`-th line break at or after `pos` (a
    // CR LF counts once; length() when the text ends first).
    QChar charAt(int index) const { return m_text.at(index < m_gapAt ? index : index + m_gap); }
    int indexOf(QChar c, int from) const;
    int lastIndexOf(QChar c, int from, int floor = 0) const;
    int lineEndFrom(int pos, int lines = 1) const;

private:
    void moveGap(int to) const;
    // The room a gap opens with: for a burst of typing, and proportional to the text so that
    // growing it by pastes stays linear overall.
    int room() const { return std::max(4096, m_len / 32); }
    void replaceInGap(int a, int removed, QStringView replacement);

    // m_len characters with a gap of m_gap unused ones at m_gapAt (no gap: m_text is
    // exactly the text).
    mutable QString m_text;
    mutable int m_gapAt = 0;
    mutable int m_gap = 0;
    mutable int m_gapsClosed = 0;
    mutable qint64 m_unitsMoved = 0;
    int m_len = 0;
};
