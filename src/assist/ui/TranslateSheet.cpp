#include "assist/ui/TranslateSheet.h"

#include "platform/TextUtil.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
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
    for (const QString& name : languages())
        m_language->addItem(QCoreApplication::translate("TranslateSheet", name.toUtf8().constData()), name);
    m_language->setCurrentIndex(m_language->findData(QStringLiteral("Spanish")));
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
    // In English: the model is asked for the language by this name.
    static const QStringList names{
        QT_TRANSLATE_NOOP("TranslateSheet", "Spanish"),
        QT_TRANSLATE_NOOP("TranslateSheet", "French"),
        QT_TRANSLATE_NOOP("TranslateSheet", "German"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Italian"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Portuguese"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Dutch"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Simplified Chinese"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Traditional Chinese"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Japanese"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Korean"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Russian"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Arabic"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Hindi"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Turkish"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Polish"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Swedish"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Vietnamese"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Thai"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Indonesian"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Greek"),
        QT_TRANSLATE_NOOP("TranslateSheet", "Hebrew"),
        QT_TRANSLATE_NOOP("TranslateSheet", "English"),
    };
    return names;
}

QString TranslateSheet::targetLanguage(const QString& picked, const QString& typed)
{
    return TextUtil::isBlank(typed) ? picked : typed;
}

QString TranslateSheet::currentTarget() const
{
    return targetLanguage(m_language->currentData().toString(), m_custom->text());
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
