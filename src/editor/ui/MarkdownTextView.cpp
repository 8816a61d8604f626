#include "editor/ui/MarkdownTextView.h"

#include "editor/EditorController.h"
#include "editor/StyleBridge.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/CompletionPopup.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/KeptInput.h"
#include "editor/ui/LayoutWait.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "editor/ui/SelectionMark.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <utility>

MarkdownTextView::MarkdownTextView(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAccessibleName(tr("Markdown editor"));
    // The layout paints every pixel it is asked for (the desk, then the sheets), so
    // nothing behind the view is painted first.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    QTextDocument* doc = document();
    doc->setDocumentMargin(0);
    m_layout = new PagedDocumentLayout(doc);
    doc->setDocumentLayout(m_layout);
    m_layout->setViewportWidth(viewport()->width());
    m_layout->relayoutAll();
    m_coordinator = new EditorCoordinator(this);
    m_ghost = new GhostText(this, this);
    documentPath = [this] { return window() ? window()->windowFilePath() : QString(); };
    m_completion = new CompletionPopup(this, this, [this] { return documentPath(); });
    m_grid = new GridTableInteraction(this);
    m_paste = new LongPaste(this);
    m_wait = new LayoutWait(this, [this] { return m_layout; });
    // Read-only only while a text goes in (a long paste, a long file's text being built).
    m_kept = new KeptInput(this, [this] { return isReadOnly() || m_wait->isWaiting() || m_turnsHeld; });
    m_wait->arrived = [this] { m_kept->playSoon(); };
    m_layout->overlay = [this](QPainter* p, const QRectF& clip) { m_grid->paint(p, clip); };
    followLayout();
    // Installed after the grid's filter, so it sees a press first: a click ends a
    // suggestion, Control-click follows a wiki link even over a grid, and a click on a sheet
    // not laid out yet waits for it (placeCaretAhead) before anything looks for a grid there.
    viewport()->installEventFilter(this);
}

MarkdownTextView::~MarkdownTextView()
{
    m_layout->askedAhead = nullptr;
}

void MarkdownTextView::followLayout()
{
    connect(m_layout, &QAbstractTextDocumentLayout::update, this, &MarkdownTextView::followHeldCaretLine);
    // A caret far down that Qt's cursor code asks for (after an undo) is laid out in slices,
    // what is typed meanwhile waiting for it.
    m_layout->askedAhead = [this] {
        // The caret's, for the keys typed meanwhile go there (other asks are passing: the
        // old selection repainted as a new text comes in).
        const int caret = textCursor().position();
        if (!m_wait->isWaiting() && !m_layout->isPlaced(caret)) m_wait->forPosition(caret);
    };
}

void MarkdownTextView::setDocumentText(const QString& text)
{
    m_ghost->dismiss();
    m_paste->release(); // a paste waiting for its text or its layout is over: the text is another
    m_wait->cancel();   // and so is a place waited for in it
    m_coordinator->expectLoad(text);
    setPlainText(text);
    m_coordinator->doneLoading();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void MarkdownTextView::adoptDocument(TextDocumentBuild::Built built)
{
    // The text it had goes first, as an edit all who follow the text hear of (the new
    // document announces its own as added to nothing).
    if (!document()->isEmpty()) setDocumentText(QString());
    m_ghost->dismiss();
    m_paste->release();
    m_wait->cancel();
    QTextDocument* old = document();
    QTextDocument* doc = built.document.release();
    // Owned as the text edit owns the document it made: it goes when the next one comes.
    doc->setParent(old->parent());
    // What the view and its text edit have set on their document so far.
    doc->setDocumentMargin(old->documentMargin());
    doc->setDefaultFont(old->defaultFont());
    doc->setDefaultTextOption(old->defaultTextOption());
    doc->setDefaultCursorMoveStyle(old->defaultCursorMoveStyle());
    doc->setUseDesignMetrics(old->useDesignMetrics());
    doc->setPageSize(old->pageSize());
    auto* layout = new PagedDocumentLayout(doc);
    layout->takeSettingsOf(*m_layout);
    layout->overlay = m_layout->overlay;
    m_layout->askedAhead = nullptr;
    m_layout = layout;
    followLayout();
    m_coordinator->attachDocument(doc);
    // Given its layout, the document announces its whole text as new, as putting a text in
    // does: the coordinator styles what the view shows first, then the layout lays it out.
    m_coordinator->expectLoad(built.text, built.lineCounts);
    doc->setDocumentLayout(m_layout);
    m_coordinator->doneLoading();
    m_layout->setIgnoringWholeTextChanges(true);
    setDocument(doc); // the old document goes, and its layout with it
    m_layout->setIgnoringWholeTextChanges(false);
    m_layout->announceAll();
    setUndoRedoEnabled(true);
    Q_EMIT documentReplaced(doc);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void MarkdownTextView::forEachDocument(QObject* context, const std::function<void(QTextDocument*)>& attach)
{
    attach(document());
    connect(this, &MarkdownTextView::documentReplaced, context, attach);
}

QString MarkdownTextView::text() const
{
    // A copy either way: made without closing the storage's gap, so the keystroke after a
    // pause's whole-text work (an autosave) does not move the text's tail again.
    QString text = m_coordinator->storage().copyText();
    // A long paste on its way in counts whole: a save meanwhile never writes half of it.
    if (const auto rest = m_paste->rest()) text.insert(rest->at, rest->text);
    return text;
}

std::optional<DocStats> MarkdownTextView::runningCounts() const
{
    return m_coordinator->counts();
}

QString MarkdownTextView::textInRange(TextRange range) const
{
    const int n = m_coordinator->length();
    const int from = std::clamp(range.location, 0, n);
    const int to = std::clamp(range.location + std::max(0, range.length), from, n);
    return m_coordinator->through(to).mid(from, to - from).toString();
}

QString MarkdownTextView::copyOfRange(TextRange range) const
{
    return m_coordinator->storage().copyText(range.location, range.location + std::max(0, range.length));
}

TextRange MarkdownTextView::lineRangeAt(int index) const
{
    const int at = std::clamp(index, 0, m_coordinator->length());
    return TextUtil::lineRange(m_coordinator->through(at), at);
}

std::uint64_t MarkdownTextView::textRevision() const
{
    return m_coordinator->storage().textRevision();
}

std::optional<AttributedText::TextChange> MarkdownTextView::textChangeSince(std::uint64_t revision) const
{
    return m_coordinator->storage().textChangeSince(revision);
}

int MarkdownTextView::textLength() const
{
    return m_coordinator->length();
}

TextRange MarkdownTextView::selectedRange() const
{
    const QTextCursor c = textCursor();
    return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

void MarkdownTextView::setSelectedRange(TextRange range)
{
    if (m_dropping) {
        m_selectionAfterDrop = range;
        return;
    }
    const int n = textLength();
    const int a = std::clamp(range.location, 0, n);
    const int b = std::clamp(range.end(), a, n);
    QTextCursor c(document());
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    const int top = verticalScrollBar()->value();
    setTextCursor(c);
    // Qt showed where a caret far down is estimated to lie, blank: the view stays until it
    // is laid out and shows it then.
    if (!placedForShowing(b, [this] { ensureCursorVisible(); })) verticalScrollBar()->setValue(top);
    holdCaretLine();
}

bool MarkdownTextView::placedForShowing(int position, std::function<void()> show)
{
    // A place close to the part laid out (or at the end) is laid out now; a place waited
    // for before is not shown after it (what waited for it waits again if it must).
    if (m_layout->isPlaced(position) || m_layout->layOutToward(position, 50)) {
        m_wait->cancel();
        return true;
    }
    // Shown only if the selection is still the one it was shown for: a click meanwhile, or
    // a later find, makes it another.
    const QTextCursor was = textCursor();
    m_wait->forPosition(position, [this, was, show = std::move(show)] {
        if (textCursor().position() == was.position() && textCursor().anchor() == was.anchor()) show();
    });
    return false;
}

void MarkdownTextView::holdCaretLine()
{
    m_heldCaretLine.reset();
    if (!m_coordinator->isStylingPending() && !m_layout->isLayoutPending()) return;
    const QRect r = cursorRect();
    if (r.top() >= 0 && r.bottom() <= viewport()->height())
        m_heldCaretLine = HeldLine{textCursor().position(), r.top()};
}

void MarkdownTextView::followHeldCaretLine()
{
    if (!m_heldCaretLine || !m_layout->isPlaced(m_heldCaretLine->position)) return;
    if (textCursor().position() != m_heldCaretLine->position) {
        m_heldCaretLine.reset();
        return;
    }
    const int dy = cursorRect().top() - m_heldCaretLine->y;
    m_followingCaretLine = true;
    if (dy != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
    m_followingCaretLine = false;
    if (!m_coordinator->isStylingPending() && !m_layout->isLayoutPending()) m_heldCaretLine.reset();
}

bool MarkdownTextView::replaceRange(TextRange range, const QString& replacement)
{
    if (isReadOnly() || range.isNotFound() || range.location < 0 || range.end() > textLength()) return false;
    m_ghost->dismiss();
    if (range.length == 0 && replacement.isEmpty()) return true; // nothing changes: no undo step
    QTextCursor c(document());
    c.setPosition(range.location);
    c.setPosition(range.end(), QTextCursor::KeepAnchor);
    c.beginEditBlock();
    document()->appendUndoItem(new SelectionMark(this, selectedRange()));
    c.insertText(replacement);
    document()->appendUndoItem(new SelectionMark(this, std::nullopt));
    c.endEditBlock();
    return true;
}

bool MarkdownTextView::pasteOver(TextRange range, const QString& text)
{
    // Input waiting ahead would change the text `range` was found in before it goes in.
    if (m_kept->isHolding()) return false;
    if (range.location < 0 || range.length < 0 || range.end() > textLength()) return false;
    if (range.isEmpty() && text.isEmpty()) return true; // nothing changes
    // Kept while the view is busy, it goes in at its turn, before whatever is typed behind it
    // (nothing ahead of it changes the text it was found in): what was promised is done.
    if (m_kept->keep([this, range, text] {
            if (range.end() <= textLength()) m_paste->put(range, text);
        }))
        return true;
    m_paste->put(range, text);
    return true;
}

void MarkdownTextView::scrollRangeToVisible(TextRange range)
{
    QTextCursor c(document());
    c.setPosition(std::clamp(range.location, 0, textLength()));
    if (!placedForShowing(c.position(), [this, range] { scrollRangeToVisible(range); })) return;
    // On a grid's hidden rows the cell is what shows.
    const std::optional<QRectF> cell = m_grid->cellRect(c.position());
    const QRect r = cell ? cell->toAlignedRect() : cursorRect(c);
    // The part of the view an overlay (the find bar) covers does not count as in view.
    const int top = std::min(m_topObstruction, viewport()->height() / 2);
    if (r.top() < top || r.bottom() > viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + r.center().y() - (top + viewport()->height()) / 2);
}

void MarkdownTextView::setTopObstruction(int height)
{
    m_topObstruction = std::max(0, height);
}

void MarkdownTextView::scrollRangeToTop(TextRange range)
{
    QTextCursor c(document());
    c.setPosition(std::clamp(range.location, 0, textLength()));
    if (!placedForShowing(c.position(), [this, range] { scrollRangeToTop(range); })) return;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + cursorRect(c).top() - viewport()->height() / 8);
}

void MarkdownTextView::focusEditor()
{
    setFocus(Qt::OtherFocusReason);
}

void MarkdownTextView::beep()
{
    QApplication::beep();
}

QSizeF MarkdownTextView::viewportSize() const
{
    // The scroll view's bounds, scroll bars included: fitting subtracts the vertical one.
    return size();
}

double MarkdownTextView::verticalScrollerWidth() const
{
    return verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
}

double MarkdownTextView::magnification() const
{
    return m_layout->geometry().scale;
}

void MarkdownTextView::setMagnification(double factor, bool)
{
    factor = std::clamp(factor, 0.25, 5.0);
    if (factor == magnification()) return;
    m_ghost->dismiss();
    // The caret's line stays where it is on screen; without it on screen, the point at the
    // top of the view.
    const QRect caret = cursorRect();
    const bool caretShown = caret.top() >= 0 && caret.bottom() <= viewport()->height();
    const double ratio = factor / magnification();
    const int top = verticalScrollBar()->value();
    auto g = m_layout->geometry();
    g.scale = factor;
    const EditorTheme& theme = m_coordinator->styler().theme;
    m_layout->beginBatch();
    document()->setDefaultFont(StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), factor));
    m_layout->setGeometry(g);
    // The styling stays as it is; only its fonts grow or shrink, and every block takes them
    // at the new size (restyling all of a long text held the window for seconds).
    m_layout->releaseFormats();
    m_layout->endBatch();
    verticalScrollBar()->setValue(int(top * ratio));
    if (caretShown) {
        // Far down a long text the caret's line may wait for the layout to reach it.
        m_heldCaretLine = HeldLine{textCursor().position(), caret.top()};
        if (placedForShowing(m_heldCaretLine->position, [this] { followHeldCaretLine(); })) followHeldCaretLine();
    }
    Q_EMIT magnificationChanged(factor);
}

void MarkdownTextView::focusInEvent(QFocusEvent* e)
{
    QTextEdit::focusInEvent(e);
    m_grid->updateFrame();
}

void MarkdownTextView::focusOutEvent(QFocusEvent* e)
{
    QTextEdit::focusOutEvent(e);
    m_grid->updateFrame();
}

void MarkdownTextView::resizeEvent(QResizeEvent* e)
{
    QTextEdit::resizeEvent(e);
    m_layout->setViewportWidth(viewport()->width());
}

bool MarkdownTextView::allConcealed(int from, int to) const
{
    for (int i = std::min(from, to); i < std::max(from, to); ++i) {
        const QTextBlock b = document()->findBlock(i);
        if (!StyledBlocks::isConcealedAt(b, i - b.position())) return false;
    }
    return true;
}

void MarkdownTextView::stepOverConcealed(int from, QTextCursor::MoveOperation step, bool extend)
{
    // Every position around a hidden run shows at the same x: a step that passed only
    // hidden characters moved nothing the user can see, so it goes on until it has
    // passed a visible one (or the line break).
    QTextCursor c = textCursor();
    int previous = from;
    bool moved = false;
    while (c.position() != previous && allConcealed(previous, c.position())) {
        previous = c.position();
        if (!c.movePosition(step, extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor)) break;
        moved = true;
    }
    if (moved) setTextCursor(c);
}

namespace {

bool typesAtCaret(const QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete: return true;
    default: return !e->text().isEmpty() && e->text().at(0).isPrint();
    }
}

} // namespace

void MarkdownTextView::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ReadOnlyChange) m_kept->playSoon();
    QTextEdit::changeEvent(e);
}

bool MarkdownTextView::goesToEndNotLaidOut(const QKeyEvent* e) const
{
    return m_layout->isLayoutPending() && !m_layout->isPlaced(document()->lastBlock().position())
           && (e->matches(QKeySequence::MoveToEndOfDocument) || e->matches(QKeySequence::SelectEndOfDocument)
               || e->matches(QKeySequence::SelectAll)); // which leaves the caret at the end
}

bool MarkdownTextView::keptForLater(QKeyEvent* e)
{
    if (goesToEndNotLaidOut(e) && !m_wait->isWaiting() && !m_layout->placeEnd())
        m_wait->forPosition(document()->lastBlock().position());
    // Keys that come while a text goes in, or behind such a key, wait their turn; a paste
    // waits with what the clipboard holds now.
    if (m_kept->mustWait() && e->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    return m_kept->keep(e);
}

void MarkdownTextView::keyPressEvent(QKeyEvent* e)
{
    if (keptForLater(e)) return;
    if (m_completion->isVisible()) {
        // The list takes these keys itself.
        switch (e->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab: e->ignore(); return;
        default: break;
        }
    }
    // On a grid table the keys go from cell to cell and typing goes into the cell's field.
    if (m_grid->handleKey(e)) return;
    // What follows a key typed at the caret is typed there too, also when it made the
    // caret's lines a grid.
    const auto noteTyped = qScopeGuard([this, typing = typesAtCaret(e)] {
        if (typing && !isReadOnly()) m_grid->noteTyped();
    });
    if (!isReadOnly() && (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo))) {
        m_ghost->dismiss();
        if (e->matches(QKeySequence::Undo))
            undo();
        else
            redo();
        return;
    }
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::ControlModifier) {
        m_completion->update(true);
        return;
    }
    if (m_ghost->handleKey(e)) return;
    const bool plainMods = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (m_coordinator->handleNewline()) return;
    }
    if (plainMods && !e->text().isEmpty() && e->text().at(0).isPrint() && textCursor().hasSelection()) {
        if (m_coordinator->replaceSelectionSpecially(e->text(), true)) return;
    }
    const int caretBefore = textCursor().position();
    QTextEdit::keyPressEvent(e);
    followCaretKey(e, caretBefore);
    showSheetEdge(e);
    holdCaretLine();
}

void MarkdownTextView::followCaretKey(QKeyEvent* e, int caretBefore)
{
    const bool plainMods = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    if ((e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) && plainMods)
        stepOverConcealed(caretBefore,
                          e->key() == Qt::Key_Right ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter,
                          extend);
    else if (e->matches(QKeySequence::MoveToNextWord) || e->matches(QKeySequence::SelectNextWord))
        stepOverConcealed(caretBefore, QTextCursor::NextWord, extend);
    else if (e->matches(QKeySequence::MoveToPreviousWord) || e->matches(QKeySequence::SelectPreviousWord))
        stepOverConcealed(caretBefore, QTextCursor::PreviousWord, extend);
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        // An arrow that reaches a grid enters its nearest cell; a selection grows past it.
        if (plainMods && !extend) {
            m_grid->enterFrom(caretBefore, e->key());
            break;
        }
        m_grid->skipRows(e->key() == Qt::Key_Right || e->key() == Qt::Key_Down, extend);
        break;
    case Qt::Key_PageUp: m_grid->skipRows(false, extend); break;
    case Qt::Key_PageDown: m_grid->skipRows(true, extend); break;
    default: break;
    }
    // The document's start or end inside a grid: the caret goes to a line beside it (one
    // is added when the grid starts or ends the text), never onto its hidden rows.
    if (e->matches(QKeySequence::MoveToStartOfDocument) || e->matches(QKeySequence::MoveToEndOfDocument))
        m_grid->leaveAtEdge(e->matches(QKeySequence::MoveToEndOfDocument));
}

void MarkdownTextView::showSheetEdge(QKeyEvent* e)
{
    // The text edit scrolls only as far as the caret, which leaves the first sheet's top
    // margin (and the last one's bottom) out of view. A key that takes the caret to the
    // first or last line of the document scrolls on to that edge.
    const bool toStart = e->matches(QKeySequence::MoveToStartOfDocument)
                         || e->matches(QKeySequence::SelectStartOfDocument) || e->key() == Qt::Key_PageUp;
    const bool toEnd = e->matches(QKeySequence::MoveToEndOfDocument) || e->matches(QKeySequence::SelectEndOfDocument)
                       || e->key() == Qt::Key_PageDown;
    if (!toStart && !toEnd) return;
    const std::optional<EditorConfig>& config = m_coordinator->appliedConfig();
    if (config && config->typewriter) return; // the caret stays centred there
    const QTextCursor c = textCursor();
    const QTextBlock b = c.block();
    m_layout->blockBoundingRect(b); // gives the block its lines when it holds none
    const QTextLayout* tl = b.layout();
    const QTextLine line = tl ? tl->lineForTextPosition(c.positionInBlock()) : QTextLine();
    const int lineNumber = line.isValid() ? line.lineNumber() : 0;
    QScrollBar* bar = verticalScrollBar();
    int edge = bar->value();
    if (toStart && b == document()->firstBlock() && lineNumber == 0)
        edge = bar->minimum();
    else if (toEnd && b == document()->lastBlock() && (!tl || lineNumber >= tl->lineCount() - 1))
        edge = bar->maximum();
    // Only as far as the caret's line stays in view: a last line high on its sheet would
    // otherwise be scrolled out of sight to show the sheet's foot.
    const QRect caret = cursorRect();
    const int shift = edge - bar->value();
    if (caret.top() - shift >= 0 && caret.bottom() - shift <= viewport()->height()) bar->setValue(edge);
}

void MarkdownTextView::inputMethodEvent(QInputMethodEvent* e)
{
    if (m_kept->keep(e)) return; // behind a key that waits, as keys are
    m_ghost->dismiss();
    QTextEdit::inputMethodEvent(e);
    remergeStyling();
    if (!e->commitString().isEmpty()) m_grid->noteTyped();
}

void MarkdownTextView::remergeStyling()
{
    // During composition Qt replaces the block's additional formats with the preedit
    // formats; put the styling back underneath them so hidden markers stay hidden.
    const QTextBlock b = textCursor().block();
    if (!b.isValid()) return;
    QTextLayout* tl = b.layout();
    const int preeditPos = tl->preeditAreaPosition();
    const int preeditLen = int(tl->preeditAreaText().size());
    QList<QTextLayout::FormatRange> merged;
    for (QTextLayout::FormatRange r : StyledBlocks::formatsOf(b)) {
        if (preeditLen > 0 && r.start >= preeditPos) r.start += preeditLen;
        merged.append(r);
    }
    const QList<QTextLayout::FormatRange> current = tl->formats();
    for (const auto& r : current)
        if (preeditLen > 0 && r.start >= preeditPos && r.start < preeditPos + preeditLen) merged.append(r);
    tl->setFormats(merged);
    document()->markContentsDirty(b.position(), b.length());
}

void MarkdownTextView::scrollContentsBy(int dx, int dy)
{
    if (!m_followingCaretLine && !m_layout->isAnnouncingSize()) m_heldCaretLine.reset(); // the user scrolled
    QTextEdit::scrollContentsBy(dx, dy);
    m_grid->placeCellEditor();
}

double MarkdownTextView::gridUnit() const
{
    return 72.0 / std::max(1, logicalDpiY());
}

double MarkdownTextView::gridScale() const
{
    return magnification() * gridUnit();
}

void MarkdownTextView::setController(EditorController* controller)
{
    m_controller = controller;
}

void MarkdownTextView::inTurn(std::function<void()> command, Turn turn)
{
    if (turn == Turn::AfterThisEvent)
        m_kept->queue(std::move(command));
    else if (!m_kept->keep(command))
        command();
}

void MarkdownTextView::holdTurns(bool held)
{
    m_turnsHeld = held;
    if (!held) m_kept->playSoon();
}

bool MarkdownTextView::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() || (insertHook && (source->hasImage() || source->hasUrls()))
           || QTextEdit::canInsertFromMimeData(source);
}

void MarkdownTextView::dropEvent(QDropEvent* e)
{
    // Qt puts a drop in within an edit block of its own, which the coordinator and the layout
    // hear of only once it closes: until then the text they hold is the text before the drop,
    // and a caret placed after what went in would be cut back to its old end (in front of the
    // links dropped where the caret stood). The selection goes where it was asked for once
    // the drop is in.
    m_dropping = true;
    m_selectionAfterDrop.reset();
    QTextEdit::dropEvent(e);
    m_dropping = false;
    if (const std::optional<TextRange> selection = std::exchange(m_selectionAfterDrop, std::nullopt))
        setSelectedRange(*selection);
}

void MarkdownTextView::insertFromMimeData(const QMimeData* source)
{
    if (m_kept->keep(source, [this](const QMimeData* kept) { insertFromMimeData(kept); })) return;
    if (isReadOnly()) return;
    m_ghost->dismiss();
    // Pasted onto a grid cell: into the cell, on one line, never into the hidden rows.
    if (source->hasText() && !m_grid->cellEditor() && !m_grid->typingInSource()) {
        if (const auto at = m_grid->caretCell()) {
            if (m_grid->openCell(*at, false))
                m_grid->cellEditor()->insert(source->text().replace(u'\r', u' ').replace(u'\n', u' '));
            return;
        }
    }
    // What is typed after a paste goes on after it, also on a grid the paste made.
    const auto noteTyped = qScopeGuard([this] {
        if (!m_paste->isActive()) m_grid->noteTyped();
    });
    if (insertHook && insertHook(source)) return;
    if (!source->hasText()) return;
    const QString s = source->text();
    if (m_coordinator->replaceSelectionSpecially(s, false)) return;
    // An undo step of its own, whatever its length: Qt would join a short text put in where
    // typing went on to the typing around it, and one undo would take all of it away.
    m_paste->put(selectedRange(), s);
}

QMimeData* MarkdownTextView::createMimeDataFromSelection() const
{
    // Only the Markdown itself: Qt's HTML of the styled text would be pasted back as
    // something else (blank lines added, no-break spaces lost).
    auto* data = new QMimeData;
    data->setText(textInRange(selectedRange()));
    return data;
}

void MarkdownTextView::textWillChangeByEdit()
{
    // Any edit ends a shown suggestion. It lives only in the layout, so removing it
    // changes nothing in the text.
    m_ghost->dismiss();
}

void MarkdownTextView::editSettled()
{
    m_completion->update();
    m_ghost->noteEdited();
}
