#include "commands/ui/TextViewCommands.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "commands/ShortcutStore.h"
#include "editor/EditorConfig.h"
#include "editor/EditorController.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "files/AutosaveStore.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "render/HtmlToMarkdown.h"
#include "render/export/ui/ExportRequest.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct TextViewCommandsTest : ::testing::Test {
    QTemporaryDir dir;
    EditorController controller;
    std::unique_ptr<MarkdownEditorView> editor;
    TextViewCommands* commands = nullptr;
    QString documentPath;
    void SetUp() override
    {
        Settings::useFile(dir.filePath(u"settings.ini"_s));
        editor = std::make_unique<MarkdownEditorView>();
        editor->resize(900, 700);
        editor->setController(&controller);
        editor->applyConfig(MarkdownEditorView::configFromSettings());
        editor->show();
        commands = new TextViewCommands(tv(), [this] { return documentPath; });
        commands->now = [] { return qint64(100); };
    }
    MarkdownTextView* tv() { return editor->markdownTextView(); }
    void paste(QMimeData* data)
    {
        QApplication::clipboard()->setMimeData(data);
        tv()->paste();
    }
    // Until a long paste is complete: the window's event loop goes on meanwhile.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->longPaste()->isActive(); }, 15000));
    }
    bool caretOnScreen() { return tv()->viewport()->rect().contains(tv()->cursorRect()); }
};
} // namespace

TEST_F(TextViewCommandsTest, TabExpandsASnippetAsOneUndoStepElseTypesATab)
{
    editor->loadText(u"x sig"_s);
    tv()->setSelectedRange({5, 0});
    QTest::keyClick(tv(), Qt::Key_Tab);
    EXPECT_EQ(tv()->text(), u"x Best regards,\n");
    EXPECT_EQ(tv()->selectedRange(), TextRange(16, 0));
    tv()->undo();
    EXPECT_EQ(tv()->text(), u"x sig");
    editor->loadText(u"Sig"_s);
    tv()->setSelectedRange({3, 0});
    QTest::keyClick(tv(), Qt::Key_Tab);
    EXPECT_EQ(tv()->text(), u"Sig\t");
}

TEST_F(TextViewCommandsTest, ACheckboxClickTogglesItAndLeavesTheCaret)
{
    editor->loadText(u"- [ ] task\nnext line"_s);
    tv()->setSelectedRange({14, 0});
    QTextCursor c(tv()->document());
    c.setPosition(3);
    const QPoint box = tv()->cursorRect(c).center();
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, box);
    EXPECT_EQ(tv()->text(), u"- [x] task\nnext line");
    EXPECT_EQ(tv()->selectedRange(), TextRange(14, 0));
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, box + QPoint(0, 1));
    EXPECT_EQ(tv()->text(), u"- [ ] task\nnext line");
    tv()->undo();
    EXPECT_EQ(tv()->text(), u"- [x] task\nnext line");
}

TEST_F(TextViewCommandsTest, CopyCarriesOnlyTheMarkdownAndPastesBackByteForByte)
{
    const QString text = u"# T\u00a0itle\n\n\n  a\u00a0\u00a0b  \n> q\n\n| x | y |\n|---|---|\n\t`c`\n"_s;
    editor->loadText(text);
    tv()->selectAll();
    tv()->copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->formats(), QStringList{u"text/plain"_s});
    editor->loadText(QString());
    tv()->paste();
    EXPECT_EQ(tv()->text().toUtf8(), text.toUtf8());
}

TEST_F(TextViewCommandsTest, PasteConvertsHtmlAndSpreadsheetRowsAsOneUndoStep)
{
    editor->loadText(u"start "_s);
    tv()->setSelectedRange({6, 0});
    auto* html = new QMimeData;
    html->setHtml(u"<p><b>bold</b></p>"_s);
    html->setText(u"bold"_s);
    paste(html);
    EXPECT_EQ(tv()->text(), u"start **bold**");
    editor->loadText(QString());
    auto* rows = new QMimeData;
    rows->setText(u"a\tb\r\nc\td\r\n"_s);
    paste(rows);
    EXPECT_EQ(tv()->text(), u"| a | b |\n| --- | --- |\n| c | d |\n");
    tv()->undo();
    EXPECT_EQ(tv()->text(), u"");
}

// Qt joins a short text put in where typing goes on to the typing around it: one undo took
// the paste and the typing before and after it away together.
TEST_F(TextViewCommandsTest, APasteIsAnUndoStepOfItsOwnBetweenTheTypingAroundIt)
{
    editor->loadText(QString());
    QTest::keyClicks(tv(), "one");
    QApplication::clipboard()->setText(u" two"_s);
    QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(tv(), " three");
    ASSERT_EQ(tv()->text(), u"one two three");
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tv()->text(), u"one two");
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tv()->text(), u"one");
    // Two pastes at one spot are two steps.
    QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(tv()->text(), u"one two two");
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tv()->text(), u"one two");
    EXPECT_EQ(tv()->selectedRange(), TextRange(7, 0));
}

// Keys typed while a long paste went in were dropped without a sign: they wait and go in
// after it, in the order typed, a paste among them with what the clipboard held then.
TEST_F(TextViewCommandsTest, KeysTypedWhileALongPasteGoesInGoInAfterItInOrder)
{
    editor->loadText(u"Start.\n"_s);
    tv()->setSelectedRange({7, 0});
    QString text;
    for (int i = 0; text.size() < 1500 * 1024; ++i) text += u"Line %1 of a **long** paste\n"_s.arg(i);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(tv()->longPaste()->isActive());
    QTest::keyClicks(tv(), "ab");
    QTest::keyClick(tv(), Qt::Key_Return);
    QApplication::clipboard()->setText(u"[pasted]"_s);
    QTest::keyClick(tv(), Qt::Key_V, Qt::ControlModifier);
    QApplication::clipboard()->setText(u"[later]"_s);
    QTest::keyClick(tv(), Qt::Key_Backspace);
    QTest::keyClicks(tv(), "c");
    ASSERT_TRUE(tv()->longPaste()->isActive());
    settle();
    const QString whole = u"Start.\n"_s + text + u"ab\n[pasted"_s + u"c"_s;
    ASSERT_TRUE(QTest::qWaitFor([&] { return tv()->text().size() >= whole.size(); }, 5000));
    EXPECT_EQ(tv()->text(), whole);
    EXPECT_EQ(tv()->selectedRange(), TextRange(int(whole.size()), 0));
}

TEST_F(TextViewCommandsTest, ALongPasteIsStyledBeforeItIsLaidOutSoEachBlockIsBrokenOnce)
{
    QString text;
    for (int i = 0; text.size() < 400 * 1024; ++i) text += u"## Part %1\n\nSome **bold** words.\n\n"_s.arg(i);
    editor->loadText(QString());
    auto* data = new QMimeData;
    data->setText(text);
    paste(data); // no HTML, no tabs: inserted as it is
    ASSERT_EQ(tv()->text(), text);
    QTextDocument* doc = tv()->document();
    const QTextBlock first = doc->begin();
    const QTextBlock middle = doc->findBlock(100 * 1024); // in the part that went in first
    ASSERT_TRUE(middle.text().startsWith(u"## ") || middle.text().startsWith(u"Some"));
    // The paste's start, where it is seen while it goes in, is styled at once; the rest
    // waits for idle time instead of holding up the paste, and is styled before the caret
    // goes to the end.
    EXPECT_FALSE(StyledBlocks::formatsOf(first).isEmpty());
    EXPECT_TRUE(StyledBlocks::formatsOf(middle).isEmpty());
    settle();
    EXPECT_FALSE(StyledBlocks::formatsOf(middle).isEmpty());
    EXPECT_FALSE(StyledBlocks::formatsOf(doc->findBlock(int(text.size()) - 30)).isEmpty());
    // Each block is broken into lines once: styled first, not unstyled and again once styled.
    PagedDocumentLayout* layout = tv()->pagedLayout();
    tv()->coordinator()->finishStyling();
    layout->finishLayout();
    EXPECT_LE(layout->linesBrokenCount(), doc->blockCount() + 100); // the shown blocks once more
}

TEST_F(TextViewCommandsTest, ALongPasteGoesInWhileTheWindowGoesOnAndIsOneUndoStep)
{
    const QString before = u"Before.\n\nAfter.\n"_s;
    editor->loadText(before);
    tv()->setSelectedRange({8, 0});
    QString text;
    for (int i = 0; text.size() < 1500 * 1024; ++i) text += u"Line %1 of a **long** paste\n"_s.arg(i);
    const QString whole = before.left(8) + text + before.mid(8);
    auto* data = new QMimeData;
    data->setText(text);
    int turns = 0; // the window's timers fire while the paste goes in
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&turns] { ++turns; });
    tick.start(0);
    paste(data);
    // Meanwhile the view takes no edits, and a save would write the whole paste.
    EXPECT_TRUE(tv()->isReadOnly());
    EXPECT_FALSE(tv()->replaceRange({0, 0}, u"x"_s));
    EXPECT_EQ(tv()->text(), whole);
    // The bar says what goes on beside its fill, never on it, where the accent would take
    // the contrast away.
    const auto* bar = tv()->findChild<QProgressBar*>();
    ASSERT_TRUE(bar && bar->isVisible());
    EXPECT_FALSE(bar->isTextVisible());
    const auto* label = bar->parentWidget()->findChild<QLabel*>();
    ASSERT_TRUE(label && label->isVisible());
    EXPECT_TRUE(label->text().endsWith(u'%'));
    EXPECT_FALSE(label->geometry().intersects(bar->geometry()));
    settle();
    tick.stop();
    EXPECT_GT(turns, 2);
    EXPECT_FALSE(tv()->isReadOnly());
    EXPECT_EQ(tv()->document()->toPlainText(), whole);
    EXPECT_EQ(tv()->selectedRange(), TextRange(int(8 + text.size()), 0));
    EXPECT_TRUE(caretOnScreen());
    // Whatever is styled later lies below the caret: nothing above it grows and moves it away.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tv()->coordinator()->isStylingPending(); }, 5000));
    EXPECT_TRUE(caretOnScreen());

    tv()->undo();
    EXPECT_EQ(tv()->text(), before);
    EXPECT_EQ(tv()->selectedRange(), TextRange(8, 0));
    tv()->redo();
    EXPECT_EQ(tv()->text(), whole);
    // Undo in the middle of a paste takes the whole of it back.
    tv()->undo();
    paste(new QMimeData);
    QApplication::clipboard()->setText(text);
    tv()->paste();
    ASSERT_TRUE(tv()->longPaste()->isActive());
    tv()->undo();
    EXPECT_FALSE(tv()->longPaste()->isActive());
    EXPECT_EQ(tv()->text(), before);
    EXPECT_EQ(tv()->document()->toPlainText(), before);
}

TEST_F(TextViewCommandsTest, UndoingALongPasteShowsTheShortTextItLeavesWithTheCaret)
{
    const QString before = u"# Short\n\nA few lines.\n\nThe end.\n"_s;
    editor->loadText(before);
    tv()->setSelectedRange({int(before.size()), 0});
    QString text;
    for (int i = 0; text.size() < LongPaste::kLongUnits; ++i) text += u"Line %1 of a **long** paste\n"_s.arg(i);
    auto* data = new QMimeData;
    data->setText(text);
    paste(data);
    settle();
    QScrollBar* bar = tv()->verticalScrollBar();
    ASSERT_GT(bar->value(), 10 * tv()->viewport()->height());
    // The document shrinks under the view, far below the caret: the view comes back to the
    // text, not just far enough to hold the caret on its edge with the blank sheet below.
    tv()->undo();
    ASSERT_EQ(tv()->text(), before);
    EXPECT_TRUE(caretOnScreen());
    QTextCursor start(tv()->document());
    EXPECT_GE(tv()->cursorRect(start).top(), 0) << "scrolled " << bar->value() << " of " << bar->maximum();
    tv()->redo();
    EXPECT_TRUE(caretOnScreen());
}

TEST_F(TextViewCommandsTest, LongHtmlIsConvertedWhileTheWindowGoesOn)
{
    editor->loadText(u"start "_s);
    tv()->setSelectedRange({6, 0});
    QString html;
    while (html.size() < 400 * 1024) html += u"<p><b>bold</b> and <i>more</i></p>"_s;
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(u"plain"_s);
    paste(data);
    // Not converted yet: the view waits for it and takes no edits meanwhile.
    EXPECT_EQ(tv()->text(), u"start "_s);
    EXPECT_TRUE(tv()->isReadOnly());
    settle();
    const QString markdown = HtmlToMarkdown::convert(html);
    EXPECT_EQ(tv()->text(), u"start "_s + markdown);
    EXPECT_EQ(tv()->selectedRange(), TextRange(int(6 + markdown.size()), 0));
    tv()->undo();
    EXPECT_EQ(tv()->text(), u"start "_s);

    // HTML that comes to nothing pastes the plain text.
    auto* empty = new QMimeData;
    empty->setHtml(u"<style>"_s + QString(300 * 1024, u'x') + u"</style>"_s);
    empty->setText(u"plain"_s);
    paste(empty);
    settle();
    EXPECT_EQ(tv()->text(), u"start plain"_s);
}

TEST_F(TextViewCommandsTest, ALongPastedTableEndsStyledAndPlacedAsAWholeRestyleWould)
{
    const QString before = u"Intro with **bold** words.\n\n"_s;
    // The row below the caret joins the pasted table.
    editor->loadText(before + u"| tail | row |\n\nAfter it, *slanted* and `code`.\n"_s);
    tv()->coordinator()->finishStyling();
    tv()->setSelectedRange({int(before.size()), 0});
    QString rows;
    for (int r = 0; rows.size() < 300 * 1024; ++r)
        rows += u"cell %1\t%2\tsome longer text\t42.5\r\n"_s.arg(r).arg(r * 7);
    auto* data = new QMimeData;
    data->setText(rows);
    paste(data);
    settle();
    ASSERT_TRUE(tv()->text().startsWith(before + u"| cell 0 | 0 |"_s));
    QTextDocument* doc = tv()->document();
    PagedDocumentLayout* layout = tv()->pagedLayout();
    struct Block {
        QList<QTextLayout::FormatRange> formats;
        BlockParagraph paragraph;
        double y = 0;
        bool operator==(const Block&) const = default;
    };
    auto blocks = [&] {
        tv()->coordinator()->finishStyling();
        layout->finishLayout();
        QList<Block> out;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            out.append({StyledBlocks::formatsOf(b), StyledBlocks::paragraphOf(b), layout->blockTop(b)});
        return out;
    };
    const QList<Block> pasted = blocks();
    const QTextBlock tail = doc->findBlock(int(tv()->text().indexOf(u"| tail")));
    EXPECT_GT(StyledBlocks::paragraphOf(tail).rowHeight, 0);
    EXPECT_GT(layout->blockBoundingRect(tail).top(), layout->blockBoundingRect(tail.previous()).top());
    tv()->coordinator()->restyle(std::nullopt);
    layout->relayoutAll();
    const QList<Block> whole = blocks();
    ASSERT_EQ(pasted.size(), whole.size());
    qsizetype differing = 0, first = -1;
    for (qsizetype i = 0; i < pasted.size(); ++i)
        if (!(pasted[i] == whole[i]) && differing++ == 0) first = i;
    EXPECT_EQ(differing, 0) << "first at block " << first;
}

TEST_F(TextViewCommandsTest, AJumpFarAwayHidesTheOldLinesMarkersAndRevealsTheNewOnes)
{
    EditorConfig c = MarkdownEditorView::configFromSettings();
    c.revealMarkers = true;
    editor->applyConfig(c);
    QString text = u"a **b** c\n"_s;
    while (text.size() < 20000) text += u"plain filler line\n"_s;
    const int last = int(text.size());
    text += u"d **e** f"_s;
    editor->loadText(text);
    tv()->coordinator()->finishStyling();
    tv()->setSelectedRange({1, 0});
    QTextDocument* doc = tv()->document();
    EXPECT_FALSE(StyledBlocks::isConcealedAt(doc->firstBlock(), 2));
    EXPECT_TRUE(StyledBlocks::isConcealedAt(doc->lastBlock(), 2));
    tv()->setSelectedRange({last + 1, 0});
    EXPECT_TRUE(StyledBlocks::isConcealedAt(doc->firstBlock(), 2));
    EXPECT_FALSE(StyledBlocks::isConcealedAt(doc->lastBlock(), 2));
    tv()->setSelectedRange({1, 0});
    EXPECT_FALSE(StyledBlocks::isConcealedAt(doc->firstBlock(), 2));
    EXPECT_TRUE(StyledBlocks::isConcealedAt(doc->lastBlock(), 2));
}

TEST_F(TextViewCommandsTest, APastedImageNeverReplacesAFileAndLinksTheNameWritten)
{
    documentPath = dir.filePath(u"doc.md"_s);
    QFile old(dir.filePath(u"pasted-100.png"_s));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier");
    old.close();
    editor->loadText(QString());
    auto* image = new QMimeData;
    QImage img(3, 3, QImage::Format_RGB32);
    img.fill(Qt::blue);
    image->setImageData(img);
    paste(image);
    // Named in the link, so the line shows it where the markers of a bare link are hidden.
    EXPECT_EQ(tv()->text(), u"![pasted-100-1](pasted-100-1.png)");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "earlier");
    EXPECT_FALSE(QImage(dir.filePath(u"pasted-100-1.png"_s)).isNull());
}

TEST_F(TextViewCommandsTest, DroppedFilesBecomeLinksAtTheDropPoint)
{
    documentPath = dir.filePath(u"doc.md"_s);
    editor->loadText(u"ab"_s);
    QMimeData files;
    files.setUrls(
        {QUrl::fromLocalFile(dir.filePath(u"name.png"_s)), QUrl::fromLocalFile(dir.filePath(u"report (1).pdf"_s))});
    QTextCursor c(tv()->document());
    c.setPosition(1);
    const QPoint at = tv()->cursorRect(c).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &drop);
    EXPECT_EQ(tv()->text(), u"a![name](name.png)\n[report (1).pdf](report%20%281%29.pdf)b");
    EXPECT_EQ(tv()->selectedRange(), TextRange(int(tv()->text().size()) - 1, 0));

    // Dropped where the caret already stands (below the last line, the caret at the end): the
    // caret goes after the links too, and what is typed next follows them.
    editor->loadText(u"ab\n"_s);
    tv()->setFocus();
    tv()->setSelectedRange({3, 0});
    QMimeData lake;
    lake.setUrls({QUrl::fromLocalFile(dir.filePath(u"lake.png"_s))});
    const QPoint below = tv()->cursorRect().center() + QPoint(0, 3 * tv()->cursorRect().height());
    QDragEnterEvent enterBelow(below, Qt::CopyAction, &lake, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &enterBelow);
    QDragMoveEvent moveBelow(below, Qt::CopyAction, &lake, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &moveBelow);
    QDropEvent dropBelow(below, Qt::CopyAction, &lake, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tv()->viewport(), &dropBelow);
    QTest::keyClicks(tv(), "Y");
    EXPECT_EQ(tv()->text(), u"ab\n![lake](lake.png)Y");
}

TEST(UserShortcuts, RunOnlyInTheKeyWindow)
{
    QTemporaryDir dir;
    Settings::useFile(dir.filePath(u"settings.ini"_s));
    PrefKey::registerAll(Settings::instance());
    DocumentController::instance().setAutosaveStore(AutosaveStore(dir.filePath(u"Autosave"_s)));
    ShortcutStore::save({{u"upper"_s, KeyCombo{u"u"_s, KeyCombo::commandBit | KeyCombo::shiftBit}}});
    DocumentWindow* a = DocumentController::instance().newDocument();
    DocumentWindow* b = DocumentController::instance().newDocument();
    auto view = [](DocumentWindow* w) { return static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView(); };
    for (DocumentWindow* w : {a, b}) {
        w->editorHost()->loadText(u"word"_s);
        view(w)->setSelectedRange({0, 4});
    }
    QApplication::setActiveWindow(a);
    ASSERT_TRUE(a->isKeyWindow());
    QTest::keyClick(view(a), Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view(a)->text(), u"WORD");
    EXPECT_EQ(view(b)->text(), u"word");
    // With the other window key, the same request runs there only.
    QApplication::setActiveWindow(b);
    view(a)->setSelectedRange({0, 4});
    NotificationBus::instance().post(u"Brindlewick.runCommand"_s, u"lower"_s);
    EXPECT_EQ(view(a)->text(), u"WORD");
    EXPECT_EQ(view(b)->text(), u"word");
    NotificationBus::instance().post(u"Brindlewick.runCommand"_s, u"upper"_s);
    EXPECT_EQ(view(b)->text(), u"WORD");
    NotificationBus::instance().post(u"Brindlewick.runCommand"_s, 7); // not a name: nothing

    // Export commands go to the export service with the key window's document.
    std::optional<ExportRequest> asked;
    auto saved = ExportRequest::receiver();
    ExportRequest::receiver() = [&](const ExportRequest& r) { asked = r; };
    NotificationBus::instance().post(u"Brindlewick.runCommand"_s, u"exportPDF"_s);
    ExportRequest::receiver() = saved;
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->format, ExportFormat::pdf);
    EXPECT_EQ(asked->text, u"WORD");
    EXPECT_EQ(asked->window, b);
    EXPECT_TRUE(asked->baseDir.isEmpty());
    EXPECT_FALSE(asked->extraCSS.has_value());
    for (DocumentWindow* w : {a, b}) {
        w->editorHost()->setModified(false);
        w->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
