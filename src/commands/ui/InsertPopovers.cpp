#include "commands/ui/InsertPopovers.h"

#include "commands/MarkdownPathHelper.h"
#include "platform/ui/Icons.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QLabel* headline(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton* defaultButton(const QString& title, QWidget* parent, QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* b = new QPushButton(title, parent);
    b->setDefault(true);
    row->addWidget(b);
    layout->addLayout(row);
    return b;
}
} // namespace

Popover::Popover(QWidget* parent) : QFrame(parent, Qt::Popup)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
}

void Popover::showBelow(QWidget* anchor)
{
    adjustSize();
    QPoint at = anchor->mapToGlobal(QPoint(anchor->width() / 2 - width() / 2, anchor->height() + 2));
    if (const QScreen* screen = anchor->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(at);
    show();
}

LinkEditorView::LinkEditorView(const QString& text, const QString& url, OnInsert onInsert, QWidget* parent)
    : Popover(parent), m_onInsert(std::move(onInsert))
{
    setFixedWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(headline(tr("Insert Link"), this));
    m_text = new QLineEdit(text, this);
    m_text->setPlaceholderText(tr("Text"));
    layout->addWidget(m_text);
    m_url = new QLineEdit(url, this);
    m_url->setPlaceholderText(tr("URL"));
    layout->addWidget(m_url);
    m_insert = defaultButton(tr("Insert"), this, layout);
    auto update = [this] { m_insert->setEnabled(!m_url->text().isEmpty() && m_url->text() != u"https://"); };
    connect(m_url, &QLineEdit::textChanged, this, update);
    update();
    connect(m_url, &QLineEdit::returnPressed, this, &LinkEditorView::insert);
    connect(m_text, &QLineEdit::returnPressed, this, &LinkEditorView::insert);
    connect(m_insert, &QPushButton::clicked, this, &LinkEditorView::insert);
    m_url->setFocus();
}

void LinkEditorView::insert()
{
    const QString url = m_url->text();
    if (url.isEmpty() || url == u"https://") return;
    if (m_onInsert) m_onInsert(m_text->text(), url);
}

ImageInsertView::ImageInsertView(const QString& documentPath, OnInsert onInsert, QWidget* parent)
    : Popover(parent), m_documentPath(documentPath), m_onInsert(std::move(onInsert))
{
    setFixedWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(headline(tr("Insert Image"), this));
    auto* choose = new QPushButton(Icons::icon(u"folder"_s), tr("Choose File…"), this);
    connect(choose, &QPushButton::clicked, this, &ImageInsertView::chooseFile);
    layout->addWidget(choose);
    auto* orRow = new QHBoxLayout;
    auto rule = [this] {
        auto* f = new QFrame(this);
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    };
    orRow->addWidget(rule(), 1);
    auto* orLabel = new QLabel(tr("or"), this);
    orLabel->setForegroundRole(QPalette::PlaceholderText);
    orRow->addWidget(orLabel);
    orRow->addWidget(rule(), 1);
    layout->addLayout(orRow);
    m_url = new QLineEdit(this);
    m_url->setPlaceholderText(tr("Image URL"));
    layout->addWidget(m_url);
    m_alt = new QLineEdit(this);
    m_alt->setPlaceholderText(tr("Alt text (optional)"));
    layout->addWidget(m_alt);
    m_insert = defaultButton(tr("Insert"), this, layout);
    connect(m_url, &QLineEdit::textChanged, this, [this] { m_insert->setEnabled(!m_url->text().isEmpty()); });
    m_insert->setEnabled(false);
    connect(m_insert, &QPushButton::clicked, this, &ImageInsertView::insertTyped);
    // Return in either field is the default button's, as in a form.
    for (QLineEdit* field : {m_url, m_alt})
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (m_insert->isEnabled()) insertTyped();
        });
}

void ImageInsertView::insertTyped()
{
    if (m_url->text().isEmpty() || !m_onInsert) return;
    m_onInsert(m_alt->text().isEmpty() ? u"image"_s : m_alt->text(), m_url->text());
}

void ImageInsertView::insertFile(const QString& filePath)
{
    if (filePath.isEmpty() || !m_onInsert) return;
    const QString path = MarkdownPathHelper::relativePath(filePath, m_documentPath);
    const QString alt = m_alt->text().isEmpty() ? QFileInfo(filePath).completeBaseName() : m_alt->text();
    m_onInsert(alt, path);
}

void ImageInsertView::chooseFile()
{
    // A popup cannot stay open under a dialog: it steps aside while the dialog is shown
    // and comes back if the user cancels.
    QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.append(u"*."_s + QString::fromLatin1(format));
    auto* dialog = new QFileDialog(window, tr("Choose Image"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(tr("Images") + u" ("_s + patterns.join(u' ') + u')');
    const QPoint at = pos();
    hide();
    QPointer<ImageInsertView> self(this);
    connect(dialog, &QFileDialog::finished, this, [self, dialog, at](int result) {
        if (!self) return;
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty()) {
            self->insertFile(chosen.first());
            return;
        }
        self->move(at);
        self->show();
    });
    dialog->open();
}

namespace {
constexpr int cellSize = 18;
constexpr int cellGap = 3;
} // namespace

TableGridPicker::TableGridPicker(int maxRows, int maxCols, OnPick onPick, QWidget* parent)
    : Popover(parent), m_maxRows(std::max(maxRows, 1)), m_maxCols(std::max(maxCols, 1)), m_onPick(std::move(onPick))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_label);
    m_grid = new QWidget(this);
    m_grid->setFixedSize(m_maxCols * cellSize + (m_maxCols - 1) * cellGap, m_maxRows * cellSize + (m_maxRows - 1) * cellGap);
    m_grid->setMouseTracking(true);
    m_grid->installEventFilter(this);
    m_grid->setAccessibleName(tr("Table size"));
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    m_label->setText(label());
}

QString TableGridPicker::label() const
{
    if (m_hoverRows < 1) return tr("Insert Table");
    return tr("%1 × %2 table").arg(m_hoverRows).arg(m_hoverCols);
}

QPoint TableGridPicker::cellAt(QPoint p) const
{
    const int step = cellSize + cellGap;
    if (p.x() < 0 || p.y() < 0) return {};
    const int col = p.x() / step, row = p.y() / step;
    if (col >= m_maxCols || row >= m_maxRows || p.x() % step >= cellSize || p.y() % step >= cellSize) return {};
    return {col + 1, row + 1};
}

bool TableGridPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_grid) return Popover::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint c = cellAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (c.x() > 0 && (c.y() != m_hoverRows || c.x() != m_hoverCols)) {
            m_hoverRows = c.y();
            m_hoverCols = c.x();
            m_label->setText(label());
            m_grid->update();
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const QPoint c = cellAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (c.x() > 0 && m_onPick) m_onPick(c.y(), c.x());
        return true;
    }
    case QEvent::Paint: {
        QPainter p(m_grid);
        p.setRenderHint(QPainter::Antialiasing);
        QColor on = palette().color(QPalette::Highlight);
        on.setAlphaF(0.75);
        QColor off = palette().color(QPalette::WindowText);
        off.setAlphaF(0.12);
        for (int r = 1; r <= m_maxRows; ++r)
            for (int c = 1; c <= m_maxCols; ++c) {
                QPainterPath path;
                path.addRoundedRect(QRectF((c - 1) * (cellSize + cellGap), (r - 1) * (cellSize + cellGap), cellSize, cellSize), 2, 2);
                p.fillPath(path, r <= m_hoverRows && c <= m_hoverCols ? on : off);
            }
        return true;
    }
    default:
        return Popover::eventFilter(watched, event);
    }
}
