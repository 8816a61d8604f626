#include "styling/EditorTheme.h"

#include "platform/ColorContrast.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

namespace {

QColor grey(double white)
{
    return QColor::fromRgbF(float(white), float(white), float(white), 1.f);
}
QColor srgb(double r, double g, double b)
{
    return QColor::fromRgbF(float(r), float(g), float(b), 1.f);
}

// The colour columns of the built-in modes; anything unknown is the system column.
enum class Mode { System, Light, Dark, Sepia };

Mode modeOf(const EditorTheme& t)
{
    if (t.appearanceMode == QLatin1String("light")) return Mode::Light;
    if (t.appearanceMode == QLatin1String("dark")) return Mode::Dark;
    if (t.appearanceMode == QLatin1String("sepia")) return Mode::Sepia;
    return Mode::System;
}

QColor opaque(QColor c)
{
    c.setAlphaF(1.f);
    return c;
}

// `fg` painted over the opaque `bg`.
QColor over(const QColor& fg, const QColor& bg)
{
    const double a = fg.alphaF();
    const auto mix = [a](double f, double b) { return float(f * a + b * (1 - a)); };
    return QColor::fromRgbF(mix(fg.redF(), bg.redF()), mix(fg.greenF(), bg.greenF()), mix(fg.blueF(), bg.blueF()), 1.f);
}

QFont sized(QFont f, double size)
{
    if (size > 0) f.setPointSizeF(size);
    return f;
}

} // namespace

bool EditorTheme::systemLooksDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor EditorTheme::systemColor(SystemColor c, bool dark)
{
    if (dark == systemLooksDark()) {
        const QPalette pal = QGuiApplication::palette();
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
        default: break;
        }
    }
    // The hues are the darker shades on the light look, so that code tokens keep a 3:1
    // contrast on a white or sepia page too.
    switch (c) {
    case SystemColor::Label: return dark ? QColor(255, 255, 255, 217) : QColor(0, 0, 0, 217);
    case SystemColor::SecondaryLabel: return dark ? QColor(255, 255, 255, 140) : QColor(0, 0, 0, 128);
    case SystemColor::TextBackground: return dark ? QColor(30, 30, 30) : QColor(Qt::white);
    case SystemColor::UnderPageBackground: return dark ? QColor(40, 40, 40) : QColor(229, 229, 229);
    case SystemColor::Accent: return dark ? QColor(10, 132, 255) : QColor(0, 122, 255);
    case SystemColor::Pink: return dark ? QColor(255, 55, 95) : QColor(211, 15, 69);
    case SystemColor::Green: return dark ? QColor(48, 209, 88) : QColor(36, 138, 61);
    case SystemColor::Teal: return dark ? QColor(64, 200, 224) : QColor(0, 122, 138);
    }
    return dark ? QColor(Qt::white) : QColor(Qt::black);
}

bool EditorTheme::looksDark() const
{
    if (custom) {
        const QColor page = custom->page.toColor();
        return 0.2126 * page.redF() + 0.7152 * page.greenF() + 0.0722 * page.blueF() < 0.5;
    }
    switch (modeOf(*this)) {
    case Mode::Dark: return true;
    case Mode::System: return systemLooksDark();
    default: return false;
    }
}

QColor EditorTheme::textColor() const
{
    if (custom) return custom->text.toColor();
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

QColor EditorTheme::codeBackgroundColor() const
{
    return over(textColor(0.06), pageColor());
}

QColor EditorTheme::legibleTextColor(double alpha) const
{
    const QColor page = opaque(pageColor());
    const QColor code = codeBackgroundColor();
    const auto legible = [&](double a) {
        const QColor c = textColor(a);
        return ColorContrast::ratio(over(c, page), page) >= 3 && ColorContrast::ratio(over(c, code), code) >= 3;
    };
    if (legible(alpha)) return textColor(alpha);
    // The contrast grows with the alpha: search for the least one that is enough (the
    // styler asks on every restyle, so in a few steps).
    double low = alpha, high = 1;
    for (int step = 0; step < 10; ++step) {
        const double mid = (low + high) / 2;
        (legible(mid) ? high : low) = mid;
    }
    return textColor(high);
}

QColor EditorTheme::pageColor() const
{
    if (custom) return custom->page.toColor();
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
    if (custom) return custom->desk.toColor();
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
    if (custom) return custom->link.toColor();
    return modeOf(*this) == Mode::Sepia ? srgb(0.51, 0.33, 0.16) : resolved(SystemColor::Accent);
}

QColor EditorTheme::codeColor() const
{
    if (custom) return custom->code.toColor();
    return modeOf(*this) == Mode::Sepia ? srgb(0.6, 0.3, 0.3) : resolved(SystemColor::Pink);
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
