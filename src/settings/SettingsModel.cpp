#include "settings/SettingsModel.h"

#include "platform/KeptAside.h"
#include "platform/Logging.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "styling/CustomThemeStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <cmath>

namespace SettingsModel {

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SettingsModel)
};

const QString kThemesKey = PrefKey::editorCustomThemes;
const QString kAppearanceKey = PrefKey::editorAppearance;
const QString kLanguageKey = PrefKey::appLanguageOverride;
const QString kPreferredKey = PrefKey::preferredLanguages;

// True for a stored theme list that is not an array of themes (an empty array is readable).
bool unreadableThemes(const QString& raw)
{
    if (raw.isEmpty() || !CustomThemeStore::decode(raw).isEmpty()) return false;
    const QJsonDocument doc = QJsonDocument::fromJson(raw.toUtf8());
    return !(doc.isArray() && doc.array().isEmpty());
}
} // namespace

QList<Choice> languages()
{
    // Each language by its own name, whatever the interface's language.
    return {
        {Tr::tr("System Default"), QStringLiteral("system")},
        {QStringLiteral("English"), QStringLiteral("en")},
        {QStringLiteral("Español"), QStringLiteral("es")},
        {QStringLiteral("Français"), QStringLiteral("fr")},
        {QStringLiteral("Deutsch"), QStringLiteral("de")},
        {QStringLiteral("Italiano"), QStringLiteral("it")},
        {QStringLiteral("Português (Brasil)"), QStringLiteral("pt-BR")},
        {QStringLiteral("简体中文"), QStringLiteral("zh-Hans")},
        {QStringLiteral("日本語"), QStringLiteral("ja")},
        {QStringLiteral("한국어"), QStringLiteral("ko")},
    };
}

QString valueLabel(const QString& format, double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return format.arg(QStringLiteral("–"));
    return format.arg(static_cast<qint64>(std::trunc(value)));
}

QString writingGoalLabel(double value)
{
    if (value == 0) return Tr::tr("Off");
    // A value that is no whole number reads "–" in the number's place: without a count the
    // text keeps its "%n" for that.
    if (!std::isfinite(value) || std::fabs(value) >= 2147483647.0)
        return Tr::tr("%n words", nullptr, -1).replace(QStringLiteral("%n"), QStringLiteral("–"));
    return Tr::tr("%n words", nullptr, int(std::trunc(value)));
}

int sliderSteps(double value, double minimum, double maximum, double step)
{
    if (!std::isfinite(value) || step <= 0) return 0;
    const double clamped = std::clamp(value, minimum, maximum);
    return int(std::lround((clamped - minimum) / step));
}

double valueAtStep(int steps, double minimum, double step)
{
    return minimum + steps * step;
}

ThemeChoices themeChoices(const QList<CustomTheme>& themes)
{
    ThemeChoices c;
    c.builtIn = {{Tr::tr("System"), QStringLiteral("system")},
                 {Tr::tr("Light"), QStringLiteral("light")},
                 {Tr::tr("Dark"), QStringLiteral("dark")},
                 {Tr::tr("Sepia"), QStringLiteral("sepia")}};
    for (const CustomTheme& t : themes)
        c.custom.append({t.name.isEmpty() ? Tr::tr("Untitled") : t.name, QStringLiteral("custom:") + t.id});
    return c;
}

QString defaultThemeName(const QList<CustomTheme>& themes)
{
    QSet<QString> names;
    for (const CustomTheme& t : themes) names.insert(t.name);
    for (qsizetype n = themes.size() + 1;; ++n) {
        const QString name = Tr::tr("My Theme %1").arg(n);
        if (!names.contains(name)) return name;
    }
}

QList<CustomTheme> customThemes(const Settings& settings)
{
    return CustomThemeStore::decode(settings.string(kThemesKey));
}

bool storeCustomThemes(Settings& settings, const QList<CustomTheme>& themes)
{
    const QString json = CustomThemeStore::encode(themes);
    // The encoder answers "[]" for a list it cannot write: never let that replace a list.
    if (json == QStringLiteral("[]") && !themes.isEmpty()) {
        qCWarning(lcSettings) << "custom themes with colours that cannot be stored were not saved";
        return false;
    }
    const QString raw = settings.isStored(kThemesKey) ? settings.string(kThemesKey) : QString();
    if (unreadableThemes(raw)) KeptAside::keep(settings, kThemesKey, raw.toUtf8(), lcSettings);
    settings.setValue(kThemesKey, json);
    return true;
}

void deleteCustomTheme(Settings& settings, const QString& id)
{
    QList<CustomTheme> themes = customThemes(settings);
    themes.removeIf([&](const CustomTheme& t) { return t.id == id; });
    storeCustomThemes(settings, themes);
    if (settings.string(kAppearanceKey) == QStringLiteral("custom:") + id)
        settings.setValue(kAppearanceKey, QStringLiteral("system"));
}

void setApplicationLanguage(Settings& settings, const QString& code)
{
    if (settings.string(kLanguageKey, QStringLiteral("system")) == code && settings.isStored(kLanguageKey)) return;
    settings.setValue(kLanguageKey, code);
    if (code == QStringLiteral("system"))
        settings.remove(kPreferredKey);
    else
        settings.setValue(kPreferredKey, QStringList{code});
}

QString preferredLanguage(const Settings& settings)
{
    const QStringList list = settings.value(kPreferredKey).toStringList();
    return list.isEmpty() ? QString() : list.first();
}

} // namespace SettingsModel
