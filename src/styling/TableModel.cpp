#include "styling/TableModel.h"

#include "styling/TableTools.h"

QStringList TableModel::cells(QStringView line)
{
    return TableTools::splitCells(line);
}

QList<TextRange> TableModel::cellRanges(int lineStart, QStringView line)
{
    // The same cuts as splitCells: blanks trimmed, one outer pipe dropped at each end,
    // split at unescaped pipes.
    int b = 0;
    int e = int(line.size());
    while (b < e && (line[b] == u' ' || line[b] == u'\t')) ++b;
    while (e > b && (line[e - 1] == u' ' || line[e - 1] == u'\t')) --e;
    int segStart = b;
    if (segStart < e && line[segStart] == u'|') ++segStart;
    int segEnd = e;
    if (segEnd > segStart && line[segEnd - 1] == u'|') --segEnd;

    QList<TextRange> out;
    int from = segStart;
    for (int p : TableTools::pipePositions(line.mid(segStart, segEnd - segStart))) {
        out.append(TextRange(lineStart + from, segStart + p - from));
        from = segStart + p + 1;
    }
    out.append(TextRange(lineStart + from, segEnd - from));
    return out;
}

TableModel::Row TableModel::row(int lineStart, QStringView line, bool isHeader)
{
    return Row{TextRange(lineStart, int(line.size())), cells(line), cellRanges(lineStart, line), isHeader};
}
