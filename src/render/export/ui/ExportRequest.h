#pragma once

#include "render/ExportFormat.h"

#include <QString>

#include <functional>
#include <optional>

class DocumentHost;
class QWidget;
struct ExportPreset;

// What to export: one document's text, the names it goes by, the format, and the CSS the
// choice brings. Every way into an export builds one from the window and sends it: the File
// menu's Export items and Presets, the command palette's export commands, and the presets
// sheet. At start-up the program sets DocumentExport::run to receive it.
struct ExportRequest {
    ExportFormat format = ExportFormat::html;
    QString text;
    QWidget* window = nullptr;       // panels and alerts become sheets on it; none: application-modal
    QString suggestedName;           // the file's name without its extension; "Untitled" when unsaved
    QString baseDir;                 // the folder holding the document; empty when unsaved
    QString themeCSS;                // empty: no theme
    std::optional<QString> extraCSS; // none: the stored "exportCSS" setting applies

    // The window's document as it stands, in `format`. The menu items and commands give no
    // theme and no CSS.
    static ExportRequest fromWindow(const DocumentHost& window, ExportFormat format, const QString& themeCSS = {},
                                    std::optional<QString> extraCSS = std::nullopt);
    // A preset's format, its theme's CSS and its own CSS, given even when empty.
    static ExportRequest fromPreset(const DocumentHost& window, const ExportPreset& preset);

    // Where requests go; empty in a program without export (its export items are disabled).
    using Receiver = std::function<void(const ExportRequest&)>;
    static Receiver& receiver();
    void send() const;
};
