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

// The file a copy was kept aside for, as its note says: an absolute path of one line, or
// nothing when the note is missing or is not one.
QString readForPath(const QString& note)
{
    QFile f(note);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.read(8192);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString path = utf8.decode(bytes);
    if (utf8.hasError() || bytes.size() >= 8192 || path.contains(u'\n') || path.contains(QChar(0))
        || !QDir::isAbsolutePath(path))
        return {};
    return QDir::cleanPath(path);
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
        if (auto doc = MarkdownDocument::read(f.absoluteFilePath()))
            out.append({id, doc->text, f.lastModified(), readForPath(forPathFile(id))});
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

bool AutosaveStore::save(const QString& id, const QString& text, QString* error, const QString& forPath) const
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
        noted = SafeWrite::replace(forPathFile(id), forPath.toUtf8(), &reason);
    if (noted && MarkdownDocument{text}.write(path(id), nullptr, &reason)) return true;
    if (error)
        *error = QCoreApplication::translate("AutosaveStore", "The autosave folder “%1” cannot be written: %2")
                     .arg(m_folder, reason);
    return false;
}

void AutosaveStore::remove(const QString& id) const
{
    QFile::remove(path(id));
    QFile::remove(forPathFile(id));
}
