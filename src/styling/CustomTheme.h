#pragma once

#include <QString>

// One theme colour as sRGB components, stored as given (no clamping).
struct RGBA {
    double r = 0, g = 0, b = 0, a = 1;
    bool operator==(const RGBA&) const = default;
};

// A user colour theme: text, page, desk, link and code colours.
struct CustomTheme {
    QString id;
    QString name;
    RGBA text, page, desk, link, code;
    bool operator==(const CustomTheme&) const = default;
};
