#pragma once

#include <QList>

// Which document windows the start actions may reuse or close, decided from what each
// window holds, apart from the windows themselves.
namespace WindowPicks {

struct Window {
    bool hasFile = false; // shows a file (not untitled)
    bool edited = false;  // has unsaved changes
    bool empty = true;    // its text is empty
};

// A window that holds nothing the user could lose: untitled, unedited and empty. A window
// opened with a template's or a link's text is unedited but not empty, and is kept.
bool isBlank(const Window& w);

// The window New Document fronts instead of making a new one: the first blank one, or -1.
int windowToReuse(const QList<Window>& windows);

// The windows a start action closes before it opens its own document: every blank one.
QList<int> windowsToDiscard(const QList<Window>& windows);

} // namespace WindowPicks
