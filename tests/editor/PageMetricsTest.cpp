#include "editor/PageMetrics.h"

#include <gtest/gtest.h>

TEST(PageMetrics, DefaultsAndMinimumTextArea)
{
    const PageMetrics m = PageMetrics::compute(1056, 22, 64);
    EXPECT_DOUBLE_EQ(m.contentPerPage, 928);
    EXPECT_DOUBLE_EQ(m.stride, 1078);
    EXPECT_TRUE(m.paginates());
    EXPECT_DOUBLE_EQ(PageMetrics::compute(1056, 22, 500).contentPerPage, 160);
    EXPECT_FALSE(PageMetrics{}.paginates());
}

TEST(PageMetrics, LinesThatWouldStraddleMoveToTheNextPage)
{
    const PageMetrics m{928, 1078};
    EXPECT_DOUBLE_EQ(m.lineShift(920, 20), 1078 - 920);
    EXPECT_DOUBLE_EQ(m.lineShift(900, 20), 0);  // bottom exactly at the end stays
    EXPECT_DOUBLE_EQ(m.lineShift(1070, 20), 8); // in the gap: to the next text area
    EXPECT_DOUBLE_EQ(m.lineShift(1080, 20), 0);
    EXPECT_DOUBLE_EQ(m.lineShift(2000, 20), 2156 - 2000);
    EXPECT_DOUBLE_EQ(m.lineShift(920, 1000), 0); // taller than a page: allowed to cross
    EXPECT_DOUBLE_EQ(PageMetrics{}.lineShift(920, 20), 0);
}

TEST(PageMetrics, PageCountAndSheetPlacement)
{
    const PageMetrics m{928, 1078};
    EXPECT_EQ(m.pageCount(0), 1);
    EXPECT_EQ(m.pageCount(2 * 1078), 2);
    EXPECT_EQ(m.pageCount(2 * 1078 + 1), 3);
    EXPECT_DOUBLE_EQ(PageMetrics::sheetLeft(500, 816, 28), 28);
    EXPECT_DOUBLE_EQ(PageMetrics::sheetLeft(1000, 816, 28), 92);
}
