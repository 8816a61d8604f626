#include "commands/ShortcutStore.h"
#include "commands/KeyCombo.h"
#include "platform/KeptAside.h"
#include "platform/Settings.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct ShortcutStoreTest : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { Settings::useFile(dir.filePath(u"settings.ini"_s)); }
    void store(const QByteArray& json) { Settings::instance().setValue(u"customShortcuts"_s, json); }
    QJsonObject stored() const
    {
        return QJsonDocument::fromJson(Settings::instance().value(u"customShortcuts"_s).toByteArray()).object();
    }
};
constexpr auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
} // namespace

TEST(KeyCombo, RecordsOnlyWithCtrlOrMetaAndDisplaysLinuxNames)
{
    const auto d = KeyCombo::fromPress(Qt::Key_D, ctrlShift);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->key, u"d");
    EXPECT_EQ(d->modifiers, 0x20000u + 0x100000u);
    EXPECT_EQ(d->display(), u"Ctrl+Shift+D");
    EXPECT_EQ(KeyCombo::fromPress(Qt::Key_Slash, Qt::ControlModifier | Qt::MetaModifier)->modifiers, 0x140000u);
    EXPECT_EQ((KeyCombo{u" "_s, 0xC0000}).display(), u"Meta+Alt+Space");
    EXPECT_EQ((KeyCombo{u"\r"_s, 0x100000}).display(), u"Ctrl+Return");
    EXPECT_EQ((KeyCombo{u"\t"_s, 0x100000}).display(), u"Ctrl+Tab");
    EXPECT_EQ(KeyCombo::fromPress(Qt::Key_F5, Qt::ControlModifier)->display(), u"Ctrl+F5");
    EXPECT_FALSE(KeyCombo::fromPress(Qt::Key_D, Qt::ShiftModifier | Qt::AltModifier));
    EXPECT_FALSE(KeyCombo::fromPress(Qt::Key_D, Qt::NoModifier));
    EXPECT_FALSE(KeyCombo::fromPress(Qt::Key_Escape, Qt::ControlModifier));
    EXPECT_FALSE(KeyCombo::fromPress(Qt::Key_Control, Qt::ControlModifier));
}

TEST_F(ShortcutStoreTest, StoredBitsRoundTripAndMatchIgnoringCapsLockAndKeypad)
{
    ShortcutStore::save({{u"dupLine"_s, *KeyCombo::fromPress(Qt::Key_D, ctrlShift)},
                         {u"h2"_s, *KeyCombo::fromPress(Qt::Key_2, Qt::MetaModifier)}});
    const QJsonObject o = stored();
    EXPECT_EQ(o.value(u"dupLine"_s).toObject().value(u"key"_s).toString(), u"d");
    EXPECT_EQ(o.value(u"dupLine"_s).toObject().value(u"modifiers"_s).toInteger(), 0x120000);
    EXPECT_EQ(o.value(u"h2"_s).toObject().value(u"modifiers"_s).toInteger(), 0x40000);

    // Qt reports letters as the same key code with Caps Lock on; keypad flags are dropped.
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_D, ctrlShift), u"dupLine"_s);
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_D, ctrlShift | Qt::KeypadModifier), u"dupLine"_s);
    EXPECT_FALSE(ShortcutStore::commandID(Qt::Key_D, Qt::ControlModifier));
    EXPECT_FALSE(ShortcutStore::commandID(Qt::Key_D, ctrlShift | Qt::AltModifier));

    // A shifted digit is recorded and matched by the same key code.
    ShortcutStore::save({{u"h3"_s, *KeyCombo::fromPress(Qt::Key_Ampersand, ctrlShift)}});
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_Ampersand, ctrlShift), u"h3"_s);
    EXPECT_FALSE(ShortcutStore::commandID(Qt::Key_D, ctrlShift)) << "the cache must follow the change signal";
}

TEST_F(ShortcutStoreTest, ConflictSkipsItselfAndNeedsExactBits)
{
    const KeyCombo d = *KeyCombo::fromPress(Qt::Key_D, ctrlShift);
    ShortcutStore::save({{u"dupLine"_s, d}, {u"taskDone"_s, d}});
    EXPECT_EQ(ShortcutStore::conflict(d, u"dupLine"_s), u"taskDone"_s);
    EXPECT_EQ(ShortcutStore::conflict(d, u"taskDone"_s), u"dupLine"_s);
    EXPECT_FALSE(ShortcutStore::conflict(KeyCombo{u"d"_s, d.modifiers | KeyCombo::optionBit}, u"x"_s));
}

TEST_F(ShortcutStoreTest, AMalformedEntryIsSkippedAloneAndWrittenBackUnchanged)
{
    store(R"({"bold":{"key":"b","modifiers":1048576},"italic":{"key":"i"},"h1":{"key":1,"modifiers":-3},)"
          R"("gone":{"key":"g","modifiers":1048576,"extra":true}})");
    const auto all = ShortcutStore::all();
    EXPECT_EQ(all.keys(), (QStringList{u"bold"_s, u"gone"_s}));
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_B, Qt::ControlModifier), u"bold"_s);
    // An id the registry does not know still swallows its key.
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_G, Qt::ControlModifier), u"gone"_s);

    auto combos = all;
    combos.remove(u"bold"_s);
    combos.insert(u"code"_s, KeyCombo{u"k"_s, KeyCombo::commandBit});
    ShortcutStore::save(combos);
    const QJsonObject o = stored();
    EXPECT_EQ(o.value(u"italic"_s).toObject(), (QJsonObject{{u"key"_s, u"i"_s}}));
    EXPECT_EQ(o.value(u"h1"_s).toObject().value(u"modifiers"_s).toInteger(), -3);
    EXPECT_FALSE(o.contains(u"bold"_s));
    EXPECT_TRUE(o.contains(u"code"_s));
}

TEST_F(ShortcutStoreTest, AnUnreadableValueReadsEmptyAndIsKeptAsideBeforeASave)
{
    store("{not json");
    EXPECT_TRUE(ShortcutStore::all().isEmpty());
    EXPECT_FALSE(ShortcutStore::commandID(Qt::Key_B, Qt::ControlModifier));
    ShortcutStore::save({{u"bold"_s, KeyCombo{u"b"_s, KeyCombo::commandBit}}});
    const QDir folder(KeptAside::folder(Settings::instance()));
    const QStringList aside = folder.entryList({u"customShortcuts*"_s}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile f(folder.filePath(aside.first()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "{not json");
    EXPECT_EQ(ShortcutStore::commandID(Qt::Key_B, Qt::ControlModifier), u"bold"_s);
}
