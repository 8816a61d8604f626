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
// `path` as the export writes it: ending in the format's extension (any letter case), which
// is appended when the name carries another one or none ("notes.md" becomes
// "notes.md.html"), so an export never replaces a file of another type.
QString withExtension(const QString& path, ExportFormat format);

} // namespace ExportFormats
