#pragma once

#include <QString>

namespace MarkdownPathHelper {

// The path to write into a link to `filePath` from the document at `documentPath`
// (empty while untitled): the part below the document's folder, percent-encoded as a URL
// path, when the file lies under that folder (compared as text, by whole components);
// otherwise the file's absolute "file:" URL. "(" and ")" are always percent-encoded, so
// the path never closes the link early.
QString relativePath(const QString& filePath, const QString& documentPath);

} // namespace MarkdownPathHelper
