#pragma once

#include <QString>

#include <optional>

// The page: everything that leaves the program as a document passes through one HTML page
// (the HTML file, Copy as HTML, the pages Word, OpenDocument and Rich Text are read from, and,
// through PrintPage, the pages of PDF export and printing), plus the two rules every export
// applies to the name and the CSS it was given. Plain functions over strings.
class Exporter {
public:
    // A standalone HTML5 page around an HTML body: the escaped title, the base style
    // sheet followed by the theme's and the user's CSS, and, unless `offline`, the math
    // and diagram scripts when the body needs them. Ends with "</html>", no line feed.
    static QString htmlDocument(const QString& body, const QString& title, const QString& themeCSS,
                                const QString& extraCSS, bool offline);

    // The base style sheet every page carries, the theme's and the user's CSS go after it.
    static QString baseStyleSheet();

    // The name an export proposes and titles its page with. Callers pass the document's
    // name with its extension already removed (a window strips exactly one), so nothing
    // more is taken off here: "v1.2 notes" stays "v1.2 notes". Empty gives "Untitled".
    static QString exportName(const QString& suggestedName);

    // The user CSS of an export: `extraCSS` when given, even when empty; otherwise the
    // stored "exportCSS" setting (empty when unset).
    static QString userCSS(const std::optional<QString>& extraCSS);
};
