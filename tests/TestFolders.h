#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Test programs never see the user's own folders: configuration, data and cache point into
// a temporary folder for the whole run, so a test that forgets its own settings file or
// store folder still cannot read or write the user's.
inline void redirectUserFolders(const QTemporaryDir& dir)
{
    for (const char* var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, QFile::encodeName(dir.filePath(QString::fromLatin1(var))));
    // The runtime folder holds the running program's socket: a program a test starts must
    // never hand its files to the user's own running program, nor to another test's.
    const QString runtime = dir.filePath(QStringLiteral("XDG_RUNTIME_DIR"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}
