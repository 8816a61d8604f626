#include "render/export/DocxWriter.h"

#include "render/export/ZipWriter.h"

#include <QHash>

namespace {

constexpr int kTextWidthTwips = 9360;
constexpr qint64 kTextWidthEmu = 5943600; // 6.5 inches
constexpr qint64 kEmuPerPixel = 9525;
const char kMonoFont[] = "Liberation Mono";

const char kXmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
// A justified line that ends at a line break is set as the page sets it, not stretched.
const char kCompat[] = "<w:compat><w:doNotExpandShiftReturn/></w:compat>";

struct DocxState {
    explicit DocxState(const ExportTextStyles& css)
        : styles(css)
    {}
    const ExportTextStyles& styles;
    QString body;
    QStringList relationships; // beyond styles and numbering
    QList<QByteArray> media;
    QHash<int, int> orderedNums; // list id -> w:num id
    QString extraNums;
    int nextRel = 10;
    int nextNum = 2;
    int nextDrawing = 1;
    int nextBookmark = 0;
};

QString hex(const QColor& color)
{
    return color.name().mid(1).toUpper();
}

QString twips(double points)
{
    return QString::number(std::lround(std::clamp(points, -1584.0, 1584.0) * 20));
}

QString fontsOf(const QString& name)
{
    const QString n = DocxWriter::xmlText(name);
    return QStringLiteral("<w:rFonts w:ascii=\"%1\" w:hAnsi=\"%1\" w:eastAsia=\"%1\" w:cs=\"%1\"/>").arg(n);
}

// A style's run properties in the order the schema wants them; `font` when it names none.
QString runProps(const ExportTextStyle& s, const QString& font = {})
{
    QString p;
    const QString name = s.families.isEmpty() ? font : RichText::font(s.families).name;
    if (!name.isEmpty()) p += fontsOf(name);
    auto flag = [&p](const std::optional<bool>& on, const char* element) {
        if (on) p += QStringLiteral("<w:%1%2/>").arg(QLatin1String(element), *on ? QString() : " w:val=\"0\"");
    };
    flag(s.bold, "b");
    flag(s.italic, "i");
    flag(s.strike, "strike");
    if (s.color.isValid()) p += QStringLiteral("<w:color w:val=\"%1\"/>").arg(hex(s.color));
    if (s.sizePt > 0) {
        const long half = std::lround(std::clamp(s.sizePt, 1.0, 800.0) * 2);
        p += QStringLiteral("<w:sz w:val=\"%1\"/><w:szCs w:val=\"%1\"/>").arg(half);
    }
    if (s.underline) p += QStringLiteral("<w:u w:val=\"%1\"/>").arg(*s.underline ? "single" : "none");
    if (s.background.isValid())
        p += QStringLiteral("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"%1\"/>").arg(hex(s.background));
    return p;
}

// A style's paragraph properties from shading to alignment, in the schema's order.
QString paragraphProps(const ExportTextStyle& s)
{
    QString p;
    if (s.background.isValid())
        p += QStringLiteral("<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"%1\"/>").arg(hex(s.background));
    QString spacing;
    if (s.spaceBefore) spacing += QStringLiteral(" w:before=\"%1\"").arg(twips(*s.spaceBefore));
    if (s.spaceAfter) spacing += QStringLiteral(" w:after=\"%1\"").arg(twips(*s.spaceAfter));
    if (s.lineSpacing > 0)
        spacing += QStringLiteral(" w:line=\"%1\" w:lineRule=\"auto\"").arg(std::lround(s.lineSpacing * 240));
    if (!spacing.isEmpty()) p += QStringLiteral("<w:spacing%1/>").arg(spacing);
    QString ind;
    if (s.indentLeft) ind += QStringLiteral(" w:left=\"%1\"").arg(twips(*s.indentLeft));
    if (s.firstLine)
        ind += *s.firstLine >= 0 ? QStringLiteral(" w:firstLine=\"%1\"").arg(twips(*s.firstLine))
                                 : QStringLiteral(" w:hanging=\"%1\"").arg(twips(-*s.firstLine));
    if (!ind.isEmpty()) p += QStringLiteral("<w:ind%1/>").arg(ind);
    static const char* const kJustify[] = {"left", "center", "right", "both"};
    if (s.align != ExportTextStyle::Unset) p += QStringLiteral("<w:jc w:val=\"%1\"/>").arg(kJustify[s.align]);
    return p;
}

void writeRunProperties(QString& out, const RichRun& run, const RichBlock& block, const ExportTextStyles& styles)
{
    QString props;
    if (!run.href.isEmpty()) props += QLatin1String("<w:rStyle w:val=\"Hyperlink\"/>");
    // A code block's font is its style's.
    const bool ownFont = run.mono && block.kind != RichBlock::Code;
    props += runProps(RichText::runStyle(run, block, styles), ownFont ? QLatin1String(kMonoFont) : QString());
    if (run.superscript) props += QLatin1String("<w:vertAlign w:val=\"superscript\"/>");
    if (!props.isEmpty()) out += QLatin1String("<w:rPr>") + props + QLatin1String("</w:rPr>");
}

void writeText(QString& out, const QString& text)
{
    // Line breaks and tabs are elements of their own between text pieces.
    QString piece;
    auto flush = [&] {
        if (piece.isEmpty()) return;
        out += QLatin1String("<w:t xml:space=\"preserve\">") + DocxWriter::xmlText(piece) + QLatin1String("</w:t>");
        piece.clear();
    };
    for (const QChar c : text) {
        if (c == QChar(0x2028) || c == u'\n') {
            flush();
            out += QLatin1String("<w:br/>");
        } else if (c == u'\t') {
            flush();
            out += QLatin1String("<w:tab/>");
        } else {
            piece += c;
        }
    }
    flush();
}

void writeImage(QString& out, const RichRun& run, DocxState& st)
{
    st.media.append(run.png);
    const int n = int(st.media.size());
    const QString rel = QStringLiteral("rId%1").arg(st.nextRel++);
    st.relationships.append(
        QStringLiteral("<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                       "2006/relationships/image\" Target=\"media/image%2.png\"/>")
            .arg(rel)
            .arg(n));
    qint64 cx = std::max(1, run.imageSize.width()) * kEmuPerPixel;
    qint64 cy = std::max(1, run.imageSize.height()) * kEmuPerPixel;
    if (cx > kTextWidthEmu) {
        cy = cy * kTextWidthEmu / cx;
        cx = kTextWidthEmu;
    }
    const int id = st.nextDrawing++;
    out +=
        QStringLiteral("<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
                       "<wp:extent cx=\"%1\" cy=\"%2\"/><wp:docPr id=\"%3\" name=\"Picture %3\"/>"
                       "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
                       "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"%3\" name=\"image%4.png\"/><pic:cNvPicPr/></pic:nvPicPr>"
                       "<pic:blipFill><a:blip r:embed=\"%5\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
                       "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"%1\" cy=\"%2\"/></a:xfrm>"
                       "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>"
                       "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>")
            .arg(cx)
            .arg(cy)
            .arg(id)
            .arg(n)
            .arg(rel);
}

void writeRuns(QString& out, const RichBlock& block, DocxState& st)
{
    for (const RichRun& run : block.runs) {
        for (const QString& name : run.anchors) {
            out += QStringLiteral("<w:bookmarkStart w:id=\"%1\" w:name=\"%2\"/><w:bookmarkEnd w:id=\"%1\"/>")
                       .arg(QString::number(st.nextBookmark++), DocxWriter::xmlText(name));
        }
        if (!run.png.isEmpty()) {
            writeImage(out, run, st);
            continue;
        }
        const bool link = !run.href.isEmpty();
        if (run.href.startsWith(u'#')) {
            out += QStringLiteral("<w:hyperlink w:anchor=\"%1\">").arg(DocxWriter::xmlText(run.href.mid(1)));
        } else if (link) {
            const QString rel = QStringLiteral("rId%1").arg(st.nextRel++);
            st.relationships.append(QStringLiteral("<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/"
                                                   "officeDocument/2006/relationships/hyperlink\" Target=\"%2\" "
                                                   "TargetMode=\"External\"/>")
                                        .arg(rel, DocxWriter::xmlText(run.href)));
            out += QStringLiteral("<w:hyperlink r:id=\"%1\">").arg(rel);
        }
        out += QLatin1String("<w:r>");
        writeRunProperties(out, run, block, st.styles);
        writeText(out, run.text);
        out += QLatin1String("</w:r>");
        if (link) out += QLatin1String("</w:hyperlink>");
    }
}

int numberingFor(const RichBlock& b, DocxState& st)
{
    if (!b.ordered) return 1;
    auto it = st.orderedNums.constFind(b.listId);
    if (it != st.orderedNums.constEnd()) return it.value();
    // Each ordered list counts from its own start.
    const int num = st.nextNum++;
    st.orderedNums.insert(b.listId, num);
    const int level = std::clamp(b.listLevel - 1, 0, 8);
    st.extraNums +=
        QStringLiteral("<w:num w:numId=\"%1\"><w:abstractNumId w:val=\"1\"/>"
                       "<w:lvlOverride w:ilvl=\"%2\"><w:startOverride w:val=\"%3\"/></w:lvlOverride></w:num>")
            .arg(num)
            .arg(level)
            .arg(std::max(0, b.number));
    return num;
}

void writeBlocks(QString& out, const QList<RichBlock>& blocks, DocxState& st, bool inCell = false);

void writeTable(QString& out, const RichTable& table, DocxState& st)
{
    const int columns = std::max(1, table.columns);
    const int width = kTextWidthTwips / columns;
    out += QLatin1String("<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/><w:tblW w:w=\"5000\" w:type=\"pct\"/>"
                         "</w:tblPr><w:tblGrid>");
    for (int c = 0; c < columns; ++c) out += QStringLiteral("<w:gridCol w:w=\"%1\"/>").arg(width);
    out += QLatin1String("</w:tblGrid>");
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        out += QLatin1String("<w:tr>");
        if (r < table.headerRows) out += QLatin1String("<w:trPr><w:tblHeader/></w:trPr>");
        for (int c = 0; c < columns; ++c) {
            out += QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/></w:tcPr>").arg(width);
            const auto& row = table.rows[r];
            QString cell;
            if (c < row.size()) writeBlocks(cell, row[c], st, true);
            // A cell must end with a paragraph.
            if (!cell.endsWith(QLatin1String("</w:p>"))) cell += QLatin1String("<w:p/>");
            out += cell + QLatin1String("</w:tc>");
        }
        out += QLatin1String("</w:tr>");
    }
    out += QLatin1String("</w:tbl>");
}

void writeBlocks(QString& out, const QList<RichBlock>& blocks, DocxState& st, bool inCell)
{
    for (const RichBlock& b : blocks) {
        if (b.kind == RichBlock::Table) {
            writeTable(out, *b.table, st);
            continue;
        }
        QString props;
        switch (b.kind) {
        case RichBlock::Heading: props = QStringLiteral("<w:pStyle w:val=\"Heading%1\"/>").arg(b.headingLevel); break;
        case RichBlock::ListItem:
            props = QStringLiteral("<w:pStyle w:val=\"ListParagraph\"/><w:numPr><w:ilvl w:val=\"%1\"/>"
                                   "<w:numId w:val=\"%2\"/></w:numPr>")
                        .arg(std::clamp(b.listLevel - 1, 0, 8))
                        .arg(numberingFor(b, st));
            break;
        case RichBlock::Code: props = QStringLiteral("<w:pStyle w:val=\"Code\"/>"); break;
        case RichBlock::Quote: props = QStringLiteral("<w:pStyle w:val=\"Quote\"/>"); break;
        case RichBlock::Rule:
            props = QStringLiteral(
                "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"6\" w:space=\"1\" w:color=\"E5E5E7\"/></w:pBdr>");
            break;
        case RichBlock::Paragraph:
            if (inCell) props = QStringLiteral("<w:pStyle w:val=\"TableContents\"/>");
            break;
        default: break;
        }
        static const char* const kJustify[] = {nullptr, "center", "right", "both"};
        if (b.align != RichBlock::Left)
            props += QStringLiteral("<w:jc w:val=\"%1\"/>").arg(QLatin1String(kJustify[b.align]));
        out += QLatin1String("<w:p>");
        if (!props.isEmpty()) out += QLatin1String("<w:pPr>") + props + QLatin1String("</w:pPr>");
        writeRuns(out, b, st);
        out += QLatin1String("</w:p>");
    }
}

// A paragraph style: the writer's look for it with what the CSS says on top. `basedOn` empty
// for the styles whose text is no paragraph on the page, so the paragraph's CSS stays out.
QString paragraphStyle(const QString& id, const QString& name, const QString& basedOn, const ExportTextStyle& look,
                       const QString& before = {}, const QString& after = {})
{
    const bool normal = id == QLatin1String("Normal");
    QString s = QStringLiteral("<w:style w:type=\"paragraph\"%1 w:styleId=\"%2\"><w:name w:val=\"%3\"/>")
                    .arg(normal ? QStringLiteral(" w:default=\"1\"") : QString(), id, name);
    if (!basedOn.isEmpty()) s += QStringLiteral("<w:basedOn w:val=\"%1\"/>").arg(basedOn);
    if (id.startsWith(QLatin1String("Heading"))) s += QLatin1String("<w:next w:val=\"Normal\"/><w:qFormat/>");
    const QString p = before + paragraphProps(look) + after;
    if (!p.isEmpty()) s += QLatin1String("<w:pPr>") + p + QLatin1String("</w:pPr>");
    ExportTextStyle text = look;
    text.background = QColor(); // the paragraph's shading
    const QString r = runProps(text);
    if (!r.isEmpty()) s += QLatin1String("<w:rPr>") + r + QLatin1String("</w:rPr>");
    return s + QLatin1String("</w:style>");
}

QString styles(const ExportTextStyles& css)
{
    using S = ExportTextStyles;
    QString s = QLatin1String(kXmlHead);
    s += QLatin1String(
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Liberation Sans\" w:hAnsi=\"Liberation Sans\" "
        "w:eastAsia=\"Liberation Sans\" w:cs=\"Liberation Sans\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/>"
        "<w:lang w:val=\"en-US\"/></w:rPr></w:rPrDefault>"
        "<w:pPrDefault><w:pPr><w:spacing w:after=\"160\" w:line=\"276\" "
        "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
        "</w:docDefaults>");
    s += paragraphStyle("Normal", "Normal", {}, css[S::Paragraph]);
    ExportTextStyle code;
    code.background = QColor(0xF5, 0xF5, 0xF7);
    code.families = QStringList{QLatin1String(kMonoFont)};
    code.sizePt = 10;
    code.spaceAfter = 8;
    code.lineSpacing = 1;
    s += paragraphStyle("Code", "Code", {}, code.overlaid(css[S::CodeBlock]));
    ExportTextStyle quote;
    quote.indentLeft = 36;
    quote.color = QColor(0x6E, 0x6E, 0x73);
    s += paragraphStyle("Quote", "Quote", "Normal", quote.overlaid(css[S::Quote]));
    ExportTextStyle item;
    item.spaceAfter = 3;
    s += paragraphStyle("ListParagraph", "List Paragraph", {}, item.overlaid(css[S::ListItem]));
    s += paragraphStyle("TableContents", "Table Contents", {}, css[S::TableCell]);
    ExportTextStyle link;
    link.color = QColor(0x00, 0x66, 0xCC);
    link.underline = true;
    s += QStringLiteral("<w:style w:type=\"character\" w:styleId=\"Hyperlink\"><w:name w:val=\"Hyperlink\"/>"
                        "<w:rPr>%1</w:rPr></w:style>")
             .arg(runProps(link.overlaid(css[S::Link])));
    s += QLatin1String(
        "<w:style w:type=\"table\" w:styleId=\"TableGrid\"><w:name w:val=\"Table Grid\"/><w:tblPr><w:tblBorders>"
        "<w:top w:val=\"single\" w:sz=\"4\" w:color=\"BFBFBF\"/><w:left w:val=\"single\" w:sz=\"4\" "
        "w:color=\"BFBFBF\"/>"
        "<w:bottom w:val=\"single\" w:sz=\"4\" w:color=\"BFBFBF\"/><w:right w:val=\"single\" w:sz=\"4\" "
        "w:color=\"BFBFBF\"/>"
        "<w:insideH w:val=\"single\" w:sz=\"4\" w:color=\"BFBFBF\"/><w:insideV w:val=\"single\" w:sz=\"4\" "
        "w:color=\"BFBFBF\"/>"
        "</w:tblBorders><w:tblCellMar><w:left w:w=\"108\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
        "</w:tblCellMar></w:tblPr></w:style>");
    const double sizes[6] = {24, 18, 15, 13, 12, 12};
    for (int level = 1; level <= 6; ++level) {
        ExportTextStyle heading;
        heading.bold = true;
        heading.sizePt = sizes[level - 1];
        heading.spaceBefore = 12;
        heading.spaceAfter = 6;
        s += paragraphStyle(QStringLiteral("Heading%1").arg(level), QStringLiteral("heading %1").arg(level), {},
                            heading.overlaid(css[S::Role(S::Heading1 + level - 1)]), QLatin1String("<w:keepNext/>"),
                            QStringLiteral("<w:outlineLvl w:val=\"%1\"/>").arg(level - 1));
    }
    s += QLatin1String("</w:styles>");
    return s;
}

QString numbering(const QString& extraNums)
{
    QString s = QLatin1String(kXmlHead);
    s += QLatin1String("<w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">");
    for (int abstract = 0; abstract < 2; ++abstract) {
        s += QStringLiteral("<w:abstractNum w:abstractNumId=\"%1\"><w:multiLevelType w:val=\"hybridMultilevel\"/>")
                 .arg(abstract);
        for (int level = 0; level < 9; ++level) {
            const QString format = abstract == 0 ? QStringLiteral("bullet") : QStringLiteral("decimal");
            const QString text = abstract == 0 ? QStringLiteral("•") : QStringLiteral("%%1.").arg(level + 1);
            s += QStringLiteral("<w:lvl w:ilvl=\"%1\"><w:start w:val=\"1\"/><w:numFmt w:val=\"%2\"/>"
                                "<w:lvlText w:val=\"%3\"/><w:lvlJc w:val=\"left\"/>"
                                "<w:pPr><w:ind w:left=\"%4\" w:hanging=\"360\"/></w:pPr></w:lvl>")
                     .arg(QString::number(level), format, text, QString::number(720 * (level + 1)));
        }
        s += QLatin1String("</w:abstractNum>");
    }
    s += QLatin1String("<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>");
    s += extraNums;
    s += QLatin1String("</w:numbering>");
    return s;
}

} // namespace

QString DocxWriter::xmlText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != '\t' && u != '\n' && u != '\r'))
            continue;
        switch (u) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

QByteArray DocxWriter::write(const QList<RichBlock>& blocks, const QString& title, const ExportTextStyles& styles,
                             QString* error)
{
    DocxState st{styles};
    writeBlocks(st.body, blocks, st);
    const QColor page = styles[ExportTextStyles::Body].background;

    QString document = QLatin1String(kXmlHead);
    document += QLatin1String("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                              "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                              "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
                              "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
                              "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">");
    if (page.isValid()) document += QStringLiteral("<w:background w:color=\"%1\"/>").arg(hex(page));
    document += QLatin1String("<w:body>");
    document += st.body;
    document += QLatin1String("<w:sectPr><w:pgSz w:w=\"12240\" w:h=\"15840\"/><w:pgMar w:top=\"1440\" w:right=\"1440\" "
                              "w:bottom=\"1440\" w:left=\"1440\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/>"
                              "</w:sectPr></w:body></w:document>");

    QString rels = QLatin1String(kXmlHead);
    rels += QLatin1String(
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
        "Target=\"styles.xml\"/>"
        "<Relationship Id=\"rId2\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering\" "
        "Target=\"numbering.xml\"/>"
        "<Relationship Id=\"rId3\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\" "
        "Target=\"settings.xml\"/>");
    rels += st.relationships.join(QString());
    rels += QLatin1String("</Relationships>");

    const QString contentTypes =
        QLatin1String(kXmlHead)
        + QLatin1String(
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Default Extension=\"png\" ContentType=\"image/png\"/>"
            "<Override PartName=\"/word/document.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "<Override PartName=\"/word/styles.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
            "<Override PartName=\"/word/numbering.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml\"/>"
            "<Override PartName=\"/word/settings.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
            "<Override PartName=\"/docProps/core.xml\" "
            "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
            "</Types>");
    const QString packageRels =
        QLatin1String(kXmlHead)
        + QLatin1String(
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "officeDocument\" Target=\"word/document.xml\"/>"
            "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
            "core-properties\" Target=\"docProps/core.xml\"/></Relationships>");
    const QString core =
        QLatin1String(kXmlHead)
        + QLatin1String(
            "<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
            "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>")
        + xmlText(title) + QLatin1String("</dc:title></cp:coreProperties>");

    ZipWriter zip;
    zip.add(QStringLiteral("[Content_Types].xml"), contentTypes.toUtf8());
    zip.add(QStringLiteral("_rels/.rels"), packageRels.toUtf8());
    zip.add(QStringLiteral("docProps/core.xml"), core.toUtf8());
    zip.add(QStringLiteral("word/document.xml"), document.toUtf8());
    zip.add(QStringLiteral("word/styles.xml"), ::styles(styles).toUtf8());
    // A page colour shows only when the settings ask for it.
    zip.add(QStringLiteral("word/settings.xml"),
            (QLatin1String(kXmlHead)
             + QLatin1String("<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">")
             + (page.isValid() ? QLatin1String("<w:displayBackgroundShape/>") : QLatin1String())
             + QLatin1String(kCompat) + QLatin1String("</w:settings>"))
                .toUtf8());
    zip.add(QStringLiteral("word/numbering.xml"), numbering(st.extraNums).toUtf8());
    zip.add(QStringLiteral("word/_rels/document.xml.rels"), rels.toUtf8());
    for (qsizetype i = 0; i < st.media.size(); ++i)
        zip.add(QStringLiteral("word/media/image%1.png").arg(i + 1), st.media[i], true);
    return zip.finish(error);
}
