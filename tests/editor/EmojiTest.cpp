#include "editor/Emoji.h"

#include <gtest/gtest.h>

TEST(Emoji, TableHas155UniqueNames)
{
    EXPECT_EQ(Emoji::table().size(), 155);
    EXPECT_EQ(Emoji::map().size(), 155);
    EXPECT_EQ(Emoji::map().value("check"), Emoji::map().value("white_check_mark"));
    EXPECT_EQ(Emoji::map().value("heart"), QString::fromUtf8("\xE2\x9D\xA4\xEF\xB8\x8F")); // with U+FE0F
}

TEST(Emoji, PrefixMatchesFirstThenContaining)
{
    const auto heart = Emoji::matches(u"heart");
    ASSERT_GE(heart.size(), 4);
    EXPECT_EQ(heart[0], Emoji::map().value("heart"));
    EXPECT_EQ(heart[1], Emoji::map().value("heart_eyes"));
    EXPECT_EQ(heart[2], Emoji::map().value("black_heart")); // then names containing it, in name order
    EXPECT_EQ(Emoji::matches(u"SMI"), Emoji::matches(u"smi"));
    EXPECT_EQ(Emoji::matches(u"sm").value(0), Emoji::map().value("smile"));
    EXPECT_EQ(Emoji::matches(u"100"), QStringList{Emoji::map().value("100")});
    EXPECT_EQ(Emoji::matches(u"a").size(), 12);
    EXPECT_TRUE(Emoji::matches(u"").isEmpty());
    EXPECT_TRUE(Emoji::matches(u"zzzz").isEmpty());
}

TEST(Emoji, CompletionRangeAndTrigger)
{
    EXPECT_EQ(Emoji::completionRange(u"I am :smi", 9), TextRange(5, 4));
    EXPECT_TRUE(Emoji::completionRange(u"a:b c", 5).isNotFound());
    EXPECT_TRUE(Emoji::completionRange(u"smi", 3).isNotFound());
    const QString emoji = QString::fromUtf8(":\xF0\x9F\x98\x80x"); // a non-BMP character stops the walk
    EXPECT_TRUE(Emoji::completionRange(emoji, int(emoji.size())).isNotFound());
    EXPECT_EQ(Emoji::completionRange(u":+1", 3), TextRange(0, 3));

    EXPECT_TRUE(Emoji::opensListWhileTyping(u":sm"));
    EXPECT_TRUE(Emoji::opensListWhileTyping(u":SMI"));
    EXPECT_FALSE(Emoji::opensListWhileTyping(u":a"));
    EXPECT_FALSE(Emoji::opensListWhileTyping(u":zzzz"));
}
