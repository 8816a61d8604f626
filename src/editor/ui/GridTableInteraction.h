#pragma once

#include "editor/GridEditing.h"
#include "platform/TextRange.h"
#include "styling/TableGrid.h"

#include <QFont>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

#include <memory>
#include <optional>

class MarkdownTextView;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QRegion;

// Grid tables in the text view: draws them over their hidden source rows (the paint
// step the page layout calls), keeps the lists of what was drawn where, and handles the
// pointer over them as an event filter on the view's viewport: a click on a cell opens
// a field over it whose text is written back into the row, a drag on a divider sets the
// column widths, a click on a header's sort glyph sorts the rows.
class GridTableInteraction : public QObject {
    Q_OBJECT
public:
    explicit GridTableInteraction(MarkdownTextView* view);

    // Draws the grid tables on screen (within `clip`, document pixels) and rebuilds the
    // hit lists; without a painter it only rebuilds the hit lists.
    void paint(QPainter* p, const QRectF& clip = {});

    const QList<TableFrame>& tableFrames() const { return m_tableFrames; }
    const QList<TableCellHit>& tableHits() const { return m_tableHits; }
    // Point in viewport pixels to grid units.
    QPointF toGrid(QPointF viewportPos) const;
    // The cell drawn at a point in viewport pixels, from the grids as they stand now.
    std::optional<TableCellHit> cellHitAt(QPointF viewportPos);
    // Opens the field over a cell. The view's selection moves onto the cell's text, so
    // that the table commands (and every other command) act on that cell.
    void beginCellEdit(const TableCellHit& hit);
    // Returns the edit written back, if any. The caret stays on the cell (frameCell).
    std::optional<GridEditing::Edit> endCellEdit(bool commit);
    // Puts the caret on the cell whose source is `source`, shown framed: the table commands
    // act on it, and nothing is selected.
    void frameCell(TextRange source);
    QLineEdit* cellEditor() const { return m_cellEditor; }
    // Keeps the open cell's field over its cell (after scrolling).
    void placeCellEditor();
    // Puts the view's selection where the field's stands for.
    void showFieldSelection();
    void sortTable(const TableFrame& frame, int column);
    // A grid's source rows are hidden under the drawing: after a caret key the caret is
    // carried past them (`extend`: the selection grows over them).
    void skipRows(bool forward, bool extend);
    void writeColumnWidths(const QList<double>& widths, int tableStart);

    // The grid table whose hidden lines hold `offset`, and the cell holding it (WYSIWYG only).
    struct At {
        std::shared_ptr<TableModel> model;
        int shift = 0; // how far the text moved since the model was made
        GridEditing::Cell cell;
    };
    std::optional<At> tableAt(int offset) const;
    // The cell the caret stands for while it is on a grid's hidden lines: shown framed, and
    // the one the keys and the table commands act on.
    std::optional<At> caretCell() const;
    // Where the cell holding `offset` is drawn (viewport pixels), when it lies on a grid.
    std::optional<QRectF> cellRect(int offset) const;
    // Opens a cell's field, scrolled into view: its text selected (as every way into a
    // cell does), or its caret at the end (a key typed on the framed cell goes on there).
    bool openCell(const At& at, bool selectAll = true);
    // Keys for the caret on a grid, before the view handles them (Tab, arrows, typing open
    // cells; nothing is typed into the hidden text); true when taken.
    bool handleKey(QKeyEvent* e);
    // After a caret key took the caret from `from` (not on a grid) onto one: opens the
    // cell nearest to where it came from.
    void enterFrom(int from, int key);
    // With the caret on a grid's hidden rows (Ctrl+Home or Ctrl+End took it there): to the
    // line after the grid (`forward`) or before it, added when there is none.
    void leaveAtEdge(bool forward);
    // Repaints where the caret's cell frame was and where it goes.
    void updateFrame();
    // Called by the view after a key that edited the text at the caret. The key that
    // completes a table (its alignment row, a row typed under a grid) turns the block into
    // a grid under the caret: the keys after it go on into the text as typed, never into
    // a cell's field, until the caret is moved.
    void noteTyped();
    // The caret stands where typing left it (see noteTyped).
    bool typingInSource() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Grid-unit y of each row's line as laid out; empty when the rows are not one line each.
    QList<double> rowTops(const TableModel& model, int shift) const;
    // The grids of the tables on screen (drawn when there is a painter) and what they show
    // where: the cells one can click and the frames around the tables.
    struct GridLook {
        double scale; // grid units to pixels
        TableGridRenderer::Colors colors;
        QFont fallback; // for a table without a font of its own
        QRectF shown;   // the view, in grid units: the cells a user can reach
    };
    void paintGridsOnScreen(QPainter* p, const QRectF& clip, QList<TableCellHit>& hits, QList<TableFrame>& frames);
    void paintGrid(QPainter* p, const TableModel& model, int runStart, const GridLook& look, QList<TableCellHit>& hits,
                   QList<TableFrame>& frames);
    // The guide that shows where a column divider being dragged goes.
    void paintResizeGuide(QPainter& p) const;
    // Frames the caret's cell among the cells drawn (the painter in document pixels).
    void paintCaretFrame(QPainter& p, const QList<TableCellHit>& hits);
    // The bands (grid units) of the rows the view's selection reaches: none while a cell is
    // open or when the selection lies within one cell.
    QList<QRectF> selectedRows(const TableModel& model, int shift, QPointF origin, const QList<double>& tops,
                               const QRectF& shown) const;
    // Draws those rows selected (the painter in grid units).
    void paintSelectedRows(QPainter& p, const TableModel& model, int shift, QPointF origin, const QList<double>& tops,
                           const QFont& font, const QRectF& shown) const;
    // The sheets' text areas within `clip` (document pixels).
    QRegion textAreas(const QRectF& clip) const;
    bool mousePress(QMouseEvent* e);
    bool mouseMove(QMouseEvent* e);
    bool mouseRelease();
    // Where a table stands now, its cell sources on the text.
    std::optional<TableGridRenderer::Geometry> geometryOf(const TableModel& model, int shift) const;
    // Moves from the open cell (or the caret's) to the next, previous, upper or lower one;
    // past the table's edge the caret goes to the line before or after it.
    void moveCell(GridEditing::Move step);
    // Caret on the line after the table (`forward`) or at the end of the one before; a
    // table that ends (or starts) the text gets a line added there, one undo step.
    void leaveTable(int offset, bool forward);
    // Scrolls a rectangle (grid units) into view.
    void ensureVisible(const QRectF& rect);

    MarkdownTextView* m_view;
    QList<TableCellHit> m_tableHits;
    QList<TableFrame> m_tableFrames;
    int m_hitsRevision = -1; // document revision the hit lists were drawn from
    struct Resize {
        TableFrame frame;
        int divider = 0;
        double pressX = 0;
        QList<double> widths;
        double guideX = 0;
    };
    std::optional<Resize> m_resize;
    QPointer<QLineEdit> m_cellEditor;
    QPointer<QObject> m_pressWatcher; // ends the edit on a press elsewhere while it is open
    int m_cellTable = -1;             // source start of the open cell's table
    GridEditing::Cell m_cell;         // the open cell
    TextRange m_cellSource;
    QString m_cellOriginal;
    QRectF m_cellRect;     // grid units
    QRectF m_framed;       // the caret's cell as last framed, document pixels
    int m_typedCaret = -1; // where the last edit typed at the caret left it
};
