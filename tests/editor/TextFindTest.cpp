#include "editor/TextFind.h"

#include <gtest/gtest.h>

namespace {
QList<int> starts(const TextFind& f, QStringView text)
{
    QList<int> out;
    for (auto r = f.findForward(text, 0); r; r = f.findForward(text, r->end())) out << r->location;
    return out;
}
} // namespace

TEST(TextFind, LiteralCaseInsensitiveOverCrLfAndNonBmpText)
{
    const QString text = QString::fromUtf8("One.\r\n😀one ONE\r\n𐐀x 𐐨X a.b");
    EXPECT_EQ(starts(TextFind("one"), text), QList<int>({0, 8, 12}));
    EXPECT_EQ(TextFind(".").count(text), 2); // literal: a dot is a dot
    EXPECT_EQ(TextFind("\r\n").count(text), 2);
    // Deseret capital and small letters are one letter, ignoring case; offsets are UTF-16 units.
    EXPECT_EQ(starts(TextFind(QString::fromUtf8("𐐨x")), text), QList<int>({17, 21}));
    // Half of a surrogate pair never matches.
    EXPECT_EQ(TextFind(QString(QChar(0xDE00))).count(text), 0);
    EXPECT_EQ(TextFind("").count(text), 0);
    EXPECT_EQ(TextFind("aa").count(u"aaaaa"), 2); // matches do not overlap
}

TEST(TextFind, NextAndPreviousWrapAround)
{
    const QString text = "ab AB ab";
    const TextFind f("ab");
    EXPECT_EQ(f.next(text, {0, 2})->location, 3);
    EXPECT_EQ(f.next(text, {6, 2})->location, 0); // wraps past the end
    EXPECT_EQ(f.previous(text, {3, 2})->location, 0);
    EXPECT_EQ(f.previous(text, {0, 2})->location, 6); // wraps past the start
    EXPECT_EQ(f.next(text, TextRange::notFound())->location, 0);
    EXPECT_FALSE(TextFind("zz").next(text, {0, 0}));
    EXPECT_TRUE(f.matches(u"aB"));
    EXPECT_FALSE(f.matches(u"abc"));
}

TEST(TextFind, ReplaceAllIsOneEditSpanningFirstToLastMatch)
{
    const QString text = QString::fromUtf8("x Cat\r\ncat 😀CAT y");
    const auto edit = TextFind("cat").replaceAll(text, "dog");
    EXPECT_EQ(edit.count, 3);
    QString result = text;
    result.replace(edit.range.location, edit.range.length, edit.replacement);
    EXPECT_EQ(result, QString::fromUtf8("x dog\r\ndog 😀dog y"));
    EXPECT_EQ(edit.range.location, 2);
    EXPECT_EQ(TextFind("none").replaceAll(text, "x").count, 0);
    // A replacement containing the needle is not searched again.
    const auto grow = TextFind("a").replaceAll(u"aa", "aA");
    EXPECT_EQ(grow.replacement, "aAaA");
}

// Every way through the matches steps past each whole match: Next, Previous, the count
// and Replace All agree ("aa" in "aaaa" is two matches, at 0 and 2).
TEST(TextFind, OverlappingCandidatesAreWholeMatchesEveryWay)
{
    const TextFind f("aa");
    const QString text = "aaaa aaa";
    EXPECT_EQ(starts(f, text), QList<int>({0, 2, 5}));
    EXPECT_EQ(f.count(text), 3);
    EXPECT_EQ(f.previous(text, {5, 2})->location, 2);
    EXPECT_EQ(f.previous(text, {2, 2})->location, 0);
    EXPECT_EQ(f.previous(text, {0, 2})->location, 5); // wraps to the last whole match, not 6
    EXPECT_EQ(f.next(text, {2, 2})->location, 5);
    const auto edit = f.replaceAll(text, "X");
    QString result = text;
    result.replace(edit.range.location, edit.range.length, edit.replacement);
    EXPECT_EQ(result, "XX Xa");
    EXPECT_EQ(edit.count, 3);
}
