#pragma once

#include <QFile>
#include <QTemporaryDir>

// Test programs never see the user's own folders: configuration, data and cache point into
// a temporary folder for the whole run, so a test that forgets its own settings file or
// store folder still cannot read or write the user's.
inline void redirectUserFolders(const QTemporaryDir& dir)
{
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, QFile::encodeName(dir.filePath(QString::fromLatin1(var))));
}
