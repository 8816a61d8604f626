#pragma once

#include <QString>

// The page that PDF export and printing lay out: the export page without scripts, plus what
// paper needs that a screen does not. One CSS pixel prints as one point; nothing may be cut
// off at the column's edge (a wide code block is set smaller, its lines whole; long words and
// addresses in text break; a wide table shrinks its type until its words fit); a block moves
// to the next page only when it is short and does not fit; and no page ends with a heading.
// The HTML export keeps the page template as it is.
namespace PrintPage {

// The body is fitToColumn's, then keepHeadingsWithNext's, its top-level blocks gathered in
// groups when there are more than 32 ("bw-group", PageInserts).
QString html(const QString& body, const QString& title, const QString& themeCSS, const QString& userCSS);

// `body` with each top-level heading (or run of headings) in an element that is not broken
// across pages and holds a few lines' room below it (.bw-head), and that together with the
// first piece of what follows in another such element (.bw-keep): the next block whole when it
// is short or is never broken itself, or a list's first item when that is short (the list split
// after it, .bw-lead). A long paragraph, list item, callout or code block is not taken along, as
// the heading's room keeps its first lines with it; before a table the room is its head and
// first row (data-bw-lead, from fitToColumn), before a callout its title and the room below
// that. Of a run of more than 64 headings (pages of them) only the last three are kept so. A
// body whose top level cannot be read as elements is returned unchanged.
QString keepHeadingsWithNext(const QString& body);

// `body` as a column of paper can hold it, in time linear in its length:
// - lists, quotes, definition lists and callouts nested more than 8 deep, or indented by more
//   than half the column, lose the deeper levels' tags (their items become plain blocks), a
//   list of more than 32 items has them gathered in groups ("bw-group", PageInserts), a table
//   row's non-empty cells past the 64th are joined in a row of their own below it, one cell across
//   the table, and once the tables have 4,096 cells each further row is such a cell, so a
//   hostile document cannot make the page engine lay out thousands of levels, columns or rows
//   of cells (a table cut short so does not repeat its head on every page, "bw-rows");
// - a preformatted block wider than the column gets a smaller type at which its widest line
//   fits whole ("bw-fit"), never below 6 px; one that would need less wraps at that size
//   ("bw-wrap");
// - a table whose widest words do not fit side by side gets the type at which they do
//   ("bw-fit"); at the minimum its words may break ("bw-break");
// - a code block of a few lines, a table of a few rows, and a short quote, callout, list item or
//   definition list are marked to be kept whole on a page ("bw-whole"); a longer table carries
//   the estimated height of its head and first row in px ("data-bw-lead");
// - a paragraph that holds a picture may break anywhere, before the picture too ("bw-picture");
// - what the page engine would lay out in time with the square of its length is cut up, the
//   text and the order of every line as they were: a run of 1,000 characters with no letter or
//   number (in a code block, on one line) is laid out in the direction it takes anyway ("bw-run",
//   with "bw-ltr" or "bw-rtl" between letters of one direction; LetterlessRuns), a paragraph
//   or list item is set in blocks of 200 lines broken by hand or of 20,000 characters, cut at a
//   space, where a line ends early ("bw-part");
// - a link whose address is longer than 4,096 characters is printed but not live (the engine
//   writes the address again for every page the link spans).
// The widths are estimated from the text with the advances of the fallback fonts.
QString fitToColumn(const QString& body);

} // namespace PrintPage
