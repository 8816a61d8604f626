#include "assist/ui/InlineContinuation.h"
#include "editor/EditorController.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class InlineContinuationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Settings::useFile(dir.filePath("settings.ini"));
        view = std::make_unique<MarkdownEditorView>();
        view->resize(1000, 800);
        view->setController(&controller);
        view->applyConfig(MarkdownEditorView::configFromSettings());
        view->show();
    }
    MarkdownTextView* tv() { return view->markdownTextView(); }

    QTemporaryDir dir;
    EditorController controller;
    std::unique_ptr<MarkdownEditorView> view;
};

} // namespace

TEST_F(InlineContinuationTest, ContinuationIsRequestedAfterAPauseAndDroppedWhenTheCaretMoved)
{
    view->loadText("");
    QApplication::setActiveWindow(view.get());
    tv()->setFocus();
    InlineContinuation cont(tv()->ghost());
    int requests = 0;
    Autocomplete::Context sent;
    std::function<void(const QString&)> answer;
    cont.sendSuggestion = [&](const Autocomplete::Context& ctx, QObject*, std::function<void(const QString&)> done) {
        ++requests;
        sent = ctx;
        answer = done;
        return nullptr;
    };
    Settings::instance().setValue("aiProvider", "ollama");
    QTest::keyClicks(tv(), "Hello");
    QApplication::processEvents();
    EXPECT_FALSE(cont.isScheduled()); // "aiAutocomplete" is off
    Settings::instance().setValue("aiAutocomplete", true);
    QTest::keyClicks(tv(), " there");
    QApplication::processEvents();
    EXPECT_TRUE(cont.isScheduled());
    cont.request(false);
    ASSERT_EQ(requests, 1);
    EXPECT_EQ(sent.before, "Hello there");
    ASSERT_TRUE(answer);
    answer(" world");
    EXPECT_EQ(tv()->ghost()->text(), " world");
    EXPECT_EQ(view->text(), "Hello there");
    QTest::keyClick(tv(), Qt::Key_Escape);

    // A reply that arrives after the caret moved is not shown.
    cont.request(true);
    ASSERT_EQ(requests, 2);
    tv()->setSelectedRange({2, 0});
    answer(" late");
    EXPECT_FALSE(tv()->ghost()->isShown());
    // Too little context: nothing is sent.
    view->loadText("ab");
    tv()->setSelectedRange({2, 0});
    cont.request(true);
    EXPECT_EQ(requests, 2);
}

TEST_F(InlineContinuationTest, EscapeDuringThePauseOrTheRequestCancelsIt)
{
    view->loadText("");
    QApplication::setActiveWindow(view.get());
    tv()->setFocus();
    InlineContinuation cont(tv()->ghost());
    int requests = 0;
    std::function<void(const QString&)> answer;
    cont.sendSuggestion = [&](const Autocomplete::Context&, QObject*, std::function<void(const QString&)> done) {
        ++requests;
        answer = done;
        return nullptr;
    };
    Settings::instance().setValue("aiProvider", "ollama");
    Settings::instance().setValue("aiAutocomplete", true);
    QTest::keyClicks(tv(), "Hello there");
    QApplication::processEvents();
    ASSERT_TRUE(cont.isScheduled());
    QTest::keyClick(tv(), Qt::Key_Escape);
    EXPECT_FALSE(cont.isScheduled());
    EXPECT_EQ(requests, 0);

    // Sent, then Escape before the answer: the answer is not shown.
    cont.request(false);
    ASSERT_EQ(requests, 1);
    QTest::keyClick(tv(), Qt::Key_Escape);
    answer(" world");
    EXPECT_FALSE(tv()->ghost()->isShown());
    // A later request shows its answer as before.
    cont.request(false);
    answer(" world");
    EXPECT_EQ(tv()->ghost()->text(), " world");
}
