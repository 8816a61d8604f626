#include "editor/FrontMatter.h"

#include "platform/TextUtil.h"

#include <QRegularExpression>

#include <algorithm>
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

// A YAML scalar in double quotes, read up to its closing quote: its text with the escapes
// undone, or nothing when the quote is not closed or something other than a comment follows.
std::optional<QString> doubleQuoted(QStringView v, qsizetype* end = nullptr)
{
    QString out;
    for (qsizetype i = 1; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c == u'"') {
            if (end) *end = i + 1;
            return out;
        }
        if (c != u'\\' || i + 1 >= v.size()) {
            out += c;
            continue;
        }
        const QChar e = v[++i];
        const int hexDigits = e == u'x' ? 2 : e == u'u' ? 4 : e == u'U' ? 8 : 0;
        if (hexDigits) {
            bool ok = false;
            const uint code = v.mid(i + 1, hexDigits).toUInt(&ok, 16);
            if (!ok || v.mid(i + 1, hexDigits).size() != hexDigits) return std::nullopt;
            const char32_t c32 = code;
            out += QString::fromUcs4(&c32, 1);
            i += hexDigits;
            continue;
        }
        switch (e.unicode()) {
        case u'0': out += QChar(0); break;
        case u'a': out += u'\a'; break;
        case u'b': out += u'\b'; break;
        case u't': out += u'\t'; break;
        case u'n': out += u'\n'; break;
        case u'v': out += u'\v'; break;
        case u'f': out += u'\f'; break;
        case u'r': out += u'\r'; break;
        case u'e': out += QChar(0x1b); break;
        case u'N': out += QChar(0x85); break;
        case u'_': out += QChar(0xa0); break;
        case u'L': out += QChar(0x2028); break;
        case u'P': out += QChar(0x2029); break;
        default: out += e; break; // \" \\ \/ and a space stand for themselves
        }
    }
    return std::nullopt;
}

// A YAML scalar in single quotes ('' stands for one quote), read up to its closing quote.
std::optional<QString> singleQuoted(QStringView v, qsizetype* end = nullptr)
{
    QString out;
    for (qsizetype i = 1; i < v.size(); ++i) {
        if (v[i] != u'\'') {
            out += v[i];
        } else if (i + 1 < v.size() && v[i + 1] == u'\'') {
            out += u'\'';
            ++i;
        } else {
            if (end) *end = i + 1;
            return out;
        }
    }
    return std::nullopt;
}

// Whether only blanks or a comment follow `at`.
bool onlyCommentAfter(QStringView v, qsizetype at)
{
    const QString rest = TextUtil::trimWhitespace(v.mid(at));
    return rest.isEmpty() || rest.startsWith(u'#');
}

// A quoted scalar as YAML reads it; other text as it stands, quotes that open or close it
// dropped (what a hand-written block with stray quotes has always read as).
QString scalarValue(QStringView value)
{
    qsizetype end = 0;
    std::optional<QString> quoted;
    if (value.startsWith(u'"'))
        quoted = doubleQuoted(value, &end);
    else if (value.startsWith(u'\''))
        quoted = singleQuoted(value, &end);
    if (quoted && onlyCommentAfter(value, end)) return *quoted;
    return trimChars(value.toString(), u"\"'"_s);
}

// The items of a flow sequence ("[a, 'b c']") or a bare comma-separated list, joined by ", ".
QString tagsValue(QStringView value)
{
    if (!value.startsWith(u'[')) return trimChars(value.toString(), u"[]"_s);
    QStringList items;
    qsizetype at = 1;
    while (at < value.size()) {
        while (at < value.size() && value[at].isSpace()) ++at;
        if (at >= value.size() || value[at] == u']') break;
        qsizetype end = 0;
        const QStringView from = value.mid(at);
        std::optional<QString> item;
        if (from.startsWith(u'"'))
            item = doubleQuoted(from, &end);
        else if (from.startsWith(u'\''))
            item = singleQuoted(from, &end);
        if (!item) {
            end = 0;
            while (end < from.size() && from[end] != u',' && from[end] != u']') ++end;
            item = TextUtil::trimWhitespace(from.first(end));
        }
        if (!item->isEmpty()) items.append(*item);
        at += end;
        while (at < value.size() && value[at] != u',' && value[at] != u']') ++at;
        if (at < value.size() && value[at] == u',') ++at;
    }
    return items.join(u", "_s);
}

// The item of a line of a block-style list ("  - a"), without its dash.
std::optional<QString> listItem(QStringView line)
{
    const QString t = TextUtil::trimWhitespace(line);
    if (t == u"-"_s) return QString();
    if (t.startsWith(u"- "_s)) return TextUtil::trimWhitespace(QStringView(t).mid(2));
    return std::nullopt;
}

// A line that starts with a blank belongs to what the line above opened (a nested map, a folded
// value); a tab there is not YAML at all. Either way it names no key of the block's own.
bool isIndented(QStringView line)
{
    return !line.isEmpty() && (line[0] == u' ' || line[0] == u'\t');
}

bool isYamlSpecialWord(const QString& v)
{
    static const QRegularExpression special(QStringLiteral(
        "^(?:~|=|<<|null|Null|NULL|true|True|TRUE|false|False|FALSE|yes|Yes|YES|no|No|NO|on|On|ON|off|Off|"
        "OFF|[-+]?\\.(?:inf|Inf|INF)|\\.(?:nan|NaN|NAN)|"
        // numbers in any of YAML's notations, sexagesimal ones included
        "[-+]?(?:0b[01_]+|0x[0-9a-fA-F_]+|0o?[0-7_]+|[0-9][0-9_]*(?::[0-5]?[0-9])*|"
        "(?:[0-9][0-9_]*)?\\.[0-9_]*(?:[eE][-+]?[0-9]+)?|[0-9][0-9_]*(?:\\.[0-9_]*)?[eE][-+]?[0-9]+))$"));
    return special.match(v).hasMatch();
}

bool isYamlTimestamp(const QString& v)
{
    static const QRegularExpression stamp(QStringLiteral("^[0-9]{4}-[0-9]{1,2}-[0-9]{1,2}(?:[Tt ].*)?$"));
    return stamp.match(v).hasMatch();
}

// Whether YAML would read `v`, written as it stands, as other text or as no text at all.
bool needsQuotes(const QString& v, bool inFlow, bool asDate)
{
    if (v.isEmpty()) return false;
    const QChar first = v[0];
    if (QStringView(u"[]{}#&*!|>'\"%@`,?").contains(first)) return true;
    if (QStringView(u"-:").contains(first) && (v.size() == 1 || v[1].isSpace())) return true;
    if (v.endsWith(u':') || v.contains(u": "_s) || v.contains(u" #"_s)) return true;
    if (inFlow && (v.contains(u'[') || v.contains(u']') || v.contains(u'{') || v.contains(u'}'))) return true;
    for (QChar c : v)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0xfeff) return true; // a tab too
    if (isYamlSpecialWord(v)) return true;
    return !asDate && isYamlTimestamp(v);
}

QString doubleQuote(const QString& v)
{
    QString out = QStringLiteral("\"");
    for (QChar c : v) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() == 0xfeff)
            out += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
        else
            out += c;
    }
    return out + u'"';
}

// A value as YAML reads it back: as it stands when it can, else in double quotes.
QString scalarText(const QString& v, bool inFlow = false, bool asDate = false)
{
    return needsQuotes(v, inFlow, asDate) ? doubleQuote(v) : v;
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
        if (colon < 0 || isIndented(line)) continue;
        const QString key = TextUtil::trimWhitespace(line.left(colon)).toLower();
        const QString raw = TextUtil::trimWhitespace(line.mid(colon + 1));
        if (key == u"tags"_s) {
            fm.tags = tagsValue(raw);
            // A block-style list: its items are the lines below that start with "- ".
            for (; raw.isEmpty() && i + 1 < closing && listItem(content(lines[i + 1])); ++i) {
                const QString item = scalarValue(*listItem(content(lines[i + 1])));
                if (!item.isEmpty()) fm.tags += (fm.tags.isEmpty() ? u""_s : u", "_s) + item;
            }
            continue;
        }
        const QString value = scalarValue(raw);
        if (key == u"title"_s)
            fm.title = value;
        else if (key == u"author"_s)
            fm.author = value;
        else if (key == u"date"_s)
            fm.date = value;
        else
            fm.extra.append({key, value});
    }

    qsizetype length = 0;
    for (qsizetype i = 0; i <= closing; ++i) length += lines[i].size() + 1;
    return {fm, TextRange(0, int(std::min<qsizetype>(length, text.size())))};
}

namespace {

enum Field { Title, Author, Date, Tags, FieldCount };

const QLatin1StringView kFieldKeys[FieldCount] = {QLatin1StringView("title"), QLatin1StringView("author"),
                                                  QLatin1StringView("date"), QLatin1StringView("tags")};

// The line a field is written as, without its line break; empty when it has no value.
QString fieldLine(Field field, const QString& value)
{
    if (field == Tags) {
        QStringList pieces;
        for (const QString& piece : foldLineBreaks(value).split(u',')) {
            const QString t = TextUtil::trimWhitespace(piece);
            if (!t.isEmpty()) pieces.append(scalarText(t, true));
        }
        return pieces.isEmpty() ? QString() : u"tags: ["_s + pieces.join(u", "_s) + u']';
    }
    if (value.isEmpty()) return {};
    return kFieldKeys[field] + u": "_s + scalarText(foldLineBreaks(value), false, field == Date);
}

QString valueOf(const FrontMatter& fm, Field field)
{
    switch (field) {
    case Title: return fm.title;
    case Author: return fm.author;
    case Date: return fm.date;
    default: return fm.tags;
    }
}

// The field a block line's key names, if it is one of the four.
std::optional<Field> fieldOf(QStringView line)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0 || isIndented(line)) return std::nullopt;
    const QString key = TextUtil::trimWhitespace(line.left(colon)).toLower();
    for (int f = 0; f < FieldCount; ++f)
        if (key == kFieldKeys[f]) return Field(f);
    return std::nullopt;
}

// A block's lines between its delimiters, in runs: each of the four fields' lines (a block-style
// tag list with its items) and, between them, lines that belong to none.
struct Run {
    std::optional<Field> field;
    QList<QStringView> lines; // each with its line break
};

QList<Run> runsOf(const QList<QStringView>& body)
{
    QList<Run> runs;
    auto content = [](QStringView l) {
        while (!l.isEmpty() && (l.back() == u'\n' || l.back() == u'\r')) l.chop(1);
        return l;
    };
    for (qsizetype i = 0; i < body.size(); ++i) {
        const std::optional<Field> field = fieldOf(content(body[i]));
        if (!field) {
            if (runs.isEmpty() || runs.last().field) runs.append({std::nullopt, {}});
            runs.last().lines.append(body[i]);
            continue;
        }
        runs.append({field, {body[i]}});
        const QStringView line = content(body[i]);
        if (*field == Tags && TextUtil::trimWhitespace(line.mid(line.indexOf(u':') + 1)).isEmpty())
            while (i + 1 < body.size() && listItem(content(body[i + 1]))) runs.last().lines.append(body[++i]);
    }
    return runs;
}

} // namespace

QString FrontMatter::serialized() const
{
    QString out = QStringLiteral("---\n");
    for (int f = 0; f < FieldCount; ++f) {
        const QString line = fieldLine(Field(f), valueOf(*this, Field(f)));
        if (!line.isEmpty()) out += line + u'\n';
    }
    for (const auto& [key, value] : extra)
        out += foldLineBreaks(key) + u": "_s + scalarText(foldLineBreaks(value)) + u'\n';
    out += u"---\n"_s;
    return out;
}

QString FrontMatter::blockOver(QStringView text, TextRange oldBlock) const
{
    const qsizetype cut = std::clamp<qsizetype>(oldBlock.length, 0, text.size());
    if (cut == 0) return isEmpty() ? QString() : serialized();

    // The old block's lines, each with its break; the first and last are its delimiters.
    const QStringView old = text.first(cut);
    QList<QStringView> lines;
    for (qsizetype start = 0; start < old.size();) {
        const qsizetype lf = old.indexOf(u'\n', start);
        const qsizetype end = lf < 0 ? old.size() : lf + 1;
        lines.append(old.mid(start, end - start));
        start = end;
    }
    if (lines.size() < 2) return isEmpty() ? QString() : serialized();
    const QString lineBreak = lines.first().endsWith(u"\r\n"_s) ? u"\r\n"_s : u"\n"_s;
    const FrontMatter was = parse(old).first;
    QList<Run> runs = runsOf(lines.mid(1, lines.size() - 2));

    // A field whose value changed is written in place of its first line (its other lines, a
    // second key of the same name, go); a new one after the fields before it, or before the
    // fields after it. Every other line stays as it was.
    QList<QString> written(FieldCount);
    for (int f = 0; f < FieldCount; ++f) {
        const Field field = Field(f);
        if (valueOf(*this, field) == valueOf(was, field)) continue;
        const QString line = fieldLine(field, valueOf(*this, field));
        written[f] = line.isEmpty() ? QString() : line + lineBreak;
        qsizetype first = -1;
        for (qsizetype r = 0; r < runs.size(); ++r) {
            if (runs[r].field != field) continue;
            if (first < 0)
                first = r;
            else
                runs[r].lines.clear();
        }
        if (first >= 0) {
            runs[first].lines = {QStringView(written[f])};
            continue;
        }
        if (written[f].isEmpty()) continue;
        qsizetype at = 0;
        for (qsizetype r = 0; r < runs.size(); ++r)
            if (runs[r].field && *runs[r].field < field) at = r + 1;
        if (at == 0)
            for (qsizetype r = runs.size() - 1; r >= 0; --r)
                if (runs[r].field && *runs[r].field > field) at = r;
        runs.insert(at, Run{field, {QStringView(written[f])}});
    }

    QString body;
    for (const Run& run : runs)
        for (QStringView line : run.lines) body += line;
    // A block left with nothing in it goes.
    if (TextUtil::trimWhitespaceAndNewlines(body).isEmpty()) return {};
    return lines.first().toString() + body + lines.last().toString();
}

QString FrontMatter::appliedTo(QStringView text, TextRange oldBlock) const
{
    const QString header = blockOver(text, oldBlock);
    const qsizetype cut = std::clamp<qsizetype>(oldBlock.length, 0, text.size());
    const QStringView rest = text.mid(cut);
    // A block that ends the text without a line break stays so.
    const bool separate = header.endsWith(u'\n') && !rest.startsWith(u'\n');
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
