#include "editor/SpellChecker.h"

#include "editor/PersonalDictionary.h"
#include "platform/TextUtil.h"
#include "styling/AttributedText.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <utility>

#ifdef BW_HAVE_HUNSPELL
#include <hunspell.hxx>
#endif

namespace {

const QStringList& systemDictionaryFolders()
{
    static const QStringList folders{QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
                                     QStringLiteral("/usr/share/myspell")};
    return folders;
}

// How far into a document a front matter block is looked for: a longer one is not one.
constexpr int kFrontMatterReach = 64 * 1024;
// How far an HTML tag may run before its ">" (a lone "<" is no tag).
constexpr int kTagReach = 1024;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A line of `text` from `at` to its terminator (left out).
TextRange lineAt(QStringView text, int at)
{
    int end = at;
    while (end < text.size() && !TextUtil::isLineTerminator(text[end])) ++end;
    return {at, end - at};
}

// Where the lines between a front matter block's opening "---" and its closing line lie
// (up to what `text` holds when that line is not in it); not-found without a block.
TextRange frontMatterBody(QStringView text)
{
    const TextRange first = lineAt(text, 0);
    if (TextUtil::trimBlanksTrailing(text.mid(0, first.length)) != u"---" || first.end() >= text.size())
        return TextRange::notFound();
    const int reach = std::min(int(text.size()), kFrontMatterReach);
    int at = first.end() + (text[first.end()] == u'\r' && first.end() + 1 < text.size() ? 2 : 1);
    const int start = at;
    while (at < reach) {
        const TextRange line = lineAt(text, at);
        const QString t = TextUtil::trimBlanksTrailing(text.mid(line.location, line.length));
        if (t == u"---" || t == u"...") break;
        at = line.end() + 1;
    }
    return {start, std::min(at, reach) - start};
}

// What lies in `range` of `text` that is not words whatever its styling: addresses and
// e-mail addresses (runs of non-blanks), HTML tags and entities, and the keys of a front
// matter block. Sorted by start.
QList<TextRange> notWords(QStringView text, TextRange range)
{
    QList<TextRange> out;
    const int end = range.end();
    if (range.location < kFrontMatterReach && text.startsWith(u"---")) {
        const TextRange body = frontMatterBody(text);
        for (int at = std::max(range.location, body.location); !body.isNotFound() && at < std::min(end, body.end());) {
            const TextRange line = lineAt(text, at);
            const QStringView s = text.mid(line.location, line.length);
            const qsizetype colon = s.indexOf(u':');
            const QString key = colon < 0 ? QString() : TextUtil::trimBlanks(s.first(colon));
            if (!key.isEmpty() && !key.contains(u' ')) out.append({line.location, int(colon)});
            at = line.end() + 1;
        }
    }
    for (int i = range.location; i < end;) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        int j = i;
        while (j < end && !text[j].isSpace()) ++j;
        // An address runs from its scheme, "www." or the name before "@" to the token's end
        // (Markdown around it, as in "[text](https://…)", stays words).
        const QStringView token = text.mid(i, j - i);
        qsizetype from = token.indexOf(u"://");
        if (from < 0) {
            from = token.indexOf(u'@');
            if (from <= 0 || token.indexOf(u'.', from) <= from + 1) from = -1;
        }
        if (from >= 0) {
            while (from > 0 && (token[from - 1].isLetterOrNumber() || QStringView(u"+-._%").contains(token[from - 1])))
                --from;
        } else {
            from = token.indexOf(u"www.", 0, Qt::CaseInsensitive);
            if (from > 0 && token[from - 1].isLetterOrNumber()) from = -1;
        }
        if (from >= 0) out.append({i + int(from), j - i - int(from)});
        // Tags and entities inside the token (a tag's attributes may run past it).
        for (int k = i; k < j; ++k) {
            if (k + 1 >= end) break;
            const QChar next = text[k + 1];
            if (text[k] == u'<' && (isAsciiLetter(next) || next == u'/' || next == u'!')) {
                for (int m = k + 1; m < std::min(end, k + kTagReach); ++m) {
                    if (text[m] == u'<' || TextUtil::isLineTerminator(text[m])) break;
                    if (text[m] == u'>') {
                        out.append({k, m + 1 - k});
                        j = std::max(j, m + 1);
                        k = m;
                        break;
                    }
                }
            } else if (text[k] == u'&' && isAsciiLetter(next)) {
                int m = k + 1;
                while (m < j && isAsciiLetter(text[m])) ++m;
                if (m < j && text[m] == u';') out.append({k, m + 1 - k});
            }
        }
        i = j;
    }
    std::sort(out.begin(), out.end(), [](TextRange a, TextRange b) { return a.location < b.location; });
    return out;
}

} // namespace

#ifndef BW_HAVE_HUNSPELL
class Hunspell {};
#endif

SpellChecker& SpellChecker::shared()
{
    static SpellChecker checker;
    return checker;
}

SpellChecker::SpellChecker() = default;

SpellChecker::~SpellChecker() = default;

const PersonalDictionary& SpellChecker::personalDictionary()
{
    if (!m_personal) m_personal = std::make_unique<PersonalDictionary>();
    return *m_personal;
}

QString SpellChecker::pathOf(const QString& dictionary, QLatin1String extension) const
{
    for (const QString& folder : m_folders.isEmpty() ? systemDictionaryFolders() : m_folders) {
        const QString p = folder + u'/' + dictionary + extension;
        if (QFileInfo(p).isFile()) return p;
    }
    return {};
}

QStringList SpellChecker::installed() const
{
    QStringList names;
    for (const QString& folder : m_folders.isEmpty() ? systemDictionaryFolders() : m_folders) {
        for (const QFileInfo& aff : QDir(folder).entryInfoList({QStringLiteral("*.aff")}, QDir::Files)) {
            const QString name = aff.completeBaseName();
            if (!names.contains(name) && !pathOf(name, QLatin1String(".dic")).isEmpty()) names.append(name);
        }
    }
    names.sort();
    return names;
}

QString SpellChecker::dictionaryFor(const QString& language)
{
    QString name = language;
    name.replace(u'-', u'_');
    if (name.isEmpty()) return {};
    const QStringList names = installed();
    if (names.contains(name)) return name;
    if (name.contains(u'_')) return {};
    // A language alone: its own country first (de_DE, fr_FR), then whichever comes first.
    const QString own = name + u'_' + name.toUpper();
    if (names.contains(own)) return own;
    for (const QString& n : names)
        if (n.startsWith(name + u'_')) return n;
    return {};
}

void SpellChecker::useDictionaryFolders(const QStringList& folders)
{
    m_folders = folders;
    m_speller.reset();
    m_language.clear();
    m_wanted = m_requested = QStringLiteral("auto");
}

bool SpellChecker::load(const QString& dictionary)
{
#ifdef BW_HAVE_HUNSPELL
    const QString aff = pathOf(dictionary, QLatin1String(".aff"));
    const QString dic = pathOf(dictionary, QLatin1String(".dic"));
    if (aff.isEmpty() || dic.isEmpty()) return false;
    m_speller = std::make_unique<Hunspell>(aff.toLocal8Bit().constData(), dic.toLocal8Bit().constData());
    m_utf8 = QString::fromStdString(m_speller->get_dict_encoding()).compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    m_language = dictionary;
    // The user's own words are suggested too.
    for (const QString& w : personalDictionary().words())
        m_speller->add(m_utf8 ? w.toStdString() : w.toLatin1().toStdString());
    return true;
#else
    Q_UNUSED(dictionary);
    return false;
#endif
}

void SpellChecker::setLanguage(const QString& language)
{
    // Every window sets its language whenever its settings are applied: the same one again
    // looks for no dictionary.
    if (language == m_requested) return;
    m_requested = language;
    m_wanted = language;
}

QString SpellChecker::language()
{
    ready();
    return m_language;
}

bool SpellChecker::isAvailable()
{
    ready();
    return m_speller != nullptr;
}

void SpellChecker::ready()
{
    if (!m_wanted.isEmpty()) apply(std::exchange(m_wanted, QString()));
}

void SpellChecker::apply(const QString& language)
{
    QString name = dictionaryFor(language == u"auto" ? QLocale::system().name() : language);
    // The system's language alone when there is none for its country, then English.
    if (name.isEmpty() && language == u"auto") name = dictionaryFor(QLocale::system().name().section(u'_', 0, 0));
    if (name.isEmpty() && language == u"auto") name = dictionaryFor(QStringLiteral("en"));
    if (!name.isEmpty() && name != m_language) load(name);
}

bool SpellChecker::accepted(QStringView word)
{
    const QString w = word.toString();
    auto listed = [this](const QString& x) { return m_ignored.contains(x) || personalDictionary().contains(x); };
    if (listed(w)) return true;
    // A word listed in small letters is right capitalised too ("Teh" at a sentence's start).
    const QString lower = w.toLower();
    return lower != w && listed(lower);
}

bool SpellChecker::isCorrect(QStringView word)
{
#ifdef BW_HAVE_HUNSPELL
    if (!isAvailable()) return true;
    const std::string w = m_utf8 ? word.toUtf8().toStdString() : word.toLatin1().toStdString();
    return m_speller->spell(w) || accepted(word);
#else
    Q_UNUSED(word);
    return true;
#endif
}

QStringList SpellChecker::suggestions(QStringView word, int max)
{
    QStringList out;
#ifdef BW_HAVE_HUNSPELL
    if (!isAvailable() || word.isEmpty()) return out;
    const std::string w = m_utf8 ? word.toUtf8().toStdString() : word.toLatin1().toStdString();
    for (const std::string& s : m_speller->suggest(w)) {
        if (out.size() >= max) break;
        out.append(m_utf8 ? QString::fromStdString(s) : QString::fromLatin1(s.data(), qsizetype(s.size())));
    }
#else
    Q_UNUSED(word);
    Q_UNUSED(max);
#endif
    return out;
}

void SpellChecker::ignore(const QString& word)
{
    if (word.isEmpty()) return;
    m_ignored.insert(word);
    Q_EMIT m_events.accepted(word);
}

bool SpellChecker::addToDictionary(const QString& word, QString* error)
{
    personalDictionary();
    const bool written = m_personal->add(word, error);
    if (m_personal->contains(word)) {
#ifdef BW_HAVE_HUNSPELL
        if (m_speller) m_speller->add(m_utf8 ? word.toStdString() : word.toLatin1().toStdString());
#endif
        Q_EMIT m_events.accepted(word);
    }
    return written;
}

void SpellChecker::usePersonalDictionary(const QString& path)
{
    m_personal = std::make_unique<PersonalDictionary>(path);
}

QList<TextRange> SpellChecker::misspelled(QStringView text, TextRange range, int caret)
{
    return check(text, range, caret, {range});
}

QList<TextRange> SpellChecker::misspelled(const AttributedText& styled, TextRange range, int caret)
{
    if (range.isNotFound() || range.end() > styled.length()) return {};
    // The prose: runs the styler did not mark as code or markup, neighbours joined.
    QList<TextRange> prose;
    styled.forEachRun(range, [&prose](TextRange run, const TextAttributes& a) {
        if (a.notProse) return true;
        if (!prose.isEmpty() && prose.last().end() == run.location)
            prose.last().length += run.length;
        else
            prose.append(run);
        return true;
    });
    if (prose.isEmpty()) return {};
    return check(styled.textUpTo(range.end()), range, caret, prose);
}

QList<TextRange> SpellChecker::check(QStringView text, TextRange range, int caret, const QList<TextRange>& prose)
{
    QList<TextRange> out;
    if (!isAvailable() || range.isNotFound() || range.end() > text.size()) return out;
    const QList<TextRange> skip = notWords(text, range);
    qsizetype inSkip = 0, inProse = 0;
    // Whether [at, at + n) lies inside one prose part and outside everything skipped;
    // words come in text order, so both lists are walked once.
    auto checkable = [&](int at, int n) {
        while (inProse < prose.size() && prose[inProse].end() <= at) ++inProse;
        if (inProse == prose.size() || prose[inProse].location > at || prose[inProse].end() < at + n) return false;
        while (inSkip < skip.size() && skip[inSkip].end() <= at) ++inSkip;
        return inSkip == skip.size() || skip[inSkip].location >= at + n;
    };
    const QStringView part = text.mid(range.location, range.length);
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, part.data(), int(part.size()));
    int start = (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem) ? 0 : -1;
    for (int pos = words.toNextBoundary(); pos >= 0; pos = words.toNextBoundary()) {
        if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem) start = pos;
        if (!(words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) || start < 0) continue;
        const QStringView w = part.mid(start, pos - start);
        const int at = range.location + start;
        start = -1;
        bool letters = false, skipWord = false;
        for (QChar c : w) {
            letters |= c.isLetter();
            skipWord |= c.isDigit() || c == u'_';
        }
        if (!letters || skipWord || (caret >= at && caret <= at + w.size())) continue;
        if (!checkable(at, int(w.size()))) continue;
        if (!isCorrect(w)) out.append({at, int(w.size())});
    }
    return out;
}
