#include "editor/MinimapModel.h"

#include <gtest/gtest.h>

TEST(MinimapModel, LineLengthsCountScalarsPerLine)
{
    EXPECT_EQ(MinimapModel::lineLengths(u""), QList<int>{0});
    EXPECT_EQ(MinimapModel::lineLengths(u"a\n"), (QList<int>{1, 0}));
    EXPECT_EQ(MinimapModel::lineLengths(u"ab\r\n😀x"), (QList<int>{3, 2}));
}

TEST(MinimapModel, RowsGroupLinesAndKeepTheLongest)
{
    EXPECT_EQ(MinimapModel::rows({0}, 600), QList<double>{0.0});
    const QList<double> three = MinimapModel::rows({70, 35, 140}, 600);
    EXPECT_EQ(three, (QList<double>{1.0, 0.5, 1.0}));
    EXPECT_DOUBLE_EQ(MinimapModel::barHeight(3, 600), 2.4);
    QList<int> many(10000, 7);
    many[20 * 3 + 19] = 70;
    const QList<double> r = MinimapModel::rows(many, 600);
    ASSERT_EQ(r.size(), 500);
    EXPECT_DOUBLE_EQ(r[3], 1.0);
    EXPECT_DOUBLE_EQ(r[4], 0.1);
}

TEST(MinimapModel, ClickTargetsClampToTheDocument)
{
    EXPECT_DOUBLE_EQ(MinimapModel::scrollTarget(0, 600, 500, 5000), 0);
    EXPECT_DOUBLE_EQ(MinimapModel::scrollTarget(600, 600, 500, 5000), 4500);
    EXPECT_DOUBLE_EQ(MinimapModel::scrollTarget(300, 600, 500, 5000), 2250);
    EXPECT_DOUBLE_EQ(MinimapModel::scrollTarget(300, 600, 500, 300), 0);
}
