#include "editor/FrontMatter.h"

#include "platform/TextUtil.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Trims every occurrence of any of `chars` at both ends.
QString trimChars(const QString& s, QStringView chars)
{
    qsizetype b = 0, e = s.size();
    while (b < e && chars.contains(s[b])) ++b;
    while (e > b && chars.contains(s[e - 1])) --e;
    return s.mid(b, e - b);
}

// A written key or value must stay on its line: every line break (CR LF counted once)
// becomes one space.
QString foldLineBreaks(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n') continue; // the LF writes the space
        if (TextUtil::isLineTerminator(c) || c == u'\v' || c == u'\f')
            out += u' ';
        else
            out += c;
    }
    return out;
}

} // namespace

bool FrontMatter::isEmpty() const
{
    return title.isEmpty() && author.isEmpty() && date.isEmpty() && tags.isEmpty() && extra.isEmpty();
}

std::pair<FrontMatter, TextRange> FrontMatter::parse(QStringView text)
{
    if (!text.startsWith(u"---\n"_s) && !text.startsWith(u"---\r\n"_s)) return {FrontMatter{}, TextRange(0, 0)};

    // Lines cut at line feeds, up to the closing line only (the block is at the top; the
    // rest of a long document is never split). A CR that ends a line belongs to its line
    // break.
    QList<QStringView> lines;
    auto content = [](QStringView l) { return l.endsWith(u'\r') ? l.chopped(1) : l; };
    qsizetype closing = -1;
    for (qsizetype start = 0;;) {
        const qsizetype lf = text.indexOf(u'\n', start);
        lines.append(text.mid(start, (lf < 0 ? text.size() : lf) - start));
        if (lines.size() > 1 && TextUtil::trimWhitespace(content(lines.last())) == u"---"_s) {
            closing = lines.size() - 1;
            break;
        }
        if (lf < 0) break;
        start = lf + 1;
    }
    if (closing < 0) return {FrontMatter{}, TextRange(0, 0)};

    FrontMatter fm;
    for (qsizetype i = 1; i < closing; ++i) {
        const QStringView line = content(lines[i]);
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) continue;
        const QString key = TextUtil::trimWhitespace(line.left(colon)).toLower();
        const QString value = trimChars(TextUtil::trimWhitespace(line.mid(colon + 1)), u"\"'"_s);
        if (key == u"title"_s)
            fm.title = value;
        else if (key == u"author"_s)
            fm.author = value;
        else if (key == u"date"_s)
            fm.date = value;
        else if (key == u"tags"_s)
            fm.tags = trimChars(value, u"[]"_s);
        else
            fm.extra.append({key, value});
    }

    qsizetype length = 0;
    for (qsizetype i = 0; i <= closing; ++i) length += lines[i].size() + 1;
    return {fm, TextRange(0, int(std::min<qsizetype>(length, text.size())))};
}

QString FrontMatter::serialized() const
{
    QString out = QStringLiteral("---\n");
    auto field = [&out](QLatin1StringView key, const QString& value) {
        if (!value.isEmpty()) out += key + u": "_s + foldLineBreaks(value) + u'\n';
    };
    field(QLatin1StringView("title"), title);
    field(QLatin1StringView("author"), author);
    field(QLatin1StringView("date"), date);

    QStringList pieces;
    for (const QString& piece : foldLineBreaks(tags).split(u',')) {
        const QString t = TextUtil::trimWhitespace(piece);
        if (!t.isEmpty()) pieces.append(t);
    }
    if (!pieces.isEmpty()) out += u"tags: ["_s + pieces.join(u", "_s) + u"]\n"_s;

    for (const auto& [key, value] : extra) out += foldLineBreaks(key) + u": "_s + foldLineBreaks(value) + u'\n';
    out += u"---\n"_s;
    return out;
}

QString FrontMatter::appliedTo(QStringView text, TextRange oldBlock) const
{
    const QString header = isEmpty() ? QString() : serialized();
    const qsizetype cut = std::clamp<qsizetype>(oldBlock.length, 0, text.size());
    const QStringView rest = text.mid(cut);
    const bool separate = !header.isEmpty() && !rest.startsWith(u'\n');
    return header + (separate ? QStringLiteral("\n") : QString()) + rest.toString();
}

FrontMatter::Overrides FrontMatter::overrides() const
{
    Overrides o;
    for (const auto& [key, value] : extra) {
        const QString k = key.toLower();
        if (k == u"mode"_s)
            o.mode = value;
        else if (k == u"theme"_s)
            o.theme = value;
        else if (k == u"direction"_s)
            o.direction = value;
        else if (k == u"font"_s)
            o.font = value;
        else if (k == u"width"_s) {
            bool ok = false;
            const double w = value.toDouble(&ok);
            // A later unreadable value leaves an earlier valid one in force.
            if (ok && std::isfinite(w) && w > 0) o.width = w;
        }
    }
    return o;
}
