#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// The text styles and colours the window's chrome shares (status bar, outline, quick open,
// welcome and What's New), derived from the application's font and palette.
namespace ChromeStyle {

// Sizes are given in the interface's points, one point to one device-independent pixel.
inline QFont sized(const QFont& base, double points, QFont::Weight weight = QFont::Normal)
{
    QFont f = base;
    f.setPixelSize(qRound(points));
    f.setWeight(weight);
    return f;
}
inline QFont caption(const QFont& base)
{
    return sized(base, 10);
}
inline QFont callout(const QFont& base)
{
    return sized(base, 11.5);
}
inline QFont headline(const QFont& base)
{
    return sized(base, 12.5, QFont::DemiBold);
}

inline QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}
inline QColor primary(const QPalette& p)
{
    return p.color(QPalette::WindowText);
}
inline QColor secondary(const QPalette& p)
{
    return mix(p.color(QPalette::WindowText), p.color(QPalette::Window), 0.4);
}
inline QColor tertiary(const QPalette& p)
{
    return mix(p.color(QPalette::WindowText), p.color(QPalette::Window), 0.62);
}
inline QColor accent(const QPalette& p)
{
    return p.color(QPalette::Highlight);
}
// The slightly darker background of side columns.
inline QColor underPage(const QPalette& p)
{
    return p.color(QPalette::Window).darker(106);
}
// The status bar's background.
inline QColor bar(const QPalette& p)
{
    return mix(p.color(QPalette::Window), p.color(QPalette::Base), 0.5);
}

inline void setTextColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace ChromeStyle
