#include "editor/ui/GridTableInteraction.h"

#include "editor/StyleBridge.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/TextUtil.h"
#include "styling/TableTools.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <numeric>

GridTableInteraction::GridTableInteraction(MarkdownTextView* view)
    : QObject(view),
      m_view(view)
{
    view->viewport()->installEventFilter(this);
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
    layout->blockBoundingRect(doc->findBlock(model.rows.last().range.location + shift));
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

void GridTableInteraction::paint(QPainter* p, const QRectF& clip)
{
    EditorCoordinator* coordinator = m_view->coordinator();
    PagedDocumentLayout* layout = m_view->pagedLayout();
    const AttributedText& storage = coordinator->storage();
    QList<TableCellHit> hits;
    QList<TableFrame> frames;
    const int length = storage.length();
    if (length > 0 && coordinator->styler().concealMarkers) {
        // Only the tables on screen: the hit lists describe what the user can click.
        const QPointF scroll(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
        const QSize viewport = m_view->viewport()->size();
        const int first = std::max(0, layout->hitTest(scroll, Qt::FuzzyHit));
        const int last =
            std::max(first, layout->hitTest(scroll + QPointF(viewport.width(), viewport.height()), Qt::FuzzyHit));
        const double gs = m_view->gridScale();
        const EditorTheme& theme = coordinator->styler().theme;
        const auto colors = TableGridRenderer::Colors::forText(theme.textColor());
        const QFont fallback = theme.scaledFont(theme.baseSize);
        const TableModel* previous = nullptr;
        if (p) {
            p->save();
            p->setClipRegion(textAreas(clip.isValid() ? clip : QRectF(scroll, QSizeF(viewport))), Qt::IntersectClip);
        }
        storage.forEachRun(TextRange(first, std::min(last + 1, length) - first), [&](TextRange run,
                                                                                     const TextAttributes& a) {
            const TableModel* model = a.tableModel.get();
            if (!model || model == previous || model->rows.isEmpty()) return true;
            previous = model;
            // The model's offsets are those of its last styling; the text may have moved since.
            const int shift = GridEditing::tableModelShift(storage, run.location);
            const int start = model->rows.first().range.location + shift;
            if (start < 0 || start >= length) return true;
            const QPointF origin = layout->blockBoundingRect(m_view->document()->findBlock(start)).topLeft() / gs;
            const QList<double> tops = rowTops(*model, shift);
            const std::optional<QFont>& font = storage.attributesAt(start).font;
            TableGridRenderer::Drawn d;
            if (p) {
                p->save();
                p->scale(gs, gs);
                d = TableGridRenderer::draw(*p, *model, origin, font ? *font : fallback, colors, length - shift, tops);
                p->restore();
            } else if (const auto g = TableGridRenderer::geometry(*model, origin, length - shift, tops)) {
                d.hits = g->hits;
                d.frame = g->frame;
            }
            for (TableCellHit& h : d.hits) h.source.location += shift;
            hits.append(d.hits);
            if (d.frame) {
                d.frame->sourceStart += shift;
                frames.append(*d.frame);
            }
            return true;
        });
        if (p) p->restore();
    }
    m_tableHits = hits;
    m_tableFrames = frames;
    m_hitsRevision = m_view->document()->revision();
    if (m_resize && p) {
        const double gs = m_view->gridScale();
        QPen pen(m_view->palette().color(QPalette::Highlight), 1.5);
        pen.setDashPattern({4, 3});
        p->save();
        p->setPen(pen);
        for (const QRectF& part : m_resize->frame.parts)
            p->drawLine(QPointF(m_resize->guideX * gs, part.top() * gs),
                        QPointF(m_resize->guideX * gs, part.bottom() * gs));
        p->restore();
    }
}

bool GridTableInteraction::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_view->viewport()) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: return mousePress(static_cast<QMouseEvent*>(e));
        case QEvent::MouseMove: return mouseMove(static_cast<QMouseEvent*>(e));
        case QEvent::MouseButtonRelease: return mouseRelease();
        default: return false;
        }
    }
    // Return commits the cell here: a line edit passes the key on to its parent, where it
    // would also break the line at the text view's caret.
    if (watched == m_cellEditor && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            endCellEdit(true);
            return true;
        }
    }
    return false;
}

bool GridTableInteraction::mousePress(QMouseEvent* e)
{
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
    m_cellSource = source;
    m_cellOriginal = original;
    m_cellRect = hit.rect;
    auto* field = new QLineEdit(m_view->viewport());
    field->setFrame(true);
    field->setText(m_cellOriginal);
    const EditorTheme& theme = m_view->coordinator()->styler().theme;
    field->setFont(StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), m_view->magnification()));
    connect(field, &QLineEdit::editingFinished, this, [this] { endCellEdit(true); });
    field->installEventFilter(this);
    m_cellEditor = field;
    placeCellEditor();
    field->show();
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
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
    const QString edited = field->text();
    field->disconnect(this);
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
    m_view->setFocus(Qt::OtherFocusReason);
    m_view->viewport()->update();
    return written;
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
