#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <Qt>

// A pipe table drawn as a grid: what the styler hands to the drawing code inside the
// text's attributes (shared, never changed after it is built).
class TableModel {
public:
    struct Row {
        TextRange range;             // the source line, without its terminator
        QStringList cells;           // trimmed cell texts
        QList<TextRange> cellRanges; // source range of each cell, spaces around it included
        bool isHeader = false;
        bool operator==(const Row&) const = default;
    };

    QList<Row> rows;             // content lines in source order; the first is the header
    QList<Qt::Alignment> aligns; // one per column: AlignLeft, AlignHCenter or AlignRight
    int columns = 0;             // the largest cell count of any row
    QList<double> columnWidths;  // drawn width of each column, cell margins included
    QList<double> rowHeights;    // drawn height of each row, cell margins included

    // The cells of a row line, split as TableTools::splitCells does.
    static QStringList cells(QStringView line);
    // One source range per cell of `line` (which starts at `lineStart`), index for
    // index with cells(): "| a | b |" gives " a " and " b ". A row without outer pipes
    // gets ranges from the line's text to the pipe ("a " of "a | b"), so a cell edit is
    // always written into that cell's own source.
    static QList<TextRange> cellRanges(int lineStart, QStringView line);
    // A row built from one source line.
    static Row row(int lineStart, QStringView line, bool isHeader);
};
