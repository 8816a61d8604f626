#pragma once

#include <QString>

// Everything that leaves the program as a document passes through one page.
class Exporter {
public:
    // A standalone HTML5 page around an HTML body: the escaped title, the base style
    // sheet followed by the theme's and the user's CSS, and, unless `offline`, the math
    // and diagram scripts when the body needs them. Ends with "</html>", no line feed.
    static QString htmlDocument(const QString& body, const QString& title, const QString& themeCSS,
                                const QString& extraCSS, bool offline);
};
