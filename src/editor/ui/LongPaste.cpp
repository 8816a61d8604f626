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
    connect(m_next, &QTimer::timeout, this, [this] { putNext(m_units); });
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
    // Styled while the screen still shows its start: the caret arrives once the whole of it
    // is styled and placed, so that nothing above it grows or shrinks later (each change
    // above the caret's screen moves every line between) and it is laid out once.
    m_view->coordinator()->holdStyling(false);
    check();
}

std::optional<LongPaste::Rest> LongPaste::rest() const
{
    if (!m_putting) return std::nullopt;
    return Rest{m_start + int(m_put), QStringView(m_text).sliced(m_put)};
}

bool LongPaste::putRest()
{
    const bool held = m_holding;
    while (m_putting) putNext(maxPartUnits);
    release();
    return !held;
}

void LongPaste::putNow()
{
    if (m_holding && m_wait) arrive(m_ticket, std::exchange(m_wait, nullptr)());
    while (m_putting) putNext(maxPartUnits);
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
    if (m_view->document()->revision() == m_revision) {
        const int at = std::min(m_end, m_view->textLength());
        // Qt's cursor has the rest up to the caret laid out if the slices did not get there.
        m_view->coordinator()->styleAround(at);
        m_view->setSelectedRange({at, 0});
    }
    end();
}

void LongPaste::end()
{
    m_holding = m_putting = m_placing = false;
    m_wait = nullptr;
    m_text = QString();
    m_next->stop();
    m_poll->stop();
    m_barDelay->stop();
    if (m_barPanel) m_barPanel->hide();
    setReadOnly(m_wasReadOnly);
    m_view->coordinator()->holdStyling(false);
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
