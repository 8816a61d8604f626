#include "AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/OutlineSidebar.h"
#include "app/ui/QuickOpenSheet.h"
#include "app/ui/StatusBar.h"
#include "app/ui/WelcomeWindow.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/MinimapView.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "settings/ui/SettingsWindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class WindowChromeTest : public WindowTest {
protected:
    static DocumentWindow* open(const QString& text)
    {
        DocumentWindow* w = DocumentController::instance().newDocument();
        w->setDocumentText(text);
        return w;
    }
    // What the window shows besides the editor.
    static QStringList chrome(DocumentWindow* w)
    {
        QStringList shown;
        if (w->statusBar()->isVisibleTo(w)) shown << "status";
        if (w->panel(DocumentHost::Panel::Outline)->isVisibleTo(w)) shown << "outline";
        // The file browser is made when first shown.
        if (QWidget* files = w->panel(DocumentHost::Panel::LeftSidebar); files && files->isVisibleTo(w))
            shown << "files";
        if (w->findChild<MinimapView*>()->isVisibleTo(w)) shown << "minimap";
        return shown;
    }
};

} // namespace

TEST_F(WindowChromeTest, DistractionFreeLeavesOnlyTheEditorInEveryWindowAndPanelsFollowTheirSettings)
{
    DocumentWindow* a = open("# A");
    DocumentWindow* b = open("# B");
    EXPECT_EQ(chrome(a), QStringList{"status"});
    Settings& s = Settings::instance();
    for (const char* key : {"showOutline", "showFileBrowser", "editorShowMinimap"}) s.setValue(key, true);
    const QStringList all{"status", "outline", "files", "minimap"};
    EXPECT_EQ(chrome(a), all);
    EXPECT_EQ(chrome(b), all);
    EXPECT_EQ(a->panel(DocumentHost::Panel::Outline)->width(), OutlineSidebar::kWidth);

    QApplication::setActiveWindow(a);
    NotificationBus::instance().post(NotificationBus::name("toggleDistractionFree"));
    EXPECT_EQ(chrome(a), QStringList{});
    EXPECT_EQ(chrome(b), QStringList{});
    // A panel turned on meanwhile stays out of sight until the mode ends.
    s.setValue("showOutline", false);
    s.setValue("showOutline", true);
    EXPECT_EQ(chrome(b), QStringList{});
    NotificationBus::instance().post(NotificationBus::name("toggleDistractionFree"));
    EXPECT_EQ(chrome(a), all);
    EXPECT_EQ(chrome(b), all);
    s.setValue("editorShowMinimap", false);
    EXPECT_EQ(chrome(b), (QStringList{"status", "outline", "files"}));
    EXPECT_GE(a->minimumSize().width(), 640);
    EXPECT_GE(a->minimumSize().height(), 400);
}

// The file browser, the outline, the editor, from the left: the outline is made with the
// window and the browser only when first shown, which must not put it second.
TEST_F(WindowChromeTest, SidePanelsStandFileBrowserOutlineEditorWhicheverWasShownFirst)
{
    Settings& s = Settings::instance();
    const auto order = [](DocumentWindow* w) {
        QWidget* files = w->panel(DocumentHost::Panel::LeftSidebar);
        QWidget* outline = w->panel(DocumentHost::Panel::Outline);
        auto* splitter = qobject_cast<QSplitter*>(w->centralWidget());
        if (!files || !splitter) return QList<int>();
        int editor = -1;
        for (int i = 0; i < splitter->count(); ++i)
            if (splitter->widget(i)->isAncestorOf(w->findChild<MarkdownTextView*>())) editor = i;
        return QList<int>{splitter->indexOf(files), splitter->indexOf(outline), editor};
    };
    DocumentWindow* a = open("# A");
    s.setValue("showOutline", true);
    s.setValue("showFileBrowser", true);
    DocumentWindow* b = open("# B");
    s.setValue("showOutline", false);
    s.setValue("showFileBrowser", false);
    s.setValue("showFileBrowser", true);
    s.setValue("showOutline", true);
    DocumentWindow* c = open("# C");
    for (DocumentWindow* w : {a, b, c}) {
        const QList<int> at = order(w);
        ASSERT_EQ(at.size(), 3);
        EXPECT_LT(at[0], at[1]);
        EXPECT_LT(at[1], at[2]);
        w->resize(1200, 700);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        EXPECT_LT(w->panel(DocumentHost::Panel::LeftSidebar)->x(), w->panel(DocumentHost::Panel::Outline)->x());
    }
}

// Every keystroke and the work its pause starts (styling, counts, the toolbar's heading,
// the outline, the minimap, completions) read only near the edit: reading the whole text
// would move all of it in memory on every key of a long document.
TEST_F(WindowChromeTest, TypingInALongDocumentNeverReadsItWhole)
{
    Settings& s = Settings::instance();
    for (const char* key : {"showOutline", "editorShowMinimap"}) s.setValue(key, true);
    QString text;
    for (int i = 0; text.size() < 300000; ++i)
        text += QStringLiteral("## Part %1\n\n- a [[link]] and :smile **bold**\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n")
                    .arg(i);
    DocumentWindow* w = open(text);
    w->show();
    QApplication::setActiveWindow(w);
    auto* view = w->findChild<MarkdownTextView*>();
    ASSERT_TRUE(view);
    view->setSelectedRange({int(text.size() / 2), 0});
    // What a new text starts (its counts, the first edit opening the storage's gap) is done:
    // nothing is left to style and no pause's timer is still to run but the autosave's, whose
    // write comes after the keys below.
    const auto settled = [&] {
        if (view->coordinator()->isStylingPending()) return false;
        for (const QTimer* t : w->findChildren<QTimer*>())
            if (t->isSingleShot() && t->isActive() && t->interval() != DocumentWindow::autosaveDelayMs) return false;
        return true;
    };
    ASSERT_TRUE(QTest::qWaitFor(settled, 5000));
    QTest::keyClick(view, Qt::Key_X);
    ASSERT_TRUE(QTest::qWaitFor(settled, 5000));
    const int before = view->coordinator()->storage().gapsClosed();
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_NumberSign, Qt::Key_Space, Qt::Key_Backspace,
                              Qt::Key_Colon, Qt::Key_S, Qt::Key_M, Qt::Key_BracketLeft, Qt::Key_BracketLeft}) {
        QTest::keyClick(view, key);
        QTest::qWait(30);
    }
    QTest::qWait(400);
    EXPECT_EQ(view->coordinator()->storage().gapsClosed(), before);
}

TEST_F(WindowChromeTest, OnlyTheKeyDocumentWindowHandlesARequest)
{
    DocumentWindow* a = open("");
    DocumentWindow* b = open("");
    const auto sheetOf = [](DocumentWindow* w) { return w->findChild<QuickOpenSheet*>(); };
    QApplication::setActiveWindow(b);
    NotificationBus::instance().post(NotificationBus::name("showQuickOpen"));
    EXPECT_FALSE(sheetOf(a));
    ASSERT_TRUE(sheetOf(b));
    EXPECT_EQ(sheetOf(b)->windowModality(), Qt::WindowModal);
    // A second request while the sheet is up shows no second sheet.
    QApplication::setActiveWindow(b);
    NotificationBus::instance().post(NotificationBus::name("showQuickOpen"));
    EXPECT_EQ(b->findChildren<QuickOpenSheet*>().size(), 1);
    sheetOf(b)->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(sheetOf(b));

    // With the welcome or the settings window in front, the request is dropped.
    WelcomeWindow welcome;
    welcome.setQuit([] {});
    welcome.show();
    QApplication::setActiveWindow(&welcome);
    NotificationBus::instance().post(NotificationBus::name("showQuickOpen"));
    SettingsWindow* settings = SettingsWindow::showShared();
    QApplication::setActiveWindow(settings);
    NotificationBus::instance().post(NotificationBus::name("showQuickOpen"));
    settings->close();
    EXPECT_FALSE(sheetOf(a));
    EXPECT_FALSE(sheetOf(b));
}

// Quick open and the palette are panels of the window, not windows beside it: no title bar,
// at the top of the window's text, closed by Escape or a click outside, and the editor has
// the keyboard again afterwards.
TEST_F(WindowChromeTest, QuickOpenAndThePaletteArePanelsOfTheWindow)
{
    DocumentWindow* w = open("text");
    w->resize(900, 700);
    w->show();
    QApplication::setActiveWindow(w);
    QWidget* editor = w->findChild<MarkdownTextView*>();
    editor->setFocus();
    const auto panel = [w](const char* request) {
        QApplication::setActiveWindow(w);
        NotificationBus::instance().post(NotificationBus::name(request));
        for (QDialog* d : w->findChildren<QDialog*>())
            if (d->isVisible()) return d;
        return static_cast<QDialog*>(nullptr);
    };
    const QRect frame(w->mapToGlobal(QPoint(0, 0)), w->size());
    for (const auto& [request, title] :
         {std::pair{"showQuickOpen", "Quick Open"}, {"showCommandPalette", "Command Palette"}}) {
        QDialog* d = panel(request);
        ASSERT_NE(d, nullptr) << request;
        EXPECT_EQ(d->windowTitle(), title);
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::FramelessWindowHint)) << title;
        EXPECT_EQ(d->windowType(), Qt::Popup) << title;
        const QRect at(d->pos(), d->size());
        EXPECT_TRUE(frame.contains(at.topLeft()) && frame.contains(at.topRight())) << title;
        EXPECT_GT(at.top(), w->centralWidget()->mapToGlobal(QPoint(0, 0)).y() - 2) << title << ": over the toolbar";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible()) << title;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QApplication::focusWidget(), editor) << title;
    }
    QDialog* d = panel("showQuickOpen");
    ASSERT_NE(d, nullptr);
    const QPointer<QDialog> gone(d);
    QTest::mouseClick(editor->window()->windowHandle(), Qt::LeftButton, {}, QPoint(5, w->height() - 5));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!gone || !gone->isVisible()) << "a click outside leaves the panel open";
}

TEST_F(WindowChromeTest, AnOutlineClickPlacesTheCaretAtTheClampedOffsetAndFocusesTheEditor)
{
    Settings::instance().setValue("showOutline", true);
    DocumentWindow* w = open("intro\n\n# One\n\ntext\n\n## Two\n");
    QApplication::setActiveWindow(w);
    auto* outline = static_cast<OutlineSidebar*>(w->panel(DocumentHost::Panel::Outline));
    // The outline is parsed after a pause in typing.
    (void)QTest::qWaitFor([&] { return outline->model()->rowCount() == 2; }, 5000);
    ASSERT_EQ(outline->model()->rowCount(), 2);
    QListView* list = outline->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    EditorTextView* view = w->editorController()->textView();
    EXPECT_EQ(view->selectedRange(), TextRange(20, 0));
    // The text shrank since the list was made: the caret goes to the end.
    w->setDocumentText("short");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(view->selectedRange(), TextRange(5, 0));
    EXPECT_TRUE(w->editorHost()->hasFocus() || w->editorHost()->focusWidget() == QApplication::focusWidget());
    (void)QTest::qWaitFor([&] { return outline->showsEmptyState(); }, 5000);
    EXPECT_TRUE(outline->showsEmptyState());

    // A heading far below comes to the top of the view, with what follows it below.
    QString longText;
    for (int i = 0; i < 120; ++i) longText += QStringLiteral("Paragraph %1.\n\n").arg(i);
    w->setDocumentText(longText + "# Far\n\n" + longText);
    (void)QTest::qWaitFor([&] { return outline->model()->rowCount() == 1; }, 5000);
    ASSERT_EQ(outline->model()->rowCount(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    auto* text = dynamic_cast<QAbstractScrollArea*>(view);
    ASSERT_TRUE(text);
    const int y = static_cast<QTextEdit*>(text)->cursorRect().top();
    EXPECT_GE(y, 0);
    EXPECT_LT(y, text->viewport()->height() / 4);
}

// A window opened while a goal is set draws the goal in the bar's grey from the start (and
// green once it is reached), as after an edit.
TEST_F(WindowChromeTest, TheGoalIsGreyFromTheStartAndGreenWhenReached)
{
    Settings::instance().setValue("writingGoal", 3.0);
    DocumentWindow* w = open("one two");
    QCoreApplication::processEvents();
    auto goalLabel = [w] {
        for (QLabel* l : w->statusBar()->findChildren<QLabel*>())
            if (l->text().contains("Goal")) return l;
        return static_cast<QLabel*>(nullptr);
    };
    auto drawnIn = [](QLabel* l) {
        QImage shot = l->grab().toImage();
        QColor darkest = Qt::white;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y).lightness() < darkest.lightness()) darkest = shot.pixelColor(x, y);
        return darkest;
    };
    QLabel* goal = goalLabel();
    ASSERT_TRUE(goal);
    const QColor grey = drawnIn(goal);
    EXPECT_GT(grey.lightness(), 60) << grey.name().toStdString() << " is nearly black";
    w->setDocumentText("one two three");
    // Counted after a pause in typing, which a busy machine draws out.
    (void)QTest::qWaitFor(
        [&] {
            const QColor c = drawnIn(goalLabel());
            return c.green() > c.red() + 40;
        },
        5000);
    const QColor reached = drawnIn(goalLabel());
    EXPECT_GT(reached.green(), reached.red() + 40) << reached.name().toStdString();
}
