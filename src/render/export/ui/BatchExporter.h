#pragma once

#include "render/BatchExport.h"
#include "render/ExportFormat.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Exports every Markdown file directly in a folder the user picks into one format, each
// output beside its source. One file per step, so the window stays responsive; a progress
// dialog counts the files and can cancel after the current one. PDFs are made a few at a
// time through the print queue and reported in folder order, each stamped with its own name.
namespace BatchExporter {

// Asks for the folder (window-modal on `window`, application-modal without), then exports.
void run(ExportFormat format, QWidget* window);

// The CSS every file of a run is exported with: a theme's, and the user's (the stored
// "exportCSS" unless given).
struct Styles {
    QString themeCSS;
    std::optional<QString> userCSS;
};

// Exports the folder without asking for it; `done` (optional) receives the report.
void exportFolder(const QString& folder, ExportFormat format, QWidget* window,
                  std::function<void(const BatchExport::Report&)> done = {}, const Styles& styles = {});

// The questions and messages of a run, replaceable so tests can answer them.
struct Hooks {
    std::function<void(QWidget* window, std::function<void(const QString& folder)> done)> chooseFolder;
    // Outputs that already exist: `done(true)` replaces them, `done(false)` cancels the run.
    std::function<void(QWidget* window, const QStringList& existing, std::function<void(bool)> done)> confirmReplace;
    std::function<void(QWidget* window, const BatchExport::ReportText& text)> report;
};
Hooks& hooks();
Hooks defaults();

} // namespace BatchExporter
