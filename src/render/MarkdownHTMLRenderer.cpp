#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"
#include "render/SyntaxHighlighter.h"
#include "styling/ColumnWidths.h"

namespace MarkdownHTMLRenderer {

using namespace detail;

namespace {

const QRegularExpression& thematicBreak()
{
    static const QRegularExpression re = pattern("^([-*_])\\s*(\\1\\s*){2,}$");
    return re;
}

const QRegularExpression& listItem()
{
    static const QRegularExpression re = pattern("^\\s*([-*+]|\\d+[.)])\\s+");
    return re;
}

bool matches(const QRegularExpression& re, const QString& s)
{
    return re.match(s).hasMatch();
}

// The grid's column-width comment is editor state, hidden in the editor: it renders as
// nothing and neither starts nor ends a block, so the table under it stays a table.
bool isWidthComment(const QString& t)
{
    return t.startsWith(QLatin1String("<!--")) && TableColumnWidths::parse(t).has_value();
}

// Fenced code: the info string after the three backticks, the lines up to the closing
// fence (or the end). Returns the index after the block.
int renderFence(const QStringList& lines, int i, const QString& t, QStringList& blocks)
{
    const QString info = trimmed(QStringView(t).mid(3));
    int j = i + 1;
    QStringList code;
    while (j < lines.size() && !trimmed(lines.at(j)).startsWith(QLatin1String("```"))) code << lines.at(j++);
    const QString text = code.join(u'\n');
    if (info.toLower() == QLatin1String("mermaid")) {
        // The diagram script reads the element's text, so escaping changes nothing for it
        // but keeps markup in the diagram source from becoming part of the page.
        blocks << QLatin1String("<div class=\"mermaid\">") + escapeHtml(text) + QLatin1String("</div>");
    } else if (info.isEmpty()) {
        blocks << QLatin1String("<pre><code>") + escapeHtml(text) + QLatin1String("</code></pre>");
    } else {
        blocks << QLatin1String("<pre><code class=\"language-") + escapeHtml(info) + QLatin1String("\">")
                      + SyntaxHighlighter::highlight(text, info) + QLatin1String("</code></pre>");
    }
    return j < lines.size() ? j + 1 : j;
}

int renderQuote(const QStringList& lines, int i, int depth, QStringList& blocks)
{
    static const QRegularExpression calloutRe(QStringLiteral("^\\[!(NOTE|TIP|IMPORTANT|WARNING|CAUTION)\\]"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList inner;
    int j = i;
    for (; j < lines.size(); ++j) {
        const QString u = trimmed(lines.at(j));
        if (!u.startsWith(u'>')) break;
        QStringView rest = QStringView(u).mid(1);
        if (!rest.isEmpty() && (rest.front() == u' ' || rest.front() == u'\t')) rest = rest.mid(1);
        inner << rest.toString();
    }
    const QRegularExpressionMatch callout = calloutRe.match(inner.first());
    if (callout.hasMatch()) {
        const QString kind = callout.captured(1).toLower();
        QString title = trimmed(QStringView(inner.first()).mid(callout.capturedEnd()));
        if (title.isEmpty()) title = kind.left(1).toUpper() + kind.mid(1);
        const QString body = renderBlocks(inner.mid(1).join(u'\n'), depth + 1);
        blocks << QLatin1String("<div class=\"callout callout-") + kind
                      + QLatin1String("\"><p class=\"callout-title\">") + escapeHtml(title) + QLatin1String("</p>")
                      + body + QLatin1String("</div>");
    } else {
        blocks << QLatin1String("<blockquote>") + renderBlocks(inner.join(u'\n'), depth + 1)
                      + QLatin1String("</blockquote>");
    }
    return j;
}

int renderDefinitionList(const QStringList& lines, const QStringList& trims, int i, QStringList& blocks)
{
    QString html = QStringLiteral("<dl>");
    int j = i;
    for (; j < lines.size(); ++j) {
        const QString& u = trims.at(j);
        if (u.isEmpty()) break;
        if (u.startsWith(QLatin1String(": ")))
            html += QLatin1String("<dd>") + renderInline(u.mid(2)) + QLatin1String("</dd>");
        else if (j + 1 < lines.size() && trims.at(j + 1).startsWith(QLatin1String(": ")))
            html += QLatin1String("<dt>") + renderInline(u) + QLatin1String("</dt>");
        else
            break;
    }
    blocks << html + QLatin1String("</dl>");
    return j;
}

} // namespace

namespace detail {

QString renderBlocks(const QString& text, int depth)
{
    static const QRegularExpression alignRe = pattern("^\\{\\.(left|right|center|justify)\\}$");
    static const QRegularExpression separatorRe = pattern("^\\s*\\|?\\s*:?-+:?\\s*(\\|\\s*:?-+:?\\s*)+\\|?\\s*$");

    const QStringList lines = text.split(u'\n');
    QStringList trims;
    trims.reserve(lines.size());
    for (const QString& l : lines) trims << trimmed(l);

    const auto isHeading = [](const QString& t) { return t.startsWith(u'#') && parseHeading(t).level > 0; };

    QStringList blocks;
    QString alignment;
    int i = 0;
    while (i < lines.size()) {
        const QString& line = lines.at(i);
        const QString& t = trims.at(i);
        if (t.startsWith(QLatin1String("{.")) && matches(alignRe, t)) {
            alignment = t.mid(2, t.size() - 3);
            ++i;
        } else if (isWidthComment(t)) {
            ++i;
        } else if (t.startsWith(QLatin1String("```"))) {
            i = renderFence(lines, i, t, blocks);
        } else if (t.isEmpty()) {
            ++i;
        } else if (matches(thematicBreak(), t)) {
            blocks << QStringLiteral("<hr>");
            ++i;
        } else if (const Heading h = t.startsWith(u'#') ? parseHeading(t) : Heading{}; h.level > 0) {
            const QString n = QString::number(h.level);
            blocks << QLatin1String("<h") + n + u'>' + renderInline(h.text) + QLatin1String("</h") + n + u'>';
            ++i;
        } else if (t.startsWith(u'>') && depth < kMaxNesting) {
            i = renderQuote(lines, i, depth, blocks);
        } else if (line.contains(u'|') && i + 1 < lines.size() && lines.at(i + 1).contains(u'-')
                   && matches(separatorRe, lines.at(i + 1))) {
            int j = i + 2;
            while (j < lines.size() && lines.at(j).contains(u'|') && !trims.at(j).isEmpty()) ++j;
            const QString table = renderTable(line, lines.at(i + 1), lines.mid(i + 2, j - i - 2));
            if (alignment == QLatin1String("left") || alignment == QLatin1String("right")
                || alignment == QLatin1String("justify"))
                blocks << QLatin1String("<div class=\"float-") + alignment + QLatin1String("\">") + table
                              + QLatin1String("</div>");
            else
                blocks << table;
            alignment.clear();
            i = j;
        } else if (matches(listItem(), t)) {
            const ListResult list = detail::collectList(i, lines, depth);
            blocks << list.html;
            i = list.next;
        } else if (i + 1 < lines.size() && trims.at(i + 1).startsWith(QLatin1String(": "))) {
            i = renderDefinitionList(lines, trims, i, blocks);
        } else {
            QStringList para{t};
            int j = i + 1;
            for (; j < lines.size(); ++j) {
                const QString& u = trims.at(j);
                if (u.isEmpty() || u.startsWith(u'>') || u.startsWith(QLatin1String("```"))
                    || matches(thematicBreak(), u) || isHeading(u) || matches(listItem(), u))
                    break;
                if (!isWidthComment(u)) para << u;
            }
            const QString content = renderInline(para.join(u'\n'));
            if (alignment.isEmpty())
                blocks << QLatin1String("<p>") + content + QLatin1String("</p>");
            else
                blocks << QLatin1String("<p style=\"text-align:") + alignment + QLatin1String("\">") + content
                              + QLatin1String("</p>");
            alignment.clear();
            i = j;
        }
    }
    return blocks.join(u'\n');
}

} // namespace detail

QString renderBlocks(const QString& text)
{
    return detail::renderBlocks(text, 0);
}

Heading parseHeading(const QString& trimmedLine)
{
    static const QRegularExpression open = pattern("^(#{1,6})\\s+");
    static const QRegularExpression closing = pattern("\\s+#+\\s*$");
    const QRegularExpressionMatch m = open.match(trimmedLine);
    if (!m.hasMatch()) return {};
    QString text = trimmed(QStringView(trimmedLine).mid(m.capturedEnd()));
    if (text.contains(u'#')) text.remove(closing);
    return {int(m.capturedLength(1)), text};
}

} // namespace MarkdownHTMLRenderer
