#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An in-memory zip archive (libzip), for the word-processing formats.
class ZipWriter {
public:
    // `stored` entries are not compressed (OpenDocument's "mimetype" must be the first,
    // stored entry).
    void add(const QString& name, const QByteArray& bytes, bool stored = false);
    // The archive's bytes; empty with `error` set when libzip fails.
    QByteArray finish(QString* error = nullptr) const;

private:
    struct Entry {
        QString name;
        QByteArray bytes;
        bool stored;
    };
    QList<Entry> m_entries;
};
