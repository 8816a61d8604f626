#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QString>

struct EditorTheme;

// One theme colour as sRGB components, stored as given (no clamping).
struct RGBA {
    double r = 0, g = 0, b = 0, a = 1;

    RGBA() = default;
    RGBA(double red, double green, double blue, double alpha = 1)
        : r(red),
          g(green),
          b(blue),
          a(alpha)
    {}
    // The colour's sRGB components; a colour with no sRGB form becomes opaque black.
    explicit RGBA(const QColor& colour);

    QColor toColor() const;
    bool operator==(const RGBA&) const = default;
};

// A user colour theme: text, page, desk, link and code colours.
struct CustomTheme {
    QString id;
    QString name;
    RGBA text, page, desk, link, code;
    bool operator==(const CustomTheme&) const = default;

    // A new theme (fresh upper-case UUID) holding the colours `from` shows now.
    static CustomTheme seeded(const QString& name, const EditorTheme& from);
};

size_t qHash(const RGBA& c, size_t seed = 0) noexcept;
size_t qHash(const CustomTheme& t, size_t seed = 0) noexcept;
