#include "app/ui/Features.h"

#include "app/ui/DocumentController.h"
#include "app/ui/MenuServices.h"
#include "app/ui/WindowChrome.h"
#include "app/ui/WindowSettings.h"
#include "assist/ui/AssistWindow.h"
#include "commands/ui/CommandsFeature.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/FindBar.h"
#include "editor/ui/FrontMatterEditor.h"
#include "files/SessionStore.h"
#include "files/ui/DocumentFiles.h"
#include "platform/Requests.h"
#include "platform/ui/LegibleStyle.h"
#include "render/export/PrintController.h"
#include "render/export/ui/BatchExporter.h"
#include "render/export/ui/DocumentExport.h"
#include "render/export/ui/ExportFeature.h"
#include "render/export/ui/ExportRequest.h"
#include "render/export/ui/PresetsFeature.h"

// The one list of what every document window gets. A new feature is a function taking a
// DocumentHost&, registered here; the window itself never names one.
void installWindowFeatures()
{
    static bool installed = false;
    if (installed) return;
    installed = true;

    LegibleStyle::install();
    SessionStore::setOpener([](const QString& path) { DocumentController::instance().openDocument(path); });

    // Every export of a window's document (menu, palette, presets) arrives here; the menu
    // bar's batch export and print items, and the printer its Page Setup edits.
    ExportRequest::receiver() = &DocumentExport::run;
    MenuServices::Exports& exports = MenuServices::exports();
    exports.print = &PrintController::print;
    exports.batchExport = &BatchExporter::run;
    exports.printer = &PrintController::sharedPrinter;

    DocumentHost::registerFeature(&WindowSettings::attach);
    DocumentHost::registerFeature(&FindBar::attach);
    DocumentHost::registerFeature(&DocumentFiles::attach);
    DocumentHost::registerFeature(&WindowChrome::attach);
    DocumentHost::registerFeature(&installAssistFeatures);
    DocumentHost::registerFeature(&CommandsFeature::attach);
    DocumentHost::registerFeature(&ExportFeature::attach);
    DocumentHost::registerFeature(&PresetsFeature::attach);
    DocumentHost::registerFeature([](DocumentHost& host) {
        host.observeWhenKey(Requests::editFrontMatter, [&host](const QVariant&) {
            FrontMatterEditor::showFor(host.window(), host.editorController());
        });
    });
}
