#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SafeWrite)
};

bool fail(QString* error, int code)
{
    if (error) *error = qt_error_string(code);
    return false;
}

// The file a link leads to, followed to its end even when that file does not exist yet,
// so that saving through a link writes the file it names and the link stays a link.
QString resolved(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.filePath();
}

// Writes all of `bytes` at the file's offset, unbuffered; 0 or the failing write's errno.
int writeAll(int fd, QByteArrayView bytes)
{
    const char* p = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        p += n;
        left -= n;
    }
    return 0;
}

// Puts the file on the device and checks that it holds `size` bytes.
int flushAndCheck(int fd, qsizetype size)
{
    if (::fsync(fd) != 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    return st.st_size == size ? 0 : EIO;
}

constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kTempSuffix = 6;

// The name of every file of our own beside `target` begins with this: ".<name>."
QByteArray tempStem(const QString& target)
{
    return QFile::encodeName(QStringLiteral(".") + QFileInfo(target).fileName() + u'.');
}

// A new file of our own beside `target`: ".<name>.XXXXXX", hidden from folder listings.
int createBeside(const QString& target, mode_t mode, QByteArray* created)
{
    const QByteArray stem = QFile::encodeName(QFileInfo(target).absolutePath() + u'/') + tempStem(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = stem;
        for (int i = 0; i < kTempSuffix; ++i)
            name += kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)];
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            *created = name;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// The rename itself reaches the disk only with its folder.
void flushFolderOf(const QString& file)
{
    const int fd =
        ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// What went wrong with a write of `bytes` bytes to `path`, in words a user can act on: the
// folder is missing or read-only, the file is read-only, the disk is full or read-only; else
// the system's own words.
QString userReason(const QString& path, qint64 bytes, const QString& systemReason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString name = file.fileName();
    if (!folder.exists()) return Tr::tr("the folder “%1” does not exist.").arg(folder.absoluteFilePath());
    if (!folder.isWritable() && !(file.exists() && file.isWritable()))
        return Tr::tr("the folder “%1” is read-only.").arg(folder.absoluteFilePath());
    if (file.exists() && !file.isWritable()) return Tr::tr("“%1” is read-only.").arg(name);
    const QStorageInfo volume(folder.absoluteFilePath());
    if (volume.isValid() && volume.bytesAvailable() >= 0 && volume.bytesAvailable() < bytes + 4096)
        return Tr::tr("the disk is full.");
    if (volume.isValid() && volume.isReadOnly()) return Tr::tr("the disk is read-only.");
    return systemReason;
}

// Only a regular file is replaced or written over: a named pipe, a device, a socket or a
// folder at the target is left as it was (a pipe's reader would get nothing, a device would
// be swapped for a file of that name).
QString notAFile(const QString& target)
{
    return Tr::tr("“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.")
        .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
}

bool replaceOrFail(const QString& path, QByteArrayView bytes, QString* error, unsigned mode)
{
    const QString target = resolved(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        if (error) *error = notAFile(target);
        return false;
    }
    // A file this user may not write is not replaced behind its back.
    if (exists && ::access(targetName.constData(), W_OK) != 0) return fail(error, errno);

    QByteArray temp;
    const int fd = createBeside(target, mode ? mode_t(mode) : mode_t(0666), &temp);
    if (fd < 0) return fail(error, errno);
    int code = 0;
    if (exists) {
        // The new file takes the old one's owner and group where this user may set them (root
        // saving another user's file, a group member saving a shared one).
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = ::fchown(fd, uid_t(-1), old.st_gid);
        }
    }
    // After the owner: changing it may clear the mode's set-id bits.
    if (mode || exists) code = ::fchmod(fd, mode ? mode_t(mode) : old.st_mode & 07777) == 0 ? 0 : errno;
    if (code == 0) code = writeAll(fd, bytes);
    if (code == 0) code = flushAndCheck(fd, bytes.size());
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && ::rename(temp.constData(), targetName.constData()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.constData());
        return fail(error, code);
    }
    flushFolderOf(target);
    SafeWrite::removeLeftovers(target);
    return true;
}

bool overwriteOrFail(const QString& path, QByteArrayView bytes, QString* error)
{
    // Not blocking: opening a pipe with no reader would wait for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) {
        if (error) *error = notAFile(resolved(path));
        return false;
    }
    if (fd < 0) return fail(error, errno);
    struct stat st {};
    int code = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (code == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (error) *error = notAFile(resolved(path));
        return false;
    }
    if (code == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) code = errno;
    // The room for a longer text is claimed before a byte of the old one is overwritten.
    if (code == 0 && bytes.size() > st.st_size) code = ::posix_fallocate(fd, st.st_size, bytes.size() - st.st_size);
    if (code == 0) code = writeAll(fd, bytes);
    if (code == 0 && ::ftruncate(fd, bytes.size()) != 0) code = errno;
    if (code == 0) code = flushAndCheck(fd, bytes.size());
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0) SafeWrite::removeLeftovers(resolved(path));
    return code == 0 || fail(error, code);
}

bool isRegularOrAbsent(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode);
}

} // namespace

namespace SafeWrite {

void removeLeftovers(const QString& path)
{
    // A crash leaves such files only behind another run of the program (a write of this one
    // that fails removes its own), so a name found clean once stays clean: its folder is not
    // read again at every save and autosave.
    static QMutex lock;
    static QSet<QString> clean;
    const QString target = resolved(path);
    {
        const QMutexLocker locked(&lock);
        if (clean.contains(target)) return;
    }
    bool youngLeft = false;
    const QByteArray stem = tempStem(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    const time_t before = ::time(nullptr) - kLeftoverSeconds;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() != size_t(stem.size()) + kTempSuffix || !name.starts_with(std::string_view(stem))) continue;
        if (name.find_first_not_of(kChars, size_t(stem.size())) != std::string_view::npos) continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        // Only a regular file of this user's that nobody has written to for a while: a save
        // under way (another window's, another instance's) writes to its file until it renames it.
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (st.st_mtime > before) {
            youngLeft = true; // looked at again by the next write
            continue;
        }
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
    if (youngLeft) return;
    const QMutexLocker locked(&lock);
    clean.insert(target);
}

bool replace(const QString& path, QByteArrayView bytes, QString* error, unsigned mode)
{
    QString system;
    if (replaceOrFail(path, bytes, &system, mode)) return true;
    if (error) *error = isRegularOrAbsent(path) ? userReason(path, bytes.size(), system) : system;
    return false;
}

bool overwrite(const QString& path, QByteArrayView bytes, QString* error)
{
    QString system;
    if (overwriteOrFail(path, bytes, &system)) return true;
    if (error) *error = isRegularOrAbsent(path) ? userReason(path, bytes.size(), system) : system;
    return false;
}

} // namespace SafeWrite
