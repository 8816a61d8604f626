#pragma once

#include <QProxyStyle>

// The desktop's style, with the boxes of check boxes and radio buttons outlined so that an
// unchecked one stands out 3:1 from what it is drawn on in every look: styles draw that
// outline a shade darker than the window, which a dark window hides.
class LegibleStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Makes the application's style a LegibleStyle over the one it has (once).
    static void install();
};
