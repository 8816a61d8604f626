#include "files/CanonicalText.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

bool wholeTextsEqual(const QString& a, const QString& b)
{
    return a.normalized(QString::NormalizationForm_C) == b.normalized(QString::NormalizationForm_C);
}

// Characters written in canonically equivalent ways: precomposed and decomposed, singletons
// (the Ångström and ohm signs), Hangul as a syllable and as jamo (also an LV syllable with a
// trailing jamo), marks in either order, a class-0 character that decomposes into marks
// (U+0F73), a character outside the BMP, and plain separators.
const QList<QStringList>& spellings()
{
    static const QList<QStringList> s = {
        {"\u00E9", "e\u0301"},
        {"\u00C5", "A\u030A", "\u212B"},
        {"\u03A9", "\u2126"},
        {"\uD55C", "\u1112\u1161\u11AB", "\uD558\u11AB"},
        {"a\u0301\u0316", "a\u0316\u0301", "\u00E1\u0316"},
        {"\u0F73", "\u0F71\u0F72"},
        {QString::fromUcs4(U"\U0001D15E"), QString::fromUcs4(U"\U0001D157\U0001D165")},
        {"\u0301"},
        {"x"},
        {" "},
        {"\n"},
    };
    return s;
}

} // namespace

TEST(CanonicalText, AgreesWithWholeTextNormalisationWhereverThePiecesAreCut)
{
    QRandomGenerator rng(42);
    const auto& atoms = spellings();
    int equivalent = 0, different = 0;
    for (int round = 0; round < 400; ++round) {
        QString a, b;
        const int length = 1 + int(rng.bounded(120));
        for (int i = 0; i < length; ++i) {
            const QStringList& ways = atoms[rng.bounded(int(atoms.size()))];
            a += ways[rng.bounded(int(ways.size()))];
            b += ways[rng.bounded(int(ways.size()))];
        }
        // Every other round one side differs somewhere: a letter, a mark added or dropped.
        if (round % 2) {
            const int at = int(rng.bounded(int(b.size()) + 1));
            switch (round % 6) {
            case 1: b.insert(at, u'\u0308'); break;
            case 3: b.insert(at, u'y'); break;
            default:
                if (at < b.size()) b.remove(at, 1);
                break;
            }
        }
        const bool expected = wholeTextsEqual(a, b);
        (expected ? equivalent : different)++;
        for (const qsizetype piece : {1, 2, 3, 5, 16, 4096})
            ASSERT_EQ(CanonicalText::equivalent(a, b, piece), expected)
                << "round " << round << ", pieces of " << piece << ": " << qPrintable(a) << " | " << qPrintable(b);
    }
    EXPECT_GT(equivalent, 150);
    EXPECT_GT(different, 100);
}

TEST(CanonicalText, LongTextsDifferingAcrossPiecesAndInRunsOfMarksLongerThanAPiece)
{
    // A composed accent on one side and a decomposed one on the other, right at the end of
    // the first piece and at the start of the second.
    QString composed(20000, u'x'), decomposed = composed;
    composed[4095] = u'\u00E9';
    composed[4096] = u'\u00E9';
    decomposed.replace(4095, 2, QStringLiteral("e\u0301e\u0301"));
    EXPECT_TRUE(CanonicalText::equivalent(composed, decomposed));
    EXPECT_FALSE(CanonicalText::equivalent(composed, QString(decomposed).replace(19000, 1, u'y')));

    // One base letter with 10,000 marks, in an order that normalising sorts.
    QString mixed = QStringLiteral("a"), sorted = QStringLiteral("a");
    for (int i = 0; i < 5000; ++i) mixed += QStringLiteral("\u0301\u0316");
    sorted += QString(5000, u'\u0316') + QString(5000, u'\u0301');
    EXPECT_TRUE(CanonicalText::equivalent(mixed + "z", sorted + "z"));
    EXPECT_TRUE(CanonicalText::equivalent("z" + mixed, "z" + sorted, 16));
    EXPECT_FALSE(CanonicalText::equivalent(mixed, sorted.chopped(1)));
}
