#include "commands/ui/InsertPopovers.h"

#include "commands/MarkdownPathHelper.h"
#include "platform/ui/Icons.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
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

Popover::Popover(QWidget* parent)
    : QFrame(parent, Qt::Popup)
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
    : Popover(parent),
      m_onInsert(std::move(onInsert))
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
    : Popover(parent),
      m_documentPath(documentPath),
      m_onInsert(std::move(onInsert))
{
    setFixedWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(headline(tr("Insert Image"), this));
    auto* choose = new QPushButton(tr("Choose File…"), this);
    Icons::set(choose, u"folder"_s);
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
    dialog->setNameFilter(tr("Images (%1)").arg(patterns.join(u' ')));
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

class GridCell : public QAbstractButton {
public:
    GridCell(TableGridPicker* picker, int row, int col, QWidget* parent)
        : QAbstractButton(parent),
          m_picker(picker),
          m_row(row),
          m_col(col)
    {
        setFixedSize(cellSize, cellSize);
        setAccessibleName(TableGridPicker::tr("%1 by %2 table").arg(row).arg(col));
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void enterEvent(QEnterEvent*) override { m_picker->hover(m_row, m_col); }
    void focusInEvent(QFocusEvent* e) override
    {
        QAbstractButton::focusInEvent(e);
        m_picker->hover(m_row, m_col);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor on = palette().color(QPalette::Highlight);
        on.setAlphaF(0.75);
        QColor off = palette().color(QPalette::WindowText);
        off.setAlphaF(0.12);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), 2, 2);
        p.fillPath(path, m_picker->isHighlighted(m_row, m_col) ? on : off);
    }

private:
    TableGridPicker* m_picker;
    int m_row, m_col;
};
} // namespace

TableGridPicker::TableGridPicker(int maxRows, int maxCols, OnPick onPick, QWidget* parent)
    : Popover(parent),
      m_maxRows(std::max(maxRows, 1)),
      m_maxCols(std::max(maxCols, 1)),
      m_onPick(std::move(onPick))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(m_label);
    auto* grid = new QGridLayout;
    grid->setSpacing(cellGap);
    for (int r = 1; r <= m_maxRows; ++r)
        for (int c = 1; c <= m_maxCols; ++c) {
            auto* cell = new GridCell(this, r, c, this);
            // A click picks the cell's own size, whatever is highlighted.
            connect(cell, &QAbstractButton::clicked, this, [this, r, c] {
                if (m_onPick) m_onPick(r, c);
            });
            grid->addWidget(cell, r - 1, c - 1);
            m_cells.append(cell);
        }
    layout->addLayout(grid);
    m_label->setText(label());
}

QString TableGridPicker::label() const
{
    if (m_hoverRows < 1) return tr("Insert Table");
    return tr("%1 × %2 table").arg(m_hoverRows).arg(m_hoverCols);
}

QAbstractButton* TableGridPicker::cell(int row, int col) const
{
    if (row < 1 || col < 1 || row > m_maxRows || col > m_maxCols) return nullptr;
    return m_cells.value((row - 1) * m_maxCols + (col - 1));
}

void TableGridPicker::hover(int row, int col)
{
    // Leaving the grid changes nothing: the last size stays named until another cell.
    if (row == m_hoverRows && col == m_hoverCols) return;
    m_hoverRows = row;
    m_hoverCols = col;
    m_label->setText(label());
    for (QAbstractButton* c : m_cells) c->update();
}
