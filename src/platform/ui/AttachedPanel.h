#pragma once

#include <QDialog>

// A panel that belongs to a document window rather than standing beside it: no title bar of
// its own, shown at the top of the window's content and centred on it, closed by Escape or a
// click anywhere outside it. The window (and the control that had the focus in it) has the
// keyboard again once it closes. Its window title names it for screen readers and the
// window list.
class AttachedPanel : public QDialog {
    Q_OBJECT
public:
    AttachedPanel(const QString& title, QWidget* window);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
