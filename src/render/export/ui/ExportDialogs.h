#pragma once

#include "render/export/ExportWriter.h"

#include <QString>

#include <functional>

class QWidget;

// What DocumentExport calls outside itself (its panels, its alert and the writer),
// replaceable so tests can answer the panels and make a conversion fail.
namespace ExportDialogs {

struct Hooks {
    // A save panel for one format, proposing `fileName` (name and extension): window-modal
    // on `window`, application-modal without. `done` receives the chosen path, or an
    // empty one when the user cancels; it is not called when the window goes away first.
    std::function<void(QWidget* window, const QString& fileName, const QString& folder, ExportFormat format,
                       std::function<void(const QString& path)> done)>
        chooseSavePath;
    // An alert naming what failed and why.
    std::function<void(QWidget* window, const QString& message, const QString& detail)> alert;
    // The conversion to file bytes (ExportWriter::bytes); runs on a worker thread.
    std::function<std::optional<QByteArray>(ExportFormat format, const QString& markdown, const QString& title,
                                            const ImageAccess& images, const QString& themeCSS, const QString& userCSS,
                                            QString* error)>
        convert;
};

Hooks& hooks();
Hooks defaults();

// The name filter of a format's save panel ("Word Document (*.docx)").
QString nameFilter(ExportFormat format);

} // namespace ExportDialogs
