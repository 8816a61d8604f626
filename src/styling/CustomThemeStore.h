#pragma once

#include "styling/CustomTheme.h"

#include <QList>
#include <QString>

#include <optional>

// The user's colour themes, kept as one JSON array in the setting "editorCustomThemes".
namespace CustomThemeStore {

// The themes in stored order; text that is not a valid array of complete themes
// gives an empty list (one bad element discards all).
QList<CustomTheme> decode(const QString& json);
// Compact JSON; "[]" when the themes cannot be written (non-finite components).
QString encode(const QList<CustomTheme>& themes);
// "custom:<id>" finds the theme with exactly that id; any other mode finds the
// first theme whose name equals it ignoring case.
std::optional<CustomTheme> resolve(const QString& mode, const QString& json);

} // namespace CustomThemeStore
