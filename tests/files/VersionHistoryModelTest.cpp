#include "FilesTestSupport.h"

#include "files/VersionHistoryModel.h"

namespace {
const QDateTime kT0 = QDateTime::fromSecsSinceEpoch(1'700'000'000);
}

class VersionHistoryModelTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        doc = makeFile("note.md");
    }
    QString doc;
};

TEST_F(VersionHistoryModelTest, SelectsNewestAndLabelsWordDeltas)
{
    ASSERT_TRUE(VersionStore::snapshot("one two three four five", doc, kT0));
    ASSERT_TRUE(VersionStore::snapshot("one", doc, kT0.addSecs(1)));
    ASSERT_TRUE(VersionStore::snapshot("one two", doc, kT0.addSecs(2)));
    VersionHistoryModel m(doc, "one two");
    EXPECT_FALSE(m.selected());
    m.reload();
    ASSERT_EQ(m.snapshots().size(), 3);
    EXPECT_EQ(m.selected()->id, "1700000002000");
    EXPECT_EQ(m.deltaLabel(m.snapshots()[0]), "");
    EXPECT_EQ(m.deltaLabel(m.snapshots()[1]), "-1 vs now");
    EXPECT_EQ(m.deltaLabel(m.snapshots()[2]), "+3 vs now");
    EXPECT_EQ(m.fileName(), "note.md");
    EXPECT_EQ(VersionHistoryModel(QString(), "x").fileName(), "Untitled");

    // The selection survives a reload; Snapshot Now with unchanged text adds nothing.
    m.select(m.snapshots()[2].id);
    QString error = "not landed";
    VersionSnapshots::take(m.snapshotRequest(kT0.addSecs(3)),
                           [&](const std::optional<Snapshot>&, const QString& e) { error = e; });
    VersionSnapshots::finish();
    m.reload();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(m.snapshots().size(), 3);
    EXPECT_EQ(m.selected()->id, "1700000000000");

    // Deleting moves the selection to the row that takes its place, then to the last row.
    m.select(m.snapshots()[1].id);
    ASSERT_TRUE(m.deleteSelected(&error));
    EXPECT_EQ(m.selected()->id, "1700000000000");
    ASSERT_TRUE(m.deleteSelected(&error));
    EXPECT_EQ(m.selected()->id, "1700000002000");
    ASSERT_TRUE(m.deleteSelected(&error));
    EXPECT_FALSE(m.selected());
    EXPECT_TRUE(m.snapshots().isEmpty());
}

TEST_F(VersionHistoryModelTest, RestoreKeepsTheCurrentTextFirstAndStopsWhenItCannot)
{
    ASSERT_TRUE(VersionStore::snapshot("old text", doc, kT0));
    VersionHistoryModel m(doc, "current text");
    m.reload();

    // The safety copy cannot be written: nothing to restore, and the user is told why.
    const QString manifest = VersionStore::folder(doc) + "/manifest.json";
    ASSERT_TRUE(QFile::rename(manifest, manifest + ".keep"));
    ASSERT_TRUE(QDir().mkpath(manifest + "/blocker"));
    const auto failed = m.restoreWork(kT0.addSecs(5))();
    EXPECT_FALSE(failed.text);
    EXPECT_FALSE(failed.error.isEmpty());
    ASSERT_TRUE(QDir(manifest).removeRecursively());
    ASSERT_TRUE(QFile::rename(manifest + ".keep", manifest));
    EXPECT_EQ(VersionStore::list(doc).size(), 1);

    const auto restored = m.restoreWork(kT0.addSecs(6))();
    EXPECT_TRUE(restored.error.isEmpty());
    EXPECT_EQ(restored.text, QString("old text"));
    // Only what differs goes in: "old" in place of "current".
    EXPECT_EQ(restored.currentLength, 12);
    EXPECT_EQ(restored.changed, TextRange(0, 7));
    EXPECT_EQ(restored.changedText, "old");
    const auto list = VersionStore::list(doc);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(VersionStore::text(list.first(), doc), QString("current text"));

    // Current text equal to the newest version: no second safety copy, still restorable.
    VersionHistoryModel same(doc, "current text");
    same.reload();
    same.select(list.last().id);
    EXPECT_EQ(same.restoreWork(kT0.addSecs(7))().text, QString("old text"));
    EXPECT_EQ(VersionStore::list(doc).size(), 2);
}
