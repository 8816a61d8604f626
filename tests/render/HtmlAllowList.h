#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <utility>

// What exported HTML may hold, checked as a browser reads it: every element and attribute
// one the renderer writes, no markup inside a value, no stray "<" in text, and no address
// that runs script. Shared by the renderer's tests and its fuzz targets.
namespace HtmlAllowList {

struct Tag {
    QString name;
    QList<std::pair<QString, QString>> attributes;
};

inline bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Reads `html` the way a browser's tokenizer does (data, tag, attribute name and value
// states). Returns the start tags; a "<" in text that a browser would take as text is
// reported through `problems` as well, since the renderer escapes every text.
inline QList<Tag> tokenize(const QString& html, QStringList& problems)
{
    QList<Tag> tags;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = html.indexOf(u'<', i);
        if (lt < 0) break;
        i = lt + 1;
        if (i < n && html.at(i) == u'/') {
            const qsizetype gt = html.indexOf(u'>', i);
            i = gt < 0 ? n : gt + 1;
            continue;
        }
        if (i >= n || !html.at(i).isLetter() || html.at(i).unicode() > 0x7f) {
            problems << QStringLiteral("a bare \"<\" at %1").arg(lt);
            continue;
        }
        Tag tag;
        while (i < n && !isSpace(html.at(i)) && html.at(i) != u'/' && html.at(i) != u'>')
            tag.name += html.at(i++).toLower();
        for (;;) {
            while (i < n && (isSpace(html.at(i)) || html.at(i) == u'/')) ++i;
            if (i >= n || html.at(i) == u'>') {
                ++i;
                break;
            }
            QString name(html.at(i++)); // a first "=" belongs to the name
            while (i < n && !isSpace(html.at(i)) && html.at(i) != u'/' && html.at(i) != u'>' && html.at(i) != u'=')
                name += html.at(i++).toLower();
            while (i < n && isSpace(html.at(i))) ++i;
            QString value;
            if (i < n && html.at(i) == u'=') {
                ++i;
                while (i < n && isSpace(html.at(i))) ++i;
                if (i < n && (html.at(i) == u'"' || html.at(i) == u'\'')) {
                    const QChar quote = html.at(i++);
                    const qsizetype end = html.indexOf(quote, i);
                    value = html.mid(i, (end < 0 ? n : end) - i);
                    i = end < 0 ? n : end + 1;
                } else {
                    while (i < n && !isSpace(html.at(i)) && html.at(i) != u'>') value += html.at(i++);
                }
            }
            tag.attributes.append({name.toLower(), value});
        }
        tags << tag;
    }
    return tags;
}

// The scheme a browser reads from an attribute value: character references decoded once,
// leading and trailing controls and spaces dropped, tabs and line breaks removed anywhere.
inline QString schemeAsBrowserReads(QString value)
{
    value.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    value.remove(u'\t').remove(u'\n').remove(u'\r');
    qsizetype b = 0;
    while (b < value.size() && value.at(b).unicode() <= 0x20) ++b;
    QString scheme;
    for (qsizetype i = b; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == u':') return scheme.toLower();
        const bool alpha = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!alpha && (scheme.isEmpty() || !((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.')))
            return {};
        scheme += QChar(c);
    }
    return {};
}

// Empty when the body is sound, else what is wrong with it.
inline QStringList problemsOf(const QString& html)
{
    static const QSet<QString> tagNames{
        "a",    "blockquote", "br",  "code",  "dd",    "del", "div",   "dl",    "dt", "em", "h1",  "h2",
        "h3",   "h4",         "h5",  "h6",    "hr",    "img", "input", "li",    "ol", "p",  "pre", "section",
        "span", "strong",     "sup", "table", "tbody", "td",  "th",    "thead", "tr", "ul"};
    static const QSet<QString> attributeNames{"alt",  "aria-label", "checked", "class", "disabled", "href", "id",
                                              "role", "src",        "start",   "style", "title",    "type"};
    QStringList problems;
    for (const Tag& tag : tokenize(html, problems)) {
        if (!tagNames.contains(tag.name)) problems << QStringLiteral("element <%1>").arg(tag.name);
        QSet<QString> seen;
        for (const auto& [name, value] : tag.attributes) {
            if (!attributeNames.contains(name)) problems << QStringLiteral("attribute %1 on <%2>").arg(name, tag.name);
            if (seen.contains(name)) problems << QStringLiteral("attribute %1 twice on <%2>").arg(name, tag.name);
            seen.insert(name);
            // A list's first number: ASCII digits only, on an ordered list only.
            if (name == u"start"
                && (tag.name != u"ol" || value.isEmpty() || value.size() > 9
                    || !std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })))
                problems << QStringLiteral("start=\"%1\" on <%2>").arg(value, tag.name);
            if (value.contains(u'<') || value.contains(u'>') || value.contains(QChar(0)))
                problems << QStringLiteral("markup in %1=\"%2\"").arg(name, value);
            // Any address a link may lead to (a program's own scheme included), but none
            // that runs script in the page, nor a link to a page made of the address itself.
            const QString scheme = name == u"href" || name == u"src" ? schemeAsBrowserReads(value) : QString();
            if (scheme == u"javascript" || scheme == u"vbscript" || (scheme == u"data" && name == u"href"))
                problems << QStringLiteral("script address in %1=\"%2\"").arg(name, value);
        }
    }
    return problems;
}

} // namespace HtmlAllowList
