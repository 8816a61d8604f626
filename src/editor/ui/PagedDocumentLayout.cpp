#include "editor/ui/PagedDocumentLayout.h"

#include "editor/LineBreaking.h"
#include "editor/StyledBlocks.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// Blocks that may hold formats and lines at once before those far from the screen let
// go of them: a few screens' worth.
constexpr std::size_t heldBlocks = 1500;

} // namespace

PagedDocumentLayout::PagedDocumentLayout(QTextDocument* doc)
    : QAbstractTextDocumentLayout(doc),
      m_placement(this, [this] { continueLayout(12); })
{
    m_metrics = PageMetrics::compute(m_geo.sheetHeight, m_geo.pageGap, m_geo.vInset);
    m_lastPageSize = doc->pageSize();
    // Made before the view's coordinator, so this hears of an edit before the styling does.
    connect(doc, &QTextDocument::contentsChange, this, &PagedDocumentLayout::noteEdit, Qt::DirectConnection);
}

void PagedDocumentLayout::takeSettingsOf(const PagedDocumentLayout& other)
{
    m_geo = other.m_geo;
    m_metrics = other.m_metrics;
    m_colors = other.m_colors;
    m_direction = other.m_direction;
    m_viewportWidth = other.m_viewportWidth;
    m_sheet = other.m_sheet;
    m_sheetKey = other.m_sheetKey;
}

void PagedDocumentLayout::setIgnoringWholeTextChanges(bool on)
{
    if (on)
        m_hearing = Hearing::WholeIgnored;
    else if (m_hearing == Hearing::WholeIgnored)
        m_hearing = Hearing::Each;
}

void PagedDocumentLayout::withinEdit(const std::function<void()>& f)
{
    const bool was = std::exchange(m_withinEdit, true);
    f();
    m_withinEdit = was;
}

void PagedDocumentLayout::quietly(const std::function<void()>& change) const
{
    const Hearing was = m_hearing;
    m_hearing = Hearing::Quiet;
    change();
    m_hearing = was;
}

void PagedDocumentLayout::announceAll()
{
    m_announcedSize = documentSize();
    Q_EMIT documentSizeChanged(m_announcedSize);
    Q_EMIT update(QRectF(QPointF(0, 0), m_announcedSize));
}

PagedDocumentLayout::~PagedDocumentLayout()
{
    // The blocks' data outlives the layout when the document goes.
    const std::vector<BlockStyleData*> held(m_held.begin(), m_held.end());
    for (BlockStyleData* d : held) StyledBlocks::release(d);
}

BlockStyleData* PagedDocumentLayout::dataOf(const QTextBlock& block) const
{
    auto* data = static_cast<BlockStyleData*>(block.userData());
    if (!data) {
        data = new BlockStyleData;
        const_cast<QTextBlock&>(block).setUserData(data);
    }
    return data;
}

bool PagedDocumentLayout::dropsBlocks() const
{
    // The source is set once, after the layout is made, and stays.
    if (!m_sourced) m_sourced = StyledBlocks::hasFormatSource(document());
    return m_sourced;
}

bool PagedDocumentLayout::holds(const BlockStyleData* data) const
{
    return data->heldLayout || !dropsBlocks();
}

void PagedDocumentLayout::hold(const QTextBlock& block) const
{
    if (!block.isValid() || isPending(block)) return;
    auto* data = static_cast<BlockStyleData*>(block.userData());
    if (!data) return;
    QTextLayout* tl = nullptr;
    if (dropsBlocks() && !data->heldLayout) {
        if (data->height < 0) return; // not placed yet
        tl = block.layout();
        // A block held is drawn again and again (each key, each caret blink, each scrolled
        // frame): its glyphs are kept instead of shaped again for every paint. Releasing it
        // clears its formats, which frees them.
        tl->setCacheEnabled(true);
        // Setting formats notes a change of the block in the document; it is told at once
        // (and ignored here) so that it does not widen the next edit's change.
        quietly([&] {
            tl->setFormats(StyledBlocks::formatsOf(block));
            if (!m_withinEdit) document()->markContentsDirty(block.position(), block.length());
        });
        StyledBlocks::hold(data, tl, &m_held);
    } else if (data->linesDeferred) {
        tl = block.layout();
    } else {
        return;
    }
    data->linesDeferred = false;
    breakInto(tl, data->paragraph, block.text());
    const double top = data->top;
    const double bottom = blockBottom(block);
    // The lines are placed again where the block is (a grid row's at its top).
    data->placedHeight = -1;
    auto* self = const_cast<PagedDocumentLayout*>(this);
    if (self->placeBlock(block, top) != bottom) {
        // Broken otherwise than when the block was measured: what follows moves.
        const double settled = self->paginateFrom(block.next(), block);
        self->updateExtent(top, settled);
    }
}

void PagedDocumentLayout::releaseFar(const QRectF& clip) const
{
    if (m_held.size() <= heldBlocks) return;
    const double margin = 2 * std::max(clip.height(), 1000.0);
    releaseOutside(clip.top() - margin, clip.bottom() + margin);
}

void PagedDocumentLayout::releaseFormats()
{
    if (dropsBlocks()) releaseOutside(std::numeric_limits<double>::max(), 0);
}

void PagedDocumentLayout::releaseOutside(double from, double to) const
{
    const double o = textOrigin().y();
    quietly([&] {
        std::vector<BlockStyleData*> far;
        for (BlockStyleData* d : m_held) {
            const double top = o + d->top;
            if (top + std::max(0.0, d->height) < from || top > to) far.push_back(d);
        }
        for (BlockStyleData* d : far) {
            // Its lines go with its formats; its place, height and line heights stay.
            d->heldLayout->clearFormats();
            StyledBlocks::release(d);
        }
        // Nothing of the text changed; the notes the cleared formats left are told at once.
        if (!m_withinEdit) document()->markContentsDirty(0, 0);
    });
}

void PagedDocumentLayout::setGeometry(const Geometry& g)
{
    const bool rebreak = g.pageWidth != m_geo.pageWidth || g.hInset != m_geo.hInset || g.scale != m_geo.scale;
    m_geo = g;
    m_metrics = PageMetrics::compute(g.sheetHeight * g.scale, g.pageGap * g.scale, g.vInset * g.scale, g.scale);
    if (rebreak || m_batchDepth > 0) {
        relayoutAll();
    } else {
        paginateFrom(document()->begin(), document()->begin());
        if (tailBlock().isValid()) placeTailAtEstimate(false);
        updateExtent();
    }
}

void PagedDocumentLayout::setColors(const Colors& c)
{
    m_colors = c;
    Q_EMIT update(QRectF(QPointF(0, 0), documentSize()));
}

void PagedDocumentLayout::setTextDirection(Qt::LayoutDirection dir)
{
    if (dir == m_direction) return;
    m_direction = dir;
    relayoutAll();
}

void PagedDocumentLayout::setViewportWidth(double w)
{
    if (w == m_viewportWidth) return;
    m_viewportWidth = w;
    // Only the sheets' horizontal position depends on it: no line is broken again.
    m_announcedSize = documentSize();
    Q_EMIT documentSizeChanged(m_announcedSize);
    Q_EMIT update(QRectF(QPointF(0, 0), documentSize()));
}

double PagedDocumentLayout::sheetLeft() const
{
    const double s = m_geo.scale;
    return PageMetrics::sheetLeft(m_viewportWidth, m_geo.pageWidth * s, m_geo.deskPad * s);
}

QRectF PagedDocumentLayout::sheetRect(int page) const
{
    const double s = m_geo.scale;
    return {sheetLeft(), m_geo.deskPad * s + m_metrics.stride * page, m_geo.pageWidth * s, m_geo.sheetHeight * s};
}

QPointF PagedDocumentLayout::textOrigin() const
{
    const double s = m_geo.scale;
    return {sheetLeft() + m_geo.hInset * s, (m_geo.deskPad + m_geo.vInset) * s};
}

double PagedDocumentLayout::textWidth() const
{
    return std::max(1.0, (m_geo.pageWidth - 2 * m_geo.hInset) * m_geo.scale);
}

void PagedDocumentLayout::beginBatch()
{
    if (m_batchDepth++ == 0) m_hearing = Hearing::Batched;
}

void PagedDocumentLayout::endBatch()
{
    if (m_batchDepth > 0 && --m_batchDepth == 0) {
        const bool due = m_hearing == Hearing::BatchedDue;
        m_hearing = Hearing::Each;
        if (due) relayoutAll();
    }
}

void PagedDocumentLayout::relayoutAll()
{
    if (m_batchDepth > 0) {
        m_hearing = Hearing::BatchedDue;
        return;
    }
    const bool end = m_placement.tail() >= 0;
    m_placement.breakFrom(0);
    // Only through the view at once: a new zoom or text size shows without waiting for the
    // first 120 ms of a long text's layout (the view stalled at every step of a size drag).
    continueLayout(120, {}, enoughBelow(0));
    // The end laid out ahead is laid out ahead again: the view may be on it.
    if (end) placeEnd();
}

double PagedDocumentLayout::enoughBelow(double y) const
{
    const double pages = std::max(3 * m_metrics.stride, 4000.0);
    // A change that far below the painted part (the parts of a Replace All going in from the
    // last match) has nobody looking at the pages under it: they are left to the slices.
    if (y > m_paintedBottom + pages) return y;
    return std::max(y, m_paintedBottom) + pages;
}

void PagedDocumentLayout::finishLayout()
{
    if (m_placement.isPending()) continueLayout(1e9, document()->lastBlock());
}

void PagedDocumentLayout::setStyledUpTo(int position)
{
    const bool further = position < 0 || (m_styledUpTo >= 0 && position > m_styledUpTo);
    m_styledUpTo = position;
    if (further && m_placement.isPending()) m_placement.scheduleSlice();
}

void PagedDocumentLayout::continueLayout(double budgetMs, const QTextBlock& until, double fillTo)
{
    if (!m_placement.isPending()) return;
    // Blocks that must be laid out now are styled first.
    if (until.isValid() && !m_placement.movesOnly() && !isStyled(until) && styleThrough)
        styleThrough(until.position() + until.length());
    if (!m_placement.isPending()) return;
    QElapsedTimer t;
    t.start();
    QTextBlock b = document()->findBlock(m_placement.position());
    if (b.position() != m_placement.position() && b.isValid()) b = b.next();
    double y = b.previous().isValid() ? blockBottom(b.previous()) : 0;
    const double top = y;
    int n = 0;
    bool waiting = false; // for the styling
    const QTextBlock tail = tailBlock();
    for (; b.isValid(); b = b.next()) {
        if (b == tail) {
            // The end laid out ahead moves to where it truly lies, the view keeping the
            // caret's line where it was (MarkdownTextView::followHeldCaretLine).
            y = placeTail(y, false);
            b = QTextBlock();
            break;
        }
        const bool asked = until.isValid() && until.position() >= b.position();
        if (++n % 32 == 0 && t.elapsed() > budgetMs && !asked) break;
        if (fillTo >= 0 && y > fillTo && !asked) break;
        // Blocks to be moved wait too: restyled, each would move those after it again.
        if (!isStyled(b) && !asked) {
            waiting = true;
            break;
        }
        if (!m_placement.movesOnly()) breakLines(b);
        y = placeBlock(b, y);
        // Past where the end was estimated to begin: it is estimated again, further down.
        if (tail.isValid() && y > blockTop(tail)) placeTail(estimatedTop(b.next().position(), y), false);
    }
    if (b.isValid() && m_placement.movesOnly()) m_placement.setShift(y - blockTop(b));
    m_placement.laidOutUpTo(b.isValid() ? b.position() : -1);
    if (m_placement.isPending() && !waiting) m_placement.scheduleSlice();
    // What was laid out, and below it the part still estimated (or no longer there).
    updateExtent(top, -1);
}

// What one change of the text does, in phases:
//  1. whether it is heard at all (hears): not while formats are handed to held blocks, nor a
//     resize or a document being taken announced as a change of the whole text, nor within
//     a batch, which only notes that a relayout is due;
//  2. the lazy placement: a change within the blocks still waiting is laid out with them
//     (changeWaiting); one before them moves where they start;
//  3. the blocks it reached (changedBlocks): a large change lays out its start now and the
//     rest in slices;
//  4. those blocks broken into lines again and the blocks below placed until their positions
//     converge with the previous pass (layOutChanged), the band that changed repainted.
void PagedDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    if (!hears(from, charsRemoved, charsAdded)) return;
    if (m_placement.isPending()) {
        // An edit of the end laid out ahead is laid out at once, within it.
        const bool atEnd = m_placement.tail() >= 0 && from >= m_placement.tail();
        if (reachesIntoTail(from, charsRemoved, charsAdded)) return;
        const bool waiting = !atEnd && from >= m_placement.position();
        m_placement.followEdit(from, charsRemoved, charsAdded);
        if (waiting) {
            changeWaiting(from, charsAdded);
            return;
        }
    }
    const auto [first, last] = changedBlocks(from, charsAdded);
    if (last.blockNumber() - first.blockNumber() > 1000) {
        // A large change (a new text, a restyle of everything): lay out its start now
        // and the rest in slices. One in the end laid out ahead leaves the blocks waiting
        // before it waiting, and the end is laid out ahead again.
        const bool atEnd = inTail(first);
        m_placement.breakFrom(atEnd ? m_placement.position() : first.position());
        continueLayout(120, {}, enoughBelow(0));
        if (atEnd) placeEnd(false); // styled (or held back) by the edit already
        return;
    }
    layOutChanged(first, last);
}

bool PagedDocumentLayout::hears(int from, int removed, int added)
{
    if (m_hearing == Hearing::Quiet) return false;
    QTextDocument* doc = document();
    const bool whole = from == 0 && removed == 0 && added == doc->characterCount();
    const QSizeF pageSize = doc->pageSize();
    if (pageSize != m_lastPageSize) {
        m_lastPageSize = pageSize;
        // The text edit announces a resize as a change of the whole text; the lines
        // depend on the page, not on the view, so only the sheets move.
        if (whole) {
            setViewportWidth(pageSize.width());
            return false;
        }
    } else if (m_hearing == Hearing::WholeIgnored && whole) {
        return false;
    }
    if (m_batchDepth > 0) {
        m_hearing = Hearing::BatchedDue;
        return false;
    }
    return true;
}

void PagedDocumentLayout::changeWaiting(int from, int added)
{
    QTextDocument* doc = document();
    // The edit lies in the part still to be laid out; where that part only waits to
    // be moved, the edited blocks are broken again when they are placed.
    if (m_placement.movesOnly()) {
        const QTextBlock last = doc->findBlock(from + added);
        for (QTextBlock b = doc->findBlock(from); b.isValid(); b = b.next()) {
            breakLines(b);
            if (b == last) break;
        }
    }
    updateExtent(blockBottom(doc->findBlock(m_placement.position()).previous()), -1);
}

std::pair<QTextBlock, QTextBlock> PagedDocumentLayout::changedBlocks(int from, int added) const
{
    QTextDocument* doc = document();
    QTextBlock first = doc->findBlock(std::max(0, from));
    if (!first.isValid()) first = doc->begin();
    const int end = from + added;
    QTextBlock last = end >= doc->characterCount() ? doc->lastBlock() : doc->findBlock(end);
    if (!last.isValid() || last.blockNumber() < first.blockNumber()) last = first;
    // A change that ends where the next block begins reaches only this block's break, unless
    // it split the block (a Return), which noteEdit tells apart.
    if (last == first.next() && last.position() == end && m_edited && m_edited->position == first.position())
        last = first;
    return {first, last};
}

void PagedDocumentLayout::layOutChanged(const QTextBlock& first, const QTextBlock& last)
{
    const double end0 = m_placement.isPending() ? -1 : m_usedBottom;
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        breakLines(b);
        if (b == last) break;
    }
    if (m_placement.isPending() && last.position() >= m_placement.position() && !inTail(first))
        m_placement.laidOutUpTo(last.next().isValid() ? last.next().position() : -1);
    // Only the blocks from the edited one down to where positions converged change on screen.
    double top = first.previous().isValid() ? blockBottom(first.previous()) : 0;
    double settled = paginateFrom(first, last);
    // Past the end of the text the sheet is blank: an edit of the last blocks changes it
    // down to the lower of the old and the new end.
    if (settled < 0 && end0 >= 0 && !m_placement.isPending())
        settled = std::max(end0, blockBottom(document()->lastBlock()));
    // An edit inside one block that kept its place and height: only the lines that differ.
    if (first == last && settled >= 0 && settled == blockBottom(first)) {
        if (const auto lines = changedLines(first)) std::tie(top, settled) = *lines;
    }
    m_edited.reset();
    updateExtent(top, settled);
}

void PagedDocumentLayout::noteEdit(int from, int removed, int added)
{
    m_edited.reset();
    if (m_batchDepth > 0) return;
    const QTextBlock b = document()->findBlock(from);
    const auto* data = b.isValid() ? static_cast<const BlockStyleData*>(b.userData()) : nullptr;
    if (!data || !data->heldLayout || data->height < 0 || data->linesDeferred || data->paragraph.rowHeight >= 0
        || isPending(b))
        return;
    const QTextLayout* tl = b.layout();
    const int n = tl->lineCount();
    if (n == 0) return;
    // The text changed already; the lines are still those of the text before. An edit that
    // split or joined blocks leaves a block whose old lines do not add up to it.
    const QTextLine lastLine = tl->lineAt(n - 1);
    if (lastLine.textStart() + lastLine.textLength() + added - removed != b.length() - 1) return;
    EditedBlock e;
    e.position = b.position();
    e.from = from - b.position();
    e.removed = removed;
    e.added = added;
    e.top = data->top;
    e.height = data->height;
    e.paragraph = data->paragraph;
    e.formats = tl->formats();
    e.lines.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const QTextLine l = tl->lineAt(i);
        e.lines.push_back({l.textStart(), l.textLength(), l.y(), l.height()});
    }
    m_edited = std::move(e);
}

std::optional<std::pair<double, double>> PagedDocumentLayout::changedLines(const QTextBlock& block) const
{
    if (!m_edited || m_edited->position != block.position()) return std::nullopt;
    const EditedBlock& e = *m_edited;
    const auto* data = static_cast<const BlockStyleData*>(block.userData());
    if (!data || !data->heldLayout || data->top != e.top || data->height != e.height
        || !(data->paragraph == e.paragraph))
        return std::nullopt;
    const QTextLayout* tl = block.layout();
    if (tl->lineCount() != int(e.lines.size())) return std::nullopt;
    // The formats over [start, start + length), relative to `start`.
    auto within = [](const QList<QTextLayout::FormatRange>& formats, int start, int length) {
        QList<QTextLayout::FormatRange> out;
        for (const QTextLayout::FormatRange& r : formats) {
            const int s = std::max(r.start, start);
            const int t = std::min(r.start + r.length, start + length);
            if (t > s) out.append({s - start, t - s, r.format});
        }
        return out;
    };
    const QList<QTextLayout::FormatRange> formats = tl->formats();
    std::optional<double> top;
    double bottom = 0;
    for (int i = 0; i < tl->lineCount(); ++i) {
        const QTextLine l = tl->lineAt(i);
        const EditedBlock::Line& old = e.lines[std::size_t(i)];
        // The same text: wholly before the edit and where it was, or wholly after it and
        // moved by what it added.
        const bool before = old.start + old.length <= e.from && l.textStart() == old.start;
        const bool after = old.start >= e.from + e.removed && l.textStart() == old.start + e.added - e.removed;
        const bool same = (before || after) && l.textLength() == old.length && l.y() == old.y
                          && l.height() == old.height
                          && within(formats, l.textStart(), l.textLength()) == within(e.formats, old.start, old.length);
        if (same) continue;
        if (!top) top = l.y();
        bottom = l.y() + l.height();
    }
    if (!top) return std::pair(e.top, e.top); // nothing differs
    return std::pair(e.top + *top, e.top + bottom);
}

void PagedDocumentLayout::breakLines(const QTextBlock& block)
{
    BlockStyleData* data = dataOf(block);
    data->placedHeight = -1;
    data->height = -1;
    data->lineCount = 0;
    // A grid row takes the grid's height, whatever its hidden lines are: they are broken
    // only once something asks for them (the caret, a click, painting), so a pasted table
    // of ten thousand rows is placed without shaping every row's source.
    data->linesDeferred = data->paragraph.rowHeight >= 0;
    if (!holds(data)) return; // a block that holds no lines is measured when it is placed
    if (data->linesDeferred)
        block.layout()->clearLayout();
    else
        breakInto(block.layout(), data->paragraph, block.text());
}

Qt::Alignment PagedDocumentLayout::visualAlignment(Qt::Alignment alignment, const QString& text) const
{
    // A text layout reads "leading" as left whatever the direction: a right-to-left
    // paragraph (by the setting, or by its first strong letter) starts at the right margin.
    if (alignment & Qt::AlignAbsolute || !(alignment & (Qt::AlignLeft | Qt::AlignRight))) return alignment;
    const bool rightToLeft =
        m_direction == Qt::RightToLeft || (m_direction == Qt::LayoutDirectionAuto && text.isRightToLeft());
    if (!rightToLeft) return alignment;
    const Qt::Alignment mirrored = (alignment & Qt::AlignLeft) ? Qt::AlignRight : Qt::AlignLeft;
    return (alignment & ~Qt::Alignment(Qt::AlignLeft | Qt::AlignRight)) | mirrored | Qt::AlignAbsolute;
}

void PagedDocumentLayout::breakInto(QTextLayout* tl, const BlockParagraph& para, const QString& text) const
{
    ++m_linesBroken;
    QTextOption opt = document()->defaultTextOption();
    opt.setAlignment(visualAlignment(para.alignment, text));
    opt.setTextDirection(m_direction);
    opt.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    tl->setTextOption(opt);
    tl->beginLayout();
    LineBreaking::breakLines(*tl, text, textWidth());
    tl->endLayout();
}

const QTextLayout& PagedDocumentLayout::measure(const QTextBlock& block, const BlockParagraph& para) const
{
    const QList<QTextLayout::FormatRange> formats = StyledBlocks::formatsOf(block);
    QTextLayout& tl = formats.isEmpty() ? m_plainScratch : m_scratch;
    const QString text = block.text();
    tl.setText(text);
    tl.setFont(document()->defaultFont());
    if (!formats.isEmpty()) tl.setFormats(formats);
    breakInto(&tl, para, text);
    return tl;
}

double PagedDocumentLayout::placeBlock(const QTextBlock& block, double y)
{
    BlockStyleData* data = dataOf(block);
    QTextLayout* tl = holds(data) ? block.layout() : nullptr;
    const BlockParagraph para = data->paragraph;
    const double s = m_geo.scale;
    if (para.rowHeight >= 0) {
        // A grid row reserves exactly the row's height; its hidden source lines stack at the top.
        const double h = para.rowHeight * s;
        y += h > 0 ? m_metrics.lineShift(y, h) : 0;
        if (tl) {
            tl->setPosition(QPointF(0, y));
            for (int i = 0; i < tl->lineCount(); ++i) tl->lineAt(i).setPosition(QPointF(0, 0));
        }
        data->top = y;
        data->height = h;
        return y + h;
    }
    data->top = y;
    if (tl) tl->setPosition(QPointF(0, y));
    // A block moved by an edit above it keeps its lines where they are relative to it
    // as long as it still fits on one page: only its position changes.
    if (data->placedHeight >= 0 && data->placedHeight < m_metrics.contentPerPage
        && m_metrics.lineShift(y, data->placedHeight) == 0) {
        data->height = data->placedHeight + para.spacingAfter * s;
        return y + data->height;
    }
    if (tl) {
        data->setLineHeights(*tl);
    } else if (data->lineCount == 0) {
        data->setLineHeights(measure(block, para));
    }
    double ly = 0;
    bool moved = false;
    const int n = data->lineCount;
    for (int i = 0; i < n; ++i) {
        const double h = data->lineHeightAt(i);
        const double shift = m_metrics.lineShift(y + ly, h);
        moved |= shift != 0;
        ly += shift;
        if (tl) tl->lineAt(i).setPosition(QPointF(0, ly));
        ly += h;
        if (i + 1 < n) ly += para.lineSpacing * s;
    }
    data->placedHeight = moved || n == 0 ? -1 : ly;
    data->height = n == 0 ? 0 : ly + para.spacingAfter * s;
    return y + data->height;
}

double PagedDocumentLayout::blockTop(const QTextBlock& block) const
{
    const auto* data = static_cast<const BlockStyleData*>(block.userData());
    return data ? data->top : 0;
}

double PagedDocumentLayout::blockBottom(const QTextBlock& block) const
{
    const auto* data = static_cast<const BlockStyleData*>(block.userData());
    return data ? data->top + std::max(0.0, data->height) : 0;
}

double PagedDocumentLayout::paginateFrom(QTextBlock block, const QTextBlock& lastDirty)
{
    if (!block.isValid()) return -1;
    // The first block of the end laid out ahead stays where it lies: the block above it
    // waits, and its place is none to go by (it may never have had one).
    const QTextBlock above = block.previous();
    double y = !above.isValid() ? 0 : isPending(above) ? blockTop(block) : blockBottom(above);
    bool pastDirty = false;
    const double enough = enoughBelow(y);
    for (; block.isValid(); block = block.next()) {
        if (isPending(block) && !(block.position() <= lastDirty.position())) {
            if (m_placement.movesOnly()) m_placement.setShift(y - blockTop(block));
            break;
        }
        // Past the re-broken blocks, a block that starts where it started before keeps
        // every line where it was, and so does everything after it.
        if (pastDirty) {
            const auto* data = static_cast<const BlockStyleData*>(block.userData());
            if (data && data->height >= 0 && data->top == y) return y;
            // (Blocks waiting to be moved below wait from here then: they are placed one after
            // the other, however far each has to move.)
            if ((!m_placement.isPending() || m_placement.movesOnly()) && y > enough && data && data->height >= 0) {
                m_placement.moveFrom(block.position(), y - data->top);
                m_placement.scheduleSlice();
                return -1;
            }
        }
        y = placeBlock(block, y);
        if (block == lastDirty) pastDirty = true;
    }
    return -1;
}

void PagedDocumentLayout::updateExtent(double from, double to)
{
    QTextDocument* doc = document();
    const int pending = m_placement.position();
    if (tailBlock().isValid()) {
        // The end laid out ahead ends the text.
        m_usedBottom = blockBottom(doc->lastBlock());
    } else if (m_placement.movesOnly()) {
        // The rest keeps its heights: it ends where it ended, moved.
        const QTextBlock last = doc->lastBlock();
        m_usedBottom = (last.isValid() ? blockBottom(last) : 0) + m_placement.shift();
    } else if (m_placement.isPending()) {
        // Until the rest is laid out, estimate its height from the part that is.
        const QTextBlock lastDone = doc->findBlock(pending).previous();
        const double done = lastDone.isValid() ? blockBottom(lastDone) : 0;
        m_usedBottom = pending > 0 ? done * doc->characterCount() / pending : done;
    } else {
        const QTextBlock last = doc->lastBlock();
        m_usedBottom = last.isValid() ? blockBottom(last) : 0;
    }
    const int pages = m_metrics.pageCount(m_usedBottom);
    if (pages != m_pageCount) Q_EMIT pageCountChanged(pages);
    const int before = m_pageCount;
    m_pageCount = pages;
    // The text edit resets its scroll bars on every announcement, which repaints them and
    // the frame around the view: announce only a size that changed.
    if (documentSize() != m_announcedSize) {
        m_announcedSize = documentSize();
        m_announcingSize = true;
        Q_EMIT documentSizeChanged(m_announcedSize);
        m_announcingSize = false;
    }
    if (from <= 0 && to < 0) {
        Q_EMIT update(QRectF(QPointF(0, 0), documentSize()));
        return;
    }
    // Lines moved to a next page leave the rest of their page blank, and a shorter text
    // leaves its old end: the repainted band reaches the end when nothing settled. Text
    // changes only on the sheets, not on the desk beside them.
    const double o = textOrigin().y();
    double top = o + from - 2;
    double bottom = to < 0 ? documentSize().height() : o + std::max(to, 0.0) + 2;
    double left = sheetLeft();
    double width = m_geo.pageWidth * m_geo.scale;
    if (pages != before) {
        // Sheets came or went below the last one both counts share: only the desk from its
        // foot down changes. (While a long text is laid out, the estimated count changes
        // with every slice, far below the screen.)
        top = std::min(top, sheetRect(std::min(before, pages) - 1).bottom());
        bottom = documentSize().height();
        left = 0;
        width = documentSize().width();
    }
    if (bottom > top) Q_EMIT update(QRectF(left, top, width, bottom - top));
}

QSizeF PagedDocumentLayout::documentSize() const
{
    const double s = m_geo.scale;
    const double w = std::max(m_viewportWidth, (m_geo.pageWidth + 2 * m_geo.deskPad) * s);
    const double h =
        2 * m_geo.deskPad * s + m_pageCount * m_geo.sheetHeight * s + (m_pageCount - 1) * m_geo.pageGap * s;
    return {w, h};
}

QRectF PagedDocumentLayout::frameBoundingRect(QTextFrame*) const
{
    return {QPointF(0, 0), documentSize()};
}

QRectF PagedDocumentLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (!block.isValid()) return {};
    // The text edit asks for a block's rectangle before it uses its lines.
    // (A block just above the end laid out ahead joins it instead.)
    auto* self = const_cast<PagedDocumentLayout*>(this);
    const QPointF o = textOrigin();
    if (isPending(block) && !self->growTail(block) && !self->laysOutWhenAsked(block)) {
        if (askedAhead) askedAhead();
        return {o.x(), o.y() + estimatedY(block.position()), textWidth(), 0};
    }
    if (isPending(block)) self->continueLayout(0, block);
    hold(block);
    const double top = blockTop(block);
    return {o.x(), o.y() + top, textWidth(), std::max(0.0, blockBottom(block) - top)};
}

QTextBlock PagedDocumentLayout::blockAtY(double y) const
{
    const QTextDocument* doc = document();
    int lo = 0, hi = doc->blockCount() - 1;
    const QTextBlock tail = tailBlock();
    if (tail.isValid() && y >= blockTop(tail))
        lo = tail.blockNumber();
    else if (m_placement.position() > 0)
        hi = std::max(0, doc->findBlock(m_placement.position()).blockNumber() - 1);
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (blockTop(doc->findBlockByNumber(mid)) <= y)
            lo = mid;
        else
            hi = mid - 1;
    }
    return doc->findBlockByNumber(lo);
}

int PagedDocumentLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const
{
    const QPointF o = textOrigin();
    const double tx = point.x() - o.x();
    const double ty = point.y() - o.y();
    const QTextBlock b = blockAtY(ty);
    if (!b.isValid()) return -1;
    hold(b);
    const QTextLayout* tl = b.layout();
    const double by = blockTop(b);
    const int n = tl->lineCount();
    if (n == 0) return b.position();
    int index = n - 1;
    for (int i = 0; i < n; ++i) {
        const QTextLine line = tl->lineAt(i);
        if (ty < by + line.y() + line.height()) {
            index = i;
            break;
        }
    }
    const QTextLine line = tl->lineAt(index);
    if (accuracy == Qt::ExactHit) {
        const QRectF r = line.naturalTextRect().translated(0, by);
        if (!r.contains(QPointF(tx, ty))) return -1;
    }
    return b.position() + line.xToCursor(tx, QTextLine::CursorBetweenCharacters);
}
