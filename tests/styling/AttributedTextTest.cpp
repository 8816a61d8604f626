#include "styling/AttributedText.h"

#include "platform/TextUtil.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TextAttributes fg(int v)
{
    TextAttributes a;
    a.foreground = QColor(v % 256, v / 256 % 256, 0);
    return a;
}

// Checks the runs against a per-character model and that they tile the text.
void expectMatches(const AttributedText& t, const std::vector<TextAttributes>& model)
{
    ASSERT_EQ(t.length(), int(model.size()));
    for (int i = 0; i < t.length(); ++i) {
        TextRange eff;
        const TextAttributes& a = t.attributesAt(i, &eff);
        ASSERT_EQ(a, model[size_t(i)]) << "at " << i;
        ASSERT_TRUE(eff.contains(i));
    }
    int expect = 0;
    t.forEachRun(TextRange(0, t.length()), [&](TextRange r, const TextAttributes&) {
        EXPECT_EQ(r.location, expect);
        expect = r.end();
        return true;
    });
    EXPECT_EQ(expect, t.length());
}

} // namespace

// Most colours set are new ones, so that the sets no run uses any more are freed
// and their numbers taken again many times over.
TEST(AttributedText, RandomEditsAgreeWithPerCharacterModel)
{
    std::mt19937 rng(7);
    AttributedText t(QString(40, QChar('x')), fg(1));
    std::vector<TextAttributes> model(40, fg(1));
    const std::uint64_t underlineKey = t.newEditKeys();
    for (int step = 0; step < 12000; ++step) {
        const int len = t.length();
        const int a = len ? int(rng() % (len + 1)) : 0;
        const int b = a + (len - a ? int(rng() % (len - a + 1)) : 0);
        switch (rng() % 6) {
        case 5:
            t.modifyAttributes(TextRange(a, b - a), underlineKey, [](TextAttributes& x) { x.underline = true; });
            for (int i = a; i < b; ++i) model[size_t(i)].underline = true;
            break;
        case 0: {
            const TextAttributes v = fg(step % 4 ? step : int(rng() % 4));
            t.setAttributes(TextRange(a, b - a), v);
            for (int i = a; i < b; ++i) model[size_t(i)] = v;
            break;
        }
        case 1:
            t.addMarkdownConceal(TextRange(a, b - a));
            for (int i = a; i < b; ++i) model[size_t(i)].markdownConceal = true;
            break;
        case 2:
            t.removeAttribute(TextRange(a, b - a), TextAttribute::MarkdownConceal);
            t.removeAttribute(TextRange(a, b - a), TextAttribute::Underline);
            for (int i = a; i < b; ++i) {
                model[size_t(i)].markdownConceal = false;
                model[size_t(i)].underline = false;
            }
            break;
        default: {
            const int ins = int(rng() % 4);
            if (len > 200 && ins > 0) break;
            const TextAttributes typed = len == 0 ? t.attributesAt(0) : model[size_t(a > 0 ? a - 1 : 0)];
            t.replaceCharacters(TextRange(a, b - a), QString(ins, QChar('y')));
            model.erase(model.begin() + a, model.begin() + b);
            model.insert(model.begin() + a, size_t(ins), typed);
            break;
        }
        }
        if (rng() % 7 == 0) t.beginEditing();
        if (rng() % 7 == 0) t.endEditing();
        if (rng() % 5 == 0) {
            // The room for edits brought elsewhere a few characters and runs at a time.
            const int to = int(rng() % (t.length() + 1));
            while (!t.moveGapToward(to, 8)) {}
        }
        expectMatches(t, model);
        if (::testing::Test::HasFailure()) return;
    }
}

// Sets that no run uses any more are freed once many have been made, and their numbers
// are given to new sets: the runs on both sides of the run table's gap keep theirs.
TEST(AttributedText, FreedAttributeSetsLeaveTheRunsThatStillUseTheirs)
{
    AttributedText t(QString(300, QChar('x')));
    std::vector<TextAttributes> model(300);
    for (int i = 0; i < 300; ++i) {
        model[size_t(i)] = fg(1000 + i);
        t.setAttributes(TextRange(i, 1), model[size_t(i)]);
    }
    for (int n = 0; n < 3000; ++n) { // the first character alone takes thousands of looks
        model[0] = fg(5000 + n);
        t.setAttributes(TextRange(0, 1), model[0]);
        if (n % 500 == 0) {
            t.addUnderline(TextRange(150, 2));
            model[150].underline = model[151].underline = true;
        }
    }
    expectMatches(t, model);
}

// The characters live in a gap buffer: whatever the order of edits, gap moves, partial views,
// searches and whole-string reads, every read agrees with a plain string, and a view
// stays right over what it was asked for while later views reach further.
TEST(AttributedText, GapBufferReadsAgreeWithAPlainString)
{
    std::mt19937 rng(5);
    QString plain;
    for (int i = 0; i < 20000; ++i) plain += QChar(u"ab\n\r c"[rng() % 6]);
    AttributedText t(plain);
    const QString pieces[] = {"x", "", "\r\n", "long insert that grows the text a little\n", QString(5000, 'z')};
    for (int step = 0; step < 400; ++step) {
        const int a = int(rng() % (plain.size() + 1));
        const int b = a + int(rng() % (std::min<qsizetype>(plain.size() - a, 40) + 1));
        const QString& s = pieces[rng() % 5];
        plain.replace(a, b - a, s);
        t.replaceCharacters(TextRange(a, b - a), s);
        ASSERT_EQ(t.length(), plain.size());
        if (step % 5 == 0) {
            // Readied for an edit far away a part at a time (the gap closed every 50 steps).
            const int to = int(rng() % (plain.size() + 1));
            int calls = 1;
            while (!t.moveGapToward(to, 997)) ++calls;
            ASSERT_LE(calls, plain.size() / 997 + 2);
        }
        const int p = int(rng() % (plain.size() + 1));
        const QStringView near = t.textUpTo(p);
        ASSERT_EQ(near.size(), plain.size());
        ASSERT_EQ(near.left(p), QStringView(plain).left(p)) << step;
        const int q = std::min(int(plain.size()), p + 300);
        ASSERT_EQ(t.textUpTo(q).left(q), QStringView(plain).left(q));
        ASSERT_EQ(near.left(p), QStringView(plain).left(p)); // reaching further kept the first view
        const int at = int(rng() % std::max<qsizetype>(plain.size(), 1));
        if (!plain.isEmpty()) {
            ASSERT_EQ(t.charAt(at), plain[at]);
        }
        ASSERT_EQ(t.indexOf(u'\r', at), int(plain.indexOf(u'\r', at)));
        ASSERT_EQ(t.lastIndexOf(u'\n', at), int(plain.lastIndexOf(u'\n', at)));
        const int end = t.lineEndFrom(at, 2);
        ASSERT_EQ(end, TextUtil::lineRange(plain, TextUtil::lineRange(plain, at).end()).end()) << step;
        if (step % 50 == 0) {
            ASSERT_EQ(t.string(), plain);
        }
    }
    ASSERT_EQ(t.string(), plain);
}

TEST(AttributedText, TypedTextContinuesPrecedingRunAndEmptyTextKeepsAttributes)
{
    AttributedText t("ab", fg(1));
    t.setAttributes(TextRange(1, 1), fg(2));
    t.replaceCharacters(TextRange(1, 0), u"Z"); // after "a": takes "a"'s attributes
    EXPECT_EQ(t.string(), "aZb");
    EXPECT_EQ(t.attributesAt(1), fg(1));
    t.replaceCharacters(TextRange(0, 3), u"");
    EXPECT_EQ(t.length(), 0);
    t.replaceCharacters(TextRange(0, 0), u"q");
    EXPECT_EQ(t.runCount(), 1);
}

TEST(AttributedText, EqualNeighboursMergeAfterBatch)
{
    AttributedText t(QString(10, QChar('x')), fg(1));
    t.beginEditing();
    t.addForeground(TextRange(2, 3), QColor(2, 0, 0));
    t.addForeground(TextRange(2, 3), QColor(1, 0, 0));
    t.endEditing();
    EXPECT_EQ(t.runCount(), 1);
    TextRange eff;
    t.attributesAt(5, &eff);
    EXPECT_EQ(eff, TextRange(0, 10));
}

TEST(AttributedText, TextChangesMergeIntoOneRange)
{
    AttributedText t("0123456789");
    const auto rev = t.textRevision();
    EXPECT_FALSE(t.textChangeSince(rev).has_value());
    t.replaceCharacters(TextRange(5, 1), u"ab"); // 01234ab6789
    t.replaceCharacters(TextRange(1, 0), u"X");  // 0X1234ab6789
    const auto c = t.textChangeSince(rev);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->start, 1);
    EXPECT_EQ(c->oldEnd, 6);
    EXPECT_EQ(c->newEnd, 8);
    EXPECT_FALSE(c->whole);
    t.setText("new");
    EXPECT_TRUE(t.textChangeSince(rev)->whole);
}

TEST(AttributedText, ChangedRangeFollowsEdits)
{
    AttributedText t("0123456789");
    t.takeChangedAttributesRange();
    t.addUnderline(TextRange(6, 2));
    t.replaceCharacters(TextRange(0, 1), u"ab");
    EXPECT_EQ(t.takeChangedAttributesRange(), TextRange(7, 2));
    EXPECT_TRUE(t.takeChangedAttributesRange().isNotFound());
}
