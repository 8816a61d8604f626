#include "editor/LineBreaking.h"

#include <QElapsedTimer>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

// Where the lines of `text` start and how long they are, broken `width` wide here (`own`) or
// by the layout's own wrapping.
std::vector<std::pair<int, int>> linesOf(const QString& text, bool own, double width = 300)
{
    QTextLayout layout(text, QFont());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    if (own) {
        LineBreaking::breakLines(layout, text, width);
    } else {
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(width);
    }
    layout.endLayout();
    EXPECT_EQ(layout.textOption().wrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < layout.lineCount(); ++i)
        out.emplace_back(layout.lineAt(i).textStart(), layout.lineAt(i).textLength());
    return out;
}

} // namespace

// A run of letters without a space (a pasted hash, padding) is broken where the layout's own
// wrapping breaks it, and so is everything around it; but where that wrapping measured the
// rest of the run again for every line, taking minutes for a million letters, it takes a
// fraction of a second.
TEST(LineBreaking, BreaksWhereTheLayoutWouldInTimeLinearInALongRun)
{
    const QString run = QStringLiteral("ab").repeated(2500);
    const QString words = QStringLiteral("some words of a sentence, ").repeated(12);
    const QStringList texts{
        words + run + QStringLiteral(" and after it ") + words,
        run + QStringLiteral("\tx"),
        QStringLiteral("   ") + run,
        QStringLiteral("https://example.net/a-path/with-parts?q=") + run + QStringLiteral("/end-of-it"),
        QString(3000, QChar(0x6F22)) + QStringLiteral("\u3002") + QString(300, QChar(0x5B57)),
        words.left(40) + QStringLiteral("x").repeated(2100) + words,
    };
    for (const QString& text : texts)
        EXPECT_EQ(linesOf(text, true), linesOf(text, false)) << text.left(60).toStdString();
    QElapsedTimer clock;
    clock.start();
    EXPECT_GT(linesOf(QString(500 * 1000, u'k'), true).size(), 1000u);
    EXPECT_LT(clock.elapsed(), 4000);
}
