#include "editor/ui/PageRulerView.h"

#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"

#include <QPainter>
#include <QScrollBar>

PageRulerView::PageRulerView(MarkdownTextView* view, QWidget* parent)
    : QWidget(parent),
      m_view(view)
{
    setFixedHeight(22);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(view, &MarkdownTextView::magnificationChanged, this, qOverload<>(&QWidget::update));
}

void PageRulerView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const PagedDocumentLayout* layout = m_view->pagedLayout();
    const auto& colors = layout->colors();
    p.fillRect(rect(), colors.desk);
    const auto& g = layout->geometry();
    const double s = g.scale;
    // Document x to ruler x: the ruler sits exactly above the text view's viewport.
    const double dx = m_view->viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x()
                      - m_view->horizontalScrollBar()->value();
    const double pageLeft = layout->sheetLeft() + dx;
    const double pageRight = pageLeft + g.pageWidth * s;
    const double textLeft = pageLeft + g.hInset * s;
    const double textRight = pageRight - g.hInset * s;
    const double h = height();
    p.fillRect(QRectF(pageLeft, 0, pageRight - pageLeft, h), colors.page);
    QColor shade = colors.text;
    shade.setAlphaF(0.2);
    p.fillRect(QRectF(pageLeft, 0, textLeft - pageLeft, h), shade);
    p.fillRect(QRectF(textRight, 0, pageRight - textRight, h), shade);
    QColor sep = colors.text;
    sep.setAlphaF(0.25);
    p.setPen(QPen(sep, 0.5));
    p.drawLine(QPointF(0, h - 0.5), QPointF(width(), h - 0.5));

    QColor mark = colors.text;
    mark.setAlphaF(0.45);
    QFont label = font();
    label.setPixelSize(8);
    p.setFont(label);
    const double inch = 96 * s;
    int k = 0;
    for (double x = pageLeft; x <= pageRight + 0.5; x += inch, ++k) {
        p.setPen(QPen(mark, 1));
        p.drawLine(QPointF(x, 0.45 * h), QPointF(x, h));
        p.drawText(QPointF(x + 2, 9), QString::number(k));
        p.setPen(QPen(mark, 0.5));
        for (const auto& [offset, top] : {std::pair{0.25, 0.78}, std::pair{0.75, 0.78}, std::pair{0.5, 0.65}})
            if (x + offset * inch <= pageRight + 0.5)
                p.drawLine(QPointF(x + offset * inch, top * h), QPointF(x + offset * inch, h));
    }
}
