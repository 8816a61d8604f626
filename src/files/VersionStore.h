#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One stored version of a document's text.
struct Snapshot {
    QString id;       // snapshot time in whole milliseconds since 1970, decimal; the file's stem
    double date = 0;  // seconds since 1970-01-01 UTC, as handed in by the caller
    qint64 bytes = 0; // UTF-8 length of the text
    qint64 words = 0; // VersionStore::wordCount of the text

    QDateTime dateTime() const;
    bool operator==(const Snapshot&) const = default;
};

// Private history of each saved document: whole-text snapshots outside the document, one
// folder per document file (named by a hash of its path) holding "manifest.json" and one
// "<id>.snapshot" file per version. The newest 60 are kept; a text equal to the newest
// version is not stored again. Nothing is kept in memory between calls.
//
// Failures never lose data: every write is atomic, a failed write leaves the previous state
// in place and is reported through `error` (empty when nothing went wrong, also when a
// snapshot was skipped because there was nothing new to store).
namespace VersionStore {

inline constexpr int kRetention = 60;

// The "Versions" folder (not created by asking). Defaults to the application data folder;
// tests point it at a temporary folder.
QString root();
void setRoot(const QString& folder); // empty: back to the default

// Hex djb2 hash of the standardized path's UTF-8 bytes; empty for an untitled document.
QString key(const QString& filePath);
// root/key, or empty for an untitled document.
QString folder(const QString& filePath);

// Stores `text` as a new version unless it is empty or equal to the newest version.
std::optional<Snapshot> snapshot(const QString& text, const QString& filePath, const QDateTime& date,
                                 QString* error = nullptr);
std::optional<Snapshot> snapshot(const QString& text, const QString& filePath, double date, QString* error = nullptr);
// The same into `dir`, the file's folder() as it was when the snapshot was asked for (a
// snapshot taken on another thread reads no setting there).
std::optional<Snapshot> snapshotInto(const QString& dir, const QString& text, const QString& filePath, double date,
                                     QString* error = nullptr);

// The snapshot's text; none when it is missing, not valid UTF-8 or the id is not a valid id.
std::optional<QString> text(const Snapshot& snapshot, const QString& filePath);
// The same from `dir`, the file's folder() worked out before (on another thread).
std::optional<QString> textIn(const QString& dir, const Snapshot& snapshot);

// Drops the snapshot from the manifest, then removes its file. False (with `error`) when the
// manifest could not be written; nothing is removed then.
bool remove(const Snapshot& snapshot, const QString& filePath, QString* error = nullptr);
// The same in `dir`, the file's folder() worked out before (on another thread).
bool removeIn(const QString& dir, const Snapshot& snapshot, QString* error = nullptr);

// The document's versions, newest first. An unreadable manifest does not orphan the history:
// the list is then rebuilt from the snapshot files on disk.
QList<Snapshot> list(const QString& filePath);
QList<Snapshot> listIn(const QString& dir);

// Words are maximal runs of characters between spaces, tabs and line feeds (a CR LF pair is
// one character and no separator).
qint64 wordCount(const QString& text);

// Ids are decimal digits only; anything else is never turned into a file name.
bool isValidId(const QString& id);

// The manifest's JSON: an array of {"id", "date" (seconds since 2001), "bytes", "words"}.
// Decoding gives none when any entry is malformed.
std::optional<QList<Snapshot>> decodeManifest(const QByteArray& json);
QByteArray encodeManifest(const QList<Snapshot>& list);

} // namespace VersionStore
