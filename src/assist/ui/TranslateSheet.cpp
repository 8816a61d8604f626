#include "assist/ui/TranslateSheet.h"

#include "platform/TextUtil.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TranslateSheet::TranslateSheet(bool hasSelection, Perform perform, QWidget* parent)
    : AssistSheet(tr("Translate"), QString(),
                  tr("Add your DeepSeek API key in the AI tab of Settings to enable translation."), tr("Translating…"),
                  tr("Translate"), 420, parent),
      m_hasSelection(hasSelection),
      m_perform(std::move(perform))
{
    m_language = new QComboBox(this);
    m_language->addItems(languages()); // names shown as they are
    m_language->setCurrentText(QStringLiteral("Spanish"));
    form()->addRow(tr("Language"), m_language);

    m_custom = new QLineEdit(this);
    m_custom->setPlaceholderText(tr("Or type a language"));
    form()->addRow(tr("Or type a language"), m_custom);

    if (m_hasSelection) m_scope = addScopeRow({{tr("Selection"), false}, {tr("Whole Document"), true}}, 1);

    connect(m_custom, &QLineEdit::textChanged, this, [this] { updateRunButton(); });
    connect(runButton(), &QPushButton::clicked, this, [this] { run(); });
    updateRunButton();
}

const QStringList& TranslateSheet::languages()
{
    static const QStringList names{
        "Spanish",
        "French",
        "German",
        "Italian",
        "Portuguese",
        "Dutch",
        "Simplified Chinese",
        "Traditional Chinese",
        "Japanese",
        "Korean",
        "Russian",
        "Arabic",
        "Hindi",
        "Turkish",
        "Polish",
        "Swedish",
        "Vietnamese",
        "Thai",
        "Indonesian",
        "Greek",
        "Hebrew",
        "English",
    };
    return names;
}

QString TranslateSheet::targetLanguage(const QString& picked, const QString& typed)
{
    return TextUtil::isBlank(typed) ? picked : typed;
}

QString TranslateSheet::currentTarget() const
{
    return targetLanguage(m_language->currentText(), m_custom->text());
}

bool TranslateSheet::effectiveWholeDocument() const
{
    return !m_hasSelection || scopeValue(m_scope);
}

bool TranslateSheet::readyToRun() const
{
    return !currentTarget().isEmpty();
}

void TranslateSheet::run()
{
    if (!runButton()->isEnabled() || !m_perform) return;
    const QString language = currentTarget();
    const bool whole = effectiveWholeDocument();
    start([this, language, whole](AssistDone done) { return m_perform(language, whole, std::move(done)); });
}
