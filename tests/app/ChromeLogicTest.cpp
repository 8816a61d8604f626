#include "app/CheatSheet.h"
#include "app/QuickOpenFilter.h"
#include "app/StatusFormat.h"
#include "app/WindowPicks.h"

#include <gtest/gtest.h>

#include <limits>

using QuickOpenFilter::fuzzy;

TEST(QuickOpenFilter, SubsequenceOverGraphemesInComposedForm)
{
    EXPECT_TRUE(fuzzy(u"rdm", u"readme.md"));
    EXPECT_FALSE(fuzzy(u"mr", u"readme.md"));
    EXPECT_TRUE(fuzzy(u"", u"anything"));
    EXPECT_FALSE(fuzzy(u"a", u""));
    // Decomposed input matches composed input once both are normalized; a bare "e"
    // does not match the first half of an accented cluster.
    const QString decomposed = QString::fromUtf8("cafe\xCC\x81.md");
    const QString name = QuickOpenFilter::normalizedName(decomposed);
    EXPECT_TRUE(fuzzy(QuickOpenFilter::normalizedQuery(QString::fromUtf8(" CAF\xC3\x89 ")), name));
    EXPECT_FALSE(fuzzy(u"cafe", QString::fromUtf8("caf\xC3\xA9").normalized(QString::NormalizationForm_C)));
    // A flag (two code points, one cluster) matches whole, never half of it.
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7");
    EXPECT_TRUE(fuzzy(flag, QStringLiteral("x") + flag + QStringLiteral(".md")));
    EXPECT_FALSE(fuzzy(flag.left(2), QStringLiteral("x") + flag + QStringLiteral(".md")));
    // Filtering keeps list order; a blank query keeps everything.
    const QStringList names{"readme.md", "notes.txt", "roadmap.md"};
    EXPECT_EQ(QuickOpenFilter::filter(QuickOpenFilter::normalizedQuery("  RDM\t"), names), (QList<int>{0, 2}));
    EXPECT_EQ(QuickOpenFilter::filter(QuickOpenFilter::normalizedQuery("   "), names), (QList<int>{0, 1, 2}));
}

TEST(StatusFormat, ZoomTitleRoundsHalvesAwayFromZeroAndGoalNeedsAPositiveNumber)
{
    EXPECT_EQ(StatusFormat::zoomTitle(0.345), "35%");
    EXPECT_EQ(StatusFormat::zoomTitle(0.333), "33%");
    EXPECT_EQ(StatusFormat::zoomTitle(1.25), "125%");
    EXPECT_EQ(StatusFormat::zoomTitle(1.4000000000000001), "140%");
    EXPECT_EQ(StatusFormat::zoomTitle(0.125 + 0.0), "13%"); // 12.5 -> 13
    EXPECT_EQ(StatusFormat::writingGoal(500.9), 500);
    EXPECT_EQ(StatusFormat::writingGoal(0), std::nullopt);
    EXPECT_EQ(StatusFormat::writingGoal(-50), std::nullopt);
    EXPECT_EQ(StatusFormat::writingGoal(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(StatusFormat::writingGoal(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_GT(StatusFormat::writingGoal(1e300).value_or(0), 0); // huge but finite: a goal, not an overflow
}

TEST(WindowPicks, OnlyEmptyUntitledUneditedWindowsAreReusedOrDiscarded)
{
    using W = WindowPicks::Window;
    const QList<W> windows{
        {true, false, true},   // a saved file, even an empty one
        {false, false, false}, // untitled, unedited, holding a template's or a link's text
        {false, true, true},   // untitled with changes (typed and deleted again)
        {false, false, true},  // the launch's blank window
        {false, false, true},
    };
    EXPECT_EQ(WindowPicks::windowToReuse(windows), 3);
    EXPECT_EQ(WindowPicks::windowsToDiscard(windows), (QList<int>{3, 4}));
    EXPECT_EQ(WindowPicks::windowToReuse(windows.mid(0, 3)), -1);
}

TEST(WindowPicks, NewWindowsFitTheScreenAndCascadeBackBeforeLeavingIt)
{
    const QRect laptop(0, 32, 1366, 736); // the free area under a top panel
    EXPECT_EQ(WindowPicks::fitted(laptop, QSize(960, 820)), QSize(960, 704));
    EXPECT_EQ(WindowPicks::fitted(QRect(0, 0, 2560, 1440), QSize(960, 820)), QSize(960, 820));
    // Each window steps down from the one before until the next would reach past the bottom.
    QRect window(0, 32, 960, 600);
    int steps = 0;
    for (; steps < 10; ++steps) {
        const QPoint next = WindowPicks::cascade(laptop, window, window.size());
        EXPECT_TRUE(laptop.contains(QRect(next, window.size())));
        if (next == laptop.topLeft()) break;
        window.moveTopLeft(next);
    }
    EXPECT_EQ(steps, 4); // 600 + 4 × 28 ≤ 736 < 600 + 5 × 28
}

TEST(CheatSheet, ExactText)
{
    const QString t = CheatSheet::text();
    EXPECT_EQ(t.toUtf8().size(), 794);
    EXPECT_EQ(t.split('\n').size(), 50);
    EXPECT_TRUE(t.startsWith("# Markdown Cheat Sheet\n\n## Headings\n"));
    EXPECT_TRUE(t.endsWith("tags: [example]\n---"));
    EXPECT_TRUE(t.contains("$$\\int_0^1 x^2 dx = \\tfrac{1}{3}$$"));
    EXPECT_TRUE(t.contains(QString::fromUtf8("# H1  \xC2\xB7  ## H2")));
    EXPECT_TRUE(t.contains(QString::fromUtf8("## Front matter (Tools \xE2\x96\xB8 Document Info)")));
    EXPECT_TRUE(t.contains("Float a figure:  `"));
}
