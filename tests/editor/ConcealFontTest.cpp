#include "editor/ConcealFont.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

double layoutWidth(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(100000);
    layout.endLayout();
    return line.naturalTextWidth();
}

} // namespace

TEST(ConcealFont, EveryScriptTakesNoWidth)
{
    ASSERT_TRUE(ConcealFont::ensureRegistered());
    const QFont f = ConcealFont::font();
    for (const QString& s : {QStringLiteral("**"), QStringLiteral("](https://example.com/a?b=c)"),
                             QStringLiteral("漢字のリンク"), QStringLiteral("😀👍🏽"), QStringLiteral("مرحبا"),
                             QStringLiteral("שלום"), QStringLiteral("e\u0301\u0308"),
                             // the code points whose glyphs carry a sub-pixel advance
                             QString::fromUtf16(u"a\u0000\u0001\u0002b", 5), QString(100, QChar(2))})
        EXPECT_DOUBLE_EQ(layoutWidth(s, f), 0.0) << s.toStdString();
    EXPECT_LE(QFontMetricsF(f).height(), 1.5);
}

TEST(ConcealFont, BodyTextFallbackIsNotHijacked)
{
    ASSERT_TRUE(ConcealFont::ensureRegistered());
    QFont body;
    body.setPixelSize(15);
    // Characters the default font lacks must fall back to a visible font, not to ours.
    EXPECT_GT(layoutWidth(QStringLiteral("漢字のリンク"), body), 20.0);
    EXPECT_GT(layoutWidth(QStringLiteral("abc"), body), 10.0);
}
