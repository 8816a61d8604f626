#pragma once

#include "editor/GridEditing.h"
#include "platform/TextRange.h"
#include "styling/TableGrid.h"

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

#include <optional>

class MarkdownTextView;
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
    void beginCellEdit(const TableCellHit& hit);
    // Returns the edit written back, if any.
    std::optional<GridEditing::Edit> endCellEdit(bool commit);
    QLineEdit* cellEditor() const { return m_cellEditor; }
    // Keeps the open cell's field over its cell (after scrolling).
    void placeCellEditor();
    void sortTable(const TableFrame& frame, int column);
    // A grid's source rows are hidden under the drawing: after a caret key the caret is
    // carried past them (`extend`: the selection grows over them).
    void skipRows(bool forward, bool extend);
    void writeColumnWidths(const QList<double>& widths, int tableStart);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Grid-unit y of each row's line as laid out; empty when the rows are not one line each.
    QList<double> rowTops(const TableModel& model, int shift) const;
    // The sheets' text areas within `clip` (document pixels).
    QRegion textAreas(const QRectF& clip) const;
    bool mousePress(QMouseEvent* e);
    bool mouseMove(QMouseEvent* e);
    bool mouseRelease();

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
    TextRange m_cellSource;
    QString m_cellOriginal;
    QRectF m_cellRect; // grid units
};
