#pragma once

#include "render/export/RichText.h"

#include <QByteArray>

namespace OdtWriter {

// An OpenDocument text of the blocks, written like the Word and Rich Text files: Letter
// pages with one-inch margins, heading styles, bulleted and numbered lists with a gap after
// each marker, code in a monospaced style, bordered tables as wide as the text, links and
// embedded PNG images. What `styles` set goes into the named styles (and the page's colour),
// a run's own roles into its automatic style. Empty with `error` set when the archive cannot
// be made.
QByteArray write(const QList<RichBlock>& blocks, const QString& title, const ExportTextStyles& styles = {},
                 QString* error = nullptr);

} // namespace OdtWriter
