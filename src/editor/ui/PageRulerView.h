#pragma once

#include <QWidget>

class MarkdownTextView;

// The inch ruler above the page: 96 points per inch from the sheet's left edge, with
// the page margins shaded. Follows horizontal scrolling and zoom.
class PageRulerView : public QWidget {
    Q_OBJECT
public:
    explicit PageRulerView(MarkdownTextView* view, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 22}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    MarkdownTextView* m_view;
};
