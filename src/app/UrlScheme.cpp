#include "app/UrlScheme.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace UrlScheme {

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<QString> percentDecoded(QStringView s)
{
    if (!s.contains(u'%')) return s.toString();
    // The escapes stand for UTF-8 bytes; everything else is taken as it is.
    QByteArray bytes;
    bytes.reserve(s.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u'%') continue;
        // Literal runs are converted whole, so a surrogate pair stays one character.
        bytes += s.mid(runStart, i - runStart).toUtf8();
        if (i + 2 >= s.size()) return std::nullopt;
        const int hi = hexValue(s[i + 1]);
        const int lo = hexValue(s[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes += char(hi * 16 + lo);
        i += 2;
        runStart = i + 1;
    }
    bytes += s.mid(runStart).toUtf8();
    // A leading U+FEFF is text the link carries, not a mark about its bytes: kept.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString out = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return out;
}

std::optional<NewDocument> parse(QStringView url)
{
    const QStringView prefix = u"brindlewick://";
    if (!url.startsWith(prefix)) return std::nullopt;
    const QStringView rest = url.mid(prefix.size());

    // The authority runs to the first "/", "?" or "#"; its host follows any user part and
    // precedes any port.
    qsizetype authorityEnd = 0;
    while (authorityEnd < rest.size() && rest[authorityEnd] != u'/' && rest[authorityEnd] != u'?'
           && rest[authorityEnd] != u'#')
        ++authorityEnd;
    QStringView host = rest.left(authorityEnd);
    if (const qsizetype at = host.lastIndexOf(u'@'); at >= 0) host = host.mid(at + 1);
    if (const qsizetype colon = host.indexOf(u':'); colon >= 0) host = host.left(colon);
    if (host != u"new") return std::nullopt;

    NewDocument request;
    QStringView query;
    if (const qsizetype q = rest.indexOf(u'?', authorityEnd); q >= 0) {
        query = rest.mid(q + 1);
        if (const qsizetype hash = query.indexOf(u'#'); hash >= 0) query = query.left(hash);
    }
    if (query.isEmpty()) return request;

    // A query that cannot be split into decodable items still opens a document, without text.
    std::optional<QString> first;
    bool found = false;
    for (QStringView item : query.split(u'&')) {
        const qsizetype eq = item.indexOf(u'=');
        const auto name = percentDecoded(eq < 0 ? item : item.left(eq));
        const auto value = eq < 0 ? std::optional<QString>() : percentDecoded(item.mid(eq + 1));
        if (!name || (eq >= 0 && !value)) return request;
        if (!found && *name == u"text"_s) {
            found = true;
            first = value;
        }
    }
    if (!first) return request;
    request.text = percentDecoded(*first).value_or(*first);
    return request;
}

} // namespace UrlScheme
