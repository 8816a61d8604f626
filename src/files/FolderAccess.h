#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Folders the user granted once, kept across launches under "grantedFolderBookmarks": a map
// from the standardized folder path to the folder's bookmark. This platform has no sandbox,
// so a bookmark is the folder path itself and "starting access" only checks that the folder
// is still there; every operation still reports what really happened.
namespace FolderAccess {

// Records a grant for `folder` (replacing an older one). False when nothing was stored: the
// path is not an existing folder.
bool grant(const QString& folder);

// The most specific granted folder covering `path` whose bookmark still resolves; empty
// when there is none.
QString resolved(const QString& path);
bool hasAccess(const QString& path);

// Every granted folder whose bookmark still resolves, in no particular order.
QStringList grantedFolders();

// True when access to the resolved folder is available; a successful start is matched by
// one stop.
bool startAccessing(const QString& folder);
void stopAccessing(const QString& folder);

// Runs `action` inside the scope of the granted folder that covers `path`, or without a
// scope when none does, and returns its value.
template <typename F> auto withAccess(const QString& path, F&& action)
{
    const QString folder = resolved(path);
    const bool started = !folder.isEmpty() && startAccessing(folder);
    struct Stop {
        const QString& folder;
        bool started;
        ~Stop()
        {
            if (started) stopAccessing(folder);
        }
    } stop{folder, started};
    return std::forward<F>(action)();
}

} // namespace FolderAccess
