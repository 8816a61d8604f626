#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// The words the user added to the dictionary: a UTF-8 file of one word per line in the
// program's data folder, read when the list is made and written whole (through SafeWrite)
// on every addition. The file may have been edited by hand or by another program: a line
// that cannot be a word (blanks inside, control characters, longer than a word) is left
// out; a file larger than the limit, not UTF-8 or holding NUL is moved to the kept-aside
// folder and the list starts empty.
class PersonalDictionary {
public:
    static constexpr qint64 kMaxBytes = 1024 * 1024;
    static constexpr int kMaxWordLength = 100;

    // "<data folder>/Personal Dictionary.txt".
    static QString defaultPath();

    explicit PersonalDictionary(const QString& path = defaultPath());

    const QString& path() const { return m_path; }
    // In the file's order.
    const QStringList& words() const { return m_words; }
    bool contains(const QString& word) const { return m_set.contains(word); }

    // Whether `word` can stand on a line of the list.
    static bool isWord(QStringView word);

    // Adds `word` and writes the list, with the words another program added to the file
    // since (the added word stays accepted even when the write fails). False, with a
    // reason for the user, when the file could not be written or `word` is no word.
    bool add(const QString& word, QString* error = nullptr);

private:
    // Reads the file into the list; false when a file is there that must not be
    // written over (it could not be read nor moved aside).
    bool read();
    void append(const QString& word);

    QString m_path;
    QStringList m_words;
    QSet<QString> m_set;
};
