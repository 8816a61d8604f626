#include "FilesTestSupport.h"

#include "files/FileBrowserModel.h"
#include "files/FolderAccess.h"
#include "files/SessionStore.h"
#include "platform/OpenableFile.h"
#include "platform/PrefKey.h"

#include <QFileInfo>
#include <QVariantMap>

#include <sys/stat.h>

class SessionStoreTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        SessionStore::resetForNewLaunch();
    }
    void TearDown() override
    {
        SessionStore::resetForNewLaunch();
        FilesTest::TearDown();
    }
    // A new run of the application: memory empty, the stored list read back.
    QStringList relaunch()
    {
        SessionStore::resetForNewLaunch();
        Settings::useFile(path("settings.ini"));
        return SessionStore::savedURLs();
    }
};

TEST_F(SessionStoreTest, RoundTripSkipsMovedAndDeletedFiles)
{
    const QString a = makeFile("a.md"), b = makeFile("sub/b.md"), c = makeFile("c.md");
    SessionStore::markOpen(a);
    SessionStore::markOpen(path("sub/../sub/./b.md")); // standardized: same as b
    SessionStore::markOpen(b);
    SessionStore::markOpen(c);
    SessionStore::markOpen({}); // untitled: nothing
    EXPECT_EQ(SessionStore::openDocuments(), (QStringList{a, b, c}));

    ASSERT_TRUE(QFile::rename(b, path("moved.md")));
    ASSERT_TRUE(QFile::remove(c));
    EXPECT_EQ(relaunch(), QStringList{a});

    QStringList opened;
    SessionStore::setOpener([&](const QString& p) { opened << p; });
    SessionStore::reopen(SessionStore::savedURLs());
    EXPECT_EQ(opened, QStringList{a});
}

TEST_F(SessionStoreTest, WhatCannotBeOpenedIsNotReopened)
{
    // A stored path that now leads to a pipe, a device or a huge file must not hang or
    // exhaust the next launch: it is skipped like a deleted file.
    const QString a = makeFile("a.md"), fifo = path("pipe.md"), zero = path("zero.md"), big = makeFile("big.md");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    ASSERT_TRUE(QFile::resize(big, OpenableFile::kMaxBytes + 1));
    for (const QString& p : {fifo, a, zero, big}) SessionStore::markOpen(p);
    EXPECT_EQ(relaunch(), QStringList{a});
}

TEST_F(SessionStoreTest, ClosingRemovesOnlyWhatWasOpen)
{
    const QString a = makeFile("a.md"), b = makeFile("b.md");
    SessionStore::markOpen(a);
    SessionStore::markOpen(b);
    SessionStore::markClosed(a);
    SessionStore::markClosed(path("never-open.md"));
    EXPECT_EQ(relaunch(), QStringList{b});

    // Closing the last window by hand stores an empty list: nothing to reopen.
    SessionStore::markOpen(b);
    SessionStore::markClosed(b);
    EXPECT_TRUE(relaunch().isEmpty());
    EXPECT_TRUE(Settings::instance().isStored(PrefKey::openSessionBookmarks));
}

TEST_F(SessionStoreTest, EnabledUnlessStoredFalseAndForeignValuesReadAsNoSession)
{
    EXPECT_TRUE(SessionStore::isEnabled());
    Settings::instance().setValue(SessionStore::kEnabledKey, "maybe");
    EXPECT_TRUE(SessionStore::isEnabled());
    Settings::instance().setValue(SessionStore::kEnabledKey, false);
    EXPECT_FALSE(relaunch().size());
    EXPECT_FALSE(SessionStore::isEnabled());
    // As the settings file holds it, and as a hand edit leaves it: text, read back as a Boolean.
    for (const char* stored : {"false", "true", " FALSE", "no"}) {
        QFile ini(path("settings.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QByteArray("[General]\nreopenLastSession=") + stored + "\n");
        ini.close();
        relaunch();
        EXPECT_EQ(SessionStore::isEnabled(), QByteArray(stored).trimmed().toLower() != "false") << stored;
    }

    Settings::instance().setValue(PrefKey::openSessionBookmarks, "not a list");
    EXPECT_TRUE(SessionStore::savedURLs().isEmpty());
    Settings::instance().setValue(PrefKey::openSessionBookmarks, QVariantList{QByteArray("/x"), 5});
    EXPECT_TRUE(SessionStore::savedURLs().isEmpty());
}

using FolderAccessTest = FilesTest;

TEST_F(FolderAccessTest, GrantsCoverWholeComponentsMostSpecificFirst)
{
    const QString a = path("a"), ab = path("a/b");
    QDir().mkpath(ab);
    EXPECT_FALSE(FolderAccess::hasAccess(ab + "/c.md"));
    EXPECT_TRUE(FolderAccess::grant(a + "/"));
    EXPECT_TRUE(FolderAccess::grant(a + "/./"));
    EXPECT_TRUE(FolderAccess::grant(ab));
    EXPECT_EQ(Settings::instance().value(PrefKey::grantedFolderBookmarks).toMap().keys(), (QStringList{a, ab}));

    EXPECT_EQ(FolderAccess::resolved(ab + "/c/d.md"), ab);
    EXPECT_EQ(FolderAccess::resolved(ab), ab);
    EXPECT_EQ(FolderAccess::resolved(a + "/bc.md"), a);
    EXPECT_TRUE(FolderAccess::resolved(path("ab.md")).isEmpty());
    EXPECT_TRUE(FolderAccess::resolved({}).isEmpty());

    // A grant that no longer resolves gives way to the next; it stays stored.
    ASSERT_TRUE(QDir(ab).removeRecursively());
    EXPECT_EQ(FolderAccess::resolved(ab + "/c.md"), a);
    EXPECT_EQ(Settings::instance().value(PrefKey::grantedFolderBookmarks).toMap().size(), 2);

    // Granting something that is not a folder reports the failure and stores nothing.
    EXPECT_FALSE(FolderAccess::grant(path("missing")));
    EXPECT_EQ(Settings::instance().value(PrefKey::grantedFolderBookmarks).toMap().size(), 2);
}

TEST_F(FolderAccessTest, WithAccessRunsTheActionInOrOutOfAScope)
{
    QDir().mkpath(path("g"));
    EXPECT_EQ(FolderAccess::withAccess(path("x.md"), [] { return 7; }), 7);
    ASSERT_TRUE(FolderAccess::grant(path("g")));
    EXPECT_TRUE(FolderAccess::startAccessing(path("g")));
    EXPECT_FALSE(FolderAccess::startAccessing(path("nope")));
    EXPECT_EQ(FolderAccess::withAccess(path("g/x.md"), [] { return QString("ran"); }), "ran");

    Settings::instance().setValue(PrefKey::grantedFolderBookmarks, QVariantMap{{path("g"), 42}});
    EXPECT_FALSE(FolderAccess::hasAccess(path("g/x.md"))); // not a map of bookmarks: no grants
}

using FileBrowserTest = FilesTest;

TEST_F(FileBrowserTest, BuildListsMarkdownFoldersFirstWithinDepth)
{
    makeFile("root/c.md");
    makeFile("root/B.MD");
    makeFile("root/a.txt");
    makeFile("root/notes.md.bak");
    makeFile("root/.hidden.md");
    makeFile("root/image.png");
    makeFile("root/only-images/x.png");
    makeFile("root/zdir/inner.markdown");
    makeFile("root/Adir/1/2/3/4/5/6/deep7.md");   // seven folders below the root: listed
    makeFile("root/Adir/1/2/3/4/5/6/7/deep8.md"); // eight: not

    const auto nodes = FileBrowserModel::build(path("root"), 0);
    QStringList names;
    for (const FileNode& n : nodes) names << QFileInfo(n.path).fileName();
    EXPECT_EQ(names, (QStringList{"Adir", "zdir", "a.txt", "B.MD", "c.md"}));

    const FileNode* n = &nodes[0];
    int depth = 0;
    while (n->isDir) {
        ASSERT_EQ(n->children.size(), 1);
        n = &n->children[0];
        ++depth;
    }
    EXPECT_EQ(QFileInfo(n->path).fileName(), "deep7.md");
    EXPECT_EQ(depth, 7);
    EXPECT_TRUE(FileBrowserModel::build(path("missing"), 0).isEmpty());
}

TEST_F(FileBrowserTest, LinkedFoldersAreNotFollowed)
{
    makeFile("root/a.md");
    makeFile("elsewhere/b.md");
    // Links back up the tree would otherwise repeat the folder at every level below it.
    ASSERT_TRUE(QFile::link(path("root"), path("root/up")));
    ASSERT_TRUE(QFile::link(path("root"), path("root/again")));
    ASSERT_TRUE(QFile::link(path("elsewhere"), path("root/side")));
    ASSERT_TRUE(QFile::link(path("elsewhere/b.md"), path("root/linked.md")));
    QStringList names;
    for (const FileNode& n : FileBrowserModel::build(path("root"), 0)) names << QFileInfo(n.path).fileName();
    EXPECT_EQ(names, (QStringList{"a.md", "linked.md"}));

    // Nor are pipes and devices listed, however they are named.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("root/pipe.md")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("root/zero.md")));
    names.clear();
    for (const FileNode& n : FileBrowserModel::build(path("root"), 0)) names << QFileInfo(n.path).fileName();
    EXPECT_EQ(names, (QStringList{"a.md", "linked.md"}));
}

TEST_F(FileBrowserTest, RootIsRememberedAndRestoredOnlyWithAGrant)
{
    makeFile("docs/a.md");
    FileBrowserModel fresh;
    EXPECT_TRUE(fresh.rootPath().isEmpty());

    // The panel confirmed after its window went away: grant and path still stored.
    FileBrowserModel::adoptFolder(path("docs/"), nullptr);
    EXPECT_EQ(Settings::instance().string(PrefKey::fileBrowserRootPath), path("docs"));

    FileBrowserModel restored;
    EXPECT_EQ(restored.rootPath(), path("docs"));
    ASSERT_EQ(restored.nodes().size(), 1);

    int changes = 0;
    QObject::connect(&restored, &FileBrowserModel::changed, [&] { ++changes; });
    makeFile("docs/b.md");
    restored.reload();
    EXPECT_EQ(restored.nodes().size(), 2);
    EXPECT_EQ(changes, 1);

    Settings::instance().remove(PrefKey::grantedFolderBookmarks);
    FileBrowserModel noGrant;
    EXPECT_TRUE(noGrant.rootPath().isEmpty());
    EXPECT_EQ(Settings::instance().string(PrefKey::fileBrowserRootPath), path("docs"));
}
