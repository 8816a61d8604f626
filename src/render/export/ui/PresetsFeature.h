#pragma once

class DocumentHost;

// The export presets sheet in every document window: the key window shows it on the
// "showExportPresets" request, and "Export With This Preset" exports that window's
// document with the preset's format, theme and CSS, then closes the sheet.
namespace PresetsFeature {

void attach(DocumentHost& host);

} // namespace PresetsFeature
