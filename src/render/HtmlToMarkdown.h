#pragma once

#include <QString>

// Pasted HTML to Markdown: a fixed sequence of text passes, not a parser. Markup it
// does not know is dropped; only a handful of character references are decoded.
namespace HtmlToMarkdown {

QString convert(const QString& html);

} // namespace HtmlToMarkdown
