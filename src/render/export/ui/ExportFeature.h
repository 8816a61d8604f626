#pragma once

class DocumentHost;

// The header and footer sheet in every document window, shown by the key window on the
// "editHeaderFooter" request (the File menu's Header & Footer…, a double-click in a page's
// header or footer band). One sheet per window: a second request brings it forward.
namespace ExportFeature {

void attach(DocumentHost& host);

} // namespace ExportFeature
