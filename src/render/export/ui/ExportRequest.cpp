#include "render/export/ui/ExportRequest.h"

#include "editor/ui/DocumentHost.h"
#include "render/ExportPresets.h"

#include <QFileInfo>

ExportRequest ExportRequest::fromWindow(const DocumentHost& window, ExportFormat format, const QString& themeCSS,
                                        std::optional<QString> extraCSS)
{
    ExportRequest r;
    r.format = format;
    r.text = window.documentText();
    r.window = window.window();
    r.suggestedName = window.suggestedName();
    r.baseDir = window.isUntitled() ? QString() : QFileInfo(window.filePath()).absolutePath();
    r.themeCSS = themeCSS;
    r.extraCSS = std::move(extraCSS);
    return r;
}

ExportRequest ExportRequest::fromPreset(const DocumentHost& window, const ExportPreset& preset)
{
    return fromWindow(window, ExportFormats::fromId(preset.formatID), ExportThemes::cssFor(preset.themeID),
                      preset.customCSS);
}

ExportRequest::Receiver& ExportRequest::receiver()
{
    static Receiver r;
    return r;
}

void ExportRequest::send() const
{
    if (receiver()) receiver()(*this);
}
