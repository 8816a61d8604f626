#include "files/AutosaveStore.h"

#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AutosaveStore, KeepsUntitledTextUntilRemovedAndLocksPerProcess)
{
    QTemporaryDir dir;
    AutosaveStore store(dir.filePath("Autosave"));
    EXPECT_TRUE(store.entries().isEmpty()); // the folder does not exist yet
    const QString a = AutosaveStore::newId(), b = AutosaveStore::newId();
    ASSERT_TRUE(store.save(a, "first\r\ndraft"));
    ASSERT_TRUE(store.save(b, ""));
    ASSERT_TRUE(store.save(a, "first\r\ndraft, longer"));
    QFile junk(dir.filePath("Autosave/notes.md"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.close();

    auto entries = store.entries();
    ASSERT_EQ(entries.size(), 2);
    QStringList texts;
    for (const auto& e : entries) texts << e.text;
    EXPECT_TRUE(texts.contains("first\r\ndraft, longer"));
    EXPECT_TRUE(texts.contains(""));

    auto lock = store.claim(a);
    ASSERT_TRUE(lock);
    EXPECT_FALSE(store.claim(a)); // held by a live owner
    lock.reset();
    EXPECT_TRUE(store.claim(a));

    store.remove(a);
    ASSERT_EQ(store.entries().size(), 1);
    EXPECT_EQ(store.entries().first().id, b);
}

TEST(AutosaveStore, ALockLeftByADeadProcessCanBeTakenOver)
{
    QTemporaryDir dir;
    AutosaveStore store(dir.path());
    const QString id = AutosaveStore::newId();
    QFile lock(dir.filePath(id + ".md.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // QLockFile's format: pid, application name, host name. No process has this pid.
    lock.write("2147480000\nbrindlewick\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    EXPECT_TRUE(store.claim(id));
}

// A copy's note names its file whole or names none: a file name may hold a line feed, and the
// note of an earlier release (the path alone) read up to one would name another file.
TEST(AutosaveStore, ANoteNamesItsFileWholeOrNone)
{
    QTemporaryDir dir;
    AutosaveStore store(dir.filePath("Autosave"));
    const QString id = AutosaveStore::newId();
    ASSERT_TRUE(store.save(id, "text", nullptr, dir.filePath("a\nb.md"), {AutosaveStore::Baseline::Kind::Unknown, {}}));
    ASSERT_EQ(store.entries().size(), 1);
    EXPECT_EQ(store.entries().first().forPath, QString());
}
