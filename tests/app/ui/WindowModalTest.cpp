#include "AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "files/AutosaveStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Choice = DocumentController::SaveChoice;

// Prompts that wait: each question is recorded with the window it was asked over, and
// answered later by the test.
class WindowModalTest : public ::testing::Test {
protected:
    struct Question {
        QPointer<QWidget> window;
        std::function<void(Choice)> answer;
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        auto& dc = DocumentController::instance();
        dc.prompts().alert = [this](QWidget*, const QString& message, const QString&) { alerts << message; };
        dc.prompts().askSaveChanges = [this](QWidget* w, const QString&, std::function<void(Choice)> answer) {
            questions.append({w, std::move(answer)});
        };
    }
    void TearDown() override
    {
        auto& dc = DocumentController::instance();
        dc.prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) { answer(Choice::DontSave); };
        dc.closeAllWithoutAsking();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dc.prompts() = DocumentController::defaultPrompts();
    }
    static DocumentWindow* edited(const QString& text)
    {
        DocumentWindow* w = DocumentController::instance().newDocument();
        w->setDocumentText(text);
        return w;
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static int count() { return int(DocumentController::instance().windows().size()); }

    QTemporaryDir dir;
    QStringList alerts;
    QList<Question> questions;
};

} // namespace

TEST_F(WindowModalTest, CloseWaitsForItsAnswerAndQuitAsksOneWindowAtATime)
{
    auto& dc = DocumentController::instance();
    // Close: nothing closes before the answer; Cancel keeps the window.
    DocumentWindow* a = edited("a");
    EXPECT_FALSE(a->close());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_FALSE(a->close()); // a second close while the question is out asks nothing new
    EXPECT_EQ(questions.size(), 1);
    EXPECT_TRUE(a->isVisible());
    questions.takeFirst().answer(Choice::Cancel);
    EXPECT_TRUE(a->isVisible());

    // Quit: untitled edited windows are kept for the next launch without asking; a saved
    // document whose file another program removed must ask.
    const QString path = dir.filePath("gone.md");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    DocumentWindow* b = dc.openDocument(path);
    DocumentWindow* c = dc.openDocument(path + ".2");
    EXPECT_FALSE(c); // does not exist: nothing opened
    c = edited("c");
    ASSERT_TRUE(b);
    b->setDocumentText("changed");
    QFile::remove(path);
    dc.prompts().resolveExternalChange = [this](QWidget* w, const QString&, bool, auto answer) {
        // Answered like a save question: recorded, answered later.
        questions.append({w, [answer](Choice c) {
                              answer(c == Choice::Cancel ? DocumentController::ExternalChangeChoice::Cancel
                                                         : DocumentController::ExternalChangeChoice::Reload);
                          }});
    };
    int quits = 0;
    bool allClosed = false;
    dc.closeAllForQuit([&](bool all) {
        ++quits;
        allClosed = all;
    });
    settle();
    // `a` went without a question (its text is kept as a draft); `b` asks and the quit waits.
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].window, b);
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(dc.isQuitting());
    dc.closeAllForQuit([&](bool) { quits += 100; }); // a second Quit does nothing
    EXPECT_EQ(questions.size(), 1);
    questions.takeFirst().answer(Choice::Cancel); // Cancel stops the quit: b and c stay
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(allClosed);
    EXPECT_TRUE(b->isVisible());
    EXPECT_TRUE(c->isVisible());
    EXPECT_FALSE(b->isClosingForQuit());

    // Again, answering "Don't Save": the quit goes on to the end.
    dc.closeAllForQuit([&](bool all) {
        ++quits;
        allClosed = all;
    });
    ASSERT_EQ(questions.size(), 1);
    c->closeWithoutAsking(); // closed meanwhile: skipped when its turn comes
    settle();
    questions.takeFirst().answer(Choice::DontSave);
    settle();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(quits, 2);
    EXPECT_TRUE(allClosed);
    EXPECT_EQ(count(), 0);
    // The untitled texts were kept for the next launch.
    EXPECT_EQ(AutosaveStore(dir.filePath("Autosave")).entries().size(), 2);
}

TEST_F(WindowModalTest, AWindowDestroyedWhileAskingNeitherCrashesNorStallsTheQuit)
{
    auto& dc = DocumentController::instance();
    // Real, window-modal prompts for this test.
    dc.prompts().askSaveChanges = DocumentController::defaultPrompts().askSaveChanges;
    dc.prompts().resolveExternalChange = DocumentController::defaultPrompts().resolveExternalChange;
    const QString path = dir.filePath("doc.md");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    DocumentWindow* a = dc.openDocument(path);
    DocumentWindow* b = edited("typing goes on here");
    ASSERT_TRUE(a && b);
    a->setDocumentText("mine");
    QFile::remove(path); // closing `a` now asks what to do with the removed file

    int blockedB = 0;
    struct Counter : QObject {
        int* n;
        explicit Counter(int* c)
            : n(c)
        {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::WindowBlocked) ++*n;
            return false;
        }
    } counter(&blockedB);
    b->installEventFilter(&counter);

    bool done = false;
    dc.closeAllForQuit([&](bool) { done = true; });
    QDialog* sheet = a->findChild<QDialog*>();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(done);
    // The other window is not blocked: typing there goes on while `a` asks.
    EXPECT_EQ(blockedB, 0);
    auto* text = static_cast<MarkdownEditorView*>(b->editorHost())->markdownTextView();
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, "!");
    EXPECT_TRUE(b->documentText().endsWith("!"));

    // `a` goes away with its question open: no crash, and the quit carries on.
    delete a;
    settle();
    EXPECT_TRUE(done);
    EXPECT_EQ(count(), 0);
}

TEST_F(WindowModalTest, AnEndRequestWritesEverythingWithoutAsking)
{
    auto& dc = DocumentController::instance();
    const QString path = dir.filePath("doc.md");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    DocumentWindow* saved = dc.openDocument(path);
    ASSERT_TRUE(saved);
    saved->setDocumentText("written");
    edited("draft");
    dc.prompts().resolveExternalChange = [this](QWidget* w, const QString&, bool, auto) {
        questions.append(Question{w, nullptr});
    };
    dc.closeAllWithoutAsking();
    settle();
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(count(), 0);
    QFile back(path);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), "written");
    EXPECT_EQ(AutosaveStore(dir.filePath("Autosave")).entries().size(), 1); // the untitled draft
}

TEST_F(WindowModalTest, AQuitDuringAClosePromptWaitsForThatAnswer)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* a = edited("a");
    EXPECT_FALSE(a->close());
    ASSERT_EQ(questions.size(), 1);
    bool allClosed = false;
    dc.closeAllForQuit([&](bool all) { allClosed = all; });
    EXPECT_EQ(questions.size(), 1); // no second question
    EXPECT_TRUE(dc.isQuitting());
    questions.takeFirst().answer(Choice::DontSave);
    settle();
    EXPECT_TRUE(allClosed);
    EXPECT_EQ(count(), 0);
}

TEST_F(WindowModalTest, TheReasonAWriteFailedIsShownFirstNotUnderTheQuestionThatFollows)
{
    auto& dc = DocumentController::instance();
    dc.prompts().alert = DocumentController::defaultPrompts().alert;
    dc.prompts().askSaveChanges = DocumentController::defaultPrompts().askSaveChanges;
    // The save's temporary name does not fit beside a name at the length limit.
    const QString path = dir.filePath(QString(250, u'x') + ".md");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    DocumentWindow* w = dc.openDocument(path);
    ASSERT_TRUE(w);
    w->setDocumentText("new");
    const auto shown = [w] {
        QList<QMessageBox*> boxes;
        for (QMessageBox* box : w->findChildren<QMessageBox*>())
            if (box->isVisible()) boxes << box;
        return boxes;
    };
    EXPECT_FALSE(w->close());
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first()->text().contains("could not be saved")) << shown().first()->text().toStdString();
    shown().first()->accept();
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first()->text().contains("Do you want to save")) << shown().first()->text().toStdString();
}
