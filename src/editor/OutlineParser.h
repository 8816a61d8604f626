#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// One ATX heading of a document, as the outline lists it.
struct OutlineItem {
    // Distinct for every item; a heading kept across an edit keeps its id, a new parse
    // makes new ones.
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

// The outline of a text kept edit by edit: an edit reads only the lines it touched, and the
// headings elsewhere keep their ids, shifted. An edit that adds or removes a fence line
// (which can hide or show every heading below it) reads the whole text again.
class OutlineTracker {
public:
    // The units [from, to) of the current text.
    using Reader = std::function<QString(qsizetype from, qsizetype to)>;
    // Rows of items() that an update replaced.
    struct Splice {
        qsizetype first = 0, removed = 0, inserted = 0;
    };

    void reset(QStringView text);
    // Units [start, oldEnd) of the text the outline describes became [start, newEnd) of the
    // current text, `length` units long. Returns the rows replaced, or std::nullopt when the
    // whole text was read again.
    std::optional<Splice> update(qsizetype start, qsizetype oldEnd, qsizetype newEnd, qsizetype length,
                                 const Reader& read);
    const QList<OutlineItem>& items() const { return m_items; }

private:
    QList<OutlineItem> m_items;
    std::vector<qsizetype> m_fences; // offsets of the fence lines, in order
};
