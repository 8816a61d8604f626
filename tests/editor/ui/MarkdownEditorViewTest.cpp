#include "EditorViewFixture.h"

#include "editor/ui/KeptInput.h"
#include "styling/RestyleCheck.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

namespace {
// What a widget it watches was asked to paint.
struct PaintedRegion : QObject {
    QRegion region;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
        return QObject::eventFilter(o, e);
    }
};
} // namespace

TEST_F(EditorViewTest, HiddenMarkersTakeNoWidthAndSourceModeShowsThem)
{
    view->loadText("a **bold** b\nnext line");
    tv()->setSelectedRange({20, 0}); // caret on the other line
    EXPECT_DOUBLE_EQ(xAt(2), xAt(3));
    EXPECT_DOUBLE_EQ(xAt(2), xAt(4));
    EXPECT_DOUBLE_EQ(xAt(8), xAt(10));
    EXPECT_GT(xAt(8), xAt(4));
    setConfig([](EditorConfig& c) { c.viewMode = "source"; });
    EXPECT_GT(xAt(4), xAt(2));
    EXPECT_FALSE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 2));
}

TEST_F(EditorViewTest, CaretLineRevealsMarkersOnlyWhenAskedTo)
{
    view->loadText("a **bold** b\nnext line");
    setConfig([](EditorConfig& c) { c.revealMarkers = true; });
    tv()->setSelectedRange({20, 0});
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 2));
    tv()->setSelectedRange({1, 0});
    EXPECT_FALSE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 2));
    tv()->setSelectedRange({20, 0});
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 2));
    setConfig([](EditorConfig& c) { c.revealMarkers = false; });
    tv()->setSelectedRange({1, 0});
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 2));
}

// A loaded text is mirrored into the styler's copy as it was handed over, with what the
// document turns into block breaks as line feeds, wherever in the text they are.
TEST_F(EditorViewTest, ALoadedTextsBreaksReachTheStylersCopyAsLineFeeds)
{
    QString text;
    while (text.size() < 40000) text += "Some *words* on a line\n";
    text += QString::fromUtf16(u"cr\rparagraph\u2029noncharacter\ufdd0end");
    view->loadText(text);
    QString expected = text;
    expected.replace(u'\r', u'\n').replace(QChar(0x2029), u'\n').replace(QChar(0xfdd0), u'\n');
    EXPECT_EQ(tv()->text(), expected);
    EXPECT_EQ(tv()->document()->blockCount(), int(expected.count(u'\n')) + 1);
}

TEST_F(EditorViewTest, UndoAfterStylingRestoresTextAndModifiedFlag)
{
    view->loadText("hello\n");
    EXPECT_FALSE(tv()->document()->isModified());
    tv()->setSelectedRange({5, 0});
    QTest::keyClicks(tv(), " **x**");
    EXPECT_EQ(view->text(), "hello **x**\n");
    EXPECT_TRUE(tv()->document()->isModified());
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 6) == false
                || tv()->selectedRange().location == 11);
    while (tv()->document()->isUndoAvailable()) tv()->undo();
    EXPECT_EQ(view->text(), "hello\n");
    EXPECT_EQ(tv()->document()->toPlainText(), "hello\n");
    EXPECT_FALSE(tv()->document()->isModified());
    tv()->redo();
    EXPECT_TRUE(tv()->document()->isModified());
}

TEST_F(EditorViewTest, ControllerEditsAreOneUndoStepAndRestyled)
{
    view->loadText("plain\nline two");
    tv()->setSelectedRange({14, 0});
    controller.replace({0, 5}, "**plain**");
    EXPECT_EQ(view->text(), "**plain**\nline two");
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 0));
    tv()->undo();
    EXPECT_EQ(view->text(), "plain\nline two");
    EXPECT_FALSE(tv()->document()->isUndoAvailable());
}

TEST_F(EditorViewTest, UndoOfAnEditingCommandGivesBackItsSelection)
{
    view->loadText("one two\nthree\n");
    tv()->setSelectedRange({4, 3});
    controller.wrap("**");
    EXPECT_EQ(view->text(), "one **two**\nthree\n");
    const TextRange after = tv()->selectedRange();
    controller.moveLineDown();
    const TextRange moved = tv()->selectedRange();
    // By key, as a user undoes: text and selection exactly as before each step.
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(view->text(), "one **two**\nthree\n");
    EXPECT_EQ(tv()->selectedRange(), after);
    view->undo();
    EXPECT_EQ(view->text(), "one two\nthree\n");
    EXPECT_EQ(tv()->selectedRange(), TextRange(4, 3));
    // Redo gives back the selection each step was undone from.
    view->redo();
    EXPECT_EQ(tv()->selectedRange(), after);
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view->text(), "three\none **two**\n");
    EXPECT_EQ(tv()->selectedRange(), moved);
    // Typing keeps Qt's own steps, and text typed right after a command's insertion is a
    // step of its own.
    tv()->setSelectedRange({0, 0});
    QTest::keyClicks(tv(), "ab");
    view->undo();
    EXPECT_EQ(view->text(), "three\none **two**\n");
    EXPECT_EQ(tv()->selectedRange(), TextRange(0, 0));
    controller.replace({0, 0}, "new ");
    tv()->setSelectedRange({4, 0});
    QTest::keyClicks(tv(), "xy");
    view->undo();
    EXPECT_EQ(view->text(), "new three\none **two**\n");
    view->undo();
    EXPECT_EQ(view->text(), "three\none **two**\n");
}

TEST_F(EditorViewTest, NoLineStraddlesAPageAndIncrementalLayoutConverges)
{
    QString doc;
    for (int i = 0; i < 400; ++i)
        doc += QStringLiteral("# Heading %1\nSome **text** that is long enough to wrap over the line once it has "
                              "a few more words in it, like this sentence does. %1\n\n")
                   .arg(i);
    view->loadText(doc);
    layout()->finishLayout();
    ASSERT_GT(layout()->pageCount(), 5);
    auto check = [&] {
        const PageMetrics m = layout()->metrics();
        int straddling = 0;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) {
            layout()->blockBoundingRect(b); // a block off screen is given its lines when asked
            const double by = layout()->blockTop(b);
            for (int i = 0; i < b.layout()->lineCount(); ++i) {
                const QTextLine l = b.layout()->lineAt(i);
                const double top = by + l.y();
                const double page = std::floor(top / m.stride);
                if (top + l.height() > page * m.stride + m.contentPerPage + 1e-6 || top < page * m.stride) ++straddling;
            }
        }
        return straddling;
    };
    auto tops = [&] {
        QList<double> out;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) out.append(layout()->blockTop(b));
        return out;
    };
    // Blocks off screen are measured without lines of their own; given them (every block,
    // by the check), they stay where they were measured.
    const QList<double> measured = tops();
    EXPECT_EQ(check(), 0);
    EXPECT_EQ(tops(), measured);
    // Edits of every kind, then compare with a full relayout. A Return near the top moves
    // the blocks far below the screen later, in idle slices.
    tv()->setSelectedRange({0, 0});
    QTest::keyClick(tv(), Qt::Key_Return);
    EXPECT_TRUE(layout()->isLayoutPending());
    for (int i = 0; i < 30; ++i) {
        tv()->setSelectedRange({(i * 7919) % (tv()->textLength() - 1), 0});
        if (i % 3 == 0)
            QTest::keyClick(tv(), Qt::Key_Return);
        else if (i % 3 == 1)
            QTest::keyClicks(tv(), "word ");
        else
            QTest::keyClick(tv(), Qt::Key_Backspace);
    }
    layout()->finishLayout();
    const QList<double> incremental = tops();
    layout()->relayoutAll();
    layout()->finishLayout();
    int differing = 0;
    const QList<double> relaid = tops();
    for (qsizetype i = 0; i < relaid.size(); ++i) differing += relaid[i] != incremental[i];
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(check(), 0);
}

// A long text opens with its first screen at once and the rest styled and laid out in idle
// slices. Each block is broken into lines once (a block laid out before its slice was styled
// was broken again), and the settled pages are painted exactly as after a layout of the
// whole text from scratch.
TEST_F(EditorViewTest, OpeningALongTextBreaksEachBlockOnceAndSettlesAsAWholeLayout)
{
    QString doc;
    for (int i = 0; doc.size() < 600 * 1024; ++i)
        doc += QStringLiteral("# Part %1\n\nSome **bold** text, `code` and a [link](https://x.org/%1) in a sentence "
                              "long enough to wrap once it has a few more words.\n- item\n- item two\n\n```\ncode "
                              "%1\n```\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n")
                   .arg(i);
    view->loadText(doc);
    EXPECT_TRUE(tv()->coordinator()->isStylingPending());
    EXPECT_TRUE(layout()->isLayoutPending());
    QElapsedTimer t;
    t.start();
    while ((tv()->coordinator()->isStylingPending() || layout()->isLayoutPending()) && t.elapsed() < 60000)
        QApplication::processEvents();
    ASSERT_FALSE(layout()->isLayoutPending());
    const int blocks = tv()->document()->blockCount();
    EXPECT_LE(layout()->linesBrokenCount(), blocks + 100) << blocks; // the first screen's blocks once more
    QScrollBar* bar = tv()->verticalScrollBar();
    auto settled = [&] {
        QList<double> tops;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) tops.append(layout()->blockTop(b));
        QList<QImage> shots;
        for (const int at : {0, bar->maximum() / 2, bar->maximum()}) {
            bar->setValue(at);
            shots.append(tv()->viewport()->grab().toImage());
        }
        return std::pair(tops, shots);
    };
    const auto opened = settled();
    tv()->coordinator()->restyle(std::nullopt);
    layout()->relayoutAll();
    layout()->finishLayout();
    const auto whole = settled();
    EXPECT_TRUE(opened.first == whole.first);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(opened.second[i] == whole.second[i]) << i;
}

// A key that keeps its line's height repaints that line across the sheet, not its paragraph
// nor the rest of the view; what is on screen afterwards is what a whole repaint paints.
TEST_F(EditorViewTest, AKeyRepaintsOnlyTheLineItChangesAndLeavesNothingStale)
{
    QString doc;
    for (int i = 0; i < 60; ++i)
        doc +=
            QStringLiteral(
                "Paragraph %1 with **bold** words and a [link](https://x.org/%1) that runs long enough to "
                "wrap over several lines of the page, once it has a good many more words in it than one "
                "line holds, like this one does here. It goes on for a while yet, with more words after those, so that "
                "it takes four lines and more on the page before it ends.\n\n")
                .arg(i);
    doc += QStringLiteral("The last line");
    view->loadText(doc);
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    QWidget* port = tv()->viewport();
    PaintedRegion painted;
    port->installEventFilter(&painted);
    auto area = [](const QRegion& r) {
        double a = 0;
        for (const QRect& rect : r) a += double(rect.width()) * rect.height();
        return a;
    };
    const double lineBand =
        layout()->geometry().pageWidth * (QFontMetricsF(tv()->document()->defaultFont()).height() + 8);
    auto typeAt = [&](int pos, const char* keys) {
        tv()->setSelectedRange({pos, 0});
        QScrollBar* bar = tv()->verticalScrollBar();
        bar->setValue(bar->value() + tv()->cursorRect().center().y() - port->height() / 2);
        QApplication::processEvents();
        painted.region = QRegion();
        QTest::keyClicks(tv(), QString::fromLatin1(keys));
        QApplication::processEvents();
        return area(painted.region);
    };
    // The second line of a paragraph of four or more, and the end of the text with blank page
    // below.
    const int inParagraph = int(doc.indexOf(u"lines of the page", 30 * 200));
    EXPECT_LE(typeAt(inParagraph, "x"), 1.5 * lineBand);
    EXPECT_LE(typeAt(tv()->textLength(), "y"), 1.5 * lineBand);
    // The view as it stands (the window's backing store) against a whole repaint, after
    // edits of every kind: ones that restyle other lines ("*"), rewrap, split and join blocks.
    // A steady caret: a blink between the two pictures is no stale pixel.
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    auto stale = [&] {
        QApplication::processEvents();
        const QImage shown = QGuiApplication::primaryScreen()->grabWindow(view->winId()).toImage();
        const QImage whole = view->grab().toImage();
        const QRect r(port->mapTo(view.get(), QPoint(0, 0)), port->size());
        return shown.isNull() || shown.copy(r) != whole.copy(r).convertToFormat(shown.format());
    };
    EXPECT_FALSE(stale());
    const char* const keys[] = {"*", "word ", "\b", "**", "\r", "\b\b", "`", "longerwordsthatwrap ", "_"};
    for (int i = 0; i < 36; ++i) {
        const char* k = keys[i % 9];
        if (i % 4 == 0) tv()->setSelectedRange({inParagraph + (i * 37) % 300, 0});
        for (const char* c = k; *c; ++c) {
            if (*c == '\b')
                QTest::keyClick(tv(), Qt::Key_Backspace);
            else if (*c == '\r')
                QTest::keyClick(tv(), Qt::Key_Return);
            else
                QTest::keyClick(tv(), *c);
        }
        EXPECT_FALSE(stale()) << i;
    }
    QApplication::setCursorFlashTime(flash);
}

// Blocks far from what is painted give up their formats and lines; painted again they
// look exactly as before, where they were.
TEST_F(EditorViewTest, BlocksLetGoOfFarFromTheScreenLookTheSameWhenShownAgain)
{
    QString doc;
    for (int i = 0; i < 700; ++i)
        doc += QStringLiteral("## Part %1\n\nSome **bold**, `code` and [a link](https://example.net/%1) in a "
                              "sentence long enough to wrap once it has a few more words.\n\n")
                   .arg(i);
    view->loadText(doc);
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    QScrollBar* bar = tv()->verticalScrollBar();
    bar->setValue(0);
    const QImage before = tv()->viewport()->grab().toImage();
    QList<double> tops;
    for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) {
        layout()->blockBoundingRect(b); // as the cursor code asks: every block holds its lines
        tops.append(layout()->blockTop(b));
    }
    ASSERT_GT(layout()->heldBlockCount(), 2000);
    bar->setValue(bar->maximum());
    tv()->viewport()->grab();
    EXPECT_LT(layout()->heldBlockCount(), 1000);
    const QTextBlock first = tv()->document()->firstBlock();
    EXPECT_TRUE(first.layout()->formats().isEmpty());
    bar->setValue(0);
    EXPECT_TRUE(tv()->viewport()->grab().toImage() == before);
    EXPECT_EQ(first.layout()->formats(), StyledBlocks::formatsOf(first));
    QList<double> after;
    for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) after.append(layout()->blockTop(b));
    EXPECT_EQ(after, tops);
}

TEST_F(EditorViewTest, EmptyDocumentShowsOneSheetCentredOrAtTheDeskPad)
{
    view->loadText("");
    EXPECT_EQ(layout()->pageCount(), 1);
    view->resize(500, 600);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(layout()->sheetLeft(), 28);
    EXPECT_DOUBLE_EQ(layout()->textWidth(), 672);
}

TEST_F(EditorViewTest, ZoomScalesPagesAndText)
{
    view->loadText("some text\n");
    const double w = layout()->documentSize().height();
    tv()->setMagnification(2.0, false);
    EXPECT_DOUBLE_EQ(layout()->geometry().scale, 2.0);
    EXPECT_NEAR(layout()->documentSize().height(), 2 * w, 1.0);
    EXPECT_DOUBLE_EQ(layout()->textWidth(), 1344);
    tv()->setMagnification(9.0, false);
    EXPECT_DOUBLE_EQ(layout()->geometry().scale, 5.0);
    controller.setZoom(0.1, false);
    EXPECT_DOUBLE_EQ(layout()->geometry().scale, 0.25);
}

TEST_F(EditorViewTest, ArrowKeysStepOverHiddenMarkers)
{
    view->loadText("ab **cd** ef\nx");
    tv()->setSelectedRange({3, 0}); // before "**"
    QTest::keyClick(tv(), Qt::Key_Right);
    // Over both hidden asterisks and past "c": every press moves the caret visibly.
    EXPECT_EQ(tv()->selectedRange().location, 6);
    QTest::keyClick(tv(), Qt::Key_Right);
    EXPECT_EQ(tv()->selectedRange().location, 7);
    QTest::keyClick(tv(), Qt::Key_Right);
    EXPECT_EQ(tv()->selectedRange().location, 10); // past "**" and the space
    tv()->setSelectedRange({9, 0});                // after the closing "**"
    QTest::keyClick(tv(), Qt::Key_Left);
    EXPECT_EQ(tv()->selectedRange().location, 6);
    QTest::keyClick(tv(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(tv()->selectedRange(), TextRange(5, 1));
    QTest::keyClick(tv(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(tv()->selectedRange(), TextRange(2, 4)); // the selection extends the same way
    std::vector<double> xs;
    tv()->setSelectedRange({0, 0});
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(tv(), Qt::Key_Right);
        xs.push_back(tv()->cursorRect().x());
    }
    for (size_t i = 1; i < xs.size(); ++i) EXPECT_NE(xs[i], xs[i - 1]) << i; // no press leaves the caret where it was

    // Word steps too: one press takes the caret past a hidden link target.
    view->loadText("see [link](http://x.y) gh\nx");
    tv()->setSelectedRange({9, 0}); // after "link"
    QTest::keyClick(tv(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(tv()->selectedRange().location, 23); // before "gh"
    const int x = tv()->cursorRect().x();
    QTest::keyClick(tv(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_LT(tv()->cursorRect().x(), x);
}

// The caret is as tall as its line's text wherever it stands: after a hidden link or image
// target it was drawn as tall as the target's tiny hidden run, a stub at the baseline.
TEST_F(EditorViewTest, TheCaretIsAsTallAsItsLinesTextAfterAHiddenTarget)
{
    const QString text = "See [a link](https://example.com/x) and ![pic](img.png) end";
    view->loadText(text);
    QApplication::setActiveWindow(view.get());
    tv()->setFocus();
    // The longest run of dark pixels drawn down the caret's columns.
    const auto drawnCaret = [this](int position) {
        tv()->setSelectedRange({position, 0});
        const QRect r = tv()->cursorRect();
        const QImage image = tv()->viewport()->grab().toImage();
        int longest = 0;
        for (int x = r.left() - 1; x <= r.right() + 1; ++x) {
            int run = 0;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                run = image.pixelColor(x, y).lightness() < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return std::pair(longest, r.height());
    };
    const auto [plain, plainLine] = drawnCaret(int(text.size()));
    EXPECT_GE(plain, plainLine * 3 / 4);
    for (const char* after : {") and", ") end"}) {
        const auto [drawn, line] = drawnCaret(int(text.indexOf(after)) + 1);
        EXPECT_GE(drawn, plain - 1) << after;
        EXPECT_EQ(line, plainLine) << after;
    }
}

TEST_F(EditorViewTest, CompositionKeepsTheStyling)
{
    view->loadText("**bold** text\nx");
    tv()->setSelectedRange({13, 0});
    tv()->setFocus();
    QInputMethodEvent preedit(QStringLiteral("ka"), {});
    QApplication::sendEvent(tv(), &preedit);
    const QTextBlock b = tv()->document()->firstBlock();
    bool concealed = false;
    for (const auto& r : b.layout()->formats()) concealed |= r.start == 0 && StyledBlocks::isConcealed(r.format);
    EXPECT_TRUE(concealed);
    QInputMethodEvent cancel;
    QApplication::sendEvent(tv(), &cancel);
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 0));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("か"));
    QApplication::sendEvent(tv(), &commit);
    EXPECT_EQ(view->text(), "**bold** textか\nx");
    EXPECT_TRUE(StyledBlocks::isConcealedAt(tv()->document()->firstBlock(), 0));
}

TEST_F(EditorViewTest, ReturnContinuesAndEndsLists)
{
    view->loadText("- [x] done");
    tv()->setSelectedRange({10, 0});
    QTest::keyClick(tv(), Qt::Key_Return);
    EXPECT_EQ(view->text(), "- [x] done\n- [ ] ");
    EXPECT_EQ(tv()->selectedRange(), TextRange(17, 0));
    QTest::keyClick(tv(), Qt::Key_Return);
    EXPECT_EQ(view->text(), "- [x] done\n");
    tv()->undo();
    EXPECT_EQ(view->text(), "- [x] done\n- [ ] ");
}

TEST_F(EditorViewTest, SelectionsWrapInPairsAndAddressesBecomeLinks)
{
    view->loadText("abc site");
    tv()->setSelectedRange({0, 3});
    QTest::keyClicks(tv(), "(");
    EXPECT_EQ(view->text(), "(abc) site");
    EXPECT_EQ(tv()->selectedRange(), TextRange(1, 3));
    tv()->undo();
    EXPECT_EQ(view->text(), "abc site");
    setConfig([](EditorConfig& c) { c.autoPair = false; });
    tv()->setSelectedRange({0, 3});
    QTest::keyClicks(tv(), "(");
    EXPECT_EQ(view->text(), "( site");
    tv()->setSelectedRange({2, 4});
    QApplication::clipboard()->setText("https://example.org/x");
    tv()->paste();
    EXPECT_EQ(view->text(), "( [site](https://example.org/x)");
    EXPECT_EQ(tv()->selectedRange(), TextRange(31, 0));
}

TEST_F(EditorViewTest, GhostTextIsPaintedButNeverInTheDocument)
{
    view->loadText("Hello");
    tv()->setSelectedRange({5, 0});
    tv()->ghost()->show(" world");
    EXPECT_TRUE(tv()->ghost()->isShown());
    EXPECT_EQ(view->text(), "Hello");
    EXPECT_EQ(tv()->document()->toPlainText(), "Hello");
    EXPECT_FALSE(tv()->document()->isModified());
    QTest::keyClick(tv(), Qt::Key_Escape);
    EXPECT_FALSE(tv()->ghost()->isShown());
    tv()->ghost()->show(" world");
    QTest::keyClick(tv(), Qt::Key_Tab);
    EXPECT_EQ(view->text(), "Hello world");
    EXPECT_EQ(tv()->selectedRange(), TextRange(11, 0));
    tv()->undo();
    EXPECT_EQ(view->text(), "Hello");
    tv()->ghost()->show(" world");
    QTest::keyClicks(tv(), "!");
    EXPECT_EQ(view->text(), "Hello!");
    EXPECT_FALSE(tv()->ghost()->isShown());

    // Shown in the middle of a line, the suggestion moves the rest of the line aside
    // and leaves nothing behind when it goes.
    view->loadText("Hello there");
    tv()->setSelectedRange({5, 0});
    const QTextBlock b = tv()->document()->firstBlock();
    const double before = b.layout()->lineAt(0).naturalTextWidth();
    tv()->ghost()->show(" big");
    EXPECT_GT(b.layout()->lineAt(0).naturalTextWidth(), before + 10);
    EXPECT_EQ(view->text(), "Hello there");
    tv()->setSelectedRange({0, 0});
    EXPECT_FALSE(tv()->ghost()->isShown());
    EXPECT_TRUE(b.layout()->preeditAreaText().isEmpty());
    EXPECT_DOUBLE_EQ(b.layout()->lineAt(0).naturalTextWidth(), before);
}

TEST_F(EditorViewTest, DoubleClickInABandAsksForHeaderAndFooter)
{
    view->loadText("text");
    int posts = 0;
    QObject ctx;
    NotificationBus::instance().observe(NotificationBus::name("editHeaderFooter"), &ctx,
                                        [&](const QVariant&) { ++posts; });
    tv()->verticalScrollBar()->setValue(0);
    const QRectF sheet = layout()->sheetRect(0);
    const QPoint header = (sheet.topLeft() + QPointF(100, 20)).toPoint();
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, header);
    EXPECT_EQ(posts, 0);
    QTest::mouseDClick(tv()->viewport(), Qt::LeftButton, {}, header);
    EXPECT_EQ(posts, 1);
    QTest::mouseDClick(tv()->viewport(), Qt::LeftButton, {}, QPoint(5, 5)); // desk
    EXPECT_EQ(posts, 1);
}

TEST_F(EditorViewTest, SettingsAreAppliedWhenTheyChange)
{
    view->loadText("text");
    setConfig([](EditorConfig& c) {
        c.showRuler = true;
        c.pageMargin = 96;
        c.appearanceMode = "dark";
    });
    EXPECT_TRUE(view->ruler()->isVisible());
    EXPECT_DOUBLE_EQ(layout()->textWidth(), 816 - 192);
    EXPECT_LT(layout()->colors().page.lightnessF(), 0.2);
    Settings::instance().setValue("editorShowMinimap", true);
    EXPECT_TRUE(view->minimap()->isVisible());
    if (const char* dirName = std::getenv("BW_SHOT_DIR")) {
        QString doc =
            "# A heading\n\nSome **bold** and *italic* text with `code` and a [link](https://x.org). "
            "Another sentence follows here, long enough to wrap onto a second line of the page.\n\n"
            "> A quoted line\n\n- item one\n- [ ] task two\n1. first\n\n```cpp\nint main() { return 0; }\n```\n\n"
            "| Name | Qty |\n|------|----:|\n| apples | 3 |\n| pears | 10 |\n\n## Second level\n\n";
        view->loadText(doc.repeated(12));
        setConfig([](EditorConfig& c) { c.appearanceMode = "light"; });
        view->grab().save(QString::fromLocal8Bit(dirName) + "/editor.png");
    }
}

TEST_F(EditorViewTest, TypewriterKeepsTheCaretLineCentredAndSettingsKeepTheSelection)
{
    QString doc;
    for (int i = 0; i < 300; ++i) doc += QStringLiteral("line %1\n").arg(i);
    view->loadText(doc);
    layout()->finishLayout();
    tv()->setSelectedRange({3, 4});
    setConfig([](EditorConfig& c) { c.showRuler = true; });
    EXPECT_EQ(tv()->selectedRange(), TextRange(3, 4));
    setConfig([](EditorConfig& c) { c.typewriter = true; });
    tv()->setSelectedRange({int(doc.indexOf("line 150")), 0});
    QTest::keyClicks(tv(), "x");
    QApplication::processEvents();
    EXPECT_NEAR(tv()->cursorRect().center().y(), tv()->viewport()->height() / 2, 2);
}

TEST_F(EditorViewTest, DocumentEndsShowTheWholeFirstAndLastSheetWhileTheCaretStaysInView)
{
    QString doc;
    for (int i = 0; i < 200; ++i)
        doc += QStringLiteral("Line %1 of a document long enough for several sheets.\n\n").arg(i);
    view->loadText(doc);
    QCoreApplication::processEvents();
    QScrollBar* bar = tv()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    auto caretShown = [this] {
        const QRect r = tv()->cursorRect();
        return r.top() >= 0 && r.bottom() <= tv()->viewport()->height();
    };
    // Ctrl+End and Ctrl+Home go past the caret to the sheet's bottom and top edges.
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(caretShown());
    QTest::keyClick(tv(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->minimum());
    // Page Down until the caret reaches the last line shows the last sheet's bottom too;
    // Page Up back to the first line shows the first sheet's top.
    for (int i = 0; i < 100 && !tv()->textCursor().atEnd(); ++i) QTest::keyClick(tv(), Qt::Key_PageDown);
    ASSERT_TRUE(tv()->textCursor().atEnd());
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(caretShown());
    for (int i = 0; i < 100 && !tv()->textCursor().atStart(); ++i) QTest::keyClick(tv(), Qt::Key_PageUp);
    ASSERT_TRUE(tv()->textCursor().atStart());
    EXPECT_EQ(bar->value(), bar->minimum());

    // A last line high on its sheet: showing the sheet's foot would hide the caret, so the
    // view stops where the caret's line is still in it.
    const PageMetrics m = layout()->metrics();
    auto lastLineOnSheet = [this, m] {
        layout()->finishLayout();
        const QTextBlock last = tv()->document()->lastBlock();
        return std::fmod(layout()->blockBoundingRect(last).top() - layout()->textOrigin().y(), m.stride);
    };
    QString text = doc + "last";
    view->loadText(text);
    for (int i = 0; i < 100 && lastLineOnSheet() > m.contentPerPage / 4; ++i) view->loadText(text.prepend("x\n"));
    QCoreApplication::processEvents();
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(caretShown()) << tv()->cursorRect().top();
    EXPECT_LT(bar->value(), bar->maximum());
}

// A long text is styled in slices after it opens; lines above the caret grow meanwhile
// (headings, spacing), and the caret's line must not drift out of view as they do.
TEST_F(EditorViewTest, TheCaretStaysInViewWhileALongTextIsStillBeingStyled)
{
    QString doc;
    for (int i = 0; i < 9000; ++i) doc += QStringLiteral("## Heading %1\n\nA line of text.\n\n").arg(i);
    view->loadText(doc);
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 1000 && (tv()->coordinator()->isStylingPending() || layout()->isLayoutPending()); ++i)
        QCoreApplication::processEvents();
    ASSERT_FALSE(tv()->coordinator()->isStylingPending());
    const QRect r = tv()->cursorRect();
    EXPECT_TRUE(r.top() >= 0 && r.bottom() <= tv()->viewport()->height()) << r.top();
}

// Ctrl+End in a long text still being laid out had all of it laid out at once, the window
// frozen meanwhile (19 s at 100 MiB), and so had Select All, which leaves the caret at the end;
// then it waited for the slices to lay all of it out (25 s). Only the end is laid out, at a
// place estimated from the part laid out: it shows at once, typing and Page Up work there,
// and once the slices reach it, it lies where a whole layout puts it, the caret's line kept
// where it was on screen.
TEST_F(EditorViewTest, KeysToTheEndOfATextStillBeingLaidOutShowTheEndAtOnce)
{
    const QString doc = longMarkdown();
    auto caretShown = [this] {
        const QRect r = tv()->cursorRect();
        return r.top() >= 0 && r.bottom() <= tv()->viewport()->height();
    };
    for (const bool selectAll : {false, true}) {
        view->loadText(doc);
        ASSERT_TRUE(layout()->isLayoutPending());
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(tv(), selectAll ? Qt::Key_A : Qt::Key_End, Qt::ControlModifier);
        // An input method's text goes in after the key too.
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u00fc"));
        QCoreApplication::sendEvent(tv(), &composed);
        QTest::keyClicks(tv(), "end");
        const QString typed = (selectAll ? QString() : doc) + QStringLiteral("\u00fcend");
        EXPECT_EQ(tv()->textLength(), typed.size());
        EXPECT_TRUE(tv()->text() == typed);
        if (selectAll) continue;
        EXPECT_TRUE(caretShown());
        // The caret's line is drawn: its block has its place and its lines.
        const QTextBlock caretBlock = tv()->textCursor().block();
        EXPECT_TRUE(layout()->isPlaced(caretBlock.position()));
        EXPECT_GT(caretBlock.layout()->lineCount(), 0);
        tv()->viewport()->repaint();
        // Far less than the slices take to lay all of it out.
        EXPECT_LT(clock.elapsed(), 400);
        EXPECT_TRUE(layout()->isLayoutPending());
        for (int i = 0; i < 6; ++i) {
            clock.restart();
            QTest::keyClick(tv(), Qt::Key_PageUp);
            tv()->viewport()->repaint();
            EXPECT_LT(clock.elapsed(), 300) << i;
        }
        // A zoom lays the end out ahead again, not all the text above it.
        tv()->setMagnification(1.2, false);
        EXPECT_TRUE(layout()->isLayoutPending());
        QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
        EXPECT_TRUE(layout()->isLayoutPending());
        EXPECT_TRUE(caretShown());
        const int caretTop = tv()->cursorRect().top();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !layout()->isLayoutPending(); }, 60000));
        EXPECT_EQ(tv()->cursorRect().top(), caretTop);
        // Where a whole layout puts each block.
        EXPECT_EQ(blocksApartFromAWholeLayout(typed), 0u);
    }
}

// Ctrl+End lays the end of a long text out where the part laid out says it lies, at that
// part's pixels per character: for a text alike from start to end, within a sheet or two of
// where a whole layout puts it (an estimate that took no account of the text between the two
// would be dozens of sheets off).
TEST_F(EditorViewTest, TheEndLaidOutAheadLiesNearlyWhereAWholeLayoutPutsIt)
{
    const QString doc = longMarkdown();
    view->loadText(doc);
    ASSERT_TRUE(QTest::qWaitFor([&] { return layout()->placedUpTo() > doc.size() / 8; }, 60000));
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    ASSERT_GT(layout()->endPlacedFrom(), 0);
    const QTextBlock last = tv()->document()->lastBlock();
    const double estimated = layout()->blockTop(last);
    layout()->finishLayout();
    EXPECT_NEAR(estimated, layout()->blockTop(last), 2 * layout()->metrics().stride);
}

// Changes that reach the first block of the end laid out ahead: a key typed in it, and a
// styling slice that goes on from text laid out already across the blocks still waiting into
// it (the rest of a fence typed a little above them). Each laid the end out again from the
// bottom of the waiting block above it, a place from no layout at all (the end went to the top
// of the text, the caret's line off the screen), and the slice left the blocks laid out that
// it restyled as they were broken before, so the text below them lay apart from where a whole
// layout puts it.
TEST_F(EditorViewTest, TheEndLaidOutAheadStaysWhereItLiesWhenAChangeReachesItsFirstBlock)
{
    const QString doc = longMarkdown(1024 * 1024);
    view->loadText(doc);
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    const int tail = layout()->endPlacedFrom();
    ASSERT_GT(tail, 0);
    // The part laid out reaches to less than a slice above the end laid out ahead.
    for (const int above : {40 * 1024, 10 * 1024}) layout()->layOutThrough(tv()->document()->findBlock(tail - above));
    const int done = layout()->placedUpTo();
    ASSERT_LT(done, tail);
    const QTextBlock first = tv()->document()->findBlock(tail);
    const double tailTop = layout()->blockTop(first);
    tv()->setSelectedRange({tail, 0});
    QTest::keyClicks(tv(), "x");
    EXPECT_EQ(layout()->blockTop(first), tailTop);
    tv()->setSelectedRange({int(doc.lastIndexOf(QStringLiteral("\n\n"), done - 4 * 1024)) + 1, 0});
    QTest::keyClicks(tv(), "```");
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    tv()->coordinator()->finishStyling();
    EXPECT_EQ(layout()->blockTop(first), tailTop);
    EXPECT_EQ(blocksApartFromAWholeLayout(tv()->text()), 0u);
}

// Text laid out already is laid out again as it is restyled, at several times the cost of
// styling text not laid out yet. Released after edits made with the styling held (a long
// Replace All), the first slice went over the laid-out top at the size the slices had grown
// to over text not laid out: some 800 lines broken again in one turn (40 ms at 100 MiB).
TEST_F(EditorViewTest, SlicesOverTextLaidOutAlreadyStartSmallAfterStylingWasHeld)
{
    view->loadText(longMarkdown(1024 * 1024));
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    // The first few hundred paragraphs changed, from the last to the first, as a Replace
    // All puts its edits in.
    tv()->coordinator()->holdStyling(true);
    const QString text = tv()->text();
    QList<int> lines;
    for (qsizetype at = 0; lines.size() < 300; ++at) lines.append(int(at = text.indexOf(u"A line", at)));
    QTextCursor c(tv()->document());
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        c.setPosition(lines[i]);
        c.insertText(QStringLiteral("x"));
    }
    // What shows is styled ahead and painted before the slices go on.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    tv()->coordinator()->holdStyling(false);
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    const int from = tv()->coordinator()->styledUpTo();
    qint64 broken = 0; // by the turn of the first slice
    for (int turns = 0; tv()->coordinator()->styledUpTo() == from && turns < 100; ++turns) {
        const qint64 before = layout()->linesBrokenCount();
        QCoreApplication::processEvents();
        broken = layout()->linesBrokenCount() - before;
    }
    EXPECT_GT(broken, 0);
    EXPECT_LT(broken, 200);
}

// A Replace All of a few matches through a long text, the caret at the end, undone and redone:
// the first part styled the caret's line with it, bringing the storage's gap from the top of
// the text to the caret and the next part all the way back (16 ms of 50 at 20 MiB). The gap
// goes over the text about once.
TEST_F(EditorViewTest, UndoingAndRedoingAReplaceAllFarFromTheCaretMovesTheGapOverTheTextOnce)
{
    view->loadText(longMarkdown(2 * 1024 * 1024));
    tv()->coordinator()->finishStyling();
    const int n = tv()->textLength();
    QList<TextFind::Edit> edits;
    for (int i = 1; i <= 10; ++i) edits << TextFind::Edit{{n / 11 * i, 4}, QStringLiteral("edit")};
    tv()->setSelectedRange({n - 1, 0});
    ASSERT_TRUE(tv()->replaceRanges(edits));
    const AttributedText& storage = tv()->coordinator()->storage();
    for (const bool undoing : {true, false}) {
        tv()->setSelectedRange({n - 1, 0});
        const qint64 before = storage.unitsMoved();
        undoing ? tv()->undo() : tv()->redo();
        EXPECT_LT(storage.unitsMoved() - before, n + n / 4) << undoing;
    }
    EXPECT_EQ(tv()->text().mid(n / 11, 4), QStringLiteral("edit"));
}

// A few matches close together on a long line are much work at once (each edit lays out the
// whole line again) and go in turns; the styling is not held for them as for many matches
// close together, which would have the whole text after them styled and laid out again.
TEST_F(EditorViewTest, AFewMatchesOnALongLineGoInTurnsWithoutRestylingTheTextAfterThem)
{
    const QString line = QStringLiteral("word ").repeated(16 * 1024) + QStringLiteral("Zed and Zed and Zed ")
                         + QStringLiteral("word ").repeated(4 * 1024) + u'\n';
    const QString original = QStringLiteral("# Top\n\n") + line + u'\n' + longMarkdown(2 * 1024 * 1024);
    view->loadText(original);
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    QList<TextRange> matches;
    for (qsizetype at = 0; (at = original.indexOf(QStringLiteral("Zed"), at)) >= 0; at += 3)
        matches.append(TextRange(int(at), 3));
    const auto settled = [&] { return !tv()->isReadOnly(); };
    ASSERT_TRUE(tv()->replaceMatches(matches, QStringLiteral("Zephyr"), std::nullopt));
    ASSERT_TRUE(QTest::qWaitFor(settled, 20000));
    EXPECT_FALSE(tv()->coordinator()->isStylingPending());
    QString expected = original;
    expected.replace(QStringLiteral("Zed"), QStringLiteral("Zephyr"));
    EXPECT_EQ(tv()->text(), expected);
    tv()->undo();
    ASSERT_TRUE(QTest::qWaitFor(settled, 20000));
    EXPECT_EQ(tv()->text(), original);
}

// A fence line typed in the middle of a long text pairs every fence below it anew: each of its
// keys paired them all again from the whole text and restyled everything to the end of the
// text, holding the window for a second at 8 MB. The key reads nothing of the text far from
// it; what is on screen is restyled at once and the rest in slices, and what comes into view
// before the slices get there is styled before it is painted. Once they are done, the text
// looks and lies as in a view that took it whole.
TEST_F(EditorViewTest, AFenceTypedInALongTextRestylesTheScreenAtOnceAndTheRestInSlices)
{
    QString doc;
    for (int i = 0; i < 4000; ++i) {
        doc += QStringLiteral("## Part %1\n\nSome **bold** text, `code` and more words.\n\n").arg(i);
        if (i % 8 == 0) doc += QStringLiteral("```js\nlet x = %1; // note\n```\n\n").arg(i);
    }
    view->loadText(doc);
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    tv()->setSelectedRange({int(doc.indexOf(QStringLiteral("\n\n"), doc.size() / 2)) + 1, 0});
    tv()->ensureCursorVisible();
    QApplication::processEvents();
    const int gapsClosed = tv()->coordinator()->storage().gapsClosed();
    QTest::keyClicks(tv(), "```");
    EXPECT_EQ(tv()->coordinator()->storage().gapsClosed(), gapsClosed);
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    // Formats and places of every block, to compare with a view that took the text whole.
    auto looks = [](MarkdownTextView* v, const QTextBlock& b) {
        QStringList out{QString::number(v->pagedLayout()->blockTop(b))};
        for (const QTextLayout::FormatRange& r : v->coordinator()->formatsOf(b))
            out << QStringLiteral("%1+%2 %3 %4")
                       .arg(r.start)
                       .arg(r.length)
                       .arg(r.format.foreground().color().name(QColor::HexArgb), r.format.font().family());
        return out;
    };
    MarkdownEditorView fresh;
    fresh.resize(view->size());
    fresh.applyConfig(*tv()->coordinator()->appliedConfig());
    fresh.show();
    fresh.loadText(tv()->text());
    fresh.markdownTextView()->coordinator()->finishStyling();
    fresh.markdownTextView()->pagedLayout()->finishLayout();
    const QTextDocument* wholeDoc = fresh.markdownTextView()->document();
    // Shown far below before the slices got there: painted as styled whole.
    QScrollBar* bar = tv()->verticalScrollBar();
    bar->setValue(bar->maximum() * 3 / 4);
    tv()->viewport()->grab();
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    const double top = bar->value() - layout()->textOrigin().y();
    int shownBlocks = 0;
    for (QTextBlock b = layout()->blockAtY(top);
         b.isValid() && layout()->blockTop(b) < top + tv()->viewport()->height(); b = b.next(), ++shownBlocks)
        EXPECT_EQ(looks(tv(), b).mid(1), looks(fresh.markdownTextView(), wholeDoc->findBlock(b.position())).mid(1))
            << b.text().toStdString();
    EXPECT_GT(shownBlocks, 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->coordinator()->isStylingPending(); }, 60000));
    layout()->finishLayout();
    int differ = 0;
    for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next())
        differ += looks(tv(), b) != looks(fresh.markdownTextView(), wholeDoc->findBlock(b.position()));
    EXPECT_EQ(differ, 0);
}

// A change of look restyles a long text as a new one is styled: what the view shows at once,
// the rest in slices, which leave it styled and laid out as a view that took it in that look.
TEST_F(EditorViewTest, AChangeOfLookRestylesTheScreenAtOnceAndTheRestInSlices)
{
    QString doc;
    for (int i = 0; i < 5000; ++i) {
        doc += QStringLiteral("## Part %1\n\nSome **bold** text, `code` and [a link](https://x.org).\n\n").arg(i);
        if (i % 8 == 0)
            doc += QStringLiteral("```js\nlet x = %1; // note\n```\n\n| a | b |\n|---|--:|\n| 1 | 2 |\n\n").arg(i);
    }
    view->loadText(doc);
    tv()->coordinator()->finishStyling();
    layout()->finishLayout();
    QScrollBar* bar = tv()->verticalScrollBar();
    bar->setValue(bar->maximum() / 3);
    QApplication::processEvents();
    setConfig([](EditorConfig& c) {
        c.appearanceMode = "dark";
        c.fontSize = 18;
    });
    ASSERT_TRUE(tv()->coordinator()->isStylingPending());
    auto looks = [](MarkdownTextView* v, const QTextBlock& b) {
        QStringList out{QString::number(v->pagedLayout()->blockTop(b))};
        for (const QTextLayout::FormatRange& r : v->coordinator()->formatsOf(b))
            out << QStringLiteral("%1+%2 %3 %4")
                       .arg(r.start)
                       .arg(r.length)
                       .arg(r.format.foreground().color().name(QColor::HexArgb))
                       .arg(r.format.font().pointSizeF());
        return out;
    };
    MarkdownEditorView fresh;
    fresh.resize(view->size());
    fresh.applyConfig(*tv()->coordinator()->appliedConfig());
    fresh.show();
    fresh.loadText(doc);
    fresh.markdownTextView()->coordinator()->finishStyling();
    fresh.markdownTextView()->pagedLayout()->finishLayout();
    const QTextDocument* wholeDoc = fresh.markdownTextView()->document();
    // What the view shows is in the new look before the slices get there.
    const int shown = layout()->blockAtY(bar->value() - layout()->textOrigin().y()).position();
    for (QTextBlock b = tv()->document()->findBlock(shown); b.isValid() && b.position() < shown + 2000; b = b.next())
        EXPECT_EQ(looks(tv(), b).mid(1), looks(fresh.markdownTextView(), wholeDoc->findBlock(b.position())).mid(1))
            << b.text().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->coordinator()->isStylingPending(); }, 60000));
    layout()->finishLayout();
    EXPECT_EQ(firstDifferenceFromWholeRestyle(tv()->coordinator()->storage(), tv()->coordinator()->styler()), -1);
    int differ = 0;
    for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next())
        differ += looks(tv(), b) != looks(fresh.markdownTextView(), wholeDoc->findBlock(b.position()));
    EXPECT_EQ(differ, 0);
}

// Right-to-left paragraphs start at the right margin: all of them with the "rtl" setting,
// a Hebrew one by itself with the natural direction; an alignment directive stays as written.
TEST_F(EditorViewTest, RightToLeftParagraphsStartAtTheRightMargin)
{
    view->loadText(QString::fromUtf8("Latin words\n\nשלום עולם\n\n{.left}\nשלום עולם"));
    layout()->finishLayout();
    const double width = layout()->textWidth();
    auto edges = [this](int block) {
        const QTextBlock b = tv()->document()->findBlockByNumber(block);
        layout()->blockBoundingRect(b);
        const QRectF r = b.layout()->lineAt(0).naturalTextRect();
        return std::pair(r.left(), r.right());
    };
    EXPECT_NEAR(edges(0).first, 0, 1);      // Latin: at the left
    EXPECT_NEAR(edges(2).second, width, 1); // Hebrew: at the right
    EXPECT_NEAR(edges(5).first, 0, 1);      // "{.left}" keeps it left
    setConfig([](EditorConfig& c) { c.textDirection = "rtl"; });
    layout()->finishLayout();
    EXPECT_NEAR(edges(0).second, width, 1);
    EXPECT_NEAR(edges(2).second, width, 1);
    setConfig([](EditorConfig& c) { c.textDirection = "ltr"; });
    layout()->finishLayout();
    EXPECT_NEAR(edges(2).first, 0, 1);
}

TEST_F(EditorViewTest, ControlWheelZoomsThePagesNotTheFont)
{
    view->loadText("text");
    const QFont before = tv()->document()->defaultFont();
    QWheelEvent wheel(QPointF(50, 50), tv()->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tv()->viewport(), &wheel);
    EXPECT_NEAR(tv()->magnification(), 1.1, 1e-9);
    EXPECT_EQ(tv()->document()->defaultFont().pixelSize(), std::lround(before.pixelSize() * 1.1));
}

TEST_F(EditorViewTest, EmojiAndWikiLinkCompletionOpenWhileTyping)
{
    QTemporaryDir folder;
    for (const char* name : {"Notes.md", "No.md", "Another note.md", "me.md"}) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    tv()->documentPath = [&] { return folder.filePath("me.md"); };
    view->loadText("");
    QApplication::setActiveWindow(view.get());
    tv()->setFocus();
    QTest::keyClicks(tv(), ":a");
    QApplication::processEvents();
    EXPECT_FALSE(tv()->completion()->completer()->popup()->isVisible()); // one name letter
    QTest::keyClicks(tv(), "pp");
    QApplication::processEvents();
    ASSERT_TRUE(tv()->completion()->completer()->popup()->isVisible());
    EXPECT_EQ(tv()->completion()->completer()->completionModel()->index(0, 0).data().toString(),
              QString::fromUtf8("🍎"));
    QTest::keyClick(tv()->completion()->completer()->popup(), Qt::Key_Return);
    EXPECT_EQ(view->text(), QString::fromUtf8("🍎"));

    view->loadText("");
    QTest::keyClicks(tv(), "see [[no");
    QApplication::processEvents();
    ASSERT_TRUE(tv()->completion()->completer()->popup()->isVisible());
    QStringList shown;
    for (int i = 0; i < tv()->completion()->completer()->completionModel()->rowCount(); ++i)
        shown << tv()->completion()->completer()->completionModel()->index(i, 0).data().toString();
    EXPECT_EQ(shown, (QStringList{"No]]", "Notes]]", "Another note]]"}));
    QTest::keyClick(tv()->completion()->completer()->popup(), Qt::Key_Return);
    EXPECT_EQ(view->text(), "see [[No]]");
    QApplication::processEvents();
    EXPECT_FALSE(tv()->completion()->completer()->popup()->isVisible());

    // Control-click on the link asks the window to open the file.
    QString opened;
    QObject ctx;
    NotificationBus::instance().observe("Brindlewick.openWikiLink", &ctx,
                                        [&](const QVariant& v) { opened = v.toString(); });
    QTextCursor c(tv()->document());
    c.setPosition(7);
    const QPoint at = tv()->cursorRect(c).center() + QPoint(2, 0);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(opened, folder.filePath("No.md"));
    // On a later line too.
    view->loadText("first line\nsee [[No]]");
    opened.clear();
    c = QTextCursor(tv()->document());
    c.setPosition(17);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tv()->cursorRect(c).center() + QPoint(2, 0));
    EXPECT_EQ(opened, folder.filePath("No.md"));
}

TEST_F(EditorViewTest, FocusModeDimsEverythingButTheCaretParagraph)
{
    view->loadText("first paragraph\n\nsecond paragraph");
    setConfig([](EditorConfig& c) { c.focusMode = true; });
    auto alphaAt = [&](int blockNumber) {
        double alpha = 1;
        for (const auto& r : StyledBlocks::formatsOf(tv()->document()->findBlockByNumber(blockNumber)))
            if (r.start == 0 && r.format.hasProperty(QTextFormat::ForegroundBrush))
                alpha = r.format.foreground().color().alphaF();
        return alpha;
    };
    tv()->setSelectedRange({2, 0});
    EXPECT_LT(alphaAt(2), alphaAt(0));
    tv()->setSelectedRange({20, 0});
    EXPECT_LT(alphaAt(0), alphaAt(2));
}

TEST_F(EditorViewTest, FocusModeDimsTheLastLineFromTheStart)
{
    // Focus mode is on before the document arrives, as at launch. The restyle after the
    // caret settles ends where the last line begins; that line must keep its dimming (and
    // a heading there its look) without waiting for the caret to visit it.
    setConfig([](EditorConfig& c) { c.focusMode = true; });
    view->loadText("first paragraph\n\nsecond paragraph\n\n# third");
    QCoreApplication::processEvents();
    const auto alphaAt = [&](int blockNumber) {
        double alpha = 1;
        for (const auto& r : tv()->document()->findBlockByNumber(blockNumber).layout()->formats())
            if (r.start == 0 && r.format.hasProperty(QTextFormat::ForegroundBrush))
                alpha = r.format.foreground().color().alphaF();
        return alpha;
    };
    ASSERT_EQ(tv()->selectedRange().location, 0);
    EXPECT_LT(alphaAt(2), alphaAt(0));
    EXPECT_LT(alphaAt(4), alphaAt(0));
    setConfig([](EditorConfig& c) { c.focusMode = false; });
    view->loadText("first paragraph\n\nsecond paragraph\n\n# third");
    QCoreApplication::processEvents();
    EXPECT_FALSE(tv()->document()->lastBlock().layout()->formats().isEmpty());
}

TEST_F(EditorViewTest, FocusModeRestylesOnlyWhereTheDimmingChanges)
{
    QString doc;
    for (int i = 0; i < 12; ++i)
        doc += QStringLiteral("# Part %1\n\nSome **bold** text and a [link](https://x.org) here.\n"
                              "- item\n- item two\n\n```\ncode %1\n```\n\n| a | b |\n|---|---|\n| 1 | 2 |\n\n")
                   .arg(i);
    view->loadText(doc);
    setConfig([](EditorConfig& c) { c.focusMode = true; });
    auto looks = [&] {
        QList<QList<QTextLayout::FormatRange>> formats;
        for (QTextBlock b = tv()->document()->begin(); b.isValid(); b = b.next()) formats.append(b.layout()->formats());
        return formats;
    };
    auto sameAsFullRestyle = [&] {
        const auto incremental = looks();
        tv()->coordinator()->restyle(std::nullopt);
        return incremental == looks();
    };
    // Caret moves: a line, then far away, then within the line.
    for (const int pos : {30, 31, 700, 705, 2, 1500, int(doc.size()) - 3}) {
        tv()->setSelectedRange({pos, 0});
        EXPECT_TRUE(sameAsFullRestyle()) << pos;
    }
    // Edits on the focus line, above it and elsewhere, and a selection over several lines.
    tv()->setSelectedRange({40, 0});
    QTest::keyClicks(tv(), "typed ");
    EXPECT_TRUE(sameAsFullRestyle());
    QTest::keyClick(tv(), Qt::Key_Return);
    EXPECT_TRUE(sameAsFullRestyle());
    controller.replace({0, 9}, QString());
    EXPECT_TRUE(sameAsFullRestyle());
    tv()->setSelectedRange({200, 300});
    EXPECT_TRUE(sameAsFullRestyle());
    QTest::keyClick(tv(), Qt::Key_Backspace);
    EXPECT_TRUE(sameAsFullRestyle());
    tv()->undo();
    EXPECT_TRUE(sameAsFullRestyle());
}

TEST_F(EditorViewTest, ContinuousSpellCheckingUnderlinesWhenOn)
{
    view->loadText("A wrongg word\nnext");
    tv()->setSelectedRange({16, 0});
    auto underlined = [&] {
        for (const auto& r : tv()->document()->firstBlock().layout()->formats())
            if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline) return r.start == 2 && r.length == 6;
        return false;
    };
    EXPECT_FALSE(underlined());
    setConfig([](EditorConfig& c) {
        c.spellCheck = true;
        c.spellLanguage = "en_US";
    });
    if (!SpellChecker::shared().isAvailable()) GTEST_SKIP() << "no dictionary";
    EXPECT_TRUE(underlined());
    EXPECT_EQ(view->text(), "A wrongg word\nnext");
    EXPECT_FALSE(tv()->document()->isModified());
    setConfig([](EditorConfig& c) { c.spellCheck = false; });
    EXPECT_FALSE(underlined());
}

// A right-click on a flagged word offers the dictionary's suggestions above the text
// edit's own items; picking one replaces the word as one undoable edit. Adding a word
// takes its mark away in every window at once.
TEST_F(EditorViewTest, ARightClickOnAMisspelledWordOffersSuggestionsAndTheDictionary)
{
    SpellChecker::shared().usePersonalDictionary(dir.filePath("words.txt"));
    view->loadText("A wrongg word and `codde`\nBrindlewickz again");
    MarkdownEditorView other;
    other.setController(nullptr);
    for (MarkdownEditorView* v : {view.get(), &other}) {
        EditorConfig c = *v->markdownTextView()->coordinator()->appliedConfig();
        c.spellCheck = true;
        c.spellLanguage = "en_US";
        v->applyConfig(c);
    }
    if (!SpellChecker::shared().isAvailable()) GTEST_SKIP() << "no dictionary";
    other.loadText("Brindlewickz too");
    auto marked = [](MarkdownTextView* v, int block) {
        QStringList out;
        const QTextBlock b = v->document()->findBlockByNumber(block);
        for (const auto& r : b.layout()->formats())
            if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                out << b.text().mid(r.start, r.length);
        return out;
    };
    tv()->setSelectedRange({0, 0});
    ASSERT_EQ(marked(tv(), 0), QStringList{"wrongg"});
    // Offers what the menu holds for the word at `pos` and picks `choice` from it.
    auto rightClick = [this](int pos, const QString& choice) {
        tv()->viewport()->grab();
        const QRect caret = tv()->cursorRect([&] {
            QTextCursor c(tv()->document());
            c.setPosition(pos);
            return c;
        }());
        const QPoint at = caret.center() + QPoint(2, 0);
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, tv()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(tv()->viewport(), &e);
        QStringList offered;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return offered;
        for (QAction* a : menu->actions())
            offered << (a->isSeparator() ? QString("-") : QString(a->text()).remove(u'&').section(u'\t', 0, 0));
        for (QAction* a : menu->actions())
            if (QString(a->text()).remove(u'&') == choice) a->trigger();
        menu->close();
        return offered;
    };
    const QStringList offered = rightClick(4, "wrong");
    ASSERT_FALSE(offered.isEmpty());
    EXPECT_EQ(offered.first(), "wrong");
    const qsizetype ignore = offered.indexOf("Ignore Spelling");
    ASSERT_GT(ignore, 0);
    EXPECT_EQ(offered.mid(ignore - 1, 4), (QStringList{"-", "Ignore Spelling", "Add to Dictionary", "-"}));
    EXPECT_TRUE(offered.mid(ignore).contains("Copy") && offered.mid(ignore).contains("Paste"));
    EXPECT_EQ(view->text(), "A wrong word and `codde`\nBrindlewickz again");
    EXPECT_EQ(tv()->selectedRange(), TextRange(7, 0));
    view->undo();
    EXPECT_EQ(view->text(), "A wrongg word and `codde`\nBrindlewickz again");
    // Code is never flagged, so it offers nothing of spelling.
    EXPECT_FALSE(rightClick(20, "").contains("Ignore Spelling"));

    ASSERT_EQ(marked(other.markdownTextView(), 0), QStringList{"Brindlewickz"});
    rightClick(30, "Add to Dictionary");
    EXPECT_TRUE(marked(tv(), 1).isEmpty());
    EXPECT_TRUE(marked(other.markdownTextView(), 0).isEmpty());
    EXPECT_EQ(view->text(), "A wrongg word and `codde`\nBrindlewickz again");
    SpellChecker::shared().usePersonalDictionary(dir.filePath("none.txt"));
}

// A long text's document, built elsewhere and taken in whole, is shown at once: the view
// repaints what it shows and scrolls over all of its pages.
TEST_F(EditorViewTest, ADocumentBuiltElsewhereIsShownOnceTakenIn)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QString text;
    for (int i = 0; i < 300; ++i) text += QStringLiteral("## Part %1\n\nSome **text** of part %1.\n\n").arg(i);
    QWidget* port = tv()->viewport();
    PaintedRegion painted;
    port->installEventFilter(&painted);
    port->update(); // the empty page painted first, so that only the text's paint counts
    ASSERT_TRUE(QTest::qWaitFor([&] { return !painted.region.isEmpty(); }, 5000));
    painted.region = QRegion();
    auto doc = std::make_unique<QTextDocument>();
    doc->setPlainText(text);
    view->loadBuiltText({text, std::move(doc), DocStats::countLines(text)});
    QApplication::processEvents();
    port->removeEventFilter(&painted);
    EXPECT_TRUE((QRegion(port->rect()) - painted.region).isEmpty()) << painted.region.boundingRect().height();
    EXPECT_GT(tv()->verticalScrollBar()->maximum(), 10 * port->height());
}

// While a long file's text is still being built the view takes no edit and keeps the keys
// typed; a command given meanwhile (Select All from the menu, Bold from its key or the
// palette) waits with them and runs in its turn, on the text the keys before it made.
TEST_F(EditorViewTest, CommandsGivenWhileTheTextIsStillComingWaitInOrderWithTheKeys)
{
    view->setReadOnly(true);
    controller.inTurn([&] { view->selectAll(); });
    QTest::keyClicks(tv(), "Z");
    controller.inTurn([&] { view->selectAll(); });
    controller.inTurn([&] { controller.wrap(QStringLiteral("**")); });
    QTest::keyClick(tv(), Qt::Key_End);
    QTest::keyClicks(tv(), "!");
    EXPECT_EQ(tv()->text(), QString());
    const QString text = QStringLiteral("## Section 1\n\nSome text.\n");
    auto doc = std::make_unique<QTextDocument>();
    doc->setPlainText(text);
    view->loadBuiltText({text, std::move(doc), DocStats::countLines(text)});
    view->setReadOnly(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->keptInput()->isHolding(); }, 5000));
    EXPECT_EQ(tv()->text(), QStringLiteral("**Z**!"));
}

// A stretch put over the text while the view takes no edit (a version restored while a paste
// goes in) is kept and goes in at its turn, ahead of the keys typed after it: it was promised.
TEST_F(EditorViewTest, AStretchPutWhileTheViewIsBusyGoesInAheadOfTheKeysTypedAfterIt)
{
    view->loadText(QStringLiteral("abc"));
    tv()->setSelectedRange({0, 0});
    view->setReadOnly(true);
    EXPECT_TRUE(view->pasteOver(TextRange(1, 1), QStringLiteral("B")));
    QTest::keyClicks(tv(), "X");
    view->setReadOnly(false);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !tv()->keptInput()->isHolding() && !tv()->longPaste()->isActive(); }, 5000));
    EXPECT_EQ(tv()->text(), QStringLiteral("aBXc"));
}

// The words, characters and lines the status bar shows, and the minimap's line lengths,
// follow each edit from the lines it touched; after random edits (typing, Return, pasted
// lines, deleted ranges across lines, undo) they equal a count of the whole text. So too in
// a document built elsewhere and taken in whole (a long file's), whose edited flag the view
// reports as well.
TEST_F(EditorViewTest, RunningCountsAndMinimapLinesFollowEditsLikeAWholeCount)
{
    view->setMinimapVisible(true);
    const QString text = QStringLiteral("# Title\n\nsome words here\r\nand 😀 more\n- item\n");
    for (const bool built : {false, true}) {
        if (built) {
            auto doc = std::make_unique<QTextDocument>();
            doc->setPlainText(text);
            const QString held = TextDocumentBuild::asHeld(text);
            view->loadBuiltText({held, std::move(doc), DocStats::countLines(held)});
            ASSERT_EQ(tv()->pagedLayout()->document(), tv()->document());
        } else {
            view->loadText(text);
        }
        QSignalSpy edited(view.get(), &EditorHost::modificationChanged);
        std::mt19937 rng(3);
        const QStringList inserts{"x", " ", "\n", "two words\nnext line ", "é\u0301", "\r\n", ""};
        for (int step = 0; step < 120; ++step) {
            const int n = tv()->textLength();
            const int a = int(rng() % (n + 1));
            const int b = a + int(rng() % (std::min(n - a, 12) + 1));
            if (step % 17 == 16)
                tv()->undo();
            else
                controller.replace({a, b - a}, inserts[int(rng() % inserts.size())]);
            controller.updateCounts();
            const DocStats whole = DocStats::compute(tv()->text());
            const DocStats& shown = controller.counts();
            ASSERT_EQ(shown.words, whole.words) << step;
            ASSERT_EQ(shown.characters, whole.characters) << step;
            ASSERT_EQ(shown.charactersNoSpaces, whole.charactersNoSpaces) << step;
            ASSERT_EQ(shown.lines, whole.lines) << step;
            ASSERT_EQ(controller.stats(), whole) << step;
            ASSERT_EQ(view->findChild<MinimapView*>()->lineLengths(), MinimapModel::lineLengths(tv()->text()))
                << built << " " << step;
        }
        EXPECT_TRUE(view->isModified());
        EXPECT_FALSE(edited.isEmpty()) << built;
    }
}

// A long text put in place of the whole text from outside (a version restored), the caret
// elsewhere: the editor's own copy of the text follows the document.
TEST_F(EditorViewTest, ALongTextPutOverTheWholeTextIsTheTextEverywhere)
{
    const QString old = longMarkdown(1024 * 1024);
    view->loadText(old);
    layout()->finishLayout();
    tv()->setSelectedRange({1000, 0});
    QString other = longMarkdown(LongPaste::kLongUnits + 1000);
    other.replace("text", "TEXT");
    ASSERT_TRUE(view->pasteOver(TextRange(0, tv()->textLength()), other));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->longPaste()->isActive(); }, 30000));
    EXPECT_EQ(tv()->document()->toPlainText(), other);
    EXPECT_TRUE(tv()->text() == other);
    tv()->undo(); // one step
    EXPECT_TRUE(tv()->text() == old);
}

// A stretch found in the text as it stands is not put in behind keys still waiting to go in,
// which would move the text under it.
TEST_F(EditorViewTest, AStretchIsNotPutOverBehindKeysStillWaiting)
{
    view->loadText("abc");
    tv()->setSelectedRange({0, 0});
    view->setReadOnly(true);
    QTest::keyClicks(tv(), "X");
    EXPECT_FALSE(view->pasteOver(TextRange(1, 1), "B"));
    view->setReadOnly(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->keptInput()->isHolding(); }, 5000));
    EXPECT_EQ(tv()->text(), "Xabc");
}
