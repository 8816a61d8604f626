#pragma once

#include <QString>

// Code of a fenced block as HTML: the tokens CodeTokenizer finds, each wrapped in
// <span class="hl-KIND"> ("com", "str", "num", "kw").
namespace SyntaxHighlighter {

// `code` as escaped HTML with every token wrapped in <span class="hl-KIND">.
QString highlight(const QString& code, const QString& language);

} // namespace SyntaxHighlighter
