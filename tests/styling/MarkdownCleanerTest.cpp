#include "styling/MarkdownCleaner.h"

#include "platform/TextUtil.h"

#include <QElapsedTimer>

#include <algorithm>

#include <gtest/gtest.h>

using namespace MarkdownCleaner;

namespace {
std::string cleaned(const QString& s)
{
    return clean(s).toStdString();
}
std::string repaired(const QString& s)
{
    return repairingTables(s).toStdString();
}
} // namespace

TEST(MarkdownCleaner, InsertsMissingAlignmentRowAndAligns)
{
    EXPECT_EQ(cleaned("| Name | Qty |\n| apple | 3 |"), "| Name  | Qty |\n| ----- | --- |\n| apple | 3   |\n");
    // One pipe starts no table; a lone row with two pipes stays as it is.
    EXPECT_EQ(cleaned("a | b\nc | d"), "a | b\nc | d\n");
    EXPECT_EQ(cleaned("| a | b |"), "| a | b |\n");
}

TEST(MarkdownCleaner, NoCellLostToAShortHeaderOrAlignmentRow)
{
    EXPECT_EQ(cleaned("| a |\n| 1 | 2 | 3 |"), "| a   |     |     |\n| --- | --- | --- |\n| 1   | 2   | 3   |\n");
    // An existing alignment row shorter than a body row widens the table.
    EXPECT_EQ(cleaned("| a | b |\n|---|---|\n| 1 | 2 | 3 |"),
              "| a   | b   |     |\n| --- | --- | --- |\n| 1   | 2   | 3   |\n");
}

TEST(MarkdownCleaner, BlankLinesBetweenRowsAndTables)
{
    // A blank line between two rows of one table disappears...
    EXPECT_EQ(cleaned("| a | b |\n|---|---|\n| 1 | 2 |\n\n| 3 | 4 |"),
              "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n| 3   | 4   |\n");
    // ...but two tables split by a blank line stay two tables.
    EXPECT_EQ(cleaned("| a | b |\n|---|---|\n| 1 | 2 |\n\n| c | d |\n|---|---|\n| 3 | 4 |"),
              "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n\n| c   | d   |\n| --- | --- |\n| 3   | 4   |\n");
    // A blank line between a table and a paragraph stays as one empty line.
    EXPECT_EQ(cleaned("| a | b |\n|---|---|\n\n\n\ntext"), "| a   | b   |\n| --- | --- |\n\ntext\n");
}

TEST(MarkdownCleaner, LeavesWhatIsNotATableAlone)
{
    // Block-quote lines never become a table whose first column is ">".
    const QString quote = "> | a | b |\n> | 1 | 2 |\n";
    EXPECT_EQ(cleaned(quote), quote.toStdString());
    EXPECT_EQ(repaired(quote), quote.toStdString());
    // Pipe lines directly above a real table are left as written; the table is aligned.
    EXPECT_EQ(cleaned("Pick a|b|c now\n| x | y |\n|---|---|\n| 1 | 2 |"),
              "Pick a|b|c now\n| x   | y   |\n| --- | --- |\n| 1   | 2   |\n");
    // An alignment row with no header above it is not rebuilt.
    EXPECT_EQ(cleaned("|---|---|\n| 1 | 2 |"), "|---|---|\n| 1 | 2 |\n");
}

TEST(MarkdownCleaner, FencedCodeIsUntouched)
{
    const QString fenced = "```\n| a | b |\n| 1 | 2 |\ntrail   \n&nbsp;\n\n\n\n```\n";
    EXPECT_EQ(cleaned(fenced), fenced.toStdString());
    EXPECT_EQ(repaired(fenced), fenced.toStdString());
    // An unclosed fence protects everything to the end.
    const QString open = "text  \n```js\n| a | b |\n| 1 | 2 |   \nx";
    EXPECT_EQ(cleaned(open), "text\n```js\n| a | b |\n| 1 | 2 |   \nx\n");
    // Outside the fence the table is repaired, inside it is not.
    EXPECT_EQ(repaired("| a | b |\n| 1 | 2 |\n```\n| a | b |\n| 1 | 2 |\n```"),
              "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n```\n| a | b |\n| 1 | 2 |\n```");
}

TEST(MarkdownCleaner, TildeLinesAreProseLikeForTheStylerAndRenderer)
{
    // A prose line beginning with "~~~" leaves the table below it open to repair...
    EXPECT_EQ(repaired("~~~ a note\n| a | b |\n| 1 | 2 |"), "~~~ a note\n| a   | b   |\n| --- | --- |\n| 1   | 2   |");
    // ...and an unpaired one protects nothing after it from clean-up.
    EXPECT_EQ(cleaned("~~~\ntrail   \n&nbsp;\n\n\n~~~ x"), "~~~\ntrail\n\u00A0\n\n~~~ x\n");
}

TEST(MarkdownCleaner, SpacingEntitiesOutsideCodeSpans)
{
    const QString nb(QChar(0x00A0));
    EXPECT_EQ(clean("a&nbsp;b &NBSP; &#160; &#0160; &#xA0; &#x00a0;"),
              "a" + nb + "b " + nb + " " + nb + " " + nb + " " + nb + " " + nb + "\n");
    EXPECT_EQ(cleaned("`&nbsp;` &#xa0 &amp;"), "`&nbsp;` &#xa0 &amp;\n");
    EXPECT_EQ(clean("`x` &nbsp; `&nbsp;`"), "`x` " + nb + " `&nbsp;`\n");
}

TEST(MarkdownCleaner, LineEndingsBlanksAndFinalBreak)
{
    EXPECT_EQ(cleaned("a\r\n\r\n\r\nb"), "a\n\nb\n");
    EXPECT_EQ(cleaned("a  \t\nb\n\n\n"), "a\nb\n");
    EXPECT_EQ(cleaned("\n \n\t\n"), "");
    EXPECT_EQ(cleaned(""), "");
    EXPECT_EQ(cleaned("a\rb"), "a\rb\n"); // a lone CR stays
}

TEST(MarkdownCleaner, RepairingTablesChangesNothingElse)
{
    EXPECT_EQ(repaired("a  \r\n&nbsp;\n\n\n\nb\n\n"), "a  \n&nbsp;\n\n\n\nb\n\n");
    EXPECT_EQ(repaired("x\n| a | b |\n| 1 | 2 |\ny"), "x\n| a   | b   |\n| --- | --- |\n| 1   | 2   |\ny");
    // Escaped pipes stay inside their cell.
    EXPECT_EQ(repaired("| a \\| b | c |\n| 1 | 2 |"), "| a \\| b | c   |\n| ------ | --- |\n| 1      | 2   |");
}

TEST(MarkdownCleaner, RowLike)
{
    EXPECT_TRUE(rowLike(u" | a | "));
    EXPECT_TRUE(rowLike(u"a|b|"));
    EXPECT_FALSE(rowLike(u"a | b"));
    EXPECT_FALSE(rowLike(u"   "));
    EXPECT_FALSE(rowLike(u"> | a | b |"));
    EXPECT_FALSE(rowLike(u"a \\| b \\| c"));
}

TEST(MarkdownCleaner, TenThousandRowTableIsLinear)
{
    QString t = "| a | b |\n";
    for (int i = 0; i < 10000; ++i) t += QStringLiteral("| %1 | x |\n").arg(i);
    QElapsedTimer timer;
    timer.start();
    const QString out = clean(t);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(out.count(u'\n'), 10002);
}

TEST(MarkdownCleaner, CleaningTwiceChangesNothing)
{
    // Two blank lines between rows: collapsed and the rows joined in one pass.
    const QString gap = "| a | b |\n|---|---|\n| 1 | 2 |\n\n\n| 3 | 4 |";
    EXPECT_EQ(cleaned(gap), "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n| 3   | 4   |\n");
    // A decoded no-break space before "```" opens no fence next time.
    const QString nbspFence = "&nbsp;```\n&nbsp;x\n```\n&nbsp;y";
    EXPECT_EQ(clean(nbspFence), clean(clean(nbspFence)));
    EXPECT_EQ(clean(nbspFence), QString(QChar(0x00A0)) + "```\n" + QChar(0x00A0) + "x\n```\n&nbsp;y\n");
    // Rows above a blank line are a table of their own even when the table below has its
    // alignment row after a blank line.
    const QString split = "| a | b |\n| c | d |\n\n| h | i |\n\n| :-- | --: |";
    EXPECT_EQ(repaired(split), "| a   | b   |\n| --- | --- |\n| c   | d   |\n\n| h   |   i |\n| :-- | --: |");
    EXPECT_EQ(repairingTables(repairingTables(split)), repairingTables(split));
    // A table, a blank line, a pipe paragraph line and a second table: the paragraph
    // line stays as written and neither table swallows the other.
    const QString two = "| a | b |\n| 1 | 2 |\n\nP|Q|\n| h | i |\n|---|---|";
    const QString once = repairingTables(two);
    EXPECT_EQ(once.toStdString(), "| a   | b   |\n| --- | --- |\n| 1   | 2   |\n\nP|Q|\n| h   | i   |\n| --- | --- |");
    EXPECT_EQ(repairingTables(once), once);
}

// Random Markdown-ish text: cleaning and repairing are idempotent, never lose a cell's
// characters, and leave every line that is not a table row as it was.
TEST(MarkdownCleaner, RandomTextPropertiesHold)
{
    static const QStringList bits = {"a", "b",   " ",   "|", "|",      "|",  "-",    "---", ":",  ":-:", "\\|", "\\",
                                     "`", "```", "~~~", ">", "&nbsp;", "\t", "日本", "😀",   "**", "x y", "1.5", "#"};
    static const QStringList lines = {
        "",    "   ", "| a | b |",     "|---|---|", "| :-- | --: |", "a | b", "--|--", "> | q | r |",
        "```", "~~~", "| 1 | 2 | 3 |", "text",      "- i | x | y",   "||"};
    auto cellChars = [](const QString& s) {
        QString c;
        for (QChar ch : s)
            if (!QStringView(u" \t|-:\r\n").contains(ch)) c += ch;
        std::sort(c.begin(), c.end());
        return c;
    };
    quint32 seed = 12345;
    auto roll = [&](int n) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(n));
    };
    for (int round = 0; round < 3000; ++round) {
        QStringList in;
        for (int l = 1 + roll(9); l > 0; --l) {
            QString s;
            if (roll(3) == 0)
                s = lines[roll(int(lines.size()))];
            else
                for (int k = roll(8); k > 0; --k) s += bits[roll(int(bits.size()))];
            in << s;
        }
        const QString text = in.join(roll(4) == 0 ? "\r\n" : "\n");
        const QString once = repairingTables(text);
        ASSERT_EQ(repairingTables(once), once) << text.toStdString();
        ASSERT_EQ(clean(clean(text)), clean(text)) << text.toStdString();
        ASSERT_EQ(cellChars(once), cellChars(text)) << text.toStdString();
        // Every line that is not a row comes through unchanged and in order.
        const QStringList out = once.split(u'\n');
        qsizetype at = 0;
        for (const QString& l : in) {
            if (rowLike(l) || TextUtil::isBlank(l)) continue;
            at = out.indexOf(l, at);
            ASSERT_GE(at, 0) << text.toStdString();
            ++at;
        }
    }
}
