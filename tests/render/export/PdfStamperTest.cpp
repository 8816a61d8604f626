#include "render/export/PDFStamper.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <gtest/gtest.h>

TEST(PDFStamper, FillsEveryPlaceholderInOnePass)
{
    EXPECT_EQ(PDFStamper::fill("{title} {page}/{pages} {date}", "Notes", 2, 3, "Dec 7, 2026"), "Notes 2/3 Dec 7, 2026");
    // A title holding a placeholder keeps it: inserted text is never read again.
    EXPECT_EQ(PDFStamper::fill("{title} p{page}", "Read {page} {pages}", 4, 9, "d"), "Read {page} {pages} p4");
    EXPECT_EQ(PDFStamper::fill("{Title} {page", "t", 1, 1, "d"), "{Title} {page");
    EXPECT_EQ(PDFStamper::fill("", "t", 1, 1, "d"), "");
}

static QByteArray blankPdf(int pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    QPainter p(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i) writer.newPage();
        p.drawText(QPointF(300, 300), QStringLiteral("body %1").arg(i + 1));
    }
    p.end();
    return bytes;
}

static QString pageText(const QByteArray& pdf, int page, int* count = nullptr)
{
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument doc;
    doc.load(&buffer);
    if (count) *count = doc.pageCount();
    return doc.getAllText(page).text();
}

TEST(PDFStamper, StampsEachPageWithItsNumberAndKeepsTheBody)
{
    const QByteArray stamped = PDFStamper::stamp(blankPdf(3), "Ünïcode 😀", "{title}", "Page {page} of {pages}");
    ASSERT_FALSE(stamped.isEmpty());
    int count = 0;
    const QString second = pageText(stamped, 1, &count);
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(second.contains("Page 2 of 3")) << second.toStdString();
    EXPECT_TRUE(second.contains("Ünïcode")) << second.toStdString();
    EXPECT_TRUE(second.contains("body 2")) << second.toStdString();
}

TEST(PDFStamper, DataThatIsNoPdfGivesNothing)
{
    QString error;
    EXPECT_TRUE(PDFStamper::stamp("not a pdf at all", "t", "{title}", "{page}", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PDFStamper, StampsWhatIsSetAndNothingElse)
{
    struct Case {
        const char* header;
        const char* footer;
        bool hasHeader;
        bool hasFooter;
    };
    for (const Case& c : {Case{"Head {title}", "", true, false}, Case{"", "Foot {page}", false, true},
                          Case{"Head {title}", "Foot {page}", true, true}, Case{"", "", false, false}}) {
        const QByteArray stamped = PDFStamper::stamp(blankPdf(2), "T", c.header, c.footer);
        ASSERT_FALSE(stamped.isEmpty());
        int count = 0;
        const QString second = pageText(stamped, 1, &count);
        SCOPED_TRACE(std::string(c.header) + " / " + c.footer);
        EXPECT_EQ(count, 2);
        EXPECT_TRUE(second.contains("body 2")) << second.toStdString();
        EXPECT_EQ(second.contains("Head T"), c.hasHeader) << second.toStdString();
        EXPECT_EQ(second.contains("Foot 2"), c.hasFooter) << second.toStdString();
    }
}
