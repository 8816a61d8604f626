#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Normalises Markdown text. Fenced code (```) is never touched, and anything the
// clean-up cannot repair is left exactly as it was: it rewrites the user's own document.
namespace MarkdownCleaner {

// The "Clean Up Markdown" command: CR LF to LF, trailing blanks removed, no-break-space
// entities turned into the character (outside code spans), pipe tables repaired and
// aligned, runs of blank lines collapsed to one, exactly one final line break.
QString clean(const QString& text);

// Only the table repair (plus CR LF to LF), for the HTML renderer: a table without an
// alignment row gets one, and every table is re-rendered. Nothing else changes.
QString repairingTables(const QString& text);
// The lines of `repairingTables(text)` without joining them: views of `text`, or of
// strings added to `storage` for the tables that were repaired. Valid while both live.
QList<QStringView> repairedTableLines(QStringView text, QStringList& storage);

// A table row as the styler and the clean-up see it: the trimmed line is not empty,
// holds at least two unescaped "|", and is not a block-quote line ("> | a | b |").
bool rowLike(QStringView line);

// One line with "&nbsp;", "&#160;", "&#xA0;" (any case, leading zeros) outside code
// spans replaced by U+00A0.
QString decodeSpacingEntities(const QString& line);

} // namespace MarkdownCleaner
