#pragma once

#include <QList>
#include <QString>

// Text put into a page at offsets noted while it was made, all at once at the end.
struct PageInsert {
    qsizetype at;
    QString text;
};

namespace PageInserts {

// `page` with each insert put in at its offset; inserts at one offset in the order they were
// noted.
QString applied(const QString& page, QList<PageInsert> inserts);

// A long row of sibling blocks gathered in blocks of their own (.bw-group), a few dozen in
// each, those again in groups, so that no element holds more than a few dozen children. The
// page engine goes through every child of an element for every page it prints, so a list or a
// body of 40,000 blocks took time with the square of its length. A group has no margin,
// padding or border: the margins of what it holds collapse through it as between siblings, and
// the pages break where they did. `starts` are where the siblings begin (in order), `end` where
// the last ends. The first stays outside the groups (a heading takes a list's first item
// along), and a row of a few dozen is left as it is.
void group(const QList<qsizetype>& starts, qsizetype end, QList<PageInsert>& inserts);

} // namespace PageInserts
