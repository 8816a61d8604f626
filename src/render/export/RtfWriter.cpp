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

// What the body refers to beyond the fixed entries of the tables: colours (after link, code
// background and quote) and fonts (after the sans and the mono one), in order of use.
struct RtfState {
    const ExportTextStyles& css;
    QList<QRgb> colors;
    QList<RichFont> fonts;
};
constexpr int kFixedColors = 3;
constexpr int kFixedFonts = 2;

QByteArray colorIndex(RtfState& st, const QColor& color)
{
    static const QRgb kFixed[kFixedColors] = {qRgb(0, 102, 204), qRgb(245, 245, 247), qRgb(110, 110, 115)};
    for (int k = 0; k < kFixedColors; ++k)
        if (kFixed[k] == color.rgb()) return QByteArray::number(k + 1);
    qsizetype i = st.colors.indexOf(color.rgb());
    if (i < 0) {
        st.colors.append(color.rgb());
        i = st.colors.size() - 1;
    }
    return QByteArray::number(kFixedColors + 1 + i);
}

QByteArray fontIndex(RtfState& st, const QStringList& families)
{
    const RichFont f = RichText::font(families);
    if (f.name.isEmpty()) return {};
    if (f.name == QLatin1String("Liberation Sans")) return "0";
    if (f.name == QLatin1String("Liberation Mono")) return "1";
    qsizetype i = 0;
    while (i < st.fonts.size() && st.fonts[i].name != f.name) ++i;
    if (i == st.fonts.size()) st.fonts.append(f);
    return QByteArray::number(kFixedFonts + i);
}

int twips(double points)
{
    return int(std::lround(std::clamp(points, -1584.0, 1584.0) * 20));
}

// Character properties of a style; a paragraph's after \plain, a run's inside its group.
QByteArray charProps(const ExportTextStyle& s, RtfState& st, bool paragraph)
{
    QByteArray p;
    if (!s.families.isEmpty()) {
        const QByteArray f = fontIndex(st, s.families);
        if (!f.isEmpty()) p += "\\f" + f;
    }
    if (s.sizePt > 0) p += "\\fs" + QByteArray::number(std::lround(std::clamp(s.sizePt, 1.0, 800.0) * 2));
    if (s.bold) p += *s.bold ? "\\b" : "\\b0";
    if (s.italic) p += *s.italic ? "\\i" : "\\i0";
    if (s.strike) p += *s.strike ? "\\strike" : "\\strike0";
    if (s.underline) p += *s.underline ? "\\ul" : "\\ulnone";
    if (s.color.isValid()) p += "\\cf" + colorIndex(st, s.color);
    if (s.background.isValid() && !paragraph) p += "\\chcbpat" + colorIndex(st, s.background);
    return p;
}

QByteArray paragraphProps(const ExportTextStyle& s, RtfState& st)
{
    QByteArray p;
    static const char* const kAlign[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
    if (s.align != ExportTextStyle::Unset) p += kAlign[s.align];
    if (s.spaceBefore) p += "\\sb" + QByteArray::number(twips(*s.spaceBefore));
    if (s.spaceAfter) p += "\\sa" + QByteArray::number(twips(*s.spaceAfter));
    if (s.indentLeft) p += "\\li" + QByteArray::number(twips(*s.indentLeft));
    if (s.firstLine) p += "\\fi" + QByteArray::number(twips(*s.firstLine));
    if (s.lineSpacing > 0) p += "\\sl" + QByteArray::number(std::lround(s.lineSpacing * 240)) + "\\slmult1";
    if (s.background.isValid()) p += "\\cbpat" + colorIndex(st, s.background);
    return p;
}

void writeRuns(QByteArray& out, const RichBlock& block, const QList<RichRun>& runs, RtfState& st)
{
    for (const RichRun& run : runs) {
        for (const QString& name : run.anchors) {
            QByteArray escaped;
            escape(escaped, name);
            out += "{\\*\\bkmkstart " + escaped + "}{\\*\\bkmkend " + escaped + '}';
        }
        if (!run.png.isEmpty()) {
            writeImage(out, run);
            continue;
        }
        if (!run.href.isEmpty()) {
            // A link into the document names its bookmark after the switch \l.
            const bool inside = run.href.startsWith(u'#');
            out += inside ? "{\\field{\\*\\fldinst{HYPERLINK \\\\l \"" : "{\\field{\\*\\fldinst{HYPERLINK \"";
            QString href = inside ? run.href.mid(1) : run.href;
            href.replace(u'"', QLatin1String("%22"));
            escape(out, href);
            out += "\"}}{\\fldrslt{\\cs10\\ul\\cf1 ";
        }
        ExportTextStyle look = RichText::runStyle(run, block, st.css);
        // A code block's font is its paragraph's.
        if (run.mono && block.kind != RichBlock::Code && look.families.isEmpty())
            look.families = QStringList{QStringLiteral("Liberation Mono")};
        QByteArray props = charProps(look, st, false);
        if (run.superscript) props += "\\super";
        // The space ends a control word; without one it would be text.
        out += '{' + props + (props.isEmpty() ? "" : " ");
        escape(out, run.text);
        out += '}';
        if (!run.href.isEmpty()) out += "}}}";
    }
}

void writeBlocks(QByteArray& out, const QList<RichBlock>& blocks, bool inTable, RtfState& st);

void writeTable(QByteArray& out, const RichTable& table, RtfState& st)
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
                writeBlocks(out, row[c], true, st);
            else
                out += "\\pard\\intbl";
            out += "\\cell\n";
        }
        out += "\\row\n";
    }
    out += "\\pard\n";
}

// A block's paragraph and character properties: the writer's look for its kind with what
// the CSS says on top; `marker` gets a list item's number or bullet, `justified` whether its
// lines are spread across the column.
QByteArray blockProps(const RichBlock& b, bool inTable, RtfState& st, QByteArray& marker, bool& justified)
{
    using S = ExportTextStyles;
    ExportTextStyle look;
    look.spaceAfter = 8;
    look.sizePt = kBodyHalfPoints / 2.0;
    QByteArray extra;
    S::Role role = inTable ? S::TableCell : S::Paragraph; // a cell's text is no paragraph on the page
    switch (b.kind) {
    case RichBlock::Heading:
        look.spaceBefore = 12;
        look.bold = true;
        look.sizePt = kHeadingHalfPoints[b.headingLevel - 1] / 2.0;
        extra = "\\keepn\\outlinelevel" + QByteArray::number(b.headingLevel - 1);
        role = S::Role(S::Heading1 + b.headingLevel - 1);
        break;
    case RichBlock::ListItem: {
        const int indent = 360 * b.listLevel;
        extra = "\\li" + QByteArray::number(indent) + "\\fi-360\\tx" + QByteArray::number(indent);
        marker = b.ordered ? QByteArray::number(b.number) + '.' : QByteArray("\\u8226?");
        marker += "\\tab";
        role = S::ListItem;
        break;
    }
    case RichBlock::Code:
        look.families = QStringList{QStringLiteral("Liberation Mono")};
        look.sizePt = 10;
        look.background = QColor(245, 245, 247);
        role = S::CodeBlock;
        break;
    case RichBlock::Quote:
        look.indentLeft = 36;
        look.color = QColor(110, 110, 115);
        role = S::Quote;
        break;
    case RichBlock::Rule: extra = "\\brdrb\\brdrs\\brdrw10\\brsp20"; break;
    default: break;
    }
    if (b.kind != RichBlock::Rule) look = look.overlaid(st.css[role]);
    static const char* const kAlign[] = {"", "\\qc", "\\qr", "\\qj"};
    justified =
        look.align == ExportTextStyle::Unset ? b.align == RichBlock::Justify : look.align == ExportTextStyle::Justify;
    return kAlign[b.align] + paragraphProps(look, st) + extra + charProps(look, st, true);
}

// The runs between a block's line breaks, the text of a run cut at each one; a break that
// ends the block starts no line.
QList<QList<RichRun>> linesOf(const QList<RichRun>& runs)
{
    QList<QList<RichRun>> lines(1);
    for (const RichRun& run : runs) {
        QString text = run.text;
        text.replace(u'\n', QChar(0x2028));
        const QStringList parts = run.png.isEmpty() ? text.split(QChar(0x2028)) : QStringList{text};
        for (qsizetype k = 0; k < parts.size(); ++k) {
            if (k > 0) lines.append(QList<RichRun>());
            RichRun part = run;
            part.text = parts[k];
            if (k > 0) part.anchors.clear();
            if (!part.text.isEmpty() || !part.png.isEmpty() || !part.anchors.isEmpty()) lines.last().append(part);
        }
    }
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

void writeBlocks(QByteArray& out, const QList<RichBlock>& blocks, bool inTable, RtfState& st)
{
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const RichBlock& b = blocks[i];
        if (b.kind == RichBlock::Table) {
            if (!inTable) writeTable(out, *b.table, st);
            continue;
        }
        const QByteArray start = inTable ? "\\pard\\plain\\intbl" : "\\pard\\plain";
        QByteArray marker;
        bool justified = false;
        const QByteArray props = blockProps(b, inTable, st, marker, justified);
        // LibreOffice spreads a justified line that ends at a line break across the column and
        // reads no Rich Text setting against it: each such line ends a paragraph instead, the
        // next going on without space or first-line indent.
        const QList<QList<RichRun>> lines = justified ? linesOf(b.runs) : QList<QList<RichRun>>{b.runs};
        for (qsizetype k = 0; k < lines.size(); ++k) {
            out += k == 0 ? start + props : "\\par\n" + start + props + "\\sb0\\fi0";
            if (k + 1 < lines.size()) out += "\\sa0";
            out += ' ';
            if (k == 0) out += marker;
            writeRuns(out, b, lines[k], st);
        }
        // In a table the cell's last paragraph ends with \cell.
        if (!inTable || (i + 1 < blocks.size() && blocks[i + 1].kind != RichBlock::Table)) out += "\\par\n";
    }
}

} // namespace

QByteArray RtfWriter::write(const QList<RichBlock>& blocks, const ExportTextStyles& styles)
{
    QByteArray body;
    RtfState st{styles, {}, {}};
    writeBlocks(body, blocks, false, st);
    QByteArray out;
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Liberation Sans;}{\\f1\\fmodern\\fcharset0 Liberation Mono;}";
    static const char* const kFamily[] = {"\\fswiss", "\\froman", "\\fmodern"};
    for (qsizetype i = 0; i < st.fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(kFixedFonts + i) + kFamily[st.fonts[i].kind] + "\\fcharset0 ";
        QString name = st.fonts[i].name;
        name.remove(u';');
        escape(out, name);
        out += ";}";
    }
    out += "}\n";
    out += "{\\colortbl;\\red0\\green102\\blue204;\\red245\\green245\\blue247;\\red110\\green110\\blue115;";
    for (const QRgb c : st.colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
               + QByteArray::number(qBlue(c)) + ';';
    out += "}\n";
    // Links take a character style of their own: LibreOffice prints a link without one as
    // text, no link to follow in its PDF.
    out += "{\\stylesheet{\\*\\cs10\\additive\\ul\\cf1 Hyperlink;}}\n";
    out += "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n";
    const QColor page = styles[ExportTextStyles::Body].background;
    if (page.isValid()) {
        // The page's colour is a background shape's fill, blue-green-red in one number.
        const int bgr = page.red() + (page.green() << 8) + (page.blue() << 16);
        out += "\\viewbksp1{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv " + QByteArray::number(bgr)
               + "}}{\\sp{\\sn fFilled}{\\sv 1}}}}}\n";
    }
    out += body;
    out += "}\n";
    return out;
}
