#include "app/ui/DocumentWindow.h"
#include "AppTestSupport.h"
#include "app/TemplateStore.h"
#include "app/ui/DocumentController.h"
#include "app/ui/WindowSettings.h"
#include "commands/ui/CommandPalette.h"
#include "editor/EditorController.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/FrontMatterEditor.h"
#include "editor/ui/KeptInput.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "files/DocumentFile.h"
#include "platform/FileSizeLimit.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"
#include "render/HtmlToMarkdown.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// Whether `path` holds `text`; a long text's difference would fill the screen.
::testing::AssertionResult holds(const QString& path, const QString& text)
{
    const QByteArray bytes = readAll(path);
    if (bytes == text.toUtf8()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << path.toStdString() << " holds " << bytes.size() << " bytes, not the "
                                         << text.toUtf8().size() << " expected";
}

// A text long enough to go in over several turns of the event loop when pasted.
QString longPasteText()
{
    QString text;
    for (int i = 0; text.size() < 2 * LongPaste::kLongUnits; ++i)
        text += QStringLiteral("Line %1 of a **long** paste\n").arg(i);
    return text;
}

// Every test gets its own settings file, autosave folder and recorded dialogs.
class DocumentWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        auto& dc = DocumentController::instance();
        auto& p = dc.prompts();
        p.alert = [this](QWidget*, const QString& message, const QString& detail) { alerts << message + " " + detail; };
        // The prompts answer at once, as a user answering a window-modal sheet would later.
        p.askSaveChanges = [this](QWidget*, const QString& name, auto answer) {
            asked << name;
            noteKeptAside("close");
            answer(saveChoice);
        };
        p.chooseFilesToOpen = [this](QWidget*, auto answer) { answer(filesToOpen); };
        p.chooseSavePath = [this](QWidget*, const QString& suggested, auto answer) {
            suggestedPaths << suggested;
            answer(savePath);
        };
        p.resolveExternalChange = [this](QWidget*, const QString& name, bool deleted, auto answer) {
            externalAsked << name + (deleted ? " (gone)" : "");
            noteKeptAside(deleted ? "gone" : "changed");
            answer(externalChoice);
        };
        TemplateStore::pending.reset();
    }

    void TearDown() override
    {
        saveChoice = DocumentController::SaveChoice::DontSave;
        DocumentController::instance().prompts().resolveExternalChange = nullptr;
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
    }

    static QTextEdit* edit(DocumentWindow* w)
    {
        return static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
    }
    static void typeAtEnd(DocumentWindow* w, const QString& text)
    {
        QTextEdit* e = edit(w);
        e->moveCursor(QTextCursor::End);
        QTest::keyClicks(e, text);
    }
    // Opens `path` holding "Start.\n" and pastes `text` at its end with Ctrl+V; a long text
    // goes on going in after this returns.
    static MarkdownTextView* pasteAtEnd(DocumentWindow*& w, const QString& path, const QString& text)
    {
        writeAll(path, "Start.\n");
        w = DocumentController::instance().openDocument(path);
        if (!w) return nullptr;
        auto* view = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
        QApplication::clipboard()->setText(text);
        typeAtEnd(w, QString());
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        return view;
    }

    // What the autosave folder held when a question was asked.
    void noteKeptAside(const QString& question)
    {
        QStringList texts;
        for (const AutosaveStore::Entry& e : DocumentController::instance().autosaveStore().entries()) texts << e.text;
        keptWhenAsked << question + ": " + texts.join(" | ");
    }

    QTemporaryDir dir;
    QStringList alerts, asked, suggestedPaths, filesToOpen, externalAsked, keptWhenAsked;
    QString savePath;
    DocumentController::SaveChoice saveChoice = DocumentController::SaveChoice::Cancel;
    DocumentController::ExternalChangeChoice externalChoice = DocumentController::ExternalChangeChoice::Cancel;
};

} // namespace

TEST_F(DocumentWindowTest, TypingAndSavingKeepsMarkAndLineEndingsByteForByte)
{
    const QString path = dir.filePath("notes.md");
    writeAll(path, "\xEF\xBB\xBF# Notes\r\n\r\nbody\xC2\xA0text\r\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "notes.md[*]");
    EXPECT_FALSE(w->isWindowModified());

    typeAtEnd(w, "more");
    QTest::keyClick(edit(w), Qt::Key_Return);
    QTest::keyClicks(edit(w), "line");
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_EQ(w->documentText(), QString::fromUtf8("# Notes\r\n\r\nbody\u00A0text\r\nmore\r\nline"));

    ASSERT_TRUE(w->save());
    EXPECT_EQ(readAll(path), QByteArray("\xEF\xBB\xBF# Notes\r\n\r\nbody\xC2\xA0text\r\nmore\r\nline"));
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join("|").toStdString();
    EXPECT_EQ(RecentDocuments::paths(Settings::instance()).value(0), path);

    // Undoing back to the saved text clears the edited mark again.
    QTest::keyClicks(edit(w), "!");
    EXPECT_TRUE(w->isWindowModified());
    w->editorHost()->undo();
    EXPECT_FALSE(w->isWindowModified());
}

// A long file's window is on screen before its text: the page is empty and takes no edit
// until the text is in, and whatever reads or writes the document meanwhile (a save, a close
// without asking, an export's text) gets the whole text, never the empty page. The text
// taken in, typing and undo work on it as on any other.
TEST_F(DocumentWindowTest, ALongFilesWindowShowsBeforeItsTextAndNothingSeesTheTextUnwhole)
{
    // With a byte-order mark and CR LF breaks, both noted only as the text is decoded; long
    // enough that its build takes far longer than making the window.
    QByteArray bytes = "\xEF\xBB\xBF";
    for (int i = 0; bytes.size() < 16 * DocumentWindow::showFirstUnits; ++i)
        bytes +=
            "## Part " + QByteArray::number(i) + "\r\n\r\nSome **text** of part " + QByteArray::number(i) + ".\r\n\r\n";
    const QString path = dir.filePath("long.md");
    writeAll(path, bytes);
    // The text was not in the editor when the window was first exposed.
    struct FirstExposure : QObject {
        QTextEdit* (*editOf)(DocumentWindow*) = nullptr;
        int length = -1;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Expose && length < 0)
                for (DocumentWindow* w : DocumentController::instance().windows())
                    if (w->windowHandle() == o) length = int(editOf(w)->toPlainText().size());
            return QObject::eventFilter(o, e);
        }
    } exposure;
    exposure.editOf = &DocumentWindowTest::edit;
    qApp->installEventFilter(&exposure);
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isLoading());
    EXPECT_FALSE(w->isWindowModified());
    // Typed keys wait for the text (they were dropped without a sign) and go in where the
    // caret is once it is in; an edit from elsewhere is refused.
    QTest::keyClicks(edit(w), "typed");
    w->editorController()->replace({0, 0}, "x");
    EXPECT_TRUE(edit(w)->toPlainText().isEmpty());
    EXPECT_TRUE(w->isWindowModified()); // what waits is not saved
    (void)QTest::qWaitFor([&] { return !w->isLoading(); }, 5000);
    qApp->removeEventFilter(&exposure);
    EXPECT_EQ(exposure.length, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit(w)->document()->isModified(); }, 5000));
    EXPECT_EQ(w->documentText().toUtf8(), "typed" + bytes.mid(3));
    w->editorHost()->undo();
    EXPECT_EQ(w->documentText().toUtf8(), bytes.mid(3));
    EXPECT_FALSE(w->isWindowModified());
    typeAtEnd(w, "!");
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_TRUE(w->documentText().endsWith(u'!'));
    w->editorHost()->undo();
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(w->documentText().toUtf8(), bytes.mid(3));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Asked before the text is in: a save writes the whole text back, a close without
    // asking leaves the file as it was.
    for (int save = 0; save < 2; ++save) {
        DocumentWindow* again = DocumentController::instance().openDocument(path);
        ASSERT_TRUE(again && again->isLoading());
        if (save)
            EXPECT_TRUE(again->save());
        else
            again->closeWithoutAsking();
        EXPECT_EQ(readAll(path), bytes) << save;
        if (save) again->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join("|").toStdString();
}

// A sheet asked for before a long text is in (Document Info) shows and edits the whole text:
// applying it once rewrote the document as the empty page plus the block, and the autosave
// then wrote that over the file.
TEST_F(DocumentWindowTest, ARequestBeforeALongTextIsInSeesTheWholeText)
{
    QByteArray body;
    for (int i = 0; body.size() < 8 * DocumentWindow::showFirstUnits; ++i)
        body += "Line " + QByteArray::number(i) + " of the body.\r\n";
    const QByteArray head = "---\r\ntitle: Big\r\n---\r\n";
    const QString path = dir.filePath("long.md");
    writeAll(path, head + body);
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w && w->isLoading());
    QApplication::setActiveWindow(w);
    NotificationBus::instance().post("Brindlewick.editFrontMatter");
    auto* sheet = w->findChild<FrontMatterEditor*>();
    ASSERT_TRUE(sheet);
    (void)QTest::qWaitFor([&] { return !w->isLoading(); }, 5000);
    EXPECT_EQ(sheet->titleField()->text(), "Big");
    sheet->authorField()->setText("Me");
    for (QPushButton* b : sheet->findChildren<QPushButton*>())
        if (b->text() == "Apply") b->click();
    // The block, a blank line after it, and the body as it was.
    const QString text = w->documentText();
    EXPECT_TRUE(text.toUtf8() == "---\r\ntitle: Big\r\nauthor: Me\r\n---\r\n\r\n" + body)
        << text.left(60).toStdString();
}

TEST_F(DocumentWindowTest, AFailedSaveLeavesTheOldFileWholeAndSaysWhy)
{
    // The atomic save's temporary name does not fit beside a name at the length limit.
    const QString path = dir.filePath(QString(250, u'x') + ".md");
    writeAll(path, "old\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w);
    typeAtEnd(w, "new");
    EXPECT_FALSE(w->save());
    EXPECT_EQ(readAll(path), QByteArray("old\n"));
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.first().contains("could not be saved")) << alerts.first().toStdString();
    EXPECT_TRUE(w->isWindowModified());
    // Until a write works, the text waits in the autosave folder for the next launch.
    ASSERT_EQ(DocumentController::instance().autosaveStore().entries().size(), 1);
    EXPECT_EQ(DocumentController::instance().autosaveStore().entries().first().text, "old\nnew");

    // The autosave after a pause fails too: it is reported once, not after every pause.
    QTest::keyClicks(edit(w), "x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return alerts.size() == 2; }, DocumentWindow::autosaveDelayMs + 2000));
    QTest::keyClicks(edit(w), "y");
    QTest::qWait(DocumentWindow::autosaveDelayMs + 500);
    EXPECT_EQ(alerts.size(), 2);
    EXPECT_EQ(readAll(path), QByteArray("old\n"));

    // Closing tries the in-place write, reports it, then asks; Cancel keeps the window.
    saveChoice = DocumentController::SaveChoice::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(DocumentController::instance().windows().size(), 1);

    // Quitting reports the failed write once, asks, and Cancel stops the quit.
    const qsizetype alertsBefore = alerts.size();
    EXPECT_FALSE(DocumentController::instance().closeAllForQuit());
    EXPECT_EQ(alerts.size(), alertsBefore + 1);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(DocumentController::instance().windows().size(), 1);
    EXPECT_EQ(readAll(path), QByteArray("old\n"));
}

// A save the disk cannot hold is told, leaves the document edited and its file as it was, and
// quitting asks instead of going quietly.
TEST_F(DocumentWindowTest, ASaveTheDiskCannotHoldLeavesTheDocumentEditedAndQuitAsks)
{
    const QString path = dir.filePath("full.md");
    writeAll(path, "old\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w);
    typeAtEnd(w, QString(200, u'n'));
    saveChoice = DocumentController::SaveChoice::Cancel;
    EXPECT_EQ(underFileSizeLimit(100,
                                 [&] {
                                     return !w->save() && w->isWindowModified() && !alerts.isEmpty()
                                            && !DocumentController::instance().closeAllForQuit() && asked.size() == 1;
                                 }),
              true);
    EXPECT_EQ(readAll(path), QByteArray("old\n"));
}

// Drafts that cannot be written are told once for the whole program, naming the folder.
TEST_F(DocumentWindowTest, AnAutosaveFolderThatCannotBeWrittenIsToldOnce)
{
    writeAll(dir.filePath("NotAFolder"), "a file where the autosave folder should be");
    auto& dc = DocumentController::instance();
    dc.setAutosaveStore(AutosaveStore(dir.filePath("NotAFolder")));
    DocumentWindow* a = dc.newDocument();
    DocumentWindow* b = dc.newDocument();
    typeAtEnd(a, "one");
    typeAtEnd(b, "two");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts.isEmpty(); }, DocumentWindow::autosaveDelayMs + 2000));
    QTest::qWait(200); // the other window's draft fails too, untold
    typeAtEnd(a, "!");
    QTest::qWait(DocumentWindow::autosaveDelayMs + 500);
    ASSERT_EQ(alerts.size(), 1) << alerts.join("|").toStdString();
    EXPECT_TRUE(alerts.first().contains(dir.filePath("NotAFolder"))) << alerts.first().toStdString();
    EXPECT_FALSE(alerts.first().contains(".md")) << alerts.first().toStdString();
}

TEST_F(DocumentWindowTest, DontSaveDiscardsTheAutosavedDraftEvenWhenQuitting)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.newDocument();
    typeAtEnd(w, "older draft");
    ASSERT_TRUE(w->autosave());
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);
    typeAtEnd(w, " and more");

    // The draft stops taking writes: it now leads into a folder where no file can be made.
    const QString draft = dc.autosaveStore().folder() + "/" + dc.autosaveStore().entries().first().id + ".md";
    ASSERT_TRUE(QFile::remove(draft));
    ASSERT_TRUE(QFile::link("/proc/version", draft));
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);

    saveChoice = DocumentController::SaveChoice::DontSave;
    EXPECT_TRUE(dc.closeAllForQuit());
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_EQ(asked, QStringList{"Untitled"});
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty()); // nothing comes back at the next launch
}

TEST_F(DocumentWindowTest, InvalidUtf8OpensNoWindowAndLeavesTheFile)
{
    const QString path = dir.filePath("latin1.md");
    writeAll(path, "caf\xE9\n");
    EXPECT_EQ(DocumentController::instance().openDocument(path), nullptr);
    EXPECT_TRUE(DocumentController::instance().windows().isEmpty());
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.first().contains("latin1.md"));
    EXPECT_TRUE(alerts.first().contains("UTF-8"));
    EXPECT_EQ(alerts.first().count("could not be opened"), 1) << alerts.first().toStdString(); // said once
    EXPECT_EQ(readAll(path), QByteArray("caf\xE9\n"));
}

TEST_F(DocumentWindowTest, OpeningAFileTwiceFrontsItsWindowAndTheDialogOpensEach)
{
    writeAll(dir.filePath("a.md"), "a");
    writeAll(dir.filePath("b.md"), "b");
    auto& dc = DocumentController::instance();
    DocumentWindow* a = dc.openDocument(dir.filePath("a.md"));
    EXPECT_EQ(dc.openDocument(dir.filePath("./a.md")), a);
    filesToOpen = {dir.filePath("a.md"), dir.filePath("b.md")};
    dc.openWithDialog(a);
    ASSERT_EQ(dc.windows().size(), 2);
    EXPECT_EQ(dc.windowForPath(dir.filePath("b.md"))->documentText(), "b");
}

TEST_F(DocumentWindowTest, WholeTextReplacementIsOneUndoStep)
{
    DocumentWindow* w = DocumentController::instance().newDocument();
    typeAtEnd(w, "first");
    w->setDocumentText("one\ntwo\nthree");
    EXPECT_EQ(w->documentText(), "one\ntwo\nthree");
    w->editorHost()->undo();
    EXPECT_EQ(w->documentText(), "first");

    // The controller edits through the same view, with the selection applied afterwards.
    EditorController* c = w->editorController();
    c->replace({0, 5}, "second", TextRange(0, 6));
    EXPECT_EQ(w->documentText(), "second");
    EXPECT_EQ(c->textView()->selectedRange(), TextRange(0, 6));
    c->updateSelectionStats();
    EXPECT_EQ(c->selectionChars(), 6);
    c->updateCounts();
    EXPECT_EQ(c->stats().words, 1);
}

TEST_F(DocumentWindowTest, WheelZoomKeepsTheControllerInStepAndFitWidthFillsTheView)
{
    DocumentWindow* w = DocumentController::instance().newDocument();
    w->resize(1000, 800);
    w->show();
    auto* view = static_cast<MarkdownTextView*>(edit(w));
    EditorController* c = w->editorController();

    // Control with the wheel zooms in the view; the menu's next step starts from there.
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_DOUBLE_EQ(view->magnification(), 1.2);
    EXPECT_DOUBLE_EQ(c->zoom(), 1.2);
    c->zoomIn();
    EXPECT_DOUBLE_EQ(c->zoom(), 1.3);
    EXPECT_DOUBLE_EQ(view->magnification(), 1.3);

    // Fit width: the page footprint spans the width left of the vertical scroll bar.
    c->fitWidth();
    const double available = view->width() - c->scrollView()->verticalScrollerWidth();
    EXPECT_NEAR(c->zoom() * c->pageFootprint().width(), available, 0.5);
}

TEST_F(DocumentWindowTest, PendingTemplateTextGoesToTheNextNewDocumentOnly)
{
    auto& dc = DocumentController::instance();
    EXPECT_EQ(dc.newDocument()->documentText(), "");
    TemplateStore::pending = "abc";
    writeAll(dir.filePath("c.md"), "c");
    dc.openDocument(dir.filePath("c.md")); // opening a file leaves the pending text
    DocumentWindow* withText = dc.newDocument();
    EXPECT_EQ(withText->documentText(), "abc");
    EXPECT_FALSE(withText->isWindowModified());
    EXPECT_EQ(dc.newDocument()->documentText(), "");
    // Untitled windows are numbered so that their titles differ.
    QStringList titles;
    for (DocumentWindow* w : dc.windows())
        if (w->isUntitled()) titles << w->windowTitle();
    EXPECT_EQ(titles, (QStringList{"Untitled[*]", "Untitled 2[*]", "Untitled 3[*]"}));
}

TEST_F(DocumentWindowTest, UntitledTextSurvivesQuitAndComesBackEdited)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.newDocument();
    typeAtEnd(w, "draft");
    // The autosave runs after a pause in typing.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dc.autosaveStore().entries().size() == 1; },
                                DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_EQ(dc.autosaveStore().entries().first().text, "draft");
    typeAtEnd(w, " more");

    EXPECT_TRUE(dc.closeAllForQuit()); // no question asked when quitting
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(dc.windows().isEmpty());
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);
    EXPECT_EQ(dc.autosaveStore().entries().first().text, "draft more");

    EXPECT_EQ(dc.restoreAutosaved(), 1);
    ASSERT_EQ(dc.windows().size(), 1);
    DocumentWindow* back = dc.windows().first();
    EXPECT_EQ(back->documentText(), "draft more");
    EXPECT_TRUE(back->isWindowModified());
    EXPECT_EQ(dc.restoreAutosaved(), 0); // already shown
    // A draft whose text was deleted again does not come back as an empty edited window.
    ASSERT_TRUE(dc.autosaveStore().save(AutosaveStore::newId(), ""));
    EXPECT_EQ(dc.restoreAutosaved(), 0);
    EXPECT_EQ(dc.autosaveStore().entries().size(), 1);

    // Closing the window on purpose asks; "Don't Save" discards the autosaved copy.
    saveChoice = DocumentController::SaveChoice::DontSave;
    EXPECT_TRUE(back->close());
    EXPECT_EQ(asked, QStringList{"Untitled"});
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty());
}

// A hard-linked file is written over in place (so its other names see the text), the text
// kept aside first. A write ended half way leaves the new text's start and the old text's
// end; at the next launch the copy comes back in a window that names the file, offering to
// write it back, and the crashed save's own temporary file beside it goes.
TEST_F(DocumentWindowTest, AWriteInPlaceEndedByACrashComesBackNamingItsFile)
{
    auto& dc = DocumentController::instance();
    const QString path = dir.filePath("shared.md");
    writeAll(path, "\xEF\xBB\xBF" + QByteArray(200 * 1024, 'o'));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(dir.filePath("other.md")).constData()), 0);
    const QString text(100 * 1024, u'n');
    {
        // The copy kept aside, without the byte-order mark, just fits under the limit; the file's
        // write is ended where it reaches it.
        DocumentFile file(*MarkdownDocument::read(path), path, dc.autosaveStore());
        ASSERT_TRUE(killedAtFileSizeLimit(text.size(), [&] { file.write(path, text, nullptr); }));
    }
    const QByteArray mixed = readAll(path);
    ASSERT_TRUE(mixed.startsWith("\xEF\xBB\xBFnnn") && mixed.endsWith("ooo")) << mixed.left(8).toStdString();
    // What a save killed between making its temporary file and renaming it leaves, a while ago;
    // names that are not ours stay.
    const QStringList leftovers{".shared.md.bw-tmp-Ab12Cd", ".shared.md.swp", ".other.md.bw-tmp-Ab12Cd",
                                ".shared.md.bw-tmp-Ab12Cde", ".shared.md.Ab12Cd"};
    for (const QString& name : leftovers) {
        writeAll(dir.filePath(name), "half");
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime);
    }

    QStringList offered;
    bool writeBack = false;
    dc.prompts().offerWriteBack = [&](QWidget*, const QString& file, auto answer) {
        offered << file;
        answer(writeBack);
    };
    EXPECT_EQ(dc.restoreAutosaved(), 1);
    ASSERT_EQ(dc.windows().size(), 1);
    DocumentWindow* back = dc.windows().first();
    EXPECT_EQ(offered, QStringList{QFileInfo(path).absoluteFilePath()});
    EXPECT_EQ(back->windowTitle(), "shared.md (recovered)[*]");
    EXPECT_EQ(back->documentText(), text);
    EXPECT_TRUE(back->isWindowModified());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(".shared.md.bw-tmp-Ab12Cd")));
    for (const QString& name : leftovers.mid(1))
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();

    // Kept for now: the next launch asks again.
    back->closeWithoutAsking();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);
    EXPECT_EQ(dc.autosaveStore().entries().first().forPath, QFileInfo(path).absoluteFilePath());

    // The file's own window is open (the last session reopened it): it gives way.
    ASSERT_TRUE(dc.openDocument(path));
    writeBack = true;
    EXPECT_EQ(dc.restoreAutosaved(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(dc.windows().size(), 1);
    EXPECT_EQ(dc.windows().first()->filePath(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(dc.windows().first()->isWindowModified());
    EXPECT_EQ(readAll(path), "\xEF\xBB\xBF" + text.toUtf8());
    EXPECT_EQ(readAll(dir.filePath("other.md")), readAll(path));
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty());
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join("|").toStdString();
}

// A text kept aside for a file goes back over it without a question only while the file is as
// the first launch after the crash found it: once it was changed since (here in its own window,
// whose typing was autosaved), Write Back asks first, as any write over a changed file does, at
// that launch and at every later one. A note that does not say how the file stood asks always.
TEST_F(DocumentWindowTest, WritingBackOverAFileChangedSinceTheLaunchAsksFirst)
{
    auto& dc = DocumentController::instance();
    const QString path = QFileInfo(dir.filePath("shared.md")).absoluteFilePath();
    writeAll(path, "half written");
    ASSERT_TRUE(dc.autosaveStore().save(AutosaveStore::newId(), "kept text\n", nullptr, path));
    std::function<void(bool)> writeBack;
    dc.prompts().offerWriteBack = [&](QWidget*, const QString&, auto answer) { writeBack = answer; };
    ASSERT_EQ(dc.restoreAutosaved(), 1);
    DocumentWindow* own = dc.openDocument(path);
    ASSERT_TRUE(own);
    typeAtEnd(own, " and typed");
    ASSERT_TRUE(own->autosave());

    writeBack(true);
    EXPECT_EQ(externalAsked, QStringList{"shared.md"});
    EXPECT_EQ(readAll(path), "half written and typed");
    EXPECT_EQ(dc.windows().size(), 2);

    // Quit and launch again: the file's change is still asked about.
    ASSERT_TRUE(dc.closeAllForQuit());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(dc.restoreAutosaved(), 1);
    writeBack(true);
    EXPECT_EQ(externalAsked, (QStringList{"shared.md", "shared.md"}));
    EXPECT_EQ(readAll(path), "half written and typed");
    ASSERT_TRUE(dc.openDocument(path));
    externalChoice = DocumentController::ExternalChangeChoice::KeepMine;
    writeBack(true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(readAll(path), "kept text\n");
    ASSERT_EQ(dc.windows().size(), 1);
    EXPECT_EQ(dc.windows().first()->filePath(), path);
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join("|").toStdString();

    // An earlier release's note names the file alone.
    ASSERT_TRUE(dc.closeAllForQuit());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QString id = AutosaveStore::newId();
    ASSERT_TRUE(dc.autosaveStore().save(id, "older text\n"));
    writeAll(dc.autosaveStore().folder() + "/" + id + ".for", path.toUtf8());
    externalChoice = DocumentController::ExternalChangeChoice::Cancel;
    ASSERT_EQ(dc.restoreAutosaved(), 1);
    writeBack(true);
    EXPECT_EQ(externalAsked.size(), 4);
    EXPECT_EQ(readAll(path), "kept text\n");
}

// Code that runs while a window is being torn down (its children's handlers, observers
// of its destruction) must not find it among the open windows any more.
TEST_F(DocumentWindowTest, AWindowBeingDestroyedIsNoLongerListed)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* kept = dc.newDocument();
    DocumentWindow* gone = dc.newDocument();
    QList<DocumentWindow*> seen;
    QObject::connect(gone, &QObject::destroyed, [&] { seen = dc.windows(); });
    delete gone;
    EXPECT_EQ(seen, QList<DocumentWindow*>{kept});
    EXPECT_EQ(dc.windows(), QList<DocumentWindow*>{kept});
}

TEST_F(DocumentWindowTest, SaveAsFromTheClosePromptWritesTheFileAndDropsTheAutosave)
{
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.newDocument();
    typeAtEnd(w, "keep me");
    ASSERT_TRUE(w->autosave());
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);
    saveChoice = DocumentController::SaveChoice::Save;
    savePath = dir.filePath("kept.md");
    EXPECT_TRUE(w->close());
    EXPECT_EQ(suggestedPaths.value(0).section('/', -1), "Untitled.md");
    EXPECT_EQ(readAll(savePath), QByteArray("keep me"));
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty());
}

TEST_F(DocumentWindowTest, SavedDocumentsAreWrittenInPlaceAfterAPauseAndOnClose)
{
    const QString path = dir.filePath("live.md");
    writeAll(path, "start\n");
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.openDocument(path);
    typeAtEnd(w, "typed");
    // The write runs on another thread; the window takes it in once it has landed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return readAll(path) == "start\ntyped" && !w->isWindowModified(); },
                                DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_FALSE(w->isWindowModified());
    typeAtEnd(w, "!");
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("start\ntyped!"));
}

// The autosave after a pause writes on another thread: a key typed while that write is under
// way is not taken for written, the next pause writes it, and quitting waits for the write.
TEST_F(DocumentWindowTest, TypingDuringABackgroundAutosaveIsWrittenAfterTheNextPause)
{
    const QString path = dir.filePath("live.md");
    writeAll(path, "start\n");
    auto& dc = DocumentController::instance();
    DocumentWindow* w = dc.openDocument(path);
    QTimer* autosaveTimer = nullptr;
    for (QTimer* t : w->findChildren<QTimer*>())
        if (t->interval() == DocumentWindow::autosaveDelayMs) autosaveTimer = t;
    ASSERT_TRUE(autosaveTimer);
    // Runs right after the window's own handler has sent the write off.
    bool typedDuringWrite = false;
    QObject::connect(autosaveTimer, &QTimer::timeout, w, [&] {
        if (std::exchange(typedDuringWrite, true)) return;
        typeAtEnd(w, "!");
    });
    typeAtEnd(w, "typed");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return readAll(path) == "start\ntyped"; }, DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return typedDuringWrite; }, 2000));
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return readAll(path) == "start\ntyped!"; }, DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isWindowModified(); }, 2000));

    typeAtEnd(w, "?");
    // The write after the pause has just been sent off.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !autosaveTimer->isActive(); }, DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_TRUE(dc.closeAllForQuit());
    EXPECT_EQ(readAll(path), QByteArray("start\ntyped!?"));
    EXPECT_TRUE(asked.isEmpty());
}

// Keys typed while a long paste goes in wait until it is in; the text written meanwhile holds
// the paste but not them, so the document stays edited until they are in the text and written.
TEST_F(DocumentWindowTest, KeysTypedDuringALongPasteLeaveTheDocumentEditedUntilTheyAreWritten)
{
    const QString path = dir.filePath("pasted.md");
    const QString text = longPasteText();
    DocumentWindow* w = nullptr;
    MarkdownTextView* view = pasteAtEnd(w, path, text);
    ASSERT_TRUE(view);
    QTest::keyClicks(view, "typed");
    // The paste is in the text; it is styled and placed before the keys go in after it.
    while (view->longPaste()->rest()) QCoreApplication::processEvents();
    ASSERT_TRUE(view->keptInput()->isHolding());
    ASSERT_TRUE(w->autosave());
    EXPECT_EQ(readAll(path), ("Start.\n" + text).toUtf8());
    EXPECT_TRUE(w->isDocumentEdited());
    EXPECT_TRUE(w->isWindowModified());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isWindowModified(); }, 30000));
    EXPECT_EQ(readAll(path), ("Start.\n" + text + "typed").toUtf8());
}

// A long paste goes in a part per turn of the event loop. Whatever writes meanwhile writes all
// of it: Save once it is in, a close at once.
TEST_F(DocumentWindowTest, AWriteDuringALongPasteHoldsAllOfIt)
{
    const QString path = dir.filePath("pasted.md");
    const QString text = longPasteText();
    DocumentWindow* w = nullptr;
    MarkdownTextView* view = pasteAtEnd(w, path, text);
    ASSERT_TRUE(view);
    ASSERT_TRUE(view->longPaste()->rest());
    std::optional<bool> saved;
    w->saveThen([&](bool ok) { saved = ok; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.has_value(); }, 30000));
    EXPECT_TRUE(*saved);
    EXPECT_TRUE(holds(path, "Start.\n" + text));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->longPaste()->isActive(); }, 30000));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(view->longPaste()->rest());
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(holds(path, "Start.\n" + text + text));

    // Save As to a new name, the same.
    view = pasteAtEnd(w, dir.filePath("other.md"), text);
    ASSERT_TRUE(view);
    ASSERT_TRUE(view->longPaste()->rest());
    savePath = dir.filePath("saved as.md");
    saved.reset();
    w->saveAsThen([&](bool ok) { saved = ok; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.has_value(); }, 30000));
    EXPECT_TRUE(*saved);
    EXPECT_TRUE(holds(savePath, "Start.\n" + text));
}

// Keys typed while a long paste goes in, or while pasted HTML is still being converted, wait
// for it: a close at once puts the paste in, then them, and writes all of it.
TEST_F(DocumentWindowTest, ClosingDuringALongPasteWritesTheKeysTypedMeanwhileAfterIt)
{
    auto& dc = DocumentController::instance();
    const QString plainPath = dir.filePath("plain.md");
    const QString htmlPath = dir.filePath("html.md");
    writeAll(plainPath, "Start.\n");
    writeAll(htmlPath, "Start.\n");
    const QString text = longPasteText();
    QString html;
    while (html.size() < 600 * 1024) html += QStringLiteral("<p><b>bold</b> and <i>more</i></p>");
    const QString markdown = HtmlToMarkdown::convert(html);
    ASSERT_TRUE(LongPaste::isLong(markdown));

    for (const QString& path : {plainPath, htmlPath}) {
        DocumentWindow* w = dc.openDocument(path);
        ASSERT_TRUE(w);
        auto* view = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
        auto* data = new QMimeData;
        if (path == htmlPath) data->setHtml(html);
        data->setText(text);
        QApplication::clipboard()->setMimeData(data);
        typeAtEnd(w, QString());
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(view, "typed");
        ASSERT_TRUE(view->keptInput()->isHolding());
        EXPECT_TRUE(w->close());
        EXPECT_TRUE(holds(path, "Start.\n" + (path == htmlPath ? markdown : text) + "typed"));
    }
}

// Commands take their turn with the keys whatever route they come by: a save asked after keys
// typed during a long paste writes the paste and the keys (it wrote the paste alone, and a
// crash then lost the keys); Undo can be chosen while typed keys wait; the palette opens at
// once over a long file still being read (it took the whole text in first, holding the
// window for seconds), and the command chosen in it goes in before the keys typed after it.
TEST_F(DocumentWindowTest, CommandsFromEveryRouteTakeTheirTurnWithTheKeys)
{
    auto& dc = DocumentController::instance();
    const auto menuItem = [](DocumentWindow* w, const QString& title) {
        for (QAction* a : w->findChildren<QAction*>())
            if (a->text().remove(u'&') == title) return a;
        return static_cast<QAction*>(nullptr);
    };
    DocumentWindow* w = nullptr;
    const QString path = dir.filePath("pasted.md");
    const QString text = longPasteText();
    MarkdownTextView* view = pasteAtEnd(w, path, text);
    ASSERT_TRUE(view && view->longPaste()->rest());
    QTest::keyClicks(view, "KEYS");
    QSignalSpy saved(w->events(), &DocumentEvents::saved);
    menuItem(w, "Save")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !saved.isEmpty(); }, 30000));
    EXPECT_TRUE(holds(path, "Start.\n" + text + "KEYS"));
    w->close();

    QByteArray body;
    for (int i = 0; body.size() < 16 * DocumentWindow::showFirstUnits; ++i)
        body += "Line " + QByteArray::number(i) + " of the body.\n";
    writeAll(dir.filePath("long.md"), body);
    writeAll(dir.filePath("short.md"), "Z");
    for (const char* name : {"long.md", "short.md"}) {
        w = dc.openDocument(dir.filePath(name));
        ASSERT_TRUE(w);
        QApplication::setActiveWindow(w);
        if (w->isLoading()) {
            QTest::keyClicks(edit(w), "Z");
            EXPECT_TRUE(menuItem(w, "Undo")->isEnabled());
        } else {
            edit(w)->moveCursor(QTextCursor::End);
        }
        NotificationBus::instance().post("Brindlewick.showCommandPalette");
        auto* palette = w->findChild<CommandPalette*>();
        ASSERT_TRUE(palette) << name;
        EXPECT_EQ(w->isLoading(), name == std::string("long.md"));
        QTest::keyClicks(palette->searchField(), "Bold");
        QTest::keyClick(palette->searchField(), Qt::Key_Return);
        QTest::keyClicks(edit(w), "W");
        auto* kept = static_cast<MarkdownTextView*>(edit(w))->keptInput();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w->isLoading() && !kept->isHolding(); }, 10000));
        EXPECT_TRUE(w->documentText().startsWith("Z**W**")) << w->documentText().left(20).toStdString();
        w->closeWithoutAsking();
    }
}

TEST_F(DocumentWindowTest, MenusKeepTheirOrderAndKeyWindowObserversActOnlyWhenActive)
{
    DocumentWindow* w = DocumentController::instance().newDocument();
    QStringList titles;
    for (QAction* a : w->menuBar()->actions()) titles << a->text().remove('&');
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "Format", "Insert", "Tools", "View", "Help"}));

    // A file menu reaches New, Open, Save, Save As and Close by their standard keys.
    QList<QKeySequence> keys;
    for (QAction* a : w->menuBar()->actions().first()->menu()->actions()) keys << a->shortcut();
    for (auto std :
         {QKeySequence::New, QKeySequence::Open, QKeySequence::Save, QKeySequence::SaveAs, QKeySequence::Close})
        EXPECT_TRUE(keys.contains(QKeySequence(std))) << QKeySequence(std).toString().toStdString();

    int calls = 0;
    w->observeWhenKey("testRequest", [&](const QVariant& o) { calls += o.toInt(); });
    DocumentWindow* other = DocumentController::instance().newDocument();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(w->isKeyWindow());
    EXPECT_EQ(DocumentController::instance().activeWindow(), w);
    NotificationBus::instance().post("Brindlewick.testRequest", 1);
    QApplication::setActiveWindow(other);
    ASSERT_FALSE(w->isKeyWindow());
    NotificationBus::instance().post("Brindlewick.testRequest", 10);
    EXPECT_EQ(calls, 1);
}

TEST_F(DocumentWindowTest, OpenInPlaceReplacesAnUneditedWindowAndKeepsAnEditedOne)
{
    writeAll(dir.filePath("one.md"), "1");
    writeAll(dir.filePath("two.md"), "2");
    writeAll(dir.filePath("three.md"), "3");
    auto& dc = DocumentController::instance();
    QPointer<DocumentWindow> one = dc.openDocument(dir.filePath("one.md"));
    one->openInPlace(dir.filePath("one.md"));
    EXPECT_EQ(dc.windows().size(), 1);

    one->openInPlace(dir.filePath("two.md"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(one.isNull());
    ASSERT_EQ(dc.windows().size(), 1);
    DocumentWindow* two = dc.windows().first();
    EXPECT_EQ(two->documentText(), "2");

    typeAtEnd(two, "edited");
    two->openInPlace(dir.filePath("three.md"));
    EXPECT_EQ(dc.windows().size(), 2); // the edited window stays beside the new one
    two->openInPlace(dir.filePath("missing.md"));
    EXPECT_EQ(dc.windows().size(), 2);
    EXPECT_EQ(alerts.size(), 1);
}

TEST_F(DocumentWindowTest, OpenRecentListsExistingFilesNewestFirstAndOpensThem)
{
    QDir(dir.path()).mkpath("x");
    QDir(dir.path()).mkpath("y");
    for (const char* name : {"x/notes.md", "y/notes.md", "R&D.md", "gone.md"}) writeAll(dir.filePath(name), "t");
    auto& dc = DocumentController::instance();
    for (const char* name : {"gone.md", "x/notes.md", "y/notes.md", "R&D.md"}) dc.noteRecent(dir.filePath(name));
    QFile::remove(dir.filePath("gone.md"));

    QMenu menu;
    dc.populateRecentMenu(&menu);
    QStringList labels;
    for (QAction* a : menu.actions())
        if (!a->isSeparator()) labels << a->text();
    const QString x = QDir::toNativeSeparators(dir.filePath("x")), y = QDir::toNativeSeparators(dir.filePath("y"));
    // Each item has its own mnemonic; an ampersand of a name shows as one.
    EXPECT_EQ(labels, (QStringList{"&R&&D.md", "&notes.md — " + y, "notes.&md — " + x, "&Clear Menu"}));

    menu.actions().at(1)->trigger();
    ASSERT_EQ(dc.windows().size(), 1);
    EXPECT_EQ(dc.windows().first()->filePath(), dir.filePath("y/notes.md"));

    menu.actions().last()->trigger(); // Clear Menu
    dc.populateRecentMenu(&menu);
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_FALSE(menu.actions().first()->isEnabled());
}

// Save As copies and writes as a save does: the window takes the new name once the write has
// landed, what was typed meanwhile is written there too, and a failure is told when it comes.
TEST_F(DocumentWindowTest, SaveAsLandsWithItsNameAndKeepsWhatIsTypedMeanwhile)
{
    DocumentWindow* w = DocumentController::instance().newDocument();
    QString body;
    while (body.size() < 2 * DocumentWindow::showFirstUnits) body += "a line of a long text\n";
    w->setDocumentText(body);
    savePath = dir.filePath("long.md");
    std::optional<bool> saved;
    w->saveAsThen([&](bool ok) { saved = ok; });
    EXPECT_FALSE(saved);
    EXPECT_TRUE(w->isUntitled());
    typeAtEnd(w, "!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.has_value(); }, 5000));
    EXPECT_TRUE(*saved);
    EXPECT_EQ(w->filePath(), savePath);
    EXPECT_EQ(w->windowTitle(), "long.md[*]");
    EXPECT_TRUE(QTest::qWaitFor([&] { return readAll(savePath) == (body + "!").toUtf8() && !w->isWindowModified(); },
                                DocumentWindow::autosaveDelayMs + 2000));

    savePath = dir.filePath("no such folder/long.md");
    w->saveAsThen({});
    EXPECT_TRUE(alerts.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts.isEmpty(); }, 5000));
    EXPECT_TRUE(alerts.first().contains("could not be saved")) << alerts.first().toStdString();
    EXPECT_EQ(w->filePath(), dir.filePath("long.md"));
}

TEST_F(DocumentWindowTest, SaveAsOntoAFileOpenInAnotherWindowIsRefused)
{
    const QString path = dir.filePath("shared.md");
    writeAll(path, "theirs\n");
    auto& dc = DocumentController::instance();
    DocumentWindow* owner = dc.openDocument(path);
    DocumentWindow* other = dc.newDocument();
    typeAtEnd(other, "mine");
    savePath = dir.filePath("./shared.md");
    EXPECT_FALSE(other->saveAs());
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.first().contains("“shared.md” is open in another window")) << alerts.first().toStdString();
    EXPECT_EQ(readAll(path), QByteArray("theirs\n"));
    EXPECT_TRUE(other->isUntitled());
    EXPECT_TRUE(other->isWindowModified());

    // A window may save over its own file, and then others may not.
    savePath = path;
    EXPECT_TRUE(owner->saveAs());
    savePath = dir.filePath("elsewhere.md");
    ASSERT_TRUE(other->saveAs());
    EXPECT_FALSE(other->saveTo(path));
    EXPECT_EQ(readAll(path), QByteArray("theirs\n"));
    EXPECT_EQ(dc.windowForPath(path), owner);
}

TEST_F(DocumentWindowTest, AFileChangedByAnotherProgramIsNotOverwrittenWithoutAsking)
{
    using Choice = DocumentController::ExternalChangeChoice;
    const QString path = dir.filePath("live.md");
    writeAll(path, "start\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    typeAtEnd(w, "mine");
    writeAll(path, "theirs\n");

    // The autosave after the pause asks instead of writing; "decide later" stops writes in place.
    externalChoice = Choice::Cancel;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !externalAsked.isEmpty(); }, DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_EQ(externalAsked, QStringList{"live.md"});
    typeAtEnd(w, "!");
    QTest::qWait(DocumentWindow::autosaveDelayMs + 300);
    EXPECT_EQ(externalAsked.size(), 1); // not asked again after every pause
    QString error;
    EXPECT_FALSE(w->autosave(&error)); // writes nobody watches never overwrite
    EXPECT_TRUE(error.contains("changed by another program")) << error.toStdString();
    EXPECT_EQ(readAll(path), QByteArray("theirs\n"));
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join("|").toStdString();
    EXPECT_TRUE(w->isWindowModified());

    // Saving asks again; Reload takes their text as one undoable step.
    externalChoice = Choice::Reload;
    EXPECT_TRUE(w->save());
    EXPECT_EQ(w->documentText(), "theirs\n");
    EXPECT_FALSE(w->isWindowModified());
    w->editorHost()->undo();
    EXPECT_EQ(w->documentText(), "start\nmine!");
    EXPECT_TRUE(w->isWindowModified());

    // Keep Mine overwrites; after that the file is ours again and saves quietly.
    writeAll(path, "third\n");
    externalChoice = Choice::KeepMine;
    EXPECT_TRUE(w->save());
    EXPECT_EQ(readAll(path), QByteArray("start\nmine!"));
    EXPECT_EQ(externalAsked.size(), 3);
    typeAtEnd(w, "?");
    EXPECT_TRUE(w->save());
    EXPECT_EQ(externalAsked.size(), 3);

    // Save As keeps both: theirs in place, mine under the new name.
    writeAll(path, "fourth\n");
    typeAtEnd(w, "+");
    externalChoice = Choice::SaveAs;
    savePath = dir.filePath("mine.md");
    EXPECT_TRUE(w->close());
    EXPECT_EQ(readAll(path), QByteArray("fourth\n"));
    EXPECT_EQ(readAll(savePath), QByteArray("start\nmine!?+"));
}

// While a question about unsaved text is open, the text already waits in the autosave folder:
// a kill before the answer loses nothing, and the next launch brings it back.
TEST_F(DocumentWindowTest, UnsavedTextIsKeptAsideBeforeEveryQuestion)
{
    auto& dc = DocumentController::instance();
    saveChoice = DocumentController::SaveChoice::Cancel;
    externalChoice = DocumentController::ExternalChangeChoice::Cancel;

    const QString path = dir.filePath("live.md");
    writeAll(path, "start\n");
    DocumentWindow* w = dc.openDocument(path);
    typeAtEnd(w, "mine");
    writeAll(path, "theirs\n");
    EXPECT_FALSE(w->save());
    typeAtEnd(w, "!");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(w->save());
    typeAtEnd(w, "?");
    EXPECT_FALSE(dc.closeAllForQuit());
    EXPECT_EQ(keptWhenAsked, QStringList({"changed: start\nmine", "gone: start\nmine!", "gone: start\nmine!?"}));
    // Closing with the file gone lets the removal stand: the copy goes with the window.
    externalChoice = DocumentController::ExternalChangeChoice::Reload;
    EXPECT_TRUE(w->close());

    keptWhenAsked.clear();
    DocumentWindow* untitled = dc.newDocument();
    typeAtEnd(untitled, "draft");
    EXPECT_FALSE(untitled->close());
    EXPECT_EQ(keptWhenAsked, QStringList{"close: draft"});
}

TEST_F(DocumentWindowTest, AnUneditedDocumentFollowsItsFileAndKeepsItsTextWhenTheFileGoes)
{
    const QString path = dir.filePath("follow.md");
    writeAll(path, "old\r\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);

    // Rewriting the same bytes is no change.
    writeAll(path, "old\r\n");
    w->checkFileOnDisk();
    EXPECT_FALSE(w->isWindowModified());

    // The watcher notices another program's write and the text follows it, undoably.
    writeAll(path, "new\r\ntext\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->documentText() == "new\r\ntext\r\n"; }, 3000));
    EXPECT_FALSE(w->isWindowModified());
    w->editorHost()->undo();
    EXPECT_EQ(w->documentText(), "old\r\n");
    w->editorHost()->redo();
    EXPECT_FALSE(w->isWindowModified());

    // The file is moved away: the text stays, now edited, and is not written back unasked.
    ASSERT_TRUE(QFile::rename(path, dir.filePath("moved.md")));
    w->checkFileOnDisk();
    EXPECT_EQ(w->documentText(), "new\r\ntext\r\n");
    EXPECT_TRUE(w->isWindowModified());
    auto& dc = DocumentController::instance();
    EXPECT_FALSE(w->autosave());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(externalAsked.isEmpty());
    // Should the program end now, the text comes back at the next launch.
    ASSERT_EQ(dc.autosaveStore().entries().size(), 1);
    EXPECT_EQ(dc.autosaveStore().entries().first().text, "new\r\ntext\r\n");

    // Saving asks; "Don't Save" writes nothing and keeps the window.
    externalChoice = DocumentController::ExternalChangeChoice::Reload; // shown as "Don't Save" for a gone file
    EXPECT_FALSE(w->save());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(w->isWindowModified());
    // Closing asks again; saving writes the file again and the copy kept aside goes.
    externalChoice = DocumentController::ExternalChangeChoice::KeepMine;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(externalAsked, (QStringList{"follow.md (gone)", "follow.md (gone)"}));
    EXPECT_EQ(readAll(path), QByteArray("new\r\ntext\r\n"));
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty());

    // A window whose file was deleted on purpose closes with "Don't Save", leaving nothing.
    DocumentWindow* again = dc.openDocument(path);
    ASSERT_TRUE(QFile::remove(path));
    again->checkFileOnDisk();
    externalChoice = DocumentController::ExternalChangeChoice::Reload;
    EXPECT_TRUE(again->close());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(dc.autosaveStore().entries().isEmpty());
}

// Another program changes a few lines: only those go in, as one undoable edit, and the caret
// stays with its text (a long file took the whole of its text again, for seconds).
TEST_F(DocumentWindowTest, AFileChangedOnDiskReloadsOnlyWhatChanged)
{
    const QString path = dir.filePath("lines.md");
    writeAll(path, "one\ntwo\nthree\n");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    EditorTextView* view = w->editorController()->textView();
    view->setSelectedRange({8, 0}); // on "three"
    writeAll(path, "one\ninserted\ntwo\nthree\n");
    w->checkFileOnDisk();
    EXPECT_EQ(w->documentText(), "one\ninserted\ntwo\nthree\n");
    EXPECT_EQ(view->selectedRange(), TextRange(17, 0));
    EXPECT_FALSE(w->isWindowModified());
    w->editorHost()->undo();
    EXPECT_EQ(w->documentText(), "one\ntwo\nthree\n");
    w->editorHost()->redo();
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(DocumentWindowTest, AMissingFileNamedToOpenGetsAWindowWhoseFirstSaveCreatesIt)
{
    auto& dc = DocumentController::instance();
    TemplateStore::pending = "template";
    const QString path = dir.filePath("new.md");
    DocumentWindow* w = dc.openOrCreateDocument(path);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "new.md[*]");
    EXPECT_EQ(w->documentText(), "");
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(TemplateStore::pending, "template"); // not a New document
    EXPECT_EQ(dc.openOrCreateDocument(dir.filePath("./new.md")), w);
    EXPECT_TRUE(w->close()); // nothing typed: nothing created, nothing asked
    EXPECT_FALSE(QFile::exists(path));

    w = dc.openOrCreateDocument(path);
    typeAtEnd(w, "hello");
    EXPECT_TRUE(w->save());
    EXPECT_EQ(readAll(path), QByteArray("hello"));
    EXPECT_TRUE(externalAsked.isEmpty());

    // Without its folder the path stays an error, as does a dangling symlink.
    EXPECT_EQ(dc.openOrCreateDocument(dir.filePath("nofolder/x.md")), nullptr);
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere.md"), dir.filePath("dangling.md")));
    EXPECT_EQ(dc.openOrCreateDocument(dir.filePath("dangling.md")), nullptr);
    EXPECT_EQ(alerts.size(), 2);
    EXPECT_TRUE(alerts.value(0).contains("x.md")) << alerts.value(0).toStdString();
    EXPECT_EQ(dc.windows().size(), 1);
}

// Control-click on a wiki link opens the file it names in the clicked window.
TEST_F(DocumentWindowTest, ControlClickOnAWikiLinkOpensItsFileInPlace)
{
    writeAll(dir.filePath("one.md"), "See [[two]] here\n");
    writeAll(dir.filePath("two.md"), "second");
    auto& dc = DocumentController::instance();
    QPointer<DocumentWindow> one = dc.openDocument(dir.filePath("one.md"));
    ASSERT_TRUE(one);
    QApplication::setActiveWindow(one);
    ASSERT_TRUE(one->isKeyWindow());
    QTextEdit* e = edit(one);
    QTextCursor c(e->document());
    c.setPosition(QStringLiteral("See [[t").size());
    const QPoint at = e->cursorRect(c).center();
    QTest::mouseClick(e->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(one.isNull()); // the unedited window gave way to the linked file
    ASSERT_EQ(dc.windows().size(), 1);
    EXPECT_EQ(dc.windows().first()->documentText(), "second");
}

// Undo past the last save edits the document like typing does: it is written after the same pause.
TEST_F(DocumentWindowTest, AnUndoPastTheLastSaveIsWrittenAfterAPause)
{
    const QString path = dir.filePath("undo.md");
    writeAll(path, "text");
    DocumentWindow* w = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(w);
    typeAtEnd(w, "XY");
    ASSERT_TRUE(w->save());
    EXPECT_EQ(readAll(path), QByteArray("textXY"));

    QTest::keyClick(edit(w), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(w->documentText(), "text");
    EXPECT_TRUE(w->isDocumentEdited());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isDocumentEdited(); }, DocumentWindow::autosaveDelayMs + 2000));
    EXPECT_EQ(readAll(path), QByteArray("text"));
    EXPECT_FALSE(w->isDocumentEdited());
}

// When a sheet closes its window is the key window again, with the keyboard in the editor,
// even where no window manager hands it back: menu keys and key-window requests reach it.
TEST_F(DocumentWindowTest, ClosingASheetGivesTheKeyboardBackToItsWindowAndEditor)
{
    DocumentWindow* w = DocumentController::instance().newDocument();
    QApplication::setActiveWindow(w);
    ASSERT_EQ(QApplication::focusWidget(), edit(w));
    NotificationBus::instance().post("Brindlewick.editFrontMatter");
    auto* sheet = w->findChild<QDialog*>();
    ASSERT_TRUE(sheet && sheet->isVisible());
    QApplication::setActiveWindow(sheet);
    sheet->reject();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), w);
    EXPECT_EQ(QApplication::focusWidget(), edit(w));
    const bool before = Settings::instance().boolean("distractionFree", false);
    NotificationBus::instance().post("Brindlewick.toggleDistractionFree");
    EXPECT_NE(Settings::instance().boolean("distractionFree", false), before);

    // A prompt that blocks every window gives the keyboard back to its own window only.
    DocumentWindow* other = DocumentController::instance().newDocument();
    QApplication::setActiveWindow(other);
    QMessageBox box(QMessageBox::Warning, "Brindlewick", "prompt", QMessageBox::Ok, other);
    QTimer::singleShot(0, &box, [&box] {
        QApplication::setActiveWindow(&box);
        box.accept();
    });
    box.exec();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), other);
}

// Front matter that changes the view is applied while the window is being made; the window
// still opens on the top of its first sheet.
TEST_F(DocumentWindowTest, ADocumentWithViewChangingFrontMatterOpensAtTheTopOfItsFirstSheet)
{
    QString body = "# Title\n\n";
    for (int i = 0; i < 80; ++i) body += QString("Paragraph %1 with some words.\n\n").arg(i);
    const QStringList fronts = {"direction: rtl", "mode: source", "theme: dark", "width: 640", "font: mono"};
    for (const QString& front : fronts) {
        const QString path = dir.filePath(QString(front).replace(": ", "-") + ".md");
        writeAll(path, ("---\n" + front + "\n---\n\n" + body).toUtf8());
        DocumentWindow* w = DocumentController::instance().openDocument(path);
        ASSERT_TRUE(w);
        QTest::qWait(2 * WindowSettings::kFrontMatterPauseMs);
        QTextEdit* e = edit(w);
        EXPECT_EQ(e->verticalScrollBar()->value(), e->verticalScrollBar()->minimum()) << qPrintable(front);
        EXPECT_EQ(e->textCursor().position(), 0);
        w->close();
    }
}

// An insertion at the end of a long document leaves the caret's line in view, wherever the
// end lies on the view and the sheet (the rule's lines may start another sheet).
TEST_F(DocumentWindowTest, InsertingARuleAtTheEndOfALongDocumentKeepsTheCaretsLineInView)
{
    QString body;
    for (int i = 0; i < 296; ++i) body += QString("Paragraph %1 with some words.\n\n").arg(i);
    for (int n = 296; n < 306; ++n) {
        body += QString("Paragraph %1 with some words.\n\n").arg(n);
        const QString path = dir.filePath(QString("rule%1.md").arg(n));
        writeAll(path, body.trimmed().toUtf8());
        DocumentWindow* w = DocumentController::instance().openDocument(path);
        ASSERT_TRUE(w);
        QApplication::setActiveWindow(w);
        QTextEdit* e = edit(w);
        QTest::keyClick(e, Qt::Key_End, Qt::ControlModifier);
        QAction* rule = nullptr;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->text() == "Horizontal &Rule") rule = a;
        ASSERT_TRUE(rule);
        rule->trigger();
        EXPECT_TRUE(w->documentText().endsWith("with some words.\n---\n"));
        // The caret is brought into view once the edit has settled.
        const auto inView = [e] {
            const QRect r = e->cursorRect();
            return r.top() >= 0 && r.bottom() < e->viewport()->height();
        };
        (void)QTest::qWaitFor(inView, 2000);
        const QRect caret = e->cursorRect();
        EXPECT_TRUE(caret.top() >= 0 && caret.bottom() < e->viewport()->height())
            << n << ": " << caret.top() << ".." << caret.bottom() << " of " << e->viewport()->height();
        w->close();
    }
}
