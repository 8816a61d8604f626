#pragma once

#include <QMetaObject>

class DocumentWindow;

// What the files subsystem adds to every document window: the file-browser sidebar, the
// version history sheet, a snapshot every 180 s and when the window closes, the menu items
// that reach them, and the window's entry in the session store.
namespace DocumentFiles {

inline constexpr int kAutoSnapshotSeconds = 180;

// Attaches to every document window the document controller opens from now on, and lets
// the session store open documents through the controller. Disconnecting the returned
// connection stops attaching.
QMetaObject::Connection install();
void attach(DocumentWindow* window);

// At launch: when reopening is on and documents of the last session still exist, reopens
// them 0.2 s later and then closes the untitled, unedited windows. True when scheduled (the
// welcome window is then not shown).
bool scheduleSessionReopen();

} // namespace DocumentFiles
