#pragma once

#include "styling/CustomTheme.h"

#include <QString>

#include <optional>

// The sixteen settings the editor applies to its text view, styler and page view.
// A plain value: the editor re-applies it only when it differs from the last one.
struct EditorConfig {
    double fontSize = 0;
    QString fontFamily; // "system", "serif" or "mono"
    double lineSpacing = 0;
    bool spellCheck = false;
    bool autoPair = false;
    QString viewMode; // "wysiwyg"; anything else is source mode
    bool showRuler = false;
    bool revealMarkers = false;
    QString appearanceMode; // "system", "light", "dark", "sepia"
    double pageWidth = 0;
    double pageMargin = 0;
    bool focusMode = false;
    bool typewriter = false;
    QString textDirection; // "natural", "ltr", "rtl"
    QString spellLanguage; // "auto" or a language identifier
    std::optional<CustomTheme> customTheme;

    // Field by field; absent themes are equal to each other and to nothing else.
    bool operator==(const EditorConfig&) const = default;
};
