#include "styling/TableGrid.h"
#include "styling/ColumnWidths.h"
#include "styling/TableModel.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace TableGridRenderer;

namespace {

QList<TableModel::Row> rowsOf(const QStringList& lines)
{
    QList<TableModel::Row> rows;
    int start = 0;
    for (const QString& l : lines) {
        rows.append(TableModel::row(start, l, rows.isEmpty()));
        start += int(l.size()) + 1;
    }
    return rows;
}

TableModel modelOf(const QStringList& lines, QList<double> widths, QList<double> heights)
{
    TableModel m;
    m.rows = rowsOf(lines);
    for (const auto& r : m.rows) m.columns = std::max(m.columns, int(r.cells.size()));
    m.aligns = QList<Qt::Alignment>(m.columns, Qt::AlignLeft);
    m.columnWidths = widths;
    m.rowHeights = heights;
    return m;
}

QFont testFont()
{
    QFont f;
    f.setPointSizeF(13);
    return f;
}

} // namespace

TEST(TableGrid, CellRangesPairWithCellsEvenWithoutOuterPipes)
{
    const QList<TextRange> r = TableModel::cellRanges(10, u"| a | b |");
    EXPECT_EQ(r, QList<TextRange>({TextRange(11, 3), TextRange(15, 3)}));
    // Without outer pipes every cell still gets its own range, never its neighbour's.
    EXPECT_EQ(TableModel::cellRanges(0, u"a | b"), QList<TextRange>({TextRange(0, 2), TextRange(3, 2)}));
    EXPECT_EQ(TableModel::cellRanges(0, u"  | a | b"), QList<TextRange>({TextRange(3, 3), TextRange(7, 2)}));
    EXPECT_EQ(TableModel::cellRanges(0, u"| x \\| y | z |"), QList<TextRange>({TextRange(1, 8), TextRange(10, 3)}));
    const auto row = TableModel::row(0, u"a | b | c", false);
    EXPECT_EQ(row.cells.size(), row.cellRanges.size());
}

TEST(TableGrid, DisplayTextDropsInlineMarkers)
{
    EXPECT_EQ(displayText(u" **bold** `code` ~~x~~ __u__ *i* "), "bold code x u *i*");
    EXPECT_EQ(displayText(u"**"), "");
    EXPECT_EQ(displayText(u"`"), "");
    EXPECT_EQ(displayText(u" a\\|b \\* "), "a|b \\*"); // a pipe reads without its escape
}

TEST(TableGrid, LayoutKeepsNaturalWidthsWhenTheyFit)
{
    const auto rows = rowsOf({"| Name | Description |", "| a | some longer text here |"});
    const QFont f = testFont();
    const Layout natural = layout(rows, 2, f, 100000);
    ASSERT_EQ(natural.widths.size(), 2);
    const double total = natural.widths[0] + natural.widths[1];
    const QFontMetricsF bold(boldFont(f));
    // Header cells (of a table with a body) are measured with room for the sort glyph.
    EXPECT_DOUBLE_EQ(natural.widths[0], std::max(28.0, bold.horizontalAdvance("Name") + 18 + sortGlyphTextRoom));
    // Exactly as wide as the room: unchanged.
    EXPECT_EQ(layout(rows, 2, f, total).widths, natural.widths);
    // Between the header total and the natural total: headers still fit.
    const double headerTotal = std::max(28.0, bold.horizontalAdvance("Name") + 18 + sortGlyphTextRoom)
                               + std::max(28.0, bold.horizontalAdvance("Description") + 18 + sortGlyphTextRoom);
    const Layout squeezed = layout(rows, 2, f, (headerTotal + total) / 2);
    EXPECT_GE(squeezed.widths[0] + 1e-9, std::max(28.0, bold.horizontalAdvance("Name") + 18 + sortGlyphTextRoom));
    EXPECT_NEAR(squeezed.widths[0] + squeezed.widths[1], (headerTotal + total) / 2, 1e-6);
    // Below the header total everything shrinks proportionally, never under 38.
    const Layout tiny = layout(rows, 2, f, 50);
    EXPECT_DOUBLE_EQ(tiny.widths[0], 38);
    EXPECT_DOUBLE_EQ(tiny.widths[1], 38);
    // The squeezed long cell wraps, so its row grows.
    EXPECT_GT(squeezed.rowHeights[1], natural.rowHeights[1]);
}

TEST(TableGrid, LayoutUsesExplicitWidthsOnlyWhenTheyFit)
{
    const auto rows = rowsOf({"| a | b |", "| 1 | 2 |"});
    EXPECT_EQ(layout(rows, 2, testFont(), 600, QList<double>({100, 200})).widths, QList<double>({100, 200}));
    EXPECT_NE(layout(rows, 2, testFont(), 600, QList<double>({100})).widths, QList<double>({100}));
    EXPECT_NE(layout(rows, 2, testFont(), 600, QList<double>({1, 2, 3})).widths.size(), 3);
    const auto one = rowsOf({"| a |", "| 1 |"});
    EXPECT_EQ(layout(one, 1, testFont(), 600, QList<double>({250})).widths, QList<double>({250}));
    // CJK and emoji cells are measured and get a row height.
    const auto cjk = rowsOf({QString::fromUtf8("| \xE5\x90\x8D\xE5\x89\x8D | \xF0\x9F\x98\x80 |"), "| x | y |"});
    const Layout l = layout(cjk, 2, testFont(), 600);
    EXPECT_GT(l.widths[0], 28);
    EXPECT_GT(l.rowHeights[0], 6);
}

TEST(TableGrid, GeometryFrameAndHits)
{
    const TableModel m = modelOf({"| a | b | c |", "| 1 | 2 |"}, {100, 150, 50}, {30, 40});
    const auto g = geometry(m, QPointF(10, 20), 100);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->frame.rect, QRectF(10, 20, 300, 70));
    EXPECT_EQ(g->frame.headerRect, QRectF(10, 20, 300, 30));
    EXPECT_EQ(g->frame.dividerXs, QList<double>({110, 260}));
    EXPECT_EQ(g->frame.sourceStart, 0);
    EXPECT_TRUE(g->frame.hasBody);
    // The short body row has no third cell source: two hits, not three.
    ASSERT_EQ(g->hits.size(), 5);
    EXPECT_EQ(g->hits[3].rect, QRectF(10, 50, 100, 40));
    EXPECT_EQ(g->hits[3].text, "1");
    EXPECT_EQ(g->hits[3].source, TextRange(15, 3));
    // Sizes that do not match fall back to 40 x 24.
    const TableModel bad = modelOf({"| a | b |"}, {1}, {});
    EXPECT_EQ(geometry(bad, QPointF(), 10)->frame.rect, QRectF(0, 0, 80, 24));
    EXPECT_FALSE(geometry(m, QPointF(), 0)); // first row outside the text
    EXPECT_FALSE(geometry(TableModel{}, QPointF(), 10));
}

TEST(TableGrid, PointerHelpers)
{
    const TableModel m = modelOf({"| a | b |", "| 1 | 2 |"}, {100, 200}, {30, 30});
    const TableFrame f = geometry(m, QPointF(0, 0), 100)->frame;
    const QList<TableFrame> frames{f};
    EXPECT_EQ(dividerAt(frames, QPointF(104, 10)), (DividerHit{0, 0}));
    EXPECT_EQ(dividerAt(frames, QPointF(106, 61)), (DividerHit{0, 0}));
    EXPECT_FALSE(dividerAt(frames, QPointF(107, 10)));
    EXPECT_FALSE(dividerAt(frames, QPointF(100, 63)));
    EXPECT_EQ(sortGlyphAt(frames, QPointF(95, 15)), (ColumnHit{0, 0}));
    EXPECT_EQ(sortGlyphAt(frames, QPointF(290, 29)), (ColumnHit{0, 1}));
    EXPECT_FALSE(sortGlyphAt(frames, QPointF(50, 15)));
    EXPECT_FALSE(sortGlyphAt(frames, QPointF(95, 45)));
    TableFrame headerOnly = f;
    headerOnly.hasBody = false;
    EXPECT_FALSE(sortGlyphAt({headerOnly}, QPointF(95, 15)));
    // A 100/200 pair dragged 50 to the right; a drag that would go under 40 stops there.
    EXPECT_EQ(resizedWidths({100, 200, 300}, 0, 50), QList<double>({150, 150, 300}));
    EXPECT_EQ(resizedWidths({100, 200}, 0, -90), QList<double>({40, 260}));
    EXPECT_EQ(resizedWidths({100, 200}, 0, 500), QList<double>({260, 40}));
    EXPECT_EQ(resizedWidths({100, 200}, 1, 5), QList<double>({100, 200}));
}

TEST(TableGrid, DrawsGridWithDividersWhereTheGeometrySays)
{
    const TableModel m = modelOf({"| Name | Qty |", "| apple | 3 |", "| pear | 12 |"}, {120, 80}, {30, 30, 30});
    QImage img(260, 140, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const Drawn d = draw(p, m, QPointF(20, 20), testFont(), Colors::forText(Qt::black), 100);
    p.end();
    ASSERT_TRUE(d.frame);
    EXPECT_EQ(d.hits.size(), 6);

    auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 250; };
    int inked = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) inked += dark(x, y);
    EXPECT_GT(inked, 200);

    // A divider line stands at each x the frame reports, down the whole table height,
    // and there is no line halfway between two dividers.
    for (double dx : d.frame->dividerXs) {
        for (int y :
             {int(d.frame->rect.top()) + 25, int(d.frame->rect.center().y()) + 12, int(d.frame->rect.bottom()) - 2}) {
            const int x = int(std::round(dx));
            EXPECT_TRUE(dark(x, y) || dark(x - 1, y)) << "divider at " << dx << " y " << y;
        }
    }
    EXPECT_FALSE(dark(70, 78)); // inside the first body cell, below its text
    // Outer frame edges.
    EXPECT_TRUE(dark(20, 60) || dark(19, 60));
    EXPECT_TRUE(dark(220, 60) || dark(219, 60));
    EXPECT_FALSE(dark(230, 60));
}

TEST(TableGrid, ColumnWidthCommentRoundTrip)
{
    EXPECT_EQ(TableColumnWidths::directive({0.25, 0.75}), "<!-- bwk:colwidths=0.2500,0.7500 -->");
    EXPECT_EQ(TableColumnWidths::directive({-0.1, 1.0 / 3}), "<!-- bwk:colwidths=0.0000,0.3333 -->");
    const QList<double> w{0.125, 0.5, 0.375};
    EXPECT_EQ(TableColumnWidths::parse(TableColumnWidths::directive(w)), w);
    EXPECT_EQ(TableColumnWidths::parse(u"  <!--bwk:colwidths= 0.5 ,0.5\t-->  "), QList<double>({0.5, 0.5}));
    EXPECT_FALSE(TableColumnWidths::parse(u"<!-- bwk:colwidths=0.5, ,0.5 -->")); // a blank piece is no number
    EXPECT_EQ(TableColumnWidths::parse(u"<!-- bwk:colwidths=0.5,,0.5 -->"), QList<double>({0.5, 0.5}));
    EXPECT_FALSE(TableColumnWidths::parse(u"<!-- bwk:colwidths=1.2.3 -->"));
    EXPECT_FALSE(TableColumnWidths::parse(u"<!-- BWK:colwidths=0.5 -->"));
    EXPECT_FALSE(TableColumnWidths::parse(u"<!-- bwk:colwidths=,, -->"));
    EXPECT_FALSE(TableColumnWidths::parse(u"<!-- bwk:colwidths=0.5 --> tail"));
    EXPECT_FALSE(TableColumnWidths::parse(u"| a | b |"));
}

TEST(TableGrid, SortGlyphOnlyWithABodyAndRoom)
{
    auto glyphInk = [](const TableModel& m) {
        QImage img(300, 120, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        draw(p, m, QPointF(0, 0), testFont(), Colors::forText(Qt::black), 100);
        p.end();
        const QRectF cell(0, 0, m.columnWidths[0], m.rowHeights[0]);
        const QRect g = sortGlyphRect(cell).toAlignedRect();
        int ink = 0;
        for (int y = g.top(); y <= g.bottom(); ++y)
            for (int x = g.left(); x <= g.right(); ++x) ink += qGray(img.pixel(x, y)) < 240;
        return ink;
    };
    // Empty header cells, so only the glyph can ink its rectangle.
    EXPECT_GT(glyphInk(modelOf({"|  |", "| 1 |"}, {100}, {30, 30})), 4);
    EXPECT_EQ(glyphInk(modelOf({"|  |"}, {100}, {30})), 0);
    EXPECT_EQ(glyphInk(modelOf({"|  |", "| 1 |"}, {22}, {30, 30})), 0);
}

TEST(TableGrid, CellTextBreaksAtWordsAndInsideAWordOnlyWhenItCannotFit)
{
    const QFont f = testFont();
    const QFontMetricsF fm(f);
    // Room for "Downgraded" but not for both words: two lines, the word whole on the first.
    const double fits = fm.horizontalAdvance("Downgraded") + 18 + 4;
    const auto rows = rowsOf({"| h |", "| Downgraded item |", "| Downgradedagain |"});
    const Layout l = layout(rows, 1, f, 1000, QList<double>({fits}));
    const double oneLine = layout(rowsOf({"| h |", "| x |"}), 1, f, 1000, QList<double>({fits})).rowHeights[1];
    EXPECT_GT(l.rowHeights[1], oneLine + fm.height() * 0.8);
    // A word wider than its cell is broken over lines instead of being cut off.
    EXPECT_GT(l.rowHeights[2], oneLine + fm.height() * 0.8);

    TableModel m = modelOf({"| h |", "| Downgraded item |", "| Downgradedagain |"}, l.widths, l.rowHeights);
    QImage img(int(fits) + 20, int(l.rowHeights[0] + l.rowHeights[1] + l.rowHeights[2]) + 20, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    Colors colors = Colors::forText(Qt::black);
    colors.separator = Qt::white;
    colors.headerFill = Qt::white;
    colors.glyph = Qt::white;
    draw(p, m, QPointF(0, 0), f, colors, 1000);
    p.end();
    // The broken word's second line is drawn inside the third row.
    const double secondLine = l.rowHeights[0] + l.rowHeights[1] + 3 + fm.height() * 1.5;
    int ink = 0;
    for (int x = 0; x < img.width(); ++x) ink += qGray(img.pixel(x, int(secondLine))) < 128;
    EXPECT_GT(ink, 0);
}

TEST(TableGrid, HeaderTextKeepsClearOfTheSortGlyph)
{
    const QFont f = testFont();
    const auto rows = rowsOf({"| WWWWWW | MMMM |", "| 1 | 2 |"});
    const Layout l = layout(rows, 2, f, 100000);
    TableModel m = modelOf({"| WWWWWW | MMMM |", "| 1 | 2 |"}, l.widths, l.rowHeights);
    QImage img(int(l.widths[0] + l.widths[1]) + 10, int(l.rowHeights[0]) + 10, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    Colors colors = Colors::forText(Qt::red);
    colors.separator = Qt::white;
    colors.headerFill = Qt::white;
    colors.glyph = Qt::blue;
    draw(p, m, QPointF(0, 0), f, colors, 1000);
    p.end();
    double x = 0;
    for (double w : l.widths) {
        const QRect glyph = sortGlyphRect(QRectF(x, 0, w, l.rowHeights[0])).toAlignedRect();
        int textInk = 0;
        for (int py = glyph.top(); py <= glyph.bottom(); ++py)
            for (int px = glyph.left(); px <= glyph.right(); ++px) {
                const QColor c = img.pixelColor(px, py);
                textInk += c.red() > 128 && c.green() < 128 && c.blue() < 128;
            }
        EXPECT_EQ(textInk, 0) << "column at " << x;
        x += w;
    }
}
