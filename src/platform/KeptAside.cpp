#include "platform/KeptAside.h"

#include "platform/OpenableFile.h"
#include "platform/SafeWrite.h"
#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace KeptAside {

QString folder(const Settings& settings)
{
    return QFileInfo(settings.filePath()).absolutePath() + QStringLiteral("/Kept aside");
}

QString keep(const QString& key, const QByteArray& raw, Category log)
{
    return keep(Settings::instance(), key, raw, log);
}

namespace {

// A key is a plain identifier; anything else is replaced so it cannot leave the folder.
QString safeName(const QString& key)
{
    QString safeKey = key;
    for (QChar& c : safeKey)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_') c = u'_';
    return safeKey;
}

// "<key> <date and time>.txt" in `dir`, numbered when that is taken.
QString freshPath(const QString& dir, const QString& safeKey)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = dir + u'/' + safeKey + u' ' + stamp + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + u'/' + safeKey + u' ' + stamp + u' ' + QString::number(n) + QStringLiteral(".txt");
    return path;
}

} // namespace

QString keepFile(const QString& key, const QString& path, Category log)
{
    const QString dir = folder(Settings::instance());
    if (!QDir().mkpath(dir)) {
        qCWarning(log) << "cannot create" << dir;
        return {};
    }
    const QString target = freshPath(dir, safeName(key));
    // A rename moves the bytes without writing them again; across file systems they are
    // read and written as any kept value, and the file goes only once its copy is whole.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) {
        if (errno != EXDEV) {
            qCWarning(log) << "cannot move" << path << "aside:" << qt_error_string(errno);
            return {};
        }
        const std::optional<QByteArray> raw = OpenableFile::read(path);
        QString why;
        if (!raw || !SafeWrite::replace(target, *raw, &why) || !QFile::remove(path)) {
            qCWarning(log) << "cannot move" << path << "aside" << why;
            if (raw) QFile::remove(target);
            return {};
        }
    }
    qCWarning(log) << key << "could not be read; the file was kept aside as" << target;
    return target;
}

QString keep(const Settings& settings, const QString& key, const QByteArray& raw, Category log)
{
    const QString dir = folder(settings);
    if (!QDir().mkpath(dir)) {
        qCWarning(log) << "cannot create" << dir;
        return {};
    }
    const QString safeKey = safeName(key);
    const QByteArray digest = QCryptographicHash::hash(raw, QCryptographicHash::Sha1);
    QDirIterator it(dir, {safeKey + QStringLiteral(" *.txt")}, QDir::Files);
    while (it.hasNext()) {
        QFile earlier(it.next());
        if (earlier.size() == raw.size() && earlier.open(QIODevice::ReadOnly)
            && QCryptographicHash::hash(earlier.readAll(), QCryptographicHash::Sha1) == digest)
            return earlier.fileName();
    }
    const QString path = freshPath(dir, safeKey);
    QString why;
    if (!SafeWrite::replace(path, raw, &why)) {
        qCWarning(log) << "cannot write" << path << why;
        return {};
    }
    // Every store that falls back from a value it cannot read comes through here.
    qCWarning(log) << "the stored value of" << key << "could not be read; it was kept aside in" << path;
    return path;
}

} // namespace KeptAside
