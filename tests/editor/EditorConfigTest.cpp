#include "editor/EditorConfig.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
EditorConfig sample()
{
    return EditorConfig{15,       "system", 3,  false, true,  "wysiwyg", false,  false,
                        "system", 816,      72, false, false, "natural", "auto", std::nullopt};
}
} // namespace

TEST(EditorConfig, EqualityComparesEveryFieldIncludingTheTheme)
{
    EXPECT_EQ(sample(), sample()); // both themes absent
    auto a = sample(), b = sample();
    b.pageMargin = 72.5;
    EXPECT_NE(a, b);
    b = sample();
    b.customTheme = CustomTheme{"id", "Name", {}, {}, {}, {0, 0, 1, 1}, {}};
    EXPECT_NE(a, b); // only one theme present
    a.customTheme = b.customTheme;
    EXPECT_EQ(a, b);
    b.customTheme->link.a = 0.5; // only the link colour's alpha differs
    EXPECT_NE(a, b);
}

TEST(PrefKey, RegistersTheDefaultsWithoutWritingThem)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("prefs.ini"));
    PrefKey::registerAll(s);
    EXPECT_EQ(PrefKey::defaults().size(), 29);
    EXPECT_DOUBLE_EQ(s.number("editorPageWidth"), 816.0);
    EXPECT_EQ(s.string("editorViewMode"), "wysiwyg");
    EXPECT_EQ(s.string("printFooterTemplate"), "Page {page} of {pages}");
    EXPECT_EQ(s.string("ollamaBaseURL"), "http://localhost:11434");
    EXPECT_TRUE(s.boolean("reopenLastSession"));
    EXPECT_FALSE(s.boolean("editorShowMinimap", true));
    EXPECT_FALSE(s.value("deepseekAPIKey").isValid());
    EXPECT_FALSE(s.isStored("editorFontSize"));
    s.sync();
    EXPECT_FALSE(QFile::exists(s.filePath())); // registration wrote nothing
    for (auto it = PrefKey::defaults().begin(); it != PrefKey::defaults().end(); ++it) {
        const int t = it.value().metaType().id();
        EXPECT_TRUE(t == QMetaType::Double || t == QMetaType::QString || t == QMetaType::Bool)
            << it.key().toStdString();
    }
}
