#include "render/export/ui/PresetsFeature.h"

#include "editor/ui/DocumentHost.h"
#include "platform/Requests.h"
#include "render/ExportPresets.h"
#include "render/Exporter.h"
#include "render/ui/ExportPresetsView.h"

#include <QFileInfo>
#include <QPointer>

namespace PresetsFeature {

void attach(DocumentHost& host)
{
    DocumentHost* h = &host;
    auto sheet = std::make_shared<QPointer<ExportPresetsView>>();
    host.observeWhenKey(Requests::showExportPresets, [h, sheet](const QVariant&) {
        if (*sheet) {
            (*sheet)->raise();
            (*sheet)->activateWindow();
            return;
        }
        // Built when shown, so it reads the presets afresh and its id sequence starts over.
        const auto close = [sheet] {
            if (!*sheet) return;
            (*sheet)->QDialog::done(QDialog::Rejected);
            (*sheet)->deleteLater();
        };
        auto* view = new ExportPresetsView(
            [h, close](const ExportPreset& preset) {
                const QString baseDir = h->isUntitled() ? QString() : QFileInfo(h->filePath()).absolutePath();
                close();
                // The custom CSS is always given, even empty: a preset decides its own CSS.
                Exporter::exportDocument(ExportFormats::fromId(preset.formatID), h->documentText(), h->window(),
                                         h->suggestedName(), baseDir, ExportThemes::cssFor(preset.themeID),
                                         preset.customCSS);
            },
            close, h->window());
        *sheet = view;
        view->setWindowModality(Qt::WindowModal);
        view->open();
    });
}

} // namespace PresetsFeature
