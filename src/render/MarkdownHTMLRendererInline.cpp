#include "render/MarkdownHTMLRenderer.h"
#include "render/MarkdownHTMLRendererPrivate.h"

#include "platform/TextUtil.h"

#include <QUrl>

namespace MarkdownHTMLRenderer {
namespace detail {

QString escapeHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

QString unescapeHtml(QString text)
{
    if (!text.contains(u'&')) return text;
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    return text;
}

static bool isBlank(QChar c)
{
    if (c.unicode() < 0x80) return c == u' ' || c == u'\t';
    return TextUtil::isHorizontalWhitespace(c.unicode()); // Zs are all in the BMP
}

QStringView trimmedView(QStringView line)
{
    qsizetype b = 0, e = line.size();
    while (b < e && isBlank(line.at(b))) ++b;
    while (e > b && isBlank(line.at(e - 1))) --e;
    return line.mid(b, e - b);
}

QString trimmed(QStringView line)
{
    return trimmedView(line).toString();
}

QRegularExpression pattern(const char* re)
{
    QRegularExpression r(QString::fromLatin1(re), QRegularExpression::UseUnicodePropertiesOption);
    Q_ASSERT(r.isValid());
    return r;
}

QString safeUrl(const QString& url)
{
    // Browsers skip leading controls and spaces and ignore tabs and line breaks inside
    // the scheme, so look at the scheme the way they do.
    QString scheme;
    for (const QChar c : url) {
        if (c == u':') break;
        if (c.unicode() <= 0x20) continue;
        scheme += c.toLower();
        if (scheme.size() > 10) break;
    }
    if (url.contains(u':') && (scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript")))
        return QStringLiteral("#");
    return url;
}

static bool isDelimiter(QChar c)
{
    return c == u'*' || c == u'_';
}

// Single-marker emphasis, as the pattern
//   (?<![*_])([*_])(?![\s*_])(.+?)(?<![\s*_])\1(?![*_])
// would find it, in one linear sweep: the lazy search for a closer runs from every
// opener to the end of its line, which on a long line full of unmatched openers costs
// quadratic time. A closer's validity does not depend on its opener, so the nearest
// valid closer of each kind is precomputed from the right.
QString replaceEmphasis(const QString& s)
{
    const qsizetype n = s.size();
    const auto closes = [&](qsizetype q, QChar c) {
        return s.at(q) == c && q > 0 && !s.at(q - 1).isSpace() && !isDelimiter(s.at(q - 1))
               && (q + 1 >= n || !isDelimiter(s.at(q + 1)));
    };
    // nextStar[q] / nextUnderscore[q]: the first valid closer at or after q on q's line, or -1.
    QList<qsizetype> nextStar(n + 1, -1), nextUnderscore(n + 1, -1);
    for (qsizetype q = n - 1; q >= 0; --q) {
        if (s.at(q) == u'\n') continue; // a closer never lies beyond the line's end
        nextStar[q] = closes(q, u'*') ? q : nextStar[q + 1];
        nextUnderscore[q] = closes(q, u'_') ? q : nextUnderscore[q + 1];
    }
    QString out;
    qsizetype copied = 0;
    for (qsizetype p = 0; p + 2 < n; ++p) {
        const QChar c = s.at(p);
        if (!isDelimiter(c) || (p > 0 && isDelimiter(s.at(p - 1))) || s.at(p + 1).isSpace() || isDelimiter(s.at(p + 1))
            || s.at(p + 1) == u'\n')
            continue;
        const qsizetype q = (c == u'*' ? nextStar : nextUnderscore)[p + 2];
        if (q < 0) continue;
        if (out.isEmpty()) out.reserve(n + 64);
        out += QStringView(s).mid(copied, p - copied);
        out += QLatin1String("<em>");
        out += QStringView(s).mid(p + 1, q - p - 1);
        out += QLatin1String("</em>");
        copied = q + 1;
        p = q;
    }
    if (copied == 0) return s;
    out += QStringView(s).mid(copied);
    return out;
}

} // namespace detail

using namespace detail;

namespace {

// Placeholders for pieces no later pass may touch: code ("\0C<k>\0"), math
// ("\0M<k>\0") and tags made by the link passes ("<\0T<k>>"). A tag placeholder begins
// with "<" and ends with ">" like the tag it stands for, so the bare-address pass sees
// the same neighbours it would see in the real markup.
//
// A later pass may find a placeholder inside what becomes an attribute value (an image
// written in a link's title, a wiki link in an image's source). An attribute holds text
// only, so there every placeholder becomes the text it was made from: code and math their
// escaped text, a tag the (escaped) Markdown it replaced. Every tag a link pass writes is
// a placeholder, closing tags included, so that nothing of a link survives into an
// attribute as markup.
struct Stash {
    QStringList code, math, tags;
    QStringList codeText;  // each code span's escaped text, without its element
    QStringList tagSource; // the escaped Markdown each tag placeholder replaced

    QString codeToken(const QString& escapedText)
    {
        codeText << escapedText;
        return token(u'C', code, QLatin1String("<code>") + escapedText + QLatin1String("</code>"),
                     QStringLiteral("\0"));
    }
    QString mathToken(const QString& html) { return token(u'M', math, html, QStringLiteral("\0")); }
    // `source` is the Markdown the tag stands for, as it reads in the escaped text (it may
    // hold placeholders itself). The tag's own attribute values are made plain here.
    QString tagToken(const QString& html, const QString& source)
    {
        tagSource << source;
        return QStringLiteral("<") + token(u'T', tags, plain(html), QStringLiteral(">"));
    }

    // Every placeholder as plain escaped text, for attribute values.
    QString plain(const QString& text) const { return expand(text, true); }
    // Puts every placeholder back.
    QString restore(const QString& text) const { return expand(text, false); }

private:
    // Every placeholder replaced in one sweep. Math may hold code placeholders, and a tag's
    // source those of earlier passes only (a pass never matches across its own results),
    // so the recursion is as deep as the passes are many.
    QString expand(const QString& text, bool asText) const
    {
        if (!text.contains(QChar(0))) return text;
        QString out;
        out.reserve(text.size() * 2);
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = text.at(i);
            if (c == u'<' && i + 1 < n && text.at(i + 1).unicode() == 0)
                continue; // the "<" that opens a tag placeholder
            if (c.unicode() != 0 || i + 1 >= n) {
                out += c;
                continue;
            }
            const QChar kind = text.at(i + 1);
            qsizetype j = i + 2;
            int k = 0;
            while (j < n && text.at(j).isDigit()) k = k * 10 + text.at(j++).digitValue();
            if (kind == u'C')
                out += (asText ? codeText : code).value(k);
            else if (kind == u'M')
                out += expand(math.value(k), asText);
            else if (asText)
                out += expand(tagSource.value(k), true);
            else
                out += tags.value(k); // made plain when it was stashed
            i = j;                    // the closing NUL or ">"
        }
        return out;
    }

    static QString token(QChar kind, QStringList& list, const QString& html, const QString& close)
    {
        list << html;
        return QChar(0) + QString(kind) + QString::number(list.size() - 1) + close;
    }
};

QString attr(const char* name, const QString& value)
{
    return QLatin1Char(' ') + QLatin1String(name) + QLatin1String("=\"") + value + QLatin1Char('"');
}

QString wikiHref(const QString& target)
{
    // The characters a URL path may hold as they are; everything else percent-encoded.
    const QByteArray encoded = QUrl::toPercentEncoding(target, "!$&'()*+,/:;=@");
    return QString::fromLatin1(encoded) + QLatin1String(".md");
}

} // namespace

QString renderInline(const QString& input)
{
    static const QRegularExpression codeSpan = pattern("`+([^`]+?)`+");
    static const QRegularExpression displayMath = pattern("\\$\\$[\\s\\S]+?\\$\\$");
    static const QRegularExpression inlineMath = pattern("(?<!\\$)\\$(?!\\$)([^$\\n]+?)\\$(?!\\$)");
    static const QRegularExpression wikiLink = pattern("\\[\\[([^\\]|]+?)(?:\\|([^\\]]+?))?\\]\\]");
    static const QRegularExpression image =
        pattern("!\\[([^\\]]*)\\]\\(([^)\\s]+)(?:\\s+&quot;([^&]*)&quot;)?\\)(?:\\{\\.(left|right|center)\\})?");
    static const QRegularExpression link = pattern("\\[([^\\]]+)\\]\\(([^)\\s]+)(?:\\s+&quot;([^&]*)&quot;)?\\)");
    // An address between angle brackets ends at the first ">" and leaves the brackets out.
    static const QRegularExpression bareUrl = pattern("&lt;(https?://[^\\s<]+?)&gt;|(?<![\"=>])(https?://[^\\s<]+)");
    static const QRegularExpression strongEm = pattern("\\*\\*\\*(.+?)\\*\\*\\*");
    static const QRegularExpression strong = pattern("(\\*\\*|__)(.+?)\\1");
    static const QRegularExpression strike = pattern("~~(.+?)~~");

    Stash stash;
    // A NUL in the text could pose as a placeholder.
    QString s = input.contains(QChar(0)) ? QString(input).replace(QChar(0), QChar(0xFFFD)) : input;
    // A pass runs only when the text holds the characters it needs.
    const auto apply = [&s](bool needed, const QRegularExpression& re,
                            const std::function<QString(const QRegularExpressionMatch&)>& f) {
        if (needed) s = replaceMatches(s, re, f);
    };

    apply(s.contains(u'`'), codeSpan,
          [&](const QRegularExpressionMatch& m) { return stash.codeToken(escapeHtml(m.capturedView(1))); });
    // Math is delivered as written for the page's math script, but escaped: the script
    // reads the decoded text, so typesetting is the same and no markup slips through.
    const auto toMath = [&](const QRegularExpressionMatch& m) {
        return stash.mathToken(escapeHtml(m.capturedView(0)));
    };
    apply(s.contains(u'$'), displayMath, toMath);
    apply(s.contains(u'$'), inlineMath, toMath);
    s = escapeHtml(s);

    // Tags made from here on are stashed whole, so that the emphasis passes cannot reach
    // into their attributes; the texts between them stay open to emphasis.
    // An address in a link's text stays text: an anchor cannot hold another anchor.
    const auto keepAddresses = [&](const QString& label) {
        if (!label.contains(QLatin1String("://"))) return label;
        return replaceMatches(label, bareUrl, [&](const QRegularExpressionMatch& m) {
            return stash.tagToken(m.captured(0), m.captured(0));
        });
    };
    apply(s.contains(QLatin1String("[[")), wikiLink, [&](const QRegularExpressionMatch& m) {
        const QString target = TextUtil::trimWhitespace(stash.plain(m.captured(1)));
        const bool labelled = !m.capturedView(2).isEmpty();
        const QString label = keepAddresses(labelled ? m.captured(2) : m.captured(1));
        const QString opening =
            labelled ? m.captured(0).left(m.capturedStart(2) - m.capturedStart(0)) : QStringLiteral("[[");
        return stash.tagToken(QLatin1String("<a class=\"wikilink\" href=\"") + safeUrl(wikiHref(target))
                                  + QLatin1String("\">"),
                              opening)
               + label + stash.tagToken(QStringLiteral("</a>"), QStringLiteral("]]"));
    });
    apply(s.contains(QLatin1String("![")), image, [&](const QRegularExpressionMatch& m) {
        QString tag =
            QLatin1String("<img") + attr("src", safeUrl(stash.plain(m.captured(2)))) + attr("alt", m.captured(1));
        if (!m.capturedView(3).isEmpty()) tag += attr("title", m.captured(3));
        if (!m.capturedView(4).isEmpty()) tag += attr("class", QLatin1String("float-") + m.captured(4));
        return stash.tagToken(tag + QLatin1Char('>'), m.captured(0));
    });
    apply(s.contains(QLatin1String("](")), link, [&](const QRegularExpressionMatch& m) {
        QString tag = QLatin1String("<a") + attr("href", safeUrl(stash.plain(m.captured(2))));
        if (!m.capturedView(3).isEmpty()) tag += attr("title", m.captured(3));
        const QString closing = m.captured(0).mid(m.capturedEnd(1) - m.capturedStart(0));
        return stash.tagToken(tag + QLatin1Char('>'), QStringLiteral("[")) + keepAddresses(m.captured(1))
               + stash.tagToken(QStringLiteral("</a>"), closing);
    });
    apply(s.contains(QLatin1String("://")), bareUrl, [&](const QRegularExpressionMatch& m) {
        // An address is shown as written: its text is no place for emphasis either.
        const QString url = m.capturedLength(1) > 0 ? m.captured(1) : m.captured(2);
        return stash.tagToken(QLatin1String("<a href=\"") + url + QLatin1String("\">") + url + QLatin1String("</a>"),
                              m.captured(0));
    });

    apply(s.contains(QLatin1String("***")), strongEm, [](const QRegularExpressionMatch& m) {
        return QLatin1String("<strong><em>") + m.captured(1) + QLatin1String("</em></strong>");
    });
    apply(s.contains(QLatin1String("**")) || s.contains(QLatin1String("__")), strong,
          [](const QRegularExpressionMatch& m) {
              return QLatin1String("<strong>") + m.captured(2) + QLatin1String("</strong>");
          });
    if (s.contains(u'*') || s.contains(u'_')) s = replaceEmphasis(s);
    apply(s.contains(QLatin1String("~~")), strike, [](const QRegularExpressionMatch& m) {
        return QLatin1String("<del>") + m.captured(1) + QLatin1String("</del>");
    });
    if (s.contains(u'\n')) s.replace(QLatin1String("\n"), QLatin1String("<br>\n"));
    return stash.restore(s);
}

} // namespace MarkdownHTMLRenderer
