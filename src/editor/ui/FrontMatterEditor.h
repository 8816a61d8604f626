#pragma once

#include "editor/FrontMatter.h"

#include <QDialog>

#include <functional>

class EditorController;
class QLineEdit;
class QVBoxLayout;

// The Document Info sheet: title, author, date and tags of the document's front matter
// in a small form. It works on a copy of the text; Apply hands the whole new text back
// (the block rewritten at the top, everything after it unchanged) and closes.
class FrontMatterEditor : public QDialog {
    Q_OBJECT
public:
    FrontMatterEditor(const QString& initialText, std::function<void(const QString&)> onApply,
                      std::function<void()> onClose, QWidget* parent = nullptr);

    // Shows the sheet window-modally over `window` for the controller's text. Apply
    // writes the new text through the controller as one undoable edit that spans only
    // what changed, so the undo history survives and one undo restores the old block.
    static FrontMatterEditor* showFor(QWidget* window, EditorController* controller);

    // The notification that asks the key document window to show this sheet.

    const FrontMatter& frontMatter() const { return m_fm; }
    QLineEdit* titleField() const { return m_title; }
    QLineEdit* authorField() const { return m_author; }
    QLineEdit* dateField() const { return m_date; }
    QLineEdit* tagsField() const { return m_tags; }

public Q_SLOTS:
    void reject() override;

private:
    void addHeading(QVBoxLayout* stack);
    void addFields(QVBoxLayout* stack);
    void addButtons(QVBoxLayout* stack);
    void apply();

    QString m_initialText;
    std::function<QString()> m_currentText; // the text as it is at Apply (none: as it was)
    std::function<void(const QString&)> m_onApply;
    std::function<void()> m_onClose;
    FrontMatter m_fm;
    TextRange m_range{0, 0};

    QLineEdit* m_title;
    QLineEdit* m_author;
    QLineEdit* m_date;
    QLineEdit* m_tags;
};
