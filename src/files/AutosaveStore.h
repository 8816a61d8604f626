#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// Keeps the text of documents that have no file yet, so that a crash or a kill loses
// nothing and the next launch brings them back. One file per document, "<id>.md" in
// one folder, written atomically. A copy kept aside for a file (one that could not be
// written, or was being written in place when the program ended) names that file in
// "<id>.for" beside it, so that it comes back as that file's text, not a new document; the
// note also keeps how that file stood (see Baseline). A window that holds a document claims
// its id with a lock file, so a second running instance does not restore the same document
// twice; the lock of a crashed process is stale and can be taken over.
class AutosaveStore {
public:
    // The folder under the application data location.
    static QString defaultFolder();

    explicit AutosaveStore(QString folder = defaultFolder());

    QString folder() const { return m_folder; }
    static QString newId();

    // How the file a copy was kept aside for stood, kept in its note, so that a write back over
    // a file changed since is asked about at every later launch, not only the first:
    // - NextLaunch: kept by the file's own window, whose write over the file a crash may have
    //   left half done; the launch that brings the copy back takes the file as it finds it;
    // - Found: as that launch found it (`stamp`, a DiskStamp line);
    // - Unknown: a note of an earlier release, which says nothing: a write back asks first.
    struct Baseline {
        enum class Kind { NextLaunch, Found, Unknown };
        Kind kind = Kind::NextLaunch;
        QString stamp;
    };

    struct Entry {
        QString id;
        QString text;
        QDateTime modified;
        // The file the text was kept aside for; empty for an untitled document's draft.
        QString forPath;
        Baseline baseline;
    };
    // Every stored document, oldest first; unreadable entries are skipped.
    QList<Entry> entries() const;

    // Takes the id's lock for this process; nothing when another live process holds it.
    std::unique_ptr<QLockFile> claim(const QString& id) const;

    // `forPath` names the file the text belongs to (empty: an untitled document's draft), and
    // `baseline` tells how that file stood.
    bool save(const QString& id, const QString& text, QString* error, const QString& forPath,
              const Baseline& baseline) const;
    bool save(const QString& id, const QString& text, QString* error = nullptr, const QString& forPath = {}) const
    {
        return save(id, text, error, forPath, Baseline());
    }
    // Rewrites the note of the copy `id` alone (its text stays as it is).
    bool note(const QString& id, const QString& forPath, const Baseline& baseline) const;
    void remove(const QString& id) const;

private:
    QString path(const QString& id) const;
    QString forPathFile(const QString& id) const;
    QString m_folder;
};
