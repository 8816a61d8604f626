#include "platform/DiskStamp.h"

#include "platform/OpenableFile.h"

#include <QFile>

#include <utility>

#include <sys/stat.h>

DiskStamp::Stat DiskStamp::statOf(const QString& path)
{
    struct stat st;
    // Follows a symlink: the document is the file it leads to.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
    return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, quint64(st.st_ino),
            quint64(st.st_dev)};
}

QByteArray DiskStamp::remember(const QString& path, const QByteArray& bytes)
{
    m_stat = statOf(path);
    return std::exchange(m_bytes, bytes);
}

DiskStamp::State DiskStamp::check(const QString& path)
{
    const Stat now = statOf(path);
    if (now == m_stat) return State::Unchanged;
    if (!now.exists) return State::Missing;
    if (!m_stat.exists) return State::Changed; // created by someone else since
    // Read only as a document would be: a file replaced by a pipe or a device is a change.
    const std::optional<QByteArray> bytes = OpenableFile::read(path);
    if (!bytes || *bytes != m_bytes) return State::Changed;
    m_stat = now; // same bytes: only touched or rewritten unchanged
    return State::Unchanged;
}
