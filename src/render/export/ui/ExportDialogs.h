#pragma once

#include "render/Exporter.h"

#include <QString>

#include <functional>

class QWidget;

// The panels an export shows, replaceable so tests can answer them.
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
};

Hooks& hooks();
Hooks defaults();

// The name filter of a format's save panel ("Word Document (*.docx)").
QString nameFilter(ExportFormat format);

} // namespace ExportDialogs
