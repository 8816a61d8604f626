#include "commands/ShortcutStore.h"

#include "platform/KeptAside.h"
#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QHash>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QPointer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace ShortcutStore {

namespace {

std::optional<KeyCombo> readEntry(const QJsonValue& v)
{
    if (!v.isObject()) return std::nullopt;
    const QJsonObject o = v.toObject();
    const QJsonValue key = o.value(u"key"_s);
    const QJsonValue mods = o.value(u"modifiers"_s);
    if (!key.isString() || !mods.isDouble()) return std::nullopt;
    const double m = mods.toDouble();
    // A non-negative whole number that a 64-bit field holds exactly.
    if (!(m >= 0) || m > 9007199254740992.0 || std::floor(m) != m) return std::nullopt;
    return KeyCombo{key.toString(), quint64(m)};
}

struct Cache {
    QPointer<Settings> owner;
    bool valid = false;
    QByteArray raw;
    Decoded decoded;
    QHash<QString, QString> byCombo; // "<modifiers>:<key>" -> id, first in walk order
};

Cache& cache()
{
    static Cache c;
    return c;
}

QString comboKey(const QString& key, quint64 mods)
{
    return QString::number(mods) + u':' + key;
}

QByteArray storedBytes(const QVariant& v)
{
    if (!v.isValid()) return {};
    if (v.metaType().id() == QMetaType::QByteArray) return v.toByteArray();
    return v.toString().toUtf8();
}

Cache& current()
{
    Cache& c = cache();
    Settings& s = Settings::instance();
    if (c.owner != &s) {
        c.owner = &s;
        c.valid = false;
        s.onChange(PrefKey::customShortcuts, &s, [](const QVariant&) { cache().valid = false; });
    }
    if (!c.valid) {
        c.raw = storedBytes(s.value(PrefKey::customShortcuts));
        c.decoded = decode(c.raw);
        c.byCombo.clear();
        for (auto it = c.decoded.combos.cbegin(); it != c.decoded.combos.cend(); ++it) {
            const QString k = comboKey(it->key, it->modifiers);
            if (!c.byCombo.contains(k)) c.byCombo.insert(k, it.key());
        }
        c.valid = true;
        if (c.decoded.wholeUnreadable)
            qCWarning(lcCommands, "stored shortcuts are not readable; none are in effect");
        else if (!c.decoded.unreadable.isEmpty())
            qCWarning(lcCommands, "%d stored shortcut(s) skipped as unreadable", int(c.decoded.unreadable.size()));
    }
    return c;
}

} // namespace

Decoded decode(const QByteArray& json)
{
    Decoded d;
    if (json.trimmed().isEmpty()) return d;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        d.wholeUnreadable = true;
        return d;
    }
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (const auto combo = readEntry(it.value()))
            d.combos.insert(it.key(), *combo);
        else
            d.unreadable.insert(it.key(), it.value());
    }
    return d;
}

QByteArray encode(const Combos& combos, const QJsonObject& keep)
{
    QJsonObject o = keep;
    for (auto it = combos.cbegin(); it != combos.cend(); ++it)
        o.insert(it.key(), QJsonObject{{u"key"_s, it->key}, {u"modifiers"_s, qint64(it->modifiers)}});
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

Combos all()
{
    return current().decoded.combos;
}

bool save(const Combos& combos)
{
    Cache& c = current();
    if (c.decoded.wholeUnreadable && KeptAside::keep(PrefKey::customShortcuts, c.raw, lcCommands).isEmpty())
        qCWarning(lcCommands, "could not keep the unreadable stored shortcuts aside");
    Settings::instance().setValue(PrefKey::customShortcuts, encode(combos, c.decoded.unreadable));
    return Settings::instance().sync();
}

std::optional<QString> commandID(int qtKey, Qt::KeyboardModifiers modifiers)
{
    const QString key = KeyCombo::keyText(qtKey);
    if (key.isEmpty()) return std::nullopt;
    const Cache& c = current();
    const auto it = c.byCombo.constFind(comboKey(key, KeyCombo::bitsOf(modifiers)));
    if (it == c.byCombo.cend()) return std::nullopt;
    return *it;
}

std::optional<QString> commandID(const QKeyEvent& event)
{
    return commandID(event.key(), event.modifiers());
}

std::optional<QString> conflict(const KeyCombo& combo, const QString& excluding)
{
    const Combos& combos = current().decoded.combos;
    for (auto it = combos.cbegin(); it != combos.cend(); ++it)
        if (it.key() != excluding && it->key == combo.key && it->modifiers == combo.modifiers) return it.key();
    return std::nullopt;
}

} // namespace ShortcutStore
