#include "app/WindowPicks.h"

bool WindowPicks::isBlank(const Window& w)
{
    return !w.hasFile && !w.edited && w.empty;
}

int WindowPicks::windowToReuse(const QList<Window>& windows)
{
    for (int i = 0; i < windows.size(); ++i)
        if (isBlank(windows[i])) return i;
    return -1;
}

QList<int> WindowPicks::windowsToDiscard(const QList<Window>& windows)
{
    QList<int> out;
    for (int i = 0; i < windows.size(); ++i)
        if (isBlank(windows[i])) out.append(i);
    return out;
}
