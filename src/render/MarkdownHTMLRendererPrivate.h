#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// Helpers the renderer's translation units share; not for callers outside the renderer.
namespace MarkdownHTMLRenderer::detail {

// "&", "<", ">" and the double quote as entities; the apostrophe is left alone.
QString escapeHtml(const QString& text);

// Hands out heading ids: a repeated slug gets "-1", "-2", ... and no id is ever handed
// out twice, even when a suffixed form is also a heading's own slug ("a", "a", "a-1").
class SlugRegistry {
public:
    QString take(const QString& slug);

private:
    QHash<QString, int> m_counts; // next suffix to try, per base slug
    QSet<QString> m_used;         // every id handed out
};

} // namespace MarkdownHTMLRenderer::detail
