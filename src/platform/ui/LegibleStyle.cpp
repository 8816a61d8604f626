#include "platform/ui/LegibleStyle.h"

#include "platform/ColorContrast.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

void LegibleStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool radio = element == PE_IndicatorRadioButton;
    if (!radio && element != PE_IndicatorCheckBox && element != PE_IndicatorItemViewItemCheck) return;
    // A box in a list stands on the list's ground, one in a form on the window's.
    const QPalette& p = option->palette;
    const QColor ground = p.color(element == PE_IndicatorItemViewItemCheck ? QPalette::Base : QPalette::Window);
    const QColor text = p.color(QPalette::WindowText);
    const QColor between =
        QColor::fromRgbF(float((text.redF() + ground.redF()) / 2), float((text.greenF() + ground.greenF()) / 2),
                         float((text.blueF() + ground.blueF()) / 2));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ColorContrast::legible(between, ground), 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5);
    if (radio)
        painter->drawEllipse(box);
    else
        painter->drawRoundedRect(box, 2, 2);
    painter->restore();
}

void LegibleStyle::install()
{
    if (dynamic_cast<LegibleStyle*>(QApplication::style())) return;
    QApplication::setStyle(new LegibleStyle(QApplication::style()->name()));
}
