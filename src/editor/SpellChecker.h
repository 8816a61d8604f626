#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>

class Hunspell;

// Spelling for the editor's continuous check, over the system's Hunspell dictionaries.
// One checker serves the whole application, so the last window to set a language wins.
class SpellChecker {
public:
    static SpellChecker& shared();
    ~SpellChecker();

    // "auto" takes the system's language (English when there is no dictionary for it);
    // any other value names a dictionary ("de_DE", "en-GB"). A language without a
    // dictionary keeps the one in use.
    void setLanguage(const QString& language);
    QString language() const { return m_language; }
    bool isAvailable() const { return m_speller != nullptr; }

    bool isCorrect(QStringView word);
    // The misspelled words of `range` in `text`, leaving out the word at `caret`
    // (it may still be being typed).
    QList<TextRange> misspelled(QStringView text, TextRange range, int caret = -1);

private:
    SpellChecker();
    bool load(const QString& dictionary);

    std::unique_ptr<Hunspell> m_speller;
    QString m_language;
    bool m_utf8 = true;
};
