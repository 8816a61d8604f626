#include "assist/ui/AssistSheet.h"

#include "assist/ApiKeyStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLabel* wrappingLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}
} // namespace

AssistSheet::AssistSheet(const QString& title, const QString& symbol, const QString& keyHint, const QString& busyText,
                         const QString& runTitle, int width, QWidget* parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(title);
    setFixedWidth(width);

    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(14);
    m_layout->setContentsMargins(18, 18, 18, 18);

    auto* headingRow = new QHBoxLayout;
    if (!symbol.isEmpty()) {
        auto* mark = new QLabel(this);
        Icons::set(mark, symbol, 16);
        headingRow->addWidget(mark);
    }
    auto* heading = new QLabel(title, this);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    headingRow->addWidget(heading, 1);
    m_layout->addLayout(headingRow);

    // The hint: a warning icon and an orange line that wraps.
    auto* hintRow = new QWidget(this);
    auto* hintLayout = new QHBoxLayout(hintRow);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(hintRow);
    // The style's own warning sign; the symbol table's fallback for it is a plain glyph.
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    icon->setAlignment(Qt::AlignTop);
    m_keyHint = wrappingLabel(keyHint, hintRow);
    m_keyHint->setStyleSheet(QStringLiteral("color: #d9822b;"));
    hintLayout->addWidget(icon);
    hintLayout->addWidget(m_keyHint, 1);
    m_layout->addWidget(hintRow);

    m_form = new QFormLayout;
    m_layout->addLayout(m_form);

    m_error = wrappingLabel(QString(), this);
    m_error->setStyleSheet(QStringLiteral("color: #d03030;"));
    QFont ef = m_error->font();
    ef.setPointSizeF(ef.pointSizeF() * 0.9);
    m_error->setFont(ef);
    m_error->hide();
    m_layout->addWidget(m_error);

    auto* buttons = new QHBoxLayout;
    m_busyRow = new QWidget(this);
    auto* busyLayout = new QHBoxLayout(m_busyRow);
    busyLayout->setContentsMargins(0, 0, 0, 0);
    auto* spinner = new QProgressBar(m_busyRow);
    spinner->setRange(0, 0);
    spinner->setFixedWidth(60);
    spinner->setTextVisible(false);
    auto* busyLabel = new QLabel(busyText, m_busyRow);
    busyLabel->setEnabled(false); // the secondary style
    busyLayout->addWidget(spinner);
    busyLayout->addWidget(busyLabel);
    m_busyRow->hide();
    buttons->addWidget(m_busyRow);
    buttons->addStretch(1);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setAutoDefault(false);
    m_run = new QPushButton(runTitle, this);
    m_run->setDefault(true);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_run);
    m_layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, &AssistSheet::reject);

    // The hint follows the key and the provider as they change in the settings window.
    connect(&ApiKeyStore::instance(), &ApiKeyStore::changed, this, [this] { refreshKey(); });
    connect(&Settings::instance(), &Settings::changed, this, [this](const QString& key, const QVariant&) {
        if (key == PrefKey::aiProvider) refreshKey();
    });
    refreshKey();
}

AssistSheet::~AssistSheet()
{
    if (m_call) m_call->abort();
}

QString AssistSheet::errorText() const
{
    return m_error->isVisible() || !m_error->text().isEmpty() ? m_error->text() : QString();
}

bool AssistSheet::keyMissing() const
{
    // A key of blanks counts as present here; the client reports it when sending.
    const auto c = LLMClient::config();
    return c && c->requiresKey && m_apiKey.isEmpty();
}

void AssistSheet::refreshKey()
{
    m_apiKey = ApiKeyStore::instance().key(ApiKeyStore::cloudKeyName());
    m_keyHint->parentWidget()->setVisible(keyMissing());
    updateRunButton();
}

QButtonGroup* AssistSheet::addScopeRow(const QList<std::pair<QString, bool>>& segments, int checked)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(row);
    group->setExclusive(true);
    for (int i = 0; i < segments.size(); ++i) {
        auto* b = new QToolButton(row);
        b->setText(segments[i].first);
        b->setCheckable(true);
        b->setProperty("scopeValue", segments[i].second);
        b->setChecked(i == checked);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    m_form->addRow(tr("Scope"), row);
    return group;
}

bool AssistSheet::scopeValue(const QButtonGroup* group)
{
    const QAbstractButton* b = group ? group->checkedButton() : nullptr;
    return b && b->property("scopeValue").toBool();
}

void AssistSheet::updateRunButton()
{
    m_run->setEnabled(!m_busy && !keyMissing() && readyToRun());
}

void AssistSheet::setBusy(bool busy)
{
    m_busy = busy;
    m_busyRow->setVisible(busy);
    updateRunButton();
}

void AssistSheet::start(const std::function<ChatCall*(AssistDone)>& perform)
{
    if (m_busy) return;
    setBusy(true);
    m_error->clear();
    m_error->hide();
    QPointer<AssistSheet> self(this);
    m_call = perform([self](const std::optional<TranslationError>& error) {
        if (!self) return;
        self->m_call = nullptr;
        self->setBusy(false);
        if (!error) {
            self->accept();
            return;
        }
        self->m_error->setText(error->description());
        self->m_error->show();
    });
}

void AssistSheet::reject()
{
    // Cancel stops the request: nothing arrives after the sheet is gone.
    if (m_call) m_call->abort();
    m_call = nullptr;
    setBusy(false);
    QDialog::reject();
}
