#include "commands/ui/ShortcutsSettingsView.h"

#include "commands/CommandRegistry.h"
#include "platform/ui/Icons.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ShortcutRecorder::ShortcutRecorder(QWidget* parent)
    : QPushButton(parent)
{
    setFlat(true);
    setFixedWidth(96);
    setFocusPolicy(Qt::NoFocus);
    QFont f = font();
    f.setPointSize(9);
    f.setWeight(QFont::Medium);
    setFont(f);
    updateText();
}

void ShortcutRecorder::setRecording(bool recording)
{
    if (m_recording == recording) return;
    m_recording = recording;
    // Only a recording button takes the keyboard.
    setFocusPolicy(recording ? Qt::StrongFocus : Qt::NoFocus);
    if (recording)
        setFocus(Qt::OtherFocusReason);
    else if (hasFocus())
        clearFocus();
    updateText();
}

void ShortcutRecorder::setCombo(const std::optional<KeyCombo>& combo)
{
    m_combo = combo;
    updateText();
}

void ShortcutRecorder::updateText()
{
    setText(m_recording ? tr("Press keys…") : m_combo ? m_combo->display() : tr("Record"));
    update();
}

bool ShortcutRecorder::event(QEvent* event)
{
    if (m_recording && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Claiming the override keeps menu items and window shortcuts from firing; the
        // press then comes here, Tab included.
        key->accept();
        if (event->type() == QEvent::KeyPress) {
            if (key->key() == Qt::Key_Escape)
                Q_EMIT cancelled();
            else if (const auto combo = KeyCombo::fromEvent(*key))
                Q_EMIT recorded(*combo);
        }
        return true;
    }
    return QPushButton::event(event);
}

void ShortcutRecorder::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = m_recording ? palette().color(QPalette::Highlight) : palette().color(QPalette::WindowText);
    fill.setAlphaF(m_recording ? 0.2 : 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 3, -0.5, -3), 5, 5);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, text());
}

ShortcutsSettingsView::ShortcutsSettingsView(QWidget* parent)
    : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 16, 16, 16);
    outer->setSpacing(8);
    auto* note = new QLabel(tr("Assign your own keys to any command. Combinations must include Ctrl or Meta. "
                               "Menu shortcuts take priority, so prefer unused combinations."),
                            this);
    note->setWordWrap(true);
    note->setForegroundRole(QPalette::PlaceholderText);
    QFont nf = note->font();
    nf.setPointSizeF(nf.pointSizeF() * 0.9);
    note->setFont(nf);
    outer->addWidget(note);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* list = new QWidget;
    auto* rows = new QVBoxLayout(list);
    rows->setSpacing(2);
    for (CommandCategory category : CommandCategories::all()) {
        const QList<EditorCommand> commands = CommandRegistry::inCategory(category);
        if (commands.isEmpty()) continue;
        const QString title = CommandCategories::shownTitle(category);
        m_sections.append(title);
        auto* header = new QLabel(title, list);
        QFont hf = header->font();
        hf.setBold(true);
        header->setFont(hf);
        header->setContentsMargins(0, rows->count() ? 10 : 0, 0, 2);
        rows->addWidget(header);
        for (const EditorCommand& c : commands) {
            auto* line = new QHBoxLayout;
            auto* icon = new QLabel(list);
            Icons::set(icon, c.symbol, 16);
            line->addWidget(icon);
            line->addWidget(new QLabel(c.shownTitle(), list));
            line->addStretch(1);
            auto* conflict = new QLabel(list);
            QFont cf = conflict->font();
            cf.setPointSizeF(cf.pointSizeF() * 0.85);
            conflict->setFont(cf);
            conflict->setStyleSheet(u"color: #e67e00;"_s);
            line->addWidget(conflict);
            auto* recorder = new ShortcutRecorder(list);
            recorder->setAccessibleName(c.shownTitle());
            line->addWidget(recorder);
            auto* clear = new QToolButton(list);
            clear->setAutoRaise(true);
            Icons::set(clear, u"xmark.circle.fill"_s);
            clear->setAccessibleName(tr("Clear shortcut"));
            clear->setToolTip(tr("Clear shortcut"));
            clear->setFocusPolicy(Qt::NoFocus);
            line->addWidget(clear);
            rows->addLayout(line);
            const QString id = c.id;
            m_rows.insert(id, {recorder, clear, conflict});
            connect(recorder, &QPushButton::clicked, this, [this, id] {
                if (m_recording == id)
                    stopRecording();
                else
                    startRecording(id);
            });
            connect(recorder, &ShortcutRecorder::cancelled, this, &ShortcutsSettingsView::stopRecording);
            connect(recorder, &ShortcutRecorder::recorded, this, [this, id](const KeyCombo& combo) {
                setCombo(id, combo);
                stopRecording();
            });
            connect(clear, &QToolButton::clicked, this, [this, id] { setCombo(id, std::nullopt); });
        }
    }
    rows->addStretch(1);
    scroll->setWidget(list);
    outer->addWidget(scroll, 1);
    reload();
}

void ShortcutsSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void ShortcutsSettingsView::reload()
{
    m_combos = ShortcutStore::all();
    refreshRows();
}

void ShortcutsSettingsView::startRecording(const QString& id)
{
    if (!m_rows.contains(id)) return;
    if (!m_recording.isEmpty() && m_rows.contains(m_recording)) m_rows[m_recording].recorder->setRecording(false);
    m_recording = id;
    m_rows[id].recorder->setRecording(true);
}

void ShortcutsSettingsView::stopRecording()
{
    if (!m_recording.isEmpty() && m_rows.contains(m_recording)) m_rows[m_recording].recorder->setRecording(false);
    m_recording.clear();
}

void ShortcutsSettingsView::setCombo(const QString& id, const std::optional<KeyCombo>& combo)
{
    if (combo)
        m_combos.insert(id, *combo);
    else
        m_combos.remove(id);
    ShortcutStore::save(m_combos);
    refreshRows();
}

void ShortcutsSettingsView::refreshRows()
{
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
        const auto found = m_combos.constFind(it.key());
        const std::optional<KeyCombo> combo = found == m_combos.cend() ? std::nullopt : std::optional<KeyCombo>(*found);
        it->recorder->setCombo(combo);
        it->clear->setVisible(combo.has_value());
        QString caption;
        if (combo)
            if (const auto other = ShortcutStore::conflict(*combo, it.key()))
                if (const EditorCommand* c = CommandRegistry::command(*other))
                    caption = tr("conflicts with %1").arg(c->shownTitle());
        it->conflict->setText(caption);
        it->conflict->setVisible(!caption.isEmpty());
    }
}

ShortcutRecorder* ShortcutsSettingsView::recorder(const QString& id) const
{
    return m_rows.contains(id) ? m_rows[id].recorder : nullptr;
}

QToolButton* ShortcutsSettingsView::clearButton(const QString& id) const
{
    return m_rows.contains(id) ? m_rows[id].clear : nullptr;
}

QLabel* ShortcutsSettingsView::conflictLabel(const QString& id) const
{
    return m_rows.contains(id) ? m_rows[id].conflict : nullptr;
}
