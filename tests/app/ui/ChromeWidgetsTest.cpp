#include "app/ui/OutlineSidebar.h"
#include "app/ui/QuickOpenSheet.h"
#include "app/ui/StatusBar.h"
#include "app/ui/WhatsNewWindow.h"
#include "editor/EditorController.h"
#include "editor/FakeTextView.h"
#include "platform/Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <limits>

TEST(StatusBar, CountsSelectionGoalZoomAndALivePopover)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath("s.ini"));
    FakeTextView view(QString("one two three"), TextRange(0, 7));
    EditorController controller;
    controller.setTextView(&view);
    controller.updateCounts();
    controller.updateSelectionStats();
    StatusBar bar(&controller, settings);
    bar.resize(800, 30);
    bar.show();

    EXPECT_EQ(bar.wordsText(), "3 words");
    EXPECT_EQ(bar.charactersText(), "13 characters");
    EXPECT_EQ(bar.readingText(), "~1 min read");
    EXPECT_EQ(bar.selectionText(), QString::fromUtf8("· 2 selected"));
    EXPECT_EQ(bar.goalText(), "");
    // A selection of blanks counts no words: neither dot nor text.
    view.setSelectedRange(TextRange(3, 1));
    controller.updateSelectionStats();
    EXPECT_EQ(bar.selectionText(), "");

    settings.setValue("writingGoal", 4.9);
    EXPECT_EQ(bar.goalText(), QString::fromUtf8("· Goal 3/4"));
    EXPECT_FALSE(bar.goalReached());
    view.replaceRange(TextRange(13, 0), " four");
    controller.updateCounts();
    EXPECT_TRUE(bar.goalReached());
    for (double bad : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        settings.setValue("writingGoal", bad);
        EXPECT_EQ(bar.goalText(), "") << bad;
    }

    controller.setZoom(1.25, false);
    EXPECT_EQ(bar.zoomMenuButton()->text(), "125%");
    bar.zoomInButton()->click();
    EXPECT_EQ(bar.zoomMenuButton()->text(), "140%");
    EXPECT_EQ(bar.zoomOutButton()->toolTip(), QString::fromUtf8("Zoom Out (Ctrl+\u2212)"));
    const QList<QAction*> entries = bar.zoomMenuButton()->menu()->actions();
    ASSERT_EQ(entries.size(), 8);
    EXPECT_EQ(entries[0]->text(), "Fit Width");
    entries[7]->trigger();
    EXPECT_EQ(bar.zoomMenuButton()->text(), "200%");

    // The word count toggles the popover, whose rows follow the counts while open.
    bar.wordsButton()->click();
    ASSERT_TRUE(bar.isStatsShown());
    EXPECT_EQ(bar.popover()->values().value(0), "4");
    view.replaceRange(TextRange(0, 0), "zero ");
    controller.updateCounts();
    EXPECT_EQ(bar.popover()->values(), (QStringList{"5", "23", "19", "1", "1", "1", "~1 min"}));
    bar.setStatsShown(false);
    EXPECT_FALSE(bar.isStatsShown());
    EXPECT_FALSE(bar.wordsButton()->isChecked());
}

TEST(OutlineSidebar, ClickSelectsOnceAndEmptyShowsNoHeadings)
{
    QList<OutlineItem> picked;
    OutlineSidebar sidebar([&](const OutlineItem& item) { picked.append(item); });
    sidebar.resize(220, 400);
    sidebar.show();
    EXPECT_TRUE(sidebar.showsEmptyState());
    sidebar.setItems(OutlineParser::headings(u"# A\n## B\n#### D\n"));
    EXPECT_FALSE(sidebar.showsEmptyState());
    QListView* list = sidebar.list();
    const QRect row = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked[0].level, 4);
    EXPECT_EQ(picked[0].title, "D");
    EXPECT_EQ(picked[0].offset, 9);
}

TEST(QuickOpenSheet, KeysClampEscapeClosesAndTheSheetClosesBeforeOpening)
{
    QStringList recents{"/a/readme.md", "/b/notes.txt", "/c/roadmap.md"};
    QStringList opened;
    bool visibleWhileOpening = true;
    QuickOpenSheet* self = nullptr;
    QuickOpenSheet sheet([&] { return recents; },
                         [&](const QString& path) {
                             opened << path;
                             visibleWhileOpening = self->isVisible();
                         });
    self = &sheet;
    sheet.open();
    QLineEdit* field = sheet.field();
    EXPECT_EQ(sheet.results().size(), 3);
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(sheet.selectedIndex(), 0);
    for (int i = 0; i < 5; ++i) QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(sheet.selectedIndex(), 2);
    QTest::keyClicks(field, "RDM"); // typing goes back to the first row
    EXPECT_EQ(sheet.results(), (QStringList{"/a/readme.md", "/c/roadmap.md"}));
    EXPECT_EQ(sheet.selectedIndex(), 0);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(sheet.selectedIndex(), 1);
    QTest::keyClicks(field, "zz");
    EXPECT_EQ(sheet.emptyText(), "No matches");
    {
        // Shown whole, inside its 24-point margins, within the sheet.
        QCoreApplication::processEvents();
        QLabel* empty = nullptr;
        for (QLabel* l : sheet.findChildren<QLabel*>())
            if (l->text() == "No matches") empty = l;
        ASSERT_TRUE(empty);
        EXPECT_GE(empty->height(), QFontMetrics(empty->font()).height() + 48);
        EXPECT_TRUE(sheet.rect().contains(QRect(empty->mapTo(&sheet, QPoint(0, 0)), empty->size())));
    }
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(sheet.selectedIndex(), 0);
    QTest::keyClick(field, Qt::Key_Return); // nothing to open: the sheet stays
    EXPECT_TRUE(sheet.isVisible());
    field->clear();
    QTest::keyClick(field, Qt::Key_Down);
    // Return: the sheet is already closed when the file is opened.
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList{"/b/notes.txt"});
    EXPECT_FALSE(visibleWhileOpening);
    EXPECT_FALSE(sheet.isVisible());

    sheet.open();
    QTest::keyClick(sheet.field(), Qt::Key_Escape);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(opened.size(), 1);

    recents.clear();
    QuickOpenSheet none([&] { return recents; }, [](const QString&) {});
    none.open();
    QTest::keyClicks(none.field(), "x");
    EXPECT_EQ(none.emptyText(), "No recent documents");
}

TEST(WhatsNewWindow, StoresTheVersionFirstAndShowsLater)
{
    QTemporaryDir dir;
    Settings store(dir.filePath("s.ini"));
    QList<int> delays;
    QList<std::function<void()>> pending;
    WhatsNewWindow window(store, [&](int ms, std::function<void()> action) {
        delays << ms;
        pending << std::move(action);
    });
    const QString version = WhatsNewWindow::currentVersion();
    window.showIfNewVersion();
    EXPECT_EQ(store.string("lastSeenVersion"), version); // before anything is shown
    ASSERT_EQ(delays, QList<int>{600});
    EXPECT_FALSE(window.isVisible());
    pending.takeFirst()();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(440, 520));
    window.close();

    window.showIfNewVersion(); // same version: nothing scheduled, nothing written
    EXPECT_TRUE(pending.isEmpty());
    store.setValue("lastSeenVersion", "0.9");
    window.showIfNewVersion();
    EXPECT_EQ(store.string("lastSeenVersion"), version);
    EXPECT_EQ(pending.size(), 1);

    // The Help item shows it without touching the stored version; Return presses Continue.
    store.setValue("lastSeenVersion", "0.8");
    window.showWindow();
    EXPECT_EQ(store.string("lastSeenVersion"), "0.8");
    auto* cont = window.findChild<QPushButton*>();
    ASSERT_TRUE(cont);
    EXPECT_EQ(cont->text(), "Continue");
    EXPECT_TRUE(cont->isDefault());
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    // The sheet's shortcut is named in Linux keys.
    EXPECT_TRUE(WhatsNewWindow::entries()[4].text.contains("Ctrl+Shift+O"));
}
