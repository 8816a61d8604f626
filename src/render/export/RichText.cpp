#include "render/export/RichText.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

ExportTextDocument::ExportTextDocument(const QString& baseDir)
    : m_baseDir(baseDir.isEmpty() ? QString() : QFileInfo(baseDir).canonicalFilePath())
{
    if (!m_baseDir.isEmpty()) setBaseUrl(QUrl::fromLocalFile(m_baseDir + u'/'));
}

QVariant ExportTextDocument::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::ImageResource || m_baseDir.isEmpty()) return {};
    const QUrl url = baseUrl().resolved(name);
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    if (!RichText::isInsideFolder(path, m_baseDir) || QFileInfo(path).size() > maxImageBytes) return {};
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return image;
}

bool RichText::isInsideFolder(const QString& path, const QString& dir)
{
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) return false; // a link to a device or a folder is neither
    const QString canonical = file.canonicalFilePath();
    const QString folder = QFileInfo(dir).canonicalFilePath();
    return !folder.isEmpty() && canonical.startsWith(folder + u'/');
}

std::unique_ptr<ExportTextDocument> RichText::textDocument(const QString& page, const QString& baseDir)
{
    static const QRegularExpression checked(QStringLiteral("<input type=\"checkbox\" checked[^>]*>"));
    static const QRegularExpression unchecked(QStringLiteral("<input type=\"checkbox\"[^>]*>"));
    QString html = page;
    html.replace(checked, QStringLiteral("☑"));
    html.replace(unchecked, QStringLiteral("☐"));
    auto doc = std::make_unique<ExportTextDocument>(baseDir);
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
