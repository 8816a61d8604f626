#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What a file looked like when this program last read or wrote it, so that a change made
// by another program can be told apart from our own writes before the file is overwritten.
//
// A check costs one stat(): size, modification time (nanoseconds), inode and device. Only
// when those differ is the file read and its content compared with the bytes remembered,
// so a `touch` or a rewrite with the same bytes is not taken for a change.
class DiskStamp {
public:
    enum class State { Unchanged, Changed, Missing };

    // After reading or writing `bytes` at `path`. For a path without a file yet (a new
    // document named on the command line), a file created there later is a change. Returns
    // the bytes remembered before, for a caller that lets a long text's go elsewhere.
    QByteArray remember(const QString& path, const QByteArray& bytes);

    // How the file at `path` compares with what was remembered. Missing: there is no file
    // (deleted or moved away) where one was remembered.
    State check(const QString& path);

    // How the file looked (not its bytes) as one line of text that outlives the process, and
    // a stamp made from such a line: any other look of the file is then a change (or Missing).
    // Nothing from a line that is not one.
    QString toLine() const;
    static std::optional<DiskStamp> fromLine(const QString& line);

private:
    struct Stat {
        bool exists = false;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        quint64 inode = 0;
        quint64 device = 0;
        bool operator==(const Stat&) const = default;
    };
    static Stat statOf(const QString& path);

    Stat m_stat;
    // The bytes themselves (shared with the caller's copy, not hashed): remembering after
    // every autosave costs nothing, and the rare comparison is one pass over both.
    QByteArray m_bytes;
};
