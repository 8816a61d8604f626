#pragma once

#include "app/ui/EditorHost.h"
#include "editor/EditorTextView.h"

#include <QTextCursor>

class QPlainTextEdit;

// A plain editable text view: no styling, no pages. It stands in until the styled
// editor replaces it and implements everything the controller and the window need.
class PlainEditorHost : public EditorHost, public EditorTextView, public EditorScrollView {
    Q_OBJECT
public:
    explicit PlainEditorHost(QWidget* parent = nullptr);

    QPlainTextEdit* textEdit() const { return m_edit; }

    // EditorHost
    EditorTextView* textView() override { return this; }
    EditorScrollView* scrollView() override { return this; }
    void loadText(const QString& text) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void undo() override;
    void redo() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;

    // EditorTextView
    QString text() const override;
    int textLength() const override;
    QString textInRange(TextRange range) const override;
    TextRange selectedRange() const override;
    void setSelectedRange(TextRange range) override;
    bool replaceRange(TextRange range, const QString& replacement) override;
    void scrollRangeToVisible(TextRange range) override;
    void focusEditor() override;
    void beep() override;

    // EditorScrollView
    QSizeF viewportSize() const override;
    double verticalScrollerWidth() const override;
    void setMagnification(double factor, bool animated) override;

private:
    // A cursor selecting `range`, clamped to the text.
    QTextCursor cursorFor(TextRange range) const;

    QPlainTextEdit* m_edit;
    double m_baseFontSize;
};
