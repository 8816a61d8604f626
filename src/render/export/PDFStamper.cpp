#include "render/export/PDFStamper.h"

#include "platform/DateText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

QString PDFStamper::fill(const QString& templ, const QString& title, int page, int total, const QString& date)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{(title|pages|page|date)\\}"));
    QString out;
    out.reserve(templ.size() + title.size());
    qsizetype last = 0;
    for (auto it = placeholder.globalMatch(templ); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(templ).mid(last, m.capturedStart() - last);
        const QStringView key = m.capturedView(1);
        if (key == QLatin1String("title"))
            out += title;
        else if (key == QLatin1String("page"))
            out += QString::number(page);
        else if (key == QLatin1String("pages"))
            out += QString::number(total);
        else
            out += date;
        last = m.capturedEnd();
    }
    out += QStringView(templ).mid(last);
    return out;
}

namespace {

struct PageBox {
    double width = 612;
    double height = 792;
};

// One overlay page per page, the same size, holding only the two texts.
QByteArray overlay(const QList<PageBox>& boxes, const QString& title, const QString& header, const QString& footer)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    writer.setCreator(QStringLiteral("Brindlewick"));
    auto layoutFor = [](const PageBox& b) {
        return QPageLayout(QPageSize(QSizeF(b.width, b.height), QPageSize::Point), QPageLayout::Portrait, QMarginsF(),
                           QPageLayout::Point);
    };
    writer.setPageLayout(layoutFor(boxes.first()));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(9);
    painter.setFont(font);
    painter.setPen(QColor(128, 128, 128));
    const QFontMetricsF metrics(font, &writer);
    const QString date = DateText::mediumDate(QDate::currentDate(), QLocale());
    const int total = int(boxes.size());
    for (int i = 0; i < total; ++i) {
        const PageBox& b = boxes[i];
        if (i > 0) {
            writer.setPageLayout(layoutFor(b));
            writer.newPage();
        }
        // Top-left coordinates: a line box ending 40 points below the top, and one ending
        // 30 points above the bottom.
        const QString head = PDFStamper::fill(header, title, i + 1, total, date);
        if (!head.isEmpty()) painter.drawText(QPointF(72, 40 - metrics.descent()), head);
        const QString foot = PDFStamper::fill(footer, title, i + 1, total, date);
        if (!foot.isEmpty()) {
            const double w = metrics.horizontalAdvance(foot);
            painter.drawText(QPointF((b.width - w) / 2, b.height - 30 - metrics.descent()), foot);
        }
    }
    painter.end();
    return bytes;
}

} // namespace

QByteArray PDFStamper::stamp(const QByteArray& pdf, const QString& title, const QString& headerTemplate,
                             const QString& footerTemplate, QString* error)
{
    try {
        QPDF doc;
        doc.setSuppressWarnings(true);
        doc.processMemoryFile("pages", pdf.constData(), size_t(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(doc).getAllPages();
        if (pages.empty()) {
            if (error) *error = QCoreApplication::translate("PDFStamper", "the PDF has no pages");
            return {};
        }
        if (headerTemplate.isEmpty() && footerTemplate.isEmpty()) return pdf;
        QList<PageBox> boxes;
        for (QPDFPageObjectHelper& page : pages) {
            const QPDFObjectHandle::Rectangle r = page.getMediaBox().getArrayAsRectangle();
            PageBox b{r.urx - r.llx, r.ury - r.lly};
            if (b.width <= 0 || b.height <= 0) b = PageBox();
            boxes.append(b);
        }
        const QByteArray overlayBytes = overlay(boxes, title, headerTemplate, footerTemplate);
        if (overlayBytes.isEmpty()) {
            if (error) *error = QCoreApplication::translate("PDFStamper", "the header and footer could not be drawn");
            return {};
        }
        QPDF stamps;
        stamps.setSuppressWarnings(true);
        stamps.processMemoryFile("stamps", overlayBytes.constData(), size_t(overlayBytes.size()));
        std::vector<QPDFPageObjectHelper> stampPages = QPDFPageDocumentHelper(stamps).getAllPages();
        for (size_t i = 0; i < pages.size() && i < stampPages.size(); ++i) {
            QPDFPageObjectHelper& page = pages[i];
            QPDFObjectHandle form = doc.copyForeignObject(stampPages[i].getFormXObjectForPage());
            QPDFObjectHandle resources = page.getAttribute("/Resources", true);
            int suffix = 1;
            const std::string name = resources.getUniqueResourceName("/Fx", suffix);
            const std::string content = page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle());
            if (content.empty()) continue;
            resources.mergeResources(QPDFObjectHandle::parse("<< /XObject << >> >>"));
            resources.getKey("/XObject").replaceKey(name, form);
            page.addPageContents(QPDFObjectHandle::newStream(&doc, "q\n"), true);
            page.addPageContents(QPDFObjectHandle::newStream(&doc, "\nQ\n" + content), false);
        }
        QPDFWriter writer(doc);
        writer.setOutputMemory();
        writer.setStaticID(false);
        writer.write();
        std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
    } catch (const std::exception& e) {
        if (error) *error = QString::fromLocal8Bit(e.what());
        return {};
    }
}
