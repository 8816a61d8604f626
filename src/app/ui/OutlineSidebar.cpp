#include "app/ui/OutlineSidebar.h"

#include "app/ui/ChromeStyle.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Level 1 in 13 pt semibold, deeper levels in 12 pt; primary colour to level 2, secondary
// below; each level indented 12 pt further.
class OutlineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QFont fontFor(const QFont& base, int level)
    {
        return level <= 1 ? ChromeStyle::sized(base, 13, QFont::DemiBold) : ChromeStyle::sized(base, 12);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        Q_UNUSED(index);
        // One height for every row (the tallest font's), so the list never measures rows.
        const QFontMetrics fm(fontFor(option.font, 1));
        return {option.rect.width(), fm.height() + 6};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int level = index.data(OutlineModel::LevelRole).toInt();
        const QPalette& pal = option.palette;
        if (option.state & QStyle::State_MouseOver)
            p->fillRect(option.rect,
                        ChromeStyle::mix(ChromeStyle::underPage(pal), pal.color(QPalette::Highlight), 0.12));
        const QFont font = fontFor(option.font, level);
        p->setFont(font);
        p->setPen(level <= 2 ? ChromeStyle::primary(pal) : ChromeStyle::secondary(pal));
        const QRect text = option.rect.adjusted(12 + (level - 1) * 12, 3, -12, -3);
        const QString title = QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, text.width());
        p->drawText(text, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, title);
    }
};

} // namespace

void OutlineModel::setItems(QList<OutlineItem> items)
{
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

void OutlineModel::spliceItems(const QList<OutlineItem>& items, const OutlineTracker::Splice& splice)
{
    // Rows below keep their place in the list: only their offsets moved, which no row shows.
    if (splice.removed > 0) {
        beginRemoveRows({}, int(splice.first), int(splice.first + splice.removed - 1));
        m_items.remove(splice.first, splice.removed);
        endRemoveRows();
    }
    if (splice.inserted > 0) {
        beginInsertRows({}, int(splice.first), int(splice.first + splice.inserted - 1));
        m_items = items;
        endInsertRows();
    } else {
        m_items = items;
    }
}

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size()) return {};
    const OutlineItem& item = m_items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return item.title;
    case LevelRole: return item.level;
    case OffsetRole: return qint64(item.offset);
    default: return {};
    }
}

OutlineSidebar::OutlineSidebar(std::function<void(const OutlineItem&)> onSelect, QWidget* parent)
    : QWidget(parent),
      m_onSelect(std::move(onSelect)),
      m_model(new OutlineModel(this))
{
    setFixedWidth(kWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = m_header = new QLabel(tr("Outline"), this);
    header->setFont(ChromeStyle::sized(font(), 10, QFont::DemiBold));
    header->setContentsMargins(14, 12, 14, 6);
    column->addWidget(header);

    m_content = new QStackedWidget(this);
    auto* empty = m_empty = new QLabel(tr("No headings"), m_content);
    empty->setAlignment(Qt::AlignCenter);
    empty->setFont(ChromeStyle::caption(font()));
    m_content->addWidget(empty);

    m_list = new QListView(m_content);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new OutlineDelegate(m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->setUniformItemSizes(true); // rows are only made as they come into view
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setAutoFillBackground(false);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (!index.isValid() || index.row() >= m_model->items().size()) return;
        const OutlineItem item = m_model->items()[index.row()];
        if (m_onSelect) m_onSelect(item);
    });
    m_content->addWidget(m_list);
    m_list->setContentsMargins(0, 0, 0, 8); // after adding: the stacked widget clears a page's margins
    column->addWidget(m_content, 1);
    setItems({});
    applyColours();
}

void OutlineSidebar::applyColours()
{
    m_applyingColours = true;
    ChromeStyle::setTextColor(m_header, ChromeStyle::secondary(palette()));
    ChromeStyle::setTextColor(m_empty, ChromeStyle::tertiary(palette()));
    m_applyingColours = false;
}

void OutlineSidebar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_applyingColours) applyColours();
}

void OutlineSidebar::setItems(QList<OutlineItem> items)
{
    const bool empty = items.isEmpty();
    m_model->setItems(std::move(items));
    m_content->setCurrentIndex(empty ? 0 : 1);
}

void OutlineSidebar::spliceItems(const QList<OutlineItem>& items, const OutlineTracker::Splice& splice)
{
    m_model->spliceItems(items, splice);
    m_content->setCurrentIndex(items.isEmpty() ? 0 : 1);
}

bool OutlineSidebar::showsEmptyState() const
{
    return m_content->currentIndex() == 0;
}

void OutlineSidebar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ChromeStyle::underPage(palette()));
}
