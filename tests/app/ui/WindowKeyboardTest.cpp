// The real document window driven with keys and clicks: whatever the user clicks on the
// way, what they type next lands in the document.
#include "AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/StatusBar.h"
#include "commands/ui/EditorToolbar.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/NotificationBus.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WindowKeyboardTest : public WindowTest {
protected:
    DocumentWindow* open(const QString& text)
    {
        DocumentWindow* w = DocumentController::instance().newDocument();
        w->setDocumentText(text);
        w->show();
        QApplication::setActiveWindow(w);
        return w;
    }
    // Writes `bytes` to `path` and opens it in a window in front, as the user's file.
    static DocumentWindow* openWritten(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return nullptr;
        f.close();
        DocumentWindow* w = DocumentController::instance().openDocument(path);
        if (!w) return w;
        w->show();
        QApplication::setActiveWindow(w);
        return w;
    }
    static MarkdownTextView* view(DocumentWindow* w)
    {
        return dynamic_cast<MarkdownTextView*>(w->editorController()->textView());
    }
    static EditorToolbar* toolbar(DocumentWindow* w)
    {
        return qobject_cast<EditorToolbar*>(w->panel(DocumentHost::Panel::Toolbar));
    }
    // Types where the keyboard is, as the user's keys go.
    static void type(const QString& keys)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target) << "the keyboard is nowhere";
        QTest::keyClicks(target, keys);
    }

    // Clicks the grid cell showing `text`, as the user does.
    static void clickCell(MarkdownTextView* v, const QString& text, Qt::MouseButton button = Qt::LeftButton)
    {
        v->viewport()->grab();
        for (const TableCellHit& h : v->grid()->tableHits()) {
            if (h.text != text) continue;
            const QPointF at = h.rect.center() * v->gridScale()
                               - QPointF(v->horizontalScrollBar()->value(), v->verticalScrollBar()->value());
            QTest::mouseClick(v->viewport(), button, {}, at.toPoint());
            return;
        }
        ADD_FAILURE() << "no cell " << text.toStdString();
    }
    static QAction* menuItem(DocumentWindow* w, const QString& title)
    {
        for (QMenu* m : w->findChildren<QMenu*>())
            for (QAction* a : m->actions())
                if (QString(a->text()).remove(u'&') == title) return a;
        return nullptr;
    }
};

const char* kTable = "intro\n\n| Name | Qty |\n|------|----:|\n| apples | 3 |\n| pears | 10 |\n\nafter\n";

} // namespace

TEST_F(WindowKeyboardTest, TypingAfterAToolbarClickOrAClosedSheetGoesIntoTheDocument)
{
    DocumentWindow* w = open("text");
    view(w)->setSelectedRange({4, 0});
    EditorToolbar* bar = toolbar(w);
    ASSERT_TRUE(bar);
    QString expected = "text";
    for (const char* title : {"Files", "Outline", "Ruler", "Switch to Markdown source", "Switch to WYSIWYG"}) {
        QToolButton* b = bar->button(title);
        ASSERT_TRUE(b) << title;
        QTest::mouseClick(b, Qt::LeftButton);
        type("a");
        expected += "a";
        EXPECT_EQ(w->documentText().toStdString(), expected.toStdString()) << "after a click on " << title;
    }
    // A popover dismissed without inserting.
    QTest::mouseClick(bar->button("Insert Link"), Qt::LeftButton);
    ASSERT_TRUE(bar->openPopover());
    QTest::keyClick(bar->openPopover(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(w); // as the window manager does when the popup goes
    type("b");
    EXPECT_EQ(w->documentText().toStdString(), (expected + "b").toStdString());
    // A sheet opened from the toolbar and closed again.
    QTest::mouseClick(bar->button("Version History…"), Qt::LeftButton);
    auto* sheet = w->findChild<QDialog*>();
    ASSERT_TRUE(sheet && sheet->isVisible());
    QApplication::setActiveWindow(sheet);
    sheet->reject();
    QApplication::setActiveWindow(w);
    type("c");
    EXPECT_EQ(w->documentText().toStdString(), (expected + "bc").toStdString());
}

// Ctrl+S hands the text to the writing thread and the window goes on at once (a long text's
// save held it for half a second); a quit right after waits for the write, and a save that
// fails still says why.
TEST_F(WindowKeyboardTest, CtrlSWritesOnTheWritingThreadAndAQuitWaitsForIt)
{
    QStringList alerts, asked;
    auto& prompts = DocumentController::instance().prompts();
    prompts.alert = [&](QWidget*, const QString& message, const QString& detail) { alerts << message + " " + detail; };
    prompts.askSaveChanges = [&](QWidget*, const QString& name, auto answer) {
        asked << name;
        answer(DocumentController::SaveChoice::Cancel);
    };
    const auto openFile = [](const QString& path) {
        DocumentWindow* w = openWritten(path, "old\n");
        if (w) view(w)->setSelectedRange({4, 0});
        return w;
    };
    const auto fileText = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
    };

    const QString path = dir.filePath("saved.md");
    DocumentWindow* w = openFile(path);
    ASSERT_TRUE(w);
    type("new");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w->isDocumentEdited()) << "the save was written before the key returned";
    EXPECT_TRUE(DocumentController::instance().closeAllForQuit());
    EXPECT_EQ(fileText(path), "old\nnew");
    EXPECT_TRUE(asked.isEmpty() && alerts.isEmpty()) << (asked + alerts).join("|").toStdString();

    // The write's temporary name does not fit beside a name at the length limit.
    const QString tooLong = dir.filePath(QString(250, u'x') + ".md");
    w = openFile(tooLong);
    ASSERT_TRUE(w);
    type("new");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts.isEmpty(); }, 5000));
    EXPECT_TRUE(alerts.first().contains("could not be saved")) << alerts.first().toStdString();
    EXPECT_TRUE(w->isDocumentEdited());
    EXPECT_EQ(fileText(tooLong), "old\n");
    // The lists go with this test; closing the window afterwards asks and tells nobody.
    prompts.alert = [](QWidget*, const QString&, const QString&) {};
    prompts.askSaveChanges = [](QWidget*, const QString&, auto answer) {
        answer(DocumentController::SaveChoice::DontSave);
    };
}

// A cell's edit goes from cell to cell with Tab and is in the file that Ctrl+S writes,
// even with the last cell still open.
TEST_F(WindowKeyboardTest, TabThroughCellsAndSaveWithACellOpen)
{
    const QString path = dir.filePath("table.md");
    QFile f(path);
    DocumentWindow* w = openWritten(path, kTable);
    ASSERT_TRUE(w);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({0, 0});
    clickCell(v, "apples");
    ASSERT_EQ(QApplication::focusWidget(), v->grid()->cellEditor());
    type("\bkiwi\t");
    type("4\t");
    type("plum");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    // The save is written on the writing thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isDocumentEdited(); }, 5000));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().toStdString(),
              "intro\n\n| Name | Qty |\n|------|----:|\n| kiwi | 4 |\n| plum | 10 |\n\nafter\n");
    EXPECT_FALSE(w->isDocumentEdited());
}

// A cell written back with Return stays framed with nothing selected: the status bar counts
// no selection, and the next key still goes into that cell.
TEST_F(WindowKeyboardTest, ACellWrittenBackIsFramedWithNothingSelected)
{
    DocumentWindow* w = open(kTable);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({0, 0});
    clickCell(v, "apples");
    type("kiwi");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(v->grid()->cellEditor());
    w->editorController()->updateSelectionStats();
    EXPECT_EQ(w->editorController()->selectionWords(), 0);
    EXPECT_EQ(w->findChild<StatusBar*>()->selectionText(), "");
    type("s");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w->documentText().toStdString(),
              "intro\n\n| Name | Qty |\n|------|----:|\n| kiwis | 3 |\n| pears | 10 |\n\nafter\n");
}

// After a click on a cell the table commands act on its row and column, from the menu and
// from the cell's own right-click menu.
TEST_F(WindowKeyboardTest, ATableCommandAfterClickingACellActsOnItsRowAndColumn)
{
    DocumentWindow* w = open(kTable);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({0, 0});
    clickCell(v, "3");
    QAction* right = menuItem(w, "Insert Column Right");
    ASSERT_TRUE(right);
    right->trigger();
    EXPECT_EQ(w->documentText().toStdString(), "intro\n\n| Name   | Qty |     |\n| ------ | --: | --- |\n"
                                               "| apples |   3 |     |\n| pears  |  10 |     |\n\nafter\n");
    // The caret stays in the table, in the new column: the next command acts there too.
    menuItem(w, "Align Column Center")->trigger();
    EXPECT_TRUE(w->documentText().contains("| ------ | --: | :-: |")) << w->documentText().toStdString();
    // A right-click on a cell offers the menu's own table items.
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) offered << QString(a->text()).remove(u'&');
        for (QAction* a : menu->actions())
            if (QString(a->text()).remove(u'&') == "Delete Row") a->trigger();
        menu->close();
    });
    v->viewport()->grab();
    for (const TableCellHit& h : v->grid()->tableHits())
        if (h.text == "pears") {
            const QPoint at = (h.rect.center() * v->gridScale()).toPoint() - QPoint(0, v->verticalScrollBar()->value());
            QContextMenuEvent onCell(QContextMenuEvent::Mouse, at, v->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(v->viewport(), &onCell);
        }
    EXPECT_TRUE(offered.contains("Insert Row Below") && offered.contains("Align Column Right"))
        << offered.join(", ").toStdString();
    EXPECT_FALSE(offered.contains("Insert 3×3"));
    EXPECT_FALSE(w->documentText().contains("pears")) << w->documentText().toStdString();
}

// Ctrl+End in a document shorter than its sheet: the caret's line stays in view (the
// sheet's foot, far below it, would hide it) and typing goes on there.
TEST_F(WindowKeyboardTest, CtrlEndKeepsTheCaretInView)
{
    DocumentWindow* w = open("# Title\n\nA short text.\n");
    MarkdownTextView* v = view(w);
    // Laid out and scrollable: the sheet is taller than the window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return v->verticalScrollBar()->maximum() > 0; }, 5000));
    ASSERT_LT(v->viewport()->height(), 1000); // shorter than a sheet
    v->setSelectedRange({0, 0});
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
    const QRect caret = v->cursorRect();
    EXPECT_TRUE(caret.top() >= 0 && caret.bottom() <= v->viewport()->height()) << caret.top();
    type("!");
    EXPECT_EQ(w->documentText().toStdString(), "# Title\n\nA short text.\n!");
}

// The heading button keeps one width, so the toolbar does not jump sideways (under the
// pointer) as the caret goes from a heading to body text.
TEST_F(WindowKeyboardTest, TheToolbarStaysInPlaceAsTheCaretMovesBetweenHeadingAndBody)
{
    DocumentWindow* w = open("###### Six\n\nbody\n\n# One");
    EditorToolbar* bar = toolbar(w);
    QToolButton* bold = bar->button("Bold");
    ASSERT_TRUE(bold);
    QList<int> xs;
    QStringList labels;
    for (int at : {0, 12, int(w->documentText().size())}) {
        view(w)->setSelectedRange({at, 0});
        QCoreApplication::processEvents();
        labels << bar->headingLabel();
        xs << bold->mapTo(bar, QPoint()).x();
    }
    EXPECT_EQ(labels, (QStringList{"H6 ▾", "¶ ▾", "H1 ▾"}));
    EXPECT_EQ(xs[1], xs[0]);
    EXPECT_EQ(xs[2], xs[0]);
}

// Tables typed key by key in WYSIWYG land exactly as typed: the key that completes the
// alignment row (or a row under a table) makes the block a grid, and the keys after it go
// on into the text, not into a cell's field.
TEST_F(WindowKeyboardTest, TablesTypedKeyByKeyAreSavedAsTyped)
{
    const QString table = "| a | b |\n| --- | --- |\n| 1 | 2 |\n";
    struct Case {
        const char* name;
        QString before, after;
    };
    const QList<Case> cases = {
        {"at the end", "Intro.\n\n", ""},
        {"between paragraphs", "Intro.\n\n", "\n\nOutro.\n"},
        {"under a table", "| x | y |\n| - | - |\n| 0 | 0 |\n", "\nOutro.\n"},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("typed-%1.md").arg(&c - cases.data()));
        QFile f(path);
        DocumentWindow* w = openWritten(path, (c.before + c.after).toUtf8());
        ASSERT_TRUE(w);
        view(w)->setFocus();
        view(w)->setSelectedRange({int(c.before.size()), 0});
        const QString typed = c.after.isEmpty() ? table + "After." : table;
        for (QChar ch : typed) {
            if (ch == u'\n')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                type(QString(ch));
        }
        EXPECT_FALSE(view(w)->grid()->cellEditor()) << c.name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isDocumentEdited(); }, 5000)) << c.name;
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(f.readAll()).toStdString(), (c.before + typed + c.after).toStdString()) << c.name;
        f.close();
        w->close();
    }
    // After a pasted table, what is typed goes on in the text too.
    DocumentWindow* w = open("Intro.\n\n");
    view(w)->setSelectedRange({8, 0});
    QApplication::clipboard()->setText("| p | q |\n| - | - |\n| 5 | 6 |");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    type("| 7 | 9 |");
    EXPECT_FALSE(view(w)->grid()->cellEditor());
    EXPECT_EQ(w->documentText().toStdString(), "Intro.\n\n| p | q |\n| - | - |\n| 5 | 6 |\n| 7 | 9 |");
}

// A cell opened and closed leaves the file as it was, whatever it holds; a "|" typed in a
// cell is escaped once, and stays escaped once when the cell is edited again.
TEST_F(WindowKeyboardTest, CellsOpenedAndClosedLeaveTheFileAsItWas)
{
    const QString text = "| Path | Code | Note |\n| --- | --- | --- |\n| a\\|b | `x\\|y` | c:\\\\dir\\\\ |\n"
                         "| \\\\\\| | **b** \\* | one |\n";
    const QString path = dir.filePath("cells.md");
    QFile f(path);
    DocumentWindow* w = openWritten(path, text.toUtf8());
    ASSERT_TRUE(w);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({0, 0});
    // Each cell as written, and as its field shows it.
    const QList<std::pair<QString, QString>> cells = {
        {"a\\|b", "a|b"},     {"`x\\|y`", "`x|y`"},       {"c:\\\\dir\\\\", "c:\\\\dir\\\\"},
        {"\\\\\\|", "\\\\|"}, {"**b** \\*", "**b** \\*"}, {"one", "one"}};
    for (const auto& [written, shown] : cells) {
        clickCell(v, written);
        ASSERT_TRUE(v->grid()->cellEditor()) << written.toStdString();
        EXPECT_EQ(v->grid()->cellEditor()->text(), shown);
        QTest::keyClick(v->grid()->cellEditor(), Qt::Key_Return);
        EXPECT_EQ(w->documentText().toStdString(), text.toStdString()) << written.toStdString();
    }
    EXPECT_FALSE(w->isDocumentEdited());
    clickCell(v, "one");
    type("x|y");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(w->documentText().endsWith("| x\\|y |\n")) << w->documentText().toStdString();
    clickCell(v, "x\\|y");
    ASSERT_TRUE(v->grid()->cellEditor());
    EXPECT_EQ(v->grid()->cellEditor()->text(), "x|y");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    type("z");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isDocumentEdited(); }, 5000));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()).toStdString(),
              QString(text).replace("| one |", "| x\\|yz |").toStdString());
}

// A table that ends the document without a final line break: Ctrl+End, Down from the last
// row, Tab in the last cell and a click below the grid all leave it to a line below, added
// as one undo step, and what is typed next goes there. A click outside an open cell ends
// its edit and writes it back.
TEST_F(WindowKeyboardTest, KeysAndClicksLeaveATableThatEndsTheDocument)
{
    const QString doc = "Intro.\n\n| a | b |\n| --- | --- |\n| 1 | 2 |";
    DocumentWindow* w = open(doc);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({0, 0});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_FALSE(v->grid()->cellEditor());
    EXPECT_EQ(w->documentText().toStdString(), (doc + "\n").toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->documentText().toStdString(), doc.toStdString());
    v->setSelectedRange({0, 0});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
    type("x");
    EXPECT_EQ(w->documentText().toStdString(), (doc + "\nx").toStdString());

    const auto leaveBy = [&](const QString& cell, const std::function<void()>& leave, const char* how) {
        w->setDocumentText(doc);
        v->setSelectedRange({0, 0});
        clickCell(v, cell);
        ASSERT_TRUE(v->grid()->cellEditor()) << how;
        leave();
        EXPECT_FALSE(v->grid()->cellEditor()) << how;
        type("y");
        EXPECT_EQ(w->documentText().toStdString(), (doc + "\ny").toStdString()) << how;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w->documentText().toStdString(), doc.toStdString()) << how;
    };
    leaveBy(
        "1", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); }, "Down");
    leaveBy(
        "2", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, "Tab");
    leaveBy(
        "1", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier); }, "Ctrl+End");
    const auto below = [v] {
        const TableFrame f = v->grid()->tableFrames().value(0);
        const QPointF at = QPointF(f.rect.center().x(), f.rect.bottom() + 30) * v->gridScale()
                           - QPointF(v->horizontalScrollBar()->value(), v->verticalScrollBar()->value());
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, at.toPoint());
    };
    leaveBy("1", below, "a click below");
    // A click on the page beside the table writes the open cell back.
    w->setDocumentText(doc);
    clickCell(v, "1");
    type("9");
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(v->grid()->cellEditor());
    EXPECT_TRUE(w->documentText().endsWith("| 9 | 2 |")) << w->documentText().toStdString();
}

// A table that starts the document: Up from the header row and Ctrl+Home go to a line above
// it, added as one undo step.
TEST_F(WindowKeyboardTest, KeysLeaveATableThatStartsTheDocumentUpwards)
{
    const QString doc = "| a | b |\n| --- | --- |\n| 1 | 2 |\n\nEnd.";
    DocumentWindow* w = open(doc);
    MarkdownTextView* v = view(w);
    v->setSelectedRange({int(doc.size()), 0});
    clickCell(v, "b");
    ASSERT_TRUE(v->grid()->cellEditor());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_FALSE(v->grid()->cellEditor());
    type("t");
    EXPECT_EQ(w->documentText().toStdString(), ("t\n" + doc).toStdString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->documentText().toStdString(), doc.toStdString());
    v->setSelectedRange({int(doc.size()), 0});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
    type("h");
    EXPECT_EQ(w->documentText().toStdString(), ("h\n" + doc).toStdString());
}

// Every way into a cell opens its field with the cell's text selected, so typing replaces
// it, whichever way the user came; the status bar counts what the field has selected, and
// nothing when it has nothing selected.
TEST_F(WindowKeyboardTest, EveryWayIntoACellSelectsItsText)
{
    DocumentWindow* w = open("Top.\n\n| Name | Quantity here |\n| --- | --- |\n| apples | 3 |\n|  | pears |\n\nEnd.");
    MarkdownTextView* v = view(w);
    const auto selectedWholly = [v](const char* how, const QString& text) {
        QLineEdit* field = v->grid()->cellEditor();
        ASSERT_TRUE(field) << how;
        EXPECT_EQ(field->text(), text) << how;
        EXPECT_EQ(field->selectedText(), text) << how;
    };
    v->viewport()->grab();
    for (const TableCellHit& h : v->grid()->tableHits()) {
        if (h.text != "pears") continue;
        // Clear of the divider on its left.
        for (double x : {h.rect.left() + 8, h.rect.center().x(), h.rect.right() - 2}) {
            const QPointF at = QPointF(x, h.rect.center().y()) * v->gridScale()
                               - QPointF(v->horizontalScrollBar()->value(), v->verticalScrollBar()->value());
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, at.toPoint());
            selectedWholly("a click", "pears");
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    selectedWholly("Shift+Tab", "");
    w->editorController()->updateSelectionStats();
    EXPECT_EQ(w->editorController()->selectionWords(), 0) << "an empty cell";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    selectedWholly("Shift+Tab", "3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    selectedWholly("Return on the framed cell", "3");
    w->editorController()->updateSelectionStats();
    EXPECT_EQ(w->editorController()->selectionWords(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    w->editorController()->updateSelectionStats();
    EXPECT_EQ(w->editorController()->selectionWords(), 0) << "the field has nothing selected";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    v->setSelectedRange({0, 0});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    selectedWholly("Down", "Name");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    v->setSelectedRange({int(w->documentText().size()), 0});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    selectedWholly("Up", "");
    w->editorController()->updateSelectionStats();
    EXPECT_EQ(w->editorController()->selectionWords(), 0) << "an empty cell";
}
