#include "platform/RecentDocuments.h"

#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace RecentDocuments {

namespace {
QString normalized(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

void store(Settings& settings, const QStringList& list)
{
    const QJsonDocument doc(QJsonArray::fromStringList(list));
    settings.setValue(PrefKey::recentDocuments, QString::fromUtf8(doc.toJson(QJsonDocument::Compact)));
}
} // namespace

QStringList paths(const Settings& settings)
{
    const QString stored = settings.string(PrefKey::recentDocuments);
    const QJsonDocument doc = QJsonDocument::fromJson(stored.toUtf8());
    QStringList out;
    if (!doc.isArray()) {
        // Said once per stored value: the list is read each time the menu opens.
        static QString told;
        if (!stored.isEmpty() && stored != told) {
            told = stored;
            qCWarning(lcPlatform) << "the list of recent documents cannot be read; it starts again empty";
        }
        return out;
    }
    for (const QJsonValue& v : doc.array()) {
        if (!v.isString() || v.toString().isEmpty() || out.contains(v.toString())) continue;
        out.append(v.toString());
        if (out.size() == maxCount) break;
    }
    return out;
}

void add(Settings& settings, const QString& path)
{
    const QString p = normalized(path);
    QStringList list = paths(settings);
    list.removeAll(p);
    list.prepend(p);
    while (list.size() > maxCount) list.removeLast();
    store(settings, list);
}

void remove(Settings& settings, const QString& path)
{
    QStringList list = paths(settings);
    if (list.removeAll(normalized(path)) > 0) store(settings, list);
}

void clear(Settings& settings)
{
    store(settings, {});
}

} // namespace RecentDocuments
