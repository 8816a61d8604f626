#include "render/export/PageFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString root()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString base =
        runtime.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) : runtime;
    return base.isEmpty() ? QString() : base + QStringLiteral("/brindlewick-pages");
}

// A folder of ours that no one else may enter: made when missing, refused when it is a link,
// someone else's, or cannot be closed to others.
bool makePrivate(const QString& path)
{
    if (!QDir().mkpath(path)) return false;
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) == 0) return true;
    return ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

} // namespace

namespace PageFiles {

QString folder()
{
    const QString base = root();
    if (base.isEmpty() || !makePrivate(base)) return {};
    const QString own = base + u'/' + QString::number(::getpid());
    return makePrivate(own) ? own : QString();
}

void clearLeftovers()
{
    const QString base = root();
    if (base.isEmpty()) return;
    const QStringList entries = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& name : entries) {
        bool number = false;
        const qint64 pid = name.toLongLong(&number);
        if (!number || pid <= 0 || pid == ::getpid()) continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue; // still running, or not ours to judge
        QDir(base + u'/' + name).removeRecursively();
    }
}

} // namespace PageFiles
