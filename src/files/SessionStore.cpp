#include "files/SessionStore.h"

#include "files/FilePaths.h"
#include "platform/Logging.h"
#include "platform/OpenableFile.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QFileInfo>
#include <QVariantList>

#include <algorithm>

namespace {

struct State {
    QStringList open;
    std::function<void(const QString&)> opener;
};

State& state()
{
    static State s;
    return s;
}

// A bookmark is the standardized path as UTF-8; resolving it fails for an empty one.
QByteArray bookmark(const QString& path)
{
    return path.toUtf8();
}

void persist()
{
    QVariantList bookmarks;
    for (const QString& path : state().open) {
        const QByteArray b = bookmark(path);
        if (!b.isEmpty()) bookmarks.append(b);
    }
    Settings::instance().setValue(PrefKey::openSessionBookmarks, bookmarks);
}

} // namespace

namespace SessionStore {

bool isEnabled()
{
    // The settings file keeps Booleans as text; one that reads as no Boolean counts as on.
    return Settings::instance().boolean(QLatin1String(kEnabledKey), true);
}

QStringList savedURLs()
{
    const QVariant stored = Settings::instance().value(PrefKey::openSessionBookmarks);
    const QVariantList list = stored.toList();
    const bool readable = stored.metaType().id() == QMetaType::QVariantList
                          && std::all_of(list.begin(), list.end(),
                                         [](const QVariant& v) { return v.metaType().id() == QMetaType::QByteArray; });
    if (!readable) {
        if (stored.isValid()) qCWarning(lcFiles) << "the stored session cannot be read; no documents are reopened";
        return {};
    }
    QStringList paths;
    for (const QVariant& v : list) {
        const QString path = QString::fromUtf8(v.toByteArray());
        if (OpenableFile::isOpenable(path)) paths.append(path);
    }
    return paths;
}

void reopen(const QStringList& paths)
{
    if (!state().opener) return;
    for (const QString& path : paths) state().opener(path);
}

void setOpener(std::function<void(const QString&)> opener)
{
    state().opener = std::move(opener);
}

void markOpen(const QString& path)
{
    const QString p = FilePaths::standardized(path);
    if (p.isEmpty() || state().open.contains(p)) return;
    state().open.append(p);
    persist();
}

void markClosed(const QString& path)
{
    const QString p = FilePaths::standardized(path);
    if (p.isEmpty()) return;
    if (state().open.removeAll(p) > 0) persist();
}

QStringList openDocuments()
{
    return state().open;
}

void resetForNewLaunch()
{
    state() = State{};
}

} // namespace SessionStore
