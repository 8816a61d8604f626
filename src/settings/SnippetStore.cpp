#include "settings/SnippetStore.h"

#include "platform/KeptAside.h"
#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace SnippetStore {

std::optional<QList<Snippet>> decode(const QByteArray& json)
{
    static const QRegularExpression uuid(
        u"^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"_s);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) return std::nullopt;
    QList<Snippet> out;
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        const QJsonValue id = o.value(u"id"_s), trigger = o.value(u"trigger"_s), body = o.value(u"body"_s);
        if (!v.isObject() || !id.isString() || !trigger.isString() || !body.isString()) return std::nullopt;
        if (!uuid.match(id.toString()).hasMatch()) return std::nullopt;
        out.append({QUuid::fromString(id.toString()), trigger.toString(), body.toString()});
    }
    return out;
}

namespace {

bool isTriggerChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

} // namespace

const QList<Snippet>& seed()
{
    static const QList<Snippet> list{
        {QUuid::createUuid(), u"sig"_s, u"Best regards,\n$|"_s},
        {QUuid::createUuid(), u"todo"_s, u"- [ ] $|"_s},
        {QUuid::createUuid(), u"date"_s, u"$date"_s},
        {QUuid::createUuid(), u"meta"_s, u"---\ntitle: $|\ndate: $date\n---\n"_s},
    };
    return list;
}

QList<Snippet> load()
{
    const QVariant v = Settings::instance().value(PrefKey::userSnippets);
    if (!v.isValid()) return seed();
    const QByteArray bytes = v.metaType().id() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
    if (const auto list = decode(bytes)) return *list;
    // Read on every Tab: the same unreadable value is told once.
    static QByteArray told;
    if (bytes != told) {
        qCWarning(lcSettings) << "the stored snippets cannot be read; the defaults are in effect";
        told = bytes;
    }
    return seed();
}

QByteArray encode(const QList<Snippet>& snippets)
{
    QJsonArray array;
    for (const Snippet& s : snippets)
        array.append(QJsonObject{
            {u"id"_s, s.id.toString(QUuid::WithoutBraces).toUpper()}, {u"trigger"_s, s.trigger}, {u"body"_s, s.body}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

void save(const QList<Snippet>& snippets)
{
    Settings& settings = Settings::instance();
    const QString key = PrefKey::userSnippets;
    const QVariant v = settings.value(key);
    if (v.isValid()) {
        const QByteArray bytes = v.metaType().id() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
        if (!decode(bytes)) KeptAside::keep(settings, key, bytes, lcSettings);
    }
    settings.setValue(key, encode(snippets));
}

std::optional<QString> expansion(const QString& trigger)
{
    for (const Snippet& s : load())
        if (s.trigger == trigger) return s.body;
    return std::nullopt;
}

QStringView triggerBefore(QStringView text, int caret)
{
    if (caret <= 0 || caret > text.size()) return {};
    int start = caret;
    while (start > 0 && isTriggerChar(text[start - 1])) --start;
    return text.sliced(start, caret - start);
}

Expanded expandMarkers(const QString& body, const QString& date)
{
    QString s = body;
    s.replace(u"$date"_s, date);
    const qsizetype marker = s.indexOf(u"$|"_s);
    if (marker < 0) return {s, int(s.size())};
    s.remove(u"$|"_s);
    return {s, int(marker)};
}

std::optional<TabEdit> tabEdit(QStringView text, int caret, const QString& date)
{
    const QStringView word = triggerBefore(text, caret);
    if (word.isEmpty()) return std::nullopt;
    const auto body = expansion(word.toString());
    if (!body) return std::nullopt;
    const Expanded e = expandMarkers(*body, date);
    const int start = caret - int(word.size());
    return TabEdit{start, int(word.size()), e.text, start + e.caret};
}

} // namespace SnippetStore
