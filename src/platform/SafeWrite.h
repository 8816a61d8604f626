#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Every file the program writes goes through here: documents, drafts, copies kept aside,
// versions, keys, pasted images and exports. A write either puts every byte on the disk or
// leaves the file as it was and says why; it is never reported done when it was not.
//
// The bytes go unbuffered to a new file beside the target; each write's result is checked,
// the file is flushed to the device and its size read back, and only then does it replace
// the target (a full disk, a quota or a size limit fails before that). A link is followed to
// the file it names; an existing file's owner, group and mode carry over where permitted.
// Only a regular file is written: a pipe, a device, a socket or a folder at the target, or
// links that go round in a circle, are refused with a reason that names them and left as
// they were.
// Safe to call from any thread.
namespace SafeWrite {

// Replaces `path` with `bytes`. `mode` (e.g. 0600) is the new file's permissions, set
// before a byte is written, whether or not a file was there; 0 keeps an existing file's and
// gives a new one the usual default. False with the reason in `error`, in words a user can
// act on (the folder is missing or cannot be written, the file is read-only, the disk is full
// or read-only, the name or the path is too long; else the system's own); the file at `path`
// is then untouched and nothing is left beside it.
bool replace(const QString& path, QByteArrayView bytes, QString* error = nullptr, unsigned mode = 0);

// Writes `bytes` over the existing file itself, so that its other hard links see them too.
// Not atomic: the space is claimed first, so a disk that cannot hold the bytes fails with
// the file untouched, but a crash in the middle leaves it half written (callers keep the
// bytes elsewhere first).
// The reason in `error` as for replace().
bool overwrite(const QString& path, QByteArrayView bytes, QString* error = nullptr);

// Removes the files of our own that a write ended by a crash or a kill left beside `path`
// (".<name>.bw-tmp-XXXXXX", as replace() makes them), once nothing has written to them for
// kLeftoverSeconds. No other name is touched, whatever it looks like. A successful write does
// this itself.
inline constexpr int kLeftoverSeconds = 60;
void removeLeftovers(const QString& path);

// The same for the files of `folder`, a store's own folder (a document's versions), whose
// names `isOwnFile` tells: what crashed writes of those left, ".<own name>.bw-tmp-XXXXXX", and
// the ".<own name>.XXXXXX" that earlier releases made. Nothing else goes, whatever its shape.
void removeLeftoversInOwnFolder(const QString& folder, const std::function<bool(const QString& name)>& isOwnFile);

// While a write to a name that does not exist yet runs, a note naming it is kept in `folder`
// (none by default; empty: none again), so that if a crash ends it, removeInterruptedWrites()
// at a later launch removes what it left beside that name, which no later write of the name
// may ever come to do (a Save As to a new name that never landed).
void noteNewNamesIn(const QString& folder);
void removeInterruptedWrites();

} // namespace SafeWrite
