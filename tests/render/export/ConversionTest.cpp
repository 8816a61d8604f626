#include "ExportTestSupport.h"
#include "files/FolderAccess.h"
#include "render/ExportPresets.h"
#include "render/Exporter.h"
#include "render/MarkdownHTMLRenderer.h"
#include "render/export/DocxWriter.h"
#include "render/export/ExportWriter.h"
#include "render/export/OdtWriter.h"
#include "render/export/RichText.h"
#include "render/export/RtfWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <unistd.h>
#include <zip.h>

TEST(ExportConversion, ImagesLoadOnlyFromRegularFilesInsideTheDocumentFolder)
{
    ScopedSettings settings;
    QTemporaryDir root;
    QDir(root.path()).mkdir("doc");
    writeFile(root.filePath("doc/inside.png"), solidPng(Qt::red));
    writeFile(root.filePath("outside.png"), solidPng(Qt::blue));
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(root.filePath("doc/device.png")).constData()), 0);
    ASSERT_EQ(::symlink("../outside.png", QFile::encodeName(root.filePath("doc/escape.png")).constData()), 0);
    const QString page =
        QStringLiteral("<p><img src=\"inside.png\"><img src=\"../outside.png\"><img src=\"device.png\">"
                       "<img src=\"escape.png\"><img src=\"%1\"></p>")
            .arg(QUrl::fromLocalFile(root.filePath("outside.png")).toString());
    auto doc = RichText::textDocument(page, ImageAccess::forDocument(root.filePath("doc")));
    int images = 0;
    for (const RichBlock& b : RichText::blocks(*doc))
        for (const RichRun& r : b.runs) images += r.png.isEmpty() ? 0 : 1;
    EXPECT_EQ(images, 1);

    // A document never saved has no folder: no image resolves at all.
    auto untitled = RichText::textDocument(QStringLiteral("<img src=\"%1\">").arg(root.filePath("doc/inside.png")), {});
    for (const RichBlock& b : RichText::blocks(*untitled))
        for (const RichRun& r : b.runs) EXPECT_TRUE(r.png.isEmpty());
}

TEST(ExportConversion, ImagesOfAGrantedFolderAreEmbeddedAndAnSvgBringsInNoOtherFile)
{
    ScopedSettings settings;
    QTemporaryDir root;
    for (const char* folder : {"doc", "assets", "other"}) QDir(root.path()).mkdir(folder);
    writeFile(root.filePath("assets/cat.png"), solidPng(Qt::green));
    const QString dog = writeFile(root.filePath("other/dog.png"), solidPng(Qt::blue));
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                           "width=\"60\" height=\"40\">";
    writeFile(root.filePath("doc/ref.svg"),
              svg + "<image xlink:href=\"" + QFile::encodeName(dog) + "\" width=\"60\" height=\"40\"/></svg>");
    writeFile(root.filePath("doc/plain.svg"), svg + "<rect width=\"60\" height=\"40\" fill=\"#ff0000\"/></svg>");
    // The SVG reader reads inline data as an image of any format, an SVG too, whose own
    // references it follows: one wrapped in data (under any media type) reaches out as well.
    const auto wrapped = [&](const char* into, const QString& inner, const char* type) {
        QFile file(inner);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        writeFile(root.filePath(into), svg + "<image xlink:href=\"data:" + type + ";base64," + file.readAll().toBase64()
                                           + "\" width=\"60\" height=\"40\"/></svg>");
    };
    wrapped("doc/nested.svg", root.filePath("doc/ref.svg"), "image/svg+xml");
    wrapped("doc/disguised.svg", root.filePath("doc/ref.svg"), "image/png");
    wrapped("doc/twice.svg", root.filePath("doc/nested.svg"), "image/svg+xml");
    wrapped("doc/nestedplain.svg", root.filePath("doc/plain.svg"), "image/svg+xml");
    ASSERT_TRUE(FolderAccess::grant(root.filePath("assets")));
    const QString page = QStringLiteral("<p><img src=\"../assets/cat.png\"><img src=\"../other/dog.png\">"
                                        "<img src=\"ref.svg\"><img src=\"plain.svg\"><img src=\"nested.svg\">"
                                        "<img src=\"disguised.svg\"><img src=\"twice.svg\">"
                                        "<img src=\"nestedplain.svg\"></p>");
    auto doc = RichText::textDocument(page, ImageAccess::forDocument(root.filePath("doc")));
    QList<QColor> colors;
    for (const RichBlock& b : RichText::blocks(*doc))
        for (const RichRun& r : b.runs)
            if (!r.png.isEmpty()) colors << QImage::fromData(r.png).pixelColor(5, 5);
    EXPECT_EQ(colors, (QList<QColor>{QColor(Qt::green), QColor(Qt::red), QColor(Qt::red)}));
}

TEST(ExportConversion, BodyIsNormalAndQuotesStrikeAlignmentCodeColoursAndCodeBlocksComeThrough)
{
    const QString md =
        QStringLiteral("Body with ~~gone~~ words.\n\n> Quoted\n> \n> twice\n\n> [!NOTE]\n> Called out\n\n"
                       "| L | C | R |\n|:--|:-:|--:|\n| l | c | r |\n\n"
                       "```python\ndef f():\n    return 1\n```\n\n```\nsecond\n```\n");
    const QList<RichBlock> blocks = RichText::blocks(
        *RichText::textDocument(Exporter::htmlDocument(MarkdownHTMLRenderer::renderBody(md), "t", {}, {}, true), {}));
    QStringList kinds;
    for (const RichBlock& b : blocks) {
        QString text;
        for (const RichRun& r : b.runs) text += r.text;
        kinds << QStringLiteral("%1:%2").arg(int(b.kind)).arg(text);
    }
    const auto P = RichBlock::Paragraph, Q = RichBlock::Quote, C = RichBlock::Code;
    EXPECT_EQ(kinds, (QStringList{QStringLiteral("%1:Body with gone words.").arg(P), QStringLiteral("%1:Quoted").arg(Q),
                                  QStringLiteral("%1:twice").arg(Q), QStringLiteral("%1:Note").arg(Q),
                                  QStringLiteral("%1:Called out").arg(Q), QStringLiteral("%1:").arg(RichBlock::Table),
                                  QStringLiteral("%1:def f():\u2028    return 1").arg(C),
                                  QStringLiteral("%1:second").arg(C)}));
    ASSERT_EQ(blocks.size(), 8);
    EXPECT_TRUE(blocks[0].runs[1].strike);
    const auto& row = blocks[5].table->rows[1];
    EXPECT_EQ(row[0][0].align, RichBlock::Left);
    EXPECT_EQ(row[1][0].align, RichBlock::Center);
    EXPECT_EQ(row[2][0].align, RichBlock::Right);
    EXPECT_TRUE(blocks[6].runs[0].color.isValid()) << "the keyword's colour";
    EXPECT_FALSE(blocks[6].runs[1].color.isValid()) << "plain code keeps the paragraph's";

    const QByteArray rtf = RtfWriter::write(blocks);
    EXPECT_TRUE(rtf.contains("\\strike ")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\qc")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\cbpat2\\f1\\fs20 {\\b\\cf4 def}")) << rtf.toStdString();
    EXPECT_EQ(rtf.count("\\li720"), 4) << "only the quotes are indented";
}

TEST(ExportConversion, ThemeAndUserCssReachTheRichTextParagraphsAndRuns)
{
    const auto rtf = ExportWriter::bytes(
        ExportFormat::rtf, "# Head\n\nBody with `code` and a [link](https://a.com).\n\n> Quoted\n", "t", {},
        ExportThemes::cssFor("academic"),
        "h1 { color: #ff0000 } p { font-family: serif; color: #0000ff } a { color: #00ff00; text-decoration: none }");
    ASSERT_TRUE(rtf.has_value());
    const std::string text = rtf->toStdString();
    EXPECT_TRUE(rtf->contains("{\\f2\\froman\\fcharset0 Liberation Serif;}")) << text;
    EXPECT_TRUE(rtf->contains("\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue0;")) << text;
    EXPECT_TRUE(rtf->contains("\\f2\\fs48\\b\\cf4 {\\*\\bkmkstart head}{\\*\\bkmkend head}{\\b Head}"))
        << "the red heading: " << text;
    EXPECT_TRUE(rtf->contains("\\qj\\sa160\\sl293\\slmult1\\f2\\fs26\\cf5 {Body")) << "blue serif body: " << text;
    EXPECT_TRUE(rtf->contains("{\\f1\\fs22 code}")) << "code at 0.88em of the theme's 17px: " << text;
    EXPECT_TRUE(rtf->contains("\\ulnone\\cf6 link}")) << "the link's own colour, no underline: " << text;
    EXPECT_TRUE(rtf->contains("\\i\\cf5 {\\i Quoted}")) << "a quote's paragraph is blue too: " << text;

    // Standard without user CSS: as before, the writer's own look.
    const auto plain = ExportWriter::bytes(ExportFormat::rtf, "# Head\n\nBody\n", "t", {}, {}, {});
    EXPECT_TRUE(plain->contains("\\pard\\plain\\sa160\\fs24 {Body}")) << plain->toStdString();
}

TEST(ExportConversion, RichTextEscapesMarkupAndEveryNonAsciiCharacter)
{
    RichBlock b;
    RichRun run;
    run.text = QStringLiteral("{a}\\ é 😀");
    b.runs = {run};
    const QByteArray rtf = RtfWriter::write({b});
    EXPECT_TRUE(rtf.contains("\\{a\\}\\\\ \\u233? \\u-10179?\\u-8704?")) << rtf.toStdString();
    for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "7-bit output";
}

TEST(ExportConversion, WordAndOpenDocumentFilesAreArchivesAndTasksBecomeBoxes)
{
    const QString md = QStringLiteral("# Title\n\n- [ ] open\n- [x] done\n\n| a | b |\n|---|---|\n| 1 | 2 |\n");
    for (ExportFormat f : {ExportFormat::docx, ExportFormat::odt}) {
        const auto bytes = ExportWriter::bytes(f, md, "t", {}, {}, {});
        ASSERT_TRUE(bytes.has_value());
        EXPECT_TRUE(bytes->startsWith("PK")) << ExportFormats::id(f).toStdString();
    }
    auto doc = RichText::textDocument(
        Exporter::htmlDocument(QStringLiteral("<ul><li><input type=\"checkbox\" disabled> open</li>"
                                              "<li><input type=\"checkbox\" checked disabled> done</li></ul>"),
                               "t", {}, {}, true),
        {});
    EXPECT_TRUE(doc->toPlainText().contains(QStringLiteral("☐ open")));
    EXPECT_TRUE(doc->toPlainText().contains(QStringLiteral("☑ done")));
    // XML cannot carry controls or lone surrogates: they are left out, not written broken.
    EXPECT_EQ(DocxWriter::xmlText(QStringLiteral("a\x01<b>&") + QChar(0xD800) + QStringLiteral("😀")),
              QStringLiteral("a&lt;b&gt;&amp;😀"));
}

namespace {

// The entry `name` of a zip archive held in memory; empty when it has none.
QByteArray zipEntry(const QByteArray& archive, const char* name)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(archive.constData(), archive.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    QByteArray bytes;
    zip_stat_t stat;
    if (zip && zip_stat(zip, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(zip, name, 0)) {
            bytes.resize(qsizetype(stat.size));
            if (zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size)) bytes.clear();
            zip_fclose(file);
        }
    }
    if (zip)
        zip_discard(zip);
    else if (source)
        zip_source_free(source);
    zip_error_fini(&error);
    return bytes;
}

// The values of `attribute` on the elements `element` of `xml`, in order; a file that is not
// well-formed yields {"ill-formed"}.
QStringList valuesIn(const QByteArray& xml, QLatin1String element, QLatin1String attribute)
{
    QStringList values;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.qualifiedName() == element)
            values << reader.attributes().value(attribute).toString();
    return reader.hasError() ? QStringList{QStringLiteral("ill-formed")} : values;
}

} // namespace

TEST(ExportConversion, LinksIntoTheDocumentReachBookmarksThatEveryFormatKeeps)
{
    // Ids as a page may hold them: two differing only in case, a letter no format takes in a
    // name, markup and field characters, a digit first, one too long; one repeated. Links to
    // each, to no id, percent-encoded, and out of the document.
    const QString longId(60, u'a');
    const QString page =
        QStringLiteral("<h1 id=\"intro\">Intro</h1><p><a href=\"#intro\">to intro</a> <a href=\"#missing\">nowhere</a> "
                       "<a href=\"#%C3%BCber\">to über</a> <a href=\"https://a.com/#x\">out</a></p>"
                       "<h2 id=\"Intro\">Case</h2><h2 id=\"über\">Über</h2><h2 id=\"x&quot;&lt;}{\\\">Marks</h2>"
                       "<h2 id=\"9 lives\">Digit</h2><h2 id=\"%1\">Long</h2><h2 id=\"intro\">Again</h2>"
                       "<p><a href=\"#Intro\">c</a> <a href=\"#x&quot;&lt;}{\\\">m</a> <a href=\"#9 lives\">d</a> "
                       "<a href=\"#%1\">l</a></p>")
            .arg(longId);
    const QList<RichBlock> blocks = RichText::blocks(*RichText::textDocument(page, {}));
    const QStringList names = {"intro", "Intro_1", "id__ber", "x_____", "id_9_lives", QString(40, u'a')};
    const QStringList targets = {names[0], names[2], names[1], names[3], names[4], names[5]};

    const QByteArray docx = zipEntry(DocxWriter::write(blocks, "t"), "word/document.xml");
    EXPECT_EQ(valuesIn(docx, QLatin1String("w:bookmarkStart"), QLatin1String("w:name")), names);
    QStringList links = valuesIn(docx, QLatin1String("w:hyperlink"), QLatin1String("w:anchor"));
    links.removeAll(QString()); // the address out of the document
    EXPECT_EQ(links, targets);

    const QByteArray odt = zipEntry(OdtWriter::write(blocks, "t"), "content.xml");
    EXPECT_EQ(valuesIn(odt, QLatin1String("text:bookmark"), QLatin1String("text:name")), names);
    links = valuesIn(odt, QLatin1String("text:a"), QLatin1String("xlink:href"));
    QStringList odtTargets;
    for (const QString& t : targets) odtTargets << u'#' + t;
    odtTargets.insert(2, QStringLiteral("https://a.com/#x"));
    EXPECT_EQ(links, odtTargets);

    const QString rtf = QString::fromLatin1(RtfWriter::write(blocks));
    QStringList rtfNames, rtfLinks;
    for (const auto& m : QRegularExpression(R"(\{\\\*\\bkmkstart ([^}]*)\}\{\\\*\\bkmkend \1\})").globalMatch(rtf))
        rtfNames << m.captured(1);
    for (const auto& m : QRegularExpression(R"re(HYPERLINK \\\\l "([^"]*)")re").globalMatch(rtf))
        rtfLinks << m.captured(1);
    EXPECT_EQ(rtfNames, names) << rtf.toStdString();
    EXPECT_EQ(rtfLinks, targets);
    EXPECT_EQ(rtf.count(QLatin1String("{\\field")), 7) << "a link to no id is text: " << rtf.toStdString();
}

TEST(ExportConversion, AJustifiedRichTextLineEndingAtALineBreakEndsItsParagraph)
{
    const QString md = QStringLiteral("- item\n\nShort line\nanother\nlast of the paragraph.\n");
    const auto rtf = ExportWriter::bytes(ExportFormat::rtf, md, "t", {}, {}, "p, li { text-align: justify }");
    ASSERT_TRUE(rtf.has_value());
    const QList<QByteArray> paragraphs = rtf->split('\n');
    const auto holding = [&](const char* text) {
        for (const QByteArray& p : paragraphs)
            if (p.contains(text)) return p;
        return QByteArray();
    };
    EXPECT_FALSE(rtf->contains("\\line")) << rtf->toStdString();
    EXPECT_TRUE(holding("{Short line}").contains("\\qj") && holding("{Short line}").endsWith("\\sa0 {Short line}\\par"))
        << "the first line, with no space after it: " << rtf->toStdString();
    EXPECT_TRUE(holding("{another}").contains("\\sb0\\fi0\\sa0 {another}")) << rtf->toStdString();
    EXPECT_TRUE(holding("{last of").contains("\\sb0\\fi0 {last of")) << "the last, with the space after it";

    const auto left = ExportWriter::bytes(ExportFormat::rtf, md, "t", {}, {}, {});
    EXPECT_TRUE(left->contains("{Short line\\line another\\line last of the paragraph.}")) << left->toStdString();
}

TEST(ExportConversion, NumberedListsKeepTheDocumentsNumbersInEveryWriter)
{
    const QString md = QStringLiteral("1. one\n   still one\n2. two\n\n> quoted\n\n3. three\n   - a\n     5. five\n");
    const QList<RichBlock> blocks = RichText::blocks(
        *RichText::textDocument(Exporter::htmlDocument(MarkdownHTMLRenderer::renderBody(md), "t", {}, {}, true), {}));
    QStringList numbered;
    for (const RichBlock& b : blocks)
        if (b.kind == RichBlock::ListItem && b.ordered)
            numbered << QStringLiteral("%1 %2").arg(b.number).arg(b.runs.value(0).text);
    EXPECT_EQ(numbered.join(u'|').toStdString(), "1 one\u2028still one|2 two|3 three|5 five");
    const QByteArray rtf = RtfWriter::write(blocks);
    EXPECT_TRUE(rtf.contains("3.\\tab") && rtf.contains("5.\\tab")) << rtf.toStdString();
}

TEST(ExportConversion, NumbersTypedUnderBulletsAreANumberedListOfTheirOwnInEveryWriter)
{
    const QString md = QStringLiteral("- tent\n- stove\n1. book the site\n2. check the weather\n");
    const QList<RichBlock> blocks = RichText::blocks(
        *RichText::textDocument(Exporter::htmlDocument(MarkdownHTMLRenderer::renderBody(md), "t", {}, {}, true), {}));
    QStringList items;
    for (const RichBlock& b : blocks)
        items << (b.ordered ? QString::number(b.number) : QStringLiteral("-")) + u' ' + b.runs.value(0).text;
    EXPECT_EQ(items.join(u'|').toStdString(), "- tent|- stove|1 book the site|2 check the weather");
    ASSERT_EQ(blocks.size(), 4);
    EXPECT_EQ(blocks[0].listId, blocks[1].listId);
    EXPECT_NE(blocks[1].listId, blocks[2].listId);
    const QByteArray rtf = RtfWriter::write(blocks);
    EXPECT_TRUE(rtf.contains("1.\\tab") && rtf.contains("2.\\tab")) << rtf.toStdString();
    EXPECT_EQ(valuesIn(zipEntry(OdtWriter::write(blocks, "t"), "content.xml"), QLatin1String("text:list-item"),
                       QLatin1String("text:start-value")),
              (QStringList{"", "", "1", "2"}));
}

TEST(ExportConversion, AListNumberedFromZeroCountsFromZeroInEveryWriter)
{
    const QString md = QStringLiteral("0. zero\n1. one\n");
    const QList<RichBlock> blocks = RichText::blocks(
        *RichText::textDocument(Exporter::htmlDocument(MarkdownHTMLRenderer::renderBody(md), "t", {}, {}, true), {}));
    QStringList numbered;
    for (const RichBlock& b : blocks) numbered << QStringLiteral("%1 %2").arg(b.number).arg(b.runs.value(0).text);
    EXPECT_EQ(numbered.join(u'|').toStdString(), "0 zero|1 one");
    EXPECT_TRUE(RtfWriter::write(blocks).contains("0.\\tab"));
    EXPECT_EQ(valuesIn(zipEntry(DocxWriter::write(blocks, "t"), "word/numbering.xml"), QLatin1String("w:startOverride"),
                       QLatin1String("w:val")),
              QStringList{"0"});
    EXPECT_EQ(valuesIn(zipEntry(OdtWriter::write(blocks, "t"), "content.xml"), QLatin1String("text:list-item"),
                       QLatin1String("text:start-value")),
              (QStringList{"0", "1"}));
}

TEST(ExportConversion, ThousandsOfHeadingsAndFootnotesAreReadInTimeThatGrowsWithTheirNumber)
{
    // Every heading, note and citation is a bookmark; the notes are one list. Read in time
    // that grows with their square, this took over a minute; read linearly, a few seconds (the
    // bound leaves room for a busy two-core machine).
    constexpr int kHeadings = 20000;
    QString md;
    for (int n = 1; n <= kHeadings; ++n) md += QStringLiteral("# Heading %1\n\nText with a note.[^%1]\n\n").arg(n);
    for (int n = 1; n <= kHeadings; ++n) md += QStringLiteral("[^%1]: Note %1.\n").arg(n);
    const QString page = Exporter::htmlDocument(MarkdownHTMLRenderer::renderBody(md), "t", {}, {}, true);
    QElapsedTimer timer;
    timer.start();
    const QList<RichBlock> blocks = RichText::blocks(*RichText::textDocument(page, {}));
    EXPECT_LT(timer.elapsed(), 30000);

    int bookmarks = 0, links = 0, items = 0;
    QSet<int> listIds;
    for (const RichBlock& b : blocks) {
        for (const RichRun& r : b.runs) {
            bookmarks += int(r.anchors.size());
            links += r.href.startsWith(u'#') ? 1 : 0;
        }
        if (b.kind != RichBlock::ListItem) continue;
        EXPECT_EQ(b.number, ++items);
        listIds.insert(b.listId);
    }
    EXPECT_EQ(bookmarks, 3 * kHeadings); // heading, citation, note
    EXPECT_EQ(links, 2 * kHeadings);     // to the note and back
    EXPECT_EQ(items, kHeadings);
    EXPECT_EQ(listIds.size(), 1) << "the notes stay one list";
}
