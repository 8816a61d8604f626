#include "render/ExportFormat.h"

namespace ExportFormats {

QString id(ExportFormat format)
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

ExportFormat fromId(const QString& id)
{
    for (ExportFormat f :
         {ExportFormat::pdf, ExportFormat::rtf, ExportFormat::docx, ExportFormat::odt, ExportFormat::copyHTML})
        if (id == ExportFormats::id(f)) return f;
    return ExportFormat::html;
}

QString extension(ExportFormat format)
{
    return format == ExportFormat::copyHTML ? QString() : id(format);
}

} // namespace ExportFormats
