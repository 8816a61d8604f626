#include "editor/CaseTransform.h"
#include "app/CheatSheet.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(CaseTransform, UpperLowerTitle)
{
    EXPECT_EQ(CaseTransform::upper("hello World"), "HELLO WORLD");
    EXPECT_EQ(CaseTransform::lower("hello World"), "hello world");
    EXPECT_EQ(CaseTransform::title("hello World"), "Hello World");
    EXPECT_EQ(CaseTransform::upper(QString::fromUtf8("stra\xC3\x9F"
                                                     "e")),
              "STRASSE");
    EXPECT_EQ(CaseTransform::lower(QString::fromUtf8("\xC4\xB0")), QString::fromUtf8("i\xCC\x87"));
    EXPECT_EQ(CaseTransform::title("iPhone"), "Iphone");
    EXPECT_EQ(CaseTransform::title("mIXED case"), "Mixed Case");
    EXPECT_EQ(CaseTransform::title("one\ntwo\tthree"), "One\nTwo\tThree");
    EXPECT_EQ(CaseTransform::title(QString::fromUtf8("\xF0\x90\x90\xA8x")),
              QString::fromUtf8("\xF0\x90\x90\x80x")); // Deseret
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
