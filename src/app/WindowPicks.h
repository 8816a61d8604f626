#pragma once

#include <QList>
#include <QRect>

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

// Where a new window of `size` goes on a screen whose free area is `screen`: a step down and to
// the right of `from` (the window it cascades from), back at the free area's top left when
// that step would take any of it off the screen.
QPoint cascade(const QRect& screen, const QRect& from, QSize size, int step = 28);

// A new window's size: `preferred`, shrunk to fit the free area with a margin.
QSize fitted(const QRect& screen, QSize preferred);

} // namespace WindowPicks
