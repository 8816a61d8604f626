#include "styling/TableGrid.h"

#include "platform/TextUtil.h"
#include "styling/AttributedText.h"
#include "styling/TableTools.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace TableGridRenderer {

namespace {

constexpr double heightLimit = 100000;

// Breaks `tl`'s text into lines at most `width` wide: at word boundaries, inside a word
// only when that word alone is wider. Returns the height of the lines, each with the
// font's leading above it. Cells are measured and drawn through this one function, so a
// cell's text always takes the lines its row height was measured for.
double breakCellText(QTextLayout& tl, double width, Qt::Alignment align = Qt::AlignLeft)
{
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    tl.setTextOption(option);
    const double leading = QFontMetricsF(tl.font()).leading();
    double y = 0;
    tl.beginLayout();
    for (QTextLine line = tl.createLine(); line.isValid() && y < heightLimit; line = tl.createLine()) {
        line.setLineWidth(width);
        y += leading;
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    tl.endLayout();
    return y;
}

// Measurements of cell texts in one font, kept between restyles: typing in a large
// table restyles all of it, and all but the edited cell measure as before.
struct MeasureCache {
    QHash<QString, double> widths;
    QHash<QString, std::pair<double, double>> heights; // text -> (wrap width, height)
};

// Shared, so that a measurer keeps its cache alive whatever happens to the table.
std::shared_ptr<MeasureCache> cacheFor(const QString& fontKey)
{
    constexpr qsizetype maxFonts = 8;
    constexpr qsizetype maxEntries = 100000;
    thread_local QHash<QString, std::shared_ptr<MeasureCache>> caches;
    if (!caches.contains(fontKey) && caches.size() >= maxFonts) caches.clear();
    std::shared_ptr<MeasureCache>& c = caches[fontKey];
    if (!c) c = std::make_shared<MeasureCache>();
    if (c->widths.size() > maxEntries) c->widths.clear();
    if (c->heights.size() > maxEntries) c->heights.clear();
    return c;
}

// Measures cell texts in one font. Short Latin texts that fit on one line all have
// the font's own line height, so only the others are laid out for their height.
class Measurer {
public:
    explicit Measurer(const QFont& font)
        : m_font(font),
          m_metrics(font),
          m_cache(cacheFor(font.key())),
          m_base(std::ceil(m_metrics.ascent() + m_metrics.descent())),
          m_oneLine(std::ceil(measureWrapped(QStringLiteral("Xg"), 1e6)))
    {}

    double width(const QString& s) const
    {
        const auto it = m_cache->widths.constFind(s);
        if (it != m_cache->widths.cend()) return *it;
        const double w = m_metrics.horizontalAdvance(s);
        m_cache->widths.insert(s, w);
        return w;
    }
    double baseHeight() const { return m_base; }

    // `knownWidth` is the text's single-line width when already measured (else < 0).
    double wrappedHeight(const QString& s, double wrap, double knownWidth = -1) const
    {
        if (s.isEmpty()) return 0;
        if (isPlainLatin(s) && (knownWidth >= 0 ? knownWidth : width(s)) <= wrap) return m_oneLine;
        const auto it = m_cache->heights.constFind(s);
        if (it != m_cache->heights.cend() && it->first == wrap) return it->second;
        const double h = std::ceil(measureWrapped(s, wrap));
        m_cache->heights.insert(s, {wrap, h});
        return h;
    }

private:
    static bool isPlainLatin(const QString& s)
    {
        return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x250; });
    }
    double measureWrapped(const QString& s, double wrap) const
    {
        QTextLayout tl(s, m_font);
        return breakCellText(tl, wrap);
    }

    QFont m_font;
    QFontMetricsF m_metrics;
    std::shared_ptr<MeasureCache> m_cache;
    double m_base;
    double m_oneLine;
};

Qt::Alignment alignmentOf(const TableModel& m, int column)
{
    const Qt::Alignment a = column < m.aligns.size() ? m.aligns[column] : Qt::AlignLeft;
    return a & Qt::AlignHorizontal_Mask ? (a & Qt::AlignHorizontal_Mask) : Qt::AlignLeft;
}

} // namespace

QString displayText(QStringView cell)
{
    QString s = TableTools::unescapeCell(cell);
    s.remove(QStringLiteral("**"));
    s.remove(QStringLiteral("__"));
    s.remove(QStringLiteral("~~"));
    s.remove(u'`');
    return TextUtil::trimBlanks(s);
}

QFont bodyFont(const QFont& font)
{
    QFont f = font;
    f.setBold(false);
    f.setItalic(false);
    return f;
}

QFont boldFont(const QFont& body)
{
    QFont f = body;
    f.setBold(true);
    return f;
}

namespace {

// A header cell with a sort glyph keeps room for it beside its text.
bool showsSortGlyph(bool header, qsizetype rowCount, double width)
{
    return header && rowCount >= 2 && width > sortGlyphMinimumColumn;
}

double wrapWidth(const QList<double>& widths, int column, double glyphRoom)
{
    if (column >= widths.size()) return std::max(1.0, fallbackWrapWidth);
    return std::max(1.0, widths[column] - horizontalMargin - glyphRoom);
}

// One row's height. `single` holds the row's single-line cell widths when the caller
// measured them already; `cellHeights`, when given, receives each cell's text height;
// a cell whose `keep` flag is set takes its height from `before` instead of measuring.
double rowHeight(const TableModel::Row& row, qsizetype rowCount, int columns, const Measurer& m,
                 const QList<double>& widths, const double* single, double* cellHeights = nullptr,
                 const double* before = nullptr, const QList<bool>& keep = {})
{
    double h = m.baseHeight();
    const int n = std::min(columns, int(row.cells.size()));
    for (int c = 0; c < n; ++c) {
        const double room = showsSortGlyph(row.isHeader, rowCount, widths.value(c)) ? sortGlyphTextRoom : 0;
        const double cell =
            before && keep.value(c)
                ? before[c]
                : m.wrappedHeight(displayText(row.cells[c]), wrapWidth(widths, c, room), single ? single[c] : -1);
        if (cellHeights) cellHeights[c] = cell;
        h = std::max(h, cell);
    }
    return h + verticalMargin;
}

} // namespace

Layout layout(const QList<TableModel::Row>& rows, int columns, const QFont& body, double available,
              const std::optional<QList<double>>& explicitWidths)
{
    Measurements unused;
    return relayout(rows, columns, body, available, explicitWidths, Measurements(), {}, unused);
}

Layout relayout(const QList<TableModel::Row>& rows, int columns, const QFont& body, double available,
                const std::optional<QList<double>>& explicitWidths, const Measurements& previous,
                const QList<qsizetype>& previousRow, Measurements& kept)
{
    const Measurer regular(body);
    const Measurer heavy(boldFont(body));
    const int stride = std::max(columns, 0);
    const qsizetype rowCount = rows.size();

    // Rows whose cells, font and column count are as they were measured before (and
    // whose header showed a sort glyph then as now).
    const bool comparable = previous.fontKey == body.key() && previous.columns == columns
                            && (previous.header.size() >= 2) == (rowCount >= 2);
    QList<qsizetype> from(rowCount, -1);
    for (qsizetype r = 0; comparable && r < rowCount && r < previousRow.size(); ++r) {
        const qsizetype p = previousRow[r];
        if (p >= 0 && p < previous.header.size() && previous.header[p] == rows[r].isHeader) from[r] = p;
    }

    Measurements m;
    m.fontKey = body.key();
    m.columns = columns;
    m.header.reserve(rowCount);
    m.single = QList<double>(rowCount * stride, -1.0);
    for (qsizetype r = 0; r < rowCount; ++r) {
        const TableModel::Row& row = rows[r];
        m.header.append(row.isHeader);
        double* single = m.single.data() + r * stride;
        if (from[r] >= 0) {
            std::copy_n(previous.single.constData() + from[r] * stride, stride, single);
            continue;
        }
        const Measurer& measurer = row.isHeader ? heavy : regular;
        const int cells = std::min(columns, int(row.cells.size()));
        for (int c = 0; c < cells; ++c) single[c] = measurer.width(displayText(row.cells[c]));
    }

    Layout out;
    const int n = std::max(columns, 1);
    QList<double> natural(n, minimumMeasuredWidth);
    QList<double> header(n, minimumMeasuredWidth);
    for (qsizetype r = 0; r < rowCount; ++r) {
        const double* single = m.single.constData() + r * stride;
        for (int c = 0; c < stride; ++c) {
            if (single[c] < 0) continue;
            double w = single[c] + horizontalMargin;
            if (rows[r].isHeader && rowCount >= 2) w += sortGlyphTextRoom;
            natural[c] = std::max(natural[c], w);
            if (rows[r].isHeader) header[c] = std::max(header[c], w);
        }
    }
    const qsizetype wanted = columns > 1 ? columns : 1;
    if (explicitWidths && explicitWidths->size() == wanted) {
        out.widths = *explicitWidths;
        // The stored fractions have four decimals: a column stored at its natural width
        // comes back a hair off it, and a hair narrower wraps its widest cell ("GREE/N").
        // Within that rounding it is drawn at its natural width again, exactly as before.
        const double rounding = explicitWidthRounding * available + 1e-9;
        for (int c = 0; c < out.widths.size() && c < n; ++c)
            if (std::abs(out.widths[c] - natural[c]) <= rounding) out.widths[c] = natural[c];
    } else {
        double total = 0;
        for (double w : natural) total += w;
        out.widths = natural;
        if (available < total && total > 0) {
            double headerTotal = 0;
            for (double w : header) headerTotal += w;
            for (int c = 0; c < n; ++c) {
                if (available <= headerTotal)
                    out.widths[c] = std::max(natural[c] * available / total, minimumShrunkWidth);
                else
                    out.widths[c] =
                        header[c] + (available - headerTotal) / (total - headerTotal) * (natural[c] - header[c]);
            }
        }
    }

    // An unchanged row keeps the text height of each cell whose column kept its width.
    QList<bool> sameWidth(stride, false);
    for (int c = 0; comparable && c < stride; ++c)
        sameWidth[c] = c < previous.widths.size() && c < out.widths.size() && previous.widths[c] == out.widths[c];
    m.cellHeights = QList<double>(rowCount * stride, -1.0);
    out.rowHeights.reserve(rowCount);
    for (qsizetype r = 0; r < rowCount; ++r) {
        const double* before = from[r] >= 0 ? previous.cellHeights.constData() + from[r] * stride : nullptr;
        out.rowHeights.append(rowHeight(rows[r], rowCount, columns, rows[r].isHeader ? heavy : regular, out.widths,
                                        m.single.constData() + r * stride, m.cellHeights.data() + r * stride, before,
                                        sameWidth));
    }
    m.widths = out.widths;
    kept = std::move(m);
    return out;
}

std::optional<Geometry> geometry(const TableModel& model, QPointF origin, int textLength, const QList<double>& rowTops,
                                 const QRectF& shown)
{
    if (model.columns < 1 || model.rows.isEmpty() || model.rows.first().range.location >= textLength)
        return std::nullopt;

    Geometry g;
    const qsizetype rowCount = model.rows.size();
    g.rowHeights = model.rowHeights.size() == rowCount ? model.rowHeights : QList<double>(rowCount, fallbackRowHeight);
    const QList<double> widths = model.columnWidths.size() == model.columns
                                     ? model.columnWidths
                                     : QList<double>(model.columns, fallbackColumnWidth);

    double tableWidth = 0;
    for (double w : widths) tableWidth += w;

    const double left = origin.x();
    // The columns whose cells are given: those reaching into the span shown (a row of a
    // quarter of a million cells is painted at every blink of the caret).
    double firstX = left;
    int lastColumn = model.columns;
    if (shown.isValid()) {
        while (g.firstColumn < model.columns && firstX + widths[g.firstColumn] < shown.left())
            firstX += widths[g.firstColumn++];
        double x = firstX;
        for (lastColumn = g.firstColumn; lastColumn < model.columns && x <= shown.right(); ++lastColumn)
            x += widths[lastColumn];
    }
    g.shownColumns = lastColumn - g.firstColumn;
    const bool placed = rowTops.size() == rowCount;
    const double top = placed ? rowTops.first() : origin.y();
    double y = top;
    TableFrame& f = g.frame;
    g.cellRects.reserve(rowCount * g.shownColumns);
    for (qsizetype r = 0; r < rowCount; ++r) {
        const TableModel::Row& row = model.rows[r];
        const double h = g.rowHeights[r];
        // A row laid out well below the previous one (past a page end) starts another
        // part of the grid; the others stack (the hidden delimiter line between the
        // header and the body keeps 1 unit of its own, which the grid does not show).
        if (placed && (r == 0 || std::abs(rowTops[r] - y) > 2)) {
            y = rowTops[r];
            f.parts.append(QRectF(left, y, tableWidth, 0));
        }
        g.rowTops.append(y);
        double x = firstX;
        for (int c = g.firstColumn; c < lastColumn; ++c) {
            const QRectF cell(x, y, widths[c], h);
            g.cellRects.append(cell);
            if (c < row.cellRanges.size()) g.hits.append(TableCellHit{cell, row.cellRanges[c], row.cells.value(c)});
            x += widths[c];
        }
        y += h;
        if (placed) f.parts.last().setBottom(y);
    }

    f.rect = QRectF(left, top, tableWidth, y - top);
    if (!placed) f.parts = {f.rect};
    f.headerRect = QRectF(left, top, tableWidth, g.rowHeights.first());
    double x = left;
    for (int c = 0; c + 1 < model.columns; ++c) {
        x += widths[c];
        f.dividerXs.append(x);
    }
    f.widths = widths;
    f.sourceStart = model.rows.first().range.location;
    f.columns = model.columns;
    f.hasBody = rowCount > 1;
    return g;
}

QRectF sortGlyphRect(const QRectF& cell)
{
    const double cx = cell.right() - 9;
    const double cy = cell.center().y();
    return QRectF(cx - 3.5, cy - 5.2, 7, 10.4);
}

QRectF sortGlyphArea(const TableFrame& frame, int column)
{
    double right = frame.rect.left();
    for (int c = 0; c <= column && c < frame.widths.size(); ++c) right += frame.widths[c];
    const double w = std::min(frame.widths.value(column, fallbackColumnWidth), sortGlyphAreaWidth);
    return QRectF(right - w, frame.headerRect.top(), w, frame.headerRect.height());
}

Colors Colors::forText(const QColor& text)
{
    auto shade = [&](double alpha) {
        QColor c = text;
        c.setAlphaF(float(text.alphaF() * alpha));
        return c;
    };
    // Secondary label at 10 % for the header band; separator and tertiary label shades.
    return Colors{text, shade(0.5 * 0.1), shade(0.2), shade(0.3)};
}

Drawn draw(QPainter& painter, const TableModel& model, QPointF origin, const QFont& font, const Colors& colors,
           int textLength, const QList<double>& rowTops, const QRectF& shown)
{
    Drawn out;
    const std::optional<Geometry> g = geometry(model, origin, textLength, rowTops, shown);
    if (!g) return out;
    const QFont body = bodyFont(font);
    const QFont bold = boldFont(body);

    painter.save();
    QPen border(colors.separator);
    border.setWidthF(0.75);
    const QRectF visible = painter.hasClipping() ? painter.clipBoundingRect() : QRectF();
    for (qsizetype r = 0; r < model.rows.size(); ++r) {
        const TableModel::Row& row = model.rows[r];
        if (visible.isValid()
            && !visible.intersects(
                QRectF(g->frame.rect.left(), g->rowTops[r], g->frame.rect.width(), g->rowHeights[r])))
            continue;
        if (row.isHeader)
            painter.fillRect(QRectF(g->frame.rect.left(), g->rowTops[r], g->frame.rect.width(), g->rowHeights[r]),
                             colors.headerFill);
        painter.setFont(row.isHeader ? bold : body);
        // Only the cells in the clip (a caret's blink repaints a few pixels): they stand left
        // to right, their borders a hair wider.
        const QRectF* rowCells = g->cellRects.constData() + r * g->shownColumns;
        const double borderRoom = border.widthF();
        int from = 0, to = g->shownColumns;
        if (visible.isValid()) {
            const auto beforeClip = [&](const QRectF& cell) { return cell.right() + borderRoom < visible.left(); };
            const auto reachesClip = [&](const QRectF& cell) { return cell.left() - borderRoom <= visible.right(); };
            from = int(std::partition_point(rowCells, rowCells + to, beforeClip) - rowCells);
            to = int(std::partition_point(rowCells + from, rowCells + to, reachesClip) - rowCells);
        }
        for (int k = from; k < to; ++k) {
            const int c = g->firstColumn + k;
            const QRectF cell = rowCells[k];
            painter.setPen(border);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            const bool glyph = showsSortGlyph(row.isHeader, model.rows.size(), cell.width());
            const double margin = horizontalMargin / 2;
            const QRectF inner = cell.adjusted(margin, verticalMargin / 2, -(margin + (glyph ? sortGlyphTextRoom : 0)),
                                               -verticalMargin / 2);
            const QString text = displayText(row.cells.value(c));
            if (!text.isEmpty() && inner.width() > 0 && inner.height() > 0) {
                QTextLayout tl(text, row.isHeader ? bold : body);
                breakCellText(tl, inner.width(), alignmentOf(model, c));
                painter.save();
                painter.setClipRect(inner, Qt::IntersectClip);
                painter.setPen(colors.text);
                tl.draw(&painter, inner.topLeft());
                painter.restore();
            }
            if (glyph) {
                const QRectF gr = sortGlyphRect(cell);
                const double cx = gr.center().x();
                const double cy = gr.center().y();
                QPainterPath path;
                path.addPolygon(QPolygonF({{cx - 3.5, cy + 1.2}, {cx + 3.5, cy + 1.2}, {cx, cy + 5.2}}));
                path.closeSubpath();
                path.addPolygon(QPolygonF({{cx - 3.5, cy - 1.2}, {cx + 3.5, cy - 1.2}, {cx, cy - 5.2}}));
                path.closeSubpath();
                painter.fillPath(path, colors.glyph);
            }
        }
    }
    painter.restore();
    out.hits = g->hits;
    out.frame = g->frame;
    return out;
}

DrawnAll drawAll(QPainter& painter, const AttributedText& text,
                 const std::function<std::optional<QPointF>(int offset)>& originOf, const QFont& fallbackFont,
                 const Colors& colors)
{
    DrawnAll out;
    const int length = text.length();
    const TableModel* previous = nullptr;
    text.forEachRun(TextRange(0, length), [&](TextRange, const TextAttributes& a) {
        const TableModel* model = a.tableModel.get();
        if (!model || model == previous) return true;
        previous = model;
        if (model->rows.isEmpty() || model->rows.first().range.location >= length) return true;
        const int start = model->rows.first().range.location;
        const std::optional<QPointF> origin = originOf(start);
        if (!origin) return true;
        const std::optional<QFont>& font = text.attributesAt(std::min(start, length - 1)).font;
        Drawn d = draw(painter, *model, *origin, font ? *font : fallbackFont, colors, length);
        out.hits.append(d.hits);
        if (d.frame) out.frames.append(*d.frame);
        return true;
    });
    return out;
}

std::optional<DividerHit> dividerAt(const QList<TableFrame>& frames, QPointF p)
{
    for (int f = 0; f < frames.size(); ++f) {
        const TableFrame& t = frames[f];
        const QList<QRectF> parts = t.parts.isEmpty() ? QList<QRectF>{t.rect} : t.parts;
        if (std::none_of(parts.cbegin(), parts.cend(), [&](const QRectF& part) {
                return p.y() >= part.top() - dividerVerticalTolerance
                       && p.y() <= part.bottom() + dividerVerticalTolerance;
            }))
            continue;
        for (int d = 0; d < t.dividerXs.size(); ++d)
            if (std::abs(p.x() - t.dividerXs[d]) <= dividerGrabDistance) return DividerHit{f, d};
    }
    return std::nullopt;
}

std::optional<ColumnHit> sortGlyphAt(const QList<TableFrame>& frames, QPointF p)
{
    for (int f = 0; f < frames.size(); ++f) {
        const TableFrame& t = frames[f];
        if (!t.hasBody || p.y() < t.headerRect.top() || p.y() > t.headerRect.bottom()) continue;
        for (int c = 0; c < t.columns; ++c)
            if (sortGlyphArea(t, c).contains(p)) return ColumnHit{f, c};
    }
    return std::nullopt;
}

int cellAt(const QList<TableCellHit>& hits, QPointF p)
{
    for (int i = 0; i < hits.size(); ++i)
        if (hits[i].rect.contains(p)) return i;
    return -1;
}

QList<double> resizedWidths(const QList<double>& start, int divider, double delta, double minimum)
{
    if (divider < 0 || divider + 1 >= start.size()) return start;
    delta = std::max(delta, minimum - start[divider]);
    delta = std::min(delta, start[divider + 1] - minimum);
    QList<double> w = start;
    w[divider] += delta;
    w[divider + 1] -= delta;
    return w;
}

} // namespace TableGridRenderer
