#pragma once

#include "styling/CustomTheme.h"

#include <QList>
#include <QString>
#include <QStringList>

class Settings;

// What the settings window shows that is not a widget: its choices, the texts of its value
// labels, and the rules behind the theme picker and the custom themes.
namespace SettingsModel {

struct Choice {
    QString title;
    QString value;
};

// The application languages offered, "system" first.
QList<Choice> languages();

// A slider's value label: `format` holds "%1", which receives the value truncated toward
// zero ("15 pt", "3"). A value that is not finite, or too large to show as a whole number,
// reads "–".
QString valueLabel(const QString& format, double value);
// "Off" for exactly 0, else "N words".
QString writingGoalLabel(double value);

// The slider position of a stored value: the step nearest to it from the range's start,
// clamped to the range. Non-finite values sit at the start.
int sliderSteps(double value, double minimum, double maximum, double step);
double valueAtStep(int steps, double minimum, double step);

// The theme picker: the four built-in looks, then one choice per custom theme ("custom:"
// and its id; "Untitled" for an empty name). Segmented while there is no custom theme.
struct ThemeChoices {
    QList<Choice> builtIn;
    QList<Choice> custom;
    bool segmented() const { return custom.isEmpty(); }
};
ThemeChoices themeChoices(const QList<CustomTheme>& themes);

// The name for a theme about to be added: "My Theme N", N starting at the count plus one and
// going up past names already taken (compared exactly).
QString defaultThemeName(const QList<CustomTheme>& themes);

// The stored custom themes ("editorCustomThemes"); an unreadable value reads as none.
QList<CustomTheme> customThemes(const Settings& settings);
// Stores the list. An unreadable stored value is kept aside before it is first replaced;
// a list that cannot be written (non-finite colours) writes nothing.
bool storeCustomThemes(Settings& settings, const QList<CustomTheme>& themes);
// Removes every theme with this id; the look falls back to "system" when it was in use.
void deleteCustomTheme(Settings& settings, const QString& id);

// The user's application language ("appLanguageOverride") and the preferred-languages list
// the program reads at its next start ("preferredLanguages"): "system" removes the list,
// any other code stores it alone.
void setApplicationLanguage(Settings& settings, const QString& code);
// Read once at start-up: the preferred language, or empty for the system's.
QString preferredLanguage(const Settings& settings);

} // namespace SettingsModel
