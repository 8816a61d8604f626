#include "platform/OpenableFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OpenableFile {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(OpenableFile)
};

Verdict judge(const struct stat& st)
{
    if (S_ISDIR(st.st_mode)) return {Problem::Folder};
    if (S_ISFIFO(st.st_mode)) return {Problem::Special, Special::Pipe};
    if (S_ISSOCK(st.st_mode)) return {Problem::Special, Special::Socket};
    if (!S_ISREG(st.st_mode)) return {Problem::Special, Special::Device};
    if (qint64(st.st_size) > kMaxBytes) return {Problem::TooLarge};
    return {};
}

Verdict failure(int error)
{
    if (error == ENOENT || error == ENOTDIR) return {Problem::Missing};
    return {Problem::Unreadable, {}, qt_error_string(error)};
}

qint64 sizeInMB(qint64 bytes)
{
    return bytes / (1024 * 1024);
}

} // namespace

Verdict check(const QString& path)
{
    if (path.isEmpty()) return {Problem::Missing};
    struct stat st;
    // stat follows links: what counts is the file a link leads to.
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return failure(errno);
    return judge(st);
}

std::optional<QByteArray> read(const QString& path, Verdict* why)
{
    const auto refuse = [why](Verdict v) -> std::optional<QByteArray> {
        if (why) *why = std::move(v);
        return std::nullopt;
    };
    if (Verdict v = check(path); !v.ok()) return refuse(v);
    // Non-blocking, so that a file swapped for a pipe since the check cannot hold the
    // open; it changes nothing for a regular file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refuse(failure(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0) return refuse(failure(errno));
    if (Verdict v = judge(st); !v.ok()) return refuse(v);

    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size) + 1); // one more: a file that grew is read on
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > kMaxBytes) return refuse({Problem::TooLarge});
            bytes.resize(qMin<qint64>(kMaxBytes + 1, qMax<qint64>(filled * 2, 64 * 1024)));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0) {
            if (errno == EINTR) continue;
            return refuse(failure(errno));
        }
        if (n == 0) break;
        filled += n;
    }
    if (filled > kMaxBytes) return refuse({Problem::TooLarge});
    bytes.truncate(filled);
    return bytes;
}

QString message(const QString& path, const Verdict& verdict)
{
    const QString name = QFileInfo(path).fileName();
    switch (verdict.problem) {
    case Problem::None: return {};
    case Problem::Missing: return Tr::tr("“%1” does not exist.").arg(name);
    case Problem::Folder: return Tr::tr("“%1” is a folder, not a text file.").arg(name);
    case Problem::Special:
        switch (verdict.special) {
        case Special::Pipe: return Tr::tr("“%1” is a pipe, not a text file.").arg(name);
        case Special::Socket: return Tr::tr("“%1” is a socket, not a text file.").arg(name);
        case Special::Device: return Tr::tr("“%1” is a device, not a text file.").arg(name);
        }
        break;
    case Problem::TooLarge:
        return Tr::tr("“%1” is larger than %L2 MB and is not opened.").arg(name).arg(sizeInMB(kMaxBytes));
    case Problem::Unreadable: return Tr::tr("“%1” could not be read: %2").arg(name, verdict.detail);
    }
    return {};
}

QString reason(const Verdict& verdict)
{
    switch (verdict.problem) {
    case Problem::None: return {};
    case Problem::Missing: return Tr::tr("It does not exist.");
    case Problem::Folder: return Tr::tr("It is a folder, not a text file.");
    case Problem::Special:
        switch (verdict.special) {
        case Special::Pipe: return Tr::tr("It is a pipe, not a text file.");
        case Special::Socket: return Tr::tr("It is a socket, not a text file.");
        case Special::Device: return Tr::tr("It is a device, not a text file.");
        }
        break;
    case Problem::TooLarge: return Tr::tr("It is larger than %L1 MB.").arg(sizeInMB(kMaxBytes));
    case Problem::Unreadable: return Tr::tr("It could not be read: %1").arg(verdict.detail);
    }
    return {};
}

} // namespace OpenableFile
