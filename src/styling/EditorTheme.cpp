#include "styling/EditorTheme.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

namespace {

QColor grey(double white) { return QColor::fromRgbF(float(white), float(white), float(white), 1.f); }
QColor srgb(double r, double g, double b) { return QColor::fromRgbF(float(r), float(g), float(b), 1.f); }

// The colour columns of the built-in modes; anything unknown is the system column.
enum class Mode { System, Light, Dark, Sepia };

Mode modeOf(const EditorTheme& t)
{
    if (t.appearanceMode == QLatin1String("light"))
        return Mode::Light;
    if (t.appearanceMode == QLatin1String("dark"))
        return Mode::Dark;
    if (t.appearanceMode == QLatin1String("sepia"))
        return Mode::Sepia;
    return Mode::System;
}

QFont sized(QFont f, double size)
{
    if (size > 0)
        f.setPointSizeF(size);
    return f;
}

} // namespace

bool EditorTheme::systemLooksDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor EditorTheme::systemColor(SystemColor c)
{
    const QPalette pal = QGuiApplication::palette();
    const bool dark = systemLooksDark();
    switch (c) {
    case SystemColor::Label: return pal.color(QPalette::Text);
    case SystemColor::SecondaryLabel: {
        QColor t = pal.color(QPalette::Text);
        t.setAlphaF(dark ? 0.55f : 0.5f);
        return t;
    }
    case SystemColor::TextBackground: return pal.color(QPalette::Base);
    case SystemColor::UnderPageBackground: return pal.color(QPalette::Window);
    case SystemColor::Accent: return pal.color(QPalette::Highlight);
    case SystemColor::Pink: return dark ? QColor(255, 55, 95) : QColor(255, 45, 85);
    case SystemColor::Green: return dark ? QColor(48, 209, 88) : QColor(52, 199, 89);
    case SystemColor::Teal: return dark ? QColor(64, 200, 224) : QColor(48, 176, 199);
    }
    return pal.color(QPalette::Text);
}

QColor EditorTheme::textColor() const
{
    if (custom)
        return custom->text.toColor();
    switch (modeOf(*this)) {
    case Mode::Light: return grey(0.1);
    case Mode::Dark: return grey(0.88);
    case Mode::Sepia: return srgb(0.36, 0.27, 0.21);
    case Mode::System: break;
    }
    return systemColor(SystemColor::Label);
}

QColor EditorTheme::textColor(double alpha) const
{
    QColor c = textColor();
    c.setAlphaF(float(alpha));
    return c;
}

QColor EditorTheme::pageColor() const
{
    if (custom)
        return custom->page.toColor();
    switch (modeOf(*this)) {
    case Mode::Light: return QColor(Qt::white);
    case Mode::Dark: return grey(0.13);
    case Mode::Sepia: return srgb(0.96, 0.93, 0.85);
    case Mode::System: break;
    }
    return systemColor(SystemColor::TextBackground);
}

QColor EditorTheme::deskColor() const
{
    if (custom)
        return custom->desk.toColor();
    switch (modeOf(*this)) {
    case Mode::Light: return grey(0.9);
    case Mode::Dark: return grey(0.08);
    case Mode::Sepia: return srgb(0.85, 0.80, 0.69);
    case Mode::System: break;
    }
    return systemColor(SystemColor::UnderPageBackground);
}

QColor EditorTheme::linkColor() const
{
    if (custom)
        return custom->link.toColor();
    return modeOf(*this) == Mode::Sepia ? srgb(0.51, 0.33, 0.16) : systemColor(SystemColor::Accent);
}

QColor EditorTheme::codeColor() const
{
    if (custom)
        return custom->code.toColor();
    return modeOf(*this) == Mode::Sepia ? srgb(0.6, 0.3, 0.3) : systemColor(SystemColor::Pink);
}

QFont EditorTheme::scaledFont(double size) const
{
    if (fontFamily == QLatin1String("mono")) {
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setWeight(QFont::Normal);
        return sized(f, size);
    }
    if (fontFamily == QLatin1String("serif")) {
        // fontconfig resolves the generic "serif" family to the system's serif face.
        QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.setFamilies({QStringLiteral("serif")});
        f.setStyleHint(QFont::Serif);
        return sized(f, size);
    }
    return sized(QFontDatabase::systemFont(QFontDatabase::GeneralFont), size);
}

QFont EditorTheme::headingFont(int level) const
{
    static constexpr double factors[] = {1.9, 1.55, 1.3, 1.15, 1.05};
    const double factor = level >= 1 && level <= 5 ? factors[level - 1] : 1.0;
    QFont f = scaledFont(factor * baseSize);
    f.setBold(true);
    return f;
}

QFont EditorTheme::codeFont() const
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setWeight(QFont::Normal);
    return sized(f, baseSize - 1);
}
