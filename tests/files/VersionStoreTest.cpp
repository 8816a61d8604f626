#include "FilesTestSupport.h"

#include "files/VersionStore.h"
#include "platform/FileSizeLimit.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
constexpr double kT0 = 1'700'000'000.0; // a date in 2023, seconds since 1970

QStringList snapshotFiles(const QString& folder)
{
    return QDir(folder).entryList({"*.snapshot"}, QDir::Files, QDir::Name);
}
} // namespace

class VersionStoreTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        doc = makeFile("docs/note.md");
        dir = VersionStore::folder(doc);
    }
    QString doc, dir;
};

TEST(VersionStoreKey, Djb2OfTheStandardizedPath)
{
    EXPECT_EQ(VersionStore::key("/a"), "5970b5");
    EXPECT_EQ(VersionStore::key("/Users/a/b.md"), "43410e8c9c85226");
    EXPECT_EQ(VersionStore::key("/Users/a/./b.md"), "43410e8c9c85226");
    EXPECT_EQ(VersionStore::key("/Users/x/../a/b.md"), "43410e8c9c85226");
    EXPECT_TRUE(VersionStore::key({}).isEmpty());
}

TEST(VersionStoreWords, SpacesTabsAndLineFeedsSeparate)
{
    EXPECT_EQ(VersionStore::wordCount("one two"), 2);
    EXPECT_EQ(VersionStore::wordCount("  one\t\ttwo \n"), 2);
    EXPECT_EQ(VersionStore::wordCount("one\r\ntwo"), 1); // CR LF is one character, not a separator
    EXPECT_EQ(VersionStore::wordCount("one\u00A0two"), 1);
    EXPECT_EQ(VersionStore::wordCount(""), 0);
}

TEST_F(VersionStoreTest, StoresTextAndManifestWithReferenceDates)
{
    const auto s = VersionStore::snapshot("héllo world", doc, kT0 + 0.25);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->id, "1700000000250");
    EXPECT_EQ(s->bytes, 12);
    EXPECT_EQ(s->words, 2);
    EXPECT_EQ(read(dir + "/1700000000250.snapshot"), QByteArray("héllo world"));

    const QByteArray manifest = read(dir + "/manifest.json");
    EXPECT_FALSE(manifest.contains('\n')); // compact
    const QJsonObject o = QJsonDocument::fromJson(manifest).array().at(0).toObject();
    EXPECT_EQ(o.value("id").toString(), "1700000000250");
    EXPECT_DOUBLE_EQ(o.value("date").toDouble(), kT0 + 0.25 - 978307200.0);
    EXPECT_EQ(VersionStore::list(doc), QList<Snapshot>{*s});
    EXPECT_EQ(VersionStore::text(*s, doc), QString("héllo world"));
}

TEST_F(VersionStoreTest, SkipsUntitledEmptyAndUnchangedTexts)
{
    EXPECT_FALSE(VersionStore::snapshot("text", {}, kT0));
    EXPECT_FALSE(QFileInfo::exists(VersionStore::root()));

    ASSERT_TRUE(VersionStore::snapshot("caf\u00E9", doc, kT0));
    EXPECT_FALSE(VersionStore::snapshot("", doc, kT0 + 1));
    EXPECT_FALSE(VersionStore::snapshot("caf\u00E9", doc, kT0 + 2));
    EXPECT_FALSE(VersionStore::snapshot("cafe\u0301", doc, kT0 + 3)); // canonically equal
    EXPECT_EQ(snapshotFiles(dir).size(), 1);

    // The latest unreadable: store again even though the text is unchanged.
    QFile::remove(dir + "/" + snapshotFiles(dir).first());
    EXPECT_TRUE(VersionStore::snapshot("caf\u00E9", doc, kT0 + 4));
}

TEST_F(VersionStoreTest, KeepsTheNewestSixty)
{
    for (int i = 0; i < 61; ++i) ASSERT_TRUE(VersionStore::snapshot(QString("v%1").arg(i), doc, kT0 + i));
    const auto list = VersionStore::list(doc);
    ASSERT_EQ(list.size(), 60);
    EXPECT_EQ(list.first().id, "1700000060000");
    EXPECT_EQ(list.last().id, "1700000001000");
    EXPECT_EQ(snapshotFiles(dir).size(), 60);
    EXPECT_FALSE(QFileInfo::exists(dir + "/1700000000000.snapshot"));

    // An older caller-supplied date is the 61st by date: returned, but not kept.
    const auto old = VersionStore::snapshot("ancient", doc, kT0 - 100);
    ASSERT_TRUE(old);
    EXPECT_EQ(VersionStore::list(doc).size(), 60);
    EXPECT_FALSE(QFileInfo::exists(dir + "/" + old->id + ".snapshot"));
}

TEST_F(VersionStoreTest, SameMillisecondGetsTheNextFreeId)
{
    const auto a = VersionStore::snapshot("first", doc, kT0);
    const auto b = VersionStore::snapshot("second", doc, kT0);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->id, "1700000000000");
    EXPECT_EQ(b->id, "1700000000001");
    EXPECT_EQ(VersionStore::text(*a, doc), QString("first"));
    EXPECT_EQ(VersionStore::text(*b, doc), QString("second"));
    ASSERT_TRUE(VersionStore::remove(*a, doc));
    EXPECT_EQ(VersionStore::list(doc), QList<Snapshot>{*b});
}

TEST_F(VersionStoreTest, IdsThatAreNotDigitsNeverBecomePaths)
{
    ASSERT_TRUE(VersionStore::snapshot("kept", doc, kT0));
    const QString victim = makeFile("Versions/victim.snapshot", "secret");
    const QString outside = makeFile("outside.snapshot", "outside");

    for (const QString& id : {QString("../victim"), QString("../../outside"), QString("/etc/passwd"), QString("1a"),
                              QString(""), QString("12345678901234567890")}) {
        const Snapshot evil{id, kT0, 1, 1};
        EXPECT_FALSE(VersionStore::text(evil, doc)) << id.toStdString();
        EXPECT_FALSE(VersionStore::remove(evil, doc)) << id.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(victim));
    EXPECT_TRUE(QFileInfo::exists(outside));

    // A manifest that names a path instead of an id is not trusted: the list comes from the
    // snapshot files on disk, and deleting never reaches outside the document's folder.
    QFile m(dir + "/manifest.json");
    ASSERT_TRUE(m.open(QIODevice::WriteOnly));
    m.write(R"([{"id":"../victim","date":1,"bytes":1,"words":1}])");
    m.close();
    const auto list = VersionStore::list(doc);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.first().id, "1700000000000");
    ASSERT_TRUE(VersionStore::snapshot("more", doc, kT0 + 5));
    EXPECT_EQ(VersionStore::list(doc).size(), 2);
    EXPECT_TRUE(QFileInfo::exists(victim));
}

TEST_F(VersionStoreTest, CorruptManifestIsRebuiltFromTheFiles)
{
    ASSERT_TRUE(VersionStore::snapshot("one two", doc, kT0));
    ASSERT_TRUE(VersionStore::snapshot("one two three", doc, kT0 + 10));
    for (const QByteArray& bad : {QByteArray("{not json"), QByteArray(R"({"id":"1"})"),
                                  QByteArray(R"([{"id":"1700000000000","date":"x","bytes":1,"words":1}])"),
                                  QByteArray(R"([{"id":"1700000000000","date":1,"bytes":1.5,"words":1}])"),
                                  // Numbers no qint64 or date can hold are as unreadable.
                                  QByteArray(R"([{"id":"1700000000000","date":1,"bytes":1e300,"words":1}])"),
                                  QByteArray(R"([{"id":"1700000000000","date":1,"bytes":1,"words":-1e19}])"),
                                  QByteArray(R"([{"id":"1700000000000","date":1e300,"bytes":1,"words":1}])")}) {
        QFile m(dir + "/manifest.json");
        ASSERT_TRUE(m.open(QIODevice::WriteOnly));
        m.write(bad);
        m.close();
        const auto list = VersionStore::list(doc);
        ASSERT_EQ(list.size(), 2) << bad.toStdString();
        EXPECT_EQ(list.first().id, "1700000010000");
        EXPECT_EQ(list.first().words, 3);
        EXPECT_EQ(list.last().bytes, 7);
        EXPECT_DOUBLE_EQ(list.last().date, kT0);
    }
    // The next snapshot writes a manifest holding the whole rebuilt history.
    ASSERT_TRUE(VersionStore::snapshot("four", doc, kT0 + 20));
    EXPECT_EQ(QJsonDocument::fromJson(read(dir + "/manifest.json")).array().size(), 3);
}

TEST_F(VersionStoreTest, FailedWritesReportAndLoseNothing)
{
    const auto first = VersionStore::snapshot("first", doc, kT0);
    ASSERT_TRUE(first);
    const QByteArray manifestBefore = read(dir + "/manifest.json");

    // The manifest cannot be replaced: the new snapshot is taken back, the old state stays.
    const QString manifest = dir + "/manifest.json";
    ASSERT_TRUE(QFile::rename(manifest, dir + "/saved"));
    ASSERT_TRUE(QDir().mkpath(manifest + "/blocker"));
    QString error;
    EXPECT_FALSE(VersionStore::snapshot("second", doc, kT0 + 1, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(snapshotFiles(dir), QStringList{"1700000000000.snapshot"});
    EXPECT_FALSE(VersionStore::remove(*first, doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir + "/1700000000000.snapshot"));
    ASSERT_TRUE(QDir(manifest).removeRecursively());
    ASSERT_TRUE(QFile::rename(dir + "/saved", manifest));
    EXPECT_EQ(read(manifest), manifestBefore);

    // The document folder cannot be created: the snapshot itself fails visibly.
    const QString other = makeFile("docs/other.md");
    makeFile("Versions/" + VersionStore::key(other), "a file where the folder should be");
    EXPECT_FALSE(VersionStore::snapshot("text", other, kT0, &error));
    EXPECT_TRUE(error.contains("other.md"));
    EXPECT_TRUE(error.contains("the folder “" + VersionStore::folder(other) + "” cannot be written"))
        << error.toStdString();
}

// A version the disk cannot hold is no version: nothing is listed, the manifest stays as it was.
TEST_F(VersionStoreTest, AVersionTheDiskCannotHoldIsNotListed)
{
    ASSERT_TRUE(VersionStore::snapshot("first", doc, kT0));
    const QByteArray manifestBefore = read(dir + "/manifest.json");
    const QString text(4000, u'x');
    EXPECT_EQ(underFileSizeLimit(1000, [&] { return VersionStore::snapshot(text, doc, kT0 + 1).has_value(); }), false);
    EXPECT_EQ(read(dir + "/manifest.json"), manifestBefore);
    EXPECT_EQ(VersionStore::list(doc).size(), 1);
    EXPECT_EQ(snapshotFiles(dir), QStringList{"1700000000000.snapshot"});
}

// Every version has a name of its own, so no later write of that name comes to remove what a
// version write ended by a crash left in the document's folder of versions: the next version
// does, with what earlier releases left there. Only what was made for the store's own files
// goes: not a file of another shape put there, nor anything beside the document itself.
TEST_F(VersionStoreTest, AVersionRemovesWhatAVersionEndedByACrashLeft)
{
    ASSERT_TRUE(VersionStore::snapshot("first", doc, kT0));
    ASSERT_TRUE(killedAtFileSizeLimit(1000, [&] { VersionStore::snapshot(QString(4000, u'x'), doc, kT0 + 1); }));
    makeFile("Versions/" + VersionStore::key(doc) + "/.1700000000500.snapshot.Ab12Cd");
    makeFile("Versions/" + VersionStore::key(doc) + "/.manifest.json.Xy7Q2a");
    const QStringList others{".notes.backup", ".notes.md.ABCDEF", ".notes.md.bw-tmp-ABCDEF", ".12ab.snapshot.Ab12Cd"};
    for (const QString& name : others) makeFile("Versions/" + VersionStore::key(doc) + "/" + name);
    makeFile("docs/.note.md.backup");
    const auto aged = [](const QString& folder) {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        for (const QString& name : names) {
            QFile f(folder + "/" + name);
            EXPECT_TRUE(
                f.open(QIODevice::ReadWrite)
                && f.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
        }
        return names;
    };
    // the first version, its list, three left, the others
    ASSERT_EQ(aged(dir).size(), 9) << aged(dir).join(' ').toStdString();
    aged(path("docs"));

    ASSERT_TRUE(VersionStore::snapshot("second", doc, kT0 + 2));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".12ab.snapshot.Ab12Cd", ".notes.backup", ".notes.md.ABCDEF", ".notes.md.bw-tmp-ABCDEF",
                           "1700000000000.snapshot", "1700000002000.snapshot", "manifest.json"}));
    EXPECT_EQ(QDir(path("docs")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".note.md.backup", "note.md"}));
}

TEST_F(VersionStoreTest, RemoveDropsEntryThenFile)
{
    const auto a = VersionStore::snapshot("a", doc, kT0);
    const auto b = VersionStore::snapshot("b", doc, kT0 + 1);
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(VersionStore::remove(*a, doc));
    EXPECT_EQ(VersionStore::list(doc), QList<Snapshot>{*b});
    EXPECT_FALSE(QFileInfo::exists(dir + "/" + a->id + ".snapshot"));

    // A file no longer listed is still removed; the manifest keeps its entries.
    makeFile("Versions/" + VersionStore::key(doc) + "/42.snapshot", "stray");
    ASSERT_TRUE(VersionStore::remove(Snapshot{"42", 0.042, 5, 1}, doc));
    EXPECT_FALSE(QFileInfo::exists(dir + "/42.snapshot"));
    EXPECT_EQ(VersionStore::list(doc), QList<Snapshot>{*b});
}
