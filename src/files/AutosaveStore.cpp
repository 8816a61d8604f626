#include "files/AutosaveStore.h"

#include "files/MarkdownDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
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

QList<AutosaveStore::Entry> AutosaveStore::entries() const
{
    static const QRegularExpression idPattern(QStringLiteral("^[0-9a-f-]{36}$"));
    QList<Entry> out;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*.md")}, QDir::Files);
    for (const QFileInfo& f : files) {
        const QString id = f.completeBaseName();
        if (!idPattern.match(id).hasMatch()) continue;
        if (auto doc = MarkdownDocument::read(f.absoluteFilePath())) out.append({id, doc->text, f.lastModified()});
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

bool AutosaveStore::save(const QString& id, const QString& text, QString* error) const
{
    // The reason names the folder, never the copy's own file name, which means nothing to the user.
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QCoreApplication::translate("AutosaveStore", "The autosave folder “%1” could not be created.")
                         .arg(m_folder);
        return false;
    }
    QString reason;
    if (MarkdownDocument{text}.write(path(id), nullptr, &reason)) return true;
    if (error)
        *error = QCoreApplication::translate("AutosaveStore", "The autosave folder “%1” cannot be written: %2")
                     .arg(m_folder, reason);
    return false;
}

void AutosaveStore::remove(const QString& id) const
{
    QFile::remove(path(id));
}
