#pragma once

#include "assist/ui/AssistSheet.h"

class QComboBox;
class QLineEdit;

// Translates the selection or the whole document into a chosen language. Each opening
// starts fresh: "Spanish", no typed language, the whole document.
class TranslateSheet : public AssistSheet {
    Q_OBJECT
public:
    // The window's translation operation: target language, whole document, completion.
    using Perform = std::function<ChatCall*(const QString& language, bool wholeDocument, AssistDone done)>;

    TranslateSheet(bool hasSelection, Perform perform, QWidget* parent = nullptr);

    // The 22 languages of the picker, in order.
    static const QStringList& languages();
    // The typed language as typed when it holds more than blanks, else the picked one.
    static QString targetLanguage(const QString& picked, const QString& typed);

    QComboBox* languagePicker() const { return m_language; }
    QLineEdit* customLanguageField() const { return m_custom; }
    QButtonGroup* scopeGroup() const { return m_scope; }
    // What the primary button passes: the target language and the effective scope.
    QString currentTarget() const;
    bool effectiveWholeDocument() const;

protected:
    bool readyToRun() const override;

private:
    void run();

    bool m_hasSelection;
    Perform m_perform;
    QComboBox* m_language;
    QLineEdit* m_custom;
    QButtonGroup* m_scope = nullptr;
};
