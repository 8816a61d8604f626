#include "editor/TypingRules.h"

#include <gtest/gtest.h>

using TypingRules::Newline;

TEST(TypingRules, ListsAndQuotesContinueOnReturn)
{
    EXPECT_EQ(TypingRules::continueList("- [x] done").insert, "\n- [ ] ");
    EXPECT_EQ(TypingRules::continueList("  9) nine").insert, "\n  10) ");
    EXPECT_EQ(TypingRules::continueList("007. seven").insert, "\n8. ");
    EXPECT_EQ(TypingRules::continueList("- abc").insert, "\n- ");
    EXPECT_EQ(TypingRules::continueList("* * *").insert, "\n* ");
    EXPECT_EQ(TypingRules::continueList("> quoted").insert, "\n> ");
    EXPECT_EQ(TypingRules::continueList("99999999999999999999. big").insert, "\n1. ");
    EXPECT_EQ(TypingRules::continueList("9223372036854775807. max").insert, "\n1. ");
    EXPECT_EQ(TypingRules::continueList("- ").kind, Newline::EndList);
    EXPECT_EQ(TypingRules::continueList("1.  \t").kind, Newline::EndList);
    EXPECT_EQ(TypingRules::continueList("plain text").kind, Newline::Plain);
    EXPECT_EQ(TypingRules::continueList("-no space").kind, Newline::Plain);
}

TEST(TypingRules, PairsAndLinks)
{
    EXPECT_EQ(TypingRules::closingMark("("), ")");
    EXPECT_EQ(TypingRules::closingMark("["), "]");
    EXPECT_EQ(TypingRules::closingMark("\""), "\"");
    EXPECT_FALSE(TypingRules::closingMark("{"));
    EXPECT_FALSE(TypingRules::closingMark("**"));
    EXPECT_TRUE(TypingRules::isLinkAddress("https://example.com"));
    EXPECT_FALSE(TypingRules::isLinkAddress("https://exa mple.com"));
    EXPECT_FALSE(TypingRules::isLinkAddress("ftp://example.com"));
    EXPECT_FALSE(TypingRules::isLinkAddress("https://a\n"));
    EXPECT_EQ(TypingRules::linkOverSelection("site", "https://x.org"), "[site](https://x.org)");
    EXPECT_FALSE(TypingRules::linkOverSelection("two\nlines", "https://x.org"));
}
