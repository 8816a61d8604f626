#include "platform/Settings.h"

#include "platform/Logging.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSet>
#include <QSettings>

#include <climits>
#include <cmath>
#include <optional>

namespace {
std::unique_ptr<Settings>& globalSettings()
{
    static std::unique_ptr<Settings> s;
    return s;
}

// Named after the running application, so a test program (which names itself
// differently) never reads or writes the user's real configuration.
QString defaultIniPath()
{
    const QString org = QCoreApplication::organizationName();
    const QString app = QCoreApplication::applicationName();
    QSettings probe(QSettings::IniFormat, QSettings::UserScope, org.isEmpty() ? QStringLiteral("Brindlewick") : org,
                    app.isEmpty() ? QStringLiteral("Brindlewick") : app);
    return probe.fileName();
}

// QSettings' INI files hand back strings; turn the common ones into the types a
// default says the key holds.
QVariant coerce(const QVariant& stored, const QVariant& like)
{
    if (!stored.isValid() || !like.isValid() || stored.metaType() == like.metaType()) return stored;
    QVariant v = stored;
    if (v.convert(like.metaType())) return v;
    return stored;
}
} // namespace

Settings& Settings::instance()
{
    auto& s = globalSettings();
    if (!s) s = std::make_unique<Settings>(defaultIniPath());
    return *s;
}

void Settings::useFile(const QString& iniPath)
{
    auto& s = globalSettings();
    QVariantHash defaults;
    if (s) defaults = s->m_defaults;
    s = std::make_unique<Settings>(iniPath);
    s->m_defaults = defaults;
}

Settings::Settings(const QString& iniPath, QObject* parent)
    : QObject(parent),
      m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{}

Settings::~Settings() = default;

void Settings::registerDefaults(const QVariantHash& defaults)
{
    for (auto it = defaults.begin(); it != defaults.end(); ++it) m_defaults.insert(it.key(), it.value());
}

QVariant Settings::value(const QString& key) const
{
    const QVariant def = m_defaults.value(key);
    if (m_store->contains(key)) return coerce(m_store->value(key), def);
    return def;
}

bool Settings::contains(const QString& key) const
{
    return m_store->contains(key) || m_defaults.contains(key);
}

bool Settings::isStored(const QString& key) const
{
    return m_store->contains(key);
}

namespace {
// Said once per key and run: a setting is read again and again.
void warnUnreadable(const QString& key)
{
    static QMutex mutex;
    static QSet<QString> warned;
    const QMutexLocker lock(&mutex);
    if (warned.contains(key)) return;
    warned.insert(key);
    qCWarning(lcSettings) << "the stored value of" << key << "cannot be read; its default applies";
}

// A typed read tries the stored value, then the registered default (a stored value of
// the wrong shape, say "abc" for a number, must not hide the default), then `fallback`.
template <typename T, typename Read>
T typedRead(const QSettings& store, const QVariantHash& defaults, const QString& key, T fallback, Read read)
{
    if (store.contains(key)) {
        if (std::optional<T> v = read(store.value(key))) return *v;
        warnUnreadable(key);
    }
    if (auto it = defaults.constFind(key); it != defaults.cend())
        if (std::optional<T> v = read(*it)) return *v;
    return fallback;
}

// Only finite numbers: a hand-edited "nan" or "inf" reads as no number at all.
std::optional<double> readNumber(const QVariant& v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

std::optional<bool> readBool(const QVariant& v)
{
    if (v.metaType().id() == QMetaType::Bool) return v.toBool();
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1")) return true;
    if (s == QLatin1String("false") || s == QLatin1String("0")) return false;
    return std::nullopt;
}
} // namespace

QString Settings::string(const QString& key, const QString& fallback) const
{
    const QVariant v = value(key);
    return v.isValid() ? v.toString() : fallback;
}

double Settings::number(const QString& key, double fallback) const
{
    return typedRead<double>(*m_store, m_defaults, key, fallback, readNumber);
}

double Settings::number(const QString& key, double fallback, double minimum, double maximum) const
{
    return typedRead<double>(*m_store, m_defaults, key, fallback, [=](const QVariant& v) -> std::optional<double> {
        const std::optional<double> d = readNumber(v);
        if (!d || *d < minimum || *d > maximum) return std::nullopt;
        return d;
    });
}

int Settings::integer(const QString& key, int fallback) const
{
    return typedRead<int>(*m_store, m_defaults, key, fallback, [](const QVariant& v) -> std::optional<int> {
        const std::optional<double> d = readNumber(v);
        if (!d || !std::isfinite(*d) || *d < INT_MIN || *d > INT_MAX) return std::nullopt;
        return int(*d);
    });
}

bool Settings::boolean(const QString& key, bool fallback) const
{
    return typedRead<bool>(*m_store, m_defaults, key, fallback, readBool);
}

void Settings::setValue(const QString& key, const QVariant& value)
{
    m_store->setValue(key, value);
    m_store->sync();
    Q_EMIT changed(key, this->value(key));
}

void Settings::remove(const QString& key)
{
    m_store->remove(key);
    m_store->sync();
    Q_EMIT changed(key, value(key));
}

bool Settings::sync()
{
    m_store->sync();
    return m_store->status() == QSettings::NoError;
}

QString Settings::filePath() const
{
    return m_store->fileName();
}

QMetaObject::Connection Settings::onChange(const QString& key, QObject* context, std::function<void(const QVariant&)> f)
{
    return connect(this, &Settings::changed, context, [key, f = std::move(f)](const QString& k, const QVariant& v) {
        if (k == key) f(v);
    });
}
