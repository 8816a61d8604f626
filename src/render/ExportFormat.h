#pragma once

#include <QString>

// The ways a document can leave the program. The id is how presets store a format.
enum class ExportFormat { html, pdf, rtf, docx, odt, copyHTML };

namespace ExportFormats {

// The case name: "html", "pdf", "rtf", "docx", "odt", "copyHTML".
QString id(ExportFormat format);
// Exact, case-sensitive; every other string, the empty one included, is html, so a stored
// format never fails to export.
ExportFormat fromId(const QString& id);
// The file extension without a dot; empty for copyHTML, which writes no file.
QString extension(ExportFormat format);

} // namespace ExportFormats
