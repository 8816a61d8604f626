#include "render/export/RichText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// Whether an SVG names anything outside itself: an href that is neither a fragment of the
// same file nor data. One that cannot be read counts as such.
bool refersElsewhere(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            if (a.name() != QLatin1String("href")) continue;
            const QStringView value = a.value().trimmed();
            if (!value.startsWith(u'#') && !value.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) return true;
        }
    }
    return xml.hasError();
}

QImage decodeImage(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format == "svgz" || (format == "svg" && refersElsewhere(bytes))) return {};
    return reader.read();
}

} // namespace

ExportTextDocument::ExportTextDocument(const ImageAccess& images)
    : m_images(images)
{
    if (!m_images.documentFolder().isEmpty()) setBaseUrl(QUrl::fromLocalFile(m_images.documentFolder() + u'/'));
}

QVariant ExportTextDocument::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource) return {};
    const QUrl url = baseUrl().resolved(name);
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    if (!m_images.allows(path) || QFileInfo(path).size() > maxImageBytes) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(maxImageBytes + 1);
    if (bytes.size() > maxImageBytes) return {};
    const QImage image = decodeImage(bytes);
    if (image.isNull()) return {};
    return image;
}

std::unique_ptr<ExportTextDocument> RichText::textDocument(const QString& page, const ImageAccess& images)
{
    static const QRegularExpression checked(QStringLiteral("<input type=\"checkbox\" checked[^>]*>"));
    static const QRegularExpression unchecked(QStringLiteral("<input type=\"checkbox\"[^>]*>"));
    QString html = page;
    html.replace(checked, QStringLiteral("☑"));
    html.replace(unchecked, QStringLiteral("☐"));
    auto doc = std::make_unique<ExportTextDocument>(images);
    doc->setHtml(html);
    return doc;
}

namespace {

bool isMono(const QTextCharFormat& f)
{
    if (f.fontFixedPitch()) return true;
    for (const QString& family : f.fontFamilies().toStringList()) {
        const QString l = family.toLower();
        if (l.contains(QLatin1String("mono")) || l.contains(QLatin1String("courier"))) return true;
    }
    return false;
}

QByteArray pngOf(const QVariant& resource)
{
    QImage image;
    if (resource.canConvert<QImage>()) image = resource.value<QImage>();
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QList<RichRun> runsOf(const QTextBlock& block)
{
    QList<RichRun> runs;
    const QTextDocument* doc = block.document();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (!frag.isValid()) continue;
        const QTextCharFormat f = frag.charFormat();
        RichRun run;
        run.bold = f.fontWeight() >= QFont::DemiBold;
        run.italic = f.fontItalic();
        run.underline = f.fontUnderline();
        run.strike = f.fontStrikeOut();
        run.mono = isMono(f);
        run.superscript = f.verticalAlignment() == QTextCharFormat::AlignSuperScript;
        if (f.isAnchor()) run.href = f.anchorHref();
        if (f.isImageFormat()) {
            const QTextImageFormat img = f.toImageFormat();
            const QVariant resource = doc->resource(QTextDocument::ImageResource, QUrl(img.name()));
            const QImage image = resource.value<QImage>();
            run.png = pngOf(resource);
            if (run.png.isEmpty()) continue; // an image that could not be loaded is left out
            QSize size = image.size();
            if (img.width() > 0 && img.height() > 0) size = QSize(int(img.width()), int(img.height()));
            run.imageSize = size;
            runs.append(run);
            continue;
        }
        run.text = frag.text();
        run.text.remove(QChar::ObjectReplacementCharacter);
        if (run.text.isEmpty()) continue;
        runs.append(run);
    }
    return runs;
}

void walk(QTextFrame::iterator it, QList<RichBlock>& out);

RichBlock blockOf(const QTextBlock& b)
{
    RichBlock block;
    const QTextBlockFormat bf = b.blockFormat();
    block.runs = runsOf(b);
    if (QTextList* list = b.textList()) {
        block.kind = RichBlock::ListItem;
        block.listLevel = std::max(1, list->format().indent());
        block.ordered = list->format().style() <= QTextListFormat::ListDecimal;
        block.number = list->itemNumber(b) + 1;
        block.listId = list->objectIndex();
    } else if (bf.headingLevel() > 0) {
        block.kind = RichBlock::Heading;
        block.headingLevel = std::min(6, bf.headingLevel());
    } else if (bf.nonBreakableLines()) {
        block.kind = RichBlock::Code;
        for (RichRun& r : block.runs) r.mono = true;
    } else if (bf.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
        block.kind = RichBlock::Rule;
    } else if (bf.leftMargin() > 0 || bf.indent() > 0) {
        block.kind = RichBlock::Quote;
    }
    return block;
}

RichBlock tableOf(QTextTable* t)
{
    RichBlock block;
    block.kind = RichBlock::Table;
    block.table = std::make_shared<RichTable>();
    block.table->columns = t->columns();
    block.table->headerRows = t->format().headerRowCount();
    for (int r = 0; r < t->rows(); ++r) {
        QList<QList<RichBlock>> row;
        for (int c = 0; c < t->columns(); ++c) {
            QList<RichBlock> cell;
            const QTextTableCell tc = t->cellAt(r, c);
            if (tc.isValid() && tc.row() == r && tc.column() == c) walk(tc.begin(), cell);
            row.append(cell);
        }
        block.table->rows.append(row);
    }
    if (block.table->headerRows == 0 && !block.table->rows.isEmpty()) {
        // <th> cells are bold in every row they stand in; a first row of them is the header.
        bool allBold = true;
        for (const auto& cell : block.table->rows.first())
            for (const RichBlock& b : cell)
                for (const RichRun& r : b.runs) allBold = allBold && r.bold;
        if (allBold && t->rows() > 1) block.table->headerRows = 1;
    }
    return block;
}

void walk(QTextFrame::iterator it, QList<RichBlock>& out)
{
    for (; !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child))
                out.append(tableOf(table));
            else
                walk(child->begin(), out);
            continue;
        }
        const QTextBlock b = it.currentBlock();
        if (!b.isValid()) continue;
        RichBlock block = blockOf(b);
        // Qt keeps empty blocks between frames; they carry nothing a reader would see.
        if (block.runs.isEmpty() && block.kind != RichBlock::Rule && block.kind != RichBlock::Code) continue;
        out.append(block);
    }
}

} // namespace

QList<RichBlock> RichText::blocks(const QTextDocument& doc)
{
    QList<RichBlock> out;
    walk(doc.rootFrame()->begin(), out);
    return out;
}
