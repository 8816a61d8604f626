#include "styling/CodeTokenizer.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace CodeTokenizer {

namespace {

struct Lang {
    QStringList lineComments;
    std::optional<std::pair<QString, QString>> block;
    QString strings; // each character opens a string the same character closes
    QSet<QString> keywords;
    bool caseInsensitiveKeywords = false;
};

QSet<QString> kw(const char* words)
{
    QSet<QString> out;
    for (const QString& w : QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts)) out.insert(w);
    return out;
}

const char* const kSwift =
    "func var let class struct enum protocol extension import if else guard switch case default for "
    "while repeat return break continue in do try catch throw throws rethrows defer as is nil true "
    "false self super init deinit static public private internal fileprivate open final lazy weak "
    "unowned mutating nonmutating some any associatedtype typealias where inout @escaping async "
    "await actor";
const char* const kJs =
    "var let const function return if else for while do switch case default break continue new delete "
    "typeof instanceof in of class extends super this import export from as async await yield try "
    "catch finally throw void null undefined true false interface type enum implements public "
    "private readonly static get set";
const char* const kPython =
    "def class return if elif else for while break continue in is not and or pass import from as "
    "with try except finally raise lambda yield global nonlocal del assert None True False self "
    "async await match case";
const char* const kGo =
    "func var const type struct interface map chan package import return if else for range switch case "
    "default break continue go defer select nil true false iota make new len cap append error string "
    "int int64 float64 bool byte rune";
const char* const kRust =
    "fn let mut const struct enum trait impl for while loop if else match return break continue use "
    "mod pub crate self super where as ref move dyn async await unsafe Some None Ok Err Result "
    "Option Vec String str true false";
const char* const kC =
    "int long short char float double void bool struct class enum union public private protected static "
    "const final return if else for while do switch case default break continue new delete this super "
    "import package namespace template typename virtual override try catch throw true false null "
    "nullptr auto var val fun";
const char* const kBash =
    "if then elif else fi for while until do done case esac function in return break continue local "
    "export readonly declare echo printf cd exit source alias set unset";
const char* const kSql =
    "select from where insert into update delete set values create table drop alter add column primary "
    "key foreign references index join inner left right outer on group by order having limit offset "
    "union all as distinct and or not null default unique constraint begin commit rollback";
const char* const kDefault = "if else for while return function class import export true false null";

const QString kDq = QStringLiteral("\"");
const QString kDqAp = QStringLiteral("\"'");
const QString kDqApBt = QStringLiteral("\"'`");

// Every rule set, built once; names are matched exactly after lower-casing.
const Lang& languageRules(const QString& lowerName)
{
    struct Table {
        QHash<QString, Lang> byName;
        Lang fallback;
    };
    static const Table table = [] {
        Table t;
        const auto cBlock = std::make_pair(QStringLiteral("/*"), QStringLiteral("*/"));
        auto add = [&t](std::initializer_list<const char*> names, const Lang& lang) {
            for (const char* n : names) t.byName.insert(QString::fromLatin1(n), lang);
        };
        add({"swift"}, {{"//"}, cBlock, kDqAp, kw(kSwift), false});
        add({"js", "javascript", "jsx", "ts", "typescript", "tsx"}, {{"//"}, cBlock, kDqApBt, kw(kJs), false});
        add({"python", "py"}, {{"#"}, std::nullopt, kDqAp, kw(kPython), false});
        add({"go", "golang"}, {{"//"}, cBlock, QStringLiteral("\"`"), kw(kGo), false});
        add({"rust", "rs"}, {{"//"}, cBlock, kDqAp, kw(kRust), false});
        add({"c", "cpp", "c++", "objc", "objective-c", "java", "csharp", "c#", "kotlin", "kt"},
            {{"//"}, cBlock, kDqAp, kw(kC), false});
        add({"bash", "sh", "shell", "zsh"}, {{"#"}, std::nullopt, kDqAp, kw(kBash), false});
        add({"sql"}, {{"--"}, cBlock, QStringLiteral("'"), kw(kSql), true});
        add({"json"}, {{}, std::nullopt, kDq, kw("true false null"), false});
        add({"yaml", "yml"}, {{"#"}, std::nullopt, kDqAp, kw("true false null yes no on off"), false});
        add({"css", "scss", "less"}, {{}, cBlock, kDqAp, {}, false});
        add({"html", "xml", "svg"},
            {{}, std::make_pair(QStringLiteral("<!--"), QStringLiteral("-->")), kDqAp, {}, false});
        t.fallback = {{"//", "#"}, cBlock, kDqApBt, kw(kDefault), false};
        return t;
    }();
    const auto it = table.byName.constFind(lowerName);
    return it == table.byName.constEnd() ? table.fallback : *it;
}

// The scanned code as user-perceived characters with their UTF-16 offsets.
struct Chars {
    QStringView code;
    std::vector<int> offset; // n + 1 entries

    int size() const { return int(offset.size()) - 1; }
    QStringView at(int i) const { return code.mid(offset[size_t(i)], offset[size_t(i) + 1] - offset[size_t(i)]); }
    char32_t first(int i) const
    {
        const QStringView c = at(i);
        if (c.size() >= 2 && c[0].isHighSurrogate() && c[1].isLowSurrogate()) return QChar::surrogateToUcs4(c[0], c[1]);
        return c[0].unicode();
    }
    bool is(int i, char16_t ch) const { return at(i).size() == 1 && at(i)[0] == QChar(ch); }
    // A line break: LF, or CR LF (one character). Treating CR LF as a break keeps
    // comments and strings of Windows-style code on their own line.
    bool isLineBreak(int i) const { return is(i, u'\n') || at(i) == u"\r\n"; }
    // Whether the characters of `s` stand at i (wholly before the end).
    bool matches(const QString& s, int i) const
    {
        int j = i;
        for (qsizetype k = 0; k < s.size(); ++j) {
            if (j >= size()) return false;
            const QStringView c = at(j);
            if (s.mid(k, c.size()) != c) return false;
            k += c.size();
        }
        return true;
    }
};

int graphemes(const QString& s)
{
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    int n = 0;
    while (f.toNextBoundary() > 0) ++n;
    return n;
}

bool isNumeric(char32_t c)
{
    return QChar::isNumber(c);
}
bool isAlphabetic(char32_t c)
{
    return QChar::isLetter(c) || QChar::category(c) == QChar::Number_Letter;
}

} // namespace

QString rawValue(Kind kind)
{
    switch (kind) {
    case Kind::Comment: return QStringLiteral("com");
    case Kind::String: return QStringLiteral("str");
    case Kind::Number: return QStringLiteral("num");
    case Kind::Keyword: return QStringLiteral("kw");
    }
    return {};
}

std::optional<Kind> kindFromRawValue(const QString& raw)
{
    for (Kind k : {Kind::Comment, Kind::String, Kind::Number, Kind::Keyword})
        if (rawValue(k) == raw) return k;
    return std::nullopt;
}

QList<Token> scan(const QString& code, const QString& language)
{
    QList<Token> out;
    if (code.isEmpty()) return out;
    const Lang& lang = languageRules(language.toLower());

    Chars cs{code, {0}};
    cs.offset.reserve(size_t(code.size()) + 1);
    // Below U+0300 and without CR every unit is a character of its own; otherwise
    // ask for the grapheme boundaries.
    const bool simple =
        std::none_of(code.begin(), code.end(), [](QChar c) { return c.unicode() >= 0x300 || c == u'\r'; });
    if (simple) {
        for (int k = 1; k <= code.size(); ++k) cs.offset.push_back(k);
    } else {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, code);
        for (qsizetype b = finder.toNextBoundary(); b > 0; b = finder.toNextBoundary()) cs.offset.push_back(int(b));
    }
    const int n = cs.size();

    auto addToken = [&](int a, int b, Kind k) {
        out.append(Token{TextRange(cs.offset[size_t(a)], cs.offset[size_t(b)] - cs.offset[size_t(a)]), k});
    };
    auto isNum = [&](int i) { return isNumeric(cs.first(i)); };
    auto isHexLetter = [&](int i) {
        const QString lower = cs.at(i).toString().toLower();
        return lower >= QLatin1String("a") && lower <= QLatin1String("f");
    };

    const int openLen = lang.block ? graphemes(lang.block->first) : 0;
    const int closeLen = lang.block ? graphemes(lang.block->second) : 0;

    int i = 0;
    while (i < n) {
        // 1. Block comment, running to its close or the end of the code.
        if (lang.block && cs.matches(lang.block->first, i)) {
            int end = n;
            for (int j = i + openLen; j < n; ++j) {
                if (j + closeLen <= n && cs.matches(lang.block->second, j)) {
                    end = j + closeLen;
                    break;
                }
            }
            addToken(i, end, Kind::Comment);
            i = end;
            continue;
        }
        // 2. Line comment, up to the line break.
        bool lineComment = false;
        for (const QString& prefix : lang.lineComments) {
            if (!cs.matches(prefix, i)) continue;
            int j = i + graphemes(prefix);
            while (j < n && !cs.isLineBreak(j)) ++j;
            addToken(i, j, Kind::Comment);
            i = j;
            lineComment = true;
            break;
        }
        if (lineComment) continue;
        const QStringView c = cs.at(i);
        // 3. String.
        if (c.size() == 1 && lang.strings.contains(c[0])) {
            const QChar quote = c[0];
            const bool backtick = quote == u'`';
            if (i == n - 1) {
                addToken(i, n, Kind::String);
                ++i;
                continue;
            }
            int j = i + 1;
            int end = n;
            while (j < n) {
                if (!backtick && cs.is(j, u'\\')) {
                    j = std::min(j + 2, n);
                    continue;
                }
                if (cs.is(j, quote.unicode())) {
                    end = j + 1;
                    break;
                }
                if (!backtick && cs.isLineBreak(j)) {
                    end = j;
                    break;
                }
                ++j;
            }
            addToken(i, end, Kind::String);
            i = end;
            continue;
        }
        // 4. Number.
        if (isNum(i) || (cs.is(i, u'.') && i + 1 < n && isNum(i + 1))) {
            int j = i;
            while (j < n
                   && (isNum(j) || cs.is(j, u'.') || cs.is(j, u'_') || cs.is(j, u'x') || cs.is(j, u'b')
                       || cs.is(j, u'e') || isHexLetter(j)))
                ++j;
            addToken(i, j, Kind::Number);
            i = j;
            continue;
        }
        // 5. Word, a keyword when the rule set lists it.
        const char32_t f = cs.first(i);
        if (isAlphabetic(f) || cs.is(i, u'_') || cs.is(i, u'$')) {
            int j = i;
            while (j < n && (isAlphabetic(cs.first(j)) || isNum(j) || cs.is(j, u'_') || cs.is(j, u'$'))) ++j;
            QString word = code.mid(cs.offset[size_t(i)], cs.offset[size_t(j)] - cs.offset[size_t(i)]);
            if (lang.caseInsensitiveKeywords) word = word.toLower();
            if (lang.keywords.contains(word)) addToken(i, j, Kind::Keyword);
            i = j;
            continue;
        }
        ++i;
    }
    return out;
}

} // namespace CodeTokenizer
