#include "render/ExportFormat.h"

#include <QFileInfo>

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

QString withExtension(const QString& path, ExportFormat format)
{
    const QString ext = extension(format);
    if (path.isEmpty() || ext.isEmpty() || QFileInfo(path).suffix().compare(ext, Qt::CaseInsensitive) == 0) return path;
    return path.endsWith(u'.') ? path + ext : path + u'.' + ext;
}

} // namespace ExportFormats
