#include "render/export/ui/PresetsFeature.h"

#include "editor/ui/DocumentHost.h"
#include "platform/Requests.h"
#include "render/export/ui/ExportRequest.h"
#include "render/ui/ExportPresetsView.h"

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
                const ExportRequest request = ExportRequest::fromPreset(*h, preset);
                close();
                request.send();
            },
            close, h->window());
        *sheet = view;
        view->setWindowModality(Qt::WindowModal);
        view->open();
    });
}

} // namespace PresetsFeature
