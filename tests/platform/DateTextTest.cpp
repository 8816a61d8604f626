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

TEST(DateText, TheWeekdayLeavesNoWordsOrSeparatorsBehind)
{
    const QDate d(2026, 12, 7); // a Monday
    // The weekday's own comma (Arabic) or the word joined to it (Thai "the") goes with it;
    // a trailing weekday takes its separators but not the date's own dot (Hungarian).
    EXPECT_EQ(DateText::mediumDate(d, QLocale(QLocale::Arabic, QLocale::Egypt)),
              QString::fromUtf8("\u0667 \u062F\u064A\u0633\u0645\u0628\u0631 \u0662\u0660\u0662\u0666"));
    EXPECT_EQ(DateText::mediumDate(d, QLocale(QLocale::Thai, QLocale::Thailand)), QString::fromUtf8("7 ธ.ค. 2026"));
    EXPECT_EQ(DateText::mediumDate(d, QLocale(QLocale::Hungarian)), "2026. dec. 7.");
    // Every locale: no weekday, nothing dangling at either end.
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString text = DateText::mediumDate(d, locale);
        const QString weekday = locale.dayName(1);
        ASSERT_FALSE(text.isEmpty()) << locale.name().toStdString();
        EXPECT_FALSE(weekday.size() > 1 && text.contains(weekday))
            << locale.name().toStdString() << ": " << text.toStdString();
        for (const QChar end : {text.front(), text.back()})
            EXPECT_FALSE(end.isSpace() || end == u',' || end == QChar(0x060C) || end == u'-')
                << locale.name().toStdString() << ": " << text.toStdString();
    }
}
