// What the print page does to the body so that it fits a column of paper: nesting, columns and
// table cells bounded, preformatted blocks scaled to the column, tables given a type size at
// which their words fit. Without script on the page the sizes are estimated here, from the
// text, with the widths of the fonts the page falls back to (DejaVu Sans and Sans Mono, the
// widest of the usual ones); a small margin covers what the estimate misses.

#include "render/PrintPage.h"

#include "render/LetterlessRuns.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kMaxDepth = 8;            // lists, quotes and definition lists inside each other, and no more
                                        // than half the column indented by them
constexpr int kMaxColumns = 64;         // further cells of a row are joined in a row of their own
constexpr int kMaxCells = 64 * 64;      // in all tables; each row past them is one cell across its table
constexpr double kColumn = 452.0;       // the text column: 468 minus the body's padding
constexpr double kMinType = 6.0;        // below this nothing is readable on paper
constexpr double kCodeType = 13.76;     // the page's code in a block: .86 of 16 px
constexpr double kMonoAdvance = 0.602;  // DejaVu Sans Mono's, in em
constexpr double kPrePadding = 32.0;    // a code block's, left and right
constexpr double kTableType = 15.2;     // a table's: .95 of 16 px
constexpr double kCellPadding = 25.0;   // 12 on each side and a border, at the normal size
constexpr double kFitCellPadding = 0.9; // .45em on each side once a table is shrunk
constexpr double kLineHeight = 1.65;    // the body's, which cells inherit
constexpr double kSpaceAdvance = 0.32;  // DejaVu Sans's
// Blocks this short are not broken across pages (they move whole when they do not fit); longer
// ones break like paragraphs, so no page is left half empty before them.
constexpr int kShortCode = 12;         // lines
constexpr int kShortTable = 8;         // rows
constexpr qsizetype kShortBlock = 600; // characters of HTML: a quote, a list item
// The page engine takes time with the square of the number of a paragraph's lines (each page
// goes through those it begins with; of a run without letters too, see LetterlessRuns). A
// paragraph is set in parts, each a block of its own: after so many lines broken by hand or
// half so many characters (the lines as before), or at a space after so many characters (about
// 300 lines; a line ends there a little early).
constexpr int kPartLines = 200;
constexpr qsizetype kPartChars = 20000;
// Longer addresses are printed but not made live: the engine writes a link's address once for
// every page it spans, and no browser or server takes one of this size.
constexpr qsizetype kLongestAddress = 4096;
constexpr double kCalloutIndent = 32; // a callout's border and padding, in px

// Advance widths of DejaVu Sans in em, for the printable ASCII characters from "!" on.
constexpr double kSansAdvance[] = {.40, .46, .84, .64, .95, .78, .28, .39, .39, .50, .84, .32, .36, .32, .34, // ! to /
                                   .64, .64, .64, .64, .64, .64, .64, .64, .64, .64,                          // 0 to 9
                                   .34, .34, .84, .84, .84, .53, 1.0,                                         // : to @
                                   .68, .69, .70, .77, .63, .58, .78, .75, .30, .30, .66, .56, .86, .75, .79, // A to O
                                   .60, .79, .69, .64, .61, .73, .68, .99, .69, .61, .69,                     // P to Z
                                   .39, .34, .39, .84, .50, .50,                                              // [ to `
                                   .61, .64, .55, .64, .62, .35, .64, .63, .28, .28, .58, .28, .97, .63, .61, // a to o
                                   .64, .64, .41, .52, .39, .63, .59, .82, .59, .59, .53,                     // p to z
                                   .64, .34, .64, .84};                                                       // { to ~

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
           || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
           || (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x1F000;
}

// The text of a piece of HTML, character by character: tags skipped (a line break reported as
// a newline), an entity as one character.
template <typename F> void forEachChar(QStringView html, F&& f)
{
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == u'<') {
            const qsizetype end = html.indexOf(u'>', i);
            if (end < 0) return;
            const QStringView tag = html.mid(i + 1, end - i - 1);
            if (tag.startsWith(u"br", Qt::CaseInsensitive)) f(U'\n');
            i = end;
        } else if (c == u'&') {
            const qsizetype semicolon = html.mid(i, 11).indexOf(u';');
            const qsizetype end = i + semicolon;
            const bool entity = semicolon > 0;
            f(entity && html.mid(i, end - i + 1) == u"&amp;" ? U'&' : entity ? U'x' : U'&');
            if (entity) i = end;
        } else if (c.isHighSurrogate() && i + 1 < html.size() && html[i + 1].isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, html[i + 1]));
            ++i;
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

// The widest line of a preformatted block, in character cells.
int widestLine(QStringView html)
{
    int widest = 0;
    int column = 0;
    forEachChar(html, [&](char32_t c) {
        if (c == U'\n') {
            column = 0;
            return;
        }
        if (c == U'\t')
            column += 8 - column % 8;
        else if (QChar::category(c) != QChar::Mark_NonSpacing)
            column += isWide(c) ? 2 : 1;
        widest = std::max(widest, column);
    });
    return widest;
}

double advance(char32_t c)
{
    if (c >= U'!' && c <= U'~') return kSansAdvance[c - U'!'];
    if (QChar::category(c) == QChar::Mark_NonSpacing) return 0;
    return isWide(c) ? 1.0 : 0.7;
}

// A table cell's text in em of its type: its widest word and its whole width on one line;
// bold words (headers) a little wider.
struct TextWidth {
    double widest = 0;
    double total = 0;
};

TextWidth measure(QStringView html, bool bold)
{
    TextWidth w;
    double word = 0;
    forEachChar(html, [&](char32_t c) {
        const bool space = c == U' ' || c == U'\n' || c == U'\t';
        w.total += space ? kSpaceAdvance : advance(c);
        if (!space) {
            word += advance(c);
            w.widest = std::max(w.widest, word);
            // A line may break after a hyphen.
            if (c == U'-') word = 0;
        } else {
            word = 0;
        }
    });
    const double scale = bold ? 1.12 : 1.0;
    return {w.widest * scale, w.total * scale};
}

QString px(double size)
{
    return QString::number(std::floor(size * 10) / 10, 'f', 1) + QStringLiteral("px");
}

// `tag` (an opening tag) with a class added and a style declaration put first.
QString withClassAndStyle(QStringView tag, const QString& cls, const QString& style)
{
    QString out = tag.toString();
    if (cls.isEmpty() && style.isEmpty()) return out;
    const qsizetype classAt = cls.isEmpty() ? -2 : out.indexOf(QLatin1String("class=\""));
    if (classAt >= 0) out.insert(classAt + 7, cls + u' ');
    const qsizetype styleAt = style.isEmpty() ? -2 : out.indexOf(QLatin1String("style=\""));
    if (styleAt >= 0) out.insert(styleAt + 7, style + u';');
    const qsizetype close = out.endsWith(QLatin1String("/>")) ? out.size() - 2 : out.size() - 1;
    QString added;
    if (classAt == -1) added += QStringLiteral(" class=\"") + cls + u'"';
    if (styleAt == -1) added += QStringLiteral(" style=\"") + style + u'"';
    out.insert(close, added);
    return out;
}

bool isBlock(QStringView name)
{
    static const QStringList kBlocks{"p",  "li", "dd", "dt", "td", "th",    "div",        "pre", "h1", "h2",
                                     "h3", "h4", "h5", "h6", "hr", "table", "blockquote", "ul",  "ol", "dl"};
    return kBlocks.contains(name);
}

// The blocks whose own text is broken into lines by hand.
bool holdsLines(QStringView name)
{
    return name == u"p" || name == u"li" || name == u"dd" || name == u"dt";
}

bool isVoidTag(QStringView name)
{
    return name == u"br" || name == u"img" || name == u"wbr" || name == u"hr" || name == u"input";
}

bool isContainer(QStringView name)
{
    return name == u"ul" || name == u"ol" || name == u"blockquote" || name == u"dl";
}

double indentOf(QStringView name)
{
    if (name == u"li") return 0;
    if (name == u"blockquote") return 36; // border and padding
    if (name == u"dl") return 24;         // the definitions' margin
    return 26;                            // a list's padding
}

class Fitter {
public:
    explicit Fitter(const QString& body)
        : s(body)
    {
        out.reserve(body.size() + body.size() / 16);
    }

    QString run();

private:
    struct Open {
        QString name;
        bool flat;
        qsizetype inStart;
        qsizetype outAt; // where the mark of a short block goes into `out`
        bool hasClass;
        QList<qsizetype> items; // where a list's items begin in `out`
    };
    // An opening or closing tag as it stands in the body.
    struct Tag {
        QStringView text;
        QString name; // lower case
        qsizetype nameEnd;
        bool closing;
    };
    // What a table's rows tell of its columns, in em of its type: each column's widest word
    // and longest cell; and the cells of its first two rows (its head and first row).
    struct Columns {
        QList<double> widest;
        QList<double> longest;
        QList<QList<double>> lead;
    };

    void tag(qsizetype start, qsizetype end);
    bool paragraphPart(const Tag& t);
    void runParagraphs(const Tag& t);
    bool longAddress(const Tag& t);
    bool boundNesting(const Tag& t, qsizetype start, qsizetype end);
    bool callout(const Tag& t, qsizetype start, qsizetype end);
    void picture(const Tag& t);
    void text(QStringView t, bool preformatted = false);
    void newPart();
    qsizetype pre(qsizetype start, qsizetype tagEnd);
    qsizetype table(qsizetype start, qsizetype tagEnd);
    void row(QStringView rowHtml, Columns& columns, QString& rows);
    static double leadHeight(const Columns& columns, double size, bool fitted, double room);
    double indent() const { return indentSum; }

    static bool breaksInside(QStringView name) { return name == u"blockquote" || name == u"li" || name == u"dl"; }
    void opened(const QString& name, bool flat, qsizetype start, QStringView tag);
    void closed(qsizetype end);
    void mark(qsizetype at, bool hasClass, QLatin1String cls);
    QString marked();

    const QString& s;
    QString out;
    QList<Open> open;
    QList<PageInsert> inserts; // classes and the runs' marks, put into `out` at the end
    LetterlessRuns runs{inserts};
    // The divisions open: a callout's (where its mark would go into `out`, or -1 when it lost
    // its tags to the nesting bound) or another's.
    struct Division {
        qsizetype inStart;
        qsizetype outAt;
        bool callout;
        bool flat;
    };
    QList<Division> divisions;
    qsizetype paragraphAt = -1; // where the mark of the open paragraph would go into `out`
    bool paragraphHasClass = false;
    qsizetype cells = 0;      // laid out as cells so far, in all tables
    qsizetype rowsAcross = 0; // rows past them, each one cell
    int containers = 0;       // lists, quotes, definition lists and callouts open, not flattened
    double indentSum = 0;     // theirs, in px

    // The paragraph (or list item) open and its part.
    bool inParagraph = false;
    int inlineDepth = 0;     // elements open inside the paragraph
    int lines = 0;           // the part's line breaks at the paragraph's own level
    qsizetype partChars = 0; // the part's characters
    bool partOpen = false;
};

void Fitter::opened(const QString& name, bool flat, qsizetype start, QStringView tag)
{
    const qsizetype classAt = tag.indexOf(u"class=\"");
    if (name == u"li" && !open.isEmpty() && !open.last().flat
        && (open.last().name == u"ul" || open.last().name == u"ol"))
        open.last().items.append(out.size());
    open.append({name, flat, start, out.size() + (classAt >= 0 ? classAt + 7 : 1 + name.size()), classAt >= 0, {}});
    out += tag;
}

void Fitter::closed(qsizetype end)
{
    const Open o = open.takeLast();
    if (!o.flat) PageInserts::group(o.items, out.size(), inserts);
    if (!o.flat && breaksInside(o.name) && end - o.inStart <= kShortBlock)
        mark(o.outAt, o.hasClass, QLatin1String("bw-whole"));
}

// A class for the element whose tag's name or class attribute ends at `at` of `out`.
void Fitter::mark(qsizetype at, bool hasClass, QLatin1String cls)
{
    inserts.append({at, hasClass ? cls + u' ' : QLatin1String(" class=\"") + cls + u'"'});
}

// `out` with what was noted for it put in: the short blocks marked to be kept whole, the
// paragraphs that hold a picture, the long runs without letters.
QString Fitter::marked()
{
    return PageInserts::applied(out, std::move(inserts));
}

QString Fitter::run()
{
    qsizetype pos = 0;
    while (pos < s.size()) {
        const qsizetype lt = s.indexOf(u'<', pos);
        if (lt < 0) break;
        text(QStringView(s).mid(pos, lt - pos));
        if (QStringView(s).mid(lt).startsWith(u"<!--")) {
            const qsizetype end = s.indexOf(QLatin1String("-->"), lt);
            pos = end < 0 ? s.size() : end + 3;
            out += QStringView(s).mid(lt, pos - lt);
            continue;
        }
        const qsizetype gt = s.indexOf(u'>', lt);
        if (gt < 0) break;
        pos = gt + 1;
        const qsizetype nameEnd = [&] {
            qsizetype i = lt + 1 + (lt + 1 < s.size() && s[lt + 1] == u'/');
            while (i < gt && s[i].isLetterOrNumber()) ++i;
            return i;
        }();
        const QStringView name = QStringView(s).mid(lt + 1, nameEnd - lt - 1);
        if (name == u"pre")
            pos = pre(lt, gt + 1);
        else if (name == u"table")
            pos = table(lt, gt + 1);
        else
            tag(lt, gt + 1);
    }
    text(QStringView(s).mid(pos));
    return marked();
}

// Copies a tag, or what stands for it, to `out`, each of its jobs a step of its own: a long
// paragraph's parts, the paragraphs the letterless runs are read in, addresses too long to be
// live, the nesting bound, callouts (bounded and kept whole like quotes) and paragraphs that
// hold a picture. A step that writes the tag itself ends it.
void Fitter::tag(qsizetype start, qsizetype end)
{
    Tag t;
    t.text = QStringView(s).mid(start, end - start);
    t.closing = t.text.startsWith(u"</");
    t.nameEnd = t.closing ? 2 : 1;
    while (t.nameEnd < t.text.size() && t.text[t.nameEnd].isLetterOrNumber()) ++t.nameEnd;
    t.name = t.text.mid(t.closing ? 2 : 1, t.nameEnd - (t.closing ? 2 : 1)).toString().toLower();
    if ((inParagraph || holdsLines(t.name)) && paragraphPart(t)) return;
    runParagraphs(t);
    if (longAddress(t)) return;
    if (boundNesting(t, start, end)) return;
    if (callout(t, start, end)) return;
    picture(t);
    out += t.text;
}

// A paragraph's (or a list item's) parts of many lines: after every so many line breaks at its
// own level, the rest goes into a block of its own (.bw-part), closed before the paragraph
// closes or a block starts in it. True when the tag has been written here.
bool Fitter::paragraphPart(const Tag& t)
{
    if (isBlock(t.name)) {
        if (partOpen) out += QLatin1String("</span>");
        inParagraph = !t.closing && holdsLines(t.name);
        inlineDepth = lines = 0;
        partChars = 0;
        partOpen = false;
        return false;
    }
    if (t.name == u"br") {
        // Half the characters are enough at a line's end, so that a line shorter than that is
        // never cut.
        if (inlineDepth > 0 || (++lines < kPartLines && partChars < kPartChars / 2)) return false;
        out += t.text;
        runs.paragraphEnds();
        newPart();
        return true;
    }
    if (!isVoidTag(t.name) && !t.text.endsWith(u"/>"))
        inlineDepth = t.closing ? std::max(0, inlineDepth - 1) : inlineDepth + 1;
    return false;
}

void Fitter::newPart()
{
    out += partOpen ? QLatin1String("</span><span class=\"bw-part\">") : QLatin1String("<span class=\"bw-part\">");
    partOpen = true;
    lines = 0;
    partChars = 0;
}

// Blocks and line breaks end the paragraph whose order the letterless runs follow; an element
// of its own direction within it stops their marks.
void Fitter::runParagraphs(const Tag& t)
{
    if (isBlock(t.name) || t.name == u"br")
        runs.paragraphEnds();
    else if (!t.closing && (t.name == u"bdo" || t.name == u"bdi" || t.text.contains(u" dir=")))
        runs.explicitDirection();
}

// An address longer than the bound is left out of its link, the text printed as it stands.
bool Fitter::longAddress(const Tag& t)
{
    if (t.name != u"a" || t.closing) return false;
    const qsizetype href = t.text.indexOf(u" href=\"");
    const qsizetype hrefEnd = href < 0 ? -1 : t.text.indexOf(u'"', href + 7);
    if (hrefEnd - href - 7 <= kLongestAddress) return false;
    out += t.text.left(href);
    out += t.text.mid(hrefEnd + 1);
    return true;
}

// Containers nested deeper than the bound lose their tags (their content stays, its items
// each a line of their own); a short list item or quote is marked to be kept whole.
bool Fitter::boundNesting(const Tag& t, qsizetype start, qsizetype end)
{
    const bool flat = !open.isEmpty() && open.last().flat;
    const bool item = t.name == u"li" || t.name == u"dt" || t.name == u"dd";
    if (!isContainer(t.name) && t.name != u"li") {
        if (!flat || !item) return false;
        out += t.closing ? QStringLiteral("</div") : QStringLiteral("<div");
        out += t.text.mid(t.nameEnd);
        return true;
    }
    if (!t.closing) {
        if (item && flat) {
            out += QLatin1String("<div");
            out += t.text.mid(t.nameEnd);
            open.append({t.name, true, start, 0, false, {}});
        } else if (item || (containers < kMaxDepth && indent() + indentOf(t.name) <= kColumn / 2)) {
            if (!item) {
                ++containers;
                indentSum += indentOf(t.name);
            }
            opened(t.name, false, start, t.text);
        } else {
            open.append({t.name, true, start, 0, false, {}});
        }
        return true;
    }
    if (open.isEmpty() || open.last().name != t.name) return false;
    const bool wasFlat = open.last().flat;
    if (!wasFlat && !item) {
        --containers;
        indentSum -= indentOf(t.name);
    }
    closed(end);
    if (!wasFlat)
        out += t.text;
    else if (item)
        out += QStringLiteral("</div>");
    return true;
}

// A callout breaks across pages as a quote does, and a short one is kept whole; nested past
// the bound, it loses its tags as a quote does (its title and text stay).
bool Fitter::callout(const Tag& t, qsizetype start, qsizetype end)
{
    if (t.name != u"div") return false;
    if (!t.closing) {
        const qsizetype classAt = t.text.indexOf(u"class=\"callout");
        if (classAt < 0) {
            divisions.append({start, -1, false, false});
            return false;
        }
        if (containers >= kMaxDepth || indent() + kCalloutIndent > kColumn / 2) {
            divisions.append({start, -1, true, true});
            return true;
        }
        ++containers;
        indentSum += kCalloutIndent;
        divisions.append({start, out.size() + classAt + 7, true, false});
        return false;
    }
    if (divisions.isEmpty()) return false;
    const Division d = divisions.takeLast();
    if (d.flat) return true;
    if (d.callout) {
        --containers;
        indentSum -= kCalloutIndent;
        if (end - d.inStart <= kShortBlock) mark(d.outAt, true, QLatin1String("bw-whole"));
    }
    return false;
}

// A paragraph that holds a picture is marked so that it may break before it.
void Fitter::picture(const Tag& t)
{
    if (t.name == u"p") {
        const qsizetype classAt = t.text.indexOf(u"class=\"");
        paragraphAt = t.closing ? -1 : out.size() + (classAt >= 0 ? classAt + 7 : 2);
        paragraphHasClass = classAt >= 0;
    } else if (t.name == u"img" && paragraphAt >= 0) {
        mark(paragraphAt, paragraphHasClass, QLatin1String("bw-picture"));
        paragraphAt = -1;
    }
}

// The character of `t` at `i` (an entity or a surrogate pair as one), `i` moved past it.
char32_t nextChar(QStringView t, qsizetype& i)
{
    char32_t c = t[i].unicode();
    qsizetype next = i + 1;
    if (c == u'&') {
        // An entity is one character: the escaped ones are all neutral, a number is read.
        const qsizetype semicolon = t.mid(i, 12).indexOf(u';');
        if (semicolon > 1) {
            next = i + semicolon + 1;
            const QStringView entity = t.mid(i + 1, semicolon - 1);
            if (entity.startsWith(u'#')) {
                bool ok = false;
                const uint code = entity.startsWith(u"#x", Qt::CaseInsensitive) ? entity.mid(2).toUInt(&ok, 16)
                                                                                : entity.mid(1).toUInt(&ok);
                c = ok && code <= 0x10FFFF ? char32_t(code) : U'&';
            }
        }
    } else if (QChar::isHighSurrogate(c) && next < t.size() && t[next].isLowSurrogate()) {
        c = QChar::surrogateToUcs4(t[i], t[next]);
        ++next;
    }
    i = next;
    return c;
}

// Text between tags: a long paragraph cut into parts at a space, each character handed to the
// letterless runs with where it stands in `out`. Outside preformatted text a line's end is a
// space to the page.
void Fitter::text(QStringView t, bool preformatted)
{
    qsizetype copied = 0;
    const bool mayPart = inParagraph && inlineDepth == 0;
    for (qsizetype i = 0; i < t.size();) {
        qsizetype next = i;
        const char32_t c = nextChar(t, next);
        const bool lineEnd = c == U'\n' || c == U'\r';
        if (inParagraph) ++partChars;
        if (mayPart && partChars > kPartChars && (c == U' ' || lineEnd)) {
            // The next part begins with the space.
            out += t.mid(copied, i - copied);
            copied = i;
            runs.paragraphEnds();
            newPart();
        }
        const qsizetype at = out.size() + i - copied;
        runs.character(lineEnd && !preformatted ? U' ' : c, at, at + next - i);
        i = next;
    }
    out += t.mid(copied);
}

// A block whose widest line does not fit at the normal type is set smaller to fit, its lines
// whole; one that would need type below the minimum is set at the minimum and wraps.
qsizetype Fitter::pre(qsizetype start, qsizetype tagEnd)
{
    const qsizetype close = s.indexOf(QLatin1String("</pre>"), tagEnd, Qt::CaseInsensitive);
    const qsizetype end = close < 0 ? s.size() : close + 6;
    const QStringView openTag = QStringView(s).mid(start, tagEnd - start);
    const QStringView content = QStringView(s).mid(tagEnd, (close < 0 ? s.size() : close) - tagEnd);
    const int columns = widestLine(content);
    const double room = kColumn - kPrePadding - indent() - 2;
    const double size = room / (columns * kMonoAdvance * 1.02);
    QStringList classes;
    if (content.trimmed().count(u'\n') < kShortCode) classes << QStringLiteral("bw-whole");
    QString style;
    if (columns > 0 && size < kCodeType) {
        classes << QStringLiteral("bw-fit");
        if (size < kMinType) classes << QStringLiteral("bw-wrap");
        style = QStringLiteral("font-size:") + px(std::max(size, kMinType));
    }
    out += withClassAndStyle(openTag, classes.join(u' '), style);
    // Its text as a paragraph's, its long runs marked, but never cut into parts.
    const bool paragraph = std::exchange(inParagraph, false);
    runs.paragraphEnds();
    qsizetype at = tagEnd;
    while (at < end) {
        const qsizetype lt = s.indexOf(u'<', at);
        const qsizetype gt = lt < 0 || lt >= end ? -1 : s.indexOf(u'>', lt);
        const qsizetype textEnd = gt < 0 ? end : lt;
        text(QStringView(s).mid(at, textEnd - at), true);
        if (gt < 0) break;
        out += QStringView(s).mid(lt, gt + 1 - lt);
        at = gt + 1;
    }
    runs.paragraphEnds();
    inParagraph = paragraph;
    return end;
}

// The cells of one row, its columns noted. Cells past the bound go, joined, into a row of
// their own across the table: in the last column, as narrow as the others, they would make the
// row pages tall. Once the document has as many cells as it may lay out, the whole row is one
// such cell.
void Fitter::row(QStringView html, Columns& columns, QString& rows)
{
    struct Cell {
        qsizetype contentStart, contentEnd, end;
        bool header;
    };
    QList<Cell> cellList;
    qsizetype at = 0;
    while (true) {
        qsizetype cellOpen = html.indexOf(u"<t", at, Qt::CaseInsensitive);
        while (
            cellOpen >= 0 && cellOpen + 3 < html.size()
            && !((html[cellOpen + 2] == u'd' || html[cellOpen + 2] == u'h') && !html[cellOpen + 3].isLetterOrNumber()))
            cellOpen = html.indexOf(u"<t", cellOpen + 2, Qt::CaseInsensitive);
        if (cellOpen < 0 || cellOpen + 3 >= html.size()) break;
        const qsizetype gt = html.indexOf(u'>', cellOpen);
        if (gt < 0) break;
        const bool header = html[cellOpen + 2] == u'h';
        const QString closeTag = header ? QStringLiteral("</th>") : QStringLiteral("</td>");
        const qsizetype close = html.indexOf(closeTag, gt, Qt::CaseInsensitive);
        if (close < 0) break;
        cellList.append({gt + 1, close, close + 5, header});
        at = close + 5;
    }
    const auto joined = [&](qsizetype from) {
        QStringList texts;
        for (qsizetype c = from; c < cellList.size(); ++c) {
            const QStringView content =
                html.mid(cellList[c].contentStart, cellList[c].contentEnd - cellList[c].contentStart);
            if (!content.trimmed().isEmpty()) texts << content.toString();
        }
        return texts.join(QLatin1String(" | "));
    };
    const auto across = [&](const QString& text, bool header) {
        const qsizetype span =
            columns.widest.isEmpty() ? std::min<qsizetype>(cellList.size(), kMaxColumns) : columns.widest.size();
        const QLatin1String name(header ? "th" : "td");
        return QStringLiteral("<tr><%1 colspan=\"%2\">%3</%1></tr>").arg(name, QString::number(span), text);
    };
    if (cellList.isEmpty()) {
        rows += html;
        return;
    }
    if (cells >= kMaxCells) {
        rows += across(joined(0), cellList.first().header);
        ++rowsAcross;
        return;
    }
    const qsizetype kept = std::min<qsizetype>(cellList.size(), kMaxColumns);
    if (columns.widest.size() < kept) {
        columns.widest.resize(kept);
        columns.longest.resize(kept);
    }
    QList<double> lead;
    for (qsizetype c = 0; c < kept; ++c) {
        const Cell& cell = cellList[c];
        const TextWidth w = measure(html.mid(cell.contentStart, cell.contentEnd - cell.contentStart), cell.header);
        columns.widest[c] = std::max(columns.widest[c], w.widest);
        columns.longest[c] = std::max(columns.longest[c], w.total);
        lead.append(w.total);
    }
    if (columns.lead.size() < 2) columns.lead.append(lead);
    cells += kept;
    if (cellList.size() <= kMaxColumns) {
        rows += html;
        return;
    }
    rows += html.mid(0, cellList[kMaxColumns - 1].end);
    rows += html.mid(cellList.last().end);
    const QString rest = joined(kMaxColumns);
    if (rest.isEmpty()) return;
    rows += across(rest, cellList[kMaxColumns].header);
    ++cells;
}

// The height of a table's first two rows in px at type `size`, its columns shared out as a
// table lays them out: each at least as wide as its widest word, the room left over given in
// proportion to how much more its longest cell would take on one line.
double Fitter::leadHeight(const Columns& columns, double size, bool fitted, double room)
{
    const double across = fitted ? kFitCellPadding * size + 1 : kCellPadding;
    const double down = (fitted ? 0.5 * size : 16.0) + 1;
    double least = 0;
    double most = 0;
    for (qsizetype c = 0; c < columns.widest.size(); ++c) {
        least += columns.widest[c] * size + across;
        most += columns.longest[c] * size + across;
    }
    const double share = most <= room ? 1.0 : std::max(0.0, (room - least) / std::max(1.0, most - least));
    double height = 0;
    for (const QList<double>& cellsOfRow : columns.lead) {
        double lines = 1;
        for (qsizetype c = 0; c < cellsOfRow.size(); ++c) {
            const double width =
                std::max(1.0, (columns.widest[c] + (columns.longest[c] - columns.widest[c]) * share) * size);
            const double text = cellsOfRow[c] * size;
            // Lines broken at spaces hold a little less than the width.
            if (text > width) lines = std::max(lines, std::ceil(text * 1.1 / width));
        }
        height += lines * size * kLineHeight + down;
    }
    return height;
}

// A table whose widest words do not fit side by side at the normal type gets a smaller one,
// at which they do; only when even the minimum is too wide may its words break. A table
// that may break across pages carries the height of its head and first row (data-bw-lead, in
// px), the room a heading above it keeps below itself.
qsizetype Fitter::table(qsizetype start, qsizetype tagEnd)
{
    runs.paragraphEnds();
    const qsizetype close = s.indexOf(QLatin1String("</table>"), tagEnd, Qt::CaseInsensitive);
    const qsizetype end = close < 0 ? s.size() : close;
    const QStringView content = QStringView(s).mid(tagEnd, end - tagEnd);
    Columns widths;
    QString rows;
    rows.reserve(content.size());
    const qsizetype rowsAcrossBefore = rowsAcross;
    qsizetype at = 0;
    int rowCount = 0;
    while (true) {
        const qsizetype tr = content.indexOf(u"<tr", at, Qt::CaseInsensitive);
        const qsizetype trEnd = tr < 0 ? -1 : content.indexOf(u"</tr>", tr, Qt::CaseInsensitive);
        if (trEnd < 0) break;
        ++rowCount;
        rows += content.mid(at, tr - at);
        row(content.mid(tr, trEnd + 5 - tr), widths, rows);
        at = trEnd + 5;
    }
    rows += content.mid(at);

    const QStringView openTag = QStringView(s).mid(start, tagEnd - start);
    const double words = [&] {
        double sum = 0;
        for (double w : std::as_const(widths.widest)) sum += w;
        return sum * 1.05;
    }();
    const qsizetype columns = widths.widest.size();
    const double room = kColumn - indent();
    QStringList classes;
    if (rowCount <= kShortTable) classes << QStringLiteral("bw-whole");
    // Such a table's head is not repeated on every page: the engine takes long over each.
    if (rowsAcross > rowsAcrossBefore) classes << QStringLiteral("bw-rows");
    QString style;
    double size = kTableType;
    const bool fitted = columns > 5 || words * kTableType + columns * kCellPadding > room;
    if (fitted) {
        const double normal = columns >= 10 ? 10.9 : columns >= 6 ? 12.9 : kTableType;
        size = std::min(normal, (room - columns) / (words + columns * kFitCellPadding));
        classes << QStringLiteral("bw-fit");
        if (size < kMinType) classes << QStringLiteral("bw-break");
        size = std::max(size, kMinType);
        style = QStringLiteral("font-size:") + px(size);
    }
    QString tag = withClassAndStyle(openTag, classes.join(u' '), style);
    if (rowCount > kShortTable)
        tag.insert(tag.size() - 1,
                   QStringLiteral(" data-bw-lead=\"%1\"").arg(std::ceil(leadHeight(widths, size, fitted, room))));
    out += tag;
    out += rows;
    return end;
}

} // namespace

namespace PrintPage {

QString fitToColumn(const QString& body)
{
    return Fitter(body).run();
}

} // namespace PrintPage
