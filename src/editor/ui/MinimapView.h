#pragma once

#include <QPointer>
#include <QWidget>

class MarkdownTextView;

// The overview strip beside the editor: one bar per group of lines and a box over the
// visible part; a click or drag scrolls the editor so the point comes to the middle.
class MinimapView : public QWidget {
    Q_OBJECT
public:
    explicit MinimapView(MarkdownTextView* view, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {84, 200}; }

    void setText(const QString& text);
    // After a pause in typing: repaints, counting the lines again only when edits were
    // made while hidden.
    void refresh();
    const QList<double>& rows() const { return m_rows; }
    const QList<int>& lineLengths() const { return m_lineLengths; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void scrollTo(double y);
    // Keeps the line lengths in step with each edit, from the lines it touched.
    void noteEdit(int from, int removed, int added);

    QPointer<MarkdownTextView> m_view;
    QList<int> m_lineLengths{0};
    QList<double> m_rows;
    double m_rowsBuiltForHeight = -1;
    int m_blocks = 1;
    bool m_stale = true; // the lengths no longer follow the text
};
