#pragma once

#include "editor/EditorConfig.h"
#include "editor/ui/EditorCoordinator.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class EditorController;
class MarkdownTextView;
class MinimapView;
class PageRulerView;

// The editor as the document window hosts it: the ruler above the paged text view and
// the minimap beside it. It keeps the settings applied (re-applying and restyling only
// when they really changed) and hands the text view to the window's controller.
class MarkdownEditorView : public QWidget {
    Q_OBJECT
public:
    explicit MarkdownEditorView(QWidget* parent = nullptr);

    MarkdownTextView* textView() const { return m_text; }
    PageRulerView* ruler() const { return m_ruler; }
    MinimapView* minimap() const { return m_minimap; }

    // Connects the window's controller: it reaches the text and the zoom through here.
    void setController(EditorController* controller);
    void setStyleFunction(StyleFunction f);

    // Replaces the whole text as a fresh load (not undoable, not modified).
    void loadText(const QString& text);
    // The binding changed from outside: replaces the text unless the editor is in the
    // middle of its own change; keeps the caret where it can.
    void setText(const QString& text);
    QString text() const;

    // Applies the settings when they differ from the last applied, then restyles all.
    void applyConfig(const EditorConfig& config);
    static EditorConfig configFromSettings();

    void setMinimapVisible(bool on);

Q_SIGNALS:
    void textEdited();

private:
    void applyColors(const EditorConfig& config);

    MarkdownTextView* m_text;
    PageRulerView* m_ruler;
    MinimapView* m_minimap;
    QPointer<EditorController> m_controller;
    QTimer m_minimapTimer;
};
