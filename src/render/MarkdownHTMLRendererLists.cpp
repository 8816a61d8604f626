#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

namespace MarkdownHTMLRenderer {

using namespace detail;

int leadingSpaces(const QString& line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == u' ') ++n;
    return n;
}

namespace detail {

ListResult collectList(int start, const QStringList& lines, int depth)
{
    static const QRegularExpression item = pattern("^\\s*([-*+]|\\d+[.)])\\s+");
    static const QRegularExpression marker = pattern("^([-*+]|\\d+[.)])\\s+");
    static const QRegularExpression numbered = pattern("^\\d+[.)]");

    const int base = leadingSpaces(lines.at(start));
    const QString tag =
        numbered.match(trimmed(lines.at(start))).hasMatch() ? QStringLiteral("ol") : QStringLiteral("ul");
    QStringList items;
    QStringList pending;

    // Deeper lines become the last item's nested lists. A nested list stops at a line
    // indented less than its own first line; the lines after it start further lists in
    // the same item instead of being dropped.
    const auto attachPending = [&] {
        int k = 0;
        while (k < pending.size()) {
            const ListResult nested = collectList(k, pending, depth + 1);
            if (!items.isEmpty()) items.last() += nested.html;
            k = qMax(nested.next, k + 1);
        }
        pending.clear();
    };

    int j = start;
    for (; j < lines.size(); ++j) {
        const QStringView t = trimmedView(lines.at(j));
        if (t.isEmpty() || !item.match(t).hasMatch()) break;
        const int d = leadingSpaces(lines.at(j));
        if (d < base) break;
        // Past the nesting limit deeper lines become items of this list.
        if (d == base || depth >= kMaxNesting) {
            attachPending();
            QString text = t.toString();
            text.remove(marker);
            QString box;
            if (text.startsWith(QLatin1String("[ ] "))) {
                box = QStringLiteral("<input type=\"checkbox\" disabled> ");
                text.remove(0, 4);
            } else if (text.startsWith(QLatin1String("[x] "), Qt::CaseInsensitive)) {
                box = QStringLiteral("<input type=\"checkbox\" checked disabled> ");
                text.remove(0, 4);
            }
            items << QLatin1String("<li>") + box + renderInline(text);
        } else {
            pending << lines.at(j).mid(qMin(d, base + 2));
        }
    }
    attachPending();
    return {u'<' + tag + QLatin1String(">\n") + items.join(QLatin1String("</li>\n")) + QLatin1String("</li>\n</") + tag
                + u'>',
            j};
}

} // namespace detail

ListResult collectList(int start, const QStringList& lines)
{
    return detail::collectList(start, lines, 0);
}

QStringList splitRow(const QString& row)
{
    QString s = trimmed(row);
    if (s.startsWith(u'|')) s.remove(0, 1);
    if (s.endsWith(u'|')) s.chop(1);
    QStringList cells;
    QString cell;
    bool escaped = false;
    for (const QChar c : std::as_const(s)) {
        if (escaped) {
            cell += c;
            escaped = false;
        } else if (c == u'\\') {
            cell += c;
            escaped = true;
        } else if (c == u'|') {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell;
    return cells;
}

QString renderTable(const QString& header, const QString& separator, const QStringList& rows)
{
    QStringList alignments;
    for (const QString& cell : splitRow(separator)) {
        const QString c = trimmed(cell);
        const bool l = c.startsWith(u':'), r = c.endsWith(u':');
        alignments << (l && r ? QStringLiteral("center")
                       : l    ? QStringLiteral("left")
                       : r    ? QStringLiteral("right")
                              : QString());
    }
    const auto cells = [&](const QString& row, QLatin1String name) {
        QString out;
        const QStringList texts = splitRow(row);
        for (int c = 0; c < texts.size(); ++c) {
            out += u'<' + name;
            if (c < alignments.size() && !alignments.at(c).isEmpty())
                out += QLatin1String(" style=\"text-align:") + alignments.at(c) + u'"';
            out += u'>' + renderInline(trimmed(texts.at(c))) + QLatin1String("</") + name + u'>';
        }
        return out;
    };
    QStringList body;
    body.reserve(rows.size());
    for (const QString& row : rows)
        body << QLatin1String("<tr>") + cells(row, QLatin1String("td")) + QLatin1String("</tr>");
    return QLatin1String("<table>\n<thead><tr>") + cells(header, QLatin1String("th"))
           + QLatin1String("</tr></thead>\n<tbody>\n") + body.join(u'\n') + QLatin1String("\n</tbody>\n</table>");
}

} // namespace MarkdownHTMLRenderer
