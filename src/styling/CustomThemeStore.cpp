#include "styling/CustomThemeStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace CustomThemeStore {

namespace {

const char* const kColourKeys[] = {"text", "page", "desk", "link", "code"};

bool readRGBA(const QJsonValue& v, RGBA& out)
{
    if (!v.isObject()) return false;
    const QJsonObject o = v.toObject();
    double* parts[] = {&out.r, &out.g, &out.b, &out.a};
    const char* names[] = {"r", "g", "b", "a"};
    for (int i = 0; i < 4; ++i) {
        const QJsonValue c = o.value(QLatin1String(names[i]));
        if (!c.isDouble()) return false;
        *parts[i] = c.toDouble();
    }
    return true;
}

RGBA CustomTheme::*const kColourMembers[] = {&CustomTheme::text, &CustomTheme::page, &CustomTheme::desk,
                                             &CustomTheme::link, &CustomTheme::code};

} // namespace

QList<CustomTheme> decode(const QString& json)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray()) return {};
    QList<CustomTheme> out;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isObject()) return {};
        const QJsonObject o = v.toObject();
        const QJsonValue id = o.value(QLatin1String("id")), name = o.value(QLatin1String("name"));
        if (!id.isString() || !name.isString()) return {};
        CustomTheme t;
        t.id = id.toString();
        t.name = name.toString();
        for (int i = 0; i < 5; ++i)
            if (!readRGBA(o.value(QLatin1String(kColourKeys[i])), t.*kColourMembers[i])) return {};
        out.append(t);
    }
    return out;
}

QString encode(const QList<CustomTheme>& themes)
{
    QJsonArray arr;
    for (const CustomTheme& t : themes) {
        QJsonObject o;
        o.insert(QLatin1String("id"), t.id);
        o.insert(QLatin1String("name"), t.name);
        for (int i = 0; i < 5; ++i) {
            const RGBA& c = t.*kColourMembers[i];
            for (double v : {c.r, c.g, c.b, c.a})
                if (!std::isfinite(v)) return QStringLiteral("[]"); // JSON has no NaN or infinity
            o.insert(QLatin1String(kColourKeys[i]), QJsonObject{{"r", c.r}, {"g", c.g}, {"b", c.b}, {"a", c.a}});
        }
        arr.append(o);
    }
    return QString::fromUtf8(QJsonDocument(arr).toJson(QJsonDocument::Compact));
}

std::optional<CustomTheme> resolve(const QString& mode, const QString& json)
{
    const QList<CustomTheme> themes = decode(json);
    if (mode.startsWith(QLatin1String("custom:"))) {
        const QString id = mode.mid(7);
        for (const CustomTheme& t : themes)
            if (t.id == id) return t;
        return std::nullopt;
    }
    for (const CustomTheme& t : themes)
        if (t.name.compare(mode, Qt::CaseInsensitive) == 0) return t;
    return std::nullopt;
}

} // namespace CustomThemeStore
