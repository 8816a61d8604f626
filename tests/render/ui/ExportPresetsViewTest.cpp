#include "render/ui/ExportPresetsView.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
QToolButton* button(QWidget& w, const QString& name)
{
    for (auto* b : w.findChildren<QToolButton*>())
        if (b->accessibleName() == name) return b;
    return nullptr;
}
QPushButton* push(QWidget& w, const QString& text)
{
    for (auto* b : w.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}
} // namespace

TEST(ExportPresetsView, OpensOnTheFirstSeedAndKeysActOnlyWhenTheyMay)
{
    Settings::instance().remove("exportPresets");
    int exported = 0, closed = 0;
    QString exportedName;
    ExportPresetsView sheet([&](const ExportPreset& p) { ++exported, exportedName = p.name; }, [&] { ++closed; });
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    EXPECT_EQ(sheet.list().selection, "seed-github-html");
    auto* name = sheet.findChild<QLineEdit*>();
    EXPECT_EQ(name->text(), "GitHub HTML");
    EXPECT_EQ(sheet.findChildren<QComboBox*>()[0]->currentText(), "HTML");
    EXPECT_EQ(sheet.findChildren<QComboBox*>()[1]->currentText(), "GitHub");

    // Typing in the name saves at once and raises the revision the menu follows.
    const qint64 rev = ExportPresetStore::revision(Settings::instance());
    QTest::keyClicks(name, "!");
    EXPECT_EQ(ExportPresetStore::all().first().name, "GitHub HTML!");
    EXPECT_GT(ExportPresetStore::revision(Settings::instance()), rev);

    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(exported, 1);
    EXPECT_EQ(exportedName, "GitHub HTML!");
    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_EQ(closed, 1);

    // Deleting everything leaves the placeholder and buttons that do nothing.
    for (int i = 0; i < 3; ++i) button(sheet, "Delete preset")->click();
    EXPECT_TRUE(ExportPresetStore::all().isEmpty());
    EXPECT_FALSE(button(sheet, "Delete preset")->isEnabled());
    EXPECT_FALSE(button(sheet, "Duplicate preset")->isEnabled());
    EXPECT_FALSE(push(sheet, "Export With This Preset")->isEnabled());
    EXPECT_EQ(sheet.findChild<QStackedWidget*>()->currentIndex(), 1);
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(exported, 1);
    button(sheet, "Add preset")->click();
    EXPECT_EQ(sheet.list().presets.size(), 1);
    EXPECT_EQ(sheet.list().presets[0].id, "preset-0-1");
}

TEST(ExportPresetsView, TwoSheetsNeverDropEachOthersEdits)
{
    Settings::instance().remove("exportPresets");
    ExportPresetsView a(nullptr, nullptr), b(nullptr, nullptr);
    button(a, "Add preset")->click();      // a: four presets
    EXPECT_EQ(b.list().presets.size(), 4); // b followed a's save
    // b renames its selection (the first preset); a's added preset survives b's save.
    b.findChild<QLineEdit*>()->setText("");
    QTest::keyClicks(b.findChild<QLineEdit*>(), "Web");
    const auto stored = ExportPresetStore::all();
    ASSERT_EQ(stored.size(), 4);
    EXPECT_EQ(stored[0].name, "Web");
    EXPECT_EQ(stored[3].name, "New Preset");
    EXPECT_EQ(a.list().presets[0].name, "Web");
    EXPECT_EQ(a.list().selection, stored[3].id); // a kept its selection by id
}
