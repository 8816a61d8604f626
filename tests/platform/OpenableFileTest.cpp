#include "platform/OpenableFile.h"
#include "platform/DiskStamp.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using OpenableFile::Problem;

namespace {

QString makeFifo(const QTemporaryDir& dir, const char* name)
{
    const QString path = dir.filePath(name);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
}

// Runs `f`, which must not block on `fifo`. Should it block, a writer opened and closed
// on the pipe lets it finish, so the test fails instead of hanging.
template <typename F> auto withoutBlocking(const QString& fifo, F f)
{
    auto result = std::async(std::launch::async, f);
    if (result.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
        ADD_FAILURE() << "blocked on " << fifo.toStdString();
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    return result.get();
}

} // namespace

TEST(OpenableFile, OnlyRegularFilesAfterLinksAreRead)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("a.md");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# hello\n");
    f.close();
    const QString linkToText = dir.filePath("link.md");
    ASSERT_TRUE(QFile::link(text, linkToText));
    EXPECT_EQ(OpenableFile::read(linkToText), QByteArray("# hello\n"));

    const QString fifo = makeFifo(dir, "pipe.md");
    const QString linkToFifo = dir.filePath("pipe-link.md");
    const QString linkToZero = dir.filePath("zero.md");
    const QString dangling = dir.filePath("dangling.md");
    ASSERT_TRUE(QFile::link(fifo, linkToFifo));
    ASSERT_TRUE(QFile::link("/dev/zero", linkToZero));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dangling));

    const auto problemOf = [](const QString& path) {
        OpenableFile::Verdict why;
        EXPECT_FALSE(OpenableFile::read(path, &why)) << path.toStdString();
        EXPECT_EQ(OpenableFile::check(path).problem, why.problem) << path.toStdString();
        return why.problem;
    };
    withoutBlocking(fifo, [&] {
        EXPECT_EQ(problemOf(fifo), Problem::Special);
        EXPECT_EQ(problemOf(linkToFifo), Problem::Special);
    });
    EXPECT_EQ(problemOf("/dev/zero"), Problem::Special);
    EXPECT_EQ(problemOf(linkToZero), Problem::Special);
    EXPECT_EQ(problemOf(dir.path()), Problem::Folder);
    EXPECT_EQ(problemOf(dangling), Problem::Missing);
    EXPECT_EQ(problemOf(dir.filePath("none.md")), Problem::Missing);

    // The user is told which file and why.
    OpenableFile::Verdict why;
    OpenableFile::read(linkToZero, &why);
    EXPECT_EQ(OpenableFile::message(linkToZero, why), QString("“zero.md” is a device, not a text file."));

    // A file swapped for a pipe after its stamp was taken is a change, found without blocking.
    DiskStamp stamp;
    stamp.remember(text, "# hello\n");
    ASSERT_TRUE(QFile::remove(text));
    ASSERT_EQ(::mkfifo(QFile::encodeName(text).constData(), 0600), 0);
    EXPECT_EQ(withoutBlocking(text, [&] { return stamp.check(text); }), DiskStamp::State::Changed);
}

TEST(OpenableFile, TooLargeIsRefusedBeforeReading)
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.md");
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(OpenableFile::kMaxBytes + 1)); // sparse: costs no disk
    f.close();
    OpenableFile::Verdict why;
    EXPECT_FALSE(OpenableFile::read(big, &why));
    EXPECT_EQ(why.problem, Problem::TooLarge);
    EXPECT_EQ(OpenableFile::message(big, why), QString("“big.md” is larger than 256 MB and is not opened."));
}
