#pragma once

class DocumentHost;

// What the files subsystem adds to every document window: the file-browser sidebar, the
// version history sheet, a snapshot every 180 s and when the window closes, the menu items
// that reach them, and the window's entry in the session store.
namespace DocumentFiles {

inline constexpr int kAutoSnapshotSeconds = 180;

// Attaches to one document window; a second call on the same window does nothing.
void attach(DocumentHost& host);

} // namespace DocumentFiles
