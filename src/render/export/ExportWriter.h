#pragma once

#include "render/ExportFormat.h"
#include "render/ImageAccess.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The writer for a file format: the bytes of one document as an HTML page, Rich Text, Word or
// OpenDocument. The three word-processing formats read the offline page as rich text once
// (RichText) and write its blocks (RtfWriter, DocxWriter, OdtWriter). A PDF's writer is
// PrintController::writePDF, whose pages the web engine lays out. Plain work on values: runs
// on any thread.
namespace ExportWriter {

// `images` says which local images may be embedded and where relative ones resolve. No
// value for pdf, or when a conversion fails, with the reason in `error`. copyHTML gives the
// HTML page.
std::optional<QByteArray> bytes(ExportFormat format, const QString& markdown, const QString& title,
                                const ImageAccess& images, const QString& themeCSS, const QString& userCSS,
                                QString* error = nullptr);

} // namespace ExportWriter
