#include "platform/SafeWrite.h"

#include "platform/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

mode_t kindOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

constexpr int kTwoHours = 2 * 3600;

// A file last written `secondsAgo`, made now unless it is there.
bool makeAged(const QString& path, int secondsAgo)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && (f.size() > 0 || f.write("half") == 4) && f.flush()
           && f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList entriesOf(const QString& folder)
{
    return sorted(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

// What `f` returns when run in a child process by a user who may not write everywhere: nobody,
// when the tests run as root (who may); none when the child could not become that user.
std::optional<QString> asPlainUser(const std::function<QString()>& f)
{
    int out[2];
    if (::pipe(out) != 0) return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        const uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) ::_exit(1);
        const QByteArray text = f().toUtf8();
        ::_exit(::write(out[1], text.constData(), size_t(text.size())) == text.size() ? 0 : 1);
    }
    ::close(out[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(text);
}

} // namespace

// A named pipe, a device or a folder where a file is to be written is left as it was, with a
// reason that names it: replacing it would take the pipe away from its reader (who would get
// nothing) or swap a device for a file of its name. Nothing is left beside it either.
TEST(SafeWrite, RefusesWhatIsNotAFileAndWritesNothing)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("out.pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A reader waits on the pipe: a write that reached it would be read here.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QString error;
    EXPECT_FALSE(SafeWrite::replace(fifo, "exported", &error));
    EXPECT_TRUE(error.contains(fifo)) << error.toStdString();
    EXPECT_FALSE(SafeWrite::overwrite(fifo, "exported", &error));
    EXPECT_TRUE(error.contains(fifo)) << error.toStdString();
    EXPECT_EQ(kindOf(fifo), mode_t(S_IFIFO));
    char c = 0;
    EXPECT_LE(::read(reader, &c, 1), 0);
    ::close(reader);

    // Through a link too: the link and what it names stay.
    const QString link = dir.filePath("link.md");
    ASSERT_TRUE(QFile::link(fifo, link));
    EXPECT_FALSE(SafeWrite::replace(link, "exported", &error));
    EXPECT_EQ(kindOf(link), mode_t(S_IFLNK));
    EXPECT_EQ(kindOf(fifo), mode_t(S_IFIFO));

    const QString folder = dir.filePath("folder.md");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(SafeWrite::replace(folder, "exported", &error));
    EXPECT_TRUE(error.contains(folder)) << error.toStdString();

    // Links that go round in a circle never reach a file: they stay links.
    const QString loop = dir.filePath("loop.md");
    const QString self = dir.filePath("self.md");
    ASSERT_TRUE(QFile::link(dir.filePath("back.md"), loop) && QFile::link(loop, dir.filePath("back.md")));
    ASSERT_TRUE(QFile::link(self, self));
    for (const QString& link : {loop, self}) {
        EXPECT_FALSE(SafeWrite::replace(link, "exported", &error));
        EXPECT_TRUE(error.contains(link)) << error.toStdString();
        EXPECT_FALSE(SafeWrite::overwrite(link, "exported", &error));
        EXPECT_TRUE(error.contains(link)) << error.toStdString();
        EXPECT_EQ(kindOf(link), mode_t(S_IFLNK));
    }

    // A character device of our own (like /dev/null), where the system lets us make one.
    const QString device = dir.filePath("null");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_FALSE(SafeWrite::replace(device, "exported", &error));
        EXPECT_TRUE(error.contains(device)) << error.toStdString();
        EXPECT_FALSE(SafeWrite::overwrite(device, "exported", &error));
        EXPECT_EQ(kindOf(device), mode_t(S_IFCHR));
    }
    QStringList left =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    QStringList expected{"back.md", "folder.md", "link.md", "loop.md", "out.pipe", "self.md"};
    if (kindOf(device)) expected.append("null");
    expected.sort();
    EXPECT_EQ(left, expected);

    // A regular file next to them is written as ever.
    EXPECT_TRUE(SafeWrite::replace(dir.filePath("plain.md"), "text", &error)) << error.toStdString();
}

// A write refused for its folder or its path says so, where the system only says "Permission
// denied" (a file this user may write, in a folder this user may not) or "File name too long".
TEST(SafeWrite, AFailureSaysWhatTheUserCanChange)
{
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString folder = dir.filePath("shared");
    const auto reason = asPlainUser([&] {
        QFile doc(folder + "/doc.md");
        if (!QDir().mkdir(folder) || !doc.open(QIODevice::WriteOnly)
            || ::chmod(QFile::encodeName(folder).constData(), 0555) != 0)
            return QStringLiteral("cannot make the folder");
        QString why;
        return SafeWrite::replace(doc.fileName(), "text", &why) ? QStringLiteral("written") : why;
    });
    EXPECT_EQ(reason, "the folder “" + folder + "” is read-only.");
    ::chmod(QFile::encodeName(folder).constData(), 0755); // to be removed with the rest

    QString deep = dir.path();
    for (int i = 0; i < 3000; ++i) deep += "/a";
    QString why;
    EXPECT_FALSE(SafeWrite::replace(deep + "/doc.md", "text", &why));
    EXPECT_EQ(why, "its path is too long; choose a folder with a shorter path.");
    // A name the system takes, but not with the temporary file's additions.
    const QString longName = QString(250, u'n') + ".md";
    EXPECT_FALSE(SafeWrite::replace(dir.filePath(longName), "text", &why));
    EXPECT_EQ(why, "the name “" + longName + "” is too long; choose a shorter one.");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"shared"});
}

// The temporary file a write ended by a crash left beside a document goes with the next write
// of that document, whether it replaces the file or writes over it in place; a fresh one (a
// write under way elsewhere) stays until it has lain untouched. Nothing of the user's goes,
// however much its name looks like ours, nor what an earlier release left in that shape.
TEST(SafeWrite, AWriteRemovesOnlyWhatACrashedWriteOfTheSameFileLeft)
{
    const QStringList users{".x.md.backup",       ".x.md.notes1",       ".x.md.Recent",        ".x.md.Xy7Q2a",
                            ".x.md.bw-tmp-Xy7Q2", ".x.mdbw-tmp-Xy7Q2a", ".y.md.bw-tmp-Xy7Q2a", "x.md"};
    for (const bool inPlace : {false, true}) {
        QTemporaryDir dir;
        for (const QString& name : users) ASSERT_TRUE(makeAged(dir.filePath(name), kTwoHours)) << name.toStdString();
        ASSERT_TRUE(makeAged(dir.filePath(".x.md.bw-tmp-Ab12Cd"), kTwoHours));
        ASSERT_TRUE(makeAged(dir.filePath(".x.md.bw-tmp-Fresh1"), 0));
        const auto write = [&](const QByteArray& text) {
            const QString file = dir.filePath("x.md");
            return inPlace ? SafeWrite::overwrite(file, text) : SafeWrite::replace(file, text);
        };
        ASSERT_TRUE(write("text"));
        EXPECT_EQ(entriesOf(dir.path()), sorted(users + QStringList{".x.md.bw-tmp-Fresh1"})) << inPlace;
        ASSERT_TRUE(makeAged(dir.filePath(".x.md.bw-tmp-Fresh1"), kTwoHours));
        ASSERT_TRUE(write("again"));
        EXPECT_EQ(entriesOf(dir.path()), sorted(users)) << inPlace;
    }
}

// A write to a new name that a crash ended leaves its temporary file where no later write of
// that name may ever come (a Save As that never landed): the note kept while the write ran
// lets a later launch remove it, and only it; a file of another name among the notes stays.
TEST(SafeWrite, ALaunchRemovesWhatAWriteToANewNameEndedByACrashLeft)
{
    QTemporaryDir dir;
    QTemporaryDir notes;
    SafeWrite::noteNewNamesIn(notes.path());
    ASSERT_TRUE(makeAged(notes.filePath("write-mine01"), kTwoHours));
    ASSERT_TRUE(
        killedAtFileSizeLimit(1000, [&] { SafeWrite::replace(dir.filePath("new.md"), QByteArray(4000, 'x')); }));
    const QStringList users{".new.md.backup", ".new.md.Xy7Q2a"};
    for (const QString& name : users) ASSERT_TRUE(makeAged(dir.filePath(name), kTwoHours));
    const QStringList left = entriesOf(dir.path());
    ASSERT_EQ(left.size(), 3) << left.join(' ').toStdString();
    ASSERT_EQ(entriesOf(notes.path()).size(), 2);
    for (const QString& name : left) ASSERT_TRUE(makeAged(dir.filePath(name), kTwoHours));
    for (const QString& name : entriesOf(notes.path())) ASSERT_TRUE(makeAged(notes.filePath(name), kTwoHours));

    SafeWrite::removeInterruptedWrites();
    EXPECT_EQ(entriesOf(dir.path()), sorted(users));
    EXPECT_EQ(entriesOf(notes.path()), QStringList{"write-mine01"});
    // A write that ends, well or not, takes its note away.
    EXPECT_TRUE(SafeWrite::replace(dir.filePath("other.md"), "text"));
    EXPECT_FALSE(SafeWrite::replace(dir.filePath("gone/other.md"), "text"));
    EXPECT_EQ(entriesOf(notes.path()), QStringList{"write-mine01"});
    SafeWrite::noteNewNamesIn({});
}
