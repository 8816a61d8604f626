#include "platform/DiskStamp.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    ASSERT_TRUE(f.commit());
}
} // namespace

TEST(DiskStamp, TellsOtherWritesFromTheSameBytes)
{
    using State = DiskStamp::State;
    QTemporaryDir dir;
    const QString path = dir.filePath("a.md");
    writeAtomically(path, "one");
    DiskStamp stamp;
    stamp.remember(path, "one");
    EXPECT_EQ(stamp.check(path), State::Unchanged);
    writeAtomically(path, "one"); // a new file with the same bytes
    EXPECT_EQ(stamp.check(path), State::Unchanged);
    writeAtomically(path, "two"); // same size, other bytes
    EXPECT_EQ(stamp.check(path), State::Changed);
    stamp.remember(path, "two");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(stamp.check(path), State::Missing);

    // A path without a file: creating one there is a change.
    stamp.remember(path, "");
    EXPECT_EQ(stamp.check(path), State::Unchanged);
    writeAtomically(path, "");
    EXPECT_EQ(stamp.check(path), State::Changed);
}
