#pragma once

#include "platform/TextRange.h"
#include "styling/CustomTheme.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// How the editor's text looks: base size and family, extra line spacing, the
// appearance mode, an optional user colour theme and the focus-mode state. Every
// colour and font is derived from these fields on request.
struct EditorTheme {
    double baseSize = 15;                 // points
    QString fontFamily = "system";        // "system", "mono" or "serif"
    double lineSpacing = 3;               // points between the lines of a paragraph
    QString appearanceMode = "system";    // "system", "light", "dark" or "sepia"
    std::optional<CustomTheme> custom;    // decides all five colours when present
    bool focusMode = false;
    TextRange focusRange;                 // undimmed in focus mode

    QColor textColor() const;
    QColor pageColor() const;
    QColor deskColor() const;
    QColor linkColor() const;
    QColor codeColor() const;

    QFont scaledFont(double size) const;
    QFont headingFont(int level) const;
    // Code: the fixed-pitch system font at baseSize - 1, whatever the family.
    QFont codeFont() const;

    // Text colour with its alpha replaced by `alpha` (dimmed markers and the like).
    QColor textColor(double alpha) const;

    // Stand-ins for the platform's dynamic system colours, which follow the
    // application palette's light or dark look (Qt 6.4 has no accent role).
    enum class SystemColor { Label, SecondaryLabel, TextBackground, UnderPageBackground, Accent, Pink, Green, Teal };
    static QColor systemColor(SystemColor c);
    static bool systemLooksDark();

    bool operator==(const EditorTheme&) const = default;
};
