#include "editor/ui/MarkdownTextView.h"

#include "editor/EditorController.h"
#include "editor/Emoji.h"
#include "editor/GridEditing.h"
#include "editor/StyleBridge.h"
#include "editor/StyledBlocks.h"
#include "editor/WikiLinks.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/NotificationBus.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QAbstractUndoItem>
#include <QApplication>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "styling/TableTools.h"

#include <algorithm>
#include <numeric>

MarkdownTextView::MarkdownTextView(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAccessibleName(tr("Markdown editor"));
    viewport()->setAutoFillBackground(false);
    QTextDocument* doc = document();
    doc->setDocumentMargin(0);
    m_layout = new PagedDocumentLayout(doc);
    doc->setDocumentLayout(m_layout);
    m_layout->setViewportWidth(viewport()->width());
    m_layout->relayoutAll();
    m_layout->overlay = [this](QPainter* p, const QRectF&) {
        paintTables(p);
    };
    m_coordinator = new EditorCoordinator(this);
    // A suggestion belongs to the caret where it was shown.
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (hasGhost() && textCursor().position() != m_ghostAnchor)
            dismissGhost();
    });
    documentPath = [this] { return window() ? window()->windowFilePath() : QString(); };
    m_completions = new QStringListModel(this);
    m_completer = new QCompleter(m_completions, this);
    m_completer->setWidget(this);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseSensitive);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& chosen) {
        const TextRange r = m_completionRange;
        m_completionRange = TextRange::notFound();
        if (!r.isNotFound() && r.end() <= textLength() && replaceRange(r, chosen))
            setSelectedRange({r.location + int(chosen.size()), 0});
    });
    m_autoTimer.setSingleShot(true);
    m_autoTimer.setInterval(Autocomplete::kPauseMs);
    connect(&m_autoTimer, &QTimer::timeout, this, [this] { requestSuggestion(false); });
}

MarkdownTextView::~MarkdownTextView() = default;

void MarkdownTextView::setDocumentText(const QString& text)
{
    dismissGhost();
    setPlainText(text);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QString MarkdownTextView::text() const
{
    return m_coordinator->text();
}

int MarkdownTextView::textLength() const
{
    return int(m_coordinator->text().size());
}

TextRange MarkdownTextView::selectedRange() const
{
    const QTextCursor c = textCursor();
    return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

void MarkdownTextView::setSelectedRange(TextRange range)
{
    const int n = textLength();
    const int a = std::clamp(range.location, 0, n);
    const int b = std::clamp(range.end(), a, n);
    QTextCursor c(document());
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

namespace {

// Brackets the commands of one replaceRange step in the undo stack. Undo runs them
// backwards: the closing mark first, while the text still is as the step left it, so it
// notes the selection to give back on redo; the opening mark last, giving back the
// selection the step started from.
class SelectionMark : public QAbstractUndoItem {
public:
    SelectionMark(MarkdownTextView* view, std::optional<TextRange> before)
        : m_view(view)
        , m_before(before)
    {
    }
    void undo() override
    {
        if (!m_view)
            return;
        if (m_before)
            m_view->restoreSelectionAfterStep(*m_before);
        else
            m_after = m_view->selectedRange();
    }
    void redo() override
    {
        if (m_view && !m_before && m_after)
            m_view->restoreSelectionAfterStep(*m_after);
    }

private:
    QPointer<MarkdownTextView> m_view;
    std::optional<TextRange> m_before; // set on the opening mark only
    std::optional<TextRange> m_after;
};

} // namespace

bool MarkdownTextView::replaceRange(TextRange range, const QString& replacement)
{
    if (isReadOnly() || range.isNotFound() || range.location < 0 || range.end() > textLength())
        return false;
    dismissGhost();
    if (range.length == 0 && replacement.isEmpty())
        return true; // nothing changes: no undo step
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

void MarkdownTextView::undo()
{
    QTextEdit::undo();
    applyRestoredSelection();
}

void MarkdownTextView::redo()
{
    QTextEdit::redo();
    applyRestoredSelection();
}

void MarkdownTextView::restoreSelectionAfterStep(TextRange range)
{
    const bool queued = m_restoreSelection.has_value();
    m_restoreSelection = range;
    // Steps undone from elsewhere (the context menu) get theirs once control returns.
    if (!queued)
        QMetaObject::invokeMethod(this, &MarkdownTextView::applyRestoredSelection, Qt::QueuedConnection);
}

void MarkdownTextView::applyRestoredSelection()
{
    if (!m_restoreSelection)
        return;
    const TextRange r = *m_restoreSelection;
    m_restoreSelection.reset();
    setSelectedRange(r);
}

void MarkdownTextView::scrollRangeToVisible(TextRange range)
{
    QTextCursor c(document());
    c.setPosition(std::clamp(range.location, 0, textLength()));
    const QRect r = cursorRect(c);
    if (r.top() < 0 || r.bottom() > viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + r.center().y() - viewport()->height() / 2);
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
    if (factor == magnification())
        return;
    dismissGhost();
    // Keep the point at the top of the view in place.
    const double ratio = factor / magnification();
    const int top = verticalScrollBar()->value();
    auto g = m_layout->geometry();
    g.scale = factor;
    const EditorTheme& theme = m_coordinator->styler().theme;
    m_layout->beginBatch();
    document()->setDefaultFont(StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), factor));
    m_layout->setGeometry(g);
    m_coordinator->restyle(std::nullopt);
    m_layout->endBatch();
    verticalScrollBar()->setValue(int(top * ratio));
    emit magnificationChanged(factor);
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
        if (!StyledBlocks::isConcealedAt(b, i - b.position()))
            return false;
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
        if (!c.movePosition(step, extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor))
            break;
        moved = true;
    }
    if (moved)
        setTextCursor(c);
}

void MarkdownTextView::maybeComplete(bool explicitly)
{
    const QTextCursor c = textCursor();
    const QString& all = text();
    QStringList entries;
    TextRange range = TextRange::notFound();
    if (!c.hasSelection()) {
        const int caret = c.position();
        const TextRange word = Emoji::completionRange(all, caret);
        if (!word.isNotFound()) {
            const QStringView w = QStringView(all).mid(word.location, word.length);
            if (explicitly || Emoji::opensListWhileTyping(w)) {
                entries = Emoji::matches(w.mid(1));
                range = word;
            }
        }
        if (entries.isEmpty()) {
            const TextRange partial = WikiLinks::completionRange(all, caret);
            if (!partial.isNotFound()) {
                for (const QString& name :
                     WikiLinks::matches(QStringView(all).mid(partial.location, partial.length), documentPath()))
                    entries.append(name + QStringLiteral("]]"));
                range = partial;
            }
        }
    }
    if (entries.isEmpty()) {
        m_completionRange = TextRange::notFound();
        m_completer->popup()->hide();
        return;
    }
    m_completionRange = range;
    m_completions->setStringList(entries);
    QRect r = cursorRect();
    r.setWidth(std::max(200, m_completer->popup()->sizeHintForColumn(0) + 30));
    m_completer->complete(r);
    m_completer->popup()->setCurrentIndex(m_completions->index(0));
}

void MarkdownTextView::keyPressEvent(QKeyEvent* e)
{
    if (m_completer->popup()->isVisible()) {
        // The list takes these keys itself.
        switch (e->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            e->ignore();
            return;
        default:
            break;
        }
    }
    if (!isReadOnly() && (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo))) {
        dismissGhost();
        if (e->matches(QKeySequence::Undo))
            undo();
        else
            redo();
        return;
    }
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::ControlModifier) {
        maybeComplete(true);
        return;
    }
    const bool plainMods = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (hasGhost()) {
        if (e->key() == Qt::Key_Tab && plainMods && !(e->modifiers() & Qt::ShiftModifier)) {
            acceptGhost();
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            dismissGhost();
            return;
        }
        if (e->key() != Qt::Key_Shift && e->key() != Qt::Key_Control && e->key() != Qt::Key_Alt
            && e->key() != Qt::Key_Meta)
            dismissGhost();
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (m_coordinator->handleNewline())
            return;
    }
    if (plainMods && !e->text().isEmpty() && e->text().at(0).isPrint() && textCursor().hasSelection()) {
        if (m_coordinator->replaceSelectionSpecially(e->text(), true))
            return;
    }
    const int caretBefore = textCursor().position();
    QTextEdit::keyPressEvent(e);
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    if ((e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) && plainMods)
        stepOverConcealed(caretBefore, e->key() == Qt::Key_Right ? QTextCursor::NextCharacter
                                                                 : QTextCursor::PreviousCharacter, extend);
    else if (e->matches(QKeySequence::MoveToNextWord) || e->matches(QKeySequence::SelectNextWord))
        stepOverConcealed(caretBefore, QTextCursor::NextWord, extend);
    else if (e->matches(QKeySequence::MoveToPreviousWord) || e->matches(QKeySequence::SelectPreviousWord))
        stepOverConcealed(caretBefore, QTextCursor::PreviousWord, extend);
    switch (e->key()) {
    case Qt::Key_Left: case Qt::Key_Up: case Qt::Key_PageUp:
        skipGridRows(false, extend);
        break;
    case Qt::Key_Right: case Qt::Key_Down: case Qt::Key_PageDown:
        skipGridRows(true, extend);
        break;
    default:
        break;
    }
}

void MarkdownTextView::skipGridRows(bool forward, bool extend)
{
    // A grid's source rows are hidden under the drawing, so a caret there would be
    // invisible: the keys carry it past the table (cells are edited by clicking them).
    QTextCursor c = textCursor();
    const auto mode = extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    bool moved = false;
    while (StyledBlocks::paragraphOf(c.block()).rowHeight >= 0) {
        if (!c.movePosition(forward ? QTextCursor::NextBlock : QTextCursor::PreviousBlock, mode))
            break;
        moved = true;
    }
    if (!moved)
        return;
    if (!forward)
        c.movePosition(QTextCursor::EndOfBlock, mode);
    setTextCursor(c);
}

void MarkdownTextView::inputMethodEvent(QInputMethodEvent* e)
{
    dismissGhost();
    QTextEdit::inputMethodEvent(e);
    remergeStyling();
}

void MarkdownTextView::remergeStyling()
{
    // During composition Qt replaces the block's additional formats with the preedit
    // formats; put the styling back underneath them so hidden markers stay hidden.
    const QTextBlock b = textCursor().block();
    if (!b.isValid())
        return;
    QTextLayout* tl = b.layout();
    const int preeditPos = tl->preeditAreaPosition();
    const int preeditLen = int(tl->preeditAreaText().size());
    QList<QTextLayout::FormatRange> merged;
    for (QTextLayout::FormatRange r : StyledBlocks::formatsOf(b)) {
        if (preeditLen > 0 && r.start >= preeditPos)
            r.start += preeditLen;
        merged.append(r);
    }
    const QList<QTextLayout::FormatRange> current = tl->formats();
    for (const auto& r : current)
        if (preeditLen > 0 && r.start >= preeditPos && r.start < preeditPos + preeditLen)
            merged.append(r);
    tl->setFormats(merged);
    document()->markContentsDirty(b.position(), b.length());
}

void MarkdownTextView::mousePressEvent(QMouseEvent* e)
{
    dismissGhost();
    // Control-click follows a wiki link to the file beside the document.
    if (e->button() == Qt::LeftButton && e->modifiers() == Qt::ControlModifier) {
        const QPointF doc = e->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
        const int index = m_layout->hitTest(doc, Qt::ExactHit);
        const QString target = index >= 0 ? WikiLinks::targetAt(text(), index) : QString();
        if (!target.isEmpty()) {
            const QString path = WikiLinks::resolve(target, documentPath());
            if (!path.isEmpty())
                NotificationBus::instance().post(QString::fromUtf16(WikiLinks::openWikiLinkNotification), path);
            return;
        }
    }
    // The click may have ended a cell edit (the focus moves first) and moved the grid
    // since it was drawn: hit-test the grid as it stands now.
    if (e->button() == Qt::LeftButton && m_hitsRevision != document()->revision())
        paintTables(nullptr);
    if (e->button() == Qt::LeftButton && !m_tableFrames.isEmpty()) {
        const QPointF g = toGrid(e->position());
        if (const auto d = TableGridRenderer::dividerAt(m_tableFrames, g)) {
            endCellEdit(true);
            const TableFrame& f = m_tableFrames[d->frame];
            if (d->divider + 1 < f.widths.size()) {
                const double guide = f.rect.left()
                    + std::accumulate(f.widths.begin(), f.widths.begin() + d->divider + 1, 0.0);
                m_resize = Resize{f, d->divider, g.x(), f.widths, guide};
                viewport()->update();
            }
            return;
        }
        if (const auto c = TableGridRenderer::sortGlyphAt(m_tableFrames, g)) {
            sortTable(m_tableFrames[c->frame], c->column);
            return;
        }
        if (const int i = TableGridRenderer::cellAt(m_tableHits, g); i >= 0) {
            beginCellEdit(m_tableHits[i]);
            return;
        }
    }
    QTextEdit::mousePressEvent(e);
}

void MarkdownTextView::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF g = toGrid(e->position());
    if (m_resize) {
        m_resize->widths = TableGridRenderer::resizedWidths(m_resize->frame.widths, m_resize->divider, g.x() - m_resize->pressX);
        m_resize->guideX = m_resize->frame.rect.left()
            + std::accumulate(m_resize->widths.begin(), m_resize->widths.begin() + m_resize->divider + 1, 0.0);
        viewport()->update();
        return;
    }
    if (e->buttons() == Qt::NoButton && !m_tableFrames.isEmpty()) {
        if (TableGridRenderer::dividerAt(m_tableFrames, g))
            viewport()->setCursor(Qt::SplitHCursor);
        else if (TableGridRenderer::sortGlyphAt(m_tableFrames, g))
            viewport()->setCursor(Qt::PointingHandCursor);
        else
            viewport()->setCursor(Qt::IBeamCursor);
    }
    QTextEdit::mouseMoveEvent(e);
}

void MarkdownTextView::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_resize) {
        const Resize r = *m_resize;
        m_resize.reset();
        writeColumnWidths(r.widths, r.frame.sourceStart);
        viewport()->update();
        return;
    }
    QTextEdit::mouseReleaseEvent(e);
}

void MarkdownTextView::wheelEvent(QWheelEvent* e)
{
    // Control with the wheel zooms the pages, not the text edit's own font.
    if (e->modifiers() & Qt::ControlModifier) {
        const double steps = e->angleDelta().y() / 120.0;
        if (steps != 0)
            setMagnification(EditorController::stepZoom(magnification(), 0.1 * steps), false);
        e->accept();
        return;
    }
    QTextEdit::wheelEvent(e);
}

void MarkdownTextView::scrollContentsBy(int dx, int dy)
{
    QTextEdit::scrollContentsBy(dx, dy);
    placeCellEditor();
}

// ---- Grid tables -------------------------------------------------------------------

double MarkdownTextView::gridUnit() const
{
    return 72.0 / std::max(1, logicalDpiY());
}

double MarkdownTextView::gridScale() const
{
    return magnification() * gridUnit();
}

QPointF MarkdownTextView::toGrid(QPointF viewportPos) const
{
    const QPointF doc = viewportPos + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    return doc / gridScale();
}

void MarkdownTextView::paintTables(QPainter* p)
{
    const AttributedText& storage = m_coordinator->storage();
    QList<TableCellHit> hits;
    QList<TableFrame> frames;
    const int length = storage.length();
    if (length > 0 && m_coordinator->styler().concealMarkers) {
        // Only the tables on screen: the hit lists describe what the user can click.
        const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
        const int first = std::max(0, m_layout->hitTest(scroll, Qt::FuzzyHit));
        const int last = std::max(first, m_layout->hitTest(scroll + QPointF(viewport()->width(), viewport()->height()),
                                                           Qt::FuzzyHit));
        const double gs = gridScale();
        const EditorTheme& theme = m_coordinator->styler().theme;
        const auto colors = TableGridRenderer::Colors::forText(theme.textColor());
        const QFont fallback = theme.scaledFont(theme.baseSize);
        const TableModel* previous = nullptr;
        storage.forEachRun(TextRange(first, std::min(last + 1, length) - first), [&](TextRange run, const TextAttributes& a) {
            const TableModel* model = a.tableModel.get();
            if (!model || model == previous || model->rows.isEmpty())
                return true;
            previous = model;
            // The model's offsets are those of its last styling; the text may have moved since.
            const int shift = GridEditing::tableModelShift(storage, run.location);
            const int start = model->rows.first().range.location + shift;
            if (start < 0 || start >= length)
                return true;
            const QPointF origin = m_layout->blockBoundingRect(document()->findBlock(start)).topLeft() / gs;
            const std::optional<QFont>& font = storage.attributesAt(start).font;
            TableGridRenderer::Drawn d;
            if (p) {
                p->save();
                p->scale(gs, gs);
                d = TableGridRenderer::draw(*p, *model, origin, font ? *font : fallback, colors, length - shift);
                p->restore();
            } else if (const auto g = TableGridRenderer::geometry(*model, origin, length - shift)) {
                d.hits = g->hits;
                d.frame = g->frame;
            }
            for (TableCellHit& h : d.hits)
                h.source.location += shift;
            hits.append(d.hits);
            if (d.frame) {
                d.frame->sourceStart += shift;
                frames.append(*d.frame);
            }
            return true;
        });
    }
    m_tableHits = hits;
    m_tableFrames = frames;
    m_hitsRevision = document()->revision();
    if (m_resize && p) {
        const double gs = gridScale();
        QPen pen(palette().color(QPalette::Highlight), 1.5);
        pen.setDashPattern({4, 3});
        p->save();
        p->setPen(pen);
        p->drawLine(QPointF(m_resize->guideX * gs, m_resize->frame.rect.top() * gs),
                    QPointF(m_resize->guideX * gs, m_resize->frame.rect.bottom() * gs));
        p->restore();
    }
}

void MarkdownTextView::beginCellEdit(const TableCellHit& hit)
{
    TextRange source = hit.source;
    // Writing the open cell back moves the cells after it: follow that edit.
    if (const auto written = endCellEdit(true); written && source.location >= written->range.end())
        source.location += int(written->replacement.size()) - written->range.length;
    const QString& text = m_coordinator->text();
    if (source.location < 0 || source.end() > text.size())
        return;
    const QString original = TextUtil::trimBlanks(QStringView(text).mid(source.location, source.length));
    // A hit from an older drawing that no longer names this cell's text opens nothing.
    if (original != TextUtil::trimBlanks(hit.text))
        return;
    m_cellSource = source;
    m_cellOriginal = original;
    m_cellRect = hit.rect;
    auto* field = new QLineEdit(viewport());
    field->setFrame(true);
    field->setText(m_cellOriginal);
    const EditorTheme& theme = m_coordinator->styler().theme;
    field->setFont(StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), magnification()));
    connect(field, &QLineEdit::editingFinished, this, [this] { endCellEdit(true); });
    field->installEventFilter(this);
    m_cellEditor = field;
    placeCellEditor();
    field->show();
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
}

bool MarkdownTextView::eventFilter(QObject* watched, QEvent* e)
{
    // Return commits the cell here: a line edit passes the key on to its parent, where it
    // would also break the line at the text view's caret.
    if (watched == m_cellEditor && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            endCellEdit(true);
            return true;
        }
    }
    return QTextEdit::eventFilter(watched, e);
}

void MarkdownTextView::placeCellEditor()
{
    if (!m_cellEditor)
        return;
    const double gs = gridScale();
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRectF r(m_cellRect.topLeft() * gs - scroll, m_cellRect.size() * gs);
    m_cellEditor->setGeometry(r.adjusted(1, 1, -1, -1).toRect());
}

std::optional<GridEditing::Edit> MarkdownTextView::endCellEdit(bool commit)
{
    if (!m_cellEditor)
        return std::nullopt;
    // Clear the state first: removing the field ends its editing, which calls back here.
    QLineEdit* field = m_cellEditor;
    const TextRange source = m_cellSource;
    const QString original = m_cellOriginal;
    m_cellEditor = nullptr;
    m_cellSource = TextRange::notFound();
    const QString edited = field->text();
    field->disconnect(this);
    field->hide();
    field->deleteLater();
    std::optional<GridEditing::Edit> written;
    if (commit) {
        if (const auto e = GridEditing::cellText(m_coordinator->text(), source, original, edited);
            e && e->replacement != m_coordinator->text().mid(e->range.location, e->range.length)
            && replaceRange(e->range, e->replacement))
            written = e;
    }
    setFocus(Qt::OtherFocusReason);
    viewport()->update();
    return written;
}

void MarkdownTextView::sortTable(const TableFrame& frame, int column)
{
    endCellEdit(true);
    const QString& text = m_coordinator->text();
    if (const auto e = TableTools::sortTable(text, std::min<int>(frame.sourceStart, int(text.size())), column))
        replaceRange(e->range, e->replacement);
    viewport()->update();
}

void MarkdownTextView::writeColumnWidths(const QList<double>& widths, int tableStart)
{
    const double container = std::max(1.0, m_layout->textWidth() / gridScale());
    QList<double> fractions;
    for (double w : widths)
        fractions.append(w / container);
    if (const auto e = GridEditing::columnWidths(m_coordinator->text(), tableStart, fractions))
        replaceRange(e->range, e->replacement);
}

void MarkdownTextView::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPointF p = e->position() + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const double band = m_layout->geometry().marginBand * m_layout->geometry().scale;
    for (int i = 0; i < m_layout->pageCount(); ++i) {
        const QRectF r = m_layout->sheetRect(i);
        if (p.y() < r.top())
            break;
        if (p.x() < r.left() || p.x() > r.right())
            continue;
        if ((p.y() >= r.top() && p.y() <= r.top() + band) || (p.y() >= r.bottom() - band && p.y() <= r.bottom())) {
            NotificationBus::instance().post(NotificationBus::name(QStringLiteral("editHeaderFooter")));
            return;
        }
    }
    QTextEdit::mouseDoubleClickEvent(e);
}

bool MarkdownTextView::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() || QTextEdit::canInsertFromMimeData(source);
}

void MarkdownTextView::insertFromMimeData(const QMimeData* source)
{
    dismissGhost();
    if (!source->hasText())
        return;
    const QString s = source->text();
    if (m_coordinator->replaceSelectionSpecially(s, false))
        return;
    textCursor().insertText(s);
}

// ---- Inline continuation ----------------------------------------------------------

void MarkdownTextView::textWillChangeByEdit()
{
    // Any edit ends a shown suggestion. It lives only in the layout, so removing it
    // changes nothing in the text.
    dismissGhost();
}

// The block-relative styling of `block` with `length` units of inserted display text
// at `at` (the suggestion), and the suggestion's own dimmed look over them.
static QList<QTextLayout::FormatRange> formatsAroundGhost(const QTextBlock& block, int at, int length, const QColor& dim)
{
    QList<QTextLayout::FormatRange> out;
    for (QTextLayout::FormatRange r : StyledBlocks::formatsOf(block)) {
        if (r.start >= at) {
            r.start += length;
            out.append(r);
        } else if (r.start + r.length > at) {
            QTextLayout::FormatRange tail = r;
            r.length = at - r.start;
            tail.start = at + length;
            tail.length -= r.length;
            out.append(r);
            out.append(tail);
        } else {
            out.append(r);
        }
    }
    QTextLayout::FormatRange ghost{at, length, {}};
    ghost.format.setForeground(dim);
    out.append(ghost);
    return out;
}

void MarkdownTextView::scheduleAutoSuggest()
{
    m_autoTimer.stop();
    if (Settings::instance().boolean(QStringLiteral("aiAutocomplete")) && LLMClient::config())
        m_autoTimer.start();
}

void MarkdownTextView::requestSuggestion(bool manual)
{
    m_autoTimer.stop();
    if (!LLMClient::config()) {
        if (manual)
            beep();
        return;
    }
    if (textCursor().hasSelection() || hasGhost())
        return;
    const int caret = textCursor().position();
    const Autocomplete::Context ctx = Autocomplete::context(text(), caret, Autocomplete::kContextChars);
    if (!Autocomplete::hasEnoughContext(ctx.before)) {
        if (manual)
            beep();
        return;
    }
    if (m_suggestCall)
        m_suggestCall->abort();
    // The document's revision stands for its text: any edit changes it.
    const int revision = document()->revision();
    auto onSuggestion = [this, revision, caret](const QString& suggestion) {
        if (document()->revision() != revision || textCursor().hasSelection() || textCursor().position() != caret
            || !window()->isActiveWindow())
            return;
        showGhost(suggestion);
    };
    m_suggestCall = sendSuggestion ? sendSuggestion(ctx, this, onSuggestion)
                                   : Autocomplete::request(ctx, this, onSuggestion);
}

void MarkdownTextView::showGhost(const QString& suggestion)
{
    dismissGhost();
    if (suggestion.isEmpty() || textLength() == 0 || textCursor().hasSelection())
        return;
    m_ghostText = suggestion;
    m_ghostCursor = textCursor();
    m_ghostAnchor = m_ghostCursor.position();
    // Shown as display text of the caret's line (the layout's pre-edit area), so the
    // rest of the line moves aside; the document never holds it.
    const QTextBlock b = m_ghostCursor.block();
    const int at = m_ghostAnchor - b.position();
    QColor dim = palette().color(QPalette::Text);
    dim.setAlphaF(0.4f);
    b.layout()->setPreeditArea(at, suggestion);
    b.layout()->setFormats(formatsAroundGhost(b, at, int(suggestion.size()), dim));
    document()->markContentsDirty(b.position(), b.length());
    viewport()->update();
}

bool MarkdownTextView::dismissGhost()
{
    if (!hasGhost())
        return false;
    m_ghostText.clear();
    m_ghostAnchor = -1;
    const QTextBlock b = m_ghostCursor.block();
    m_ghostCursor = QTextCursor();
    if (b.isValid()) {
        b.layout()->setPreeditArea(-1, QString());
        b.layout()->setFormats(StyledBlocks::formatsOf(b));
        document()->markContentsDirty(b.position(), b.length());
    }
    viewport()->update();
    return true;
}

void MarkdownTextView::acceptGhost()
{
    if (!hasGhost())
        return;
    const QString text = m_ghostText;
    const int at = std::min(m_ghostAnchor, textLength());
    dismissGhost();
    if (replaceRange({at, 0}, text))
        setSelectedRange({at + int(text.size()), 0});
}

