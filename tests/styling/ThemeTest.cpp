#include "styling/CustomThemeStore.h"
#include "styling/EditorTheme.h"

#include <QFontDatabase>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

CustomTheme sample(const QString& id, const QString& name)
{
    CustomTheme t;
    t.id = id;
    t.name = name;
    t.text = RGBA(0.1, 0.2, 0.3, 0.4);
    t.page = RGBA(1, 1, 1, 1);
    t.desk = RGBA(0.5, 0.5, 0.5, 1);
    t.link = RGBA(0, 0, 1, 1);
    t.code = RGBA(1.5, -0.25, 0, 1); // out of range values are stored as given
    return t;
}

bool near(const QColor& c, double r, double g, double b, double a = 1)
{
    return qAbs(c.redF() - r) < 1e-3 && qAbs(c.greenF() - g) < 1e-3 && qAbs(c.blueF() - b) < 1e-3
           && qAbs(c.alphaF() - a) < 1e-3;
}

} // namespace

TEST(EditorTheme, CustomThemeWinsOverEveryMode)
{
    EditorTheme t;
    t.appearanceMode = "sepia";
    t.custom = sample("1", "Mine");
    EXPECT_TRUE(near(t.textColor(), 0.1, 0.2, 0.3, 0.4));
    EXPECT_TRUE(near(t.linkColor(), 0, 0, 1));
    t.custom.reset();
    EXPECT_TRUE(near(t.textColor(), 0.36, 0.27, 0.21));
    EXPECT_TRUE(near(t.codeColor(), 0.6, 0.3, 0.3));
    t.appearanceMode = "Dark"; // case-sensitive: the system column
    EXPECT_EQ(t.textColor(), EditorTheme::systemColor(EditorTheme::SystemColor::Label));
    t.appearanceMode = "dark";
    EXPECT_TRUE(near(t.textColor(), 0.88, 0.88, 0.88));
    EXPECT_TRUE(near(t.textColor(0.35), 0.88, 0.88, 0.88, 0.35));
}

TEST(EditorTheme, HeadingAndFamilyFonts)
{
    EditorTheme t;
    EXPECT_DOUBLE_EQ(t.headingFont(1).pointSizeF(), 28.5);
    for (int level : {0, 6, 7}) {
        EXPECT_DOUBLE_EQ(t.headingFont(level).pointSizeF(), 15);
        EXPECT_TRUE(t.headingFont(level).bold());
    }
    t.fontFamily = "Serif"; // unknown family behaves as "system"
    EXPECT_EQ(t.scaledFont(15), EditorTheme().scaledFont(15));
    t.fontFamily = "mono";
    EXPECT_EQ(t.headingFont(2).family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_TRUE(t.headingFont(2).bold());
    EXPECT_DOUBLE_EQ(t.codeFont().pointSizeF(), 14);
}

TEST(CustomThemeStore, DecodeRejectsWholeListOnAnyBadElement)
{
    EXPECT_TRUE(CustomThemeStore::decode("[]").isEmpty());
    EXPECT_TRUE(CustomThemeStore::decode("").isEmpty());
    EXPECT_TRUE(CustomThemeStore::decode("not json").isEmpty());
    EXPECT_TRUE(CustomThemeStore::decode("{}").isEmpty());
    const QList<CustomTheme> two{sample("a", "A"), sample("b", "B")};
    const QString json = CustomThemeStore::encode(two);
    EXPECT_FALSE(json.contains(' '));
    EXPECT_EQ(CustomThemeStore::decode(json), two);
    // The second element lacks "code": the first one is dropped with it.
    const QString good = CustomThemeStore::encode({sample("a", "A")});
    QString lacking = CustomThemeStore::encode({sample("b", "B")});
    lacking.replace(QRegularExpression("\"code\":\\{[^}]*\\},"), QString());
    ASSERT_FALSE(lacking.contains("code"));
    EXPECT_EQ(CustomThemeStore::decode(good).size(), 1);
    EXPECT_TRUE(CustomThemeStore::decode(good.chopped(1) + "," + lacking.mid(1)).isEmpty());
    const QString oneBad = QString(json).replace("\"name\":\"B\"", "\"name\":7");
    EXPECT_TRUE(CustomThemeStore::decode(oneBad).isEmpty());
    CustomTheme nan = sample("n", "N");
    nan.text.r = std::nan("");
    EXPECT_EQ(CustomThemeStore::encode({nan}), "[]");
}

TEST(CustomThemeStore, ResolveByIdOrCaseInsensitiveName)
{
    const QString json =
        CustomThemeStore::encode({sample("id1", "My Theme"), sample("", "Dark"), sample("id3", "my theme")});
    EXPECT_EQ(CustomThemeStore::resolve("my theme", json)->id, "id1"); // first of equal names
    EXPECT_EQ(CustomThemeStore::resolve("dark", json)->name, "Dark");
    EXPECT_EQ(CustomThemeStore::resolve("custom:id3", json)->name, "my theme");
    EXPECT_EQ(CustomThemeStore::resolve("custom:", json)->name, "Dark");          // empty id only
    EXPECT_FALSE(CustomThemeStore::resolve("custom:My Theme", json).has_value()); // no name fallback
    EXPECT_FALSE(CustomThemeStore::resolve("custom:gone", json).has_value());
    EXPECT_FALSE(CustomThemeStore::resolve("dark", "garbage").has_value());
}

TEST(CustomTheme, SeededFromSepiaAndColourConversion)
{
    EditorTheme sepia;
    sepia.appearanceMode = "sepia";
    const CustomTheme t = CustomTheme::seeded("S", sepia);
    EXPECT_EQ(t.link, RGBA(0.51, 0.33, 0.16, 1));
    EXPECT_EQ(t.code, RGBA(0.6, 0.3, 0.3, 1));
    EXPECT_TRUE(near(t.text.toColor(), 0.36, 0.27, 0.21));
    EXPECT_TRUE(
        QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$").match(t.id).hasMatch());
    EXPECT_EQ(RGBA(QColor()), RGBA(0, 0, 0, 1)); // no sRGB form: opaque black
    EditorTheme custom;
    custom.custom = sample("c", "C");
    // Seeding from a custom theme copies all five colours unrounded and unclamped.
    const CustomTheme copy = CustomTheme::seeded("x", custom);
    EXPECT_EQ(copy.text, RGBA(0.1, 0.2, 0.3, 0.4));
    EXPECT_EQ(copy.desk, RGBA(0.5, 0.5, 0.5, 1));
    EXPECT_EQ(copy.code, RGBA(1.5, -0.25, 0, 1));
    EXPECT_NE(copy.id, "c");
}
