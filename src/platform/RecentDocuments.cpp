#include "platform/RecentDocuments.h"

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
    const QJsonDocument doc = QJsonDocument::fromJson(settings.string(PrefKey::recentDocuments).toUtf8());
    QStringList out;
    if (!doc.isArray()) return out;
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
