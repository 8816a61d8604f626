#include "commands/CommandRegistry.h"
#include "commands/ShortcutStore.h"
#include "commands/ui/CommandPalette.h"
#include "commands/ui/EditorToolbar.h"
#include "commands/ui/InsertPopovers.h"
#include "commands/ui/ShortcutsSettingsView.h"
#include "editor/EditorController.h"
#include "editor/FakeTextView.h"
#include "platform/Settings.h"
#include "settings/ui/SettingsWindow.h"

#include <QAbstractButton>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct CommandsWidgetsTest : ::testing::Test {
    QTemporaryDir dir;
    QWidget window;
    FakeTextView view;
    EditorController editor;
    void SetUp() override
    {
        Settings::useFile(dir.filePath(u"settings.ini"_s));
        editor.setTextView(&view);
        window.resize(800, 600);
        window.show();
    }
    CommandContext context()
    {
        CommandContext c;
        c.editor = &editor;
        c.window = [this] { return &window; };
        c.filePath = [] { return QString(); };
        return c;
    }
};

void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(w, Qt::Key(k), m);
}
} // namespace

TEST_F(CommandsWidgetsTest, PaletteKeysClampRunLaterAndEscapeRunsNothing)
{
    view = FakeTextView(u"abc"_s, {0, 3});
    auto* p = new CommandPalette(context(), &window);
    p->show();
    QLineEdit* field = p->searchField();
    key(field, Qt::Key_Up);
    EXPECT_EQ(p->selectedIndex(), 0);
    QTest::keyClicks(field, u"hd"_s);
    ASSERT_EQ(p->results().size(), 6);
    for (int i = 0; i < 8; ++i) key(field, Qt::Key_Down);
    EXPECT_EQ(p->selectedIndex(), 5);
    QTest::keyClicks(field, u"x"_s); // no results: the index stays at 0
    EXPECT_EQ(p->selectedIndex(), 0);
    {
        // "No matching commands" stands inset by 24 points, whole.
        QLabel* empty = nullptr;
        for (QLabel* l : p->findChildren<QLabel*>())
            if (l->text() == u"No matching commands") empty = l;
        ASSERT_TRUE(empty);
        EXPECT_TRUE(empty->isVisible());
        const QFontMetrics metrics(empty->font());
        EXPECT_GE(empty->width(), metrics.horizontalAdvance(empty->text()) + 48);
        EXPECT_GE(empty->height(), metrics.height() + 48);
        EXPECT_TRUE(p->list()->viewport()->rect().contains(empty->geometry()));
    }
    key(field, Qt::Key_Down);
    EXPECT_EQ(p->selectedIndex(), 0);
    key(field, Qt::Key_Return); // nothing to run: stays open
    EXPECT_TRUE(p->isVisible());
    field->setText(u"upper"_s);
    key(field, Qt::Key_Return);
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(view.text(), u"abc") << "runs only after the sheet has closed";
    (void)QTest::qWaitFor([&] { return view.text() == u"ABC"; }, 5000); // a busy machine runs it late
    EXPECT_EQ(view.text(), u"ABC");

    auto* q = new CommandPalette(context(), &window);
    q->show();
    q->searchField()->setText(u"lower"_s);
    key(q->searchField(), Qt::Key_Escape);
    EXPECT_FALSE(q->isVisible());
    QTest::qWait(30); // a run would have been queued
    EXPECT_EQ(view.text(), u"ABC");
    delete p;
    delete q;
}

TEST_F(CommandsWidgetsTest, PaletteClickRunsThatRowAndARunIsDroppedWhenTheWindowCloses)
{
    view = FakeTextView(u"abc"_s, {0, 3});
    auto* p = new CommandPalette(context(), &window);
    p->show();
    p->searchField()->setText(u"case"_s); // "UPPERCASE", "lowercase", "Title Case"
    ASSERT_GE(p->results().size(), 2);
    ASSERT_EQ(p->results()[0]->id, u"upper");
    QListView* list = p->list();
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::qWait(30);               // a run would have been queued
    EXPECT_EQ(view.text(), u"abc"); // "lowercase" on lower-case text
    view.setSelectedRange({0, 3});
    auto* q = new CommandPalette(context(), &window);
    q->show();
    q->searchField()->setText(u"upper"_s);
    key(q->searchField(), Qt::Key_Return);
    window.close();
    QTest::qWait(30); // a run would have been queued
    EXPECT_EQ(view.text(), u"abc");
    delete p;
    delete q;
}

TEST_F(CommandsWidgetsTest, ToolbarGroupsTooltipsMenusAndHeadingLabel)
{
    view = FakeTextView(u"intro\n### Title\n#######\n"_s, {0, 0});
    bool paletteAsked = false;
    EditorToolbar bar([this] { return context(); }, &editor, [&] { paletteAsked = true; });
    const auto groups = bar.groups();
    ASSERT_EQ(groups.size(), 8);
    const QList<int> columns{2, 2, 2, 3, 4, 2, 2, 2};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(groups[i]->rowCount(), 2) << i;
        EXPECT_EQ(groups[i]->columnCount(), columns[i]) << i;
    }
    // Three cells in two rows: the second column ends in an empty cell.
    QWidget* padding = groups[0]->itemAtPosition(1, 1)->widget();
    EXPECT_FALSE(qobject_cast<QToolButton*>(padding));
    EXPECT_EQ(padding->size(), QSize(27, 24));

    EXPECT_EQ(bar.button(u"Bold"_s)->toolTip(), u"Bold  Ctrl+B");
    EXPECT_EQ(bar.button(u"Code Block"_s)->toolTip(), u"Code Block");
    EXPECT_EQ(bar.button(u"Insert Link"_s)->toolTip(), u"Insert Link  Ctrl+K");
    EXPECT_EQ(bar.button(u"Command Palette"_s)->toolTip(), u"Command Palette  Ctrl+Shift+P");
    EXPECT_EQ(bar.button(u"Paragraph style"_s)->toolTip(), u"Paragraph style");
    EXPECT_EQ(bar.button(u"Translate…"_s)->toolTip(), u"Translate…");
    EXPECT_EQ(bar.button(u"Clean Up Markdown"_s)->toolTip(), u"Clean Up Markdown");

    QStringList sections;
    int items = 0;
    for (QAction* a : bar.allToolsMenu()->actions()) {
        if (a->isSeparator())
            sections << a->text();
        else
            ++items;
    }
    EXPECT_EQ(sections.first(), u"Headings");
    // Section titles are drawn as written (no mnemonics): escaping the "&" showed "Lists && Blocks".
    EXPECT_EQ(sections[2], u"Lists & Blocks");
    EXPECT_EQ(sections.size(), 8);
    EXPECT_EQ(items, 58);
    ASSERT_EQ(bar.exportMenu()->actions().size(), 6);
    EXPECT_EQ(bar.exportMenu()->actions().last()->text(), u"Copy as HTML");

    bar.button(u"Command Palette"_s)->click();
    EXPECT_TRUE(paletteAsked);

    EXPECT_TRUE(bar.headingLabel().startsWith(u"¶"));
    view.setSelectedRange({9, 0});
    bar.refreshHeading();
    EXPECT_TRUE(bar.headingLabel().startsWith(u"H3"));
    view.setSelectedRange({18, 0});
    bar.refreshHeading();
    EXPECT_TRUE(bar.headingLabel().startsWith(u"¶"));

    // Toggles write their setting and follow it when it changes elsewhere.
    bar.button(u"Files"_s)->click();
    EXPECT_TRUE(Settings::instance().boolean(u"showFileBrowser"_s));
    EXPECT_TRUE(bar.button(u"Files"_s)->property("active").toBool());
    Settings::instance().setValue(u"showFileBrowser"_s, false);
    EXPECT_FALSE(bar.button(u"Files"_s)->property("active").toBool());
    Settings::instance().setValue(u"editorViewMode"_s, u"odd"_s);
    QToolButton* mode = bar.button(u"Switch to WYSIWYG"_s);
    ASSERT_TRUE(mode);
    EXPECT_FALSE(mode->property("active").toBool());
    mode->click();
    EXPECT_EQ(Settings::instance().string(u"editorViewMode"_s), u"wysiwyg");
}

TEST_F(CommandsWidgetsTest, PopoversInsertThroughTheEditor)
{
    view = FakeTextView(u"see here now"_s, {4, 4});
    EditorToolbar bar([this] { return context(); }, &editor, {});
    // Each heading row is wide enough for its title, in its own size, and its key beside it, inside
    // the row's 8-pixel insets and with a gap between them.
    bar.openHeadingPopover();
    ASSERT_TRUE(bar.openPopover());
    QFont keyFont = bar.openPopover()->font();
    keyFont.setPointSizeF(9);
    int rows = 0;
    for (QAbstractButton* row : bar.openPopover()->findChildren<QAbstractButton*>()) {
        const int needed = QFontMetrics(row->font()).horizontalAdvance(row->text())
                           + QFontMetrics(keyFont).horizontalAdvance(u"Ctrl+0"_s) + 2 * 8 + 8;
        EXPECT_GT(row->width(), needed) << row->text().toStdString();
        ++rows;
    }
    EXPECT_EQ(rows, 7);
    bar.openPopover()->close();

    bar.openLinkPopover();
    auto* link = qobject_cast<LinkEditorView*>(bar.openPopover());
    ASSERT_TRUE(link);
    EXPECT_EQ(link->textField()->text(), u"here");
    EXPECT_FALSE(link->insertButton()->isEnabled()); // "https://" alone
    key(link->urlField(), Qt::Key_Return);
    EXPECT_EQ(view.text(), u"see here now");
    link->urlField()->setText(u"https://x.org"_s);
    key(link->urlField(), Qt::Key_Return);
    EXPECT_EQ(view.text(), u"see [here](https://x.org) now");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(bar.openPopover() && bar.openPopover()->isVisible()); }, 2000));

    view = FakeTextView(QString(), {0, 0});
    bar.openImagePopover();
    auto* image = qobject_cast<ImageInsertView*>(bar.openPopover());
    ASSERT_TRUE(image);
    image->urlField()->setText(u"pic.png"_s);
    image->insertButton()->click();
    EXPECT_EQ(view.text(), u"![image](pic.png)");

    view = FakeTextView(QString(), {0, 0});
    bar.openTablePopover();
    auto* table = qobject_cast<TableGridPicker*>(bar.openPopover());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->label(), u"Insert Table");
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(table->cell(1, 2), &enter);
    EXPECT_EQ(table->label(), u"1 × 2 table");
    EXPECT_TRUE(table->isHighlighted(1, 1));
    EXPECT_FALSE(table->isHighlighted(2, 1));
    EXPECT_EQ(table->cell(6, 6)->accessibleName(), u"6 by 6 table");
    QTest::mouseClick(table->cell(6, 6), Qt::LeftButton);
    EXPECT_EQ(view.text().count(u'\n'), 1 + 2 + 6);
    EXPECT_TRUE(view.text().contains(u"Column 6"));
}

TEST_F(CommandsWidgetsTest, RecorderTakesEveryKeyAndMarksConflicts)
{
    ShortcutsSettingsView pane;
    pane.show();
    EXPECT_EQ(pane.sectionTitles().size(), 8);
    EXPECT_EQ(pane.rowCount(), 58);
    ShortcutRecorder* dup = pane.recorder(u"dupLine"_s);
    EXPECT_EQ(dup->text(), u"Record");
    dup->click();
    EXPECT_EQ(pane.recordingID(), u"dupLine");
    EXPECT_EQ(dup->text(), u"Press keys…");
    // The override is claimed, so no menu item can take the press.
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    override.ignore();
    QApplication::sendEvent(dup, &override);
    EXPECT_TRUE(override.isAccepted());
    key(dup, Qt::Key_D); // a letter alone: still recording
    EXPECT_EQ(pane.recordingID(), u"dupLine");
    key(dup, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(pane.recordingID().isEmpty());
    EXPECT_EQ(dup->text(), u"Ctrl+Shift+D");
    EXPECT_EQ(ShortcutStore::all().value(u"dupLine"_s).modifiers, 0x120000u);

    // Recording moves to another row; Escape ends it and keeps what was there.
    pane.recorder(u"bold"_s)->click();
    pane.recorder(u"taskDone"_s)->click();
    EXPECT_EQ(pane.recordingID(), u"taskDone");
    EXPECT_EQ(pane.recorder(u"bold"_s)->text(), u"Record");
    key(pane.recorder(u"taskDone"_s), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pane.conflictLabel(u"dupLine"_s)->text(), u"conflicts with Toggle Task Done");
    EXPECT_EQ(pane.conflictLabel(u"taskDone"_s)->text(), u"conflicts with Duplicate Line");
    pane.clearButton(u"taskDone"_s)->click();
    EXPECT_TRUE(pane.conflictLabel(u"dupLine"_s)->text().isEmpty());
    EXPECT_EQ(pane.recorder(u"taskDone"_s)->text(), u"Record");
    EXPECT_TRUE(pane.clearButton(u"taskDone"_s)->isHidden());
}

TEST_F(CommandsWidgetsTest, TheSettingsWindowShowsTheShortcutsPane)
{
    SettingsWindow* settings = SettingsWindow::showShared();
    auto* pane = qobject_cast<ShortcutsSettingsView*>(settings->page(u"Shortcuts"_s));
    ASSERT_TRUE(pane);
    EXPECT_EQ(pane->rowCount(), 58);
    settings->close();
}
