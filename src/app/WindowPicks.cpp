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

QPoint WindowPicks::cascade(const QRect& screen, const QRect& from, QSize size, int step)
{
    const QRect next(from.topLeft() + QPoint(step, step), size);
    return screen.contains(next) ? next.topLeft() : screen.topLeft();
}

QSize WindowPicks::fitted(const QRect& screen, QSize preferred)
{
    // A small margin keeps the frame's edges and shadow on the screen.
    return preferred.boundedTo((screen.size() - QSize(32, 32)).expandedTo(QSize(1, 1)));
}
