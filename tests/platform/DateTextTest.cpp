#include "platform/DateText.h"

#include <gtest/gtest.h>

TEST(DateText, MediumDateDropsTheWeekdayAndAbbreviatesTheMonth)
{
    const QDate d(2026, 12, 7);
    EXPECT_EQ(DateText::mediumDate(d, QLocale(QLocale::English, QLocale::UnitedStates)), "Dec 7, 2026");
    const QString german = DateText::mediumDate(d, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(german.contains("2026"));
    EXPECT_FALSE(german.contains("Montag"));
}
