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
#include <climits>
#include <ctime>
#include <functional>
#include <string_view>

#include <dirent.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SafeWrite)
};

// What a write ended with: 0, the failing call's errno, or one of these.
constexpr int kNotAFile = -1;
constexpr int kLinkLoop = -2;

// The file a link leads to, followed to its end even when that file does not exist yet,
// so that saving through a link writes the file it names and the link stays a link. Links
// that go round in a circle end on a link, which stat() then refuses (ELOOP).
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
// Every file of our own carries this before its random part: a name no person picks, so that
// nothing of the user's that merely looks like such a file (".notes.md.backup") is ever taken
// for one. Earlier releases made ".<name>.XXXXXX" without it; beside a user's files those are
// left alone, for that shape is one a person may choose.
constexpr std::string_view kTag = ".bw-tmp-";

bool isRandomPart(std::string_view tail)
{
    return tail.size() == size_t(kTempSuffix) && tail.find_first_not_of(kChars) == std::string_view::npos;
}

// The name of every file of our own beside `target` begins with this: ".<name>.bw-tmp-"
QByteArray tempStem(const QString& target)
{
    return QFile::encodeName(QStringLiteral(".") + QFileInfo(target).fileName())
           + QByteArray(kTag.data(), qsizetype(kTag.size()));
}

// A new file named `stem` followed by six random letters or digits, made by this call alone.
int createUnique(const QByteArray& stem, mode_t mode, QByteArray* created)
{
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

// A new file of our own beside `target`, hidden from folder listings.
int createBeside(const QString& target, mode_t mode, QByteArray* created)
{
    return createUnique(QFile::encodeName(QFileInfo(target).absolutePath() + u'/') + tempStem(target), mode, created);
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

// The path or the name is longer than the system takes (the name with the temporary file's
// additions).
QString tooLong(const QString& target)
{
    const QString name = QFileInfo(target).fileName();
    if (tempStem(target).size() + kTempSuffix > NAME_MAX)
        return Tr::tr("the name “%1” is too long; choose a shorter one.").arg(name);
    return Tr::tr("its path is too long; choose a folder with a shorter path.");
}

// What went wrong with a write of `bytes` bytes to `target`, in words a user can act on: the
// folder is missing or cannot be written, the file is read-only, the disk is full or
// read-only, the path is too long; else the system's own words.
QString userReason(const QString& target, qint64 bytes, int code, bool inPlace)
{
    if (code == ENAMETOOLONG) return tooLong(target);
    const QFileInfo file(target);
    const QFileInfo folder(file.absolutePath());
    const QString name = file.fileName();
    if (!folder.exists()) return Tr::tr("the folder “%1” does not exist.").arg(folder.absoluteFilePath());
    // A new file is made in the folder for every write but one in place, writable file or not.
    if (!folder.isWritable() && !(inPlace && file.isWritable()))
        return Tr::tr("the folder “%1” is read-only.").arg(folder.absoluteFilePath());
    if (file.exists() && !file.isWritable()) return Tr::tr("“%1” is read-only.").arg(name);
    const QStorageInfo volume(folder.absoluteFilePath());
    if (volume.isValid() && volume.bytesAvailable() >= 0 && volume.bytesAvailable() < bytes + 4096)
        return Tr::tr("the disk is full.");
    if (volume.isValid() && volume.isReadOnly()) return Tr::tr("the disk is read-only.");
    return qt_error_string(code);
}

// Only a regular file is replaced or written over: a named pipe, a device, a socket or a
// folder at the target is left as it was (a pipe's reader would get nothing, a device would
// be swapped for a file of that name), and so is a link that never reaches a file (it would
// be swapped for a file of its name).
QString reasonFor(const QString& path, const QString& target, qint64 bytes, int code, bool inPlace)
{
    const auto shown = [](const QString& p) { return QDir::toNativeSeparators(QFileInfo(p).absoluteFilePath()); };
    if (code == kNotAFile)
        return Tr::tr("“%1” is not a file (it is a folder, a device, a pipe or a socket); nothing was written to it.")
            .arg(shown(target));
    if (code == kLinkLoop)
        return Tr::tr("the links on the way to “%1” go round in a circle and never reach a file; nothing was "
                      "written to it.")
            .arg(shown(path));
    return userReason(target, bytes, code, inPlace);
}

QByteArray& notesFolder()
{
    static QByteArray folder;
    return folder;
}

QMutex& notesLock()
{
    static QMutex lock;
    return lock;
}

// "write.bw-tmp-XXXXXX": a name no person picks, in a folder where a person may put anything.
constexpr std::string_view kNoteStem = "write.bw-tmp-";

// While a write to a name that does not exist yet runs, a note naming it lies in the notes
// folder (when one is set): if a crash ends the write, no later write of that name may ever
// come to remove what it left (a Save As to a new name that never landed), so the next launch
// does. The note goes when the write has ended, well or not.
class NewNameNote {
public:
    explicit NewNameNote(const QByteArray& target)
    {
        QByteArray folder;
        {
            const QMutexLocker locked(&notesLock());
            folder = notesFolder();
        }
        if (folder.isEmpty()) return;
        const int fd =
            createUnique(folder + '/' + QByteArray(kNoteStem.data(), qsizetype(kNoteStem.size())), 0600, &m_path);
        if (fd < 0) return;
        const bool written = writeAll(fd, target) == 0;
        if (::close(fd) != 0 || !written) dismiss();
    }
    ~NewNameNote() { dismiss(); }
    NewNameNote(const NewNameNote&) = delete;
    NewNameNote& operator=(const NewNameNote&) = delete;

private:
    void dismiss()
    {
        if (!m_path.isEmpty()) ::unlink(m_path.constData());
        m_path.clear();
    }
    QByteArray m_path;
};

int replaceOrFail(const QString& target, QByteArrayView bytes, unsigned mode)
{
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (!exists && errno == ELOOP) return kLinkLoop;
    if (exists && !S_ISREG(old.st_mode)) return kNotAFile;
    // A file this user may not write is not replaced behind its back.
    if (exists && ::access(targetName.constData(), W_OK) != 0) return errno;

    const NewNameNote note(exists ? QByteArray() : QFile::encodeName(QFileInfo(target).absoluteFilePath()));
    QByteArray temp;
    const int fd = createBeside(target, mode ? mode_t(mode) : mode_t(0666), &temp);
    if (fd < 0) return errno;
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
        return code;
    }
    flushFolderOf(target);
    SafeWrite::removeLeftovers(target);
    return 0;
}

int overwriteOrFail(const QString& path, QByteArrayView bytes)
{
    // Not blocking: opening a pipe with no reader would wait for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENXIO ? kNotAFile : errno == ELOOP ? kLinkLoop : errno;
    struct stat st {};
    int code = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (code == 0 && !S_ISREG(st.st_mode)) code = kNotAFile;
    if (code == 0 && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) code = errno;
    // The room for a longer text is claimed before a byte of the old one is overwritten.
    if (code == 0 && bytes.size() > st.st_size) code = ::posix_fallocate(fd, st.st_size, bytes.size() - st.st_size);
    if (code == 0) code = writeAll(fd, bytes);
    if (code == 0 && ::ftruncate(fd, bytes.size()) != 0) code = errno;
    if (code == 0) code = flushAndCheck(fd, bytes.size());
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0) SafeWrite::removeLeftovers(resolved(path));
    return code;
}

// Removes from `folder` the regular files of this user's that `ours` takes for its own and
// that nobody has written to for kLeftoverSeconds (a write under way, another window's or
// another instance's, writes to its file until it renames it), each only when `mayRemove`,
// if given, agrees. True when such a file was left for being recent.
bool sweep(const QByteArray& folder, const std::function<bool(std::string_view)>& ours,
           const std::function<bool(int dirFd, const char* name)>& mayRemove = {})
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return false;
    const int dirFd = ::dirfd(dir);
    const time_t before = ::time(nullptr) - SafeWrite::kLeftoverSeconds;
    bool youngLeft = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (!ours(entry->d_name)) continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (st.st_mtime > before) {
            youngLeft = true;
            continue;
        }
        if (!mayRemove || mayRemove(dirFd, entry->d_name)) ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
    return youngLeft;
}

// Removes what crashed writes left beside `target`; true when one of ours was left for being recent.
bool sweepBeside(const QString& target)
{
    const QByteArray stem = tempStem(target);
    return sweep(QFile::encodeName(QFileInfo(target).absolutePath()), [&](std::string_view name) {
        return name.starts_with(std::string_view(stem)) && isRandomPart(name.substr(size_t(stem.size())));
    });
}

// A note's text: the absolute path of a file a write was making. A note is the program's own,
// but read with care all the same: at most a path's length.
QString noteTarget(int dirFd, const char* name)
{
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray text(64 * 1024, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, size_t(text.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) got = 0;
        if (n <= 0) break;
        got += n;
    }
    ::close(fd);
    text.truncate(got);
    return text.startsWith('/') ? QFile::decodeName(text) : QString();
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
    if (sweepBeside(target)) return; // looked at again by the next write
    const QMutexLocker locked(&lock);
    clean.insert(target);
}

void removeLeftoversInOwnFolder(const QString& folder, const std::function<bool(const QString& name)>& isOwnFile)
{
    sweep(QFile::encodeName(folder), [&](std::string_view name) {
        if (name.size() < 3 + size_t(kTempSuffix) || name[0] != '.') return false;
        const size_t random = name.size() - kTempSuffix;
        if (!isRandomPart(name.substr(random))) return false;
        // ".<own name>.bw-tmp-XXXXXX", or an earlier release's ".<own name>.XXXXXX"
        std::string_view own = name.substr(1, random - 1);
        if (own.ends_with(kTag))
            own.remove_suffix(kTag.size());
        else if (own.ends_with('.'))
            own.remove_suffix(1);
        else
            return false;
        return !own.empty() && isOwnFile(QFile::decodeName(QByteArray(own.data(), qsizetype(own.size()))));
    });
}

void noteNewNamesIn(const QString& folder)
{
    if (!folder.isEmpty()) QDir().mkpath(folder);
    const QMutexLocker locked(&notesLock());
    notesFolder() = QFile::encodeName(folder);
}

void removeInterruptedWrites()
{
    QByteArray folder;
    {
        const QMutexLocker locked(&notesLock());
        folder = notesFolder();
    }
    if (folder.isEmpty()) return;
    const auto isNote = [](std::string_view name) {
        return name.starts_with(kNoteStem) && isRandomPart(name.substr(kNoteStem.size()));
    };
    // A note goes with what its write left; it stays while that is still being written.
    sweep(folder, isNote, [](int dirFd, const char* name) {
        const QString target = noteTarget(dirFd, name);
        return target.isEmpty() || !sweepBeside(target);
    });
}

bool replace(const QString& path, QByteArrayView bytes, QString* error, unsigned mode)
{
    const QString target = resolved(path);
    const int code = replaceOrFail(target, bytes, mode);
    if (code != 0 && error) *error = reasonFor(path, target, bytes.size(), code, false);
    return code == 0;
}

bool overwrite(const QString& path, QByteArrayView bytes, QString* error)
{
    const int code = overwriteOrFail(path, bytes);
    if (code != 0 && error) *error = reasonFor(path, resolved(path), bytes.size(), code, true);
    return code == 0;
}

} // namespace SafeWrite
