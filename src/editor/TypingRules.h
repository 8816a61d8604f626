#pragma once

#include <QString>

#include <optional>

// The typing behaviours of the editor as plain functions over the text, so they are
// tested without a view.
namespace TypingRules {

// Closing mark for an opening mark typed over a selection ("*", "_", "`", "[", "(", '"'),
// none for anything else.
std::optional<QString> closingMark(const QString& typed);

// A web address that, replacing a selection, turns it into a link: at least five
// characters, "http://" or "https://" and no white space.
bool isLinkAddress(const QString& s);

// "[" + selected + "](" + address + ")", or none when the selection spans lines.
std::optional<QString> linkOverSelection(const QString& selected, const QString& address);

// What Return does at the end of `prefix` (the caret's line up to the caret).
struct Newline {
    enum Kind { Plain, Continue, EndList } kind = Plain;
    QString insert; // Continue: "\n" + the next item's marker
};
Newline continueList(const QString& prefix);

} // namespace TypingRules
