#include "commands/ui/CommandPalette.h"

#include "commands/CommandRegistry.h"
#include "editor/EditorController.h"
#include "platform/ui/Icons.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
enum Role { CategoryRole = Qt::UserRole + 1, HintRole };
} // namespace

class PaletteModel : public QAbstractListModel {
public:
    // Symbols are drawn in the palette of `view`, the list that shows them.
    PaletteModel(QWidget* view, QObject* parent)
        : QAbstractListModel(parent),
          m_view(view)
    {}
    void setCommands(const QList<const EditorCommand*>& commands)
    {
        beginResetModel();
        m_commands = commands;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_commands.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_commands.size()) return {};
        const EditorCommand* c = m_commands[index.row()];
        switch (role) {
        case Qt::DisplayRole: return c->shownTitle();
        case Qt::DecorationRole: return Icons::icon(c->symbol, m_view->palette());
        case CategoryRole: return CommandCategories::shownTitle(c->category);
        case HintRole: return c->linuxHint();
        default: return {};
        }
    }

private:
    QWidget* m_view;
    QList<const EditorCommand*> m_commands;
};

namespace {

// One row: icon, title, then the category and the key at the right; the highlighted row
// on the selection colour.
class PaletteRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), option.fontMetrics.height() + 12 + 1};
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        const QRectF row = QRectF(option.rect).adjusted(0, 0, 0, -1);
        if (selected) {
            QPainterPath path;
            path.addRoundedRect(row, 6, 6);
            p->fillPath(path, pal.color(QPalette::Highlight));
        }
        const QColor primary = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
        QColor secondary = primary;
        secondary.setAlphaF(selected ? 0.75 : 0.55);
        const QRect inner = option.rect.adjusted(10, 0, -10, -1);
        const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
        icon.paint(p, QRect(inner.left() + 3, inner.center().y() - 8, 16, 16));
        QFont caption = option.font;
        caption.setPointSizeF(caption.pointSizeF() * 0.85);
        QFont mono = caption;
        mono.setFamily(u"monospace"_s);
        mono.setStyleHint(QFont::Monospace);
        int right = inner.right();
        const QString hint = index.data(HintRole).toString();
        if (!hint.isEmpty()) {
            p->setFont(mono);
            QColor c = secondary;
            if (!selected) c.setAlphaF(0.45);
            p->setPen(c);
            const int w = QFontMetrics(mono).horizontalAdvance(hint);
            p->drawText(QRect(right - w, inner.top(), w, inner.height()), Qt::AlignVCenter | Qt::AlignRight, hint);
            right -= w + 8;
        }
        p->setFont(caption);
        p->setPen(secondary);
        const QString category = index.data(CategoryRole).toString();
        const int cw = QFontMetrics(caption).horizontalAdvance(category);
        p->drawText(QRect(right - cw, inner.top(), cw, inner.height()), Qt::AlignVCenter | Qt::AlignRight, category);
        right -= cw + 8;
        p->setFont(option.font);
        p->setPen(primary);
        const QRect titleRect(inner.left() + 22 + 6, inner.top(), right - inner.left() - 28, inner.height());
        p->drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft,
                    option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, titleRect.width()));
        p->restore();
    }
};

} // namespace

CommandPalette::CommandPalette(CommandContext context, QWidget* window)
    : AttachedPanel(tr("Command Palette"), window),
      m_context(std::move(context)),
      m_window(window)
{
    setWindowModality(Qt::WindowModal);
    setFixedWidth(480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 12, 12, 12);
    header->setSpacing(8);
    auto* glass = new QLabel(this);
    Icons::set(glass, u"magnifyingglass"_s, 16);
    header->addWidget(glass);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Type a command…"));
    m_search->setAccessibleName(tr("Search commands"));
    m_search->setFrame(false);
    QFont big = m_search->font();
    big.setPixelSize(16);
    m_search->setFont(big);
    m_search->installEventFilter(this);
    header->addWidget(m_search, 1);
    auto* esc = new QLabel(u"esc"_s, this);
    QFont small = esc->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    esc->setFont(small);
    esc->setContentsMargins(5, 2, 5, 2);
    esc->setForegroundRole(QPalette::PlaceholderText);
    esc->setStyleSheet(u"QLabel { background: rgba(128,128,128,0.16); border-radius: 4px; }"_s);
    header->addWidget(esc);
    layout->addLayout(header);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    m_list = new QListView(this);
    m_model = new PaletteModel(m_list, this);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new PaletteRowDelegate(m_list));
    m_list->setFixedHeight(320);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSpacing(0);
    m_list->setContentsMargins(6, 6, 6, 6);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() < m_results.size()) run(*m_results[index.row()]);
    });
    layout->addWidget(m_list);
    m_empty = new QLabel(tr("No matching commands"), m_list->viewport());
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    // The label's own margin: contents margins of a frame are reset when it is polished at a
    // size smaller than they are, which left the text in the corner.
    m_empty->setMargin(24);
    m_empty->hide();

    connect(m_search, &QLineEdit::textChanged, this, &CommandPalette::refresh);
    refresh();
}

CommandPalette* CommandPalette::present(QWidget* window, CommandContext context)
{
    auto* palette = new CommandPalette(std::move(context), window);
    palette->setAttribute(Qt::WA_DeleteOnClose);
    palette->open();
    return palette;
}

QString CommandPalette::query() const
{
    return m_search->text();
}

void CommandPalette::refresh()
{
    m_results = CommandRegistry::search(m_search->text());
    m_model->setCommands(m_results);
    m_empty->setVisible(m_results.isEmpty());
    m_empty->adjustSize();
    m_selected = -1;
    setSelectedIndex(0);
}

void CommandPalette::setSelectedIndex(int index)
{
    const int last = std::max(int(m_results.size()) - 1, 0);
    index = std::clamp(index, 0, last);
    if (index == m_selected) return;
    m_selected = index;
    if (index < m_results.size()) {
        const QModelIndex mi = m_model->index(index);
        m_list->setCurrentIndex(mi);
        // The highlighted row glides to the middle of the list.
        QScrollBar* bar = m_list->verticalScrollBar();
        if (m_glide) m_glide->stop(); // a faster key press starts from where the last one got
        const int from = bar->value();
        m_list->scrollTo(mi, QAbstractItemView::PositionAtCenter);
        const int to = bar->value();
        if (from != to && isVisible()) {
            bar->setValue(from);
            m_glide = new QPropertyAnimation(bar, "value", bar);
            m_glide->setDuration(100);
            m_glide->setEasingCurve(QEasingCurve::OutCubic);
            m_glide->setEndValue(to);
            m_glide->start(QAbstractAnimation::DeleteWhenStopped);
        }
    }
}

void CommandPalette::runSelected()
{
    if (m_selected >= 0 && m_selected < m_results.size()) run(*m_results[m_selected]);
}

void CommandPalette::run(const EditorCommand& command)
{
    const QString id = command.id;
    const CommandContext context = m_context;
    const QPointer<QWidget> window = m_window;
    close();
    // Run once the sheet has closed, ahead of the keys typed after choosing (they wait behind
    // it in the editor); a window closed meanwhile (or whose editor went) runs nothing.
    EditorController* editor = context.editor.data();
    if (!editor) return;
    editor->inTurn(
        [id, context, window] {
            if (!window || !window->isVisible() || !context.isAlive()) return;
            if (const EditorCommand* c = CommandRegistry::command(id)) c->run(context);
        },
        EditorTextView::Turn::AfterThisEvent);
}

bool CommandPalette::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down: setSelectedIndex(m_selected + 1); return true;
        case Qt::Key_Up: setSelectedIndex(m_selected - 1); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: runSelected(); return true;
        case Qt::Key_Escape: close(); return true;
        default: break;
        }
    }
    return AttachedPanel::eventFilter(watched, event);
}

void CommandPalette::showEvent(QShowEvent* event)
{
    AttachedPanel::showEvent(event);
    m_search->setFocus();
    setSelectedIndex(0);
}
