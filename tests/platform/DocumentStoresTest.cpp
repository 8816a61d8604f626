#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

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

    // An unreadable list is said once in the platform's category, however often it is read.
    static QStringList categories;
    categories.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& c, const QString&) { categories << QString::fromLatin1(c.category); });
    s.setValue(PrefKey::recentDocuments, "{not json");
    EXPECT_TRUE(RecentDocuments::paths(s).isEmpty());
    EXPECT_TRUE(RecentDocuments::paths(s).isEmpty());
    qInstallMessageHandler(previous);
    EXPECT_EQ(categories.join(u' ').toStdString(), "brindlewick.platform");
    RecentDocuments::add(s, dir.filePath("x.md")); // recovers from the broken value
    EXPECT_EQ(RecentDocuments::paths(s), QStringList{dir.filePath("x.md")});
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
