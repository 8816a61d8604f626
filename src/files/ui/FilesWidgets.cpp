#include "files/ui/FilesWidgets.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace FilesWidgets {

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

QLabel* secondaryLabel(const QString& text, QWidget* parent, double scale)
{
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (scale != 1.0) {
        QFont f = label->font();
        f.setPointSizeF(f.pointSizeF() * scale);
        label->setFont(f);
    }
    return label;
}

QVBoxLayout* flushColumn(QWidget* owner)
{
    auto* column = new QVBoxLayout(owner);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    return column;
}

} // namespace FilesWidgets
