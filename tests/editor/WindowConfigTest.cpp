#include "editor/WindowConfig.h"
#include "editor/FakeTextView.h"
#include "platform/Settings.h"
#include "styling/CustomThemeStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(WindowConfig, FrontMatterOverridesThisWindowOnly)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("prefs.ini"));
    s.setValue("editorViewMode", "wysiwyg");
    const RGBA black(0, 0, 0), white(1, 1, 1);
    s.setValue("editorCustomThemes",
               CustomThemeStore::encode({CustomTheme{"N", "Night", white, RGBA(0.1, 0.1, 0.1), black, black, black},
                                         CustomTheme{"P", "Paper", black, white, white, black, black}}));
    using WindowConfig::ColorScheme;

    auto c = WindowConfig::forDocument(s, u"---\nMode: source\nwidth: 640\nfont: mono\nmode: source\n---\nText");
    EXPECT_EQ(c.viewMode, "source");
    EXPECT_EQ(c.fontFamily, "mono");
    EXPECT_DOUBLE_EQ(c.pageWidth, 640);
    EXPECT_EQ(WindowConfig::forDocument(s, u"Text").viewMode, "wysiwyg"); // the setting is untouched

    for (const char* width : {"640px", "wide", "", "0", "-5", "inf", "nan", "1e308", "199", "4001"})
        EXPECT_DOUBLE_EQ(WindowConfig::forDocument(s, QString("---\nwidth: %1\n---\n").arg(width)).pageWidth, 816)
            << width;
    EXPECT_DOUBLE_EQ(WindowConfig::forDocument(s, u"---\nwidth: 200\n---\n").pageWidth, 200);
    EXPECT_DOUBLE_EQ(WindowConfig::forDocument(s, u"---\nwidth: 200\n---\n").pageMargin, 50); // column of 100 pt

    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"")), std::nullopt);
    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"---\ntheme: dark\n---\n")), ColorScheme::Dark);
    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"---\ntheme: sepia\n---\n")), ColorScheme::Light);
    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"---\ntheme: night\n---\n")), ColorScheme::Dark);
    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"---\ntheme: custom:P\n---\n")),
              ColorScheme::Light);
    EXPECT_EQ(WindowConfig::colorScheme(WindowConfig::forDocument(s, u"---\ntheme: custom:gone\n---\n")),
              ColorScheme::Light);
}

// The overrides of a long text are read from its front matter, not from a copy of all of it.
TEST(WindowConfig, OverridesAreReadFromTheFrontMatterAlone)
{
    struct CountingView : FakeTextView {
        using FakeTextView::FakeTextView;
        mutable qsizetype read = 0;
        QString textInRange(TextRange r) const override
        {
            read += r.length;
            return FakeTextView::textInRange(r);
        }
    };
    QTemporaryDir dir;
    Settings s(dir.filePath("prefs.ini"));
    const QString body = QStringLiteral("Text\n").repeated(100000);
    // The line "----" cut after its third dash by a part read is no closing line.
    for (const QString& head : {QStringLiteral("---\nab\n----\ntheme: dark\n---\n"), QStringLiteral("Plain\n")}) {
        const CountingView view(head + body);
        const QString read = WindowConfig::overridesText(view);
        EXPECT_EQ(WindowConfig::forDocument(s, read).appearanceMode,
                  WindowConfig::forDocument(s, view.text()).appearanceMode);
        EXPECT_LT(view.read, 200) << head.toStdString();
    }
    const CountingView unclosed("---\ntheme: dark\n" + body);
    EXPECT_EQ(WindowConfig::overridesText(unclosed), unclosed.text());
}

TEST(WindowConfig, StoredPageSettingsAreBounded)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("prefs.ini"));
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double width, margin, expectWidth, expectMargin;
    } cases[] = {
        {816, 72, 816, 72},   {inf, 72, 816, 72}, {nan, nan, 816, 72},  {0, 0, 816, 0},     {300, 150, 300, 72},
        {300, 100, 300, 100}, {816, -1, 816, 72}, {5000, 1e9, 816, 72}, {200, 72, 200, 50}, {4000, 1900, 4000, 1900},
    };
    for (const Case& k : cases) {
        s.setValue("editorPageWidth", k.width);
        s.setValue("editorPageMargin", k.margin);
        const EditorConfig c = WindowConfig::fromSettings(s);
        EXPECT_DOUBLE_EQ(c.pageWidth, k.expectWidth) << k.width << " " << k.margin;
        EXPECT_DOUBLE_EQ(c.pageMargin, k.expectMargin) << k.width << " " << k.margin;
    }
}

TEST(WindowConfig, StoredTextSettingsAreFiniteAndInRange)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("prefs.ini");
    for (const char* bad : {"nan", "inf", "-inf", "1e999", "0", "-4", "1e6"}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[General]\neditorFontSize=") + bad + "\neditorLineSpacing=" + bad + "\n");
        f.close();
        Settings s(path);
        const EditorConfig c = WindowConfig::fromSettings(s);
        EXPECT_DOUBLE_EQ(c.fontSize, 15) << bad;
        EXPECT_DOUBLE_EQ(c.lineSpacing, std::string(bad) == "0" ? 0 : 3) << bad;
        EXPECT_TRUE(std::isfinite(s.number("editorFontSize", 1))) << bad;
    }
}
