#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

class AttributedText;
class Hunspell;
class PersonalDictionary;

// Tells every window that a word is no longer misspelled, so that each marks it again.
class SpellingEvents : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void accepted(const QString& word);
};

// Spelling for the editor's continuous check, over the system's Hunspell dictionaries.
// One checker serves the whole application, so the last window to set a language wins;
// the words the user ignored (for the session) or added (to the personal dictionary)
// count in every window.
class SpellChecker {
public:
    static SpellChecker& shared();
    ~SpellChecker();

    // "auto" takes the system's language (English when there is no dictionary for it);
    // any other value names a language ("de", "pt-BR") or a dictionary ("de_DE", "en-GB"),
    // read from the installed dictionary that `dictionaryFor` gives. A language without a
    // dictionary keeps the one in use. The dictionary is read when a word is first checked
    // (reading one takes tens of milliseconds, and checking is off unless asked for).
    void setLanguage(const QString& language);
    // The name of the dictionary in use ("en_US"), empty without one.
    QString language();
    bool isAvailable();

    // The installed dictionary for `language`: the one of that name ("en_GB", "en-GB"),
    // else for a language alone ("en") the country of the same name ("de_DE") or the first
    // of the language ("en_AU"); empty when none is installed.
    QString dictionaryFor(const QString& language);
    // Looks for dictionaries in `folders` from now on (the system's folders when empty).
    void useDictionaryFolders(const QStringList& folders);

    bool isCorrect(QStringView word);
    // The misspelled words of `range` in `text`, leaving out the word at `caret` (it may
    // still be being typed) and what is an address, an e-mail address, an HTML tag or a
    // key of the front matter rather than words. `text` starts at the document's start.
    QList<TextRange> misspelled(QStringView text, TextRange range, int caret = -1);
    // The same over a styled text, also leaving out what the styler marked as code or
    // markup (code spans and blocks, markers, link targets).
    QList<TextRange> misspelled(const AttributedText& styled, TextRange range, int caret = -1);

    // The dictionary's suggestions for `word`, best first.
    QStringList suggestions(QStringView word, int max = 8);

    // Accepts `word` for the rest of the session.
    void ignore(const QString& word);
    // Accepts `word` from now on: it is added to the personal dictionary and written to
    // its file. False, with a reason for the user, when the file could not be written
    // (the word is accepted for the session all the same).
    bool addToDictionary(const QString& word, QString* error = nullptr);
    // Reads the personal dictionary from `path` from now on (the data folder's by default).
    void usePersonalDictionary(const QString& path);
    const PersonalDictionary& personalDictionary();

    SpellingEvents& events() { return m_events; }

private:
    SpellChecker();
    // Reads the dictionary of the language last set, once.
    void ready();
    void apply(const QString& language);
    bool load(const QString& dictionary);
    // The dictionaries installed, by name ("de_DE"), sorted.
    QStringList installed() const;
    QString pathOf(const QString& dictionary, QLatin1String extension) const;
    bool accepted(QStringView word);
    QList<TextRange> check(QStringView text, TextRange range, int caret, const QList<TextRange>& prose);

    std::unique_ptr<Hunspell> m_speller;
    std::unique_ptr<PersonalDictionary> m_personal;
    QSet<QString> m_ignored;
    SpellingEvents m_events;
    QStringList m_folders;
    QString m_language;
    QString m_wanted = QStringLiteral("auto");    // set, not read yet
    QString m_requested = QStringLiteral("auto"); // the last language set
    bool m_utf8 = true;
};
