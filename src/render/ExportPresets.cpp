#include "render/ExportPresets.h"

#include "platform/KeptAside.h"
#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ExportPresets)
};

const QString kRevisionKey = PrefKey::exportPresetsRev;

const char* const kGithubCSS =
    "body { font-family: -apple-system, \"Segoe UI\", Helvetica, Arial, sans-serif; color: #24292f; max-width: "
    "760px; }\n"
    "h1, h2 { border-bottom: 1px solid #d0d7de; }\n"
    "a { color: #0969da; }\n"
    "code { background: rgba(175,184,193,0.2); }\n"
    "pre { background: #f6f8fa; }\n"
    "blockquote { color: #57606a; border-left-color: #d0d7de; }\n"
    "table th, table td { border-color: #d0d7de; }\n"
    "table th { background: #f6f8fa; }";

const char* const kAcademicCSS =
    "body { font-family: \"Iowan Old Style\", \"Palatino\", Georgia, serif; font-size: 17px; line-height: 1.75;\n"
    "       max-width: 680px; color: #1a1a1a; }\n"
    "p { text-align: justify; hyphens: auto; }\n"
    "h1, h2, h3 { font-family: inherit; }\n"
    "h1 { text-align: center; border: none; font-size: 1.9em; }\n"
    "code, pre { font-family: \"SF Mono\", Menlo, monospace; }\n"
    "blockquote { font-style: italic; }";

const char* const kDarkCSS = ":root { color-scheme: dark; }\n"
                             "body { background: #1e1e1e; color: #e4e4e7; }\n"
                             "h1, h2 { border-bottom-color: #3a3a3c; }\n"
                             "a { color: #4aa3ff; }\n"
                             "code { background: #2c2c2e; color: #f2f2f7; }\n"
                             "pre { background: #2c2c2e; }\n"
                             "blockquote { color: #a1a1aa; border-left-color: #48484a; }\n"
                             "hr { border-top-color: #3a3a3c; }\n"
                             "table th, table td { border-color: #3a3a3c; }\n"
                             "table th { background: #2c2c2e; }\n"
                             "@media print { body { background: #1e1e1e; } }";

const char* const kCompactCSS = "body { font-size: 14px; line-height: 1.5; max-width: 820px; margin: 24px auto; }\n"
                                "h1, h2, h3, h4 { margin: 1em 0 .4em; }\n"
                                "p, ul, ol, blockquote, pre, table { margin-bottom: .7em; }\n"
                                "li { margin: .1em 0; }";

// JSON string literal of `s` (what QJsonDocument writes for a string value).
QByteArray jsonString(const QString& s)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2); // strip "[" and "]"
}
} // namespace

namespace ExportThemes {

QList<ExportTheme> all()
{
    return {ExportTheme::standard, ExportTheme::github, ExportTheme::academic, ExportTheme::dark, ExportTheme::compact};
}

QString rawValue(ExportTheme theme)
{
    switch (theme) {
    case ExportTheme::standard: return QStringLiteral("standard");
    case ExportTheme::github: return QStringLiteral("github");
    case ExportTheme::academic: return QStringLiteral("academic");
    case ExportTheme::dark: return QStringLiteral("dark");
    case ExportTheme::compact: return QStringLiteral("compact");
    }
    return QStringLiteral("standard");
}

QString title(ExportTheme theme)
{
    switch (theme) {
    case ExportTheme::standard: break;
    case ExportTheme::github: return QStringLiteral("GitHub");
    case ExportTheme::academic: return Tr::tr("Academic");
    case ExportTheme::dark: return Tr::tr("Dark");
    case ExportTheme::compact: return Tr::tr("Compact");
    }
    return Tr::tr("Standard");
}

QString css(ExportTheme theme)
{
    switch (theme) {
    case ExportTheme::standard: return {};
    case ExportTheme::github: return QString::fromUtf8(kGithubCSS);
    case ExportTheme::academic: return QString::fromUtf8(kAcademicCSS);
    case ExportTheme::dark: return QString::fromUtf8(kDarkCSS);
    case ExportTheme::compact: return QString::fromUtf8(kCompactCSS);
    }
    return {};
}

std::optional<ExportTheme> fromRawValue(const QString& raw)
{
    for (ExportTheme t : all())
        if (rawValue(t) == raw) return t;
    return std::nullopt;
}

QString cssFor(const QString& themeID)
{
    const auto theme = fromRawValue(themeID);
    return theme ? css(*theme) : QString();
}

QString titleFor(const QString& themeID)
{
    return title(fromRawValue(themeID).value_or(ExportTheme::standard));
}

} // namespace ExportThemes

namespace ExportPresetStore {

QList<ExportPreset> seeds()
{
    // Named in the interface's language: once stored, the names are the user's to change.
    return {{QStringLiteral("seed-github-html"), QStringLiteral("GitHub HTML"), QStringLiteral("html"),
             QStringLiteral("github"), QString()},
            {QStringLiteral("seed-academic-pdf"), Tr::tr("Academic PDF"), QStringLiteral("pdf"),
             QStringLiteral("academic"), QString()},
            {QStringLiteral("seed-clean-pdf"), Tr::tr("Clean PDF"), QStringLiteral("pdf"), QStringLiteral("standard"),
             QString()}};
}

QByteArray encode(const QList<ExportPreset>& presets)
{
    // Written by hand: the stored member order is fixed, and QJsonDocument sorts keys.
    QByteArray out = "[";
    for (qsizetype i = 0; i < presets.size(); ++i) {
        const ExportPreset& p = presets[i];
        if (i) out += ',';
        out += "{\"id\":" + jsonString(p.id) + ",\"name\":" + jsonString(p.name)
               + ",\"formatID\":" + jsonString(p.formatID) + ",\"themeID\":" + jsonString(p.themeID)
               + ",\"customCSS\":" + jsonString(p.customCSS) + '}';
    }
    return out + ']';
}

std::optional<QList<ExportPreset>> decode(const QByteArray& json)
{
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray()) return std::nullopt;
    QList<ExportPreset> out;
    for (const QJsonValue& v : doc.array()) {
        if (!v.isObject()) return std::nullopt;
        const QJsonObject o = v.toObject();
        QString fields[5];
        const char* names[5] = {"id", "name", "formatID", "themeID", "customCSS"};
        for (int i = 0; i < 5; ++i) {
            const QJsonValue f = o.value(QLatin1String(names[i]));
            if (!f.isString()) return std::nullopt;
            fields[i] = f.toString();
        }
        out.append({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return out;
}

qint64 revision(const Settings& settings)
{
    return settings.value(kRevisionKey).toLongLong();
}

void save(const QList<ExportPreset>& presets, Settings& settings)
{
    settings.setValue(PrefKey::exportPresets, encode(presets));
    const qint64 rev = revision(settings);
    // The counter only has to change; wrapping past the largest value would be undefined.
    settings.setValue(kRevisionKey, rev == std::numeric_limits<qint64>::max() ? qint64(0) : rev + 1);
}

void save(const QList<ExportPreset>& presets)
{
    save(presets, Settings::instance());
}

QList<ExportPreset> all(Settings& settings)
{
    const QVariant stored = settings.value(PrefKey::exportPresets);
    if (stored.isValid()) {
        const QByteArray raw = stored.toByteArray();
        if (const auto list = decode(raw)) return *list;
        // The user's presets in a form this version cannot read: keep them before the seeds
        // take their place.
        qCWarning(lcRender) << "stored export presets are unreadable; the seeds replace them";
        KeptAside::keep(settings, PrefKey::exportPresets, raw, lcRender);
    }
    const QList<ExportPreset> s = seeds();
    save(s, settings);
    return s;
}

QList<ExportPreset> all()
{
    return all(Settings::instance());
}

} // namespace ExportPresetStore

std::optional<int> ExportPresetList::selectedIndex() const
{
    if (selection.isEmpty()) return std::nullopt;
    for (int i = 0; i < presets.size(); ++i)
        if (presets[i].id == selection) return i;
    return std::nullopt;
}

const ExportPreset* ExportPresetList::selected() const
{
    const auto i = selectedIndex();
    return i ? &presets[*i] : nullptr;
}

QString ExportPresetList::newId()
{
    const auto inUse = [this](const QString& id) {
        return std::any_of(presets.begin(), presets.end(), [&](const ExportPreset& p) { return p.id == id; });
    };
    QString id;
    do {
        ++idSeq;
        id = QStringLiteral("preset-%1-%2").arg(presets.size()).arg(idSeq);
    } while (inUse(id));
    return id;
}

void ExportPresetList::add()
{
    ExportPreset p{newId(), Tr::tr("New Preset"), QStringLiteral("pdf"), QStringLiteral("standard"), {}};
    presets.append(p);
    selection = p.id;
}

void ExportPresetList::duplicate()
{
    const auto i = selectedIndex();
    if (!i) return;
    ExportPreset copy = presets[*i];
    copy.id = newId();
    copy.name = Tr::tr("%1 Copy").arg(copy.name);
    presets.insert(*i + 1, copy);
    selection = copy.id;
}

void ExportPresetList::remove()
{
    const auto i = selectedIndex();
    if (!i) return;
    presets.removeAt(*i);
    selection = presets.isEmpty() ? QString() : presets.first().id;
}

void ExportPresetList::reload(const QList<ExportPreset>& fresh)
{
    presets = fresh;
    if (!selectedIndex()) selection = presets.isEmpty() ? QString() : presets.first().id;
}
