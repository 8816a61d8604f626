#include "platform/Settings.h"
#include "platform/NotificationBus.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Settings, DefaultsAreFallbacksAndWritesNotifyAndPersist)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    {
        Settings s(path);
        s.registerDefaults({{"editorPageWidth", 816.0}, {"editorViewMode", "wysiwyg"}, {"flag", true}});
        EXPECT_DOUBLE_EQ(s.number("editorPageWidth"), 816.0);
        EXPECT_EQ(s.string("editorViewMode"), "wysiwyg");
        EXPECT_FALSE(s.value("deepseekAPIKey").isValid());
        EXPECT_FALSE(s.isStored("editorViewMode"));

        QString seen;
        QObject ctx;
        s.onChange("editorViewMode", &ctx, [&](const QVariant& v) { seen = v.toString(); });
        s.setValue("editorViewMode", "source");
        EXPECT_EQ(seen, "source");
        s.setValue("flag", false);
    }
    Settings again(path);
    again.registerDefaults({{"flag", true}});
    EXPECT_EQ(again.string("editorViewMode"), "source");
    EXPECT_FALSE(again.boolean("flag", true)); // stored "false" read back as a Boolean
}

TEST(NotificationBus, DeliversByNameWithObject)
{
    QObject ctx;
    QVariant got;
    int calls = 0;
    NotificationBus::instance().observe(NotificationBus::name("openWikiLink"), &ctx, [&](const QVariant& o) {
        got = o;
        ++calls;
    });
    NotificationBus::instance().post("Brindlewick.other");
    NotificationBus::instance().post("Brindlewick.openWikiLink", QString("x.md"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(got.toString(), "x.md");
}

TEST(Settings, MalformedStoredValuesFallBackToTheRegisteredDefault)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\neditorFontSize=huge\neditorAutoPair=maybe\ncount=12\nratio=1.5\n");
    }
    Settings s(path);
    s.registerDefaults({{"editorFontSize", 15.0}, {"editorAutoPair", true}});
    EXPECT_DOUBLE_EQ(s.number("editorFontSize"), 15.0);
    EXPECT_TRUE(s.boolean("editorAutoPair"));
    EXPECT_EQ(s.integer("count"), 12);
    EXPECT_DOUBLE_EQ(s.number("ratio"), 1.5);
    EXPECT_EQ(s.integer("absent", 7), 7);
}

TEST(Settings, JsonAndOddStringsRoundTripThroughTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("s.ini");
    const QStringList values{R"([{"id":"a,b","name":"Night; \"quoted\"","text":{"r":0.1,"g":0,"b":1,"a":1}}])",
                             "  leading and trailing blanks  ",
                             "line\nbreaks\r\nand\ttabs",
                             "caf\u00e9 \u2014 \U0001F44D",
                             "",
                             "true",
                             "a,b,c",
                             "@Variant(odd)",
                             "#not a comment",
                             "[section]"};
    {
        Settings s(path);
        for (int i = 0; i < values.size(); ++i) s.setValue(QString("k%1").arg(i), values[i]);
    }
    Settings again(path);
    again.registerDefaults({{"k0", "[]"}});
    for (int i = 0; i < values.size(); ++i) EXPECT_EQ(again.string(QString("k%1").arg(i)), values[i]) << i;
    EXPECT_EQ(again.string("k5"), "true");
}

TEST(Settings, TestProgramsKeepOutOfTheUsersFolders)
{
    // The test programs point the user's configuration, data and cache folders into a
    // temporary folder before anything reads them.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    ASSERT_FALSE(config.isEmpty());
    ASSERT_FALSE(data.isEmpty());
    EXPECT_TRUE(config.startsWith(QDir::tempPath()));
    EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).startsWith(config));
    EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).startsWith(data));
    EXPECT_TRUE(QSettings(QSettings::IniFormat, QSettings::UserScope, "x", "y").fileName().startsWith(config));
}
