#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

class Settings;

// A stored value that a store could not read is the user's data all the same: before the
// store replaces it (with its defaults, or with the next edit), the raw value is written to
// a file of its own beside the settings, so nothing is lost to a bug, a newer version's
// format or a hand edit gone wrong. What happened is logged in `log`, the category of the
// store that falls back (see Logging.h), not in the platform's.
namespace KeptAside {

using Category = const QLoggingCategory& (*)();

// Writes `raw` to "<settings folder>/Kept aside/<key> <date and time>.txt" and returns that
// path, or an empty string when it could not be written. The same raw value kept again
// returns the earlier file instead of writing another.
QString keep(const Settings& settings, const QString& key, const QByteArray& raw, Category log);
QString keep(const QString& key, const QByteArray& raw, Category log); // beside the process-wide store

// For a store kept in a file of its own: moves the file at `path` into the folder under
// the same kind of name and returns the new path, or an empty string when it could not
// be moved (the file then stays where it is, and the store must not write over it).
QString keepFile(const QString& key, const QString& path, Category log);

// The folder the copies go to, beside the settings' own file.
QString folder(const Settings& settings);

} // namespace KeptAside
