#include "render/PrintPage.h"

#include "render/Exporter.h"
#include "render/PageInserts.h"

#include <QList>
#include <QRegularExpression>

#include <cmath>

namespace {

// After the page's own style sheets, so it wins over a theme or user CSS of equal weight.
//
// Chromium prints one CSS pixel as 0.75 point: the zoom lays the page out 468 CSS pixels wide
// across the 468 points between the margins, so a 16-pixel body font prints at 16 points.
//
// The engine ignores `break-after: avoid`. Instead each heading (or run of headings) stands in
// a box that is never broken and reaches a few lines further down than the heading (.bw-head:
// the padding is the reserve, the negative margin lays what follows over it), so a heading
// moves to the next page unless those lines fit below it; before a table the reserve is its
// head and first row. A heading with a short or unbreakable next block is wrapped with it
// whole (.bw-keep), one before a list with its first item when that is not broken (.bw-lead:
// the list is split after the item, the margins between the parts are those between items).
// A paragraph that holds a picture may break before it, so the picture need not pull the
// lines above it onto the next page. A callout's title keeps the same room below itself as a
// heading, and a heading before a callout that may break keeps room for that title and its room.
// A long run without letters is laid out in the direction it takes anyway, overridden
// (LetterlessRuns).
const char kPrintStyle[] = R"(<style>
@media print {
  html { zoom: 1.3333333; }
  body { overflow-wrap: break-word; }
  pre, pre code { white-space: pre-wrap; overflow: visible; }
  pre.bw-fit, pre.bw-fit code { white-space: pre; }
  pre.bw-fit.bw-wrap, pre.bw-fit.bw-wrap code { white-space: pre-wrap; }
  pre.bw-fit code { font-size: 1em; }
  th, td { overflow-wrap: break-word; }
  table.bw-fit th, table.bw-fit td { padding: .25em .45em; font-size: inherit; }
  table.bw-break th, table.bw-break td { overflow-wrap: anywhere; }
  table.bw-rows > thead { display: table-row-group; }
  pre, blockquote, dl, li, .callout { break-inside: auto; page-break-inside: auto; orphans: 2; widows: 2; }
  .bw-whole, .bw-head, .bw-keep { break-inside: avoid; page-break-inside: avoid; }
  .bw-head { padding-bottom: 5.5rem; margin-bottom: -5.5rem; }
  .bw-lead > ul, .bw-lead > ol { margin-bottom: 0; }
  .bw-lead + ul, .bw-lead + ol { margin-top: 0; }
  p.bw-picture { orphans: 1; widows: 1; }
  .callout-title:not(:last-child) { break-inside: avoid; page-break-inside: avoid;
    padding-bottom: 5.5rem; margin-bottom: calc(.3em - 5.5rem); }
  .bw-part { display: block; }
  .bw-run { unicode-bidi: bidi-override !important; }
  .bw-ltr { direction: ltr !important; }
  .bw-rtl { direction: rtl !important; }
}
</style>
)";

// A following block this long (in HTML) or shorter goes with its heading whole: about five
// lines of text, which orphans and widows keep from being split. A longer one splits, and the
// heading's room keeps its first lines with it. A paragraph that begins with a picture goes
// along whole whatever its length (its alternative text), up to a few lines of text after it.
constexpr qsizetype kShortBlock = 480;
constexpr qsizetype kPictureBlock = 2000;
// The room below a heading (.bw-head's 5.5rem), and the most it keeps for a table's first rows:
// a taller head and first row would leave most of a page empty.
constexpr double kRoom = 88;
constexpr double kMostRoom = 216;
// A run of more headings than this (pages of them) keeps only its last few together with what
// follows.
constexpr qsizetype kLongestRun = 64;
constexpr qsizetype kRunBox = 3;
// Before a callout: the heading's margin, the callout's padding, its title's line and room.
constexpr int kCalloutRoom = 152;

struct Element {
    qsizetype start = 0;
    qsizetype end = 0;
    QString name;
};

bool isVoid(const QString& name)
{
    static const QStringList kVoid{QStringLiteral("hr"),    QStringLiteral("img"),  QStringLiteral("br"),
                                   QStringLiteral("input"), QStringLiteral("wbr"),  QStringLiteral("col"),
                                   QStringLiteral("meta"),  QStringLiteral("link"), QStringLiteral("source")};
    return kVoid.contains(name);
}

bool isHeading(const QString& name)
{
    return name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6';
}

QString tagName(const QString& s, qsizetype pos)
{
    qsizetype i = pos + 1;
    while (i < s.size() && (s[i].isLetterOrNumber() && s[i].unicode() < 128)) ++i;
    return s.mid(pos + 1, i - pos - 1).toLower();
}

// Whether an opening tag `<name` starts at `pos` (not a longer name such as <pre for <p).
bool opensAt(const QString& s, qsizetype pos, qsizetype nameLength)
{
    const qsizetype after = pos + 1 + nameLength;
    return after < s.size() && (s[after] == u'>' || s[after] == u'/' || s[after].isSpace());
}

// One past the end of the element that starts at `pos`, or -1 when it does not close.
qsizetype elementEnd(const QString& s, qsizetype pos, const QString& name)
{
    const qsizetype tagEnd = s.indexOf(u'>', pos);
    if (tagEnd < 0) return -1;
    if (isVoid(name) || s[tagEnd - 1] == u'/') return tagEnd + 1;
    const QString open = u'<' + name;
    const QString close = QStringLiteral("</") + name + u'>';
    int depth = 1;
    qsizetype at = tagEnd + 1;
    qsizetype nextOpen = s.indexOf(open, at, Qt::CaseInsensitive);
    while (depth > 0) {
        const qsizetype nextClose = s.indexOf(close, at, Qt::CaseInsensitive);
        if (nextClose < 0) return -1;
        while (nextOpen >= 0 && nextOpen < nextClose) {
            if (opensAt(s, nextOpen, name.size())) ++depth;
            nextOpen = s.indexOf(open, nextOpen + open.size(), Qt::CaseInsensitive);
        }
        --depth;
        at = nextClose + close.size();
    }
    return at;
}

// The top-level elements of `body`; empty when something other than elements and blank
// space stands at the top level.
QList<Element> topLevel(const QString& body)
{
    QList<Element> out;
    qsizetype pos = 0;
    while (true) {
        while (pos < body.size() && body[pos].isSpace()) ++pos;
        if (pos >= body.size()) return out;
        if (body[pos] != u'<') return {};
        const QString name = tagName(body, pos);
        if (name.isEmpty()) return {};
        const qsizetype end = elementEnd(body, pos, name);
        if (end < 0) return {};
        out.append({pos, end, name});
        pos = end;
    }
}

// Whether a paragraph's first line is a picture: nothing but tags and blank space before it.
bool beginsWithPicture(QStringView element)
{
    const qsizetype img = element.indexOf(u"<img");
    if (img < 0) return false;
    for (qsizetype i = element.indexOf(u'>') + 1; i < img; ++i) {
        if (element[i] == u'<')
            i = element.indexOf(u'>', i);
        else if (!element[i].isSpace())
            return false;
    }
    return true;
}

// Where a list's first item ends when the item goes with a heading whole, as it is never
// broken (marked by fitToColumn); -1 otherwise. A longer item breaks after its first lines.
qsizetype firstItemEnd(const QString& body, const Element& e)
{
    if (e.name != u"ul" && e.name != u"ol") return -1;
    qsizetype item = body.indexOf(u'>', e.start) + 1;
    while (item < e.end && body[item].isSpace()) ++item;
    if (!QStringView(body).mid(item).startsWith(u"<li") || !opensAt(body, item, 2)) return -1;
    if (!QStringView(body).mid(item, body.indexOf(u'>', item) - item).contains(u"bw-whole")) return -1;
    return elementEnd(body, item, QStringLiteral("li"));
}

bool itemAfter(const QString& body, const Element& e, qsizetype at)
{
    const qsizetype next = body.indexOf(QLatin1String("<li"), at);
    return next >= 0 && next < e.end;
}

// Whether the block after a heading goes onto the heading's page with it, whole: a short
// one, one that is never broken (a picture, a diagram, a short callout, table or code block,
// marked by fitToColumn); not a long one, which breaks after its first lines.
bool takeAlong(const QString& body, const Element& e)
{
    const QStringView element = QStringView(body).mid(e.start, e.end - e.start);
    const QStringView tag = element.left(element.indexOf(u'>') + 1);
    if (tag.contains(u"bw-whole")) return true;
    if (e.name == u"div" && tag.contains(u"class=\"mermaid")) return true;
    const qsizetype firstItem = firstItemEnd(body, e);
    if (firstItem >= 0 && !itemAfter(body, e, firstItem)) return true;
    // Lines of code and rows of a table are counted there, not characters.
    if (e.name == u"pre" || e.name == u"table") return false;
    // A picture's height is not its length; lines of text before it may stay behind.
    if (e.name == u"p" && element.contains(u"<img"))
        return element.size() <= kPictureBlock && beginsWithPicture(element);
    return element.size() <= kShortBlock;
}

// The opening tag of the rest of a list split after its first item: a numbered one counts on.
QString restTag(const QString& body, const Element& e)
{
    QString tag = body.mid(e.start, body.indexOf(u'>', e.start) + 1 - e.start);
    if (e.name != u"ol") return tag;
    static const QRegularExpression start(QStringLiteral("\\sstart=\"(-?\\d+)\""));
    const QRegularExpressionMatch m = start.match(tag);
    const QString counted = QStringLiteral(" start=\"%1\"").arg(m.hasMatch() ? m.captured(1).toLongLong() + 1 : 2);
    if (m.hasMatch())
        tag.replace(m.capturedStart(), m.capturedLength(), counted);
    else
        tag.insert(3, counted);
    return tag;
}

// The room a heading keeps below itself for the table after it (its head and first row, as
// fitToColumn estimated them) or for a callout, in px; 0 for the usual room.
int roomFor(const QString& body, const Element& e)
{
    if (e.name == u"div" && QStringView(body).mid(e.start, 40).contains(u"class=\"callout")) return kCalloutRoom;
    if (e.name != u"table") return 0;
    const QStringView tag = QStringView(body).mid(e.start, body.indexOf(u'>', e.start) - e.start);
    const qsizetype at = tag.indexOf(u"data-bw-lead=\"");
    if (at < 0) return 0;
    const double lead = tag.mid(at + 14, tag.indexOf(u'"', at + 14) - at - 14).toDouble();
    return lead > kRoom ? int(std::ceil(std::min(lead, kMostRoom))) : 0;
}

// `body` with its top-level blocks gathered in groups (PageInserts::group). A heading's first
// list item (.bw-lead) stays beside the rest of its list; a body with floats is left as it is,
// as a heading clears them and a group's edge would change where.
QString groupTopLevel(const QString& body)
{
    if (body.contains(QLatin1String("class=\"float-"))) return body;
    const QList<Element> elements = topLevel(body);
    if (elements.isEmpty()) return body;
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const Element* before = i > 0 ? &elements[i - 1] : nullptr;
        if (before
            && QStringView(body)
                   .mid(before->start, body.indexOf(u'>', before->start) - before->start)
                   .contains(u"bw-lead"))
            continue;
        starts.append(elements[i].start);
    }
    QList<PageInsert> inserts;
    PageInserts::group(starts, elements.last().end, inserts);
    return PageInserts::applied(body, std::move(inserts));
}

} // namespace

namespace PrintPage {

QString keepHeadingsWithNext(const QString& body)
{
    const QList<Element> elements = topLevel(body);
    QString out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (!isHeading(elements[i].name)) continue;
        qsizetype lastHeading = i;
        while (lastHeading + 1 < elements.size() && isHeading(elements[lastHeading + 1].name)) ++lastHeading;
        if (out.isEmpty()) out.reserve(body.size() + elements.size() * 48);
        // A longer run is more than a page holds: it breaks all the same, and the engine took
        // time with the square of its length in one box. Its last headings go as a run does.
        if (lastHeading - i >= kLongestRun) i = lastHeading - kRunBox + 1;
        const Element* next = lastHeading + 1 < elements.size() ? &elements[lastHeading + 1] : nullptr;
        const bool withNext = next && takeAlong(body, *next);
        const qsizetype firstItem = next && !withNext ? firstItemEnd(body, *next) : -1;
        const int room = next && !withNext ? roomFor(body, *next) : 0;
        const QStringView text(body);
        const qsizetype start = elements[i].start;
        out += text.mid(copied, start - copied);
        if (withNext) out += QLatin1String("<div class=\"bw-keep\">");
        if (firstItem >= 0) out += QLatin1String("<div class=\"bw-keep bw-lead\">");
        if (room > 0)
            out +=
                QStringLiteral("<div class=\"bw-head\" style=\"padding-bottom:%1px;margin-bottom:-%1px\">").arg(room);
        else
            out += QLatin1String("<div class=\"bw-head\">");
        out += text.mid(start, elements[lastHeading].end - start);
        out += QLatin1String("</div>");
        copied = elements[lastHeading].end;
        i = lastHeading;
        if (firstItem >= 0) {
            out += text.mid(copied, firstItem - copied);
            out += QStringLiteral("</%1></div>").arg(next->name);
            out += restTag(body, *next);
            copied = firstItem;
            continue;
        }
        if (!withNext) continue;
        ++i;
        out += text.mid(copied, next->end - copied);
        out += QLatin1String("</div>");
        copied = next->end;
    }
    if (copied == 0) return body;
    out += QStringView(body).mid(copied);
    return out;
}

QString html(const QString& body, const QString& title, const QString& themeCSS, const QString& userCSS)
{
    QString page =
        Exporter::htmlDocument(groupTopLevel(keepHeadingsWithNext(fitToColumn(body))), title, themeCSS, userCSS, true);
    const qsizetype head = page.indexOf(QLatin1String("</head>"));
    if (head >= 0) page.insert(head, QLatin1String(kPrintStyle));
    return page;
}

} // namespace PrintPage
