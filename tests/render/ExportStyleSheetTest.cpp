#include "render/ExportStyleSheet.h"
#include "render/ExportPresets.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using S = ExportTextStyles;

TEST(ExportStyleSheet, ThemeAndUserCssReachEachBlockAsAPageWouldCascadeThem)
{
    // Standard without user CSS: the writers' own look, nothing to add.
    EXPECT_TRUE(ExportStyleSheet::read({}, {}).isEmpty());
    EXPECT_TRUE(ExportStyleSheet::read({}, QStringLiteral("/* nothing */ .note { color: red }")).isEmpty());

    const S s = ExportStyleSheet::read(ExportThemes::cssFor("academic"),
                                       "h1 { color: #ff0000 } p { font-family: serif; color: #0000ff }");
    EXPECT_EQ(s[S::Heading1].color, QColor(255, 0, 0));
    EXPECT_EQ(s[S::Heading1].align, ExportTextStyle::Center);
    EXPECT_NEAR(s[S::Heading1].sizePt, 17 * 1.9 * 0.75, 0.01); // 1.9em of the theme's 17px body
    EXPECT_NEAR(s[S::Heading2].sizePt, 17 * 1.5 * 0.75, 0.01); // the base sheet's 1.5em, of 17px now
    EXPECT_EQ(s[S::Heading2].families.value(0), "Iowan Old Style");
    EXPECT_EQ(s[S::Paragraph].color, QColor(0, 0, 255));
    EXPECT_EQ(s[S::Paragraph].families, QStringList{"serif"});
    EXPECT_EQ(s[S::Paragraph].align, ExportTextStyle::Justify);
    EXPECT_NEAR(s[S::Paragraph].lineSpacing, 1.75 * 1.15 / 1.65, 0.001);
    // A quote's text is a paragraph inside it: the paragraph's colour beats the quote's grey.
    EXPECT_EQ(s[S::Quote].color, QColor(0, 0, 255));
    EXPECT_EQ(s[S::Quote].italic, true);
    EXPECT_EQ(s[S::ListItem].color, QColor(0x1a, 0x1a, 0x1a)); // the body's: items are no paragraphs
    EXPECT_EQ(s[S::CodeBlock].families.value(0), "SF Mono");
    EXPECT_FALSE(s[S::Link].color.isValid()); // links keep the base sheet's colour over the body's
    EXPECT_EQ(s[S::Body].families.value(0), "Iowan Old Style");

    const S dark = ExportStyleSheet::read(ExportThemes::cssFor("dark"), {});
    EXPECT_EQ(dark[S::Body].background, QColor(0x1e, 0x1e, 0x1e));
    EXPECT_EQ(dark[S::Paragraph].color, QColor(0xe4, 0xe4, 0xe7));
    EXPECT_EQ(dark[S::CodeBlock].background, QColor(0x2c, 0x2c, 0x2e));
    EXPECT_EQ(dark[S::Code].color, QColor(0xf2, 0xf2, 0xf7));
    EXPECT_EQ(dark[S::Link].color, QColor(0x4a, 0xa3, 0xff));
    // A translucent colour is what it shows on white paper.
    EXPECT_EQ(ExportStyleSheet::read(ExportThemes::cssFor("github"), {})[S::Code].background, QColor(0xef, 0xf1, 0xf3));
}

TEST(ExportStyleSheet, SpecificityOrderImportantAndWhatIsNotUnderstood)
{
    const S s = ExportStyleSheet::read({}, "p { color: red !important; margin: 2em 0 1.5em 3pt }\n"
                                           "body p { color: green; }  blockquote p { color: lime }\n"
                                           "p { color: blue } p.note { color: navy } p:first-child { color: navy }\n"
                                           "@media print { p { font-size: 40px } } li { text-indent: 1in }\n"
                                           "strong { color: rgb(10, 20, 30); text-decoration: underline }\n"
                                           "em { font-weight: bold } ul > li { font-style: italic }\n"
                                           "pre { background: #abcdef url(x.png) } p { color: nonsense }\n"
                                           "a { text-decoration: none }");
    EXPECT_EQ(s[S::Paragraph].color, QColor(255, 0, 0));
    EXPECT_EQ(s[S::Quote].color, QColor(255, 0, 0)); // !important beats the more specific rule
    EXPECT_EQ(s[S::Paragraph].spaceBefore, 24.0);
    EXPECT_EQ(s[S::Paragraph].spaceAfter, 18.0);
    EXPECT_EQ(s[S::Paragraph].indentLeft, 3.0);
    EXPECT_EQ(s[S::Paragraph].sizePt, 0);   // the print media rule is skipped
    EXPECT_FALSE(s[S::ListItem].firstLine); // the list's levels indent its items
    EXPECT_EQ(s[S::ListItem].italic, true);
    EXPECT_EQ(s[S::Strong].color, QColor(10, 20, 30));
    EXPECT_EQ(s[S::Strong].underline, true);
    EXPECT_EQ(s[S::Emphasis].bold, true);
    EXPECT_EQ(s[S::CodeBlock].background, QColor(0xab, 0xcd, 0xef));
    EXPECT_FALSE(s[S::Heading1].color.isValid());
    EXPECT_EQ(s[S::Link].underline, false); // the writers underline links unless told not to
    EXPECT_FALSE(s[S::Strong].italic);      // nothing said, nothing changed
}

// `a > b` picks a b directly inside an a, never one further down.
TEST(ExportStyleSheet, AChildSelectorPicksOnlyChildren)
{
    const S s = ExportStyleSheet::read({}, "body > p { color: green } html > p { font-style: italic }\n"
                                           "table > td { font-weight: bold } tr > td { text-decoration: underline }");
    EXPECT_EQ(s[S::Paragraph].color, QColor(0, 128, 0));
    EXPECT_FALSE(s[S::Quote].color.isValid()); // its p sits in a blockquote
    EXPECT_FALSE(s[S::Paragraph].italic.has_value());
    EXPECT_FALSE(s[S::TableCell].bold.has_value()); // a cell sits in a row of the table's body
    EXPECT_EQ(s[S::TableCell].underline, true);
}

TEST(ExportStyleSheet, HostileCssEndsQuicklyAndBounded)
{
    QElapsedTimer timer;
    timer.start();
    const QString selectors = QString("p ").repeated(20000) + "{ color: red }";
    const QString rules = QString("p { color: #00f; font: italic 9px/3 a, b } ").repeated(50000);
    const QString unclosed = QString("p { color: red; ").repeated(1000) + QString("{").repeated(100000);
    const QString comment = "p { color: red } /* " + QString("x").repeated(1000000);
    const QString strings = "p { font-family: \"" + QString("a").repeated(100000) + " }";
    const QString lists = QString("p, ").repeated(60000) + "p { " + QString("color: red; ").repeated(20000) + "}";
    const QString blocks = QString("p{}").repeated(70000); // no ';' to look for
    for (const QString& css : {selectors, rules, unclosed, comment, strings, lists, blocks})
        ExportStyleSheet::read({}, css);
    EXPECT_LT(timer.elapsed(), 3000);
    // A selector of more parts than any page has is dropped; beyond the bound, nothing is read.
    EXPECT_FALSE(ExportStyleSheet::read({}, selectors)[S::Paragraph].color.isValid());
    const QString late = QString(" ").repeated(ExportStyleSheet::maxCssChars) + "p { color: red }";
    EXPECT_FALSE(ExportStyleSheet::read({}, late)[S::Paragraph].color.isValid());
    EXPECT_EQ(ExportStyleSheet::read({}, comment)[S::Paragraph].color, QColor(255, 0, 0));
    EXPECT_EQ(ExportStyleSheet::read({}, "p { color: #0f0; font-style: italic")[S::Paragraph].italic, true);
    EXPECT_EQ(ExportStyleSheet::read({}, "p { font-size: 1e300px; color: #f00 }")[S::Paragraph].sizePt, 0);
}
