#include "editor/ui/FindBar.h"
#include "editor/EditorController.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/Settings.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

class FindBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Settings::useFile(dir.filePath("settings.ini"));
        view = std::make_unique<MarkdownEditorView>();
        view->resize(900, 700);
        view->setController(&controller);
        view->show();
        bar = new FindBar(&controller, view.get());
    }
    void load(const QString& text)
    {
        view->loadText(text);
        controller.textView()->setSelectedRange({0, 0});
    }
    QString text() const { return controller.textView()->text(); }
    TextRange selection() const { return controller.textView()->selectedRange(); }

    QTemporaryDir dir;
    EditorController controller;
    std::unique_ptr<MarkdownEditorView> view;
    FindBar* bar = nullptr;
};

} // namespace

TEST_F(FindBarTest, NextAndPreviousWrapAndTheCountFollows)
{
    load(QString::fromUtf8("Cat 😀cat\nCAT dog"));
    bar->perform(FindBar::ShowFind);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isReplaceShown());
    QTest::keyClicks(bar->searchField(), "cat");
    EXPECT_EQ(selection().location, 0); // typing selects the first match from the selection
    EXPECT_EQ(bar->countText(), "1 of 3");
    bar->perform(FindBar::Next);
    EXPECT_EQ(selection().location, 6); // after the emoji's two UTF-16 units
    bar->perform(FindBar::Next);
    bar->perform(FindBar::Next);
    EXPECT_EQ(selection().location, 0); // wrapped
    bar->perform(FindBar::Previous);
    EXPECT_EQ(selection().location, 10);
    EXPECT_EQ(bar->countText(), "3 of 3");

    QTest::keyClick(bar->searchField(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(FindBarTest, ReplaceAndReplaceAllAreEachOneUndoableEdit)
{
    load(QString::fromUtf8("a.b A.B x a.b"));
    bar->perform(FindBar::ShowReplace);
    EXPECT_TRUE(bar->isReplaceShown());
    bar->searchField()->setText("a.b");
    bar->replaceField()->setText("[😀]");
    bar->replaceCurrent(); // nothing selected yet: finds the first match
    EXPECT_EQ(selection().location, 0);
    bar->replaceCurrent();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] A.B x a.b"));
    EXPECT_EQ(selection().location, 5); // on to the next match (the emoji is two UTF-16 units)

    bar->replaceAll();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] [😀] x [😀]"));
    EXPECT_EQ(bar->countText(), "No matches");
    view->undo();
    EXPECT_EQ(text(), QString::fromUtf8("[😀] A.B x a.b"));
    view->undo();
    EXPECT_EQ(text(), "a.b A.B x a.b");

    // Use Selection for Find takes the selected text as the search.
    controller.textView()->setSelectedRange({10, 3});
    bar->perform(FindBar::SetSearchFromSelection);
    EXPECT_EQ(bar->searchField()->text(), "a.b");
}
