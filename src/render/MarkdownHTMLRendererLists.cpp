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

// A list, and every line that belongs to its items: a deeper item starts a nested list, a
// deeper fence holds code of the item, a deeper quote, heading or rule is a block in the item,
// and any other line indented past the marker continues
// the item's text, or follows what is nested in it. In a nested list a line directly under an
// item's text continues that text however far it is indented, as an outer item holds it anyway.
qsizetype Renderer::list(LineSpan lines, qsizetype start, int depth, bool nested)
{
    const qsizetype n = qsizetype(lines.size());
    const qsizetype base = indentOf(lines[start]);
    // "^\d+[.)]" on the first line decides the kind of the whole list, and its number where
    // the list starts.
    const QStringView first = trimmedView(lines[start]);
    const qsizetype e = markerEnd(first, 0);
    const bool ordered = e > 0 && first[0] != u'-' && first[0] != u'*' && first[0] != u'+' && patternsSee(first);
    const QLatin1String tag(ordered ? "ol" : "ul");
    out.append(u'<');
    out.append(tag);
    if (const int number = ordered ? markerNumber(first) : 1; number != 1) {
        out.append(QLatin1String(" start=\""));
        out.append(QString::number(number));
        out.append(u'"');
    }
    out.append(QLatin1String(">\n"));

    // The open item's text is written once it is whole: its first line, or all its lines
    // joined in `itemLines`. What is nested in the item waits in `pending`, read by
    // itemContent with its indent cut to at most two past the base.
    QStringView text;
    bool continued = false;
    Lines pending;
    const auto attachPending = [&] {
        if (!text.isNull()) inlineText(continued ? QStringView(itemLines) : text);
        text = {};
        continued = false;
        if (!pending.isEmpty()) itemContent(pending, depth);
        pending.resize(0);
    };
    const auto keep = [&](QStringView line) { pending.append(line.mid(std::min(indentOf(line), base + 2))); };

    bool items = false;
    bool textOpen = false; // the line before is an item's text
    qsizetype j = start;
    while (j < n) {
        const QStringView line = lines[j];
        const QStringView t = trimmedView(line);
        if (t.isEmpty()) break;
        const qsizetype d = indentOf(line);
        if (isListItem(t)) {
            if (d < base) break;
            // Past the nesting limit deeper lines become items of this list.
            if (d == base || depth >= kMaxNesting) {
                attachPending();
                if (items) out.append(QLatin1String("</li>\n"));
                items = true;
                text = itemText(t);
                out.append(QLatin1String("<li>"));
                if (text.startsWith(u"[ ] ")) {
                    out.append(QLatin1String("<input type=\"checkbox\" disabled> "));
                    text = text.mid(4);
                } else if (text.startsWith(u"[x] ", Qt::CaseInsensitive)) {
                    out.append(QLatin1String("<input type=\"checkbox\" checked disabled> "));
                    text = text.mid(4);
                }
            } else {
                keep(line);
            }
            textOpen = true;
            ++j;
        } else if (opensBlock(t)) {
            if (d <= base) break;
            // A quote's, heading's or rule's line; a fence and its code, blank lines included,
            // up to its closing line.
            const qsizetype from = j++;
            if (t.startsWith(u"```")) {
                while (j < n && !trimmedView(lines[j]).startsWith(u"```")) ++j;
                j = std::min(j + 1, n);
            }
            for (qsizetype k = from; k < j; ++k) keep(lines[k]);
            textOpen = false;
        } else {
            if (d <= base && !(nested && textOpen)) break;
            if (!pending.isEmpty()) {
                keep(line);
            } else {
                if (!continued) {
                    itemLines.resize(0);
                    itemLines.append(text);
                }
                continued = true;
                itemLines.append(u'\n');
                itemLines.append(t);
            }
            textOpen = true;
            ++j;
        }
    }
    attachPending();
    out.append(QLatin1String("</li>\n</"));
    out.append(tag);
    out.append(u'>');
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
