#include "render/SyntaxHighlighter.h"

#include "render/MarkdownHTMLRendererPrivate.h"
#include "styling/CodeTokenizer.h"

namespace SyntaxHighlighter {

using CodeTokenizer::Token;

QString highlight(const QString& code, const QString& language)
{
    // Text between and inside tokens is escaped alike; the apostrophe stays.
    auto esc = [&code](int from, int to) {
        return MarkdownHTMLRenderer::detail::escapeHtml(QStringView(code).mid(from, to - from));
    };
    QString html;
    int p = 0;
    for (const Token& t : CodeTokenizer::scan(code, language)) {
        if (p < t.range.location) html += esc(p, t.range.location);
        html += QLatin1String("<span class=\"hl-") + CodeTokenizer::rawValue(t.kind) + QLatin1String("\">");
        html += esc(t.range.location, t.range.end());
        html += QLatin1String("</span>");
        p = t.range.end();
    }
    if (p < code.size()) html += esc(p, int(code.size()));
    return html;
}

} // namespace SyntaxHighlighter
