#pragma once

#include "styling/MarkdownStyler.h"
#include "styling/TableModel.h"

#include <optional>

// Two grids draw the same: a model's offsets may lag behind edits above its table (the view
// shifts them by where the table now starts), so rows compare relative to the first.
inline bool sameGrid(const TableModel* x, const TableModel* y)
{
    if (!x || !y) return !x && !y;
    if (x->rows.size() != y->rows.size() || x->columns != y->columns || x->aligns != y->aligns
        || x->columnWidths != y->columnWidths || x->rowHeights != y->rowHeights)
        return false;
    if (x->rows.isEmpty()) return true;
    const int shift = y->rows.first().range.location - x->rows.first().range.location;
    auto moved = [shift](TextRange r) { return TextRange(r.location + shift, r.length); };
    for (qsizetype r = 0; r < x->rows.size(); ++r) {
        TableModel::Row row = x->rows[r];
        row.range = moved(row.range);
        for (TextRange& cell : row.cellRanges) cell = moved(cell);
        if (!(row == y->rows[r])) return false;
    }
    return true;
}

// Restyling after each edit must leave a text looking exactly as styling it whole would:
// the first unit where `kept` (restyled edit by edit by a styler set up like `like`)
// differs from the same text styled whole; -1 when none does. The units of `waiting` (what a
// bounded restyle left for later) are not compared.
inline int firstDifferenceFromWholeRestyle(const AttributedText& kept, const MarkdownStyler& like,
                                           TextRange waiting = TextRange::notFound())
{
    MarkdownStyler fresh;
    fresh.theme = like.theme;
    fresh.concealMarkers = like.concealMarkers;
    fresh.revealRange = like.revealRange;
    fresh.contentWidth = like.contentWidth;
    fresh.wholeFenceLimit = like.wholeFenceLimit;
    AttributedText whole(kept.copyText());
    fresh.highlight(whole, std::nullopt);
    for (int i = 0; i < kept.length(); ++i) {
        if (waiting.contains(i)) continue;
        const TextAttributes &x = kept.attributesAt(i), &y = whole.attributesAt(i);
        if (!(x.foreground == y.foreground && x.background == y.background && x.font == y.font
              && x.markdownConceal == y.markdownConceal && x.notProse == y.notProse && x.underline == y.underline
              && x.strikethrough == y.strikethrough && x.baselineOffset == y.baselineOffset
              && x.paragraphStyle == y.paragraphStyle && x.wikiLinkTarget == y.wikiLinkTarget
              && sameGrid(x.tableModel.get(), y.tableModel.get())))
            return i;
    }
    return -1;
}
