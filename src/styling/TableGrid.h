#pragma once

#include "platform/TextRange.h"
#include "styling/TableModel.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class AttributedText;
class QPainter;

// The drawn geometry of one grid table (view coordinates, y grows downwards).
struct TableFrame {
    QRectF rect; // the whole grid
    // The grid's rectangle on each page it is drawn on: one, unless its rows are split at
    // page ends (then `rect` also spans the gaps between them).
    QList<QRectF> parts;
    QRectF headerRect;       // the header row's band, full grid width
    QList<double> dividerXs; // x of each boundary between two columns (columns - 1)
    QList<double> widths;    // column widths used for drawing
    int sourceStart = 0;     // source offset of the first row's line
    int columns = 0;
    bool hasBody = false; // more than one row
    bool operator==(const TableFrame&) const = default;
};

// A clickable cell of a drawn grid.
struct TableCellHit {
    QRectF rect;      // the cell's rectangle
    TextRange source; // the cell's source range (between its pipes, spaces included)
    QString text;     // the cell's trimmed text
    bool operator==(const TableCellHit&) const = default;
};

// Column widths and row heights of grid tables, their geometry, and their drawing.
namespace TableGridRenderer {

// Cell margins: 9 points left and right, 3 above and below.
inline constexpr double horizontalMargin = 18;
inline constexpr double verticalMargin = 6;
inline constexpr double minimumMeasuredWidth = 28;
inline constexpr double minimumShrunkWidth = 38;
inline constexpr double fallbackRowHeight = 24;
inline constexpr double fallbackColumnWidth = 40;
inline constexpr double fallbackWrapWidth = 22;
// Sort glyph: drawn 9 points from a header cell's right edge, clickable over the
// rightmost min(column width, 16) points; only in columns wider than 22. A header cell
// that shows it keeps its text 16 points from its right edge, clear of the glyph, and is
// measured that much wider.
inline constexpr double sortGlyphAreaWidth = 16;
inline constexpr double sortGlyphMinimumColumn = 22;
inline constexpr double sortGlyphTextRoom = sortGlyphAreaWidth - horizontalMargin / 2;
// Pointer handling around dividers.
inline constexpr double dividerGrabDistance = 6;
inline constexpr double dividerVerticalTolerance = 2;
inline constexpr double minimumResizedWidth = 40;
// Column widths are stored as fractions of the text width with four decimals: half a unit
// of the last one, as a part of that width, is how far a stored width may be off.
inline constexpr double explicitWidthRounding = 0.00005;

// The text a cell shows: "\|" read as "|", "**", "__", "~~" and "`" removed, blanks trimmed.
QString displayText(QStringView cell);
// Body font without bold and italic, and its bold counterpart (header rows).
QFont bodyFont(const QFont& font);
QFont boldFont(const QFont& bodyFont);

struct Layout {
    QList<double> widths;
    QList<double> rowHeights;
};

// Widths from the cells' single-line widths (header texts always fit when there is
// room for them; otherwise every column shrinks in proportion, not below 38), or the
// explicit widths when their count fits the columns; heights from the wrapped cells
// (lines break at word boundaries, inside a word only when it alone is too wide).
Layout layout(const QList<TableModel::Row>& rows, int columns, const QFont& bodyFont, double available,
              const std::optional<QList<double>>& explicitWidths = std::nullopt);
// What one layout measured, kept by the styler so that laying the same table out again
// after an edit measures only the rows the edit changed.
struct Measurements {
    QString fontKey;
    int columns = -1;
    QList<double> single;      // single-line cell widths, row-major, `columns` per row (-1: no cell)
    QList<bool> header;        // the row was measured in the bold font
    QList<double> cellHeights; // wrapped text height of each cell, row-major (-1: no cell)
    QList<double> widths;      // the layout's column widths
};
// layout() reusing earlier measurements: row r with previousRow[r] >= 0 holds the same
// cells as that row of `previous`, so its cell widths, and the heights of its cells in
// columns whose width came out unchanged, are taken from there. `kept` receives this layout's
// measurements (it must not be `previous`). The result is exactly layout()'s.
Layout relayout(const QList<TableModel::Row>& rows, int columns, const QFont& bodyFont, double available,
                const std::optional<QList<double>>& explicitWidths, const Measurements& previous,
                const QList<qsizetype>& previousRow, Measurements& kept);

// Where a table stands: its frame, clickable cells (row by row, left to right) and the
// rectangle of every cell (row-major, `shownColumns` per row from `firstColumn`). `origin`
// is the top-left of the first row (from the layout of its line). `rowTops`, when it holds
// one y per row, places each row where its own line is laid out, so that a grid pushed past
// a page end splits there like text; otherwise the rows stack from `origin`. `shown`, when
// valid, limits the cells given (hits and rectangles) to the columns reaching into its
// horizontal span: the part of a wide grid on screen. Nothing when the model has no column
// or row, or its first row does not lie before `textLength`.
struct Geometry {
    TableFrame frame;
    QList<TableCellHit> hits;
    QList<QRectF> cellRects;
    int firstColumn = 0;
    int shownColumns = 0;
    QList<double> rowTops;
    QList<double> rowHeights;
};
std::optional<Geometry> geometry(const TableModel& model, QPointF origin, int textLength,
                                 const QList<double>& rowTops = {}, const QRectF& shown = {});

// The glyph's rectangle and the clickable area of column `column`'s sort glyph.
QRectF sortGlyphRect(const QRectF& headerCell);
QRectF sortGlyphArea(const TableFrame& frame, int column);

struct Colors {
    QColor text;       // cell text
    QColor headerFill; // header band
    QColor separator;  // cell borders
    QColor glyph;      // sort glyph
    // Secondary, separator and tertiary shades derived from one text colour.
    static Colors forText(const QColor& text);
};

struct Drawn {
    QList<TableCellHit> hits;
    std::optional<TableFrame> frame;
};
// Draws one grid: header band, cell borders, wrapped cell texts and sort glyphs.
// `font` is the text's font at the table (reduced to regular and bold here); `rowTops` and
// `shown` as for `geometry`. Cells outside the painter's clip are not drawn.
Drawn draw(QPainter& painter, const TableModel& model, QPointF origin, const QFont& font, const Colors& colors,
           int textLength, const QList<double>& rowTops = {}, const QRectF& shown = {});

// Draws every grid table of a styled text (each run of its tableModel attribute), in
// text order, and gathers their cell hits and frames. `originOf` gives the top-left of
// the line starting at an offset (nothing when it is not laid out: that table is
// skipped); a table's font is the text's font at its first row, else `fallbackFont`.
struct DrawnAll {
    QList<TableCellHit> hits;
    QList<TableFrame> frames;
};
DrawnAll drawAll(QPainter& painter, const AttributedText& text,
                 const std::function<std::optional<QPointF>(int offset)>& originOf, const QFont& fallbackFont,
                 const Colors& colors);

// Pointer helpers for the view.
struct DividerHit {
    int frame = 0;   // index into the frames
    int divider = 0; // divider i lies between columns i and i + 1
    bool operator==(const DividerHit&) const = default;
};
struct ColumnHit {
    int frame = 0;
    int column = 0;
    bool operator==(const ColumnHit&) const = default;
};
// The first frame (vertically within 2 points of one of its parts) and divider within 6
// points of `p`.
std::optional<DividerHit> dividerAt(const QList<TableFrame>& frames, QPointF p);
// The first frame with a body whose header holds `p`, and the column whose sort area does.
std::optional<ColumnHit> sortGlyphAt(const QList<TableFrame>& frames, QPointF p);
// Index of the first hit whose rectangle holds `p`, or -1.
int cellAt(const QList<TableCellHit>& hits, QPointF p);
// Widths after dragging divider `divider` by `delta`: the two neighbours trade width,
// neither below `minimum` (the right one wins when both cannot hold); the total stays.
// The minimum is 40 points: in grid units that is 40 / (points per grid unit).
QList<double> resizedWidths(const QList<double>& start, int divider, double delta,
                            double minimum = minimumResizedWidth);

} // namespace TableGridRenderer
