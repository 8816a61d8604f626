#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>

#include <optional>

// Splits the code of a fenced block into comment, string, number and keyword
// tokens by a small rule set chosen from the block's language name; no grammar
// and no state between calls. The editor's styler colours these tokens; the HTML
// renderer wraps them in spans (render/SyntaxHighlighter).
namespace CodeTokenizer {

enum class Kind { Comment, String, Number, Keyword };

// "com", "str", "num", "kw".
QString rawValue(Kind kind);
std::optional<Kind> kindFromRawValue(const QString& raw);

struct Token {
    TextRange range; // UTF-16 units from the start of the scanned code
    Kind kind;
    bool operator==(const Token&) const = default;
};

// The tokens of `code` under the rules of `language` (lower-cased here; an
// unknown or empty name gets the generic rules), in text order, never overlapping.
QList<Token> scan(const QString& code, const QString& language);

} // namespace CodeTokenizer
