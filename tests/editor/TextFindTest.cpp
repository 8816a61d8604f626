#include "editor/TextFind.h"
#include "editor/FindScan.h"

#include <gtest/gtest.h>

namespace {
QList<int> starts(const TextFind& f, QStringView text)
{
    QList<int> out;
    for (auto r = f.findForward(text, 0); r; r = f.findForward(text, r->end())) out << r->location;
    return out;
}

// Replace All's edits for every match of `f` in `text`, and the text they make.
QList<TextFind::Edit> replacements(const TextFind& f, const QString& text, const QString& with)
{
    QList<TextRange> matches;
    for (auto r = f.findForward(text, 0); r; r = f.findForward(text, r->end())) matches << *r;
    return TextFind::replacements(matches, with, [&text](TextRange r) { return text.mid(r.location, r.length); });
}
QString applied(QString text, const QList<TextFind::Edit>& edits)
{
    for (qsizetype i = edits.size() - 1; i >= 0; --i)
        text.replace(edits[i].range.location, edits[i].range.length, edits[i].replacement);
    return text;
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

// Replace All touches the matches only: those near one another are one edit with the text
// between them kept, those far apart an edit each, and no edit spans more than a bound.
TEST(TextFind, ReplaceAllEditsOnlyTheMatchesAndWhatLiesCloseBetweenThem)
{
    const QString text = QString::fromUtf8("x Cat\r\ncat 😀CAT y");
    const auto edits = replacements(TextFind("cat"), text, "dog");
    EXPECT_EQ(applied(text, edits), QString::fromUtf8("x dog\r\ndog 😀dog y"));
    ASSERT_EQ(edits.size(), 1);
    EXPECT_EQ(edits[0].range, TextRange(2, 14));
    EXPECT_TRUE(replacements(TextFind("none"), text, "x").isEmpty());
    // A replacement containing the needle is not searched again.
    EXPECT_EQ(applied("aa", replacements(TextFind("a"), "aa", "aA")), "aAaA");

    const QString far = QString(TextFind::kJoinGap, u'.');
    const QString spread = "cat" + far + "cat." + "cat" + far + "CAT";
    const auto apart = replacements(TextFind("cat"), spread, "mouse");
    EXPECT_EQ(applied(spread, apart), "mouse" + far + "mouse.mouse" + far + "mouse");
    ASSERT_EQ(apart.size(), 3);
    EXPECT_EQ(apart[0].range, TextRange(0, 3));
    EXPECT_EQ(apart[1].range, TextRange(int(far.size()) + 3, 7));
    EXPECT_EQ(apart[2].range, TextRange(int(spread.size()) - 3, 3));

    // A word on every line: joined, yet no edit spans more than the bound.
    QString lines;
    for (int i = 0; i < 2000; ++i) lines += QStringLiteral("line %1 with a cat in it\n").arg(i);
    const auto dense = replacements(TextFind("cat"), lines, "dog");
    EXPECT_EQ(applied(lines, dense), QString(lines).replace("cat", "dog"));
    EXPECT_GT(dense.size(), 1);
    EXPECT_LT(dense.size(), 2000 / 10);
    for (const auto& e : dense) EXPECT_LE(e.range.length, TextFind::kJoinSpan);
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
    EXPECT_EQ(applied(text, replacements(f, text, "X")), "XX Xa");
}

// A search a part at a time finds what stepping through the whole text finds, where matches,
// overlapping candidates and surrogate pairs straddle the parts, and reads no more than it
// is given leave to before it answers.
TEST(FindScan, FindsWhatTheWholeTextHoldsAcrossItsParts)
{
    constexpr int part = FindScan::kPartUnits;
    QString text(3 * part + 100, u'.');
    const auto put = [&text](int at, QStringView s) { text.replace(at, s.size(), s.toString()); };
    put(part - 2, u"aaaaa");                    // a run of candidates across the first seam
    put(2 * part - 1, QString::fromUtf8("😀a")); // a pair split by the second seam
    put(3 * part - 1, u"AA");
    put(3 * part + 98, u"aa"); // at the very end
    int reads = 0;
    const FindScan::Read read = [&](TextRange r) {
        ++reads;
        return text.mid(r.location, r.length);
    };
    for (const QString& needle : {QStringLiteral("aa"), QString(QChar(0xDE00)) + u'a', QStringLiteral("a")}) {
        const TextFind find(needle);
        QList<int> expected, got;
        for (auto r = find.findForward(text, 0); r; r = find.findForward(text, r->end())) expected << r->location;
        FindScan scan = FindScan::whole(find, int(text.size()));
        reads = 0;
        while (!scan.isOver()) {
            qsizetype budget = 1;
            const int before = reads;
            while (const auto r = scan.next(read, budget)) got << r->location;
            EXPECT_LE(reads - before, 1) << "one part per call, read on a budget of one unit";
        }
        EXPECT_EQ(got, expected) << needle.toStdString();
        EXPECT_EQ(reads, 4);
    }

    // From a place round the end and back to it: the first match TextFind::next gives.
    const TextFind find("aa");
    for (int from : {0, part - 1, 3 * part + 99, int(text.size())}) {
        FindScan scan = FindScan::wrapping(find, from, int(text.size()));
        qsizetype budget = std::numeric_limits<qsizetype>::max();
        EXPECT_EQ(scan.next(read, budget), find.next(text, TextRange(from, 0))) << from;
    }
    FindScan none = FindScan::wrapping(TextFind("zz"), part, int(text.size()));
    qsizetype budget = std::numeric_limits<qsizetype>::max();
    EXPECT_FALSE(none.next(read, budget));
    EXPECT_TRUE(none.isOver());
}

// Going back a part at a time lands on the match TextFind::previous gives, one that stepping
// forward finds, where runs of overlapping candidates (one longer than a part), pairs and
// matches straddle the parts, and round the start to the last match of the text.
TEST(FindScan, GoesBackToTheMatchSteppingForwardLandsOn)
{
    constexpr int part = FindScan::kPartUnits;
    QString text(4 * part + 100, u'.');
    const auto put = [&text](int at, const QString& s) { text.replace(at, s.size(), s); };
    put(part - 2, "aaaaa");
    put(2 * part - 1, QString::fromUtf8("😀a"));
    put(2 * part + 7, QString(part + 11, u'a')); // a run through the whole third part
    put(4 * part + 98, "aa");
    const FindScan::Read read = [&](TextRange r) { return text.mid(r.location, r.length); };
    for (const QString& needle : {QStringLiteral("aa"), QStringLiteral("aaa"), QString(QChar(0xDE00)) + u'a'}) {
        const TextFind find(needle);
        QList<int> forward;
        for (auto r = find.findForward(text, 0); r; r = find.findForward(text, r->end())) forward << r->location;
        for (int before : {0, 1, part - 1, part, part + 2, 2 * part, 2 * part + 8, 3 * part, 3 * part + 5,
                           3 * part + 19, 4 * part + 99, int(text.size())}) {
            const auto expected = find.previous(text, TextRange(before, 0));
            FindScan scan = FindScan::wrappingBack(find, before, int(text.size()));
            std::optional<TextRange> got;
            int calls = 0;
            while (!scan.isOver() && ++calls < 1000) {
                qsizetype budget = 1;
                if (const auto r = scan.next(read, budget)) got = r;
            }
            EXPECT_EQ(got, expected) << needle.toStdString() << " before " << before;
            EXPECT_TRUE(!got || forward.contains(got->location)) << needle.toStdString() << " before " << before;
        }
    }
    FindScan none = FindScan::wrappingBack(TextFind("zz"), part, int(text.size()));
    qsizetype budget = std::numeric_limits<qsizetype>::max();
    EXPECT_FALSE(none.next(read, budget));
    EXPECT_TRUE(none.isOver());
}
