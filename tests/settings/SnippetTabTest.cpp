#include "platform/KeptAside.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"
#include "settings/SnippetStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct SnippetTabTest : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { Settings::useFile(dir.filePath(u"settings.ini"_s)); }
    // The text after Tab at the end of `text`, with "|" at the caret; "" when nothing expands.
    QString tab(const QString& text)
    {
        const auto e = SnippetStore::tabEdit(text, int(text.size()), u"Dec 7, 2026"_s);
        if (!e) return {};
        QString out = text;
        out.replace(e->start, e->length, e->replacement);
        return out.insert(e->caretAfter, u'|');
    }
};
} // namespace

TEST_F(SnippetTabTest, DefaultsWithMarkers)
{
    EXPECT_EQ(tab(u"x sig"_s), u"x Best regards,\n|");
    EXPECT_EQ(tab(u"meta"_s), u"---\ntitle: |\ndate: Dec 7, 2026\n---\n");
    EXPECT_EQ(tab(u"date"_s), u"Dec 7, 2026|");
    EXPECT_EQ(tab(u"re-sig"_s), u"re-Best regards,\n|");
    EXPECT_EQ(tab(u"Sig"_s), u"");
    EXPECT_EQ(tab(u"xsig"_s), u"");
    EXPECT_EQ(tab(u"a\nsig"_s), u"a\nBest regards,\n|");
    EXPECT_EQ(tab(QString()), u"");
}

TEST_F(SnippetTabTest, StoredListReplacesDefaults)
{
    Settings::instance().setValue(PrefKey::userSnippets, QByteArray("[]"));
    EXPECT_EQ(tab(u"sig"_s), u"");
    Settings::instance().setValue(
        PrefKey::userSnippets,
        QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","trigger":"x","body":"a$|b$|c"},)"
                   R"({"id":"7C9E6679-7425-40DE-944B-E07FC1F90AE7","trigger":"x","body":"second"},)"
                   R"({"id":"6EC0BD7F-11C0-43DA-975E-2A8AD9EBAE0B","trigger":"e","body":""}])"));
    EXPECT_EQ(tab(u"x"_s), u"a|bc");
    EXPECT_EQ(tab(u"ab e"_s), u"ab |");
    // An id that is not a UUID makes the whole value unreadable: the defaults come back.
    Settings::instance().setValue(PrefKey::userSnippets, QByteArray(R"([{"id":"nope","trigger":"x","body":"y"}])"));
    EXPECT_EQ(tab(u"sig"_s), u"Best regards,\n|");
}

// A store that cannot read its stored value says so in its own subsystem's category, and so
// does the copy of the value kept aside for it, so that turning on one subsystem's messages
// shows what happened to its data.
TEST_F(SnippetTabTest, AStoresFallbackIsLoggedInItsOwnCategory)
{
    static QStringList categories;
    categories.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext& c, const QString&) { categories << QString::fromLatin1(c.category); });
    Settings& s = Settings::instance();
    s.setValue(PrefKey::userSnippets, QByteArray("{not a list"));
    EXPECT_EQ(tab(u"sig"_s), u"Best regards,\n|");
    EXPECT_EQ(categories.join(u' ').toStdString(), "brindlewick.settings");
    SnippetStore::save({});
    s.setValue(PrefKey::exportPresets, QByteArray("{not a list"));
    ExportPresetStore::all(s);
    qInstallMessageHandler(previous);
    EXPECT_EQ(categories.join(u' ').toStdString(),
              "brindlewick.settings brindlewick.settings brindlewick.render brindlewick.render");
    EXPECT_EQ(QDir(KeptAside::folder(s)).entryList(QDir::Files).size(), 2);
}
