// The page layout's drawing: the sheets on the desk, each from a picture made once per look
// and size, then the text of the blocks on screen with the caret.
#include "editor/ui/PagedDocumentLayout.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

bool isRightToLeft(QChar c)
{
    const QChar::Direction d = c.direction();
    return d == QChar::DirR || d == QChar::DirAL || d == QChar::DirRLE || d == QChar::DirRLO || d == QChar::DirRLI;
}

// Draws the caret as tall as its line's text. A text layout draws it as tall as the run
// before it, and a hidden link or image target's tiny run leaves a stub at the baseline.
// Like the layout's own caret it inverts what lies under it, and in a line of mixed
// directions it carries a small flag pointing the way the text before it runs.
void drawCaret(QPainter* p, const QTextLayout& tl, QPointF origin, int position, int width)
{
    const QTextLine line = tl.lineForTextPosition(position);
    if (!line.isValid()) {
        tl.drawCursor(p, origin, position, width);
        return;
    }
    const QPointF at = origin + tl.position() + QPointF(line.cursorToX(position), line.y());
    const double height = line.ascent() + line.descent();
    p->save();
    if (p->paintEngine() && p->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
    p->fillRect(QRectF(at, QSizeF(width, height)), p->pen().brush());
    p->restore();
    const QString text = tl.text().mid(line.textStart(), line.textLength());
    if (!std::any_of(text.begin(), text.end(), isRightToLeft) && tl.textOption().textDirection() != Qt::RightToLeft)
        return;
    const int before = position - 1;
    const double sign = before >= 0 && before < tl.text().size() && isRightToLeft(tl.text().at(before)) ? -1 : 1;
    p->drawLine(QLineF(at, at + QPointF(sign * 2, 2)));
    p->drawLine(QLineF(at + QPointF(0, 4), at + QPointF(sign * 2, 2)));
}

// Rows alike kept below the sheet's head, shown again and again down the sheet.
constexpr int sheetMiddleRows = 64;
} // namespace

// The sheet at `r`, its shadow, and its header and footer captions and band lines, painted
// into `picture` moved up by `from` (logical pixels).
void PagedDocumentLayout::paintSheet(QPixmap& picture, const QRectF& r, double from) const
{
    const double s = m_geo.scale;
    const double band = m_geo.marginBand * s;
    QFont caption;
    caption.setPixelSize(std::max(1, int(std::lround(9 * s))));
    caption.setWeight(QFont::Medium);
    const double ascent = QFontMetricsF(caption).ascent();
    // On the desk: an opaque picture is copied, and the desk around it need not be filled first.
    picture.fill(m_colors.desk);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (from > 0) p.translate(0, -from);
    // A soft shadow: a few widening translucent outlines below the sheet.
    p.setPen(Qt::NoPen);
    for (int k = 4; k >= 1; --k) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(r.adjusted(-k * s, (2 - k) * s, k * s, (2 + k) * s), 2 + k * s, 2 + k * s);
    }
    p.setBrush(m_colors.page);
    p.drawRoundedRect(r, 2, 2);
    // Captions name the bands where printed pages carry their header and footer: the
    // caption's line box starts 6 points above the band's middle.
    p.setFont(caption);
    p.setPen(m_colors.caption);
    p.drawText(QPointF(r.left() + 24 * s, r.top() + band * 0.5 - 6 * s + ascent), tr("Header"));
    p.drawText(QPointF(r.left() + 24 * s, r.bottom() - band * 0.5 - 6 * s + ascent), tr("Footer"));
    p.setPen(QPen(m_colors.bandLine, 0.5));
    p.drawLine(QPointF(r.left() + 24 * s, r.top() + band), QPointF(r.right() - 24 * s, r.top() + band));
    p.drawLine(QPointF(r.left() + 24 * s, r.bottom() - band), QPointF(r.right() - 24 * s, r.bottom() - band));
}

const PagedDocumentLayout::SheetPicture& PagedDocumentLayout::sheetPicture(double dpr) const
{
    const double s = m_geo.scale;
    const double pad = 6 * s + 2; // room for the shadow on every side
    // Looked at by every paint: compared as numbers, not made into a text first.
    const SheetLook key{m_geo.pageWidth,
                        m_geo.sheetHeight,
                        s,
                        dpr,
                        m_geo.marginBand,
                        m_colors.page.rgba(),
                        m_colors.caption.rgba(),
                        m_colors.bandLine.rgba(),
                        m_colors.desk.rgba()};
    if (key == m_sheetKey && !m_sheet.head.isNull()) return m_sheet;
    const QRectF r(pad, pad, m_geo.pageWidth * s, m_geo.sheetHeight * s);
    const double band = m_geo.marginBand * s;
    const int width = int(std::ceil((r.width() + 2 * pad) * dpr));
    m_sheet.offset = QPointF(pad, pad);
    m_sheet.height = int(std::ceil((r.height() + 2 * pad) * dpr));
    // How far from the picture's top or bottom edge the captions, band lines and the
    // rounded corners of the sheet and its shadow reach.
    const int reach = int(std::ceil((pad + std::max(band, band * 0.5 + 14 * s) + 4 * s + 4) * dpr)) + 1;
    // The foot is the whole sheet drawn moved up by `footStart` rows: a move that comes back
    // exactly from the logical one, so that its rows are those of the whole sheet.
    int footStart = m_sheet.height - reach;
    while (footStart > 2 * reach && double(double(footStart) / dpr) * dpr != footStart) --footStart;
    const bool whole = footStart <= 2 * reach;
    m_sheet.top = whole ? m_sheet.height : reach;

    const auto draw = [&](QPixmap& picture, int rows, int from) {
        picture = QPixmap(width, rows);
        picture.setDevicePixelRatio(dpr);
        paintSheet(picture, r, from / dpr);
    };
    draw(m_sheet.head, whole ? m_sheet.height : reach + sheetMiddleRows, 0);
    if (whole)
        m_sheet.foot = QPixmap();
    else
        draw(m_sheet.foot, m_sheet.height - footStart, footStart);
    m_sheetKey = key;
    return m_sheet;
}

void PagedDocumentLayout::drawSheets(QPainter* p, const QRectF& clip) const
{
    const double s = m_geo.scale;
    const int first = std::max(0, int(std::floor((clip.top() - m_geo.deskPad * s) / m_metrics.stride)));
    const double dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
    const SheetPicture& sheet = sheetPicture(dpr);
    const QSizeF logical(sheet.head.width() / dpr, sheet.height / dpr);
    const int footStart = sheet.height - (sheet.foot.isNull() ? 0 : sheet.foot.height());
    const int alike = sheet.head.height() - sheet.top;
    // Every pixel is filled once: by a sheet's picture (the desk around the sheet included)
    // or, outside the pictures, by the desk.
    QRegion desk(clip.toAlignedRect());
    for (int i = first; i < m_pageCount; ++i) {
        const QRectF r = sheetRect(i);
        if (r.top() > clip.bottom() + 20 * s) break;
        // Whole device pixels, so the sheet is copied, not resampled; only the clipped part.
        const QPointF at(std::round((r.left() - sheet.offset.x()) * dpr) / dpr,
                         std::round((r.top() - sheet.offset.y()) * dpr) / dpr);
        const QRectF target = QRectF(at, logical).intersected(clip);
        if (target.isEmpty()) continue;
        const double x = (target.left() - at.x()) * dpr;
        const double y0 = (target.top() - at.y()) * dpr;
        const double y1 = (target.bottom() - at.y()) * dpr;
        // The sheet's rows [from, to), shown from `picture`'s rows starting at `source`.
        const auto rows = [&](int from, int to, const QPixmap& picture, int source) {
            const double a = std::max<double>(from, y0);
            const double b = std::min<double>(to, y1);
            if (b > a)
                p->drawPixmap(QRectF(target.left(), at.y() + a / dpr, target.width(), (b - a) / dpr), picture,
                              QRectF(x, source + a - from, target.width() * dpr, b - a));
        };
        rows(0, sheet.top, sheet.head, 0);
        if (alike > 0) {
            for (int m = sheet.top + std::max(0, int(y0) - sheet.top) / alike * alike; m < footStart && m < y1;
                 m += alike)
                rows(m, std::min(m + alike, footStart), sheet.head, sheet.top);
        }
        rows(footStart, sheet.height, sheet.foot, 0);
        // The whole pixels the picture covers.
        const QPoint from(int(std::ceil(target.left())), int(std::ceil(target.top())));
        const QPoint to(int(std::floor(target.right())), int(std::floor(target.bottom())));
        if (to.x() > from.x() && to.y() > from.y()) desk -= QRect(from, QSize(to.x() - from.x(), to.y() - from.y()));
    }
    for (const QRect& r : desk) p->fillRect(r, m_colors.desk);
}

void PagedDocumentLayout::styleInView(const QRectF& clip)
{
    // Styled, the blocks may change their heights and bring others into view: a few rounds.
    if (m_styledUpTo < 0 || !styleShown) return;
    const double o = textOrigin().y();
    for (int round = 0; round < 4; ++round) {
        const QTextBlock first = blockAtY(clip.top() - o);
        const QTextBlock last = blockAtY(clip.bottom() - o);
        const int end = last.position() + last.length();
        if (end <= m_styledUpTo || !styleShown(first.position(), end)) return;
    }
}

void PagedDocumentLayout::draw(QPainter* painter, const PaintContext& context)
{
    const QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(0, 0), documentSize());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    drawSheets(painter, clip);
    painter->restore();

    const QPointF o = textOrigin();
    m_paintedBottom = clip.bottom() - o.y();
    // Blocks waiting to be moved that come into view are moved now.
    if (m_placement.movesOnly()) {
        const QTextBlock waiting = document()->findBlock(m_placement.position());
        if (waiting.isValid() && blockTop(waiting) + m_placement.shift() <= m_paintedBottom) finishLayout();
    }
    styleInView(clip);
    const int cursorWidth = std::max(1, property("cursorWidth").toInt());
    painter->setPen(context.palette.color(QPalette::Text));
    for (QTextBlock b = blockAtY(clip.top() - o.y()); b.isValid(); b = b.next()) {
        if (isPending(b)) b = tailBlock(); // the end laid out ahead, past the blocks waiting
        if (!b.isValid() || o.y() + blockTop(b) > clip.bottom() || isPending(b)) break;
        hold(b);
        // A grid row's text lies hidden under the grid drawn over it (which draws a selection of
        // its rows too, and frames the caret's cell): nothing of it shows, and drawing its glyphs
        // at every blink of the caret cost as much as the row is long (a megabyte).
        if (StyledBlocks::paragraphOf(b).rowHeight >= 0) continue;
        QTextLayout* tl = b.layout();
        const int bpos = b.position();
        const int blen = b.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& sel : context.selections) {
            const int s0 = std::max(sel.cursor.selectionStart(), bpos);
            const int s1 = std::min(sel.cursor.selectionEnd(), bpos + blen);
            if (s1 > s0
                || (s1 == s0 && sel.format.boolProperty(QTextFormat::FullWidthSelection) && sel.cursor.block() == b))
                selections.append({s0 - bpos, std::max(s1 - s0, 0), sel.format});
        }
        tl->draw(painter, o, selections, clip);
        if (context.cursorPosition >= bpos && context.cursorPosition < bpos + blen)
            drawCaret(painter, *tl, o, context.cursorPosition - bpos, cursorWidth);
    }
    if (overlay) overlay(painter, clip);
    releaseFar(clip);
}
