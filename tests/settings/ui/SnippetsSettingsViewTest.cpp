#include "settings/ui/SnippetsSettingsView.h"
#include "platform/KeptAside.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "settings/SnippetStore.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(SnippetsSettingsView, EditsAreStoredAndTheUsersUnreadableListIsKeptAside)
{
    Settings& s = Settings::instance();
    s.setValue(PrefKey::userSnippets, QByteArray(R"([{"id":"not-a-uuid","trigger":"x","body":"mine"}])"));
    SnippetsSettingsView page;
    EXPECT_EQ(page.snippets(), SnippetStore::seed()); // unreadable: the defaults show
    EXPECT_EQ(s.value(PrefKey::userSnippets).toByteArray().left(14), QByteArray(R"([{"id":"not-a-)")); // untouched

    auto* trigger = page.findChildren<QLineEdit*>().first();
    QTest::keyClicks(trigger, "2");
    ASSERT_EQ(SnippetStore::load().first().trigger, "sig2");
    EXPECT_EQ(SnippetStore::expansion("sig2"), QString("Best regards,\n$|"));
    const QStringList kept = QDir(KeptAside::folder(s)).entryList({"userSnippets *"}, QDir::Files);
    EXPECT_EQ(kept.size(), 1);

    page.addSnippet();
    EXPECT_EQ(SnippetStore::load().last().trigger, "new");
    auto* list = page.findChild<QListWidget*>();
    auto* minus = page.findChildren<QToolButton*>().last();
    EXPECT_FALSE(minus->isEnabled());
    list->item(0)->setSelected(true);
    ASSERT_TRUE(minus->isEnabled());
    minus->click();
    EXPECT_EQ(SnippetStore::load().size(), 4);
    EXPECT_FALSE(SnippetStore::expansion("sig2"));
    // Ids are written in upper case.
    EXPECT_TRUE(
        QRegularExpression(R"("id":"[0-9A-F-]{36}")").match(s.value(PrefKey::userSnippets).toByteArray()).hasMatch());
}
