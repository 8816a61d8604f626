#include "platform/DiskStamp.h"

#include "platform/OpenableFile.h"

#include <QFile>
#include <QStringList>

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

QString DiskStamp::toLine() const
{
    if (!m_stat.exists) return QStringLiteral("none");
    return QStringLiteral("%1 %2 %3 %4").arg(m_stat.size).arg(m_stat.modifiedNs).arg(m_stat.inode).arg(m_stat.device);
}

std::optional<DiskStamp> DiskStamp::fromLine(const QString& line)
{
    DiskStamp stamp;
    if (line == u"none") return stamp;
    const QStringList parts = line.split(u' ');
    if (parts.size() != 4) return std::nullopt;
    bool ok[4] = {};
    stamp.m_stat = {true, parts[0].toLongLong(&ok[0]), parts[1].toLongLong(&ok[1]), parts[2].toULongLong(&ok[2]),
                    parts[3].toULongLong(&ok[3])};
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || stamp.m_stat.size < 0) return std::nullopt;
    return stamp;
}
