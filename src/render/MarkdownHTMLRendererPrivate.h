#pragma once

#include "render/MarkdownHTMLRenderer.h"
#include "render/RegexReplace.h"

#include <QHash>
#include <QSet>
#include <QString>

// Helpers the renderer's translation units share; not for callers outside the renderer.
namespace MarkdownHTMLRenderer::detail {

// Quotes and nested lists deeper than this are not nested further, so that hostile
// input cannot exhaust the stack.
constexpr int kMaxNesting = 48;

// "&", "<", ">" and the double quote as entities; the apostrophe is left alone.
QString escapeHtml(QStringView text);
// The reverse for the five entities the renderer itself writes (and "&#39;").
QString unescapeHtml(QString text);

// Trimmed as the block pass means it: tab and Unicode space separators, not line breaks.
QString trimmed(QStringView line);
QStringView trimmedView(QStringView line);

// A pattern compiled the renderer's way: case-sensitive, "\s" and friends Unicode.
QRegularExpression pattern(const char* re);

// Single-marker emphasis ("*a*", "_a_") turned into <em> elements.
QString replaceEmphasis(const QString& s);

// `javascript:` and `vbscript:` targets (as a browser would read the scheme) become "#".
QString safeUrl(const QString& url);

// Hands out heading ids: a repeated slug gets "-1", "-2", ... and no id is ever handed
// out twice, even when a suffixed form is also a heading's own slug ("a", "a", "a-1").
class SlugRegistry {
public:
    QString take(const QString& slug);

private:
    QHash<QString, int> m_counts; // next suffix to try, per base slug
    QSet<QString> m_used;         // every id handed out
};

// The block pass and the list collector, with the nesting depth of the call.
QString renderBlocks(const QString& text, int depth);
ListResult collectList(int start, const QStringList& lines, int depth);

} // namespace MarkdownHTMLRenderer::detail
