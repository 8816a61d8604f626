#include "settings/SettingsModel.h"
#include "platform/KeptAside.h"
#include "platform/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace SettingsModel;

TEST(SettingsModel, ValueLabelsAndSliderSteps)
{
    EXPECT_EQ(valueLabel("%1 pt", 15), "15 pt");
    EXPECT_EQ(valueLabel("%1 pt", 816.9), "816 pt"); // truncated, not rounded
    EXPECT_EQ(valueLabel("%1", -2.5), "-2");
    EXPECT_EQ(valueLabel("%1 pt", NAN), "– pt");
    EXPECT_EQ(valueLabel("%1 pt", 1e300), "– pt");
    EXPECT_EQ(writingGoalLabel(0), "Off");
    EXPECT_EQ(writingGoalLabel(500), "500 words");
    EXPECT_EQ(writingGoalLabel(1e300), "– words"); // the count's text without a count
    // 816 lies between the page-width steps of 20 from 560: the nearest step, not a new scale.
    EXPECT_EQ(sliderSteps(816, 560, 1100, 20), 13);
    EXPECT_EQ(valueAtStep(13, 560, 20), 820);
    EXPECT_EQ(sliderSteps(NAN, 560, 1100, 20), 0);
    EXPECT_EQ(sliderSteps(5000, 560, 1100, 20), 27);
}

TEST(SettingsModel, ThemeNamesChoicesAndDeletion)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    CustomTheme a, b;
    a.id = "A";
    a.name = "My Theme 1";
    b.id = "B";
    b.name = "My Theme 3";
    EXPECT_EQ(defaultThemeName({a, b}), "My Theme 4");
    b.name = "";
    EXPECT_EQ(defaultThemeName({a, b}), "My Theme 3");
    const auto choices = themeChoices({a, b});
    EXPECT_FALSE(choices.segmented());
    EXPECT_EQ(choices.custom[1].title, "Untitled");
    EXPECT_EQ(choices.custom[1].value, "custom:B");
    EXPECT_TRUE(themeChoices({}).segmented());

    ASSERT_TRUE(storeCustomThemes(s, {a, b}));
    s.setValue("editorAppearance", "custom:B");
    deleteCustomTheme(s, "A");
    EXPECT_EQ(s.string("editorAppearance"), "custom:B");
    deleteCustomTheme(s, "B");
    EXPECT_EQ(s.string("editorAppearance"), "system");
    EXPECT_TRUE(customThemes(s).isEmpty());
}

TEST(SettingsModel, UnreadableThemesAreKeptAsideAndAListIsNeverReplacedByNothing)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    s.setValue("editorCustomThemes", "[{\"id\":\"x\",\"name\":\"Mine\"}]"); // colours missing
    EXPECT_TRUE(customThemes(s).isEmpty());
    CustomTheme t;
    t.id = "N";
    t.name = "New";
    ASSERT_TRUE(storeCustomThemes(s, {t}));
    const QStringList kept = QDir(KeptAside::folder(s)).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);

    CustomTheme bad = t;
    bad.text.r = NAN;
    const QString before = s.string("editorCustomThemes");
    EXPECT_FALSE(storeCustomThemes(s, {t, bad}));
    EXPECT_EQ(s.string("editorCustomThemes"), before);
}

TEST(SettingsModel, LanguageIsWrittenOnlyWhenItChanges)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    setApplicationLanguage(s, "pt-BR");
    EXPECT_EQ(s.value("preferredLanguages").toStringList(), QStringList{"pt-BR"});
    EXPECT_EQ(preferredLanguage(s), "pt-BR");
    setApplicationLanguage(s, "system");
    EXPECT_FALSE(s.isStored("preferredLanguages"));
    EXPECT_EQ(s.string("appLanguageOverride"), "system");
}
