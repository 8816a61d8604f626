#include "editor/ui/MinimapView.h"

#include "editor/MinimapModel.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PagedDocumentLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

MinimapView::MinimapView(MarkdownTextView* view, QWidget* parent)
    : QWidget(parent),
      m_view(view)
{
    setFixedWidth(84);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, this, qOverload<>(&QWidget::update));
    view->forEachDocument(this, [this](QTextDocument* doc) {
        connect(doc, &QTextDocument::contentsChange, this, &MinimapView::noteEdit);
    });
}

void MinimapView::setText(const QString& text)
{
    m_lineLengths = MinimapModel::lineLengths(text);
    m_blocks = m_view ? m_view->document()->blockCount() : int(m_lineLengths.size());
    m_stale = false;
    m_rowsBuiltForHeight = -1;
    update();
}

void MinimapView::refresh()
{
    if (m_stale && m_view)
        setText(m_view->text());
    else
        update();
}

void MinimapView::noteEdit(int from, int removed, int added)
{
    Q_UNUSED(removed);
    if (!m_view || isHidden() || m_stale) {
        m_stale = true;
        return;
    }
    QTextDocument* doc = m_view->document();
    const int blocks = doc->blockCount();
    const QTextBlock first = doc->findBlock(from);
    QTextBlock last = doc->findBlock(from + added);
    if (!last.isValid()) last = doc->lastBlock();
    const int b0 = first.blockNumber(), b1 = last.blockNumber();
    const int oldCount = b1 - b0 + 1 - (blocks - m_blocks);
    m_blocks = blocks;
    if (!first.isValid() || oldCount < 0 || b0 + oldCount > m_lineLengths.size()) {
        m_stale = true;
        return;
    }
    const int a = first.position(), e = std::min<int>(last.position() + last.length() - 1, m_view->textLength());
    MinimapModel::replaceLines(m_lineLengths, b0, oldCount, m_view->textInRange({a, std::max(0, e - a)}));
    m_rowsBuiltForHeight = -1;
}

void MinimapView::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const auto colors = m_view ? m_view->pagedLayout()->colors() : PagedDocumentLayout::Colors{};
    p.fillRect(e->rect(), colors.desk);
    const double H = height(), W = width();
    if (m_rowsBuiltForHeight != H) {
        m_rows = MinimapModel::rows(m_lineLengths, H);
        m_rowsBuiltForHeight = H;
    }
    const int n = std::max<int>(int(m_rows.size()), 1);
    const double barH = MinimapModel::barHeight(n, H);
    QColor bar = colors.text;
    bar.setAlphaF(0.35);
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] > 0) p.fillRect(QRectF(8, H * i / n, std::max(m_rows[i] * (W - 16), 2.0), barH), bar);
    if (!m_view) return;
    const double D = m_view->pagedLayout()->documentSize().height();
    if (D <= 0) return;
    const double top = std::max(m_view->verticalScrollBar()->value() / D, 0.0);
    const double share = std::min(m_view->viewport()->height() / D, 1.0);
    QColor accent = colors.accent;
    QColor fill = accent;
    fill.setAlphaF(0.14);
    accent.setAlphaF(0.5);
    p.setPen(QPen(accent, 1));
    p.setBrush(fill);
    p.drawRect(QRectF(1, top * H, W - 2, std::max(share * H, 12.0)));
}

void MinimapView::scrollTo(double y)
{
    if (!m_view || height() <= 0) return;
    const double D = m_view->pagedLayout()->documentSize().height();
    m_view->verticalScrollBar()->setValue(
        int(MinimapModel::scrollTarget(y, height(), m_view->viewport()->height(), D)));
    update();
}

void MinimapView::mousePressEvent(QMouseEvent* e)
{
    scrollTo(e->position().y());
}

void MinimapView::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton) scrollTo(e->position().y());
}
