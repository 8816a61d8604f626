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
    double baseSize = 15;              // points
    QString fontFamily = "system";     // "system", "mono" or "serif"
    double lineSpacing = 3;            // points between the lines of a paragraph
    QString appearanceMode = "system"; // "system", "light", "dark" or "sepia"
    std::optional<CustomTheme> custom; // decides all five colours when present
    bool focusMode = false;
    TextRange focusRange; // undimmed in focus mode

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
    // Text colour at `alpha` or, where that would fall below a 3:1 contrast against the
    // page or the code background, just as much more opaque as that contrast needs:
    // dimmed text that must still be read (markers, quotes).
    QColor legibleTextColor(double alpha) const;
    // The background of code: the text colour at 6 % over the page.
    QColor codeBackgroundColor() const;

    // Stand-ins for the platform's dynamic system colours (Qt 6.4 has no accent role).
    enum class SystemColor { Label, SecondaryLabel, TextBackground, UnderPageBackground, Accent, Pink, Green, Teal };
    // A system colour as it looks in the light or the dark look. Where the application
    // has that look its palette decides the colours a palette has (text, backgrounds,
    // accent); otherwise, and for hues no palette has, fixed shades for that look.
    static QColor systemColor(SystemColor c, bool dark);
    // As the application looks.
    static QColor systemColor(SystemColor c) { return systemColor(c, systemLooksDark()); }
    static bool systemLooksDark();

    // Whether the editor is drawn in the dark look: a custom theme by the luminance of its
    // page, "dark" always, "system" as the application looks, every other mode light.
    // System colours in the editor resolve for this look, not the application's.
    bool looksDark() const;
    QColor resolved(SystemColor c) const { return systemColor(c, looksDark()); }

    bool operator==(const EditorTheme&) const = default;
};
