#include "render/Exporter.h"

#include "platform/Settings.h"

ExportFormat ExportFormats::fromId(const QString& id)
{
    if (id == QLatin1String("pdf")) return ExportFormat::pdf;
    if (id == QLatin1String("rtf")) return ExportFormat::rtf;
    if (id == QLatin1String("docx")) return ExportFormat::docx;
    if (id == QLatin1String("odt")) return ExportFormat::odt;
    if (id == QLatin1String("copyHTML")) return ExportFormat::copyHTML;
    return ExportFormat::html;
}

QString ExportFormats::id(ExportFormat format)
{
    switch (format) {
    case ExportFormat::html: return QStringLiteral("html");
    case ExportFormat::pdf: return QStringLiteral("pdf");
    case ExportFormat::rtf: return QStringLiteral("rtf");
    case ExportFormat::docx: return QStringLiteral("docx");
    case ExportFormat::odt: return QStringLiteral("odt");
    case ExportFormat::copyHTML: return QStringLiteral("copyHTML");
    }
    return QStringLiteral("html");
}

QString ExportFormats::extension(ExportFormat format)
{
    return format == ExportFormat::copyHTML ? QString() : id(format);
}

QString Exporter::exportName(const QString& suggestedName)
{
    return suggestedName.isEmpty() ? QStringLiteral("Untitled") : suggestedName;
}

QString Exporter::userCSS(const std::optional<QString>& extraCSS)
{
    if (extraCSS) return *extraCSS;
    return Settings::instance().string(QStringLiteral("exportCSS"));
}
