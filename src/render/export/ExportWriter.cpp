#include "render/export/ExportWriter.h"

#include "render/Exporter.h"
#include "render/MarkdownHTMLRenderer.h"
#include "render/export/DocxWriter.h"
#include "render/export/OdtWriter.h"
#include "render/export/RichText.h"
#include "render/export/RtfWriter.h"

#include <QCoreApplication>

std::optional<QByteArray> ExportWriter::bytes(ExportFormat format, const QString& markdown, const QString& title,
                                              const ImageAccess& images, const QString& themeCSS,
                                              const QString& userCSS, QString* error)
{
    auto fail = [error](const QString& why) -> std::optional<QByteArray> {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString body = MarkdownHTMLRenderer::renderBody(markdown);
    switch (format) {
    case ExportFormat::html:
    case ExportFormat::copyHTML: return Exporter::htmlDocument(body, title, themeCSS, userCSS, false).toUtf8();
    case ExportFormat::pdf:
        return fail(QCoreApplication::translate("Exporter", "PDF pages are made by the page renderer."));
    case ExportFormat::rtf:
    case ExportFormat::docx:
    case ExportFormat::odt: break;
    }
    const QString page = Exporter::htmlDocument(body, title, themeCSS, userCSS, true);
    const QList<RichBlock> blocks = RichText::blocks(*RichText::textDocument(page, images));
    // What the theme and user CSS say about text, which these formats keep in their styles.
    const ExportTextStyles styles = ExportStyleSheet::read(themeCSS, userCSS);
    QByteArray bytes;
    QString why;
    if (format == ExportFormat::rtf)
        bytes = RtfWriter::write(blocks, styles);
    else if (format == ExportFormat::docx)
        bytes = DocxWriter::write(blocks, title, styles, &why);
    else
        bytes = OdtWriter::write(blocks, title, styles, &why);
    if (bytes.isEmpty())
        return fail(why.isEmpty() ? QCoreApplication::translate("Exporter", "The document could not be converted.")
                                  : why);
    return bytes;
}
