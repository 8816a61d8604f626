#include "settings/ui/SnippetsSettingsView.h"

#include "platform/ui/Icons.h"
#include "settings/ui/SettingsControls.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The expansion field grows with its text from one line to three.
void fitLines(QPlainTextEdit* edit)
{
    const int lines = std::clamp(int(edit->document()->blockCount()), 1, 3);
    const int height = edit->fontMetrics().lineSpacing() * lines + 2 * int(edit->document()->documentMargin()) + 4;
    edit->setFixedHeight(height);
}
} // namespace

SnippetsSettingsView::SnippetsSettingsView(QWidget* parent)
    : QWidget(parent),
      m_snippets(SnippetStore::load())
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(8);
    column->addWidget(SettingsControls::caption(
        tr("Type a trigger and press Tab to expand. Use $| for the caret and $date for today."), this));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    column->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    auto* plus = new QToolButton(this);
    Icons::set(plus, QStringLiteral("plus"));
    plus->setAccessibleName(tr("Add snippet"));
    m_minus = new QToolButton(this);
    Icons::set(m_minus, QStringLiteral("minus"));
    m_minus->setAccessibleName(tr("Remove snippet"));
    m_minus->setEnabled(false);
    buttons->addWidget(plus);
    buttons->addWidget(m_minus);
    buttons->addStretch(1);
    column->addLayout(buttons);
    connect(plus, &QToolButton::clicked, this, &SnippetsSettingsView::addSnippet);
    connect(m_minus, &QToolButton::clicked, this, &SnippetsSettingsView::removeSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { m_minus->setEnabled(!selection().isNull()); });
    rebuild();
}

QUuid SnippetsSettingsView::selection() const
{
    const auto items = m_list->selectedItems();
    return items.isEmpty() ? QUuid() : items.first()->data(Qt::UserRole).toUuid();
}

void SnippetsSettingsView::rebuild()
{
    const QUuid selected = selection();
    m_list->clear();
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const Snippet& s : m_snippets) {
        auto* item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, s.id);
        auto* row = new QWidget(m_list);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(4, 2, 4, 2);
        layout->setSpacing(8);
        auto* trigger = new QLineEdit(s.trigger, row);
        trigger->setPlaceholderText(tr("trigger"));
        trigger->setAccessibleName(tr("Trigger"));
        trigger->setFixedWidth(90);
        trigger->setFont(mono);
        auto* line = new QFrame(row);
        line->setFrameShape(QFrame::VLine);
        auto* body = new QPlainTextEdit(row);
        body->setPlaceholderText(tr("expansion"));
        body->setPlainText(s.body);
        body->setTabChangesFocus(true);
        fitLines(body);
        layout->addWidget(trigger);
        layout->addWidget(line);
        layout->addWidget(body, 1);
        const QUuid id = s.id;
        const auto edit = [this, id](const std::function<void(Snippet&)>& f) {
            QList<Snippet> next = m_snippets;
            for (Snippet& s : next)
                if (s.id == id) f(s);
            change(next);
        };
        connect(trigger, &QLineEdit::textEdited, this,
                [edit](const QString& t) { edit([&](Snippet& s) { s.trigger = t; }); });
        connect(body, &QPlainTextEdit::textChanged, this, [edit, body, item, row] {
            fitLines(body);
            item->setSizeHint(row->sizeHint());
            const QString text = body->toPlainText();
            edit([&](Snippet& s) { s.body = text; });
        });
        // Working in a row's fields selects the row, so "−" and Delete act on it.
        for (QWidget* field : {static_cast<QWidget*>(trigger), static_cast<QWidget*>(body)}) {
            field->setProperty("snippetRow", QVariant::fromValue(static_cast<void*>(item)));
            field->installEventFilter(this);
        }
        item->setSizeHint(row->sizeHint());
        m_list->setItemWidget(item, row);
        if (id == selected) item->setSelected(true);
    }
}

void SnippetsSettingsView::change(const QList<Snippet>& next)
{
    if (next == m_snippets) return;
    m_snippets = next;
    SnippetStore::save(m_snippets);
}

void SnippetsSettingsView::addSnippet()
{
    QList<Snippet> next = m_snippets;
    next.append({QUuid::createUuid(), QStringLiteral("new"), QString()});
    change(next);
    rebuild();
}

void SnippetsSettingsView::removeSelected()
{
    const QUuid id = selection();
    if (id.isNull()) return;
    QList<Snippet> next = m_snippets;
    next.removeIf([&](const Snippet& s) { return s.id == id; });
    change(next);
    rebuild();
}

bool SnippetsSettingsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto* item = static_cast<QListWidgetItem*>(watched->property("snippetRow").value<void*>()))
            m_list->setCurrentItem(item);
    } else if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            removeSelected();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
