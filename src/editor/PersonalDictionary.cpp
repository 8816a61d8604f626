#include "editor/PersonalDictionary.h"

#include "platform/KeptAside.h"
#include "platform/Logging.h"
#include "platform/OpenableFile.h"
#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

const QString kKeptAsideName = QStringLiteral("Personal Dictionary");

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(PersonalDictionary)
};

} // namespace

QString PersonalDictionary::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/Personal Dictionary.txt");
}

PersonalDictionary::PersonalDictionary(const QString& path)
    : m_path(path)
{
    read();
}

bool PersonalDictionary::isWord(QStringView word)
{
    if (word.isEmpty() || word.size() > kMaxWordLength) return false;
    for (QChar c : word)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Surrogate
            || c.category() == QChar::Other_NotAssigned)
            return false;
    return true;
}

void PersonalDictionary::append(const QString& word)
{
    if (m_set.contains(word)) return;
    m_set.insert(word);
    m_words.append(word);
}

bool PersonalDictionary::read()
{
    const OpenableFile::Verdict verdict = OpenableFile::check(m_path);
    if (verdict.problem == OpenableFile::Problem::Missing) return true;
    if (verdict.problem == OpenableFile::Problem::Folder || verdict.problem == OpenableFile::Problem::Special) {
        qCWarning(lcEditor) << "the personal dictionary" << m_path << "is not a file; it is neither read nor written";
        return false;
    }
    // Unreadable as a list: moved aside whole (never read into memory when too large),
    // so that the next addition starts a new file and nothing of the old one is lost.
    auto keepAside = [this] { return !KeptAside::keepFile(kKeptAsideName, m_path, lcEditor).isEmpty(); };
    if (QFileInfo(m_path).size() > kMaxBytes) return keepAside();
    OpenableFile::Verdict why;
    const std::optional<QByteArray> bytes = OpenableFile::read(m_path, &why);
    if (!bytes) {
        if (why.problem == OpenableFile::Problem::Missing) return true;
        if (why.problem == OpenableFile::Problem::TooLarge) return keepAside();
        qCWarning(lcEditor) << "cannot read the personal dictionary" << m_path << why.detail;
        return false;
    }
    if (bytes->size() > kMaxBytes) return keepAside();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(*bytes);
    if (utf8.hasError() || text.contains(QChar(0))) return keepAside();
    int dropped = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty()) continue;
        if (isWord(line))
            append(line.toString());
        else
            ++dropped;
    }
    // The lines left out would be gone with the next addition: a copy of the file as it
    // was stays in the kept-aside folder (once, however often it is read).
    if (dropped > 0) {
        qCWarning(lcEditor) << dropped << "lines of the personal dictionary" << m_path << "are no words";
        KeptAside::keep(kKeptAsideName, *bytes, lcEditor);
    }
    return true;
}

bool PersonalDictionary::add(const QString& word, QString* error)
{
    if (!isWord(word)) {
        if (error) *error = Tr::tr("“%1” cannot be added to the dictionary.").arg(word);
        return false;
    }
    const bool writable = read();
    append(word);
    if (!writable) {
        if (error) *error = Tr::tr("“%1” is not a file that the word list can be written to.").arg(m_path);
        return false;
    }
    const QByteArray bytes = (m_words.join(u'\n') + u'\n').toUtf8();
    QString why;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()) || !SafeWrite::replace(m_path, bytes, &why)) {
        qCWarning(lcEditor) << "cannot write the personal dictionary" << m_path << why;
        if (error) *error = why;
        return false;
    }
    return true;
}
