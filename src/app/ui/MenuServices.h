#pragma once

#include "render/ExportFormat.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// What the menu bar's batch export and print items call. The export service installs these
// at start-up; an item whose service is missing is shown disabled.
namespace MenuServices {

// Exporting the window's document goes by ExportRequest::send.
struct Exports {
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
