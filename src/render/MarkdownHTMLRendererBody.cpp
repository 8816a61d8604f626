#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

#include "styling/MarkdownCleaner.h"

#include <QList>

namespace MarkdownHTMLRenderer {

using namespace detail;

namespace {

struct Footnotes {
    QHash<QString, QString> text; // id -> definition text
    QHash<QString, int> number;   // id -> number, for referenced ids only
    QStringList numbered;         // ids in order of number
    qsizetype longestId = 0;
};

// Takes the footnote definitions out of the lines; fenced code keeps its lines as they
// are. Returns the remaining lines.
QStringList takeDefinitions(const QStringList& lines, Footnotes& notes)
{
    static const QRegularExpression definition = pattern("^\\[\\^[^\\]]+\\]:");
    QStringList kept;
    kept.reserve(lines.size());
    bool inFence = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.contains(QLatin1String("```")) && trimmed(line).startsWith(QLatin1String("```"))) inFence = !inFence;
        if (inFence || !line.startsWith(QLatin1String("[^")) || !definition.match(line).hasMatch()) {
            kept << line;
            continue;
        }
        const qsizetype close = line.indexOf(QLatin1String("]:"));
        const QString id = line.mid(2, close - 2);
        QString text = trimmed(QStringView(line).mid(close + 2));
        while (i + 1 < lines.size()
               && (lines.at(i + 1).startsWith(QLatin1String("    ")) || lines.at(i + 1).startsWith(u'\t')))
            text += u'\n' + trimmed(lines.at(++i));
        notes.text.insert(id, text);
        notes.longestId = qMax(notes.longestId, id.size());
    }
    return kept;
}

// Numbers the references in the rendered HTML in order of first appearance and turns
// them into links. Code (and diagram source) and attribute values are left alone: a
// reference written there is text, not a reference.
QString linkReferences(const QString& html, Footnotes& notes)
{
    static const QLatin1String codeOpen("<code"), codeClose("</code>");
    static const QLatin1String diagramOpen("<div class=\"mermaid\">"), diagramClose("</div>");
    if (notes.text.isEmpty() || !html.contains(QLatin1String("[^"))) return html;
    // An id is at most as long as its escaped form; each character escapes to six at most.
    const qsizetype maxEscaped = notes.longestId * 6;
    QString out;
    out.reserve(html.size() + html.size() / 8);
    const qsizetype n = html.size();
    qsizetype i = 0;
    // The next tag and the next "[^" at or after i, each searched for again only once
    // i has passed it, so that the sweep stays linear.
    qsizetype tagAt = -1, refAt = -1;
    const auto from = [&](qsizetype found) { return found < 0 ? n : found; };
    while (i < n) {
        if (tagAt < i) tagAt = from(html.indexOf(u'<', i));
        if (refAt < i) refAt = from(html.indexOf(QLatin1String("[^"), i));
        const qsizetype next = qMin(tagAt, refAt) == n ? -1 : qMin(tagAt, refAt);
        if (next < 0) {
            out += QStringView(html).mid(i);
            break;
        }
        out += QStringView(html).mid(i, next - i);
        i = next;
        if (html.at(i) == u'<') {
            const bool code = QStringView(html).mid(i).startsWith(codeOpen);
            if (code || QStringView(html).mid(i).startsWith(diagramOpen)) {
                const qsizetype end = html.indexOf(code ? codeClose : diagramClose, i);
                const qsizetype stop = end < 0 ? n : end + (code ? codeClose.size() : diagramClose.size());
                out += QStringView(html).mid(i, stop - i);
                i = stop;
            } else {
                // Any other tag is copied whole: a reference written in a link target or
                // title is part of an attribute value, where markup cannot go.
                const qsizetype end = html.indexOf(u'>', i);
                const qsizetype stop = end < 0 ? n : end + 1;
                out += QStringView(html).mid(i, stop - i);
                i = stop;
            }
            continue;
        }
        qsizetype close = i + 2;
        while (close < n && close - i - 2 <= maxEscaped && html.at(close) != u']' && html.at(close) != u'\n'
               && html.at(close) != u'<')
            ++close;
        // The inline pass has escaped the id ("a&b" reads "a&amp;b" here).
        const QString id =
            close < n && html.at(close) == u']' ? unescapeHtml(html.mid(i + 2, close - i - 2)) : QString();
        if (id.isEmpty() || !notes.text.contains(id)) {
            out += u'[';
            ++i;
            continue;
        }
        int num = notes.number.value(id);
        if (num == 0) {
            notes.numbered << id;
            num = int(notes.numbered.size());
            notes.number.insert(id, num);
        }
        const QString k = QString::number(num);
        out += QLatin1String("<sup class=\"footnote-ref\" id=\"fnref-") + k + QLatin1String("\"><a href=\"#fn-") + k
               + QLatin1String("\">") + k + QLatin1String("</a></sup>");
        i = close + 1;
    }
    return out;
}

QString footnoteSection(const Footnotes& notes)
{
    if (notes.numbered.isEmpty()) return {};
    QString items;
    for (int k = 1; k <= notes.numbered.size(); ++k) {
        const QString n = QString::number(k);
        items += QLatin1String("<li id=\"fn-") + n + QLatin1String("\">")
                 + renderInline(notes.text.value(notes.numbered.at(k - 1))) + QLatin1String(" <a href=\"#fnref-") + n
                 + QLatin1String("\" class=\"footnote-backref\" aria-label=\"Back to content\">") + QChar(0x21A9)
                 + QLatin1String("</a></li>\n");
    }
    return QLatin1String("\n<section class=\"footnotes\" role=\"doc-endnotes\">\n<hr>\n<ol>\n") + items
           + QLatin1String("</ol>\n</section>");
}

QString addHeadingIds(const QString& html)
{
    static const QRegularExpression heading = pattern("<h([1-6])>(.*?)</h\\1>");
    static const QRegularExpression tag = pattern("<[^>]+>");
    SlugRegistry registry;
    return replaceMatches(html, heading, [&](const QRegularExpressionMatch& m) {
        QString text = m.captured(2);
        if (text.contains(u'<')) text.remove(tag);
        const QString id = registry.take(slug(unescapeHtml(text)));
        const QString level = m.captured(1);
        return QLatin1String("<h") + level + QLatin1String(" id=\"") + id + QLatin1String("\">") + m.captured(2)
               + QLatin1String("</h") + level + u'>';
    });
}

} // namespace

QString renderBody(const QString& markdown)
{
    // Line ends and tables repaired first; the block pass relies on "\n" only.
    const QString text = MarkdownCleaner::repairingTables(markdown);
    Footnotes notes;
    const QString body = takeDefinitions(text.split(u'\n'), notes).join(u'\n');
    QString html = linkReferences(detail::renderBlocks(body, 0), notes);
    html += footnoteSection(notes);
    return addHeadingIds(html);
}

} // namespace MarkdownHTMLRenderer
