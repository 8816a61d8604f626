#pragma once

#include "render/export/RichText.h"

#include <QByteArray>

namespace DocxWriter {

// A Word (Office Open XML) document of the blocks: heading styles, numbered and bulleted
// lists, code in a monospaced style, tables with a repeated header row, links and
// embedded PNG images, on Letter pages with one-inch margins. What `styles` set goes into
// the named styles (and the page's colour), a run's own roles into its properties. Empty
// with `error` set when the archive cannot be made.
QByteArray write(const QList<RichBlock>& blocks, const QString& title, const ExportTextStyles& styles = {},
                 QString* error = nullptr);

// Text made safe for XML 1.0: markup characters escaped, characters XML cannot carry
// (controls, lone surrogates, U+FFFE, U+FFFF) left out.
QString xmlText(const QString& text);

} // namespace DocxWriter
