#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The "brindlewick:" URL scheme: "brindlewick://new" opens a new document, and its first
// "text" query item, when it has a value, becomes the new document's text.
namespace UrlScheme {

inline constexpr auto kScheme = "brindlewick";

// What one URL asks for. A URL that is not for this program asks for nothing (nullopt).
struct NewDocument {
    // The text for the new document; absent when the URL names none (the pending text
    // stays as it was).
    std::optional<QString> text;
};

// Scheme and host are compared exactly ("BRINDLEWICK://new" and "brindlewick://New" are
// not ours). The "text" value is percent-decoded once as a query item and then once more;
// when that second decoding fails (a lone "%", an escape that is not UTF-8) the value of
// the first decoding stands. A plus sign stays a plus sign.
std::optional<NewDocument> parse(QStringView url);

// Decodes %XX escapes; nullopt when an escape is malformed or the bytes are not UTF-8.
std::optional<QString> percentDecoded(QStringView s);

} // namespace UrlScheme
