#pragma once

#include "render/ExportFormat.h"

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// What the menu bar's export and print items call. The export service installs these at
// start-up; an item whose service is missing is shown disabled.
namespace MenuServices {

// One export of the active document, as the Export menu and the presets make it.
struct ExportRequest {
    ExportFormat format = ExportFormat::html;
    QString text;
    QWidget* window = nullptr;
    QString suggestedName;           // "Untitled" for a document never saved
    QString baseDir;                 // the folder holding the document; empty when unsaved
    QString themeCSS;                // empty: no theme
    std::optional<QString> extraCSS; // none: the stored "exportCSS" setting applies
};

struct Exports {
    std::function<void(const ExportRequest&)> exportDocument;
    // Exports every Markdown file of a folder the user picks.
    std::function<void(ExportFormat, QWidget* window)> batchExport;
    std::function<void(const QString& text, const QString& title, const QString& baseDir, QWidget* window)> print;
    // The printer that printing uses; Page Setup edits it.
    std::function<QPrinter&()> printer;
};
Exports& exports();

// The printer Page Setup edits: the print service's when installed, else one of the
// menu bar's own for the whole process.
QPrinter& printer();

} // namespace MenuServices
