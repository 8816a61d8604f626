#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Markdown-to-HTML renderer: a line-oriented dialect of its own, decided by fixed
// tests in a fixed order. No raw HTML passes through; every text is escaped.
// Keeps no state between calls.
namespace MarkdownHTMLRenderer {

// The whole pipeline: a document's text to an HTML body. Never fails.
QString renderBody(const QString& markdown);

// The ids the body gives its headings, for plain heading texts in document order
// (the table of contents uses them). Same length as `headings`; never repeats an id.
QStringList uniqueSlugs(const QStringList& headings);

// The slug of one heading text, before uniqueness is applied ("section" when empty).
QString slug(const QString& text);

// A heading of the body: the line it stands on (the text's lines counted at "\n") and the
// id the body gives it.
struct HeadingAnchor {
    int line = 0;
    QString id;
};
// The headings `renderBody(markdown)` gives ids, in order, found without rendering the
// text around them (unless the document has footnotes, whose numbers can be part of an
// id). Empty when the body gives no heading an id.
QList<HeadingAnchor> headingAnchors(const QString& markdown);

// --- The pieces behind renderBody, exposed for testing. ---

// The block pass over a text whose line ends are "\n".
QString renderBlocks(const QString& text);

struct Heading {
    int level = 0; // 0: not a heading
    QString text;
};
// A trimmed line to its heading level and text; level 0 when it is no heading.
Heading parseHeading(const QString& trimmedLine);

// One heading's, paragraph's, item's or cell's text to inline HTML.
QString renderInline(const QString& text);

// The number of spaces a line begins with (a tab ends the count).
int leadingSpaces(const QString& line);

// A pipe-table row to its cells; "\|" keeps a pipe (and its backslash) in a cell.
QStringList splitRow(const QString& row);

} // namespace MarkdownHTMLRenderer
