#include "platform/SafeWrite.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

mode_t kindOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
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
    QStringList expected{"folder.md", "link.md", "out.pipe"};
    if (kindOf(device)) expected.append("null");
    expected.sort();
    EXPECT_EQ(left, expected);

    // A regular file next to them is written as ever.
    EXPECT_TRUE(SafeWrite::replace(dir.filePath("plain.md"), "text", &error)) << error.toStdString();
}

// The temporary file a write ended by a crash left beside a document goes with the next write
// of that document; a fresh one (a write under way elsewhere) and names that are not ours stay.
TEST(SafeWrite, AWriteRemovesWhatACrashedWriteOfTheSameFileLeft)
{
    QTemporaryDir dir;
    const auto make = [&](const QString& name, int secondsAgo) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write("half") == 4 && f.flush()
               && f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
    };
    for (const char* name :
         {".notes.md.Xy7Q2a", ".notes.md.tmp", ".notes.md.Xy7Q2", ".notes.mdXy7Q2a", ".note.md.Xy7Q2a"})
        ASSERT_TRUE(make(name, 600)) << name;
    ASSERT_TRUE(make(".notes.md.Recent", 0));
    ASSERT_TRUE(SafeWrite::replace(dir.filePath("notes.md"), "text"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{".note.md.Xy7Q2a", ".notes.md.Recent", ".notes.md.Xy7Q2", ".notes.md.tmp",
                                 ".notes.mdXy7Q2a", "notes.md"}));
    // The one left for being recent goes with a write after it has lain untouched.
    ASSERT_TRUE(make(".notes.md.Recent", 600));
    ASSERT_TRUE(SafeWrite::replace(dir.filePath("notes.md"), "again"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(".notes.md.Recent")));
}
