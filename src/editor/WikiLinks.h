#pragma once

#include "platform/TextRange.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Wiki links "[[Name]]" name another Markdown file beside the document by its base
// name. This namespace resolves a name to a file, lists the names that completion
// offers, and finds links and completion ranges in the text. Paths are local file paths;
// an untitled document has an empty path.
namespace WikiLinks {

// "md", "markdown", "mdown", "mkd", "txt": the order in which resolving tries them.
const QStringList& markdownExtensions();

// The file a link name stands for, beside the document: the name itself when it has an
// extension, else the name with each Markdown extension in turn. Only regular files
// (or links to them) count; folders and devices never resolve. Empty when nothing fits.
QString resolve(QStringView name, const QString& documentPath);

// Base names of the Markdown files in the document's folder (hidden ones included)
// and among `recentPaths`, without the document itself, in localised case-insensitive
// order.
QStringList candidates(const QString& documentPath, const QStringList& recentPaths);
// The same with the program's recent documents.
QStringList candidates(const QString& documentPath);

// The candidates that contain the typed text (case-insensitively): those starting with
// it first, shorter names first within each group, alphabetical otherwise. An empty
// query gives all candidates.
QStringList matches(QStringView partial, const QString& documentPath, const QStringList& recentPaths);
QStringList matches(QStringView partial, const QString& documentPath);

// The text typed after an unclosed "[[" on the caret's line, as the range completion
// replaces (from just after "[[" to the caret); not-found when the caret is not in one.
// A found range is also the signal to open the completion list while typing.
TextRange completionRange(QStringView text, int caret);

// The trimmed target of the wiki link whose visible text (the label, or the target
// when there is none) holds `index`; empty when there is none.
QString targetAt(QStringView text, int index);

} // namespace WikiLinks
