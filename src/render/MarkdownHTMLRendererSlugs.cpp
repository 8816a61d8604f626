#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

#include "platform/TextUtil.h"

namespace MarkdownHTMLRenderer {

QString slug(const QString& text)
{
    const QString lower = text.toLower();
    QString out;
    out.reserve(lower.size());
    TextUtil::forEachGrapheme(lower, [&](TextRange r) {
        const QStringView g = QStringView(lower).mid(r.location, r.length);
        const char32_t c = TextUtil::codePointAt(g, 0);
        if (g == u" " || g == u"-")
            out += u'-';
        else if (c == U'_' || QChar::isLetter(c) || QChar::isNumber(c))
            out += g;
        return true;
    });
    while (out.contains(QLatin1String("--"))) out.replace(QLatin1String("--"), QLatin1String("-"));
    qsizetype b = 0, e = out.size();
    while (b < e && out.at(b) == u'-') ++b;
    while (e > b && out.at(e - 1) == u'-') --e;
    out = out.mid(b, e - b);
    return out.isEmpty() ? QStringLiteral("section") : out;
}

QStringList uniqueSlugs(const QStringList& headings)
{
    detail::SlugRegistry registry;
    QStringList out;
    out.reserve(headings.size());
    for (const QString& h : headings) out << registry.take(slug(h));
    return out;
}

namespace detail {

QString SlugRegistry::take(const QString& slug)
{
    if (!m_used.contains(slug)) {
        m_used.insert(slug);
        m_counts.insert(slug, 1);
        return slug;
    }
    int& next = m_counts[slug];
    if (next < 1) next = 1; // a slug first seen as another heading's suffixed id
    QString id;
    do {
        id = slug + u'-' + QString::number(next++);
    } while (m_used.contains(id));
    m_used.insert(id);
    return id;
}

} // namespace detail
} // namespace MarkdownHTMLRenderer
