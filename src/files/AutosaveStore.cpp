#include "files/AutosaveStore.h"

#include "files/MarkdownDocument.h"
#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QUuid>

#include <algorithm>
#include <limits>

QString AutosaveStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Autosave");
}

AutosaveStore::AutosaveStore(QString folder)
    : m_folder(std::move(folder))
{}

QString AutosaveStore::newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString AutosaveStore::path(const QString& id) const
{
    return m_folder + u'/' + id + QStringLiteral(".md");
}

QString AutosaveStore::forPathFile(const QString& id) const
{
    return m_folder + u'/' + id + QStringLiteral(".for");
}

namespace {

const QString kNextLaunch = QStringLiteral("next launch");
const QString kFound = QStringLiteral("found ");

struct Note {
    QString forPath;
    AutosaveStore::Baseline baseline;
};

// The file a copy was kept aside for, as its note says: an absolute path on the first line,
// then how that file stood; nothing when the note is missing or is not one. A note of an
// earlier release is the path alone, without a line break (one with a line break, whose
// second line says nothing known, is a path holding a line feed: none).
Note readNote(const QString& note)
{
    using Kind = AutosaveStore::Baseline::Kind;
    QFile f(note);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.read(8192);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.size() >= 8192 || text.contains(QChar(0))) return {};
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QString path = text.left(lineEnd);
    if (!QDir::isAbsolutePath(path)) return {};
    if (lineEnd < 0) return {QDir::cleanPath(path), {Kind::Unknown, {}}};
    QString rest = text.mid(lineEnd + 1);
    if (rest.endsWith(u'\n')) rest.chop(1);
    if (rest.contains(u'\n')) return {};
    if (rest == kNextLaunch) return {QDir::cleanPath(path), {Kind::NextLaunch, {}}};
    if (rest.startsWith(kFound)) return {QDir::cleanPath(path), {Kind::Found, rest.mid(kFound.size())}};
    // A path alone that holds a line feed: the first line names another file.
    return {};
}

QByteArray noteText(const QString& forPath, const AutosaveStore::Baseline& baseline)
{
    using Kind = AutosaveStore::Baseline::Kind;
    switch (baseline.kind) {
    case Kind::NextLaunch: return (forPath + u'\n' + kNextLaunch + u'\n').toUtf8();
    case Kind::Found: return (forPath + u'\n' + kFound + baseline.stamp + u'\n').toUtf8();
    case Kind::Unknown: break;
    }
    return forPath.toUtf8();
}

} // namespace

QList<AutosaveStore::Entry> AutosaveStore::entries() const
{
    static const QRegularExpression idPattern(QStringLiteral("^[0-9a-f-]{36}$"));
    QList<Entry> out;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*.md")}, QDir::Files);
    for (const QFileInfo& f : files) {
        const QString id = f.completeBaseName();
        if (!idPattern.match(id).hasMatch()) continue;
        if (auto doc = MarkdownDocument::read(f.absoluteFilePath())) {
            Note note = readNote(forPathFile(id));
            out.append({id, doc->text, f.lastModified(), std::move(note.forPath), std::move(note.baseline)});
        }
    }
    std::sort(out.begin(), out.end(), [](const Entry& a, const Entry& b) { return a.modified < b.modified; });
    return out;
}

std::unique_ptr<QLockFile> AutosaveStore::claim(const QString& id) const
{
    QDir().mkpath(m_folder);
    auto lock = std::make_unique<QLockFile>(path(id) + QStringLiteral(".lock"));
    // Only a dead owner makes a lock stale, never its age: windows stay open for days.
    lock->setStaleLockTime(std::numeric_limits<int>::max());
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

bool AutosaveStore::save(const QString& id, const QString& text, QString* error, const QString& forPath,
                         const Baseline& baseline) const
{
    // The reason names the folder, never the copy's own file name, which means nothing to the user.
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QCoreApplication::translate("AutosaveStore", "The autosave folder “%1” could not be created.")
                         .arg(m_folder);
        return false;
    }
    QString reason;
    // The note first: a copy never stands without the name of its file.
    bool noted = true;
    if (forPath.isEmpty())
        QFile::remove(forPathFile(id));
    else
        noted = SafeWrite::replace(forPathFile(id), noteText(forPath, baseline), &reason);
    if (noted && MarkdownDocument{text}.write(path(id), nullptr, &reason)) return true;
    if (error)
        *error = QCoreApplication::translate("AutosaveStore", "The autosave folder “%1” cannot be written: %2")
                     .arg(m_folder, reason);
    return false;
}

bool AutosaveStore::note(const QString& id, const QString& forPath, const Baseline& baseline) const
{
    return SafeWrite::replace(forPathFile(id), noteText(forPath, baseline));
}

void AutosaveStore::remove(const QString& id) const
{
    QFile::remove(path(id));
    QFile::remove(forPathFile(id));
}
