#pragma once

#include <QString>

// The page that PDF export and printing lay out: the export page without scripts, plus what
// paper needs that a screen does not. One CSS pixel prints as one point; nothing may be cut
// off at the column's edge (code wraps, long words and addresses break, a table of many
// columns shrinks its type and its cells wrap); and no page ends with a heading. The HTML
// export keeps the page template as it is.
namespace PrintPage {

QString html(const QString& body, const QString& title, const QString& themeCSS, const QString& userCSS);

// `body` with each top-level heading (or run of headings) in an element that is not broken
// across pages and holds a few lines' room below it (.bw-head), and that together with the
// block that follows in another such element (.bw-keep) when that block is short or is never
// broken itself; a long paragraph, list or table is not taken along whole, as the heading's
// room keeps its first lines with it. A body whose top level cannot be read as elements is
// returned unchanged.
QString keepHeadingsWithNext(const QString& body);

} // namespace PrintPage
