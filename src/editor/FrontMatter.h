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
// and written (one pair per line); there is no general YAML reader.
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
