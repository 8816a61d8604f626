// A long text is laid out in slices after it opens. A click on a place far down waits for the
// layout to reach it in slices, the window going on and the keys waiting meanwhile.
#include "EditorViewFixture.h"

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
