#pragma once

#include "platform/TextRange.h"

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
class LongPaste : public QObject {
    Q_OBJECT
public:
    // Texts from this many UTF-16 units on are pasted this way; shorter ones at once.
    static constexpr int kLongUnits = 256 * 1024;
    static bool isLong(const QString& text) { return text.size() >= kLongUnits; }

    explicit LongPaste(MarkdownTextView* view);

    // A paste under way: the view takes no edits.
    bool isActive() const { return m_holding || m_putting || m_placing; }
    // Its text is not all in the document yet (still being made, or going in).
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

private:
    // Puts the next part of the text in; the first replaces the target, the last closes
    // the undo step.
    void putNext(int units);
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
    QTimer* m_next = nullptr;
    QTimer* m_poll = nullptr;
    QTimer* m_barDelay = nullptr;
    // The bar and, beside it, what it measures: over the bar's fill part of a label would
    // stand on the accent colour, too light for it in the light look.
    QFrame* m_barPanel = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_barLabel = nullptr;
};
