#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class AttributedText;

// The source edits behind grid-table interaction, as plain functions over the text.
namespace GridEditing {

struct Edit {
    TextRange range;
    QString replacement;
    bool operator==(const Edit&) const = default;
};

// Writes column widths (fractions of the text width) into the "<!-- bwk:colwidths="
// comment on the line before the table, replacing an existing comment there or
// inserting a new line. None when the table start lies beyond the text.
std::optional<Edit> columnWidths(QStringView text, int tableStart, const QList<double>& fractions);

// How far the grid table whose model the text carries at `index` has moved since it was
// styled: an edit above a table shifts its text (and the run carrying the model) but not
// the offsets recorded in the model, which stay until the table is styled again. 0 when
// there is no model at `index`.
int tableModelShift(const AttributedText& storage, int index);

// Writes an edited cell back as " text " between its pipes. Only when the cell's source
// still holds exactly what the editor started from, so an edit can never land in
// another cell or overwrite a change made meanwhile.
std::optional<Edit> cellText(QStringView text, TextRange source, const QString& original, const QString& edited);

} // namespace GridEditing
