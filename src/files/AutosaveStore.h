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
// "<id>.for" beside it, so that it comes back as that file's text, not a new document. A window that holds a document claims its id with a
// lock file, so a second running instance does not restore the same document twice;
// the lock of a crashed process is stale and can be taken over.
class AutosaveStore {
public:
    // The folder under the application data location.
    static QString defaultFolder();

    explicit AutosaveStore(QString folder = defaultFolder());

    QString folder() const { return m_folder; }
    static QString newId();

    struct Entry {
        QString id;
        QString text;
        QDateTime modified;
        // The file the text was kept aside for; empty for an untitled document's draft.
        QString forPath;
    };
    // Every stored document, oldest first; unreadable entries are skipped.
    QList<Entry> entries() const;

    // Takes the id's lock for this process; nothing when another live process holds it.
    std::unique_ptr<QLockFile> claim(const QString& id) const;

    // `forPath` names the file the text belongs to (empty: an untitled document's draft).
    bool save(const QString& id, const QString& text, QString* error = nullptr, const QString& forPath = {}) const;
    void remove(const QString& id) const;

private:
    QString path(const QString& id) const;
    QString forPathFile(const QString& id) const;
    QString m_folder;
};
