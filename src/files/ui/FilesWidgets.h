#pragma once

#include <QString>

class QFrame;
class QLabel;
class QVBoxLayout;
class QWidget;

// Small building blocks shared by the sidebar and the history sheet.
namespace FilesWidgets {

// A thin horizontal line between parts of a panel.
QFrame* divider(QWidget* parent);
// Centred, wrapped text in the secondary colour; `scale` shrinks it to caption size.
QLabel* secondaryLabel(const QString& text, QWidget* parent, double scale = 1.0);
// A vertical stack filling `owner` edge to edge, without spacing.
QVBoxLayout* flushColumn(QWidget* owner);

} // namespace FilesWidgets
