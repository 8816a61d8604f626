#include "platform/TextUtil.h"

#include <gtest/gtest.h>

using namespace TextUtil;

TEST(TextUtil, LineRangeIncludesTerminatorAndHandlesCrLf)
{
    const QString t = "ab\r\ncd\nef";
    EXPECT_EQ(lineRange(t, 0), TextRange(0, 4));
    EXPECT_EQ(lineRange(t, 3), TextRange(0, 4)); // on the LF of CR LF
    EXPECT_EQ(lineRange(t, 4), TextRange(4, 3));
    EXPECT_EQ(lineRange(t, 9), TextRange(7, 2)); // caret at the very end
    EXPECT_EQ(lineRange(t, TextRange(1, 4)), TextRange(0, 7));
    EXPECT_EQ(lineRange(t, TextRange(0, 4)), TextRange(0, 4)); // ends right after CR LF
    EXPECT_EQ(lineContentRange(t, TextRange(0, 0)), TextRange(0, 2));
    EXPECT_EQ(lineRange(u"", 0), TextRange(0, 0));
    EXPECT_EQ(lineRange(u"a\n", 2), TextRange(2, 0));
}

TEST(TextUtil, TrimBlanksKeepsLineBreaks)
{
    EXPECT_EQ(trimBlanks(u" \t a b\t "), "a b");
    EXPECT_EQ(trimBlanks(u" a\n"), "a\n");
    EXPECT_TRUE(isBlank(u" \t"));
    EXPECT_FALSE(isBlank(u" \n"));
    EXPECT_EQ(trimWhitespaceAndNewlines(QString::fromUtf8("\xE3\x80\x80 x\r\n")), "x");
}

TEST(TextUtil, GraphemesCountUserCharacters)
{
    const QString family =
        QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7");
    EXPECT_EQ(graphemeCount(family), 1);
    EXPECT_EQ(graphemeCount(QString("e\u0301x")), 2);
    EXPECT_EQ(nextGraphemeBoundary(family, 0), family.size());
    EXPECT_EQ(previousGraphemeBoundary(family, int(family.size())), 0);
}

TEST(TextUtil, SplitAndJoinLinesRoundTrip)
{
    bool ends = false;
    auto lines = splitLines(u"a\nb\n", &ends);
    EXPECT_TRUE(ends);
    EXPECT_EQ(lines, QStringList({"a", "b"}));
    EXPECT_EQ(joinLines(lines, ends), "a\nb\n");
    lines = splitLines(u"", &ends);
    EXPECT_EQ(lines, QStringList({""}));
}
