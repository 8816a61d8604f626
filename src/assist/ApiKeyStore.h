#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QString>

class Settings;

// The API keys of the language-model providers. They live in a file of their own in the
// configuration folder, readable by the owner only (0600), never in the general settings
// file that other local users may read. A key found in the settings file (where earlier
// versions, or a settings page writing the plain key, put it) is moved here on the next
// read and removed from the settings file.
//
// Keys are never logged; nothing in this class prints or reports a key.
class ApiKeyStore : public QObject {
    Q_OBJECT
public:
    // The key of the cloud provider, and the optional key of the custom endpoint (the
    // cloud key is never sent anywhere but to the cloud provider).
    static QString cloudKeyName() { return QStringLiteral("deepseekAPIKey"); }
    static QString customKeyName() { return QStringLiteral("customAPIKey"); }

    // The store beside the process-wide settings file (follows `Settings::useFile`).
    static ApiKeyStore& instance();

    ApiKeyStore(QString filePath, Settings* settings, QObject* parent = nullptr);

    // The stored key, empty when none (or when the file cannot be read).
    QString key(const QString& name);
    // Stores (an empty value removes) the key. False when the file cannot be written;
    // then nothing changed.
    bool setKey(const QString& name, const QString& value);

    QString filePath() const { return m_path; }

Q_SIGNALS:
    void changed(const QString& name);

private:
    QJsonObject load() const;
    bool save(const QJsonObject& keys);
    void migrate(const QString& name);

    QString m_path;
    Settings* m_settings;
    // The file's contents as last read or written, reused while its time stamp and size
    // stay the same (the key is read on every request and by continuation checks).
    mutable QJsonObject m_cache;
    mutable QDateTime m_cacheStamp;
    mutable qint64 m_cacheSize = -1;
};
