#include "assist/Autocomplete.h"
#include "assist/AIActions.h"

#include <gtest/gtest.h>

TEST(AutocompleteContext, CutsInUtf16UnitsAndClampsTheCaret)
{
    const QString text = QString(1000, 'a') + QString(300, 'b');
    auto c = Autocomplete::context(text, 1000, 800);
    EXPECT_EQ(c.before, QString(800, 'a'));
    EXPECT_EQ(c.after, QString(120, 'b'));

    c = Autocomplete::context("Hello", 99, 800); // beyond the end: the end
    EXPECT_EQ(c.before, "Hello");
    EXPECT_EQ(c.after, "");
    c = Autocomplete::context("Hello", -4, 800);
    EXPECT_EQ(c.before, "");
    EXPECT_EQ(c.after, "Hello");

    EXPECT_FALSE(Autocomplete::hasEnoughContext("  He \n"));
    EXPECT_TRUE(Autocomplete::hasEnoughContext("\nHel"));
    EXPECT_FALSE(Autocomplete::hasEnoughContext("e\u0301e\u0301")); // two characters, four units

    EXPECT_EQ(Autocomplete::userMessage({"ab", "cd"}),
              "TEXT BEFORE CURSOR:\nab\n\n<<CURSOR>>\n\nTEXT AFTER CURSOR:\ncd");
}

TEST(AutocompleteClean, FencesEchoesParagraphsAndSpacing)
{
    using Autocomplete::clean;
    EXPECT_EQ(clean("```markdown\nthe rest.\n```", "Write ", 240), "the rest.");
    EXPECT_EQ(clean("```", "Write ", 240), "");
    EXPECT_EQ(clean("```text\r\nline one\r\nline two\r\n```\r\n", "x ", 240), "line one\nline two");

    // The echoed last word goes, and a blank keeps the words apart.
    EXPECT_EQ(clean("QUICK brown fox", "The quick", 240), " brown fox");
    EXPECT_EQ(clean("brown fox", "The quick ", 240), "brown fox");
    EXPECT_EQ(clean("brown fox", "The quick,", 240), "brown fox");
    EXPECT_EQ(clean("quickly", "The quick", 240), " quickly"); // not followed by a blank: kept

    EXPECT_EQ(clean("first part\n\nsecond part", "x ", 240), "first part");
    EXPECT_EQ(clean("  \n spaced \n", "x ", 240), "spaced");
}

TEST(AutocompleteClean, LongRepliesEndAtASentenceOrABlank)
{
    using Autocomplete::clean;
    // 300 characters with sentence ends: cut after the last one within the first 240.
    QString withSentences;
    while (withSentences.size() < 300) withSentences += "Short sentence here. ";
    withSentences.truncate(300);
    const QString cut = clean(withSentences, "x ", 240);
    EXPECT_LE(cut.size(), 240);
    EXPECT_TRUE(cut.endsWith("here.")) << cut.toStdString();
    EXPECT_EQ(withSentences.left(cut.size()), cut);

    QString words;
    while (words.size() < 300) words += "word ";
    const QString byBlank = clean(words.trimmed(), "x ", 240);
    EXPECT_LT(byBlank.size(), 240);
    EXPECT_FALSE(byBlank.endsWith(' '));
    EXPECT_TRUE(byBlank.endsWith("word"));

    // Counted in characters: 300 flags (two units each) are cut to 240 flags.
    QString flags;
    for (int i = 0; i < 300; ++i) flags += QString::fromUtf8("\U0001F1EB\U0001F1F7");
    EXPECT_EQ(clean(flags, "x ", 240).size(), 240 * 4);
}

TEST(AIActions, TableAndPrompts)
{
    const auto& all = AIActions::all();
    ASSERT_EQ(all.size(), 11);
    const QString suffix = "Preserve all Markdown formatting, code blocks, and links. Output only the resulting "
                           "Markdown with no commentary or code fences.";
    for (int i = 0; i < 10; ++i) {
        const QString p = all[i].system;
        ASSERT_TRUE(p.endsWith(suffix)) << i;
        const QString sentence = p.left(p.size() - suffix.size());
        EXPECT_TRUE(sentence.endsWith(". ") && !sentence.endsWith("  ")) << i;
    }
    EXPECT_EQ(all[0].id, "improve");
    EXPECT_EQ(all[7].mode, AIAction::Mode::appendSection);
    EXPECT_EQ(all[8].title, "Draft from Outline");
    EXPECT_EQ(all[10].mode, AIAction::Mode::frontMatter);
    EXPECT_FALSE(all[10].system.contains(suffix));
    EXPECT_TRUE(all[10].system.contains(QString::fromUtf8("{\"title\": \"…\", \"tags\": [\"…\", \"…\"]} — a concise")));
    EXPECT_EQ(AIActions::byId("nope").id, "improve");
    EXPECT_EQ(AIActions::byId("casual").title, "Casual Tone");
}

TEST(AIService, InstructionIsAppendedOnlyWhenNotBlank)
{
    EXPECT_EQ(AIService::systemPrompt("S.", std::nullopt), "S.");
    EXPECT_EQ(AIService::systemPrompt("S.", QString(" \t ")), "S.");
    EXPECT_EQ(AIService::systemPrompt("S.", QString("\n")), "S. Additional instruction from the user: \n.");
    EXPECT_EQ(AIService::systemPrompt("S.", QString(" Be brief.")),
              "S. Additional instruction from the user:  Be brief..");
}
