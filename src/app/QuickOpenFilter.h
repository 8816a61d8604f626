#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The quick-open list's matching: a query narrows a list of recent file names.
namespace QuickOpenFilter {

// Whether `query` is a subsequence of `name`, compared by user-perceived characters
// (grapheme clusters) in canonical composed form; both are expected lower-cased already.
// An empty query matches every name.
bool fuzzy(QStringView query, QStringView name);

// The query as matched: blanks (not line breaks) trimmed at both ends, lower-cased, NFC.
QString normalizedQuery(const QString& query);

// A name as matched: lower-cased, NFC.
QString normalizedName(const QString& fileName);

// Indexes of `names` (already normalized) that the normalized query matches, in list
// order; every index for an empty query.
QList<int> filter(const QString& normalizedQuery, const QStringList& normalizedNames);

} // namespace QuickOpenFilter
