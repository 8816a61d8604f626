#include "editor/ui/LongPaste.h"

#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "editor/ui/SelectionMark.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// A part goes in within about this long: Qt's cost per unit varies with the lines' length
// (short lines cost more), so the size follows the time the last part took.
constexpr double partBudgetMs = 50;
constexpr int firstPartUnits = 128 * 1024;
constexpr int minPartUnits = 16 * 1024;
constexpr int maxPartUnits = 4 * 1024 * 1024;
// Replace All's edits and the parts of their undo and redo are small: as many go in a turn
// of the event loop as fit this long, at most so many parts (or units of text replaced) of
// them; the matches are read and joined a few at a time.
constexpr int editsBudgetMs = 16;
constexpr int maxPartsPerTurn = 64;
constexpr int maxEditUnitsPerTurn = 1024 * 1024;
constexpr qsizetype matchesPerRound = 64;

// The edits of one turn: one more goes in while the turn is within its budget and one as long
// as the longest so far would still end within twice that (a part redone takes 20 ms where
// the one before it took 6). Held to the budget itself, turns of one part each would leave
// the window's other work between them to double the whole.
class TurnBudget {
public:
    TurnBudget() { m_clock.start(); }
    bool fits() const { return elapsedMs() < editsBudgetMs && elapsedMs() + m_longestMs < 2 * editsBudgetMs; }
    void editStarts() { m_editFrom = elapsedMs(); }
    void editEnded() { m_longestMs = std::max(m_longestMs, elapsedMs() - m_editFrom); }

private:
    double elapsedMs() const { return double(m_clock.nsecsElapsed()) / 1e6; }
    QElapsedTimer m_clock;
    double m_editFrom = 0;
    double m_longestMs = 0;
};

// How often the bar follows the layout; a text made elsewhere shows the bar only when it
// takes longer than a blink.
constexpr int pollMs = 30;
constexpr int barDelayMs = 250;

} // namespace

LongPaste::LongPaste(MarkdownTextView* view)
    : QObject(view),
      m_view(view)
{
    const auto timer = [this](int ms) {
        auto* t = new QTimer(this);
        t->setSingleShot(true);
        t->setInterval(ms);
        return t;
    };
    m_next = timer(0);
    connect(m_next, &QTimer::timeout, this, [this] { goOn(false); });
    m_poll = timer(pollMs);
    connect(m_poll, &QTimer::timeout, this, &LongPaste::check);
    m_barDelay = timer(barDelayMs);
    connect(m_barDelay, &QTimer::timeout, this, [this] { showBar(true); });
}

int LongPaste::hold(TextRange target, std::function<QString()> wait)
{
    putRest();
    m_wasReadOnly = m_view->isReadOnly();
    m_holding = true;
    m_target = target;
    m_wait = std::move(wait);
    setReadOnly(true);
    m_barDelay->start();
    return ++m_ticket;
}

bool LongPaste::arrive(int ticket, const QString& text)
{
    if (!m_holding || ticket != m_ticket) return false;
    if (text.isEmpty())
        release();
    else
        put(m_target, text);
    return true;
}

void LongPaste::put(TextRange range, const QString& text)
{
    if (m_putting || m_placing) putRest();
    const bool held = m_holding;
    if (!held) {
        if (m_view->isReadOnly()) return;
        m_wasReadOnly = false;
    }
    m_holding = false;
    m_wait = nullptr;
    m_barDelay->stop();
    if (!isLong(text)) {
        setReadOnly(false);
        if (m_view->replaceRange(range, text)) m_view->setSelectedRange({range.location + int(text.size()), 0});
        if (held) end();
        return;
    }
    m_view->ghost()->dismiss();
    m_target = range;
    m_text = text;
    m_put = 0;
    m_start = range.location;
    m_putting = true;
    setReadOnly(true);
    // The parts go in unstyled and wait; the slices style them once all are in (the layout
    // waits for the styling), so that each block is broken into lines once.
    m_view->coordinator()->holdStyling(true);
    showBar(false);
    putNext(firstPartUnits);
}

void LongPaste::putNext(int units)
{
    if (!m_putting) return;
    QTextDocument* doc = m_view->document();
    if (m_put > 0 && doc->revision() != m_revision) {
        // The document was replaced from outside: what is left of the paste has no place.
        release();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    const qsizetype n = partLength(units);
    const bool first = m_put == 0;
    const bool last = m_put + n == m_text.size();
    insertPart(m_text.mid(m_put, n), first, last);
    m_revision = doc->revision();
    m_put += n;
    const double ms = std::max<double>(1, double(clock.nsecsElapsed()) / 1e6);
    m_units = int(std::clamp(double(n) * partBudgetMs / ms, double(minPartUnits), double(maxPartUnits)));
    if (first) m_view->coordinator()->styleAround(m_start); // the screen the paste is seen on
    if (!last) {
        setProgress(0.5 * double(m_put) / double(m_text.size()));
        m_next->start();
        return;
    }
    allPut();
}

qsizetype LongPaste::partLength(int units) const
{
    const qsizetype n = std::min<qsizetype>(units, m_text.size() - m_put);
    if (m_put + n == m_text.size()) return n;
    // Whole lines: the part ends after a line break.
    const qsizetype lf = m_text.indexOf(u'\n', m_put + n);
    return (lf < 0 ? m_text.size() : lf + 1) - m_put;
}

void LongPaste::insertPart(const QString& part, bool first, bool last)
{
    QTextDocument* doc = m_view->document();
    QTextCursor c(doc);
    if (first) {
        c.beginEditBlock();
        c.setPosition(m_target.location);
        c.setPosition(m_target.end(), QTextCursor::KeepAnchor);
        doc->appendUndoItem(new SelectionMark(m_view, m_view->selectedRange()));
        // The caret waits where the text starts (after it, Qt would ask where its line is and
        // so have everything before it laid out at once). Put back before anyone hears of the
        // edit: Qt moves a cursor's anchor with text put in where the cursor is.
        QTextCursor caret(doc);
        caret.setPosition(m_start);
        caret.setKeepPositionOnInsert(true);
        m_view->setTextCursor(caret);
        c.insertText(part);
        caret.setPosition(m_start);
        caret.setKeepPositionOnInsert(false);
        m_view->pagedLayout()->withinEdit([&] { m_view->setTextCursor(caret); });
    } else {
        // Joined to the step the first part began: one undo takes the whole paste away. (In
        // the edit block before it moves, the cursor asks for no layout.)
        c.joinPreviousEditBlock();
        c.setPosition(m_start + int(m_put));
        c.insertText(part);
    }
    if (last) doc->appendUndoItem(new SelectionMark(m_view, std::nullopt));
    c.endEditBlock();
}

void LongPaste::allPut()
{
    m_end = m_start + int(m_text.size());
    m_text = QString();
    m_put = 0;
    m_putting = false;
    m_placing = true;
    m_after = TextRange(m_end, 0);
    // Styled while the screen still shows its start: the caret arrives once the whole of it
    // is styled and placed, so that nothing above it grows or shrinks later (each change
    // above the caret's screen moves every line between) and it is laid out once.
    m_view->coordinator()->holdStyling(false);
    check();
}

std::optional<LongPaste::Rest> LongPaste::rest() const
{
    if (!m_putting || m_undoing || !m_matches.isEmpty()) return std::nullopt;
    return Rest{m_start + int(m_put), QStringView(m_text).sliced(m_put)};
}

bool LongPaste::putRest()
{
    const bool held = m_holding;
    while (m_putting) goOn(true);
    release();
    return !held;
}

void LongPaste::putNow()
{
    if (m_holding && m_wait) arrive(m_ticket, std::exchange(m_wait, nullptr)());
    while (m_putting) goOn(true);
}

void LongPaste::finish()
{
    putNow();
    if (m_placing) complete();
}

void LongPaste::release()
{
    if (!isActive()) return;
    end();
}

void LongPaste::check()
{
    if (!m_placing) return;
    const PagedDocumentLayout* layout = m_view->pagedLayout();
    const int done = std::min(layout->placedUpTo(), m_view->coordinator()->styledUpTo());
    if ((layout->isPlaced(m_end) && done >= m_end) || m_view->document()->revision() != m_revision) {
        complete();
        return;
    }
    setProgress(0.5 + 0.5 * std::clamp(done - m_start, 0, m_end - m_start) / std::max(1, m_end - m_start));
    m_poll->start();
}

void LongPaste::complete()
{
    m_placing = false;
    setReadOnly(m_wasReadOnly);
    // Only a text replaced from outside changes the document meanwhile: the caret stays then.
    if (m_after && m_view->document()->revision() == m_revision) {
        const int at = std::min(m_after->end(), m_view->textLength());
        // Qt's cursor has the rest up to the caret laid out if the slices did not get there.
        m_view->coordinator()->styleAround(at);
        m_view->setSelectedRange(*m_after);
    }
    end();
}

void LongPaste::end()
{
    m_holding = m_putting = m_placing = false;
    m_wait = nullptr;
    m_text = QString();
    m_matches.clear();
    m_edits.clear();
    m_with = QString();
    m_undoing.reset();
    m_after.reset();
    m_firstEdit = -1;
    m_next->stop();
    m_poll->stop();
    m_barDelay->stop();
    if (m_barPanel) m_barPanel->hide();
    setReadOnly(m_wasReadOnly);
    m_view->coordinator()->holdStyling(false);
}

void LongPaste::goOn(bool whole)
{
    if (m_placing)
        complete();
    else if (m_undoing)
        stepNext(whole);
    else if (!m_matches.isEmpty())
        putNextMatches(whole);
    else
        putNext(whole ? maxPartUnits : m_units);
}

void LongPaste::putEach(const QList<TextRange>& matches, const QString& with, std::optional<TextRange> select)
{
    if (isActive()) putRest();
    if (matches.isEmpty() || m_view->isReadOnly()) return;
    m_wasReadOnly = false;
    m_view->ghost()->dismiss();
    m_before = m_view->selectedRange();
    if (!select) {
        // The selection as it was, moved with the text before it (into a match: its start).
        const auto moved = [&](int p) {
            int shift = 0;
            for (const TextRange& m : matches) {
                if (m.location >= p) break;
                if (m.end() > p) return m.location + shift;
                shift += int(with.size()) - m.length;
            }
            return p + shift;
        };
        const int from = moved(m_before.location);
        select = TextRange(from, moved(m_before.end()) - from);
    }
    m_matches = matches;
    m_left = matches.size();
    m_edits.clear();
    m_putAny = false;
    m_with = with;
    m_start = matches.first().location;
    m_firstEdit = matches.last().location;
    m_revision = m_view->document()->revision();
    // Many matches so close that their edits, joined, cover the stretch between the first and
    // the last go in unstyled, and the slices style the text from the first on once all are
    // in. Matches further apart, or a few (on a long line), change little of the text:
    // restyling all of it after them would cost far more than restyling the lines around each
    // as it goes in.
    m_holdsStyling =
        matches.size() > kFewMatches && (matches.last().end() - m_start) / matches.size() < TextFind::kJoinGap;
    m_putting = true;
    setReadOnly(true);
    m_view->coordinator()->holdStyling(m_holdsStyling);
    parkCaret(m_start);
    m_after = select;
    // The first edits in a turn of their own: the caller's turn (the find bar gathering the
    // matches) has taken its share already.
    m_next->start();
}

void LongPaste::putNextMatches(bool whole)
{
    QTextDocument* doc = m_view->document();
    if (doc->revision() != m_revision) {
        release(); // the document was replaced from outside
        return;
    }
    if (!readyForFirstEdit(whole)) return;
    TurnBudget budget;
    const auto read = [this](TextRange r) { return m_view->copyOfRange(r); };
    int parts = 0;
    qsizetype units = 0;
    if (!m_holdsStyling) m_view->coordinator()->beginEditsApart();
    // From the last match, so that those before stay where they were found; joined with
    // their neighbours as Replace All joins them, a few at a time.
    while ((m_left > 0 || !m_edits.isEmpty())
           && (whole || (budget.fits() && parts < maxPartsPerTurn && units < maxEditUnitsPerTurn))) {
        budget.editStarts();
        if (m_edits.isEmpty()) {
            const qsizetype from = std::max<qsizetype>(0, m_left - matchesPerRound);
            m_edits = TextFind::replacements(m_matches.mid(from, m_left - from), m_with, read);
            m_left = from;
        }
        const TextFind::Edit edit = m_edits.takeLast();
        if (!m_putAny) putMarks(new SelectionMark(m_view, m_before), PartMark::End);
        putMatchesEdit(edit.range, edit.replacement);
        if (m_left == 0 && m_edits.isEmpty()) putMarks(new SelectionMark(m_view, std::nullopt), PartMark::Start);
        m_putAny = true;
        units += edit.range.length + edit.replacement.size();
        ++parts;
        budget.editEnded();
    }
    followEdits();
    reparkCaret();
    m_revision = doc->revision();
    if (m_left > 0 || !m_edits.isEmpty()) {
        m_next->start();
        return;
    }
    m_matches.clear();
    m_with = QString();
    allReplaced(m_after);
}

void LongPaste::putMatchesEdit(TextRange range, const QString& text)
{
    // Each an edit block of its own, heard as a change of its own; the part marks have undo
    // and redo take them as one step, and in parts (stepParts).
    QTextDocument* doc = m_view->document();
    QTextCursor c(doc);
    c.beginEditBlock();
    doc->appendUndoItem(new PartMark(m_view, PartMark::Start, m_start, m_holdsStyling));
    c.setPosition(range.location);
    c.setPosition(range.end(), QTextCursor::KeepAnchor);
    c.insertText(text);
    doc->appendUndoItem(new PartMark(m_view, PartMark::End, m_start, m_holdsStyling));
    c.endEditBlock();
}

void LongPaste::putMarks(QAbstractUndoItem* selection, PartMark::Side side)
{
    // The step opens and closes with a part of marks only: the text edit's own undo (or redo)
    // takes that part and changes no text, so that every part that does goes through
    // stepParts, the caret waiting and the styling held as when they were put in.
    QTextDocument* doc = m_view->document();
    QTextCursor c(doc);
    c.beginEditBlock();
    // Undone, the step starts with the edit at its first match; redone, with the one at its
    // last (the text then is as it was when the matches were found).
    if (side == PartMark::Start) doc->appendUndoItem(new PartMark(m_view, side, m_start, m_holdsStyling, m_start));
    doc->appendUndoItem(selection);
    if (side == PartMark::End)
        doc->appendUndoItem(new PartMark(m_view, side, m_start, m_holdsStyling, m_matches.last().location));
    c.endEditBlock();
}

void LongPaste::stepParts(bool undoing, int from, bool holdStyling, int firstEdit)
{
    if (isActive()) return;
    m_wasReadOnly = m_view->isReadOnly();
    m_undoing = undoing;
    m_putting = true;
    m_start = std::clamp(from, 0, m_view->textLength());
    m_firstEdit = firstEdit;
    m_holdsStyling = holdStyling;
    setReadOnly(true);
    m_view->coordinator()->holdStyling(holdStyling);
    parkCaret(m_start);
    m_revision = m_view->document()->revision();
    m_next->start();
}

void LongPaste::parkCaret(int at)
{
    // (An edit far above the view would have everything between laid out again at once, and
    // one above the caret the text moved up to it to find its line.)
    QTextCursor caret(m_view->document());
    caret.setPosition(at);
    caret.setKeepPositionOnInsert(true);
    m_view->setTextCursor(caret);
}

void LongPaste::reparkCaret()
{
    // Qt moves the caret's anchor with the text put in where it waits: it waits there again.
    if (m_view->textCursor().hasSelection()) parkCaret(std::min(m_start, m_view->textLength()));
}

void LongPaste::stepNext(bool whole)
{
    if (m_view->document()->revision() != m_revision) {
        release(); // the document was replaced from outside
        return;
    }
    if (!readyForFirstEdit(whole)) return;
    TurnBudget budget;
    bool more = true;
    if (!m_holdsStyling) m_view->coordinator()->beginEditsApart();
    for (int parts = 0; more && (whole || (budget.fits() && parts < maxPartsPerTurn)); ++parts) {
        budget.editStarts();
        more = m_view->stepPart(*m_undoing);
        budget.editEnded();
    }
    followEdits();
    reparkCaret();
    m_revision = m_view->document()->revision();
    if (more) {
        m_next->start();
        return;
    }
    allReplaced(m_view->takeRestoredSelection());
}

bool LongPaste::readyForFirstEdit(bool whole)
{
    if (m_firstEdit < 0) return true;
    if (!whole && !m_view->coordinator()->readyToEditAt(m_firstEdit)) {
        m_next->start();
        return false;
    }
    m_firstEdit = -1;
    return true;
}

void LongPaste::followEdits()
{
    EditorCoordinator* coordinator = m_view->coordinator();
    if (m_holdsStyling)
        coordinator->followFences();
    else
        coordinator->endEditsApart();
}

void LongPaste::allReplaced(std::optional<TextRange> select)
{
    m_putting = false;
    m_undoing.reset();
    m_placing = true;
    m_after = select;
    const int n = m_view->textLength();
    reparkCaret();
    m_end = std::clamp(select ? select->end() : m_view->textCursor().position(), 0, n);
    m_start = std::clamp(m_start, 0, m_end);
    m_view->coordinator()->holdStyling(false);
    // Edits styled each as it went in leave nothing above the caret to grow later: it goes
    // there in the next turn (placing it may lay some text out), shown once the layout gets
    // there, as after any edit.
    if (!m_holdsStyling) {
        m_next->start();
        return;
    }
    check();
}

void LongPaste::setReadOnly(bool readOnly)
{
    if (m_view->isReadOnly() != readOnly) m_view->setReadOnly(readOnly);
}

void LongPaste::showBar(bool busy)
{
    if (!m_barPanel) {
        m_barPanel = new QFrame(m_view);
        m_barPanel->setObjectName(QStringLiteral("pasteBar"));
        m_barPanel->setFrameShape(QFrame::StyledPanel);
        m_barPanel->setAutoFillBackground(true);
        m_barPanel->setBackgroundRole(QPalette::Window);
        auto* row = new QHBoxLayout(m_barPanel);
        row->setContentsMargins(10, 5, 10, 5);
        row->setSpacing(10);
        m_barLabel = new QLabel(m_barPanel);
        m_barLabel->setForegroundRole(QPalette::WindowText);
        m_bar = new QProgressBar(m_barPanel);
        m_bar->setAccessibleName(tr("Paste progress"));
        m_bar->setFormat(tr("Pasting… %p%"));
        m_bar->setTextVisible(false);
        m_bar->setFixedWidth(160);
        // As wide as its widest text, so the bar does not move while the figure grows.
        QString widest = m_bar->format();
        widest.replace(QStringLiteral("%p"), QStringLiteral("100"));
        m_barLabel->setMinimumWidth(m_barLabel->fontMetrics().horizontalAdvance(widest));
        row->addWidget(m_barLabel);
        row->addWidget(m_bar);
    }
    // A text still being made has no measure yet: the bar only says that something goes on.
    m_bar->setRange(0, busy ? 0 : 100);
    if (!busy) m_bar->setValue(0);
    m_barLabel->setText(busy ? tr("Pasting…") : m_bar->text());
    // At the foot of the page area, centred, where it hides least of the text.
    const QRect area = m_view->viewport()->geometry();
    const QSize size = m_barPanel->sizeHint().boundedTo(QSize(area.width() - 24, area.height()));
    m_barPanel->setGeometry(area.left() + (area.width() - size.width()) / 2, area.bottom() - size.height() - 16,
                            size.width(), size.height());
    m_barPanel->show();
    m_barPanel->raise();
    // Drawn now: the first part of a long paste holds the window a moment before it can be.
    m_barPanel->repaint();
}

void LongPaste::setProgress(double done)
{
    if (!m_bar) return;
    m_bar->setValue(int(std::lround(100 * done)));
    m_barLabel->setText(m_bar->text());
}
