#include "render/export/OdtWriter.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace {

const char kMonoFont[] = "Liberation Mono";
constexpr double kHeadingPoints[6] = {24, 18, 15, 13, 12, 12};

void separateListsFromTables(QTextDocument& doc)
{
    QList<int> positions; // where a table begins right after a list item
    QTextBlock previous;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (qobject_cast<QTextTable*>(it.currentFrame())) {
            if (previous.isValid() && previous.textList())
                positions.append(previous.position() + previous.length() - 1);
            continue;
        }
        if (it.currentBlock().isValid()) previous = it.currentBlock();
    }
    std::reverse(positions.begin(), positions.end());
    for (int pos : positions) {
        QTextCursor c(&doc);
        c.setPosition(pos);
        c.insertBlock(QTextBlockFormat(), QTextCharFormat());
        if (QTextList* list = c.currentList()) list->remove(c.block());
        QTextBlockFormat plain;
        plain.setIndent(0);
        c.setBlockFormat(plain);
    }
}

void explicitFonts(QTextDocument& doc)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        const bool code = b.blockFormat().nonBreakableLines();
        if (level > 0) {
            QTextCursor c(b);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setFontPointSize(kHeadingPoints[std::min(level, 6) - 1]);
            f.setFontWeight(QFont::Bold);
            c.mergeCharFormat(f);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat cf = frag.charFormat();
            bool mono = code || cf.fontFixedPitch();
            for (const QString& family : cf.fontFamilies().toStringList())
                mono = mono || family.contains(QLatin1String("mono"), Qt::CaseInsensitive)
                       || family.contains(QLatin1String("courier"), Qt::CaseInsensitive);
            if (!mono || cf.isImageFormat()) continue;
            QTextCursor c(&doc);
            c.setPosition(frag.position());
            c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setFontFamilies(QStringList{QLatin1String(kMonoFont)});
            // Qt's OpenDocument writer reads the single-family property of older formats.
            f.setProperty(QTextFormat::OldFontFamily, QLatin1String(kMonoFont));
            f.setFontFixedPitch(true);
            c.mergeCharFormat(f);
        }
    }
}

} // namespace

QByteArray OdtWriter::write(QTextDocument& doc)
{
    separateListsFromTables(doc);
    explicitFonts(doc);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "ODF");
    if (!writer.write(&doc)) return {};
    return bytes;
}
