#include "assist/ApiKeyStore.h"

#include "platform/Logging.h"
#include "platform/SafeWrite.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString storePathBeside(const QString& settingsFile)
{
    return QFileInfo(settingsFile).absoluteDir().filePath(QStringLiteral("apikeys.json"));
}
} // namespace

ApiKeyStore& ApiKeyStore::instance()
{
    static std::unique_ptr<ApiKeyStore> store;
    static Settings* owner = nullptr;
    Settings& settings = Settings::instance();
    const QString path = storePathBeside(settings.filePath());
    // Tests point the settings at a temporary file; follow them there.
    if (!store || owner != &settings || store->filePath() != path) {
        store = std::make_unique<ApiKeyStore>(path, &settings);
        owner = &settings;
    }
    return *store;
}

ApiKeyStore::ApiKeyStore(QString filePath, Settings* settings, QObject* parent)
    : QObject(parent),
      m_path(std::move(filePath)),
      m_settings(settings)
{
    if (!m_settings) return;
    // A settings page (or anything else) that writes a key into the settings file has it
    // moved here at once.
    connect(m_settings, &Settings::changed, this, [this](const QString& name, const QVariant&) {
        if (name != cloudKeyName() && name != customKeyName()) return;
        if (!m_settings->isStored(name)) return;
        migrate(name);
        Q_EMIT changed(name);
    });
}

QJsonObject ApiKeyStore::load() const
{
    const QFileInfo info(m_path);
    if (!info.exists()) return {};
    // A file that was copied in, or opened up, is tightened before use.
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther
                                                | QFileDevice::ExeOther;
    if (info.permissions() & others) QFile::setPermissions(m_path, kOwnerOnly);
    if (m_cacheSize == info.size() && m_cacheStamp == info.lastModified()) return m_cache;
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QJsonDocument doc = QJsonDocument::fromJson(f.read(1 << 20));
    // Never say more than that: the file holds the keys.
    if (!doc.isObject()) qCWarning(lcAssist) << "the key file" << m_path << "cannot be read; no provider key is set";
    m_cache = doc.isObject() ? doc.object() : QJsonObject();
    m_cacheStamp = info.lastModified();
    m_cacheSize = info.size();
    return m_cache;
}

bool ApiKeyStore::save(const QJsonObject& keys)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_cacheSize = -1; // read back once, with the new file's stamp
    // The new file is the owner's only before a single byte of a key is written into it.
    QString why;
    if (SafeWrite::replace(m_path, QJsonDocument(keys).toJson(QJsonDocument::Compact), &why, 0600)) return true;
    qCWarning(lcAssist) << "the key file" << m_path << "could not be written:" << why;
    return false;
}

void ApiKeyStore::migrate(const QString& name)
{
    if (!m_settings || !m_settings->isStored(name)) return;
    // A copy in the settings file is always newer than the key file's entry: every move
    // removes it, so it can only have been written since. A settings page that stores
    // the key as it is typed, or clears it, is followed keystroke by keystroke.
    const QString fromSettings = m_settings->string(name);
    QJsonObject keys = load();
    if (keys.value(name).toString() != fromSettings || (fromSettings.isEmpty() && keys.contains(name))) {
        if (fromSettings.isEmpty())
            keys.remove(name);
        else
            keys.insert(name, fromSettings);
        // Keep the settings copy when the key file cannot be written: a key is never lost.
        if (!save(keys)) return;
    }
    m_settings->remove(name);
    m_settings->sync();
}

QString ApiKeyStore::key(const QString& name)
{
    migrate(name);
    return load().value(name).toString();
}

bool ApiKeyStore::setKey(const QString& name, const QString& value)
{
    migrate(name);
    QJsonObject keys = load();
    if (keys.value(name).toString() == value && (!value.isEmpty() || !keys.contains(name))) return true;
    if (value.isEmpty())
        keys.remove(name);
    else
        keys.insert(name, value);
    if (!save(keys)) return false;
    Q_EMIT changed(name);
    return true;
}
