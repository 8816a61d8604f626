// Lists, pipe tables and definition lists.

#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

namespace MarkdownHTMLRenderer {

using namespace detail;

namespace {

qsizetype indentOf(QStringView line)
{
    qsizetype n = 0;
    while (n < line.size() && line[n] == u' ') ++n;
    return n;
}

// "^([-*+]|\d+[.)])" at `i`: where the marker ends, or -1.
qsizetype markerEnd(QStringView t, qsizetype i)
{
    if (i >= t.size()) return -1;
    if (t[i] == u'-' || t[i] == u'*' || t[i] == u'+') return i + 1;
    const qsizetype digits = i;
    for (int d; i < t.size() && (d = digitAt(t, i)) > 0;) i += d;
    if (i == digits || i >= t.size() || (t[i] != u'.' && t[i] != u')')) return -1;
    return i + 1;
}

// The item's text: the trimmed line without "^([-*+]|\d+[.)])\s+".
QStringView itemText(QStringView t)
{
    qsizetype e = markerEnd(t, 0);
    if (e < 0 || e >= t.size() || !isPatternSpace(t[e].unicode())) return t;
    while (e < t.size() && isPatternSpace(t[e].unicode())) ++e;
    return t.mid(e);
}

// The number an ordered list's first marker gives ("\d+", any decimal digits), held below a
// billion so that it always fits the writers' counters.
int markerNumber(QStringView t)
{
    constexpr int kMax = 999'999'999;
    int n = 0;
    for (qsizetype i = 0, d; i < t.size() && (d = digitAt(t, i)) > 0; i += d) {
        const int v = d == 1 ? t[i].digitValue() : QChar::digitValue(QChar::surrogateToUcs4(t[i], t[i + 1]));
        n = n > (kMax - v) / 10 ? kMax : n * 10 + v;
    }
    return n;
}

} // namespace

int leadingSpaces(const QString& line)
{
    return int(indentOf(line));
}

namespace detail {

bool isListItem(QStringView t)
{
    qsizetype i = 0;
    while (i < t.size() && isPatternSpace(t[i].unicode())) ++i;
    const qsizetype e = markerEnd(t, i);
    return e >= 0 && e < t.size() && isPatternSpace(t[e].unicode()) && patternsSee(t);
}

namespace {

// What a list's first item says about the whole list: numbered ("^\d+[.)]") or bulleted,
// and the number a numbered list starts at.
struct ListKind {
    bool ordered = false;
    int start = 1;
};

ListKind kindOf(QStringView t)
{
    const qsizetype e = markerEnd(t, 0);
    if (e <= 0 || t[0] == u'-' || t[0] == u'*' || t[0] == u'+') return {};
    return {true, markerNumber(t)};
}

// A line nested in an item loses its indent up to the item's text: the base indent and the
// width of a bullet and its space, so that a deeper indent stays the nested list's base.
constexpr qsizetype kMarkerWidth = 2;

// What a line is to the list above it.
enum class ListLine {
    End,    // the list ends before it
    Item,   // an item of this list
    Nested, // a line of what is nested in the open item
    Block,  // a quote, heading, rule or fence nested in the open item
    Text,   // a line of the open item's text, or after what is nested in it
};

// A deeper item is nested, past the nesting limit it is an item of this list; an item at the
// base indent whose marker changes between bullets and numbers begins a new list. A line
// that is no item must be indented past the base, except directly under a nested item's text.
ListLine lineIn(QStringView t, qsizetype d, qsizetype base, bool ordered, int depth, bool underNestedText)
{
    if (t.isEmpty()) return ListLine::End;
    if (isListItem(t)) {
        if (d < base) return ListLine::End;
        if (d == base) return kindOf(t).ordered == ordered ? ListLine::Item : ListLine::End;
        return depth >= kMaxNesting ? ListLine::Item : ListLine::Nested;
    }
    if (opensBlock(t)) return d > base ? ListLine::Block : ListLine::End;
    return d > base || underNestedText ? ListLine::Text : ListLine::End;
}

// Where the block nested at `from` ends: after a fence's closing line (its code, blank lines
// included), else after its one line.
qsizetype nestedBlockEnd(LineSpan lines, qsizetype from)
{
    const qsizetype n = qsizetype(lines.size());
    if (!trimmedView(lines[from]).startsWith(u"```")) return from + 1;
    qsizetype j = from + 1;
    while (j < n && !trimmedView(lines[j]).startsWith(u"```")) ++j;
    return std::min(j + 1, n);
}

// One list as it is written: an item's "<li>" and task box when it opens; its text once it
// is whole (its first line, or all its lines joined in the renderer's itemLines) and what is
// nested in it when the next item opens or the list closes.
class ListWriter {
public:
    ListWriter(Renderer& r, ListKind kind, qsizetype base, int depth)
        : m_r(r),
          m_tag(kind.ordered ? "ol" : "ul"),
          m_base(base),
          m_depth(depth)
    {
        m_r.out.append(u'<');
        m_r.out.append(m_tag);
        if (kind.ordered && kind.start != 1) {
            m_r.out.append(QLatin1String(" start=\""));
            m_r.out.append(QString::number(kind.start));
            m_r.out.append(u'"');
        }
        m_r.out.append(QLatin1String(">\n"));
    }

    void item(QStringView t)
    {
        if (m_items) {
            finishItem();
            m_r.out.append(QLatin1String("</li>\n"));
        }
        m_items = true;
        m_text = itemText(t);
        m_r.out.append(QLatin1String("<li>"));
        if (m_text.startsWith(u"[ ] ")) {
            m_r.out.append(QLatin1String("<input type=\"checkbox\" disabled> "));
            m_text = m_text.mid(4);
        } else if (m_text.startsWith(u"[x] ", Qt::CaseInsensitive)) {
            m_r.out.append(QLatin1String("<input type=\"checkbox\" checked disabled> "));
            m_text = m_text.mid(4);
        }
    }

    void nested(QStringView line) { m_pending.append(line.mid(std::min(indentOf(line), m_base + kMarkerWidth))); }

    // Once something is nested in the item, later text lines follow it.
    void text(QStringView line)
    {
        if (!m_pending.isEmpty()) {
            nested(line);
            return;
        }
        if (!m_continued) {
            m_r.itemLines.resize(0);
            m_r.itemLines.append(m_text);
        }
        m_continued = true;
        m_r.itemLines.append(u'\n');
        m_r.itemLines.append(trimmedView(line));
    }

    void close()
    {
        finishItem();
        m_r.out.append(QLatin1String("</li>\n</"));
        m_r.out.append(m_tag);
        m_r.out.append(u'>');
    }

private:
    void finishItem()
    {
        m_r.inlineText(m_continued ? QStringView(m_r.itemLines) : m_text);
        m_continued = false;
        if (!m_pending.isEmpty()) m_r.itemContent(m_pending, m_depth);
        m_pending.resize(0);
    }

    Renderer& m_r;
    const QLatin1String m_tag;
    const qsizetype m_base;
    const int m_depth;
    bool m_items = false;
    QStringView m_text;
    bool m_continued = false;
    Lines m_pending;
};

} // namespace

// A list, and every line that belongs to its items: a deeper item starts a nested list, a
// deeper fence holds code of the item, a deeper quote, heading or rule is a block in the item,
// and any other line indented past the marker continues the item's text, or follows what is
// nested in it. In a nested list a line directly under an item's text continues that text
// however far it is indented, as an outer item holds it anyway.
qsizetype Renderer::list(LineSpan lines, qsizetype start, int depth, bool nested)
{
    const qsizetype n = qsizetype(lines.size());
    const qsizetype base = indentOf(lines[start]);
    const ListKind kind = kindOf(trimmedView(lines[start]));
    ListWriter items(*this, kind, base, depth);
    bool underText = false; // the line before is an item's text
    qsizetype j = start;
    while (j < n) {
        const QStringView t = trimmedView(lines[j]);
        const ListLine what = lineIn(t, indentOf(lines[j]), base, kind.ordered, depth, nested && underText);
        if (what == ListLine::End) break;
        if (what == ListLine::Block) {
            const qsizetype end = nestedBlockEnd(lines, j);
            for (; j < end; ++j) items.nested(lines[j]);
            underText = false;
            continue;
        }
        if (what == ListLine::Item)
            items.item(t);
        else if (what == ListLine::Nested)
            items.nested(lines[j]);
        else
            items.text(lines[j]);
        underText = true;
        ++j;
    }
    items.close();
    return j;
}

// What is nested in an item, after its text: lists, fenced code (its lines without the
// fence's indent), quotes, headings and rules, and the lines that follow them.
void Renderer::itemContent(LineSpan lines, int depth)
{
    const qsizetype n = qsizetype(lines.size());
    for (qsizetype k = 0; k < n;) {
        const QStringView t = trimmedView(lines[k]);
        if (isListItem(t)) {
            k = std::max(list(lines, k, depth + 1, true), k + 1);
        } else if (t.startsWith(u"```")) {
            const qsizetype cut = indentOf(lines[k]);
            Lines code{t};
            while (++k < n) {
                code.append(lines[k].mid(std::min(indentOf(lines[k]), cut)));
                if (trimmedView(lines[k]).startsWith(u"```")) {
                    ++k;
                    break;
                }
            }
            fence(code, 0, t);
        } else if (opensBlock(t)) {
            qsizetype end = k + 1;
            if (t.startsWith(u'>'))
                while (end < n && trimmedView(lines[end]).startsWith(u'>')) ++end;
            blocks(lines.subspan(size_t(k), size_t(end - k)), depth + 1);
            k = end;
        } else {
            itemLines.resize(0);
            for (; k < n && !isListItem(trimmedView(lines[k])) && !opensBlock(trimmedView(lines[k])); ++k) {
                if (!itemLines.isEmpty()) itemLines.append(u'\n');
                itemLines.append(trimmedView(lines[k]));
            }
            inlineText(itemLines);
        }
    }
}

void splitRow(QStringView row, Lines& cells)
{
    QStringView s = trimmedView(row);
    if (s.startsWith(u'|')) s = s.mid(1);
    if (s.endsWith(u'|')) s.chop(1);
    cells.resize(0);
    qsizetype from = 0;
    bool escaped = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (escaped)
            escaped = false;
        else if (s[i] == u'\\')
            escaped = true;
        else if (s[i] == u'|') {
            cells.append(s.mid(from, i - from));
            from = i + 1;
        }
    }
    cells.append(s.mid(from));
}

void Renderer::table(QStringView header, QStringView separator, LineSpan rows)
{
    QList<QLatin1String> alignments;
    splitRow(separator, cells);
    for (QStringView cell : std::as_const(cells)) {
        const QStringView c = trimmedView(cell);
        const bool l = c.startsWith(u':'), r = c.endsWith(u':');
        alignments.append(QLatin1String(l && r ? "center" : l ? "left" : r ? "right" : ""));
    }
    const auto row = [&](QStringView line, QLatin1String name) {
        splitRow(line, cells);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            out.append(u'<');
            out.append(name);
            if (c < alignments.size() && !alignments.at(c).isEmpty()) {
                out.append(QLatin1String(" style=\"text-align:"));
                out.append(alignments.at(c));
                out.append(u'"');
            }
            out.append(u'>');
            inlineText(trimmedView(cells.at(c)));
            out.append(QLatin1String("</"));
            out.append(name);
            out.append(u'>');
        }
    };
    out.append(QLatin1String("<table>\n<thead><tr>"));
    row(header, QLatin1String("th"));
    out.append(QLatin1String("</tr></thead>\n<tbody>\n"));
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r) out.append(u'\n');
        out.append(QLatin1String("<tr>"));
        row(rows[r], QLatin1String("td"));
        out.append(QLatin1String("</tr>"));
    }
    out.append(QLatin1String("\n</tbody>\n</table>"));
}

qsizetype Renderer::definitionList(LineSpan lines, qsizetype i)
{
    out.append(QLatin1String("<dl>"));
    qsizetype j = i;
    for (; j < qsizetype(lines.size()); ++j) {
        const QStringView u = trimmedView(lines[j]);
        if (u.isEmpty()) break;
        const bool definition = u.startsWith(u": ");
        if (!definition && !(j + 1 < qsizetype(lines.size()) && trimmedView(lines[j + 1]).startsWith(u": "))) break;
        out.append(QLatin1String(definition ? "<dd>" : "<dt>"));
        inlineText(definition ? u.mid(2) : u);
        out.append(QLatin1String(definition ? "</dd>" : "</dt>"));
    }
    out.append(QLatin1String("</dl>"));
    return j;
}

} // namespace detail

QStringList splitRow(const QString& row)
{
    Lines cells;
    detail::splitRow(row, cells);
    QStringList out;
    for (QStringView c : std::as_const(cells)) out.append(c.toString());
    return out;
}

} // namespace MarkdownHTMLRenderer
