#include "app/ui/QuickOpenSheet.h"

#include "app/QuickOpenFilter.h"
#include "app/ui/ChromeStyle.h"
#include "platform/ui/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int kSelectedRole = Qt::UserRole + 1;

// A recent document row: icon, the name without its extension, and the folder below it,
// cut in the middle; the highlighted row on an accent-coloured rounded rectangle.
class RecentRowDelegate : public QStyledItemDelegate {
public:
    RecentRowDelegate(const int* selected, QObject* parent)
        : QStyledItemDelegate(parent),
          m_selected(selected)
    {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const QFontMetrics name(option.font);
        const QFontMetrics caption(ChromeStyle::caption(option.font));
        return {option.rect.width(), name.height() + 1 + caption.height() + 12 + 1};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QPalette& pal = option.palette;
        const bool selected = index.row() == *m_selected;
        const QRect row = option.rect.adjusted(0, 0, 0, -1);
        if (selected) {
            QPainterPath path;
            path.addRoundedRect(row, 6, 6);
            p->fillPath(path, ChromeStyle::accent(pal));
        }
        const QFileInfo info(index.data().toString());
        const QRect inner = row.adjusted(10, 6, -10, -6);
        // The symbol in white on the highlighted row, in the accent colour elsewhere.
        Icons::icon(QStringLiteral("doc.text"), selected ? QColor(Qt::white) : Icons::legibleAccent(pal))
            .paint(p, QRect(inner.left(), inner.center().y() - 8, 16, 16));
        const QRect text = inner.adjusted(16 + 10, 0, 0, 0);
        const QFont captionFont = ChromeStyle::caption(option.font);
        const QFontMetrics nameMetrics(option.font);
        p->setFont(option.font);
        p->setPen(selected ? QColor(Qt::white) : ChromeStyle::primary(pal));
        p->drawText(
            QRect(text.left(), text.top(), text.width(), nameMetrics.height()), Qt::AlignLeading | Qt::AlignVCenter,
            nameMetrics.elidedText(info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName(),
                                   Qt::ElideRight, text.width()));
        p->setFont(captionFont);
        QColor folderColour = selected ? QColor(255, 255, 255, 204) : ChromeStyle::secondary(pal);
        p->setPen(folderColour);
        const QFontMetrics captionMetrics(captionFont);
        p->drawText(
            QRect(text.left(), text.top() + nameMetrics.height() + 1, text.width(), captionMetrics.height()),
            Qt::AlignLeading | Qt::AlignVCenter,
            captionMetrics.elidedText(QDir::toNativeSeparators(info.absolutePath()), Qt::ElideMiddle, text.width()));
        p->restore();
    }

private:
    const int* m_selected;
};

} // namespace

QuickOpenSheet::QuickOpenSheet(std::function<QStringList()> recents, std::function<void(const QString&)> open,
                               QWidget* parent)
    : AttachedPanel(tr("Quick Open"), parent),
      m_recents(std::move(recents)),
      m_open(std::move(open)),
      m_model(new QStringListModel(this))
{
    setFixedWidth(kWidth);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* search = new QHBoxLayout;
    search->setContentsMargins(12, 12, 12, 12);
    search->setSpacing(8);
    auto* glass = new QLabel(this);
    Icons::set(glass, QStringLiteral("magnifyingglass"), 16);
    search->addWidget(glass);
    m_field = new QLineEdit(this);
    m_field->setPlaceholderText(tr("Open recent…"));
    m_field->setAccessibleName(tr("Search recent documents"));
    m_field->setFrame(false);
    m_field->setFont(ChromeStyle::sized(font(), 16));
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, [this] {
        m_selected = 0;
        refresh();
    });
    connect(m_field, &QLineEdit::returnPressed, this, &QuickOpenSheet::openSelected);
    search->addWidget(m_field, 1);
    column->addLayout(search);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setFixedHeight(1);
    column->addWidget(divider);

    m_content = new QStackedWidget(this);
    m_empty = new QLabel(m_content);
    // The label's own margin: contents margins of a frame are reset when it is polished at a
    // size smaller than they are, which left the text clipped at the sheet's foot.
    m_empty->setMargin(24);
    m_content->addWidget(m_empty);
    m_list = new QListView(m_content);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new RecentRowDelegate(&m_selected, m_list));
    m_list->setUniformItemSizes(true);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSpacing(0);
    m_list->setFixedHeight(300);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() < m_results.size()) openPath(m_results[index.row()]);
    });
    m_content->addWidget(m_list);
    m_list->setContentsMargins(6, 6, 6, 6);
    column->addWidget(m_content);
    refresh();
}

void QuickOpenSheet::refresh()
{
    const QStringList all = m_recents ? m_recents() : QStringList();
    const QString query = QuickOpenFilter::normalizedQuery(m_field->text());
    if (query.isEmpty()) {
        m_results = all;
    } else {
        m_results.clear();
        for (const QString& path : all)
            if (QuickOpenFilter::fuzzy(query, QuickOpenFilter::normalizedName(QFileInfo(path).fileName())))
                m_results.append(path);
    }
    m_model->setStringList(m_results);
    if (m_results.isEmpty()) {
        m_empty->setText(all.isEmpty() ? tr("No recent documents") : tr("No matches"));
        // From the sheet's palette as it is now: the window may have given it its own.
        ChromeStyle::setTextColor(m_empty, ChromeStyle::secondary(palette()));
        m_content->setCurrentWidget(m_empty);
        m_content->setFixedHeight(m_empty->sizeHint().height());
    } else {
        m_content->setCurrentWidget(m_list);
        m_content->setFixedHeight(m_list->height());
    }
    setSelected(std::min(m_selected, std::max(0, int(m_results.size()) - 1)));
    setFixedHeight(sizeHint().height());
}

void QuickOpenSheet::setSelected(int index)
{
    m_selected = index;
    m_list->viewport()->update();
    if (index < m_results.size()) m_list->scrollTo(m_model->index(index), QAbstractItemView::PositionAtCenter);
}

QString QuickOpenSheet::emptyText() const
{
    return m_content->currentWidget() == m_empty ? m_empty->text() : QString();
}

void QuickOpenSheet::openSelected()
{
    if (m_selected < m_results.size()) openPath(m_results[m_selected]);
}

void QuickOpenSheet::openPath(const QString& path)
{
    // The sheet goes first; the callback may outlive it (the sheet deletes itself on close).
    const auto open = m_open;
    done(QDialog::Accepted);
    if (open) open(path);
}

bool QuickOpenSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down: setSelected(std::min(m_selected + 1, std::max(0, int(m_results.size()) - 1))); return true;
        case Qt::Key_Up: setSelected(std::max(m_selected - 1, 0)); return true;
        case Qt::Key_Escape: reject(); return true;
        default: break;
        }
    }
    return AttachedPanel::eventFilter(watched, event);
}

void QuickOpenSheet::showEvent(QShowEvent* event)
{
    AttachedPanel::showEvent(event);
    m_selected = 0;
    refresh();
    m_field->setFocus();
}
