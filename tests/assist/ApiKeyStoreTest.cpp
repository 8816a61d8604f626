#include "assist/ApiKeyStore.h"

#include "AssistTestSupport.h"
#include "TestFiles.h"
#include "platform/FileSizeLimit.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>

#include <sys/stat.h>
#include <unistd.h>

namespace {
int modeOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
    return int(st.st_mode & 0777);
}

} // namespace

TEST(ApiKeyStore, KeysLiveInAnOwnerOnlyFileNotInSettings)
{
    TempConfig env;
    ApiKeyStore& keys = env.keys();
    EXPECT_EQ(keys.filePath(), env.path("apikeys.json"));
    QSignalSpy changed(&keys, &ApiKeyStore::changed);

    ASSERT_TRUE(keys.setKey(ApiKeyStore::cloudKeyName(), "sk-secret-value"));
    ASSERT_TRUE(keys.setKey(ApiKeyStore::customKeyName(), "other-secret"));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(keys.key(ApiKeyStore::cloudKeyName()), "sk-secret-value");
    EXPECT_EQ(keys.key(ApiKeyStore::customKeyName()), "other-secret");
    EXPECT_EQ(modeOf(keys.filePath()), 0600);
    env.settings().sync();
    EXPECT_FALSE(fileBytes(env.settings().filePath()).contains("secret"));

    // A copy with loose permissions is tightened when read.
    QFile::setPermissions(keys.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    EXPECT_EQ(keys.key(ApiKeyStore::cloudKeyName()), "sk-secret-value");
    EXPECT_EQ(modeOf(keys.filePath()), 0600);

    ASSERT_TRUE(keys.setKey(ApiKeyStore::customKeyName(), ""));
    EXPECT_EQ(keys.key(ApiKeyStore::customKeyName()), "");
    EXPECT_FALSE(fileBytes(keys.filePath()).contains("other-secret"));

    // An unreadable store yields no key and does not crash.
    QFile f(keys.filePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("{not json");
    f.close();
    EXPECT_EQ(keys.key(ApiKeyStore::cloudKeyName()), "");
}

TEST(ApiKeyStore, KeyInSettingsFileIsMovedOut)
{
    TempConfig env;
    {
        // A settings file written by an earlier version, with the key in plain sight.
        QSettings legacy(env.settings().filePath(), QSettings::IniFormat);
        legacy.setValue("deepseekAPIKey", "sk-legacy-key");
        legacy.setValue("editorFontSize", 15);
    }
    Settings::useFile(env.settings().filePath()); // reopen so the store sees the file
    EXPECT_EQ(env.keys().key(ApiKeyStore::cloudKeyName()), "sk-legacy-key");
    EXPECT_FALSE(env.settings().isStored("deepseekAPIKey"));
    EXPECT_FALSE(fileBytes(env.settings().filePath()).contains("sk-legacy-key"));
    EXPECT_TRUE(env.settings().isStored("editorFontSize"));
    EXPECT_EQ(modeOf(env.keys().filePath()), 0600);

    // A key written into the settings later (a settings page) moves at once and is announced.
    QSignalSpy changed(&env.keys(), &ApiKeyStore::changed);
    env.settings().setValue("deepseekAPIKey", "sk-typed-later");
    EXPECT_FALSE(env.settings().isStored("deepseekAPIKey"));
    EXPECT_EQ(changed.count(), 1);
    // The copy is the newer value: it replaces the stored key.
    EXPECT_EQ(env.keys().key(ApiKeyStore::cloudKeyName()), "sk-typed-later");
}

TEST(ApiKeyStore, KeyTypedIntoTheSettingsFollowsEveryKeystroke)
{
    TempConfig env;
    ApiKeyStore& keys = env.keys();
    ASSERT_TRUE(keys.setKey(ApiKeyStore::cloudKeyName(), "sk-old-key"));
    // A settings page that writes the field on every change: each write moves at once,
    // and the last one is the key (the first keystroke must not freeze it).
    for (const QString typed : {"s", "sk", "sk-", "sk-new-key"}) env.settings().setValue("deepseekAPIKey", typed);
    EXPECT_EQ(keys.key(ApiKeyStore::cloudKeyName()), "sk-new-key");
    EXPECT_FALSE(env.settings().isStored("deepseekAPIKey"));
    env.settings().sync();
    EXPECT_FALSE(fileBytes(env.settings().filePath()).contains("sk-new-key"));
    // Clearing the field removes the key.
    env.settings().setValue("deepseekAPIKey", "");
    EXPECT_EQ(keys.key(ApiKeyStore::cloudKeyName()), "");
    EXPECT_FALSE(fileBytes(keys.filePath()).contains("sk-"));
}

TEST(ApiKeyStore, UnwritableStoreKeepsTheSettingsCopy)
{
    TempConfig env;
    env.settings().setValue("deepseekAPIKey", "sk-keep-me"); // before any store listens
    // The store's folder is a plain file: nothing can be written there, not even by root.
    QFile blocker(env.path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ApiKeyStore store(env.path("blocker/apikeys.json"), &env.settings());
    EXPECT_EQ(store.key(ApiKeyStore::cloudKeyName()), "");
    EXPECT_TRUE(env.settings().isStored("deepseekAPIKey")); // not lost
    EXPECT_FALSE(store.setKey(ApiKeyStore::customKeyName(), "x"));
}

// A key file the disk cannot hold is not reported as stored: the keys already there stay.
TEST(ApiKeyStore, AKeyTheDiskCannotHoldIsNotStored)
{
    TempConfig env;
    ApiKeyStore& keys = env.keys();
    ASSERT_TRUE(keys.setKey(ApiKeyStore::cloudKeyName(), "sk-first"));
    const QByteArray before = fileBytes(keys.filePath());
    const QString longKey(2000, u'k');
    EXPECT_EQ(underFileSizeLimit(500, [&] { return keys.setKey(ApiKeyStore::customKeyName(), longKey); }), false);
    EXPECT_EQ(fileBytes(keys.filePath()), before);
}
