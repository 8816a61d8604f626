#include "editor/ui/GridTableInteraction.h"

#include "editor/StyleBridge.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/TextUtil.h"
#include "styling/TableTools.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

GridTableInteraction::GridTableInteraction(MarkdownTextView* view)
    : QObject(view),
      m_view(view)
{
    view->viewport()->installEventFilter(this);
    connect(view, &QTextEdit::cursorPositionChanged, this, &GridTableInteraction::updateFrame);
}

QPointF GridTableInteraction::toGrid(QPointF viewportPos) const
{
    const QPointF doc =
        viewportPos + QPointF(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    return doc / m_view->gridScale();
}

QList<double> GridTableInteraction::rowTops(const TableModel& model, int shift) const
{
    PagedDocumentLayout* layout = m_view->pagedLayout();
    const double gs = m_view->gridScale();
    QTextDocument* doc = m_view->document();
    // Laying out the last row's line lays out all before it.
    layout->layOutThrough(doc->findBlock(model.rows.last().range.location + shift));
    const double originY = layout->textOrigin().y();
    QList<double> tops;
    tops.reserve(model.rows.size());
    QTextBlock b = doc->findBlock(model.rows.first().range.location + shift);
    int position = b.position(); // followed along: asking each block for it costs a search
    for (const TableModel::Row& row : model.rows) {
        const int at = row.range.location + shift;
        while (b.isValid() && position + b.length() <= at) {
            position += b.length();
            b = b.next();
        }
        // Rows that are not each a line of their own are stacked from the first.
        if (!b.isValid() || position != at) return {};
        tops.append((originY + layout->blockTop(b)) / gs);
    }
    return tops;
}

QRegion GridTableInteraction::textAreas(const QRectF& clip) const
{
    // Grids are drawn only in the text areas of the sheets, never in the bands, the
    // margins above and below or the gaps between sheets.
    PagedDocumentLayout* layout = m_view->pagedLayout();
    const PageMetrics m = layout->metrics();
    const QRect all = clip.toAlignedRect();
    if (!m.paginates()) return QRegion(all);
    const double top = layout->textOrigin().y();
    const int first = std::max(0, int(std::floor((clip.top() - top) / m.stride)));
    const int last = std::max(first, int(std::floor((clip.bottom() - top) / m.stride)));
    QRegion region;
    for (int i = first; i <= last; ++i) {
        const int y0 = int(std::lround(top + i * m.stride));
        const int y1 = int(std::lround(top + i * m.stride + m.contentPerPage));
        region += QRect(all.left(), y0, all.width(), y1 - y0);
    }
    return region.intersected(all);
}

void GridTableInteraction::updateFrame()
{
    // The frame goes where the caret goes, and away with the keyboard.
    const QPointF scroll(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    if (!m_framed.isNull())
        m_view->viewport()->update(m_framed.translated(-scroll).toAlignedRect().adjusted(-2, -2, 2, 2));
    m_framed = QRectF();
    if (tableAt(m_view->textCursor().position())) m_view->viewport()->update();
}

void GridTableInteraction::paint(QPainter* p, const QRectF& clip)
{
    EditorCoordinator* coordinator = m_view->coordinator();
    QList<TableCellHit> hits;
    QList<TableFrame> frames;
    if (coordinator->storage().length() > 0 && coordinator->styler().concealMarkers)
        paintGridsOnScreen(p, clip, hits, frames);
    m_tableHits = hits;
    m_tableFrames = frames;
    m_hitsRevision = m_view->document()->revision();
    if (m_resize && p) paintResizeGuide(*p);
}

void GridTableInteraction::paintGridsOnScreen(QPainter* p, const QRectF& clip, QList<TableCellHit>& hits,
                                              QList<TableFrame>& frames)
{
    EditorCoordinator* coordinator = m_view->coordinator();
    PagedDocumentLayout* layout = m_view->pagedLayout();
    const AttributedText& storage = coordinator->storage();
    const int length = storage.length();
    // Only the tables on screen: the hit lists describe what the user can click.
    const QPointF scroll(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    const QSize viewport = m_view->viewport()->size();
    // The whole lines at the view's top and bottom: found by their place alone, not hit
    // character by character at every paint.
    const double originY = layout->textOrigin().y();
    const QTextBlock top = layout->blockAtY(scroll.y() - originY);
    const QTextBlock bottom = layout->blockAtY(scroll.y() + viewport.height() - originY);
    const int first = top.isValid() ? top.position() : 0;
    const int last = std::max(first, bottom.isValid() ? bottom.position() + bottom.length() - 1 : length);
    const EditorTheme& theme = coordinator->styler().theme;
    const double gs = m_view->gridScale();
    const GridLook look{gs, TableGridRenderer::Colors::forText(theme.textColor()), theme.scaledFont(theme.baseSize),
                        QRectF(scroll / gs, QSizeF(viewport) / gs)};
    const TableModel* previous = nullptr;
    if (p) {
        p->save();
        p->setClipRegion(textAreas(clip.isValid() ? clip : QRectF(scroll, QSizeF(viewport))), Qt::IntersectClip);
    }
    // Of a long text still being laid out, only the part laid out and the end laid out ahead
    // of it are on screen, not the text waiting between them.
    const int end = std::min(last + 1, length);
    const int waiting = layout->placedUpTo(), ahead = layout->endPlacedFrom();
    const bool between = ahead > waiting && first < ahead && end > waiting;
    for (const auto& [from, to] : {std::pair(first, between ? std::min(end, waiting) : end),
                                   std::pair(between ? std::max(first, ahead) : end, end)}) {
        if (to <= from) continue;
        storage.forEachRun(TextRange(from, to - from), [&](TextRange run, const TextAttributes& a) {
            const TableModel* model = a.tableModel.get();
            if (!model || model == previous || model->rows.isEmpty()) return true;
            previous = model;
            paintGrid(p, *model, run.location, look, hits, frames);
            return true;
        });
    }
    if (p) {
        paintCaretFrame(*p, hits);
        p->restore();
    }
}

void GridTableInteraction::paintGrid(QPainter* p, const TableModel& model, int runStart, const GridLook& look,
                                     QList<TableCellHit>& hits, QList<TableFrame>& frames)
{
    const AttributedText& storage = m_view->coordinator()->storage();
    const int length = storage.length();
    // The model's offsets are those of its last styling; the text may have moved since.
    const int shift = GridEditing::tableModelShift(storage, runStart);
    const int start = model.rows.first().range.location + shift;
    if (start < 0 || start >= length) return;
    const double gs = look.scale;
    const QPointF origin =
        m_view->pagedLayout()->blockBoundingRect(m_view->document()->findBlock(start)).topLeft() / gs;
    const QList<double> tops = rowTops(model, shift);
    const std::optional<QFont>& font = storage.attributesAt(start).font;
    TableGridRenderer::Drawn d;
    if (p) {
        p->save();
        p->scale(gs, gs);
        d = TableGridRenderer::draw(*p, model, origin, font ? *font : look.fallback, look.colors, length - shift, tops,
                                    look.shown);
        paintSelectedRows(*p, model, shift, origin, tops, font ? *font : look.fallback, look.shown);
        p->restore();
    } else if (const auto g = TableGridRenderer::geometry(model, origin, length - shift, tops, look.shown)) {
        d.hits = g->hits;
        d.frame = g->frame;
    }
    for (TableCellHit& h : d.hits) h.source.location += shift;
    hits.append(d.hits);
    if (d.frame) {
        d.frame->sourceStart += shift;
        frames.append(*d.frame);
    }
}

void GridTableInteraction::paintResizeGuide(QPainter& p) const
{
    const double gs = m_view->gridScale();
    QPen pen(m_view->palette().color(QPalette::Highlight), 1.5);
    pen.setDashPattern({4, 3});
    p.save();
    p.setPen(pen);
    for (const QRectF& part : m_resize->frame.parts)
        p.drawLine(QPointF(m_resize->guideX * gs, part.top() * gs), QPointF(m_resize->guideX * gs, part.bottom() * gs));
    p.restore();
}

void GridTableInteraction::paintCaretFrame(QPainter& p, const QList<TableCellHit>& hits)
{
    // The caret on a grid's hidden lines (a cell chosen, a match found) is shown as a frame
    // around its cell.
    if (m_cellEditor) return;
    const auto at = caretCell();
    if (!at) return;
    const double gs = m_view->gridScale();
    const TextRange source = GridEditing::cellSource(*at->model, at->shift, at->cell);
    for (const TableCellHit& h : hits) {
        if (h.source != source) continue;
        p.save();
        p.scale(gs, gs);
        p.setPen(QPen(m_view->palette().color(QPalette::Highlight), 2 / gs));
        p.setBrush(Qt::NoBrush);
        p.drawRect(h.rect.adjusted(1, 1, -1, -1));
        p.restore();
        m_framed = QRectF(h.rect.topLeft() * gs, h.rect.size() * gs);
    }
}

QList<QRectF> GridTableInteraction::selectedRows(const TableModel& model, int shift, QPointF origin,
                                                 const QList<double>& tops, const QRectF& shown) const
{
    const QTextCursor c = m_view->textCursor();
    if (m_cellEditor || !c.hasSelection()) return {};
    const int from = c.selectionStart() - shift;
    const int to = c.selectionEnd() - shift;
    if (to <= model.rows.first().range.location || from >= model.rows.last().range.end()) return {};
    const auto g = TableGridRenderer::geometry(model, origin, m_view->coordinator()->length() - shift, tops, shown);
    if (!g) return {};
    QList<QRectF> rows;
    for (qsizetype r = 0; r < model.rows.size(); ++r) {
        const TableModel::Row& row = model.rows[r];
        // Within one cell the selection is where the caret stands for that cell, shown framed.
        for (const TextRange& cell : row.cellRanges)
            if (from >= cell.location && to <= cell.end()) return {};
        if (from < std::max(row.range.end(), row.range.location + 1) && to > row.range.location)
            rows.append(QRectF(g->frame.rect.left(), g->rowTops[r], g->frame.rect.width(), g->rowHeights[r]));
    }
    return rows;
}

void GridTableInteraction::paintSelectedRows(QPainter& p, const TableModel& model, int shift, QPointF origin,
                                             const QList<double>& tops, const QFont& font, const QRectF& shown) const
{
    // The rows a selection reaches are drawn as selected text is: the grid again in the
    // selection's colours over the selection's background.
    const QList<QRectF> rows = selectedRows(model, shift, origin, tops, shown);
    if (rows.isEmpty()) return;
    const QPalette::ColorGroup group = m_view->hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QPalette& palette = m_view->palette();
    QPainterPath selected;
    for (const QRectF& r : rows) selected.addRect(r);
    p.save();
    p.setClipPath(selected, Qt::IntersectClip);
    for (const QRectF& r : rows) p.fillRect(r, palette.brush(group, QPalette::Highlight));
    const auto colors = TableGridRenderer::Colors::forText(palette.color(group, QPalette::HighlightedText));
    TableGridRenderer::draw(p, model, origin, font, colors, m_view->coordinator()->length() - shift, tops, shown);
    p.restore();
}

namespace {

// Watches the whole program while a cell is open: a press anywhere but in the field (a
// toolbar button that takes no focus, the menu bar) writes the cell back before it acts.
class PressWatcher : public QObject {
public:
    PressWatcher(QWidget* field, std::function<void()> pressedElsewhere)
        : QObject(field),
          m_field(field),
          m_pressed(std::move(pressedElsewhere))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress && watched->isWidgetType() && !ownedByField(watched)) m_pressed();
        return false;
    }

private:
    // The field and what it opens (its context menu is a window of its own).
    bool ownedByField(QObject* o) const
    {
        for (; o; o = o->parent())
            if (o == m_field) return true;
        return false;
    }
    QWidget* m_field;
    std::function<void()> m_pressed;
};

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock: return true;
    default: return false;
    }
}

constexpr auto kCellEditorName = "bwCellEditor";

} // namespace

bool GridTableInteraction::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_view->viewport()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: return mousePress(static_cast<QMouseEvent*>(e));
        case QEvent::MouseMove: return mouseMove(static_cast<QMouseEvent*>(e));
        case QEvent::MouseButtonRelease: return mouseRelease();
        case QEvent::ShortcutOverride: {
            // A key the open field left alone on its way up: a command (Ctrl+S, a menu's
            // key, the palette) acts on the document, so the cell is written back first.
            const auto* k = static_cast<QKeyEvent*>(e);
            const bool command = (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                                 || (k->key() >= Qt::Key_F1 && k->key() <= Qt::Key_F35);
            if (m_cellEditor && command && !isModifierOnly(k->key())) endCellEdit(true);
            return false;
        }
        // A key the open field did not take never moves the hidden caret.
        case QEvent::KeyPress: return bool(m_cellEditor);
        default: return false;
        }
    }
    if (e->type() != QEvent::KeyPress || watched->objectName() != QLatin1String(kCellEditorName)) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const int key = k->key();
    if (watched != m_cellEditor) {
        // A field a command key closed: that key goes on to the view (a user shortcut).
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
            QCoreApplication::sendEvent(m_view, k);
        return true;
    }
    if (k->matches(QKeySequence::MoveToStartOfDocument) || k->matches(QKeySequence::MoveToEndOfDocument)) {
        // To the document's start or end: the cell is written back and the view moves there.
        endCellEdit(true);
        QCoreApplication::sendEvent(m_view, k);
        return true;
    }
    // Return and Escape end the edit here (a line edit passes them on to its parent, where
    // they would break the line at the hidden caret); Tab and the vertical arrows go on to
    // the next cell.
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: endCellEdit(true); return true;
    case Qt::Key_Tab:
        moveCell((k->modifiers() & Qt::ShiftModifier) ? GridEditing::Move::previous : GridEditing::Move::next);
        return true;
    case Qt::Key_Backtab: moveCell(GridEditing::Move::previous); return true;
    case Qt::Key_Up: moveCell(GridEditing::Move::up); return true;
    case Qt::Key_Down: moveCell(GridEditing::Move::down); return true;
    default: return false;
    }
}

bool GridTableInteraction::mousePress(QMouseEvent* e)
{
    m_typedCaret = -1; // the caret goes where the user points
    if (e->button() != Qt::LeftButton) return false;
    // The click may have ended a cell edit (the focus moves first) and moved the grid
    // since it was drawn: hit-test the grid as it stands now.
    if (m_hitsRevision != m_view->document()->revision()) paint(nullptr);
    if (m_tableFrames.isEmpty()) return false;
    const QPointF g = toGrid(e->position());
    if (const auto d = TableGridRenderer::dividerAt(m_tableFrames, g)) {
        endCellEdit(true);
        const TableFrame& f = m_tableFrames[d->frame];
        if (d->divider + 1 < f.widths.size()) {
            const double guide =
                f.rect.left() + std::accumulate(f.widths.begin(), f.widths.begin() + d->divider + 1, 0.0);
            m_resize = Resize{f, d->divider, g.x(), f.widths, guide};
            m_view->viewport()->update();
        }
        return true;
    }
    if (const auto c = TableGridRenderer::sortGlyphAt(m_tableFrames, g)) {
        sortTable(m_tableFrames[c->frame], c->column);
        return true;
    }
    if (const int i = TableGridRenderer::cellAt(m_tableHits, g); i >= 0) {
        beginCellEdit(m_tableHits[i]);
        return true;
    }
    // Below a grid the text edit would put the caret on its last hidden row (a grid that
    // ends the text has no line below it): the click goes to the line after the grid.
    const int at = m_view->cursorForPosition(e->position().toPoint()).position();
    if (const std::optional<At> t = e->modifiers() == Qt::NoModifier ? tableAt(at) : std::nullopt) {
        const int start = t->model->rows.first().range.location + t->shift;
        for (const TableFrame& f : m_tableFrames) {
            if (f.sourceStart != start || g.y() <= f.rect.bottom()) continue;
            leaveTable(at, true);
            return true;
        }
    }
    return false;
}

bool GridTableInteraction::mouseMove(QMouseEvent* e)
{
    const QPointF g = toGrid(e->position());
    if (m_resize) {
        // The frame is in grid units; the 40-point minimum is in points.
        const double minimum = TableGridRenderer::minimumResizedWidth / m_view->gridUnit();
        m_resize->widths = TableGridRenderer::resizedWidths(m_resize->frame.widths, m_resize->divider,
                                                            g.x() - m_resize->pressX, minimum);
        m_resize->guideX =
            m_resize->frame.rect.left()
            + std::accumulate(m_resize->widths.begin(), m_resize->widths.begin() + m_resize->divider + 1, 0.0);
        m_view->viewport()->update();
        return true;
    }
    if (e->buttons() == Qt::NoButton && !m_tableFrames.isEmpty()) {
        QWidget* viewport = m_view->viewport();
        if (TableGridRenderer::dividerAt(m_tableFrames, g))
            viewport->setCursor(Qt::SplitHCursor);
        else if (TableGridRenderer::sortGlyphAt(m_tableFrames, g))
            viewport->setCursor(Qt::PointingHandCursor);
        else
            viewport->setCursor(Qt::IBeamCursor);
    }
    return false;
}

bool GridTableInteraction::mouseRelease()
{
    if (!m_resize) return false;
    const Resize r = *m_resize;
    m_resize.reset();
    writeColumnWidths(r.widths, r.frame.sourceStart);
    m_view->viewport()->update();
    return true;
}

void GridTableInteraction::skipRows(bool forward, bool extend)
{
    // A grid's source rows are hidden under the drawing, so a caret there would be
    // invisible: the keys carry it past the table (cells are edited by clicking them).
    QTextCursor c = m_view->textCursor();
    const auto mode = extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    bool moved = false;
    while (StyledBlocks::paragraphOf(c.block()).rowHeight >= 0) {
        if (!c.movePosition(forward ? QTextCursor::NextBlock : QTextCursor::PreviousBlock, mode)) break;
        moved = true;
    }
    if (!moved) return;
    if (!forward) c.movePosition(QTextCursor::EndOfBlock, mode);
    m_view->setTextCursor(c);
}

void GridTableInteraction::beginCellEdit(const TableCellHit& hit)
{
    TextRange source = hit.source;
    // Writing the open cell back moves the cells after it: follow that edit.
    if (const auto written = endCellEdit(true); written && source.location >= written->range.end())
        source.location += int(written->replacement.size()) - written->range.length;
    if (source.location < 0 || source.end() > m_view->coordinator()->length()) return;
    const QStringView text = m_view->coordinator()->through(source.end());
    const QString original = TextUtil::trimBlanks(QStringView(text).mid(source.location, source.length));
    // A hit from an older drawing that no longer names this cell's text opens nothing.
    if (original != TextUtil::trimBlanks(hit.text)) return;
    const std::optional<At> at = tableAt(source.location);
    if (!at) return;
    m_cellTable = at->model->rows.first().range.location + at->shift;
    m_cell = at->cell;
    m_cellSource = source;
    m_cellOriginal = original;
    m_cellRect = hit.rect;
    // The caret stands on the cell's text while the field is open.
    m_view->setSelectedRange(GridEditing::cellContent(text, source));
    auto* field = new QLineEdit(m_view->viewport());
    field->setObjectName(QLatin1String(kCellEditorName));
    field->setFrame(true);
    field->setText(GridEditing::cellFieldText(m_cellOriginal));
    const EditorTheme& theme = m_view->coordinator()->styler().theme;
    field->setFont(StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), m_view->magnification()));
    connect(field, &QLineEdit::editingFinished, this, [this] { endCellEdit(true); });
    connect(field, &QLineEdit::selectionChanged, this, &GridTableInteraction::showFieldSelection);
    connect(field, &QLineEdit::cursorPositionChanged, this, &GridTableInteraction::showFieldSelection);
    field->installEventFilter(this);
    m_pressWatcher = new PressWatcher(field, [this] { endCellEdit(true); });
    m_cellEditor = field;
    placeCellEditor();
    field->show();
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    updateFrame();
}

void GridTableInteraction::showFieldSelection()
{
    // The view's selection stands for the field's (the status bar counts it): the cell's
    // text while the field has text selected, else a caret in the cell, where the table
    // commands act.
    if (!m_cellEditor || m_cellSource.end() > m_view->coordinator()->length()) return;
    const TextRange content =
        GridEditing::cellContent(m_view->coordinator()->through(m_cellSource.end()), m_cellSource);
    const TextRange shown = m_cellEditor->hasSelectedText() ? content : TextRange(content.location, 0);
    if (m_view->selectedRange() != shown) m_view->setSelectedRange(shown);
}

void GridTableInteraction::placeCellEditor()
{
    if (!m_cellEditor) return;
    const double gs = m_view->gridScale();
    const QPointF scroll(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    const QRectF r(m_cellRect.topLeft() * gs - scroll, m_cellRect.size() * gs);
    m_cellEditor->setGeometry(r.adjusted(1, 1, -1, -1).toRect());
}

std::optional<GridEditing::Edit> GridTableInteraction::endCellEdit(bool commit)
{
    if (!m_cellEditor) return std::nullopt;
    // Clear the state first: removing the field ends its editing, which calls back here.
    QLineEdit* field = m_cellEditor;
    const TextRange source = m_cellSource;
    const QString original = m_cellOriginal;
    m_cellEditor = nullptr;
    m_cellSource = TextRange::notFound();
    const bool hadFocus = field->hasFocus();
    const QString edited = field->text();
    field->disconnect(this);
    delete m_pressWatcher;
    field->hide();
    field->deleteLater();
    std::optional<GridEditing::Edit> written;
    if (commit) {
        const QStringView text = m_view->coordinator()->through(source.end());
        if (const auto e = GridEditing::cellText(text, source, original, edited);
            e && e->replacement != text.mid(e->range.location, e->range.length)
            && m_view->replaceRange(e->range, e->replacement))
            written = e;
    }
    frameCell(written ? TextRange(source.location, int(written->replacement.size())) : source);
    // The keyboard goes back to the view, unless it has gone somewhere else already.
    if (hadFocus || !QApplication::focusWidget()) m_view->setFocus(Qt::OtherFocusReason);
    m_view->viewport()->update();
    return written;
}

void GridTableInteraction::frameCell(TextRange source)
{
    if (source.isNotFound() || source.end() > m_view->coordinator()->length()) return;
    const TextRange content = GridEditing::cellContent(m_view->coordinator()->through(source.end()), source);
    m_view->setSelectedRange(TextRange(content.location, 0));
}

std::optional<GridTableInteraction::At> GridTableInteraction::tableAt(int offset) const
{
    EditorCoordinator* coordinator = m_view->coordinator();
    if (!coordinator->styler().concealMarkers) return std::nullopt;
    const AttributedText& storage = coordinator->storage();
    const QTextBlock block = m_view->document()->findBlock(offset);
    if (!block.isValid() || StyledBlocks::paragraphOf(block).rowHeight < 0) return std::nullopt;
    // The block's first character carries the model; an empty line inside the table, the
    // line break before it.
    for (int index : {block.position(), block.position() - 1}) {
        if (index < 0 || index >= storage.length()) continue;
        const std::shared_ptr<TableModel>& model = storage.attributesAt(index).tableModel;
        if (!model || model->rows.isEmpty()) continue;
        const int shift = GridEditing::tableModelShift(storage, index);
        if (const auto cell = GridEditing::cellAt(*model, shift, offset)) return At{model, shift, *cell};
    }
    return std::nullopt;
}

std::optional<GridTableInteraction::At> GridTableInteraction::caretCell() const
{
    return tableAt(m_view->textCursor().position());
}

std::optional<QRectF> GridTableInteraction::cellRect(int offset) const
{
    const std::optional<At> at = tableAt(offset);
    if (!at) return std::nullopt;
    const auto g = geometryOf(*at->model, at->shift);
    if (!g) return std::nullopt;
    const TextRange source = GridEditing::cellSource(*at->model, at->shift, at->cell);
    const double gs = m_view->gridScale();
    const QPointF scroll(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    for (const TableCellHit& h : g->hits)
        if (h.source == source) return QRectF(h.rect.topLeft() * gs - scroll, h.rect.size() * gs);
    return std::nullopt;
}

std::optional<TableGridRenderer::Geometry> GridTableInteraction::geometryOf(const TableModel& model, int shift) const
{
    const int length = m_view->coordinator()->length();
    const int start = model.rows.first().range.location + shift;
    if (start < 0 || start >= length) return std::nullopt;
    const double gs = m_view->gridScale();
    const QPointF origin =
        m_view->pagedLayout()->blockBoundingRect(m_view->document()->findBlock(start)).topLeft() / gs;
    auto g = TableGridRenderer::geometry(model, origin, length - shift, rowTops(model, shift));
    if (!g) return std::nullopt;
    for (TableCellHit& h : g->hits) h.source.location += shift;
    g->frame.sourceStart += shift;
    return g;
}

std::optional<TableCellHit> GridTableInteraction::cellHitAt(QPointF viewportPos)
{
    // The grids may have moved since they were drawn (a cell written back meanwhile).
    if (m_hitsRevision != m_view->document()->revision()) paint(nullptr);
    const int i = TableGridRenderer::cellAt(m_tableHits, toGrid(viewportPos));
    return i >= 0 ? std::optional(m_tableHits[i]) : std::nullopt;
}

void GridTableInteraction::ensureVisible(const QRectF& rect)
{
    const double gs = m_view->gridScale();
    QScrollBar* bar = m_view->verticalScrollBar();
    const int height = m_view->viewport()->height();
    const int margin = std::min(height / 4, int(rect.height() * gs));
    if (rect.top() * gs < bar->value())
        bar->setValue(int(rect.top() * gs) - margin);
    else if (rect.bottom() * gs > bar->value() + height)
        bar->setValue(int(rect.bottom() * gs) - height + margin);
}

bool GridTableInteraction::openCell(const At& at, bool selectAll)
{
    const auto g = geometryOf(*at.model, at.shift);
    if (!g) return false;
    const TextRange source = GridEditing::cellSource(*at.model, at.shift, at.cell);
    for (const TableCellHit& hit : g->hits) {
        if (hit.source != source) continue;
        ensureVisible(hit.rect);
        beginCellEdit(hit);
        if (!m_cellEditor) return false;
        if (!selectAll) m_cellEditor->end(false);
        return true;
    }
    return false;
}

void GridTableInteraction::moveCell(GridEditing::Move step)
{
    // From the open cell, written back first (its table stays where it starts), or from
    // the caret's.
    std::optional<At> from;
    if (m_cellEditor) {
        const int table = m_cellTable;
        const GridEditing::Cell cell = m_cell;
        endCellEdit(true);
        from = tableAt(table);
        if (from) from->cell = cell;
    } else {
        from = caretCell();
    }
    if (!from) return;
    if (const auto to = GridEditing::move(*from->model, from->cell, step)) {
        openCell(At{from->model, from->shift, *to});
        return;
    }
    const bool forward = step == GridEditing::Move::next || step == GridEditing::Move::down;
    const TableModel::Row& edge = forward ? from->model->rows.last() : from->model->rows.first();
    leaveTable(edge.range.location + from->shift, forward);
}

void GridTableInteraction::leaveTable(int offset, bool forward)
{
    QTextCursor c(m_view->document());
    c.setPosition(std::clamp(offset, 0, m_view->coordinator()->length()));
    bool beyond = true;
    while (beyond && StyledBlocks::paragraphOf(c.block()).rowHeight >= 0)
        beyond = c.movePosition(forward ? QTextCursor::NextBlock : QTextCursor::PreviousBlock);
    if (!beyond) {
        // Nothing after (or before) the table to go to: a line is made for the caret.
        const int at = forward ? m_view->coordinator()->length() : 0;
        if (!m_view->replaceRange(TextRange(at, 0), QStringLiteral("\n"))) return;
        c = QTextCursor(m_view->document());
        c.setPosition(forward ? at + 1 : 0);
    } else if (!forward) {
        c.movePosition(QTextCursor::EndOfBlock);
    }
    m_view->setTextCursor(c);
    m_view->setFocus(Qt::OtherFocusReason);
}

void GridTableInteraction::leaveAtEdge(bool forward)
{
    if (m_cellEditor || m_view->isReadOnly() || !caretCell()) return;
    leaveTable(m_view->textCursor().position(), forward);
}

bool GridTableInteraction::handleKey(QKeyEvent* e)
{
    if (m_cellEditor || m_view->isReadOnly()) return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const std::optional<At> at = caretCell();
    if (!at) return false;
    using M = GridEditing::Move;
    const bool shift = mods & Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Tab: moveCell(shift ? M::previous : M::next); return true;
    case Qt::Key_Backtab: moveCell(M::previous); return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (shift) return false; // a selection grows over the table as over text
        moveCell(e->key() == Qt::Key_Up     ? M::up
                 : e->key() == Qt::Key_Down ? M::down
                 : e->key() == Qt::Key_Left ? M::previous
                                            : M::next);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (typingInSource()) return false;
        [[fallthrough]];
    case Qt::Key_F2: openCell(*at); return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: break;
    default:
        if (e->text().isEmpty() || !e->text().at(0).isPrint()) return false;
    }
    if (typingInSource()) return false;
    // Typing on the framed cell goes on in its field, never into the hidden text.
    if (openCell(*at, false)) QCoreApplication::sendEvent(m_cellEditor, e);
    return true;
}

void GridTableInteraction::noteTyped()
{
    const QTextCursor c = m_view->textCursor();
    m_typedCaret = c.hasSelection() ? -1 : c.position();
}

bool GridTableInteraction::typingInSource() const
{
    // Any move of the caret (a click, an arrow, a command) leaves it elsewhere.
    const QTextCursor c = m_view->textCursor();
    return m_typedCaret >= 0 && !c.hasSelection() && c.position() == m_typedCaret;
}

void GridTableInteraction::enterFrom(int from, int key)
{
    const std::optional<At> at = caretCell();
    if (!at || tableAt(from)) return;
    const TableModel& model = *at->model;
    const bool fromAbove = key == Qt::Key_Down || key == Qt::Key_Right;
    const int row = fromAbove ? 0 : int(model.rows.size()) - 1;
    const int columns = int(model.rows[row].cellRanges.size());
    if (columns == 0) return;
    int column = fromAbove ? 0 : columns - 1;
    const auto g = (key == Qt::Key_Up || key == Qt::Key_Down) ? geometryOf(model, at->shift) : std::nullopt;
    if (g) {
        // The column under the caret's x, or the nearest.
        QTextCursor c(m_view->document());
        c.setPosition(std::clamp(from, 0, m_view->coordinator()->length()));
        const double x = toGrid(m_view->cursorRect(c).center()).x();
        double best = std::numeric_limits<double>::max();
        for (int col = 0; col < columns; ++col) {
            const TextRange source = GridEditing::cellSource(model, at->shift, {row, col});
            for (const TableCellHit& h : g->hits) {
                if (h.source != source) continue;
                const double d = x < h.rect.left() ? h.rect.left() - x : x > h.rect.right() ? x - h.rect.right() : 0;
                if (d < best) best = d, column = col;
            }
        }
    }
    openCell(At{at->model, at->shift, {row, column}});
}

void GridTableInteraction::sortTable(const TableFrame& frame, int column)
{
    endCellEdit(true);
    const QString& text = m_view->coordinator()->text();
    if (const auto e = TableTools::sortTable(text, std::min<int>(frame.sourceStart, int(text.size())), column))
        m_view->replaceRange(e->range, e->replacement);
    m_view->viewport()->update();
}

void GridTableInteraction::writeColumnWidths(const QList<double>& widths, int tableStart)
{
    const double container = std::max(1.0, m_view->pagedLayout()->textWidth() / m_view->gridScale());
    QList<double> fractions;
    for (double w : widths) fractions.append(w / container);
    if (const auto e = GridEditing::columnWidths(m_view->coordinator()->text(), tableStart, fractions))
        m_view->replaceRange(e->range, e->replacement);
}
