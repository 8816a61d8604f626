#include "editor/SpellChecker.h"

#include <gtest/gtest.h>

TEST(SpellChecker, FindsMisspelledWordsButNotTheOneBeingTyped)
{
    SpellChecker& sc = SpellChecker::shared();
    sc.setLanguage("en-US");
    if (!sc.isAvailable()) GTEST_SKIP() << "no Hunspell dictionary for en_US";
    const QString text = "Thiss is a sentence with wrongg words and R2D2 and snake_case.";
    const QList<TextRange> bad = sc.misspelled(text, {0, int(text.size())});
    EXPECT_EQ(bad, (QList<TextRange>{{0, 5}, {25, 6}}));
    // The caret at the end of "wrongg": that word may still be being typed.
    EXPECT_EQ(sc.misspelled(text, {0, int(text.size())}, 31), (QList<TextRange>{{0, 5}}));
    // A language without a dictionary keeps the one in use.
    sc.setLanguage("xx_YY");
    EXPECT_EQ(sc.language(), "en_US");
    EXPECT_FALSE(sc.isCorrect(u"wrongg"));
}
