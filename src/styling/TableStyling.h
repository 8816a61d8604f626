#pragma once

// The table pass of the live styler is MarkdownStyler::styleTables (declared in
// MarkdownStyler.h, defined in TableStyling.cpp). The pipeline calls it after the
// float directives and before the alignment directives, with the restyled scope
// and a predicate telling whether a line lies in fenced code.
#include "styling/MarkdownStyler.h"

#include <functional>

namespace TableStyling {

// The alignment-row test of this pass: the line holds "-" and is made only of blanks,
// ":", "|" and "-" (looser than TableTools' alignment row: "| - | : |" counts).
bool isSeparatorLine(QStringView line);

// Finds the pipe tables among the whole lines of `scope` in `text` and styles them:
// in source mode (`grid` false) alignment rows are dimmed and rows get a faint
// background with dimmed pipes; in grid mode the table's lines are concealed, given
// their grid row's height, and carry a TableModel (widths from the column-width
// comment above the table when it fits, else measured against `contentWidth`).
// A blank line between two rows joins them into one table unless the rows after it
// start a table of their own (read past the scope's end when they reach beyond it: `text`
// must hold the two lines below the scope). Block-quote lines are never table rows.
void styleTables(AttributedText& storage, QStringView text, TextRange scope,
                 const std::function<bool(TextRange)>& inFence, const EditorTheme& theme, bool grid,
                 double contentWidth);

} // namespace TableStyling
