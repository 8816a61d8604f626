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
// or "<br>", "<i" none of "<img>", "<li" none of "<link>".
#define NAME_END "(?=[\\s/>])"

QString replaceTemplate(const QString& text, const QRegularExpression& re, const QString& templ)
{
    return replaceMatches(text, re, [&](const QRegularExpressionMatch& m) {
        QString out;
        for (qsizetype i = 0; i < templ.size(); ++i) {
            if (templ.at(i) == u'$' && i + 1 < templ.size() && templ.at(i + 1).isDigit())
                out += m.captured(templ.at(++i).digitValue());
            else
                out += templ.at(i);
        }
        return out;
    });
}

QString stripTags(const QString& text)
{
    static const QRegularExpression tag = pattern(QStringLiteral("<[^>]+>"));
    return QString(text).remove(tag);
}

} // namespace

QString convert(const QString& html)
{
    struct Pass {
        QRegularExpression re;
        QString templ;
    };
    static const std::array<Pass, 9> early{{
        {pattern(QStringLiteral("<(script|style|head)" NAME_END "[^>]*>[\\s\\S]*?</\\1>")), QString()},
        {pattern(QStringLiteral("<br\\s*/?>")), QStringLiteral("\n")},
        {pattern(QStringLiteral("</(p|div|section|article)>")), QStringLiteral("\n\n")},
        {pattern(QStringLiteral("<h1[^>]*>([\\s\\S]*?)</h1>")), QStringLiteral("\n# $1\n")},
        {pattern(QStringLiteral("<h2[^>]*>([\\s\\S]*?)</h2>")), QStringLiteral("\n## $1\n")},
        {pattern(QStringLiteral("<h3[^>]*>([\\s\\S]*?)</h3>")), QStringLiteral("\n### $1\n")},
        {pattern(QStringLiteral("<h4[^>]*>([\\s\\S]*?)</h4>")), QStringLiteral("\n#### $1\n")},
        {pattern(QStringLiteral("<h5[^>]*>([\\s\\S]*?)</h5>")), QStringLiteral("\n##### $1\n")},
        {pattern(QStringLiteral("<h6[^>]*>([\\s\\S]*?)</h6>")), QStringLiteral("\n###### $1\n")},
    }};
    static const std::array<Pass, 5> inlinePasses{{
        {pattern(QStringLiteral("<(strong|b)" NAME_END "[^>]*>([\\s\\S]*?)</\\1>")), QStringLiteral("**$2**")},
        {pattern(QStringLiteral("<(em|i)" NAME_END "[^>]*>([\\s\\S]*?)</\\1>")), QStringLiteral("*$2*")},
        {pattern(QStringLiteral("<code" NAME_END "[^>]*>([\\s\\S]*?)</code>")), QStringLiteral("`$1`")},
        {pattern(QStringLiteral("<pre" NAME_END "[^>]*>([\\s\\S]*?)</pre>")), QStringLiteral("\n```\n$1\n```\n")},
        {pattern(QStringLiteral("<blockquote" NAME_END "[^>]*>([\\s\\S]*?)</blockquote>")), QStringLiteral("\n> $1\n")},
    }};
    // Images and links: attribute values in double quotes only. An image whose alt comes
    // before its src keeps the alt text; any other image gets an empty one.
    static const QRegularExpression imageWithAlt =
        pattern(QStringLiteral("<img" NAME_END "[^>]*?\\salt=\"([^\"]*)\"[^>]*?\\ssrc=\"([^\"]*)\"[^>]*>"));
    static const QRegularExpression image = pattern(QStringLiteral("<img" NAME_END "[^>]*?\\ssrc=\"([^\"]*)\"[^>]*>"));
    static const QRegularExpression link =
        pattern(QStringLiteral("<a" NAME_END "[^>]*?\\shref=\"([^\"]*)\"[^>]*>([\\s\\S]*?)</a>"));
    static const std::array<Pass, 3> late{{
        {pattern(QStringLiteral("<li" NAME_END "[^>]*>([\\s\\S]*?)</li>")), QStringLiteral("- $1\n")},
        {pattern(QStringLiteral("</?(ul|ol)" NAME_END "[^>]*>")), QStringLiteral("\n")},
        {pattern(QStringLiteral("<[^>]+>")), QString()},
    }};
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

    QString s = html;
    for (const Pass& p : early)
        s = replaceTemplate(s, p.re, p.templ);
    for (const Pass& p : inlinePasses)
        s = replaceTemplate(s, p.re, p.templ);
    s = replaceMatches(s, imageWithAlt, [](const QRegularExpressionMatch& m) {
        return QLatin1String("![") + m.captured(1) + QLatin1String("](") + m.captured(2) + u')';
    });
    s = replaceMatches(s, image, [](const QRegularExpressionMatch& m) {
        return QLatin1String("![](") + m.captured(1) + u')';
    });
    s = replaceMatches(s, link, [](const QRegularExpressionMatch& m) {
        return u'[' + stripTags(m.captured(2)) + QLatin1String("](") + m.captured(1) + u')';
    });
    for (const Pass& p : late)
        s = replaceTemplate(s, p.re, p.templ);
    for (const auto& [reference, text] : references)
        s.replace(reference, text);
    s.replace(blanksBeforeBreak, QStringLiteral("\n"));
    s.replace(manyBreaks, QStringLiteral("\n\n"));
    return TextUtil::trimWhitespaceAndNewlines(s);
}

#undef NAME_END

} // namespace HtmlToMarkdown
