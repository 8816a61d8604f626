// The real document window driven with keys and clicks: whatever the user clicks on the
// way, what they type next lands in the document.
#include "AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "commands/ui/EditorToolbar.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/NotificationBus.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WindowKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        DocumentController::instance().prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
    }
    DocumentWindow* open(const QString& text)
    {
        DocumentWindow* w = DocumentController::instance().newDocument();
        w->setDocumentText(text);
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

    QTemporaryDir dir;
};

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
