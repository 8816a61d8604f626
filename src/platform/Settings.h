#pragma once

#include <QHash>
#include <QObject>
#include <QVariant>

#include <functional>
#include <memory>

class QSettings;

// The user-defaults store. Reads fall back to the registered defaults (which are never
// written to disk), then to the caller's fallback. Every write emits `changed` at once,
// so every window that listens sees it.
class Settings : public QObject {
    Q_OBJECT
public:
    // The process-wide store (the user's configuration file).
    static Settings& instance();
    // Points the process-wide store at an INI file (tests use a temporary folder).
    static void useFile(const QString& iniPath);

    explicit Settings(const QString& iniPath, QObject* parent = nullptr);
    ~Settings() override;

    void registerDefaults(const QVariantHash& defaults);
    QVariant defaultValue(const QString& key) const { return m_defaults.value(key); }

    // Stored value, else the registered default, else an invalid QVariant.
    QVariant value(const QString& key) const;
    bool contains(const QString& key) const; // stored or registered
    bool isStored(const QString& key) const;

    QString string(const QString& key, const QString& fallback = {}) const;
    // Numbers are always finite: a stored NaN or infinity counts as malformed.
    double number(const QString& key, double fallback = 0) const;
    // The same, with a stored value outside minimum...maximum counting as malformed too.
    double number(const QString& key, double fallback, double minimum, double maximum) const;
    int integer(const QString& key, int fallback = 0) const;
    bool boolean(const QString& key, bool fallback = false) const;

    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);
    // False when the backing file cannot be written.
    bool sync();

    QString filePath() const;

    // Calls `f` whenever `key` changes, for as long as `context` lives.
    QMetaObject::Connection onChange(const QString& key, QObject* context, std::function<void(const QVariant&)> f);

Q_SIGNALS:
    void changed(const QString& key, const QVariant& value);

private:
    std::unique_ptr<QSettings> m_store;
    QVariantHash m_defaults;
};
