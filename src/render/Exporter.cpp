#include "render/Exporter.h"

#include "platform/Settings.h"

QString Exporter::exportName(const QString& suggestedName)
{
    return suggestedName.isEmpty() ? QStringLiteral("Untitled") : suggestedName;
}

QString Exporter::userCSS(const std::optional<QString>& extraCSS)
{
    if (extraCSS) return *extraCSS;
    return Settings::instance().string(QStringLiteral("exportCSS"));
}
