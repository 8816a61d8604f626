#pragma once

#include "assist/AIActions.h"
#include "assist/ui/AssistSheet.h"

class QComboBox;
class QLineEdit;

// Runs one of the built-in assist actions, with an optional instruction, on the
// selection or the whole document. Each opening starts fresh: "Improve Writing", no
// instruction, the selection (when there is one).
class AIAssistSheet : public AssistSheet {
    Q_OBJECT
public:
    // The window's assist operation: action, instruction as typed, whole document, completion.
    using Perform = std::function<ChatCall*(const AIAction& action, const QString& instruction, bool wholeDocument,
                                            AssistDone done)>;

    AIAssistSheet(bool hasSelection, Perform perform, QWidget* parent = nullptr);

    QComboBox* actionPicker() const { return m_action; }
    QLineEdit* instructionField() const { return m_instruction; }
    QButtonGroup* scopeGroup() const { return m_scope; }
    // The picked action (the first action when the picked id is unknown).
    const AIAction& currentAction() const;
    bool effectiveWholeDocument() const;

private:
    void run();

    bool m_hasSelection;
    Perform m_perform;
    QComboBox* m_action;
    QLineEdit* m_instruction;
    QButtonGroup* m_scope;
};
