#include "platform/KeptAside.h"

#include "platform/SafeWrite.h"
#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKeptAside, "brindlewick.platform.keptaside")

namespace KeptAside {

QString folder(const Settings& settings)
{
    return QFileInfo(settings.filePath()).absolutePath() + QStringLiteral("/Kept aside");
}

QString keep(const QString& key, const QByteArray& raw)
{
    return keep(Settings::instance(), key, raw);
}

QString keep(const Settings& settings, const QString& key, const QByteArray& raw)
{
    const QString dir = folder(settings);
    if (!QDir().mkpath(dir)) {
        qCWarning(lcKeptAside) << "cannot create" << dir;
        return {};
    }
    // A key is a plain identifier; anything else is replaced so it cannot leave the folder.
    QString safeKey = key;
    for (QChar& c : safeKey)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_') c = u'_';
    const QByteArray digest = QCryptographicHash::hash(raw, QCryptographicHash::Sha1);
    QDirIterator it(dir, {safeKey + QStringLiteral(" *.txt")}, QDir::Files);
    while (it.hasNext()) {
        QFile earlier(it.next());
        if (earlier.size() == raw.size() && earlier.open(QIODevice::ReadOnly)
            && QCryptographicHash::hash(earlier.readAll(), QCryptographicHash::Sha1) == digest)
            return earlier.fileName();
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = dir + u'/' + safeKey + u' ' + stamp + QStringLiteral(".txt");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + u'/' + safeKey + u' ' + stamp + u' ' + QString::number(n) + QStringLiteral(".txt");
    QString why;
    if (!SafeWrite::replace(path, raw, &why)) {
        qCWarning(lcKeptAside) << "cannot write" << path << why;
        return {};
    }
    // Every store that falls back from a value it cannot read comes through here.
    qCWarning(lcKeptAside) << "the stored value of" << key << "could not be read; it was kept aside in" << path;
    return path;
}

} // namespace KeptAside
