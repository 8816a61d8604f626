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

qsizetype Renderer::list(LineSpan lines, qsizetype start, int depth)
{
    const qsizetype base = indentOf(lines[start]);
    // "^\d+[.)]" on the first line decides the kind of the whole list.
    const QStringView first = trimmedView(lines[start]);
    const qsizetype e = markerEnd(first, 0);
    const QLatin1String tag(
        e > 0 && first[0] != u'-' && first[0] != u'*' && first[0] != u'+' && patternsSee(first) ? "ol" : "ul");
    out.append(u'<');
    out.append(tag);
    out.append(QLatin1String(">\n"));

    // Deeper lines become the last item's nested lists. A nested list stops at a line
    // indented less than its own first line; the lines after it start further lists in
    // the same item instead of being dropped.
    Lines pending;
    const auto attachPending = [&] {
        for (qsizetype k = 0; k < pending.size();) k = std::max(list(pending, k, depth + 1), k + 1);
        pending.resize(0);
    };

    bool items = false;
    qsizetype j = start;
    for (; j < qsizetype(lines.size()); ++j) {
        const QStringView t = trimmedView(lines[j]);
        if (t.isEmpty() || !isListItem(t)) break;
        const qsizetype d = indentOf(lines[j]);
        if (d < base) break;
        // Past the nesting limit deeper lines become items of this list.
        if (d == base || depth >= kMaxNesting) {
            attachPending();
            if (items) out.append(QLatin1String("</li>\n"));
            items = true;
            QStringView text = itemText(t);
            out.append(QLatin1String("<li>"));
            if (text.startsWith(u"[ ] ")) {
                out.append(QLatin1String("<input type=\"checkbox\" disabled> "));
                text = text.mid(4);
            } else if (text.startsWith(u"[x] ", Qt::CaseInsensitive)) {
                out.append(QLatin1String("<input type=\"checkbox\" checked disabled> "));
                text = text.mid(4);
            }
            inlineText(text);
        } else {
            pending.append(lines[j].mid(std::min(d, base + 2)));
        }
    }
    attachPending();
    out.append(QLatin1String("</li>\n</"));
    out.append(tag);
    out.append(u'>');
    return j;
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
