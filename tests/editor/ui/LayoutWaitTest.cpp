// A long text is laid out in slices after it opens, and again after a zoom. A click, a find or
// a command that goes to a place far down waits for the layout to reach it in slices, the
// window going on and the keys waiting meanwhile, and shows it then.
#include "editor/ui/LayoutWait.h"
#include "EditorViewFixture.h"
#include "editor/ui/KeptInput.h"

#include <QElapsedTimer>

namespace {

bool caretShown(MarkdownTextView* tv)
{
    const QRect r = tv->cursorRect();
    return r.top() >= 0 && r.bottom() <= tv->viewport()->height();
}

} // namespace

// Ctrl+End, up some screens onto sheets not laid out yet, a click and three letters: Qt put the
// caret at the end of the part laid out, far from the click, and the letters went in there, out
// of sight. The text where the click was is laid out first; the caret goes there, the letters
// after it.
TEST_F(EditorViewTest, AClickOnASheetNotLaidOutYetPutsTheCaretWhereTheClickWas)
{
    const QString doc = longMarkdown();
    view->loadText(doc);
    QTest::keyClick(tv(), Qt::Key_End, Qt::ControlModifier);
    ASSERT_GT(layout()->endPlacedFrom(), 0);
    // Some sheets above the end laid out ahead.
    const double endTop = layout()->blockTop(tv()->document()->findBlock(layout()->endPlacedFrom()));
    QScrollBar* bar = tv()->verticalScrollBar();
    bar->setValue(int(endTop) - 10000);
    const QPoint at(tv()->viewport()->width() / 2, tv()->viewport()->height() / 2);
    const int laidOut = layout()->placedUpTo();
    const double y = bar->value() + at.y() - layout()->textOrigin().y();
    ASSERT_GT(y, layout()->blockBottom(tv()->document()->findBlock(laidOut).previous()));
    ASSERT_LT(y, endTop);
    QTest::mouseClick(tv()->viewport(), Qt::LeftButton, {}, at);
    QTest::keyClicks(tv(), "KLM");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tv()->textLength() == doc.size() + 3; }, 30000));
    EXPECT_GT(tv()->text().indexOf(u"KLM"), doc.size() / 2) << laidOut;
    const QRect caret = tv()->cursorRect();
    EXPECT_NEAR(caret.center().y(), at.y(), caret.height());
}

// Commands that go far down a long text still being laid out laid out all the text above that
// place at once, the window frozen meanwhile (at 100 MiB: Select All from the menu 12.7 s, a
// find's match near the end 21.5 s, a zoom 5 to 22 s, the undo of typing over all of it 20 s).
// Each leaves the rest to the slices, and what it shows is shown once its place is laid out:
// the match, the caret's line where it was before the zoom, the caret after the undo.
TEST_F(EditorViewTest, CommandsThatGoFarDownALongTextWaitForItInSlices)
{
    const QString doc = longMarkdown();
    QElapsedTimer clock;
    view->loadText(doc);
    clock.start();
    view->selectAll(); // as the menu does it
    tv()->viewport()->repaint();
    EXPECT_LT(clock.elapsed(), 400);
    EXPECT_TRUE(layout()->isLayoutPending());
    EXPECT_EQ(tv()->selectedRange(), TextRange(0, int(doc.size())));

    view->loadText(doc);
    const TextRange match(int(doc.indexOf(QStringLiteral("Part 040000"))), 11);
    clock.restart();
    tv()->setSelectedRange(match);
    tv()->scrollRangeToVisible(match);
    EXPECT_LT(clock.elapsed(), 400);
    EXPECT_TRUE(layout()->isLayoutPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return caretShown(tv()); }, 30000));
    EXPECT_EQ(tv()->selectedRange(), match);

    const int caretTop = tv()->cursorRect().top();
    clock.restart();
    tv()->setMagnification(1.5, false);
    EXPECT_LT(clock.elapsed(), 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return layout()->isPlaced(match.location); }, 30000));
    EXPECT_EQ(tv()->cursorRect().top(), caretTop);

    view->loadText(doc);
    QTest::keyClick(tv(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(tv(), "x");
    ASSERT_EQ(tv()->textLength(), 1);
    QTest::keyClick(tv(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(layout()->isLayoutPending());
    EXPECT_EQ(tv()->textLength(), doc.size());
    ASSERT_TRUE(QTest::qWaitFor([&] { return caretShown(tv()); }, 30000));
}

// A key typed while the view waits for a place far down, then the text replaced from outside
// (the file changed on disk): the wait goes with the old text, and the key, kept, goes into the
// new one. It stayed kept, the window marked edited, until another key came.
TEST_F(EditorViewTest, KeysKeptForAPlaceFarDownGoInWhenTheTextIsReplaced)
{
    const QString doc = longMarkdown();
    view->loadText(doc);
    const TextRange far(int(doc.indexOf(QStringLiteral("Part 040000"))), 0);
    tv()->setSelectedRange(far);
    ASSERT_TRUE(tv()->layoutWait()->isWaiting());
    QTest::keyClicks(tv(), "x");
    ASSERT_TRUE(tv()->keptInput()->isHolding());
    view->loadText(QStringLiteral("new text\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tv()->keptInput()->isHolding(); }, 5000));
    EXPECT_TRUE(tv()->text().contains(u'x'));
}
