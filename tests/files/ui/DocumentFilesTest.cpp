#include "files/FilesTestSupport.h"

#include "app/ui/AppShell.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "editor/ui/EditorHost.h"
#include "files/FileBrowserModel.h"
#include "files/SessionStore.h"
#include "files/VersionSnapshots.h"
#include "files/ui/DocumentFiles.h"
#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/VersionHistoryView.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

class DocumentFilesTest : public FilesTest {
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        PrefKey::registerAll(Settings::instance());
        SessionStore::resetForNewLaunch();
        auto& dc = DocumentController::instance();
        dc.setAutosaveStore(AutosaveStore(path("Autosave")));
        dc.prompts().alert = [this](QWidget*, const QString& m, const QString& d) { alerts << m + " " + d; };
        dc.prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
        SessionStore::resetForNewLaunch();
        FilesTest::TearDown();
    }
    DocumentWindow* open(const QString& file)
    {
        DocumentWindow* w = DocumentController::instance().openDocument(file);
        if (w) DocumentFiles::attach(*w); // attached already: a second attach changes nothing
        return w;
    }
    static void makeKey(DocumentWindow* w)
    {
        QApplication::setActiveWindow(w);
        ASSERT_TRUE(w->isKeyWindow());
    }
    QStringList alerts;
};

TEST_F(DocumentFilesTest, ClosingByHandSnapshotsAndLeavesTheSessionQuittingStays)
{
    const QString a = makeFile("a.md", "alpha"), b = makeFile("b.md", "beta");
    DocumentWindow* wa = open(a);
    open(b);
    EXPECT_EQ(SessionStore::openDocuments(), (QStringList{a, b}));

    wa->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(SessionStore::openDocuments(), QStringList{b});
    // The version is written on another thread, also after its window has gone.
    ASSERT_TRUE(QTest::qWaitFor([&] { return VersionStore::list(a).size() == 1; }, 5000));
    EXPECT_EQ(VersionStore::text(VersionStore::list(a).first(), a), QString("alpha"));

    ASSERT_TRUE(DocumentController::instance().closeAllForQuit());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(SessionStore::savedURLs(), QStringList{b});
    EXPECT_EQ(VersionStore::list(b).size(), 1);
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(DocumentFilesTest, SnapshotNowAndRestoreThroughTheHistorySheet)
{
    const QString a = makeFile("a.md", "first");
    DocumentWindow* w = open(a);
    makeKey(w);
    NotificationBus::instance().post("Brindlewick.snapshotNow");
    ASSERT_TRUE(QTest::qWaitFor([&] { return VersionStore::list(a).size() == 1; }, 5000));

    w->setDocumentText("second");
    NotificationBus::instance().post("Brindlewick.showVersionHistory");
    QPointer<VersionHistoryView> sheet = w->findChild<VersionHistoryView*>();
    ASSERT_TRUE(sheet);
    sheet->restoreSelected();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->documentText() == "first"; }, 5000));
    EXPECT_EQ(VersionStore::list(a).size(), 2); // the safety copy of "second"
    EXPECT_TRUE(alerts.isEmpty());

    // The text changed after the sheet took it (reloaded from disk meanwhile), keeping its
    // length: the stretch found against the text taken is not put into the changed one.
    w->setDocumentText("second line\nend");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheet; }, 5000));
    NotificationBus::instance().post("Brindlewick.showVersionHistory");
    sheet = w->findChild<VersionHistoryView*>();
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet->model().hasCurrentText(); }, 5000));
    w->setDocumentText("SECOND line\nend");
    sheet->list()->setCurrentRow(0); // "second"
    sheet->restoreSelected();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheet || !sheet->lastError().isEmpty(); }, 5000));
    EXPECT_EQ(w->documentText(), "SECOND line\nend");
    if (sheet) sheet->reject();

    // A failing store is reported, not swallowed: once the snapshot has come back from its
    // thread, which the window's thread does not wait for.
    makeFile("Versions/" + VersionStore::key(makeFile("c.md", "c")), "not a folder");
    DocumentWindow* wc = open(path("c.md"));
    makeKey(wc);
    NotificationBus::instance().post("Brindlewick.snapshotNow");
    EXPECT_TRUE(alerts.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alerts.size() == 1; }, 5000));
}

TEST_F(DocumentFilesTest, ALongVersionIsRestoredAsALongPasteIsPutAndAGoneWindowTakesNothing)
{
    const QString a = makeFile("a.md", "short");
    const QString older = QString("a line of the older text\n").repeated(20000); // past a long paste's length
    ASSERT_TRUE(VersionStore::snapshot(older, a, QDateTime::fromSecsSinceEpoch(1'700'000'000)));
    DocumentWindow* w = open(a);
    makeKey(w);
    NotificationBus::instance().post("Brindlewick.showVersionHistory");
    QPointer<VersionHistoryView> sheet = w->findChild<VersionHistoryView*>();
    ASSERT_TRUE(sheet);
    sheet->restoreSelected();
    // Once the document's text is at hand, the version is read and the safety copy kept on
    // the versions' thread; then the text goes in a part at a time.
    ASSERT_TRUE(QTest::qWaitFor([&] { return VersionSnapshots::isBusy(); }, 5000));
    VersionSnapshots::finish();
    EXPECT_TRUE(w->editorHost()->isTakingText());
    EXPECT_TRUE(sheet->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->editorHost()->isTakingText(); }, 10000));
    EXPECT_EQ(w->documentText(), older);
    EXPECT_EQ(VersionStore::list(a).size(), 2); // the safety copy of "short"
    // One step (an undo given while the text is still being laid out waits its turn).
    w->editorHost()->undo();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->documentText() == "short"; }, 10000));

    // The window goes while the sheet's work is under way: what lands is dropped.
    NotificationBus::instance().post("Brindlewick.showVersionHistory");
    sheet = w->findChild<VersionHistoryView*>();
    ASSERT_TRUE(sheet);
    sheet->list()->setCurrentRow(1);
    sheet->restoreSelected();
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(sheet);
    QTest::qWait(100);
    VersionSnapshots::finish();
    EXPECT_TRUE(alerts.isEmpty());
}

TEST_F(DocumentFilesTest, AVersionThatFailsAsTheWindowClosesIsToldOnNoWindowAndTheTextIsWritten)
{
    // A file where the document's versions folder belongs: every snapshot of it fails.
    const QString c = makeFile("c.md", "c");
    makeFile("Versions/" + VersionStore::key(c), "not a folder");
    QList<QWidget*> parents;
    DocumentController::instance().prompts().alert = [&](QWidget* parent, const QString& m, const QString& d) {
        parents << parent;
        alerts << m + " " + d;
    };
    open(makeFile("d.md", "d"));
    DocumentWindow* w = open(c);
    w->setDocumentText("closed by hand");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(DocumentController::instance().windows().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return alerts.size() == 1; }, 5000));
    EXPECT_TRUE(alerts[0].contains("c.md")) << alerts[0].toStdString();
    EXPECT_EQ(parents[0], nullptr); // an alert on the window would have gone with it
    EXPECT_EQ(read(c), "closed by hand");

    // Quitting is not held up; the failure is told once the windows are gone.
    open(c)->setDocumentText("quit");
    ASSERT_TRUE(DocumentController::instance().closeAllForQuit());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(DocumentController::instance().windows().isEmpty());
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_TRUE(alerts[1].contains("c.md"));
    EXPECT_EQ(parents[1], nullptr);
    EXPECT_EQ(read(c), "quit");
}

TEST_F(DocumentFilesTest, SidebarFollowsTheSettingAndStaysOpenAfterOpeningInPlace)
{
    const QString a = makeFile("docs/a.md", "a"), b = makeFile("docs/b.md", "b");
    FileBrowserModel::adoptFolder(path("docs"), nullptr);
    DocumentWindow* w = open(a);
    // The browser is made when it is first shown.
    EXPECT_FALSE(w->panel(DocumentHost::Panel::LeftSidebar));
    Settings::instance().setValue("showFileBrowser", true);
    auto* sidebar = qobject_cast<FileBrowserSidebar*>(w->panel(DocumentHost::Panel::LeftSidebar));
    ASSERT_TRUE(sidebar);
    EXPECT_TRUE(sidebar->isVisibleTo(w));
    Settings::instance().setValue("distractionFree", true);
    EXPECT_FALSE(sidebar->isVisibleTo(w));
    Settings::instance().setValue("distractionFree", false);

    ASSERT_EQ(sidebar->tree()->topLevelItemCount(), 2);
    Q_EMIT sidebar->tree()->itemClicked(sidebar->tree()->topLevelItem(1), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto windows = DocumentController::instance().windows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->filePath(), b);
    // The browser stays open, in the window that took the first one's place too.
    EXPECT_TRUE(Settings::instance().boolean("showFileBrowser", false));
    auto* next = qobject_cast<FileBrowserSidebar*>(windows.first()->panel(DocumentHost::Panel::LeftSidebar));
    ASSERT_TRUE(next);
    EXPECT_TRUE(next->isVisibleTo(windows.first()));
    EXPECT_EQ(next->tree()->topLevelItemCount(), 2);
}

TEST_F(DocumentFilesTest, LaunchReopensTheStoredSessionAndDropsTheEmptyStartWindow)
{
    const QString a = makeFile("a.md", "a");
    SessionStore::markOpen(a);
    SessionStore::markOpen(path("gone.md"));
    SessionStore::resetForNewLaunch();
    // A new launch: the program hands the store its way of opening documents.
    SessionStore::setOpener([](const QString& p) { DocumentController::instance().openDocument(p); });
    AppShell::markStartWindow(DocumentController::instance().newDocument());

    Settings::instance().setValue("reopenLastSession", false);
    EXPECT_FALSE(DocumentController::instance().scheduleSessionReopen());
    Settings::instance().setValue("reopenLastSession", true);
    ASSERT_TRUE(DocumentController::instance().scheduleSessionReopen());
    // The reopening waits a moment after launch; on a busy machine the moment runs longer.
    (void)QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const auto open = DocumentController::instance().windows();
            return open.size() == 1 && open.first()->filePath() == a;
        },
        5000);
    const auto windows = DocumentController::instance().windows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->filePath(), a);
    EXPECT_EQ(SessionStore::openDocuments(), QStringList{a});
}
