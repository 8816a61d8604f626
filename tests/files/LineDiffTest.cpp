#include "files/LineDiff.h"

#include <gtest/gtest.h>

namespace {
using K = DiffLine::Kind;

QString render(const QList<DiffLine>& lines)
{
    QString out;
    for (const DiffLine& l : lines) out += (l.kind == K::Equal ? "=" : l.kind == K::Insert ? "+" : "-") + l.text + "|";
    return out;
}

QString numbered(int from, int count, const QString& prefix)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << prefix + QString::number(from + i);
    return lines.join('\n');
}
} // namespace

TEST(LineDiff, SmallCasesAndTies)
{
    EXPECT_EQ(render(LineDiff::compute("a\nb", "a\nb")), "=a|=b|");
    EXPECT_EQ(render(LineDiff::compute("a\nb\nc", "a\nc")), "=a|-b|=c|");
    EXPECT_EQ(render(LineDiff::compute("x", "y")), "-x|+y|");
    EXPECT_EQ(render(LineDiff::compute("a\nb", "b\na")), "-a|=b|+a|");
    EXPECT_EQ(render(LineDiff::compute("", "a")), "-|+a|");
    EXPECT_EQ(render(LineDiff::compute("a\nb", "a\nb\n")), "=a|=b|+|");
    EXPECT_EQ(render(LineDiff::compute("a\na", "a\na\na")), "=a|=a|+a|");
    EXPECT_EQ(render(LineDiff::compute("\n\n", "\n\n")), "=|=|=|");
    EXPECT_EQ(render(LineDiff::compute("caf\u00E9", "cafe\u0301")), QString("=caf\u00E9|"));
}

TEST(LineDiff, NoCommonLine)
{
    EXPECT_EQ(render(LineDiff::compute("a\nb\nc", "x\ny")), "-a|-b|-c|+x|+y|");
    const auto c = LineDiff::counts(LineDiff::compute("a\nb\nc", "x\ny"));
    EXPECT_EQ(c.added, 2);
    EXPECT_EQ(c.removed, 3);
}

TEST(LineDiff, CrLfLinesAreLinesAndLineEndingsCount)
{
    // Each CR LF line is its own line, shown without the CR.
    EXPECT_EQ(render(LineDiff::compute("a\r\nb\r\nc", "a\r\nB\r\nc")), "=a|-b|+B|=c|");
    // The same words with other line endings are changed lines, not "no changes" (the last
    // line, which has no break of its own, ends like the one before it).
    EXPECT_EQ(render(LineDiff::compute("a\r\nb", "a\nb")), "-a|-b|+a|+b|");
    EXPECT_EQ(render(LineDiff::compute("a\r\nb\r\nc", "a\nb\r\nc")), "-a|+a|=b|=c|");
    // Lines added after the last line of a CR LF text leave that line equal.
    EXPECT_EQ(render(LineDiff::compute("a\r\nb", "a\r\nb\r\nc")), "=a|=b|+c|");
    EXPECT_EQ(render(LineDiff::compute("a\r\nb", "a\r\nb\r\n")), "=a|=b|+|");
    EXPECT_EQ(render(LineDiff::compute("a\r\nb\r\nc", "a\r\nb")), "=a|=b|-c|");
    // A lone CR is an ordinary character.
    EXPECT_EQ(render(LineDiff::compute("a\rb", "a\rb")), "=a\rb|");
    // A last line ending in a lone CR is no CR LF line of the same text.
    EXPECT_EQ(render(LineDiff::compute("a\r", "a\r\nb")), "-a\r|+a|+b|");
}

TEST(LineDiff, TableCapAndLargeMiddles)
{
    // 2,000 x 2,000 differing lines fit the table; 2,001 x 2,000 unrelated lines do not and
    // show as deleted and re-inserted.
    const auto fits = LineDiff::compute(numbered(0, 2000, "a") + "\nshared", numbered(0, 2000, "b") + "\nshared");
    EXPECT_EQ(fits.size(), 4001);
    const auto over = LineDiff::compute(numbered(0, 2001, "a"), numbered(0, 2000, "b"));
    ASSERT_EQ(over.size(), 4001);
    EXPECT_EQ(over[2000].kind, K::Delete);
    EXPECT_EQ(over[2001].kind, K::Insert);

    // A large text edited in scattered places still gives a line-accurate diff.
    QStringList oldLines, newLines;
    for (int i = 0; i < 20000; ++i) {
        oldLines << QString("line %1").arg(i);
        newLines << (i % 100 == 7 ? QString("changed %1").arg(i) : QString("line %1").arg(i));
    }
    const auto big = LineDiff::counts(LineDiff::compute(oldLines.join('\n'), newLines.join('\n')));
    EXPECT_EQ(big.added, 200);
    EXPECT_EQ(big.removed, 200);
}
