#include "render/HtmlToMarkdown.h"

#include "platform/TextUtil.h"
#include "render/RegexReplace.h"

#include <array>
#include <utility>

namespace HtmlToMarkdown {

namespace {

QRegularExpression pattern(const QString& re)
{
    return QRegularExpression(re, QRegularExpression::CaseInsensitiveOption
                                      | QRegularExpression::UseUnicodePropertiesOption);
}

// An opening tag's name must end where the pattern says: "<b" is no prefix of "<body>"
// or "<br>", "<i" none of "<img>", "<li" none of "<link>". A tag's attributes never run
// past another "<": pasted text full of unclosed tags would otherwise be searched to its
// end from every one of them (minutes for a megabyte of "<a href=").
#define NAME_END "(?=[\\s/>])"

QString stripTags(const QString& text)
{
    static const QRegularExpression tag = pattern(QStringLiteral("<[^>]+>"));
    return QString(text).remove(tag);
}

} // namespace

QString convert(const QString& html)
{
    // An element pass: the opening tag (group 1 names the element when the end tag is
    // not given), and the text put before and after the element's content.
    struct ElementPass {
        QRegularExpression open;
        QString endTag;
        QString before, after;
    };
    const auto element = [](const char* open, const char* endTag, const char* before, const char* after) {
        return ElementPass{pattern(QString::fromLatin1(open)), QString::fromLatin1(endTag), QString::fromLatin1(before),
                           QString::fromLatin1(after)};
    };
    static const QRegularExpression removed = pattern(QStringLiteral("<(script|style|head)" NAME_END "[^<>]*>"));
    static const QRegularExpression lineBreak = pattern(QStringLiteral("<br\\s*/?>"));
    static const QRegularExpression blockEnd = pattern(QStringLiteral("</(p|div|section|article)>"));
    static const std::array<ElementPass, 6> headings{{
        element("<h1[^<>]*>", "</h1>", "\n# ", "\n"),
        element("<h2[^<>]*>", "</h2>", "\n## ", "\n"),
        element("<h3[^<>]*>", "</h3>", "\n### ", "\n"),
        element("<h4[^<>]*>", "</h4>", "\n#### ", "\n"),
        element("<h5[^<>]*>", "</h5>", "\n##### ", "\n"),
        element("<h6[^<>]*>", "</h6>", "\n###### ", "\n"),
    }};
    static const std::array<ElementPass, 5> inlinePasses{{
        element("<(strong|b)" NAME_END "[^<>]*>", "", "**", "**"),
        element("<(em|i)" NAME_END "[^<>]*>", "", "*", "*"),
        element("<code" NAME_END "[^<>]*>", "</code>", "`", "`"),
        element("<pre" NAME_END "[^<>]*>", "</pre>", "\n```\n", "\n```\n"),
        element("<blockquote" NAME_END "[^<>]*>", "</blockquote>", "\n> ", "\n"),
    }};
    // Images and links: attribute values in double quotes only. An image whose alt comes
    // before its src keeps the alt text; any other image gets an empty one.
    static const QRegularExpression imageWithAlt =
        pattern(QStringLiteral("<img" NAME_END "[^<>]*?\\salt=\"([^\"]*)\"[^<>]*?\\ssrc=\"([^\"]*)\"[^<>]*>"));
    static const QRegularExpression image =
        pattern(QStringLiteral("<img" NAME_END "[^<>]*?\\ssrc=\"([^\"]*)\"[^<>]*>"));
    static const QRegularExpression linkOpen =
        pattern(QStringLiteral("<a" NAME_END "[^<>]*?\\shref=\"([^\"]*)\"[^<>]*>"));
    static const ElementPass listItem = element("<li" NAME_END "[^<>]*>", "</li>", "- ", "\n");
    static const QRegularExpression listTag = pattern(QStringLiteral("</?(ul|ol)" NAME_END "[^<>]*>"));
    static const QRegularExpression anyTag = pattern(QStringLiteral("<[^>]+>"));
    static const QRegularExpression blanksBeforeBreak = pattern(QStringLiteral("[ \\t]+\n"));
    static const QRegularExpression manyBreaks = pattern(QStringLiteral("\n{3,}"));
    static const std::array<std::pair<QLatin1String, QString>, 9> references{{
        {QLatin1String("&lt;"), QStringLiteral("<")},
        {QLatin1String("&gt;"), QStringLiteral(">")},
        {QLatin1String("&quot;"), QStringLiteral("\"")},
        {QLatin1String("&#39;"), QStringLiteral("'")},
        {QLatin1String("&apos;"), QStringLiteral("'")},
        {QLatin1String("&nbsp;"), QStringLiteral(" ")},
        {QLatin1String("&mdash;"), QString(QChar(0x2014))},
        {QLatin1String("&ndash;"), QString(QChar(0x2013))},
        {QLatin1String("&amp;"), QStringLiteral("&")},
    }};
    const auto apply = [](const QString& text, const ElementPass& p) {
        return replaceElements(text, p.open, p.endTag, [&p](const QRegularExpressionMatch&, QStringView content) {
            QString out = p.before;
            out += content;
            return out + p.after;
        });
    };

    // Scripts, style sheets and the head go with their content.
    QString s =
        replaceElements(html, removed, {}, [](const QRegularExpressionMatch&, QStringView) { return QString(); });
    s.replace(lineBreak, QStringLiteral("\n"));
    s.replace(blockEnd, QStringLiteral("\n\n"));
    for (const ElementPass& p : headings) s = apply(s, p);
    for (const ElementPass& p : inlinePasses) s = apply(s, p);
    s = replaceMatches(s, imageWithAlt, [](const QRegularExpressionMatch& m) {
        return QLatin1String("![") + m.captured(1) + QLatin1String("](") + m.captured(2) + u')';
    });
    s = replaceMatches(s, image,
                       [](const QRegularExpressionMatch& m) { return QLatin1String("![](") + m.captured(1) + u')'; });
    s = replaceElements(s, linkOpen, QStringLiteral("</a>"), [](const QRegularExpressionMatch& m, QStringView text) {
        return u'[' + stripTags(text.toString()) + QLatin1String("](") + m.captured(1) + u')';
    });
    s = apply(s, listItem);
    s.replace(listTag, QStringLiteral("\n"));
    s.remove(anyTag);
    for (const auto& [reference, text] : references) s.replace(reference, text);
    s.replace(blanksBeforeBreak, QStringLiteral("\n"));
    s.replace(manyBreaks, QStringLiteral("\n\n"));
    return TextUtil::trimWhitespaceAndNewlines(s);
}

#undef NAME_END

} // namespace HtmlToMarkdown
