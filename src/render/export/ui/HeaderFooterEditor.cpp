#include "render/export/ui/HeaderFooterEditor.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont scaled(QFont f, double factor, bool bold = false)
{
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * factor);
    f.setBold(bold);
    return f;
}

} // namespace

HeaderFooterEditor::HeaderFooterEditor(std::function<void()> onDone, QWidget* parent)
    : QDialog(parent),
      m_onDone(std::move(onDone)),
      m_header(new QLineEdit(this)),
      m_footer(new QLineEdit(this))
{
    setWindowTitle(tr("Page Header & Footer"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 18);
    column->setSpacing(14);

    auto* title = new QLabel(tr("Page Header & Footer"), this);
    title->setFont(scaled(font(), 1.15, true));
    column->addWidget(title);

    auto* note = new QLabel(tr("Shown on printed and exported pages. Markdown has no header/footer concept, "
                               "so these apply to output only."),
                            this);
    note->setWordWrap(true);
    note->setFont(scaled(font(), 0.85));
    note->setForegroundRole(QPalette::PlaceholderText);
    column->addWidget(note);

    Settings& settings = Settings::instance();
    m_header->setPlaceholderText(tr("e.g. {title}"));
    m_footer->setPlaceholderText(tr("e.g. Page {page} of {pages}"));
    m_header->setText(settings.string(PrefKey::printHeaderTemplate, defaultHeader()));
    m_footer->setText(settings.string(PrefKey::printFooterTemplate, defaultFooter()));
    // Stored as typed, the empty text included: an empty field means no header.
    connect(m_header, &QLineEdit::textEdited, this,
            [](const QString& t) { Settings::instance().setValue(PrefKey::printHeaderTemplate, t); });
    connect(m_footer, &QLineEdit::textEdited, this,
            [](const QString& t) { Settings::instance().setValue(PrefKey::printFooterTemplate, t); });
    auto* form = new QFormLayout;
    form->addRow(tr("Header"), m_header);
    form->addRow(tr("Footer"), m_footer);
    column->addLayout(form);

    auto* tokens = new QHBoxLayout;
    tokens->setSpacing(6);
    auto* tokensLabel = new QLabel(tr("Tokens:"), this);
    tokensLabel->setFont(scaled(font(), 0.85));
    tokensLabel->setForegroundRole(QPalette::PlaceholderText);
    tokens->addWidget(tokensLabel);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(scaled(font(), 0.85).pointSizeF());
    for (const char* token : {"{title}", "{page}", "{pages}", "{date}"}) {
        auto* chip = new QLabel(QLatin1String(token), this);
        chip->setFont(mono);
        chip->setObjectName(QStringLiteral("token"));
        chip->setStyleSheet(QStringLiteral("QLabel { padding: 1px 5px; border-radius: 4px; "
                                           "background: rgba(128, 128, 128, 20); }"));
        tokens->addWidget(chip);
    }
    tokens->addStretch(1);
    column->addLayout(tokens);

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(tr("Reset to Default"), this);
    reset->setAutoDefault(false);
    auto* doneButton = new QPushButton(tr("Done"), this);
    doneButton->setDefault(true);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(doneButton);
    column->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this, &HeaderFooterEditor::resetToDefault);
    connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);

    setFixedWidth(440 + 2 * 18);
}

void HeaderFooterEditor::resetToDefault()
{
    m_header->setText(defaultHeader());
    m_footer->setText(defaultFooter());
    Settings::instance().setValue(PrefKey::printHeaderTemplate, defaultHeader());
    Settings::instance().setValue(PrefKey::printFooterTemplate, defaultFooter());
}

void HeaderFooterEditor::done(int result)
{
    QDialog::done(result);
    if (m_onDone) m_onDone();
}

HeaderFooterEditor* HeaderFooterEditor::showFor(QWidget* window)
{
    auto* sheet = new HeaderFooterEditor({}, window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
    return sheet;
}
