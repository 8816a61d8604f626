#include "platform/ui/AttachedPanel.h"

#include <QMainWindow>
#include <QPainter>
#include <QScreen>

AttachedPanel::AttachedPanel(const QString& title, QWidget* window)
    : QDialog(window, Qt::Popup | Qt::FramelessWindowHint)
{
    setWindowTitle(title);
    setAccessibleName(title);
}

void AttachedPanel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    if (!window) return;
    // Below the window's bars, over the text, as a sheet comes down from under the toolbar.
    const auto* main = qobject_cast<const QMainWindow*>(window);
    const QWidget* content = main && main->centralWidget() ? main->centralWidget() : window;
    const QRect area(content->mapToGlobal(QPoint(0, 0)), content->size());
    QPoint at(area.center().x() - width() / 2, area.top());
    if (const QScreen* screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    move(at);
}

void AttachedPanel::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Without a frame from the window manager the panel draws its own edge.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
