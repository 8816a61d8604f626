#include "files/FolderAccess.h"

#include "files/FilePaths.h"
#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QFileInfo>
#include <QVariantMap>

#include <algorithm>

namespace {

QString bookmarkPath(const QVariant& bookmark)
{
    return QString::fromUtf8(bookmark.toByteArray());
}

// A stored value that is not a map of byte data reads as no grants at all.
QVariantMap readStore()
{
    const QVariant stored = Settings::instance().value(PrefKey::grantedFolderBookmarks);
    const QVariantMap map = stored.toMap();
    const bool readable = stored.metaType().id() == QMetaType::QVariantMap
                          && std::all_of(map.begin(), map.end(),
                                         [](const QVariant& v) { return v.metaType().id() == QMetaType::QByteArray; });
    if (readable) return map;
    if (stored.isValid()) qCWarning(lcFiles) << "the stored folder grants cannot be read; none are in effect";
    return {};
}

// The bookmark resolves when it still names an existing folder.
QString resolve(const QVariant& bookmark)
{
    const QString path = bookmarkPath(bookmark);
    return !path.isEmpty() && QFileInfo(path).isDir() ? path : QString();
}

} // namespace

namespace FolderAccess {

bool grant(const QString& folder)
{
    const QString path = FilePaths::standardized(folder);
    if (path.isEmpty() || !QFileInfo(path).isDir()) return false;
    QVariantMap store = readStore();
    store.insert(path, path.toUtf8());
    Settings::instance().setValue(PrefKey::grantedFolderBookmarks, store);
    return Settings::instance().sync() && readStore().value(path).toByteArray() == path.toUtf8();
}

QString resolved(const QString& path)
{
    const QString p = FilePaths::standardized(path);
    if (p.isEmpty()) return {};
    const QVariantMap store = readStore();
    QStringList covering;
    for (auto it = store.begin(); it != store.end(); ++it)
        if (FilePaths::covers(it.key(), p)) covering.append(it.key());
    // Most specific folder first; a grant that no longer resolves gives way to the next.
    std::stable_sort(covering.begin(), covering.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& key : covering) {
        const QString folder = resolve(store.value(key));
        if (!folder.isEmpty()) return folder;
        qCWarning(lcFiles) << "the folder grant for" << key << "no longer resolves";
    }
    return {};
}

bool hasAccess(const QString& path)
{
    return !resolved(path).isEmpty();
}

QStringList grantedFolders()
{
    QStringList out;
    const QVariantMap store = readStore();
    for (auto it = store.begin(); it != store.end(); ++it)
        if (const QString folder = resolve(it.value()); !folder.isEmpty()) out.append(folder);
    return out;
}

bool startAccessing(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable();
}

void stopAccessing(const QString&) {}

} // namespace FolderAccess
