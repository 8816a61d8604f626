#pragma once

#include "platform/PrefKey.h"

#include <QStringList>

#include <functional>

// Remembers which document files are open, so the next launch can reopen them. Windows
// report their document when they appear and when the user closes them (not when they go
// because the program quits, so quitting keeps the documents open at that moment); the
// stored list under "openSessionBookmarks" is rewritten whole on every change.
namespace SessionStore {

inline constexpr QLatin1String kEnabledKey = PrefKey::reopenLastSession;

// "reopenLastSession"; anything but a stored Boolean reads as on.
bool isEnabled();

// The stored documents that can still be opened, in stored order: one that is gone, or is
// now a folder, a pipe, a device or too large, is skipped without a word.
QStringList savedURLs();

// Opens each document through the opener the application installed.
void reopen(const QStringList& paths);
void setOpener(std::function<void(const QString& path)> opener);

// The file location of a document whose window appeared or disappeared; an empty path (an
// untitled document) changes nothing.
void markOpen(const QString& path);
void markClosed(const QString& path);

// The documents currently reported open, in the order their windows appeared.
QStringList openDocuments();
// Forgets the in-memory state (tests simulate a new launch with it).
void resetForNewLaunch();

} // namespace SessionStore
