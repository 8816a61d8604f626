#include "editor/WikiLinks.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(WikiLinks, ResolvesRegularFilesInExtensionOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString doc = dir.filePath("me.md");
    touch(doc);
    touch(dir.filePath("Plan.markdown"));
    touch(dir.filePath("Plan.txt"));
    touch(dir.filePath("notes.old.md"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub"));
    touch(dir.filePath("sub/page.md"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("Folder.md")); // a folder never resolves
    ASSERT_TRUE(QDir(dir.path()).mkpath("odd.ext"));

    EXPECT_EQ(WikiLinks::resolve(u"Plan", doc), dir.filePath("Plan.markdown"));
    EXPECT_EQ(WikiLinks::resolve(u" Plan\t", doc), dir.filePath("Plan.markdown"));
    EXPECT_EQ(WikiLinks::resolve(u"notes.old", doc), dir.filePath("notes.old.md"));
    EXPECT_EQ(WikiLinks::resolve(u"sub/page", doc), dir.filePath("sub/page.md"));
    EXPECT_EQ(WikiLinks::resolve(u"Plan.txt", doc), dir.filePath("Plan.txt"));
    EXPECT_EQ(WikiLinks::resolve(u"Folder", doc), QString());
    EXPECT_EQ(WikiLinks::resolve(u"odd.ext", doc), QString());
    EXPECT_EQ(WikiLinks::resolve(u"Missing", doc), QString());
    EXPECT_EQ(WikiLinks::resolve(u"Plan", QString()), QString()); // untitled
}

TEST(WikiLinks, CandidatesAndMatches)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString doc = dir.filePath("me.md");
    for (const char* name : {"me.md", "a.md", "B.md", "c.MD", "d.rtf"}) touch(dir.filePath(name));
    EXPECT_EQ(WikiLinks::candidates(doc, {}), (QStringList{"a", "B", "c"}));
    EXPECT_EQ(WikiLinks::candidates(QString(), {"/x/Recent.md", "/x/img.png"}), QStringList{"Recent"});

    QTemporaryDir other;
    for (const char* name : {"Notes.md", "Another note.md", "No.md", "me.md"}) touch(other.filePath(name));
    EXPECT_EQ(WikiLinks::matches(u"no", other.filePath("me.md"), {}), (QStringList{"No", "Notes", "Another note"}));
    EXPECT_EQ(WikiLinks::matches(u"  ", other.filePath("me.md"), {}).size(), 3);
}

TEST(WikiLinks, CompletionRangeAndLinkAtIndex)
{
    EXPECT_EQ(WikiLinks::completionRange(u"see [[Proj", 10), TextRange(6, 4));
    EXPECT_TRUE(WikiLinks::completionRange(u"[[Proj]] x", 10).isNotFound());
    EXPECT_EQ(WikiLinks::completionRange(u"[[done]] and [[op", 17), TextRange(15, 2));
    EXPECT_EQ(WikiLinks::completionRange(u"[[", 2), TextRange(2, 0));
    EXPECT_TRUE(WikiLinks::completionRange(u"[", 1).isNotFound());
    EXPECT_TRUE(WikiLinks::completionRange(u"[[a\nb", 5).isNotFound()); // only within the line
    EXPECT_EQ(WikiLinks::completionRange(u"x\r\n[[a", 6), TextRange(5, 1));

    const QString text = "go [[ Plan | the plan ]] or [[Other]]";
    EXPECT_EQ(WikiLinks::targetAt(text, 15), "Plan"); // on the label
    EXPECT_EQ(WikiLinks::targetAt(text, 30), "Other");
    EXPECT_EQ(WikiLinks::targetAt(text, 1), QString());
}

TEST(WikiLinks, RecentDocumentsComeFromTheStore)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Settings::useFile(dir.filePath("settings.ini"));
    RecentDocuments::add(Settings::instance(), "/elsewhere/Journal.md");
    RecentDocuments::add(Settings::instance(), "/elsewhere/photo.jpg");
    EXPECT_EQ(WikiLinks::candidates(QString()), QStringList{"Journal"});
    EXPECT_EQ(WikiLinks::matches(u"jour", QString()), QStringList{"Journal"});
    RecentDocuments::clear(Settings::instance());
}
