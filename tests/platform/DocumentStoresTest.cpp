#include "app/TemplateStore.h"
#include "files/AutosaveStore.h"
#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(RecentDocuments, NewestFirstWithoutDuplicatesAndCapped)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    EXPECT_TRUE(RecentDocuments::paths(s).isEmpty());
    for (int i = 0; i < 12; ++i) RecentDocuments::add(s, dir.filePath(QString("f%1.md").arg(i)));
    RecentDocuments::add(s, dir.filePath("sub/../f5.md")); // same file, spelled differently
    const QStringList p = RecentDocuments::paths(s);
    ASSERT_EQ(p.size(), RecentDocuments::maxCount);
    EXPECT_EQ(p.first(), dir.filePath("f5.md"));
    EXPECT_EQ(p.count(dir.filePath("f5.md")), 1);
    EXPECT_FALSE(p.contains(dir.filePath("f0.md")));
    RecentDocuments::remove(s, dir.filePath("f5.md"));
    EXPECT_FALSE(RecentDocuments::paths(s).contains(dir.filePath("f5.md")));

    s.setValue(PrefKey::recentDocuments, "{not json");
    EXPECT_TRUE(RecentDocuments::paths(s).isEmpty());
    RecentDocuments::add(s, dir.filePath("x.md")); // recovers from the broken value
    EXPECT_EQ(RecentDocuments::paths(s), QStringList{dir.filePath("x.md")});
}

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

TEST(TemplateStore, PendingTextIsTakenByExactlyOneDocument)
{
    EXPECT_EQ(TemplateStore::takePending(), "");
    TemplateStore::pending = "abc";
    EXPECT_EQ(TemplateStore::takePending(), "abc");
    EXPECT_EQ(TemplateStore::takePending(), "");
}

TEST(LineEndings, DetectAndRestore)
{
    EXPECT_EQ(LineEndings::detect(u"a\r\nb\nc"), "\r\n");
    EXPECT_EQ(LineEndings::detect(u"a\rb"), "\r");
    EXPECT_EQ(LineEndings::detect(u"a\nb\r\n"), "\n");
    EXPECT_EQ(LineEndings::detect(u"none"), "\n");
    const QString crlf = "# T\r\n\r\nx\r\n";
    const QString lf = LineEndings::toLineFeeds(crlf);
    EXPECT_EQ(lf, "# T\n\nx\n");
    EXPECT_EQ(LineEndings::fromLineFeeds(lf, LineEndings::detect(crlf)), crlf);
    EXPECT_EQ(LineEndings::toLineFeeds("a\rb\r\n"), "a\nb\n");
}
