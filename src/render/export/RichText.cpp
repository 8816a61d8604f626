#include "render/export/RichText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMutex>
#include <QSet>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QXmlStreamReader>

#include <fontconfig/fontconfig.h>

namespace {

bool reachesOut(const QByteArray& image, int depth);

// Whether an SVG names anything outside itself: an href that is neither a fragment of the
// same file nor data that reaches no further. One that cannot be read counts as such.
//
// Qt's SVG reader takes an href that begins with "data" (as written, after trimming) as
// inline data, decodes what follows the last "base64," and reads it as an image of any
// format it knows: an SVG in there follows its own hrefs, so each one is judged the same way.
bool refersElsewhere(const QByteArray& svg, int depth)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            if (a.name() != QLatin1String("href")) continue;
            const QStringView value = a.value().trimmed();
            if (value.startsWith(u'#')) continue;
            if (!value.startsWith(QLatin1String("data"))) return true;
            const qsizetype base64 = value.lastIndexOf(QLatin1String("base64,"));
            if (base64 >= 0 && reachesOut(QByteArray::fromBase64(value.mid(base64 + 7).toLatin1()), depth + 1))
                return true;
        }
    }
    return xml.hasError();
}

// Whether reading `image` (of whatever format its bytes say) would load anything else.
bool reachesOut(const QByteArray& image, int depth)
{
    QBuffer buffer;
    buffer.setData(image);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader(&buffer).format();
    if (format == "svgz") return true;
    return format == "svg" && (depth > 4 || refersElsewhere(image, depth));
}

QImage decodeImage(const QByteArray& bytes)
{
    if (reachesOut(bytes, 0)) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).read();
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

namespace {

// The page's body padding would reach every block as a left margin; on paper the page
// margins stand in for it. The reader marks only the first block of a quote as one: every
// block inside carries this state instead.
constexpr int kQuoteState = 4242;
const char kReadingStyle[] = "<style>body { margin: 0; padding: 0; }\n"
                             "blockquote, blockquote * { -qt-user-state: 4242; }</style>\n";

bool isTag(QStringView tag, QLatin1String name)
{
    if (!tag.startsWith(name, Qt::CaseInsensitive)) return false;
    const QChar after = tag.size() > name.size() ? tag[name.size()] : QChar();
    return after == u'>' || after == u'/' || after.isSpace();
}

// The page as Qt's HTML reader should see it, in one pass over its tags: a callout is a
// quote; <del> is <s>, which the reader knows; a line feed inside a code block is a line
// break, so each block stays one paragraph and two blocks in a row stay two; task boxes are
// ☐ and ☑, as the reader drops <input>. The lists' first numbers, which the reader drops,
// go to `listStarts`.
//
// Qt's reader marks every item of a list changed each time it adds one, and finds an item's
// number by searching its list: a list's time grows with the square of its items. A long list
// is read in parts of kListPart items instead, each a list of its own that `listParts` ties
// to the first.
constexpr int kListPart = 64;

QString readablePage(const QString& page, QList<int>& listStarts, QList<int>& listParts)
{
    QString out;
    out.reserve(page.size() + page.size() / 16);
    QList<bool> divs; // the open <div>s, true for a callout
    struct OpenList {
        QStringView tag;
        qsizetype first; // its index in listStarts
        int items = 0;
        int openItems = 0;
    };
    QList<OpenList> lists;
    bool inCode = false;
    qsizetype at = 0;
    while (at < page.size()) {
        const qsizetype lt = page.indexOf(u'<', at);
        const QStringView text = QStringView(page).mid(at, (lt < 0 ? page.size() : lt) - at);
        if (inCode) {
            for (const QChar c : text) c == u'\n' ? out += QLatin1String("<br>") : out += c;
        } else {
            out += text;
        }
        const qsizetype gt = lt < 0 ? -1 : page.indexOf(u'>', lt);
        if (gt < 0) {
            if (lt >= 0) out += QStringView(page).mid(lt);
            break;
        }
        const QStringView tag = QStringView(page).mid(lt, gt - lt + 1);
        at = gt + 1;
        if (isTag(tag, QLatin1String("<pre"))) {
            inCode = true;
        } else if (isTag(tag, QLatin1String("</pre"))) {
            inCode = false;
        } else if (isTag(tag, QLatin1String("<del"))) {
            out += QLatin1String("<s");
            out += tag.mid(4);
            continue;
        } else if (isTag(tag, QLatin1String("</del"))) {
            out += QLatin1String("</s>");
            continue;
        } else if (isTag(tag, QLatin1String("<div"))) {
            divs.append(tag.contains(QLatin1String("class=\"callout")));
            if (divs.last()) {
                out += QLatin1String("<blockquote");
                out += tag.mid(4);
                continue;
            }
        } else if (isTag(tag, QLatin1String("</div"))) {
            if (!divs.isEmpty() && divs.takeLast()) {
                out += QLatin1String("</blockquote>");
                continue;
            }
        } else if (isTag(tag, QLatin1String("<input")) && tag.contains(QLatin1String("type=\"checkbox\""))) {
            out += tag.contains(QLatin1String(" checked")) ? QStringLiteral("☑") : QStringLiteral("☐");
            continue;
        } else if (isTag(tag, QLatin1String("<ol")) || isTag(tag, QLatin1String("<ul"))) {
            const qsizetype from = tag.indexOf(QLatin1String(" start=\"")) + 8;
            bool read = false;
            const int start = from < 8 ? 1 : tag.mid(from, tag.indexOf(u'"', from) - from).toInt(&read);
            listStarts.append(tag[1] == u'o' && read && start >= 0 ? start : 1);
            listParts.append(int(listStarts.size() - 1));
            lists.append({tag, listStarts.size() - 1});
        } else if (isTag(tag, QLatin1String("</ol")) || isTag(tag, QLatin1String("</ul"))) {
            if (!lists.isEmpty()) lists.removeLast();
        } else if (isTag(tag, QLatin1String("<li")) && !lists.isEmpty()) {
            OpenList& list = lists.last();
            if (list.openItems == 0 && list.items > 0 && list.items % kListPart == 0) {
                out += QLatin1String("</");
                out += list.tag.mid(1, 2);
                out += u'>';
                out += list.tag;
                listStarts.append(listStarts[list.first] + list.items);
                listParts.append(int(list.first));
            }
            ++list.items;
            ++list.openItems;
        } else if (isTag(tag, QLatin1String("</li")) && !lists.isEmpty()) {
            if (lists.last().openItems > 0) --lists.last().openItems;
        } else if (isTag(tag, QLatin1String("</head"))) {
            out += QLatin1String(kReadingStyle);
        }
        if (const qsizetype id = tag.indexOf(QLatin1String(" id=\"")); id > 0) {
            // Qt's reader files each format under a hash that leaves anchor names out: formats
            // set apart by their id alone share one hash, and each new one was compared with
            // every one before it. The id again as a title, which the hash counts and no
            // writer reads, keeps each apart.
            const qsizetype end = tag.indexOf(u'"', id + 5);
            const qsizetype close = tag.size() - (tag.endsWith(QLatin1String("/>")) ? 2 : 1);
            if (end > 0 && end < close) {
                out += tag.first(close);
                out += QLatin1String(" title=\"");
                out += tag.mid(id + 5, end - id - 5);
                out += u'"';
                out += tag.mid(close);
                continue;
            }
        }
        out += tag;
    }
    return out;
}

} // namespace

std::unique_ptr<ExportTextDocument> RichText::textDocument(const QString& page, const ImageAccess& images)
{
    auto doc = std::make_unique<ExportTextDocument>(images);
    doc->setHtml(readablePage(page, doc->listStarts, doc->listParts));
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

bool sameLook(const RichRun& a, const RichRun& b)
{
    const auto look = [](const RichRun& r) {
        return std::tie(r.bold, r.italic, r.underline, r.strike, r.mono, r.superscript, r.href, r.color);
    };
    return a.png.isEmpty() && b.png.isEmpty() && look(a) == look(b);
}

QList<RichRun> runsOf(const QTextBlock& block, bool code)
{
    QList<RichRun> runs;
    const QTextDocument* doc = block.document();
    const QColor plain = block.charFormat().foreground().color();
    QStringList ids; // of the runs left out, for the next one
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (!frag.isValid()) continue;
        const QTextCharFormat f = frag.charFormat();
        ids += f.anchorNames();
        RichRun run;
        run.bold = f.fontWeight() >= QFont::DemiBold;
        run.italic = f.fontItalic();
        run.underline = f.fontUnderline();
        run.strike = f.fontStrikeOut();
        run.mono = isMono(f);
        run.superscript = f.verticalAlignment() == QTextCharFormat::AlignSuperScript;
        if (f.isAnchor()) run.href = f.anchorHref();
        // The highlighter's tokens stand out from the code's own colour.
        if (code && f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().color() != plain)
            run.color = f.foreground().color();
        if (f.isImageFormat()) {
            const QTextImageFormat img = f.toImageFormat();
            const QVariant resource = doc->resource(QTextDocument::ImageResource, QUrl(img.name()));
            const QImage image = resource.value<QImage>();
            run.png = pngOf(resource);
            if (run.png.isEmpty()) continue; // an image that could not be loaded is left out
            QSize size = image.size();
            if (img.width() > 0 && img.height() > 0) size = QSize(int(img.width()), int(img.height()));
            run.imageSize = size;
            run.anchors = std::exchange(ids, {});
            runs.append(run);
            continue;
        }
        run.text = frag.text();
        run.text.remove(QChar::ObjectReplacementCharacter);
        if (run.text.isEmpty()) continue;
        run.anchors = std::exchange(ids, {});
        // An id sets its first character apart; the text around it stays one run.
        if (!runs.isEmpty() && run.anchors.isEmpty() && sameLook(runs.last(), run)) {
            runs.last().text += run.text;
            continue;
        }
        runs.append(run);
    }
    if (!runs.isEmpty()) runs.last().anchors += ids;
    return runs;
}

void walk(QTextFrame::iterator it, QList<RichBlock>& out);

RichBlock blockOf(const QTextBlock& b)
{
    RichBlock block;
    const QTextBlockFormat bf = b.blockFormat();
    block.runs = runsOf(b, bf.nonBreakableLines());
    const Qt::Alignment align = bf.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        block.align = RichBlock::Center;
    else if (align & (Qt::AlignRight | Qt::AlignTrailing))
        block.align = RichBlock::Right;
    else if (align & Qt::AlignJustify)
        block.align = RichBlock::Justify;
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
    } else if (b.userState() == kQuoteState) {
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

template <typename F> void forEachRun(QList<RichBlock>& blocks, const F& f)
{
    for (RichBlock& b : blocks) {
        if (b.table)
            for (auto& row : b.table->rows)
                for (auto& cell : row) forEachRun(cell, f);
        for (RichRun& run : b.runs) f(run);
    }
}

// Bookmark names every format keeps: ASCII letters, digits and "_", beginning with a letter,
// at most 40 (Word cuts longer ones), unique regardless of case (as Word tells them apart).
class BookmarkNames {
public:
    QString take(const QString& id)
    {
        constexpr qsizetype kLongest = 40;
        const auto ascii = [](QChar c, bool digits) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (digits && c >= u'0' && c <= u'9');
        };
        QString name;
        for (const QChar c : id.left(kLongest)) name += ascii(c, true) || c == u'_' ? c : u'_';
        if (name.isEmpty() || !ascii(name[0], false)) name = (QLatin1String("id_") + name).left(kLongest);
        // Ids that come out alike (those in other scripts do) count on from the last one's number.
        int& next = m_next[name.toLower()];
        QString unique = name;
        while (m_taken.contains(unique.toLower())) {
            const QString suffix = u'_' + QString::number(++next);
            unique = name.left(kLongest - suffix.size()) + suffix;
        }
        m_taken.insert(unique.toLower());
        return unique;
    }

private:
    QSet<QString> m_taken;
    QHash<QString, int> m_next;
};

// Ids become bookmark names, the first element with an id holding it as a page does; links
// follow them, by the id as written or percent-decoded.
void nameBookmarks(QList<RichBlock>& blocks)
{
    QHash<QString, QString> names; // id -> bookmark
    BookmarkNames taken;
    forEachRun(blocks, [&](RichRun& run) {
        QStringList named;
        for (const QString& id : std::as_const(run.anchors)) {
            if (names.contains(id)) continue;
            named << taken.take(id);
            names.insert(id, named.last());
        }
        run.anchors = named;
    });
    forEachRun(blocks, [&](RichRun& run) {
        if (!run.href.startsWith(u'#')) return;
        const QString id = run.href.mid(1);
        QString name = names.value(id);
        if (name.isEmpty()) name = names.value(QUrl::fromPercentEncoding(id.toUtf8()));
        run.href = name.isEmpty() ? QString() : u'#' + name;
    });
}

} // namespace

QList<RichBlock> RichText::blocks(const ExportTextDocument& doc)
{
    QList<RichBlock> out;
    walk(doc.rootFrame()->begin(), out);
    nameBookmarks(out);
    // The reader makes the lists in the order they open, so the n-th list met is the n-th
    // of the page.
    QHash<int, int> starts;    // list id -> first number
    QHash<int, int> wholeList; // list id -> the id of the first part of its list
    QList<int> ids;            // of the lists in the order they open
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextList* list = b.textList();
        if (!list || starts.contains(list->objectIndex())) continue;
        const int n = int(ids.size());
        ids.append(list->objectIndex());
        starts.insert(ids.last(), doc.listStarts.value(n, 1));
        wholeList.insert(ids.last(), ids.value(doc.listParts.value(n, n), ids.last()));
    }
    for (RichBlock& b : out) {
        if (b.kind != RichBlock::ListItem) continue;
        if (b.ordered) b.number += starts.value(b.listId, 1) - 1;
        b.listId = wholeList.value(b.listId, b.listId);
    }
    return out;
}

namespace {

bool installed(const QString& family)
{
    static QMutex mutex;
    static QHash<QString, bool> known;
    const QMutexLocker lock(&mutex);
    if (const auto it = known.constFind(family.toLower()); it != known.constEnd()) return it.value();
    bool found = false;
    if (FcPattern* pattern = FcPatternCreate()) {
        const QByteArray name = family.toUtf8();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
        if (FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr)) {
            if (FcFontSet* fonts = FcFontList(nullptr, pattern, objects)) {
                found = fonts->nfont > 0;
                FcFontSetDestroy(fonts);
            }
            FcObjectSetDestroy(objects);
        }
        FcPatternDestroy(pattern);
    }
    if (known.size() < 1024) known.insert(family.toLower(), found);
    return found;
}

} // namespace

RichFont RichText::font(const QStringList& families)
{
    RichFont out;
    for (const QString& f : families) {
        if (f == QLatin1String("serif") || f == QLatin1String("ui-serif")) {
            out.kind = RichFont::Serif;
            break;
        }
        if (f == QLatin1String("monospace") || f == QLatin1String("ui-monospace")) {
            out.kind = RichFont::Mono;
            break;
        }
    }
    static const QStringList kGeneric = {"serif",     "sans-serif",   "monospace", "cursive",      "fantasy",
                                         "system-ui", "ui-monospace", "ui-serif",  "ui-sans-serif"};
    QString firstNamed;
    for (const QString& f : families) {
        if (kGeneric.contains(f) || f.startsWith(u'-')) continue; // the platforms' own names
        if (firstNamed.isEmpty()) firstNamed = f;
        if (installed(f)) {
            out.name = f;
            break;
        }
    }
    if (out.name.isEmpty()) {
        for (const QString& f : families) {
            if (!kGeneric.contains(f)) continue;
            out.name = out.kind == RichFont::Serif  ? QStringLiteral("Liberation Serif")
                       : out.kind == RichFont::Mono ? QStringLiteral("Liberation Mono")
                                                    : QStringLiteral("Liberation Sans");
            break;
        }
    }
    if (out.name.isEmpty()) out.name = firstNamed;
    const QString l = out.name.toLower();
    if (l.contains(QLatin1String("mono")) || l.contains(QLatin1String("courier"))) out.kind = RichFont::Mono;
    return out;
}

ExportTextStyle RichText::runStyle(const RichRun& run, const RichBlock& block, const ExportTextStyles& styles)
{
    ExportTextStyle s;
    if (run.bold) s.bold = true;
    if (run.italic) s.italic = true;
    if (run.underline) s.underline = true;
    if (run.strike) s.strike = true;
    if (run.color.isValid()) s.color = run.color;
    if (block.kind == RichBlock::Code) return s;
    if (run.italic) s = s.overlaid(styles[ExportTextStyles::Emphasis]);
    if (run.bold && block.kind != RichBlock::Heading) s = s.overlaid(styles[ExportTextStyles::Strong]);
    if (run.mono) s = s.overlaid(styles[ExportTextStyles::Code]);
    if (!run.href.isEmpty()) s = s.overlaid(styles[ExportTextStyles::Link]);
    return s;
}
