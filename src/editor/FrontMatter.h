#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

// The YAML front matter at the top of a document: title, author, date, tags and any
// further "key: value" pairs in block order. Only a line-based subset of YAML is read
// (one pair per line, quoted values, tags as a flow or block list) and written; there is
// no general YAML reader.
struct FrontMatter {
    QString title;
    QString author;
    QString date;
    QString tags; // comma-separated, without brackets
    QList<QPair<QString, QString>> extra;

    bool isEmpty() const;
    bool operator==(const FrontMatter&) const = default;

    // The value and the block's range in `text` (it always starts at 0). Without a
    // recognisable block: the empty value and (0, 0).
    static std::pair<FrontMatter, TextRange> parse(QStringView text);

    // The block text, delimiters included, line feeds as line breaks. A line break
    // inside a key or value is written as a space, so no value can start a new key.
    QString serialized() const;

    // This value's block to go in place of `oldBlock` of `text` (as `parse` found it there):
    // only the lines of the fields whose values differ from the old block's are written, every
    // other line stays as it was. Without an old block, `serialized()`; empty when nothing
    // would be left in the block. A value that YAML would read otherwise ("Home Lab: Notes",
    // "true", "#1") is written in double quotes, which `parse` takes off again.
    QString blockOver(QStringView text, TextRange oldBlock) const;

    // The document text with this value written as its block in place of the old block
    // (`oldBlock`, as `parse` found it in `text`). An empty value removes the block.
    // Exactly one empty line follows a new block unless the text already had one.
    QString appliedTo(QStringView text, TextRange oldBlock) const;

    // The per-document editor overrides the block may carry; a key that occurs more
    // than once takes its last value.
    struct Overrides {
        std::optional<QString> mode;
        std::optional<QString> theme;
        std::optional<QString> direction;
        std::optional<QString> font;
        std::optional<double> width; // only a finite positive number counts
    };
    Overrides overrides() const;
};
