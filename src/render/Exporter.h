#pragma once

#include "render/ExportFormat.h"
#include "render/ImageAccess.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

// Everything that leaves the program as a document passes through one page.
//
// The page template and the small rules below are plain functions (bwcore). The writers,
// the PDF and the interactive export are defined by the export library (bwexport):
// link it to call convert() or exportDocument().
class Exporter {
public:
    // A standalone HTML5 page around an HTML body: the escaped title, the base style
    // sheet followed by the theme's and the user's CSS, and, unless `offline`, the math
    // and diagram scripts when the body needs them. Ends with "</html>", no line feed.
    static QString htmlDocument(const QString& body, const QString& title, const QString& themeCSS,
                                const QString& extraCSS, bool offline);

    // The name an export proposes and titles its page with. Callers pass the document's
    // name with its extension already removed (a window strips exactly one), so nothing
    // more is taken off here: "v1.2 notes" stays "v1.2 notes". Empty gives "Untitled".
    static QString exportName(const QString& suggestedName);

    // The user CSS of an export: `extraCSS` when given, even when empty; otherwise the
    // stored "exportCSS" setting (empty when unset).
    static QString userCSS(const std::optional<QString>& extraCSS);

    // The bytes of one document in a file format other than pdf (whose pages come from
    // the web engine, see PrintController::writePDF) and copyHTML. `images` says which local
    // images may be embedded and where relative ones resolve. No value when a conversion
    // fails, with the reason in `error`.
    static std::optional<QByteArray> convert(ExportFormat format, const QString& markdown, const QString& title,
                                             const ImageAccess& images, const QString& themeCSS, const QString& userCSS,
                                             QString* error = nullptr);

    // The interactive export of one document: a save panel (window-modal on `window`,
    // application-modal without), then the file written atomically, or the page put on
    // the clipboard for copyHTML. Failures are shown in an alert naming the file and the
    // reason. `extraCSS` none means the "exportCSS" setting applies.
    static void exportDocument(ExportFormat format, const QString& markdown, QWidget* window,
                               const QString& suggestedName, const QString& baseDir, const QString& themeCSS,
                               const std::optional<QString>& extraCSS);
};
