#include "render/export/ui/ExportFeature.h"

#include "editor/ui/DocumentHost.h"
#include "platform/Requests.h"
#include "render/export/ui/HeaderFooterEditor.h"

#include <QPointer>

void ExportFeature::attach(DocumentHost& host)
{
    DocumentHost* h = &host;

    // One sheet per window: a second request while it is open brings it forward.
    auto sheet = std::make_shared<QPointer<HeaderFooterEditor>>();
    host.observeWhenKey(Requests::editHeaderFooter, [h, sheet](const QVariant&) {
        if (*sheet) {
            (*sheet)->raise();
            (*sheet)->activateWindow();
            return;
        }
        *sheet = HeaderFooterEditor::showFor(h->window());
    });
}
