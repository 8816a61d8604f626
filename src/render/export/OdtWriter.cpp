#include "render/export/OdtWriter.h"

#include "render/export/DocxWriter.h"
#include "render/export/ZipWriter.h"

#include <QHash>

namespace {

constexpr double kTextWidthInches = 6.5;
const char kMonoFont[] = "Liberation Mono";

const char kXmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const char kNamespaces[] =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
    "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
    "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" office:version=\"1.2\"";

// A justified line that ends at a line break is set as the page sets it, not stretched. The
// item set's name is a qualified name: its prefix must be declared.
const char kSettings[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document-settings xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\" xmlns:ooo=\"http://openoffice.org/2004/office\" "
    "office:version=\"1.2\"><office:settings><config:config-item-set config:name=\"ooo:configuration-settings\">"
    "<config:config-item config:name=\"DoNotJustifyLinesWithManualBreak\" config:type=\"boolean\">true"
    "</config:config-item></config:config-item-set></office:settings></office:document-settings>";

QString inches(double value)
{
    return QString::number(value, 'f', 3) + QLatin1String("in");
}

QString xml(const QString& text)
{
    return DocxWriter::xmlText(text);
}

// Text properties of a style or a run; `font` when it names none.
QString textProps(const ExportTextStyle& s, const QString& font = {})
{
    QString p;
    const RichFont f = s.families.isEmpty() ? RichFont{font, RichFont::Mono} : RichText::font(s.families);
    if (!f.name.isEmpty()) {
        static const char* const kGeneric[] = {"swiss", "roman", "modern"};
        QString name = f.name;
        name.remove(u'\'');
        p += QStringLiteral(" fo:font-family=\"'%1'\" style:font-family-generic=\"%2\"")
                 .arg(xml(name), QLatin1String(kGeneric[f.kind]));
        if (f.kind == RichFont::Mono) p += QLatin1String(" style:font-pitch=\"fixed\"");
    }
    if (s.sizePt > 0) p += QStringLiteral(" fo:font-size=\"%1pt\"").arg(std::clamp(s.sizePt, 1.0, 800.0), 0, 'f', 2);
    if (s.bold) p += QStringLiteral(" fo:font-weight=\"%1\"").arg(*s.bold ? "bold" : "normal");
    if (s.italic) p += QStringLiteral(" fo:font-style=\"%1\"").arg(*s.italic ? "italic" : "normal");
    if (s.underline)
        p += *s.underline ? QLatin1String(" style:text-underline-style=\"solid\" style:text-underline-width=\"auto\" "
                                          "style:text-underline-color=\"font-color\"")
                          : QLatin1String(" style:text-underline-style=\"none\"");
    if (s.strike)
        p += *s.strike
                 ? QLatin1String(" style:text-line-through-style=\"solid\" style:text-line-through-type=\"single\"")
                 : QLatin1String(" style:text-line-through-style=\"none\"");
    if (s.color.isValid()) p += QStringLiteral(" fo:color=\"%1\"").arg(s.color.name());
    if (s.background.isValid()) p += QStringLiteral(" fo:background-color=\"%1\"").arg(s.background.name());
    return p;
}

QString points(double value)
{
    return QString::number(std::clamp(value, -1584.0, 1584.0), 'f', 2) + QLatin1String("pt");
}

QString paragraphProps(const ExportTextStyle& s)
{
    QString p;
    if (s.spaceBefore) p += QStringLiteral(" fo:margin-top=\"%1\"").arg(points(*s.spaceBefore));
    if (s.spaceAfter) p += QStringLiteral(" fo:margin-bottom=\"%1\"").arg(points(*s.spaceAfter));
    if (s.indentLeft) p += QStringLiteral(" fo:margin-left=\"%1\"").arg(points(*s.indentLeft));
    if (s.firstLine) p += QStringLiteral(" fo:text-indent=\"%1\"").arg(points(*s.firstLine));
    if (s.lineSpacing > 0) p += QStringLiteral(" fo:line-height=\"%1%\"").arg(std::lround(s.lineSpacing * 100));
    static const char* const kAlign[] = {"start", "center", "end", "justify"};
    if (s.align != ExportTextStyle::Unset) p += QStringLiteral(" fo:text-align=\"%1\"").arg(kAlign[s.align]);
    if (s.background.isValid()) p += QStringLiteral(" fo:background-color=\"%1\"").arg(s.background.name());
    return p;
}

// A named paragraph style: the writer's look with what the CSS says on top.
QString namedStyle(const QString& name, const QString& attributes, const ExportTextStyle& look,
                   const QString& moreParagraph = {})
{
    QString s = QStringLiteral("<style:style style:name=\"%1\" style:family=\"paragraph\"%2>").arg(name, attributes);
    const QString p = paragraphProps(look) + moreParagraph;
    if (!p.isEmpty()) s += QStringLiteral("<style:paragraph-properties%1/>").arg(p);
    ExportTextStyle text = look;
    text.background = QColor(); // the paragraph's
    const QString t = textProps(text);
    if (!t.isEmpty()) s += QStringLiteral("<style:text-properties%1/>").arg(t);
    return s + QLatin1String("</style:style>");
}

// What the body refers to and the automatic styles made for it on the way.
struct OdtState {
    explicit OdtState(const ExportTextStyles& css)
        : css(css)
    {}
    const ExportTextStyles& css;
    QString body;
    QString styles;                // automatic styles
    QHash<QString, QString> named; // style properties -> automatic style name
    QList<QByteArray> pictures;
    int tables = 0;
    QString bulletedList; // the list styles, once made
    QString numberedList;
};

// An automatic style of `family` with `properties`, made once per distinct set.
QString styleFor(OdtState& st, const QString& family, const QString& parent, const QString& properties)
{
    const QString key = family + u'|' + parent + u'|' + properties;
    if (const auto it = st.named.constFind(key); it != st.named.constEnd()) return it.value();
    const QString name = QStringLiteral("A%1").arg(st.named.size() + 1);
    st.named.insert(key, name);
    st.styles += QStringLiteral("<style:style style:name=\"%1\" style:family=\"%2\"%3>%4</style:style>")
                     .arg(name, family,
                          parent.isEmpty() ? QString() : QStringLiteral(" style:parent-style-name=\"%1\"").arg(parent),
                          properties);
    return name;
}

QString textStyle(OdtState& st, const RichRun& run, const RichBlock& block)
{
    // A code block's font is its style's.
    const bool ownFont = run.mono && block.kind != RichBlock::Code;
    QString p = textProps(RichText::runStyle(run, block, st.css), ownFont ? QLatin1String(kMonoFont) : QString());
    if (run.superscript) p += QLatin1String(" style:text-position=\"super 58%\"");
    if (p.isEmpty()) return {};
    return styleFor(st, QStringLiteral("text"), {}, QStringLiteral("<style:text-properties%1/>").arg(p));
}

QString paragraphStyle(OdtState& st, const QString& base, RichBlock::Align align)
{
    static const char* const kAlign[] = {nullptr, "center", "end", "justify"};
    if (align == RichBlock::Left) return base;
    return styleFor(
        st, QStringLiteral("paragraph"), base,
        QStringLiteral("<style:paragraph-properties fo:text-align=\"%1\"/>").arg(QLatin1String(kAlign[align])));
}

// Text as ODF keeps it: spaces after a space or at a line's start, tabs and line breaks are
// elements of their own, as a reader collapses them otherwise.
void writeText(QString& out, const QString& text, bool& lineStart)
{
    int spaces = 0;
    auto flushSpaces = [&] {
        if (spaces == 0) return;
        if (!lineStart) {
            out += u' ';
            --spaces;
        }
        if (spaces > 0)
            out += spaces == 1 ? QStringLiteral("<text:s/>") : QStringLiteral("<text:s text:c=\"%1\"/>").arg(spaces);
        spaces = 0;
        lineStart = false;
    };
    QString piece;
    for (const QChar c : text) {
        if (c == u' ') {
            out += xml(piece);
            piece.clear();
            ++spaces;
            continue;
        }
        flushSpaces();
        if (c == QChar(0x2028) || c == u'\n' || c == u'\t') {
            out += xml(piece);
            piece.clear();
            out += c == u'\t' ? QLatin1String("<text:tab/>") : QLatin1String("<text:line-break/>");
            lineStart = c != u'\t';
            continue;
        }
        piece += c;
        lineStart = false;
    }
    out += xml(piece);
    flushSpaces();
}

void writeImage(QString& out, const RichRun& run, OdtState& st)
{
    st.pictures.append(run.png);
    const int n = int(st.pictures.size());
    double w = std::max(1, run.imageSize.width()) / 96.0; // CSS pixels
    double h = std::max(1, run.imageSize.height()) / 96.0;
    if (w > kTextWidthInches) {
        h = h * kTextWidthInches / w;
        w = kTextWidthInches;
    }
    out += QStringLiteral("<draw:frame draw:name=\"Image%1\" text:anchor-type=\"as-char\" svg:width=\"%2\" "
                          "svg:height=\"%3\"><draw:image xlink:href=\"Pictures/image%1.png\" xlink:type=\"simple\" "
                          "xlink:show=\"embed\" xlink:actuate=\"onLoad\"/></draw:frame>")
               .arg(n)
               .arg(inches(w), inches(h));
}

void writeRuns(QString& out, const RichBlock& block, OdtState& st)
{
    bool lineStart = true;
    for (const RichRun& run : block.runs) {
        for (const QString& name : run.anchors)
            out += QStringLiteral("<text:bookmark text:name=\"%1\"/>").arg(xml(name));
        if (!run.png.isEmpty()) {
            writeImage(out, run, st);
            lineStart = false;
            continue;
        }
        const bool link = !run.href.isEmpty();
        if (link)
            out += QStringLiteral("<text:a xlink:type=\"simple\" xlink:href=\"%1\" "
                                  "text:style-name=\"Internet_20_link\">")
                       .arg(xml(run.href));
        const QString style = textStyle(st, run, block);
        if (!style.isEmpty()) out += QStringLiteral("<text:span text:style-name=\"%1\">").arg(style);
        writeText(out, run.text, lineStart);
        if (!style.isEmpty()) out += QLatin1String("</text:span>");
        if (link) out += QLatin1String("</text:a>");
    }
}

void writeParagraph(QString& out, const RichBlock& b, const QString& style, OdtState& st)
{
    const QString name = paragraphStyle(st, style, b.align);
    if (b.kind == RichBlock::Heading) {
        out +=
            QStringLiteral("<text:h text:style-name=\"%1\" text:outline-level=\"%2\">").arg(name).arg(b.headingLevel);
        writeRuns(out, b, st);
        out += QLatin1String("</text:h>");
        return;
    }
    out += QStringLiteral("<text:p text:style-name=\"%1\">").arg(name);
    writeRuns(out, b, st);
    out += QLatin1String("</text:p>");
}

// The list style for bulleted or for numbered lists, made once: every level the same kind,
// the marker followed by a tab to the text's indent. Each list, nested ones too, names the
// style of its own kind, so a numbered list after a bulleted one (or inside it) is numbered.
QString listStyle(bool ordered, OdtState& st)
{
    QString& name = ordered ? st.numberedList : st.bulletedList;
    if (!name.isEmpty()) return name;
    name = ordered ? QStringLiteral("LN") : QStringLiteral("LB");
    st.styles += QStringLiteral("<text:list-style style:name=\"%1\">").arg(name);
    for (int level = 0; level < 10; ++level) {
        const QString indent = inches(0.25 * (level + 1));
        const QString placement =
            QStringLiteral("<style:list-level-properties text:list-level-position-and-space-mode=\"label-alignment\">"
                           "<style:list-level-label-alignment text:label-followed-by=\"listtab\" "
                           "text:list-tab-stop-position=\"%1\" fo:text-indent=\"-0.25in\" fo:margin-left=\"%1\"/>"
                           "</style:list-level-properties>")
                .arg(indent);
        if (ordered)
            st.styles += QStringLiteral("<text:list-level-style-number text:level=\"%1\" style:num-suffix=\".\" "
                                        "style:num-format=\"1\">%2</text:list-level-style-number>")
                             .arg(level + 1)
                             .arg(placement);
        else
            st.styles += QStringLiteral("<text:list-level-style-bullet text:level=\"%1\" text:bullet-char=\"•\">%2"
                                        "</text:list-level-style-bullet>")
                             .arg(level + 1)
                             .arg(placement);
    }
    st.styles += QLatin1String("</text:list-style>");
    return name;
}

// The list items from `from` on as nested lists; returns the index after the last one.
qsizetype writeList(QString& out, const QList<RichBlock>& blocks, qsizetype from, OdtState& st)
{
    QList<int> open; // the list id open at each depth
    qsizetype i = from;
    for (; i < blocks.size() && blocks[i].kind == RichBlock::ListItem; ++i) {
        const RichBlock& b = blocks[i];
        const int level = std::clamp(b.listLevel, 1, 10);
        while (open.size() > level || (open.size() == level && open.last() != b.listId)) {
            out += QLatin1String("</text:list-item></text:list>");
            open.removeLast();
        }
        if (open.size() == level) out += QLatin1String("</text:list-item>");
        while (open.size() < level) {
            // A depth skipped over (an item nested two levels at once) takes the item's kind too.
            out += QStringLiteral("<text:list text:style-name=\"%1\">").arg(listStyle(b.ordered, st));
            open.append(open.size() + 1 == level ? b.listId : -1);
            if (open.size() < level) out += QLatin1String("<text:list-item>");
        }
        out += b.ordered ? QStringLiteral("<text:list-item text:start-value=\"%1\">").arg(std::max(0, b.number))
                         : QStringLiteral("<text:list-item>");
        writeParagraph(out, b, QStringLiteral("List_20_Paragraph"), st);
    }
    for (qsizetype k = 0; k < open.size(); ++k) out += QLatin1String("</text:list-item></text:list>");
    return i;
}

void writeBlocks(QString& out, const QList<RichBlock>& blocks, OdtState& st, bool inCell = false);

void writeTable(QString& out, const RichTable& table, OdtState& st)
{
    const int columns = std::max(1, table.columns);
    const QString name = QStringLiteral("Table%1").arg(++st.tables);
    const QString tableStyle =
        styleFor(st, QStringLiteral("table"), {},
                 QStringLiteral("<style:table-properties style:width=\"%1\" table:align=\"margins\" "
                                "fo:margin-bottom=\"0.111in\"/>")
                     .arg(inches(kTextWidthInches)));
    const QString columnStyle = styleFor(st, QStringLiteral("table-column"), {},
                                         QStringLiteral("<style:table-column-properties style:column-width=\"%1\"/>")
                                             .arg(inches(kTextWidthInches / columns)));
    const QString cellStyle = styleFor(st, QStringLiteral("table-cell"), {},
                                       QStringLiteral("<style:table-cell-properties fo:padding=\"0.04in\" "
                                                      "fo:border=\"0.5pt solid #bfbfbf\"/>"));
    out += QStringLiteral("<table:table table:name=\"%1\" table:style-name=\"%2\">"
                          "<table:table-column table:style-name=\"%3\" table:number-columns-repeated=\"%4\"/>")
               .arg(name, tableStyle, columnStyle)
               .arg(columns);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const bool header = r < table.headerRows;
        if (header && r == 0) out += QLatin1String("<table:table-header-rows>");
        out += QLatin1String("<table:table-row>");
        for (int c = 0; c < columns; ++c) {
            out += QStringLiteral("<table:table-cell table:style-name=\"%1\" office:value-type=\"string\">")
                       .arg(cellStyle);
            const auto& row = table.rows[r];
            QString cell;
            if (c < row.size()) writeBlocks(cell, row[c], st, true);
            out += cell.isEmpty() ? QStringLiteral("<text:p text:style-name=\"Table_20_Contents\"/>") : cell;
            out += QLatin1String("</table:table-cell>");
        }
        out += QLatin1String("</table:table-row>");
        if (header && r + 1 == std::min<qsizetype>(table.headerRows, table.rows.size()))
            out += QLatin1String("</table:table-header-rows>");
    }
    out += QLatin1String("</table:table>");
}

void writeBlocks(QString& out, const QList<RichBlock>& blocks, OdtState& st, bool inCell)
{
    for (qsizetype i = 0; i < blocks.size();) {
        const RichBlock& b = blocks[i];
        switch (b.kind) {
        case RichBlock::ListItem: i = writeList(out, blocks, i, st); continue;
        case RichBlock::Table: writeTable(out, *b.table, st); break;
        case RichBlock::Heading: writeParagraph(out, b, QStringLiteral("Heading_20_%1").arg(b.headingLevel), st); break;
        case RichBlock::Code: writeParagraph(out, b, QStringLiteral("Preformatted_20_Text"), st); break;
        case RichBlock::Quote: writeParagraph(out, b, QStringLiteral("Quotations"), st); break;
        case RichBlock::Rule: out += QLatin1String("<text:p text:style-name=\"Horizontal_20_Line\"/>"); break;
        case RichBlock::Paragraph:
            writeParagraph(out, b, inCell ? QStringLiteral("Table_20_Contents") : QStringLiteral("Text_20_body"), st);
            break;
        }
        ++i;
    }
}

// The fonts the styles name; each part of the package declares its own.
QString fontFaces()
{
    return QStringLiteral("<office:font-face-decls><style:font-face style:name=\"Liberation Sans\" "
                          "svg:font-family=\"'Liberation Sans'\" style:font-family-generic=\"swiss\"/>"
                          "<style:font-face style:name=\"%1\" svg:font-family=\"'%1'\" "
                          "style:font-family-generic=\"modern\" style:font-pitch=\"fixed\"/></office:font-face-decls>")
        .arg(QLatin1String(kMonoFont));
}

QString stylesXml(const ExportTextStyles& css)
{
    using S = ExportTextStyles;
    QString s = QLatin1String(kXmlHead);
    s += QStringLiteral("<office:document-styles %1>").arg(QLatin1String(kNamespaces)) + fontFaces();
    s += QLatin1String(
        "<office:styles>"
        "<style:default-style style:family=\"paragraph\"><style:text-properties style:font-name=\"Liberation Sans\" "
        "fo:font-size=\"12pt\" fo:language=\"en\" fo:country=\"US\"/></style:default-style>"
        "<style:style style:name=\"Standard\" style:family=\"paragraph\" style:class=\"text\"/>");
    ExportTextStyle body;
    body.spaceBefore = 0;
    body.spaceAfter = 8;
    body.lineSpacing = 1.15;
    s += namedStyle("Text_20_body",
                    " style:display-name=\"Text body\" style:parent-style-name=\"Standard\" style:class=\"text\"",
                    body.overlaid(css[S::Paragraph]));
    // Items are no paragraphs on the page: the paragraph's CSS stays out of them.
    ExportTextStyle item = body;
    item.spaceAfter = 3;
    s += namedStyle("List_20_Paragraph",
                    " style:display-name=\"List Paragraph\" style:parent-style-name=\"Standard\" style:class=\"text\"",
                    item.overlaid(css[S::ListItem]));
    ExportTextStyle quote;
    quote.indentLeft = 36;
    quote.color = QColor(0x6e, 0x6e, 0x73);
    s += namedStyle("Quotations", " style:parent-style-name=\"Text_20_body\" style:class=\"html\"",
                    quote.overlaid(css[S::Quote]));
    ExportTextStyle code;
    code.spaceAfter = 8;
    code.background = QColor(0xf5, 0xf5, 0xf7);
    code.families = QStringList{QLatin1String(kMonoFont)};
    code.sizePt = 10;
    s += namedStyle("Preformatted_20_Text",
                    " style:display-name=\"Preformatted Text\" style:parent-style-name=\"Standard\" "
                    "style:class=\"html\"",
                    code.overlaid(css[S::CodeBlock]), QLatin1String(" fo:padding=\"0.04in\""));
    s += namedStyle("Table_20_Contents",
                    " style:display-name=\"Table Contents\" style:parent-style-name=\"Standard\" "
                    "style:class=\"extra\"",
                    body.overlaid(css[S::TableCell]));
    s += QLatin1String(
        "<style:style style:name=\"Horizontal_20_Line\" style:display-name=\"Horizontal Line\" "
        "style:family=\"paragraph\" style:parent-style-name=\"Standard\" style:class=\"html\">"
        "<style:paragraph-properties fo:margin-bottom=\"0.111in\" fo:border-bottom=\"0.5pt solid #e5e5e7\"/>"
        "</style:style>");
    ExportTextStyle link;
    link.color = QColor(0x00, 0x66, 0xcc);
    link.underline = true;
    s += QStringLiteral("<style:style style:name=\"Internet_20_link\" style:display-name=\"Internet link\" "
                        "style:family=\"text\"><style:text-properties%1/></style:style>")
             .arg(textProps(link.overlaid(css[S::Link])));
    const double sizes[6] = {24, 18, 15, 13, 12, 12};
    for (int level = 1; level <= 6; ++level) {
        ExportTextStyle heading;
        heading.spaceBefore = 12;
        heading.spaceAfter = 6;
        heading.sizePt = sizes[level - 1];
        heading.bold = true;
        s += namedStyle(QStringLiteral("Heading_20_%1").arg(level),
                        QStringLiteral(" style:display-name=\"Heading %1\" style:parent-style-name=\"Standard\" "
                                       "style:next-style-name=\"Text_20_body\" style:default-outline-level=\"%1\" "
                                       "style:class=\"text\"")
                            .arg(level),
                        heading.overlaid(css[S::Role(S::Heading1 + level - 1)]),
                        QLatin1String(" fo:keep-with-next=\"always\""));
    }
    const QColor page = css[S::Body].background;
    s += QStringLiteral(
             "</office:styles><office:automatic-styles><style:page-layout style:name=\"Letter\">"
             "<style:page-layout-properties fo:page-width=\"8.5in\" fo:page-height=\"11in\" "
             "style:print-orientation=\"portrait\" fo:margin-top=\"1in\" fo:margin-bottom=\"1in\" "
             "fo:margin-left=\"1in\" fo:margin-right=\"1in\"%1/></style:page-layout></office:automatic-styles>"
             "<office:master-styles><style:master-page style:name=\"Standard\" style:page-layout-name=\"Letter\"/>"
             "</office:master-styles></office:document-styles>")
             .arg(page.isValid() ? QStringLiteral(" fo:background-color=\"%1\"").arg(page.name()) : QString());
    return s;
}

} // namespace

QByteArray OdtWriter::write(const QList<RichBlock>& blocks, const QString& title, const ExportTextStyles& styles,
                            QString* error)
{
    OdtState st(styles);
    writeBlocks(st.body, blocks, st);

    QString content = QLatin1String(kXmlHead);
    content += QStringLiteral("<office:document-content %1>").arg(QLatin1String(kNamespaces)) + fontFaces();
    content += QLatin1String("<office:automatic-styles>");
    content += st.styles;
    content += QLatin1String("</office:automatic-styles><office:body><office:text>");
    content += st.body;
    content += QLatin1String("</office:text></office:body></office:document-content>");

    const QString meta = QLatin1String(kXmlHead)
                         + QStringLiteral("<office:document-meta %1><office:meta><dc:title>%2</dc:title>"
                                          "</office:meta></office:document-meta>")
                               .arg(QLatin1String(kNamespaces), xml(title));

    QString manifest = QLatin1String(kXmlHead);
    manifest +=
        QLatin1String("<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                      "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
                      "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
                      "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
                      "<manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
                      "<manifest:file-entry manifest:full-path=\"meta.xml\" manifest:media-type=\"text/xml\"/>"
                      "<manifest:file-entry manifest:full-path=\"settings.xml\" manifest:media-type=\"text/xml\"/>");
    for (qsizetype i = 0; i < st.pictures.size(); ++i)
        manifest += QStringLiteral("<manifest:file-entry manifest:full-path=\"Pictures/image%1.png\" "
                                   "manifest:media-type=\"image/png\"/>")
                        .arg(i + 1);
    manifest += QLatin1String("</manifest:manifest>");

    ZipWriter zip;
    zip.add(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text", true); // first, stored
    zip.add(QStringLiteral("META-INF/manifest.xml"), manifest.toUtf8());
    zip.add(QStringLiteral("content.xml"), content.toUtf8());
    zip.add(QStringLiteral("styles.xml"), stylesXml(styles).toUtf8());
    zip.add(QStringLiteral("meta.xml"), meta.toUtf8());
    zip.add(QStringLiteral("settings.xml"), QByteArray(kSettings));
    for (qsizetype i = 0; i < st.pictures.size(); ++i)
        zip.add(QStringLiteral("Pictures/image%1.png").arg(i + 1), st.pictures[i], true);
    return zip.finish(error);
}
