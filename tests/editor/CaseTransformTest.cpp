#include "editor/CaseTransform.h"

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
