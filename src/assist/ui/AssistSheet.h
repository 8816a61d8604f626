#pragma once

#include "assist/LLMClient.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <optional>

class QButtonGroup;
class QFormLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the sheets hand the window's operation: it calls `done` once on the main thread
// with no error on success (the result was applied) or the error to show.
using AssistDone = std::function<void(const std::optional<TranslationError>&)>;

// The frame shared by the translation and assist sheets: a window-modal dialog (open it
// with open()) with a title, the missing-key hint, a form, one red error line and a row
// of busy indicator, Cancel and the primary button. The sheet never edits the document:
// its primary button starts the operation handed in by the window, and Cancel stops a
// running request, so a late answer can never change the document after the sheet closed.
class AssistSheet : public QDialog {
    Q_OBJECT
public:
    ~AssistSheet() override;

    bool isBusy() const { return m_busy; }
    QString errorText() const;
    bool keyMissing() const;
    QPushButton* runButton() const { return m_run; }
    QPushButton* cancelButton() const { return m_cancel; }

public Q_SLOTS:
    void reject() override;

protected:
    // `symbol` names an icon shown before the title (none when empty).
    AssistSheet(const QString& title, const QString& symbol, const QString& keyHint, const QString& busyText,
                const QString& runTitle, int width, QWidget* parent);

    QFormLayout* form() const { return m_form; }
    // A segmented "Scope" row; `segments` are (label, value) pairs, the first checked
    // unless `checked` names another index. Returns the group to read the value from.
    QButtonGroup* addScopeRow(const QList<std::pair<QString, bool>>& segments, int checked);
    static bool scopeValue(const QButtonGroup* group);

    // Extra conditions of the primary button besides "not busy" and "key present".
    virtual bool readyToRun() const { return true; }
    void updateRunButton();
    // Starts the window's operation; `perform` returns the running request (or null).
    void start(const std::function<ChatCall*(AssistDone)>& perform);

private:
    void setBusy(bool busy);
    void refreshKey();

    QVBoxLayout* m_layout;
    QFormLayout* m_form;
    QLabel* m_keyHint;
    QLabel* m_error;
    QWidget* m_busyRow;
    QPushButton* m_cancel;
    QPushButton* m_run;
    QPointer<ChatCall> m_call;
    QString m_apiKey;
    bool m_busy = false;
};
