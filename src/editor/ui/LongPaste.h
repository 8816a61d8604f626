#pragma once

#include "editor/TextFind.h"
#include "editor/ui/SelectionMark.h"
#include "platform/TextRange.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class MarkdownTextView;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

// A long text pasted or dropped into the view. Qt takes a few microseconds for every line it
// adds to a document and longer to break them into lines on the page, so tens of megabytes
// would hold the window for seconds: the text goes in parts of about 50 ms each while
// the window goes on, every part joined to the first in one undo step; then the coordinator's
// idle slices style it and the layout's slices follow them, so each block is broken into
// lines once, already styled. The caret waits where the text starts (the screen shows it,
// styled at once) until the whole text is styled and placed, then goes after it, where a
// paste leaves it: styled later, the text above the caret would grow and push it off the
// screen, and each such change would move every line down to it. Until then the view takes
// no edits, a bar shows how far the paste has come, and the view's text (what a save writes)
// is the text with the whole paste in it. A text still being made elsewhere (pasted HTML
// converted on another thread) is waited for the same way: the view is held, then the text
// arrives.
// Replace All of many matches goes in the same way (putEach), and so do the undo and redo of
// such a step (stepParts): each part an undo step of Qt's own that part marks join, so that
// undone or redone it is taken part by part as well.
class LongPaste : public QObject {
    Q_OBJECT
public:
    // Texts from this many UTF-16 units on are pasted this way; shorter ones at once.
    static constexpr int kLongUnits = 256 * 1024;
    static bool isLong(const QString& text) { return text.size() >= kLongUnits; }
    // Replace All of up to this many matches may go in at once; more always go in turns.
    static constexpr qsizetype kFewMatches = 32;

    explicit LongPaste(MarkdownTextView* view);

    // A paste under way: the view takes no edits.
    bool isActive() const { return m_holding || m_putting || m_placing; }
    // Its text is not all in the document yet (still being made, or going in, or the parts of
    // a step still being undone or redone).
    bool isComing() const { return m_holding || m_putting; }

    // Holds the view until the text for `target` arrives; returns the paste's number.
    // `wait` waits for that text and gives it, for a paste that must go in now.
    int hold(TextRange target, std::function<QString()> wait);
    // The text of paste `ticket` arrives: it replaces the held target (an empty text ends the
    // paste with nothing changed). False, and nothing changes, when that paste was given up
    // meanwhile.
    bool arrive(int ticket, const QString& text);
    // Replaces `range` by `text`, one undo step with the caret after it (a paste whose text
    // is at hand).
    void put(TextRange range, const QString& text);
    // What is still to go in: where, and the text. None when nothing waits.
    struct Rest {
        int at;
        QStringView text;
    };
    std::optional<Rest> rest() const;
    // Ends the paste now: a text on its way in is put in whole, the caret staying where it is
    // (true); one still being made is given up (false).
    bool putRest();
    // Puts the whole text in now (one still being made is waited for); it is then styled and
    // placed as usual.
    void putNow();
    // The same, and the paste ends as it would once placed: the caret after it, where what
    // was typed meanwhile goes (Qt lays the text out up to there).
    void finish();
    // Gives up the paste, the text put so far staying and the caret where it is (the
    // document was replaced from outside).
    void release();

    // Replaces each of `matches` (in order and apart) by `with`, a few at a time from the
    // last, as one undo step; then `select` is selected (by default the selection as it was,
    // moved with the text) once all are in, or, if they went in unstyled, once the text up to
    // it is styled and placed.
    void putEach(const QList<TextRange>& matches, const QString& with, std::optional<TextRange> select);
    // The parts of a step made in parts, after the one Qt has just undone (or redone): the
    // rest is undone (redone) a few at a time the same way, and the step's selection given
    // back as putEach gives its own.
    // `from`: where the step's text starts; `holdStyling`: whether it was put in unstyled;
    // `firstEdit`: where the first part edits the text (−1: not known).
    void stepParts(bool undoing, int from, bool holdStyling, int firstEdit = -1);

private:
    // Puts the next part of the text in; the first replaces the target, the last closes
    // the undo step.
    void putNext(int units);
    // The next part of whatever goes on, or all that is left of it (`whole`).
    void goOn(bool whole);
    // The next matches of putEach, as many as the part's time lets.
    void putNextMatches(bool whole);
    void putMatchesEdit(TextRange range, const QString& text);
    // A part of the step made of `selection` (its opening or closing mark) and a part mark.
    void putMarks(QAbstractUndoItem* selection, PartMark::Side side);
    // The next parts of a step being undone or redone.
    void stepNext(bool whole);
    // The caret, and the view with it, wait where the text of the edits starts: the edits
    // below neither move it nor lay out the text between them and the view.
    void parkCaret(int at);
    void reparkCaret();
    // After a turn of edits: the fences follow them while the styling is held (else each
    // was styled as an edit apart, which ends).
    void followEdits();
    // Whether the storage is ready for the first edit (else the next turn goes on readying it).
    bool readyForFirstEdit(bool whole);
    // The text of putEach or of the step is in: put in unstyled, it waits to be styled and
    // placed up to where the selection goes.
    void allReplaced(std::optional<TextRange> select);
    // How much of the text goes in next: about `units`, up to the end of a line.
    qsizetype partLength(int units) const;
    void insertPart(const QString& part, bool first, bool last);
    // The whole text is in: it waits to be styled and placed.
    void allPut();
    void check();
    void complete();
    void end();
    void showBar(bool busy);
    void setProgress(double done);
    void setReadOnly(bool readOnly);

    MarkdownTextView* m_view;
    bool m_holding = false;
    bool m_putting = false;
    bool m_placing = false;
    bool m_wasReadOnly = false;
    int m_ticket = 0;
    TextRange m_target;
    std::function<QString()> m_wait; // while held
    QString m_text;                  // the pasted text, while it goes in
    qsizetype m_put = 0;             // of it, the units in the document
    int m_units = 0;                 // the next part's size, kept near a part's time budget
    // Where the text starts and ends, and the document's revision after the last part. No
    // cursor follows them: placing a cursor has Qt lay out its line, the very wait avoided.
    int m_start = 0;
    int m_end = 0;
    int m_revision = 0;
    // The selection given once the paste is styled and placed.
    std::optional<TextRange> m_after;
    // putEach: the matches, how many of them (from the first) are still to be made edits of,
    // the edits made of them still to go in, whether any went in, and by what they are
    // replaced; the opening part's selection mark gives back `m_before`.
    QList<TextRange> m_matches;
    qsizetype m_left = 0;
    QList<TextFind::Edit> m_edits;
    bool m_putAny = false;
    QString m_with;
    TextRange m_before;
    // stepParts: undoing (or redoing) parts of a step.
    std::optional<bool> m_undoing;
    // Where the first edit of putEach or stepParts goes (−1: none waits): the turns before
    // it ready the storage for it, so that it does not move all the text between at once.
    int m_firstEdit = -1;
    // Whether putEach or stepParts holds the styling until all is in (else each edit is
    // restyled where it is, as an edit apart).
    bool m_holdsStyling = false;
    QTimer* m_next = nullptr;
    QTimer* m_poll = nullptr;
    QTimer* m_barDelay = nullptr;
    // The bar and, beside it, what it measures: over the bar's fill part of a label would
    // stand on the accent colour, too light for it in the light look.
    QFrame* m_barPanel = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_barLabel = nullptr;
};
