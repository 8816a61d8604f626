#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include "render/PageInserts.h"

// The print page's long runs of characters of no direction (spaces, punctuation, symbols),
// found as the body is copied and marked afterwards. The page engine takes time with the square
// of such a run's length (each line looks ahead through it for the next letter or number to
// settle its order), but not in a run laid out with an overridden direction (.bw-run). The mark
// must not change the order of any line, so a run gets it only in the direction it settles to
// anyway, and never touching what stands beside it:
// - between two letters (or numbers) of one direction, it goes that way (.bw-ltr, .bw-rtl);
// - otherwise it goes the paragraph's way, which is what the mark inherits: between letters of
//   both directions, and at a paragraph's start or end, which is read as the paragraph's
//   direction (a style sheet may make a page right-to-left);
// - a character at each end that touches a letter or number stays outside the mark, as do
//   terminators (%, $, …) beside a number, which count as part of it, and combining marks that
//   belong to the letter before: inside the mark the run sits a level deeper, outside it at the
//   paragraph's own level, so the run is never reordered with a letter of the other direction.
// Digits end a run (they take the direction of the letters before them and keep their own
// order): only the characters that look ahead are counted. After an explicit direction (a
// control character or a dir attribute) nothing more of the paragraph is marked. Paragraphs
// end at blocks, line breaks and parts; a run goes on through the inline tags within one, each
// piece between tags marked on its own.
class LetterlessRuns {
public:
    static constexpr int longRun = 1000; // characters; shorter runs are laid out quickly

    explicit LetterlessRuns(QList<PageInsert>& inserts)
        : m_inserts(inserts)
    {}

    // A character of the page's text that occupies [at, end) of the page.
    void character(char32_t c, qsizetype at, qsizetype end);
    // The bidirectional paragraph ends here (a block, a line break, a part).
    void paragraphEnds();
    // An explicit direction: the order past it is not followed, nothing more is marked.
    void explicitDirection();

private:
    // What a run sees beside it: a letter or number of one direction, or the paragraph's edge
    // (its start or end, or a number before any letter: they go the paragraph's way).
    enum class Side { Edge, Ltr, Rtl };
    struct Piece {
        qsizetype start;
        qsizetype end;
    };

    // Ends the run before a letter or number (`after`), or at the paragraph's end.
    void endRun(Side after, bool numberAfter, bool atEnd);
    void addToRun(QChar::Direction d, qsizetype at, qsizetype end);

    QList<PageInsert>& m_inserts;
    Side m_lastLetter = Side::Edge; // the direction of the paragraph's last letter
    Side m_before = Side::Edge;     // what the next run has before it
    bool m_numberBefore = false;    // and whether that is a number
    bool m_explicit = false;
    bool m_atStart = true; // nothing but the run's characters since the paragraph began

    // The run under way.
    QList<Piece> m_pieces;
    qsizetype m_length = 0;
    Side m_runBefore = Side::Edge;
    bool m_runAfterNumber = false;
    bool m_leadDone = false;
    qsizetype m_leadEnd = 0;         // where the mark may begin
    qsizetype m_lastAt = 0;          // where the last character that counts for order begins
    qsizetype m_lastBeforeTerms = 0; // the same, before a closing run of terminators
};
