#include "files/FilesTestSupport.h"

#include "editor/EditorController.h"
#include "editor/FakeTextView.h"
#include "files/FileBrowserModel.h"
#include "files/FolderAccess.h"
#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/VersionHistoryView.h"

#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QTextBlock>
#include <QThread>
#include <QThreadPool>
#include <QToolButton>
#include <QTreeWidget>

#include <atomic>
#include <memory>

namespace {
const QDateTime kT0 = QDateTime::fromSecsSinceEpoch(1'700'000'000);

// The preview is made on another thread: waits until it has landed.
bool previewShown(const VersionHistoryView& view)
{
    return QTest::qWaitFor([&] { return view.previewIndex() == 2 || !view.countsText().isEmpty(); });
}

// Waits until what the pool threads were given is done, then hands the window's thread what
// they sent it: what would land has landed.
void landWhatWasMade()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

// Keeps every pool thread busy until it goes, so that what is given to the pool meanwhile waits.
// A holding task still queued behind a busy thread when it goes takes its permit later: the
// gate outlives the holder (on a gate gone with it, that task waited for ever).
class PoolHeld {
public:
    PoolHeld()
    {
        for (int i = 0; i < m_threads; ++i) QThreadPool::globalInstance()->start([gate = m_gate] { gate->acquire(); });
    }
    ~PoolHeld() { m_gate->release(m_threads); }

private:
    const int m_threads = QThreadPool::globalInstance()->maxThreadCount();
    std::shared_ptr<QSemaphore> m_gate = std::make_shared<QSemaphore>();
};

// The thread `object` is destroyed on, once it is.
std::shared_ptr<std::atomic<QThread*>> destroyedOn(QObject* object)
{
    auto thread = std::make_shared<std::atomic<QThread*>>(nullptr);
    QObject::connect(object, &QObject::destroyed, [thread] { *thread = QThread::currentThread(); });
    return thread;
}

QTextDocument* shownDocument(const VersionHistoryView& view)
{
    for (auto* edit : view.findChildren<QPlainTextEdit*>())
        if (!edit->toPlainText().isEmpty()) return edit->document();
    return nullptr;
}
} // namespace

using VersionHistoryViewTest = FilesTest;

TEST_F(VersionHistoryViewTest, UntitledShowsTheNoticeAndOnlyCloseWorks)
{
    int closed = 0;
    VersionHistoryView view({}, "text", nullptr, [&] { ++closed; });
    EXPECT_EQ(view.bodyIndex(), 0);
    EXPECT_FALSE(view.snapshotButton()->isEnabled());
    EXPECT_FALSE(view.deleteButton()->isEnabled());
    EXPECT_FALSE(view.restoreButton()->isEnabled());
    view.reject();
    EXPECT_EQ(closed, 1);
}

TEST_F(VersionHistoryViewTest, EmptyHistorySnapshotsThenPreviewsDiffAndFullText)
{
    const QString doc = makeFile("n.md");
    VersionHistoryView view(doc, "a\nb\nc", nullptr, nullptr);
    EXPECT_EQ(view.bodyIndex(), 1);
    view.snapshotNow();
    VersionSnapshots::finish();
    EXPECT_EQ(view.bodyIndex(), 2);
    EXPECT_EQ(view.list()->count(), 1);
    EXPECT_EQ(view.previewIndex(), 1);
    ASSERT_TRUE(previewShown(view));
    EXPECT_EQ(view.countsText(), "No changes");

    VersionStore::snapshot("a\nB", doc, kT0);
    VersionHistoryView other(doc, "a\nb\nc", nullptr, nullptr);
    other.list()->setCurrentRow(1); // the older one
    ASSERT_TRUE(previewShown(other));
    EXPECT_EQ(other.countsText(), QString("+2 \u22121"));
    EXPECT_EQ(other.previewText(), QString("   a\n\u2212  B\n+  b\n+  c"));
    other.setMode(VersionHistoryModel::PreviewMode::Full);
    EXPECT_EQ(other.previewIndex(), 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return other.previewText() == "a\nB"; }));

    // Deleting every version leads back to the empty state.
    other.deleteSelected();
    VersionSnapshots::finish();
    other.deleteSelected();
    VersionSnapshots::finish();
    EXPECT_EQ(other.bodyIndex(), 1);
    EXPECT_FALSE(other.deleteButton()->isEnabled());
}

TEST_F(VersionHistoryViewTest, RowsShowAtOnceAndOnlyTheLastPickedRowsDiffLands)
{
    const QString doc = makeFile("n.md");
    ASSERT_TRUE(VersionStore::snapshot("a\nB", doc, kT0));
    ASSERT_TRUE(VersionStore::snapshot("a\nb\nc\nd", doc, kT0.addSecs(1)));
    VersionHistoryView view(doc, "a\nb\nc", nullptr, nullptr);
    // The rows are there before the diff, which is made elsewhere and shows when it lands.
    ASSERT_EQ(view.list()->count(), 2);
    EXPECT_EQ(view.previewIndex(), 1);
    EXPECT_EQ(view.countsText(), "");
    EXPECT_EQ(view.previewText(), "");

    // The newer row's diff is made and on its way when the older row is picked: it lands on
    // nothing, and the older one's shows once made.
    QThreadPool::globalInstance()->waitForDone();
    {
        PoolHeld held;
        view.list()->setCurrentRow(1);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(view.countsText(), "");
        EXPECT_EQ(view.previewText(), "");
    }
    ASSERT_TRUE(previewShown(view));
    EXPECT_EQ(view.countsText(), QString("+2 \u22121"));
    EXPECT_EQ(view.previewText(), QString("   a\n\u2212  B\n+  b\n+  c"));

    // Closed, and gone, while a diff is on its way: nothing lands.
    view.list()->setCurrentRow(0);
    QThreadPool::globalInstance()->waitForDone();
    view.reject();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(view.previewText(), "");
    auto* gone = new VersionHistoryView(doc, "a", nullptr, nullptr);
    gone->list()->setCurrentRow(1);
    QThreadPool::globalInstance()->waitForDone();
    delete gone;
    landWhatWasMade();
}

TEST_F(VersionHistoryViewTest, PreviewsAndDeletesLeaveTheWindowsThreadFree)
{
    const QString doc = makeFile("n.md");
    ASSERT_TRUE(VersionStore::snapshot("a\nB", doc, kT0));
    ASSERT_TRUE(VersionStore::snapshot("a\nb\nc\nd", doc, kT0.addSecs(1)));
    auto* view = new VersionHistoryView(doc, "a\nb\nc", nullptr, nullptr);
    ASSERT_TRUE(previewShown(*view));

    // The preview let go of, by picking another row and by the sheet going, is freed on
    // another thread (a long text's takes a tenth of a second and more).
    const auto firstFreed = destroyedOn(shownDocument(*view));
    view->list()->setCurrentRow(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return *firstFreed != nullptr; }));
    EXPECT_NE(*firstFreed, QThread::currentThread());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->countsText() == QString("+2 \u22121"); }));

    // A delete waits for no snapshot under way; the buttons wait for the delete.
    QSemaphore going;
    std::atomic_bool ended = false;
    VersionSnapshots::after(
        [&] {
            going.tryAcquire(1, 10'000);
            ended = true;
        },
        nullptr);
    view->deleteSelected(); // the older version, picked
    EXPECT_FALSE(ended);
    EXPECT_FALSE(view->deleteButton()->isEnabled());
    EXPECT_FALSE(view->restoreButton()->isEnabled());
    going.release();
    VersionSnapshots::finish();
    ASSERT_EQ(VersionStore::list(doc).size(), 1);
    EXPECT_EQ(view->list()->count(), 1);
    EXPECT_TRUE(view->deleteButton()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->countsText() == QString("+0 \u22121"); }));

    const auto lastFreed = destroyedOn(shownDocument(*view));
    delete view;
    ASSERT_TRUE(QTest::qWaitFor([&] { return *lastFreed != nullptr; }));
    EXPECT_NE(*lastFreed, QThread::currentThread());
}

TEST_F(VersionHistoryViewTest, RestoreIsOneUndoableEditAfterASafetyCopy)
{
    const QString doc = makeFile("n.md");
    ASSERT_TRUE(VersionStore::snapshot("old", doc, kT0));
    FakeTextView text("new text");
    EditorController controller;
    controller.setTextView(&text);
    int closed = 0;
    const auto restore = [&](const VersionHistoryModel::Restore& r) {
        const int before = text.changes;
        controller.replace(TextRange(0, int(text.text().size())), *r.text);
        return text.changes == before + 1;
    };
    VersionHistoryView view(doc, text.text(), restore, [&] { ++closed; });
    view.show();
    QTest::keyClick(&view, Qt::Key_Return); // Return restores
    VersionSnapshots::finish();             // once the version is read and the safety copy kept
    EXPECT_EQ(text.text(), "old");
    EXPECT_EQ(text.undoDepth(), 1);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(VersionStore::list(doc).size(), 2);
    ASSERT_TRUE(text.undo());
    EXPECT_EQ(text.text(), "new text");

    // The safety copy fails: the user is told and the document is left alone.
    const QString manifest = VersionStore::folder(doc) + "/manifest.json";
    ASSERT_TRUE(QFile::remove(manifest));
    ASSERT_TRUE(QDir().mkpath(manifest + "/blocker"));
    VersionStore::snapshot("other", doc, kT0.addSecs(1)); // cannot be stored either
    VersionHistoryView failing(doc, "unsaved work", restore, [&] { ++closed; });
    ASSERT_TRUE(failing.restoreButton()->isEnabled());
    failing.restoreSelected();
    VersionSnapshots::finish();
    EXPECT_FALSE(failing.lastError().isEmpty());
    EXPECT_EQ(text.text(), "new text");
    EXPECT_EQ(closed, 1);
}

TEST_F(VersionHistoryViewTest, RestoreAndSnapshotGivenBeforeTheTextHasComeEachRunOnceItHas)
{
    const QString doc = makeFile("n.md");
    ASSERT_TRUE(VersionStore::snapshot("old", doc, kT0));
    QString text = "new text";
    const auto restore = [&](const VersionHistoryModel::Restore& r) {
        text = *r.text;
        return true;
    };
    VersionHistoryView view(doc, restore, nullptr);
    view.restoreSelected();
    view.snapshotNow();
    view.takeCurrentText({text}, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return text == "old"; }));
}

TEST_F(VersionHistoryViewTest, FooterButtonsStandApart)
{
    const QString doc = makeFile("n.md");
    ASSERT_TRUE(VersionStore::snapshot("old", doc, kT0));
    VersionHistoryView view(doc, "new", nullptr, nullptr);
    view.show();
    QCoreApplication::processEvents();
    const QRect del = view.deleteButton()->geometry(), restore = view.restoreButton()->geometry();
    EXPECT_GE(restore.left() - del.right(), 6);
}

TEST_F(VersionHistoryViewTest, NoticeCaptionsShowAllTheirLines)
{
    VersionHistoryView untitled({}, "text", nullptr, nullptr);
    VersionHistoryView empty(makeFile("n.md"), "text", nullptr, nullptr);
    for (VersionHistoryView* view : {&untitled, &empty}) {
        view->show();
        QCoreApplication::processEvents();
        int captions = 0;
        for (QLabel* label : view->findChildren<QLabel*>()) {
            if (!label->isVisible() || !label->wordWrap() || label->text().size() < 60) continue;
            ++captions;
            EXPECT_GE(label->width(), 300) << label->text().toStdString();
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
        }
        EXPECT_EQ(captions, 1);
    }
}

TEST_F(VersionHistoryViewTest, LargeDiffsRedrawQuicklyWithTintedRows)
{
    const QString doc = makeFile("n.md");
    QStringList oldLines, newLines;
    for (int i = 0; i < 3000; ++i) {
        oldLines << QString("old line %1").arg(i);
        newLines << QString("new line %1").arg(i);
    }
    ASSERT_TRUE(VersionStore::snapshot(oldLines.join('\n') + "\nsame", doc, kT0));
    VersionHistoryView view(doc, newLines.join('\n') + "\nsame", nullptr, nullptr);
    view.show();
    // Switching the preview rebuilds 6,000 diff rows each time; this took seconds when every
    // row kept an overlay cursor into the text.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 2; ++i) {
        view.setMode(VersionHistoryModel::PreviewMode::Full);
        view.setMode(VersionHistoryModel::PreviewMode::Diff);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(previewShown(view));
    EXPECT_LT(timer.elapsed(), 3000);

    ASSERT_EQ(view.previewIndex(), 1);
    QPlainTextEdit* diff = nullptr;
    for (auto* edit : view.findChildren<QPlainTextEdit*>())
        if (edit->isVisible()) diff = edit;
    ASSERT_TRUE(diff);
    ASSERT_EQ(diff->blockCount(), 6001);
    const QTextBlock deleted = diff->document()->findBlockByNumber(0);
    const QTextBlock inserted = diff->document()->findBlockByNumber(3000);
    EXPECT_TRUE(deleted.text().startsWith(QChar(0x2212)));
    EXPECT_TRUE(inserted.text().startsWith('+'));
    EXPECT_EQ(deleted.blockFormat().background().color().red(), 219);
    EXPECT_EQ(inserted.blockFormat().background().color().green(), 168);
    EXPECT_NEAR(inserted.blockFormat().background().color().alphaF(), 0.14, 0.01);
    EXPECT_EQ(inserted.begin().fragment().text(), "+");
    EXPECT_EQ(inserted.begin().fragment().charFormat().foreground().color().green(), 168);
    EXPECT_EQ(diff->document()->findBlockByNumber(6000).blockFormat().background().style(), Qt::NoBrush); // "same"
}

using FileBrowserSidebarTest = FilesTest;

TEST_F(FileBrowserSidebarTest, ShowsStatesAndOpensClickedFiles)
{
    FileBrowserModel model;
    QStringList opened;
    FileBrowserSidebar sidebar(&model, nullptr, [&](const QString& p) { opened << p; });
    EXPECT_EQ(sidebar.contentIndex(), 0);
    EXPECT_EQ(sidebar.title(), "Files");
    EXPECT_FALSE(sidebar.refreshButton()->isEnabled());

    QDir().mkpath(path("empty"));
    FileBrowserModel::adoptFolder(path("empty"), &model);
    EXPECT_EQ(sidebar.contentIndex(), 1);
    EXPECT_TRUE(sidebar.refreshButton()->isEnabled());
    EXPECT_EQ(sidebar.title(), "empty");

    const QString current = makeFile("empty/b.md");
    makeFile("empty/a.txt");
    sidebar.setCurrentPath(path("empty/./b.md"));
    sidebar.refreshButton()->click();
    ASSERT_EQ(sidebar.contentIndex(), 2);
    ASSERT_EQ(sidebar.tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* b = sidebar.tree()->topLevelItem(1);
    EXPECT_EQ(b->text(0), "b");
    EXPECT_EQ(b->font(0).weight(), QFont::DemiBold);
    EXPECT_EQ(sidebar.tree()->topLevelItem(0)->font(0).weight(), QFont::Normal);
    Q_EMIT sidebar.tree()->itemClicked(b, 0);
    EXPECT_EQ(opened, QStringList{current});

    // Open folders stay open across a refresh.
    makeFile("empty/sub/c.md");
    sidebar.refreshButton()->click();
    ASSERT_EQ(sidebar.tree()->topLevelItemCount(), 3);
    sidebar.tree()->topLevelItem(0)->setExpanded(true);
    sidebar.refreshButton()->click();
    EXPECT_TRUE(sidebar.tree()->topLevelItem(0)->isExpanded());
}
