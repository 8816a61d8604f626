#include "editor/ConcealFont.h"

#include <QFontDatabase>
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
                             QString::fromUtf16(u"a\u0000\u0001\u0002b", 5), QString(100, QChar(2)),
                             // beyond what the font maps: a rare ideograph, a variation selector,
                             // an old script, a recent emoji
                             QStringLiteral("\U00031350\U000E0101\U00010900\U0001FAE8")})
        EXPECT_DOUBLE_EQ(layoutWidth(s, f), 0.0) << s.toStdString();
    // The toolkit picks a font per script among those that claim it: ours must claim every
    // script fontconfig knows, or a hidden marker in that script would show in another font.
    for (int ws = QFontDatabase::Latin; ws < QFontDatabase::WritingSystemsCount; ++ws) {
        const QString sample = QFontDatabase::writingSystemSample(QFontDatabase::WritingSystem(ws));
        EXPECT_DOUBLE_EQ(layoutWidth(sample, f), 0.0)
            << QFontDatabase::writingSystemName(QFontDatabase::WritingSystem(ws)).toStdString();
    }
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
