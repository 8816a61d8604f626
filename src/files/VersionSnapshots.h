#pragma once

#include "files/VersionStore.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Version snapshots taken on a thread of their own, so that reading the latest version,
// comparing it with a long text and writing the new one never hold up the main thread.
// They run one at a time, in the order asked for, with the other work on the store given to
// after(); the store's own calls on the main thread (the history window's deletes) call
// finish() first, so nothing writes a document's versions beside them.
namespace VersionSnapshots {

struct Request {
    QList<QString> pieces; // the text, joined on the snapshot's thread
    // Applied there to the joined text (the file's own line breaks); may be empty.
    std::function<QString(const QString&)> prepare;
    QString filePath;
    double date = 0; // seconds since 1970
};
// What VersionStore::snapshot gave: the version stored, or none (`error` empty when the
// text was empty or unchanged).
using Done = std::function<void(const std::optional<Snapshot>& made, const QString& error)>;

// Queues the snapshot; `done` runs on the main thread once it is stored (from the event
// loop, or within finish()). Until then closing the last window does not end the program.
// Called on the main thread only.
void take(Request request, Done done);
// Runs `work` on the snapshots' thread once the snapshots and the work asked for before it
// are done, then `done` on the main thread, as take() does. Either may be empty.
void after(std::function<void()> work, std::function<void()> done);
// True while a snapshot or work asked for has not landed yet.
bool isBusy();
// Waits for every snapshot asked for and runs their `done`. Quitting calls it, so a snapshot
// under way is never cut short.
void finish();

} // namespace VersionSnapshots
