#include "styling/CustomTheme.h"

#include "styling/EditorTheme.h"

#include <QUuid>

RGBA::RGBA(const QColor& colour)
{
    const QColor c = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
    if (!c.isValid()) {
        *this = RGBA(0, 0, 0, 1);
        return;
    }
    float fr, fg, fb, fa;
    c.getRgbF(&fr, &fg, &fb, &fa);
    r = fr;
    g = fg;
    b = fb;
    a = fa;
}

QColor RGBA::toColor() const
{
    // QColor keeps float components; out-of-range values are clamped only here,
    // at drawing time, never in the stored theme.
    auto c = [](double v) { return float(qBound(0.0, v, 1.0)); };
    return QColor::fromRgbF(c(r), c(g), c(b), c(a));
}

CustomTheme CustomTheme::seeded(const QString& name, const EditorTheme& from)
{
    CustomTheme t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    t.name = name;
    if (from.custom) {
        // Copied as stored: a trip through QColor would round every component
        // and clamp those outside 0...1.
        const CustomTheme& c = *from.custom;
        t.text = c.text;
        t.page = c.page;
        t.desk = c.desk;
        t.link = c.link;
        t.code = c.code;
        return t;
    }
    t.text = RGBA(from.textColor());
    t.page = RGBA(from.pageColor());
    t.desk = RGBA(from.deskColor());
    // The built-in colours as the seed's own look shows them.
    const bool sepia = from.appearanceMode == QLatin1String("sepia");
    t.link = sepia ? RGBA(0.51, 0.33, 0.16, 1) : RGBA(from.linkColor());
    t.code = sepia ? RGBA(0.6, 0.3, 0.3, 1) : RGBA(from.codeColor());
    return t;
}

size_t qHash(const RGBA& c, size_t seed) noexcept
{
    return qHashMulti(seed, c.r, c.g, c.b, c.a);
}

size_t qHash(const CustomTheme& t, size_t seed) noexcept
{
    return qHashMulti(seed, t.id, t.name, t.text, t.page, t.desk, t.link, t.code);
}
