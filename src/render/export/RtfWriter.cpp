#include "render/export/RtfWriter.h"

namespace {

constexpr int kTextWidthTwips = 9360; // 6.5 inches between one-inch margins on Letter
constexpr int kBodyHalfPoints = 24;
constexpr int kHeadingHalfPoints[6] = {48, 36, 30, 26, 24, 24};

void escape(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == 0x2028 || u == '\n') {
            out += "\\line ";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            continue; // control characters have no place in the text
        } else {
            // Signed 16-bit units; a surrogate pair is written as its two units.
            out += "\\u" + QByteArray::number(int(short(u))) + '?';
        }
    }
}

void writeImage(QByteArray& out, const RichRun& run)
{
    int w = std::max(1, run.imageSize.width()) * 15; // CSS pixel = 15 twips
    int h = std::max(1, run.imageSize.height()) * 15;
    if (w > kTextWidthTwips) {
        h = int(qint64(h) * kTextWidthTwips / w);
        w = kTextWidthTwips;
    }
    out += "{\\pict\\pngblip\\picwgoal" + QByteArray::number(w) + "\\pichgoal" + QByteArray::number(h) + '\n';
    const QByteArray hex = run.png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) out += hex.mid(i, 128) + '\n';
    out += '}';
}

// Colours beyond the fixed ones of the table (link, code background, quote), in order of use.
using Colors = QList<QRgb>;
constexpr int kFixedColors = 3;

QByteArray colorIndex(Colors& colors, const QColor& color)
{
    qsizetype i = colors.indexOf(color.rgb());
    if (i < 0) {
        colors.append(color.rgb());
        i = colors.size() - 1;
    }
    return QByteArray::number(kFixedColors + 1 + i);
}

void writeRuns(QByteArray& out, const QList<RichRun>& runs, Colors& colors)
{
    for (const RichRun& run : runs) {
        if (!run.png.isEmpty()) {
            writeImage(out, run);
            continue;
        }
        if (!run.href.isEmpty() && !run.href.startsWith(u'#')) {
            out += "{\\field{\\*\\fldinst{HYPERLINK \"";
            QString href = run.href;
            href.replace(u'"', QLatin1String("%22"));
            escape(out, href);
            out += "\"}}{\\fldrslt{\\ul\\cf1 ";
        }
        QByteArray props;
        if (run.bold) props += "\\b";
        if (run.italic) props += "\\i";
        if (run.strike) props += "\\strike";
        if (run.color.isValid()) props += "\\cf" + colorIndex(colors, run.color);
        if (run.underline) props += "\\ul";
        if (run.superscript) props += "\\super";
        if (run.mono) props += "\\f1";
        // The space ends a control word; without one it would be text.
        out += '{' + props + (props.isEmpty() ? "" : " ");
        escape(out, run.text);
        out += '}';
        if (!run.href.isEmpty() && !run.href.startsWith(u'#')) out += "}}}";
    }
}

void writeBlocks(QByteArray& out, const QList<RichBlock>& blocks, bool inTable, Colors& colors);

void writeTable(QByteArray& out, const RichTable& table, Colors& colors)
{
    const int columns = std::max(1, table.columns);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        out += "\\trowd\\trgaph108";
        if (r < table.headerRows) out += "\\trhdr";
        for (int c = 0; c < columns; ++c) {
            out +=
                "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
            out += "\\cellx" + QByteArray::number(kTextWidthTwips * (c + 1) / columns);
        }
        out += '\n';
        for (int c = 0; c < columns; ++c) {
            const auto& row = table.rows[r];
            if (c < row.size() && !row[c].isEmpty())
                writeBlocks(out, row[c], true, colors);
            else
                out += "\\pard\\intbl";
            out += "\\cell\n";
        }
        out += "\\row\n";
    }
    out += "\\pard\n";
}

void writeBlocks(QByteArray& out, const QList<RichBlock>& blocks, bool inTable, Colors& colors)
{
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const RichBlock& b = blocks[i];
        if (b.kind == RichBlock::Table) {
            if (!inTable) writeTable(out, *b.table, colors);
            continue;
        }
        out += "\\pard\\plain";
        if (inTable) out += "\\intbl";
        out += "\\sa160\\fs" + QByteArray::number(kBodyHalfPoints);
        static const char* const kAlign[] = {"", "\\qc", "\\qr", "\\qj"};
        out += kAlign[b.align];
        switch (b.kind) {
        case RichBlock::Heading:
            out += "\\sb240\\keepn\\b\\fs" + QByteArray::number(kHeadingHalfPoints[b.headingLevel - 1]);
            out += "\\outlinelevel" + QByteArray::number(b.headingLevel - 1);
            break;
        case RichBlock::ListItem: {
            const int indent = 360 * b.listLevel;
            out += "\\li" + QByteArray::number(indent) + "\\fi-360\\tx" + QByteArray::number(indent) + ' ';
            out += b.ordered ? QByteArray::number(b.number) + '.' : QByteArray("\\u8226?");
            out += "\\tab";
            break;
        }
        case RichBlock::Code: out += "\\f1\\fs20\\cbpat2"; break;
        case RichBlock::Quote: out += "\\li720\\cf3"; break;
        case RichBlock::Rule: out += "\\brdrb\\brdrs\\brdrw10\\brsp20"; break;
        default: break;
        }
        out += ' ';
        if (inTable && i + 1 < blocks.size() && blocks[i + 1].kind != RichBlock::Table) {
            writeRuns(out, b.runs, colors);
            out += "\\par\n";
        } else if (inTable) {
            writeRuns(out, b.runs, colors); // the cell's last paragraph ends with \cell
        } else {
            writeRuns(out, b.runs, colors);
            out += "\\par\n";
        }
    }
}

} // namespace

QByteArray RtfWriter::write(const QList<RichBlock>& blocks)
{
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Liberation Sans;}{\\f1\\fmodern\\fcharset0 Liberation Mono;}}\n";
    QByteArray body;
    Colors colors;
    writeBlocks(body, blocks, false, colors);
    out += "{\\colortbl;\\red0\\green102\\blue204;\\red245\\green245\\blue247;\\red110\\green110\\blue115;";
    for (const QRgb c : colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
               + QByteArray::number(qBlue(c)) + ';';
    out += "}\n";
    out += "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n";
    out += body;
    out += "}\n";
    return out;
}
