#include "assist/ui/AIAssistSheet.h"

#include "platform/ui/Icons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

AIAssistSheet::AIAssistSheet(bool hasSelection, Perform perform, QWidget* parent)
    : AssistSheet(tr("AI Assist"), QStringLiteral("sparkles"),
                  tr("Add your DeepSeek API key in the AI tab of Settings to enable the assist actions."),
                  tr("Working…"), tr("Run"), 440, parent),
      m_hasSelection(hasSelection),
      m_perform(std::move(perform))
{
    m_action = new QComboBox(this);
    for (const AIAction& a : AIActions::all()) m_action->addItem(Icons::icon(a.symbol), a.shownTitle(), a.id);
    m_action->setCurrentIndex(m_action->findData(QStringLiteral("improve")));
    form()->addRow(tr("Action"), m_action);

    m_instruction = new QLineEdit(this);
    m_instruction->setPlaceholderText(tr("Custom instruction (optional)"));
    form()->addRow(tr("Custom instruction (optional)"), m_instruction);

    // Without a selection the only segment is the whole document (its value is false,
    // the scope is the whole document anyway).
    m_scope = hasSelection ? addScopeRow({{tr("Selection"), false}, {tr("Whole Document"), true}}, 0)
                           : addScopeRow({{tr("Whole Document"), false}}, 0);

    connect(runButton(), &QPushButton::clicked, this, [this] { run(); });
    updateRunButton();
}

const AIAction& AIAssistSheet::currentAction() const
{
    return AIActions::byId(m_action->currentData().toString());
}

bool AIAssistSheet::effectiveWholeDocument() const
{
    return !m_hasSelection || scopeValue(m_scope);
}

void AIAssistSheet::run()
{
    if (!runButton()->isEnabled() || !m_perform) return;
    const AIAction action = currentAction();
    const QString instruction = m_instruction->text();
    const bool whole = effectiveWholeDocument();
    start([this, action, instruction, whole](AssistDone done) {
        return m_perform(action, instruction, whole, std::move(done));
    });
}
