#include "commands/PasteRules.h"
#include "commands/MarkdownPathHelper.h"

#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using PasteRules::Kind;

TEST(PasteRules, MakeTableFromTabSeparatedLines)
{
    EXPECT_EQ(PasteRules::makeTable(u"a\tb\nc"_s), u"| a | b |\n| --- | --- |\n| c |  |\n");
    EXPECT_EQ(PasteRules::makeTable(u"a\tb\n\nc\td\te"_s), u"| a | b |\n| --- | --- |\n| c | d |\n");
    // Spreadsheets copy rows with CR LF: no CR may stay in the last cell.
    EXPECT_EQ(PasteRules::makeTable(u"a\tb\r\nc\td\r\n"_s), u"| a | b |\n| --- | --- |\n| c | d |\n");
    EXPECT_TRUE(PasteRules::isTabSeparated(u"a\tb\r\n\r\nc\td\r\n"_s));
    EXPECT_FALSE(PasteRules::isTabSeparated(u"a\tb"_s));
    EXPECT_FALSE(PasteRules::isTabSeparated(u"a\tb\nc"_s));
}

TEST(PasteRules, RelativePaths)
{
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/docs/img/my pic.png"_s, u"/w/docs/a.md"_s), u"img/my%20pic.png");
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/docs/./x/../é.png"_s, u"/w/docs/a.md"_s), u"%C3%A9.png");
    // A sibling folder that only begins with the same letters is not below the document.
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/docs-old/p.png"_s, u"/w/docs/a.md"_s), u"file:///w/docs-old/p.png");
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/docs/p q.png"_s, QString()), u"file:///w/docs/p%20q.png");
    // Parentheses would end the link early.
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/docs/shot (1).png"_s, u"/w/docs/a.md"_s), u"shot%20%281%29.png");
    EXPECT_EQ(MarkdownPathHelper::relativePath(u"/w/x)y.png"_s, u"/w/docs/a.md"_s), u"file:///w/x%29y.png");
}

TEST(PasteRules, RuleOrder)
{
    QMimeData image;
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    image.setImageData(img);
    const auto a = PasteRules::decide(image, QString());
    EXPECT_EQ(a.kind, Kind::image);
    EXPECT_TRUE(a.png.startsWith("\x89PNG"));
    EXPECT_EQ(PasteRules::decide(image, QString(), true).kind, Kind::platform);

    // An image offered beside text is not taken as an image.
    QMimeData both;
    both.setImageData(img);
    both.setText(u"x"_s);
    EXPECT_EQ(PasteRules::decide(both, QString()).kind, Kind::platform);

    QMimeData url;
    url.setText(u"  https://example.com/a \n"_s);
    EXPECT_EQ(PasteRules::decide(url, u"here"_s).text, u"[here](https://example.com/a)");
    EXPECT_EQ(PasteRules::decide(url, QString()).kind, Kind::platform);
    EXPECT_EQ(PasteRules::decide(url, u"two\nlines"_s).kind, Kind::platform);

    // HTML comes before the plain text, even a tab-separated one.
    QMimeData html;
    html.setText(u"a\tb\nc\td"_s);
    html.setHtml(u"<b>bold</b>"_s);
    EXPECT_EQ(PasteRules::decide(html, QString()).text, u"**bold**");
    html.setData(u"text/html"_s, "\xff\xfe<b>x</b>");
    EXPECT_EQ(PasteRules::decide(html, QString()).text, u"| a | b |\n| --- | --- |\n| c | d |\n");
    // Long HTML is left to be converted elsewhere; what comes of it decides as HTML would.
    const QString longHtml = u"<b>bold</b>"_s.repeated(int(PasteRules::convertApartBytes / 11) + 1);
    html.setHtml(longHtml);
    const auto apart = PasteRules::decide(html, QString());
    EXPECT_EQ(apart.kind, Kind::html);
    EXPECT_EQ(apart.text, longHtml);
    EXPECT_EQ(PasteRules::afterConversion(u"**bold**"_s, u"a\tb\nc\td"_s).text, u"**bold**");
    EXPECT_EQ(PasteRules::afterConversion(QString(), u"a\tb\nc\td"_s).text, u"| a | b |\n| --- | --- |\n| c | d |\n");
    EXPECT_EQ(PasteRules::afterConversion(QString(), u"a\tb\nc"_s).kind, Kind::platform);
    EXPECT_EQ(PasteRules::afterConversion(QString(), std::nullopt).kind, Kind::platform);

    QMimeData plain;
    plain.setText(u"just text"_s);
    EXPECT_EQ(PasteRules::decide(plain, u"sel"_s).kind, Kind::platform);
}

TEST(PasteRules, PastedImageNamesAndDroppedFileLinks)
{
    EXPECT_EQ(PasteRules::pastedImageName(1700000000, 0), u"pasted-1700000000.png");
    EXPECT_EQ(PasteRules::pastedImageName(1700000000, 2), u"pasted-1700000000-2.png");
    QTemporaryDir dir;
    const QString doc = dir.filePath(u"doc.md"_s);
    EXPECT_EQ(PasteRules::dropLinks({dir.filePath(u"name.png"_s), dir.filePath(u"report.pdf"_s)}, doc),
              u"![name](name.png)\n[report.pdf](report.pdf)");
}

TEST(PasteRules, CheckboxToggle)
{
    const QString t = u"intro\n  - [ ] task\n* [X] done\n- [] no"_s;
    const auto on = PasteRules::checkboxToggleAt(t, 13); // just after the "]"
    ASSERT_TRUE(on);
    EXPECT_EQ(on->position, 11);
    EXPECT_EQ(on->mark, u'x');
    EXPECT_TRUE(PasteRules::checkboxToggleAt(t, 6));   // before the bullet
    EXPECT_FALSE(PasteRules::checkboxToggleAt(t, 14)); // on "task"
    const auto off = PasteRules::checkboxToggleAt(t, 19 + 3);
    ASSERT_TRUE(off);
    EXPECT_EQ(off->mark, u' ');
    EXPECT_FALSE(PasteRules::checkboxToggleAt(t, 30));
    EXPECT_FALSE(PasteRules::checkboxToggleAt(t, 2));
}
