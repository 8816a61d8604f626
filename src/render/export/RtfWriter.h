#pragma once

#include "render/export/RichText.h"

#include <QByteArray>

namespace RtfWriter {

// A Rich Text file of the blocks: headings, lists, code, tables, links and PNG images.
// Every character outside ASCII is written as a Unicode escape, so the file is 7-bit. What
// `styles` set is written with each paragraph and run, as the format has no styles to hold it.
QByteArray write(const QList<RichBlock>& blocks, const ExportTextStyles& styles = {});

} // namespace RtfWriter
