#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One ATX heading of a document, as the outline lists it.
struct OutlineItem {
    // Distinct for every item of every parse (a new parse makes new ids).
    quint64 id = 0;
    int level = 0;        // 1 to 6: the number of opening "#"
    QString title;        // the rest of the line, without surrounding blanks or line break
    qsizetype offset = 0; // UTF-16 offset of the start of the heading's line

    bool operator==(const OutlineItem& o) const { return level == o.level && title == o.title && offset == o.offset; }
};

namespace OutlineParser {

// The headings of `text` in document order, in one pass over its lines: a line that starts
// with one to six "#" and then whitespace. Lines between backtick fences (``` after
// trimming, with or without an info string) are skipped; an unclosed fence hides the rest.
// Lines are cut at "\n"; a CR before it ends the line and is not part of the title.
QList<OutlineItem> headings(QStringView text);

} // namespace OutlineParser
