#include "editor/SpellChecker.h"

#include "editor/PersonalDictionary.h"
#include "platform/KeptAside.h"
#include "platform/Settings.h"
#include "styling/AttributedText.h"
#include "styling/MarkdownStyler.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SpellChecker, FindsMisspelledWordsButNotTheOneBeingTyped)
{
    SpellChecker& sc = SpellChecker::shared();
    sc.setLanguage("en-US");
    if (!sc.isAvailable()) GTEST_SKIP() << "no Hunspell dictionary for en_US";
    const QString text = "Thiss is a sentence with wrongg words and R2D2 and snake_case.";
    const QList<TextRange> bad = sc.misspelled(text, {0, int(text.size())});
    EXPECT_EQ(bad, (QList<TextRange>{{0, 5}, {25, 6}}));
    // The caret at the end of "wrongg": that word may still be being typed.
    EXPECT_EQ(sc.misspelled(text, {0, int(text.size())}, 31), (QList<TextRange>{{0, 5}}));
    // A language without a dictionary keeps the one in use.
    sc.setLanguage("xx_YY");
    EXPECT_EQ(sc.language(), "en_US");
    EXPECT_FALSE(sc.isCorrect(u"wrongg"));
}

// The languages the settings offer ("de", "en") are read from the installed dictionary of that
// language, as the system names it ("de_DE", "en_GB"): a launch with one picked checks spelling.
TEST(SpellChecker, APickedLanguageReadsAnInstalledDictionaryOfThatLanguage)
{
#ifndef BW_HAVE_HUNSPELL
    GTEST_SKIP() << "built without Hunspell";
#endif
    QTemporaryDir folder;
    const auto install = [&folder](const QString& name, const QByteArray& word, bool withWords = true) {
        QFile aff(folder.filePath(name + ".aff"));
        ASSERT_TRUE(aff.open(QIODevice::WriteOnly));
        aff.write("SET UTF-8\n");
        if (!withWords) return;
        QFile dic(folder.filePath(name + ".dic"));
        ASSERT_TRUE(dic.open(QIODevice::WriteOnly));
        dic.write("1\n" + word + "\n");
    };
    install("de_AT", "Paradeiser");
    install("de_DE", "Tomate");
    install("en_GB", "colour");
    install("en_ZA", "braai");
    install("pt_BR", "tomate");
    install("fr_FR", "tomate", false); // half installed
    SpellChecker& sc = SpellChecker::shared();
    sc.useDictionaryFolders({folder.path()});
    struct Restore {
        ~Restore() { SpellChecker::shared().useDictionaryFolders({}); }
    } restore;

    sc.setLanguage("de");
    EXPECT_EQ(sc.language(), "de_DE");
    EXPECT_TRUE(sc.isCorrect(u"Tomate"));
    EXPECT_FALSE(sc.isCorrect(u"Paradeiser"));
    EXPECT_EQ(sc.dictionaryFor("en"), "en_GB"); // no en_US: the first English one
    EXPECT_EQ(sc.dictionaryFor("en-ZA"), "en_ZA");
    EXPECT_EQ(sc.dictionaryFor("pt"), "pt_BR");
    EXPECT_EQ(sc.dictionaryFor("fr"), "");
    EXPECT_EQ(sc.dictionaryFor("es"), "");
    EXPECT_EQ(sc.dictionaryFor("en_US"), "");
    sc.setLanguage("en");
    EXPECT_TRUE(sc.isCorrect(u"colour"));
    EXPECT_FALSE(sc.isCorrect(u"braai"));
    // A language without a dictionary keeps the one in use.
    sc.setLanguage("fr");
    EXPECT_EQ(sc.language(), "en_GB");
}

namespace {

SpellChecker& english()
{
    SpellChecker& sc = SpellChecker::shared();
    sc.setLanguage("en_US");
    return sc;
}

QStringList wordsOf(const QString& text, const QList<TextRange>& ranges)
{
    QStringList out;
    for (const TextRange& r : ranges) out << text.mid(r.location, r.length);
    return out;
}

} // namespace

TEST(SpellChecker, SuggestsForAMisspellingAndLeavesCodeMarkupAndAddressesAlone)
{
    SpellChecker& sc = english();
    if (!sc.isAvailable()) GTEST_SKIP() << "no Hunspell dictionary for en_US";
    EXPECT_TRUE(sc.suggestions(u"wrongg").contains("wrong")) << sc.suggestions(u"wrongg").join(", ").toStdString();
    EXPECT_TRUE(sc.suggestions(u"").isEmpty());

    const QString text = "---\nauthr: Thiss\nlayoutt: x\n---\n"
                         "Thiss `wrongg` [linkk](https://exampel.com/pathh) [[Pagge Nmae]] note[^footnotte]\n"
                         "```\nbadd codde\n```\n"
                         "    <span class=\"notte\">okk</span>&nbspp; www.exampel.org mail@exampel.org\n"
                         "[^footnotte]: Definitionn";
    AttributedText styled(text);
    MarkdownStyler styler;
    styler.highlight(styled, std::nullopt);
    const TextRange all(0, int(text.size()));
    // Front matter values, prose, link text and a tag's content are words.
    EXPECT_EQ(wordsOf(text, sc.misspelled(styled, all)),
              (QStringList{"Thiss", "Thiss", "linkk", "okk", "Definitionn"}));
    // The plain check knows no styling: code and link targets are words to it.
    const QStringList plain = wordsOf(text, sc.misspelled(text, all));
    EXPECT_TRUE(plain.contains("wrongg") && plain.contains("badd") && plain.contains("Pagge"));
    EXPECT_FALSE(plain.contains("pathh") || plain.contains("notte") || plain.contains("exampel")
                 || plain.contains("authr"));
}

class PersonalDictionaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Settings::useFile(dir.filePath("settings.ini"));
    }
    void TearDown() override { SpellChecker::shared().usePersonalDictionary(dir.filePath("none.txt")); }
    QString path() const { return dir.filePath("data/Personal Dictionary.txt"); }
    void write(const QByteArray& bytes)
    {
        QDir().mkpath(dir.filePath("data"));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList keptAside() const
    {
        QStringList out;
        QDirIterator it(KeptAside::folder(Settings::instance()), {"Personal_Dictionary *.txt"}, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly)) out << QString::fromLatin1(f.readAll().toHex());
        }
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(PersonalDictionaryTest, AnAddedWordIsAcceptedEverywhereAndSurvivesAReload)
{
    SpellChecker& sc = english();
    if (!sc.isAvailable()) GTEST_SKIP() << "no Hunspell dictionary for en_US";
    sc.usePersonalDictionary(path());
    QStringList told;
    QObject context;
    QObject::connect(&sc.events(), &SpellingEvents::accepted, &context, [&told](const QString& w) { told << w; });
    const QString text = "Brindlewickk writes zorbles and Zorbles.";
    ASSERT_EQ(wordsOf(text, sc.misspelled(text, {0, int(text.size())})),
              (QStringList{"Brindlewickk", "zorbles", "Zorbles"}));

    QString why;
    EXPECT_TRUE(sc.addToDictionary("Brindlewickk", &why)) << why.toStdString();
    sc.ignore("zorbles");
    EXPECT_EQ(told, (QStringList{"Brindlewickk", "zorbles"}));
    // A word kept in small letters is right at a sentence's start too.
    EXPECT_TRUE(sc.misspelled(text, {0, int(text.size())}).isEmpty());
    EXPECT_TRUE(sc.suggestions(u"Brindlewick").contains("Brindlewickk"));

    // On the next start: the added word is back, the ignored one is not.
    EXPECT_EQ(PersonalDictionary(path()).words(), QStringList{"Brindlewickk"});
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "Brindlewickk\n");
    // Words another program added in between are kept.
    write("Brindlewickk\nQuuxly\n");
    EXPECT_TRUE(sc.addToDictionary("Frobnitzz"));
    EXPECT_EQ(PersonalDictionary(path()).words(), (QStringList{"Brindlewickk", "Quuxly", "Frobnitzz"}));
    EXPECT_FALSE(sc.addToDictionary("two words", &why));
    EXPECT_TRUE(keptAside().isEmpty());
}

TEST_F(PersonalDictionaryTest, AListThatCannotBeReadStartsEmptyAndIsKeptAside)
{
    // Not UTF-8: the file is moved aside whole, and the next word starts a new list.
    const QByteArray garbage("caf\xe9\nok\n\xff\xfe", 9);
    write(garbage);
    EXPECT_TRUE(PersonalDictionary(path()).words().isEmpty());
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(keptAside(), QStringList{QString::fromLatin1(garbage.toHex())});
    PersonalDictionary fresh(path());
    EXPECT_TRUE(fresh.add("word"));
    EXPECT_EQ(PersonalDictionary(path()).words(), QStringList{"word"});

    // Larger than any word list: never read, moved aside.
    write(QByteArray(PersonalDictionary::kMaxBytes + 1, 'a'));
    EXPECT_TRUE(PersonalDictionary(path()).words().isEmpty());
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(keptAside().size(), 2);

    // Lines that are no words are left out; the file as it was is kept aside once.
    const QByteArray mixed("good\r\n  two words \n\x01"
                           "bad\n\nfine\n");
    write(mixed);
    EXPECT_EQ(PersonalDictionary(path()).words(), (QStringList{"good", "fine"}));
    EXPECT_EQ(PersonalDictionary(path()).words(), (QStringList{"good", "fine"}));
    EXPECT_TRUE(QFile::exists(path()));
    EXPECT_EQ(keptAside().size(), 3);
    EXPECT_TRUE(keptAside().contains(QString::fromLatin1(mixed.toHex())));
}
