#include "editor/EditorController.h"
#include "FakeTextView.h"

#include <QSignalSpy>
#include <QThreadPool>
#include <gtest/gtest.h>

#include <random>

#include <cmath>

TEST(EditorController, ReplaceIsOneUndoStepAndAppliesSelectionAfterwards)
{
    FakeTextView view("hello world", {0, 5});
    EditorController c;
    c.setTextView(&view);
    c.replace({0, 5}, "howdy", TextRange(0, 5));
    EXPECT_EQ(view.text(), "howdy world");
    EXPECT_EQ(view.selectedRange(), TextRange(0, 5));
    ASSERT_TRUE(view.undo());
    EXPECT_EQ(view.text(), "hello world");
    EXPECT_EQ(view.selectedRange(), TextRange(0, 5));
}

TEST(EditorController, ReplaceOutOfRangeOrRefusedChangesNothing)
{
    FakeTextView view("abc", {1, 0});
    EditorController c;
    c.setTextView(&view);
    c.replace({2, 2}, "x", TextRange(0, 0));
    EXPECT_EQ(view.text(), "abc");
    EXPECT_EQ(view.selectedRange(), TextRange(1, 0));
    view.refuseChanges = 1;
    c.replace({0, 1}, "x", TextRange(0, 0));
    EXPECT_EQ(view.text(), "abc");
    EXPECT_EQ(view.selectedRange(), TextRange(1, 0));
}

TEST(EditorController, ViewGoneMakesOperationsNoOps)
{
    EditorController c;
    {
        QObject owner;
        FakeTextView view("abc");
        c.setTextView(&view, &owner);
        EXPECT_NE(c.textView(), nullptr);
    }
    EXPECT_EQ(c.textView(), nullptr);
    c.replace({0, 0}, "x");
    c.updateCounts();
    EXPECT_EQ(c.stats(), DocStats{});
}

TEST(EditorController, ZoomStepsRoundAndClamp)
{
    EditorController c;
    c.zoomIn();
    EXPECT_DOUBLE_EQ(c.zoom(), 1.1);
    c.setZoom(4.95, false);
    c.zoomIn();
    EXPECT_DOUBLE_EQ(c.zoom(), 5.0);
    c.setZoom(0.3, false);
    c.zoomOut();
    EXPECT_DOUBLE_EQ(c.zoom(), 0.25);
    c.zoomOut();
    EXPECT_DOUBLE_EQ(c.zoom(), 0.25);
    c.setZoom(7, false);
    EXPECT_DOUBLE_EQ(c.zoom(), 5.0);
    c.setZoom(0.1, false);
    EXPECT_DOUBLE_EQ(c.zoom(), 0.25);
    c.setZoom(std::nan(""), false);
    EXPECT_DOUBLE_EQ(c.zoom(), 1.0);
}

namespace {
struct FakeScroll : EditorScrollView {
    QSizeF size;
    double mag = 1;
    QSizeF viewportSize() const override { return size; }
    double verticalScrollerWidth() const override { return 0; }
    void setMagnification(double f, bool) override { mag = f; }
};
} // namespace

TEST(EditorController, FitPageTakesTheSmallerRatio)
{
    FakeScroll s;
    s.size = QSizeF(436, 1112);
    EditorController c;
    c.setScrollView(&s);
    c.fitPage();
    EXPECT_DOUBLE_EQ(c.zoom(), 0.5);
    EXPECT_DOUBLE_EQ(s.mag, 0.5);
}

TEST(DocStats, CountingRules)
{
    EXPECT_EQ(DocStats::compute(u""), DocStats{});
    auto s = DocStats::compute(u"a\n");
    EXPECT_EQ(s.lines, 2);
    EXPECT_EQ(s.paragraphs, 1);
    EXPECT_EQ(DocStats::compute(u"a\n\n\nb").paragraphs, 2);
    EXPECT_EQ(DocStats::compute(u"a\r\n\r\nb\r\n").paragraphs, 2); // a blank CR LF line separates
    EXPECT_EQ(DocStats::compute(u"a\r\n\r\nb\r\n").lines, 4);
    EXPECT_EQ(DocStats::compute(u"two words").sentences, 1);
    EXPECT_EQ(DocStats::compute(u"3.14").sentences, 0);
    EXPECT_EQ(DocStats::compute(u"Wait... what?!").sentences, 2);
    EXPECT_EQ(DocStats::compute(u"word").readingMinutes, 1);
    QString w200, w201;
    for (int i = 0; i < 200; ++i) w200 += "w ";
    w201 = w200 + "x";
    EXPECT_EQ(DocStats::compute(w200).readingMinutes, 1);
    EXPECT_EQ(DocStats::compute(w201).readingMinutes, 2);
    // Emoji with a skin tone and a CR LF pair are one character each.
    s = DocStats::compute(QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD\r\nx"));
    EXPECT_EQ(s.characters, 3);
    EXPECT_EQ(s.charactersNoSpaces, 2);
    EXPECT_EQ(s.words, 2);
}

// Lines of plain units are counted one unit per character without a boundary search;
// whatever the mix, the figures equal those of the grapheme count.
TEST(DocStats, PlainLinesCountLikeGraphemes)
{
    const QStringList pieces{"a",
                             " ",
                             "\n",
                             "\r\n",
                             "\r",
                             "e\u0301",
                             QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"),
                             "\u1100\u1161",
                             "\t",
                             "\u00A0",
                             "x\u200D"};
    std::mt19937 rng(9);
    for (int round = 0; round < 2000; ++round) {
        QString t;
        for (int k = int(rng() % 12); k > 0; --k) t += pieces[int(rng() % pieces.size())];
        const DocStats s = DocStats::compute(t);
        ASSERT_EQ(s.characters, DocStats::countCharacters(t)) << qPrintable(t);
        ASSERT_EQ(s.words, DocStats::countWords(t)) << qPrintable(t);
    }
}

// Counting a long selection held the window (Select All at 100 MiB: 2 s, after the key): it
// is counted on another thread, and a count that a later selection overtook is dropped.
TEST(EditorController, ALongSelectionIsCountedApartAndALaterOneOvertakesIt)
{
    QString text;
    while (text.size() < EditorController::countApartUnits) text += QStringLiteral("word ");
    FakeTextView view(text, {0, int(text.size())});
    EditorController c;
    c.setTextView(&view);
    QSignalSpy counted(&c, &EditorController::selectionStatsChanged);
    c.updateSelectionStats();
    EXPECT_EQ(c.selectionWords(), 0);
    ASSERT_TRUE(counted.wait(10000));
    EXPECT_EQ(c.selectionWords(), text.size() / 5);
    EXPECT_EQ(c.selectionChars(), text.size());
    view.setSelectedRange({0, 0});
    c.updateSelectionStats();
    view.setSelectedRange({0, int(text.size())});
    c.updateSelectionStats();
    view.setSelectedRange({0, 9});
    c.updateSelectionStats();
    EXPECT_EQ(c.selectionWords(), 2);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(c.selectionWords(), 2);
}

TEST(EditorController, SelectionStatsResetWhenCollapsed)
{
    FakeTextView view("one two three", {0, 7});
    EditorController c;
    c.setTextView(&view);
    c.updateSelectionStats();
    EXPECT_EQ(c.selectionWords(), 2);
    EXPECT_EQ(c.selectionChars(), 7);
    view.setSelectedRange({3, 0});
    c.updateSelectionStats();
    EXPECT_EQ(c.selectionWords(), 0);
    EXPECT_EQ(c.selectionChars(), 0);
}
