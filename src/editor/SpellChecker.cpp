#include "editor/SpellChecker.h"

#include <QFileInfo>
#include <QLocale>
#include <QTextBoundaryFinder>

#ifdef BW_HAVE_HUNSPELL
#include <hunspell.hxx>
#endif

namespace {

QString dictionaryPath(const QString& name, const char* ext)
{
    for (const char* dir : {"/usr/share/hunspell/", "/usr/share/myspell/dicts/", "/usr/share/myspell/"}) {
        const QString p = QString::fromLatin1(dir) + name + QString::fromLatin1(ext);
        if (QFileInfo::exists(p)) return p;
    }
    return {};
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

SpellChecker::SpellChecker()
{
    setLanguage(QStringLiteral("auto"));
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::load(const QString& dictionary)
{
#ifdef BW_HAVE_HUNSPELL
    const QString aff = dictionaryPath(dictionary, ".aff");
    const QString dic = dictionaryPath(dictionary, ".dic");
    if (aff.isEmpty() || dic.isEmpty()) return false;
    m_speller = std::make_unique<Hunspell>(aff.toLocal8Bit().constData(), dic.toLocal8Bit().constData());
    m_utf8 = QString::fromStdString(m_speller->get_dict_encoding()).compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    m_language = dictionary;
    return true;
#else
    Q_UNUSED(dictionary);
    return false;
#endif
}

void SpellChecker::setLanguage(const QString& language)
{
    QString name = language;
    if (language == u"auto") {
        name = QLocale::system().name();
        if (name == m_language || load(name)) return;
        name = QStringLiteral("en_US");
    }
    name.replace(u'-', u'_');
    if (name != m_language) load(name);
}

bool SpellChecker::isCorrect(QStringView word)
{
#ifdef BW_HAVE_HUNSPELL
    if (!m_speller) return true;
    const std::string w = m_utf8 ? word.toUtf8().toStdString() : word.toLatin1().toStdString();
    return m_speller->spell(w);
#else
    Q_UNUSED(word);
    return true;
#endif
}

QList<TextRange> SpellChecker::misspelled(QStringView text, TextRange range, int caret)
{
    QList<TextRange> out;
    if (!isAvailable() || range.isNotFound() || range.end() > text.size()) return out;
    const QStringView part = text.mid(range.location, range.length);
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, part.data(), int(part.size()));
    int start = (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem) ? 0 : -1;
    for (int pos = words.toNextBoundary(); pos >= 0; pos = words.toNextBoundary()) {
        if (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem) start = pos;
        if (!(words.boundaryReasons() & QTextBoundaryFinder::EndOfItem) || start < 0) continue;
        const QStringView w = part.mid(start, pos - start);
        const int at = range.location + start;
        start = -1;
        bool letters = false, skip = false;
        for (QChar c : w) {
            letters |= c.isLetter();
            skip |= c.isDigit() || c == u'_';
        }
        if (!letters || skip || (caret >= at && caret <= at + w.size())) continue;
        if (!isCorrect(w)) out.append({at, int(w.size())});
    }
    return out;
}
