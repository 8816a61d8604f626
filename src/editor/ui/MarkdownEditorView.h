#pragma once

#include "editor/EditorConfig.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/EditorHost.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <optional>

class EditorController;
class MarkdownTextView;
class MinimapView;
class PageRulerView;

// The editor as the document window hosts it: the ruler above the paged text view and
// the minimap beside it. It keeps the settings applied (re-applying and restyling only
// when they really changed) and hands the text view to the window's controller.
class MarkdownEditorView : public EditorHost {
    Q_OBJECT
public:
    explicit MarkdownEditorView(QWidget* parent = nullptr);

    MarkdownTextView* markdownTextView() const { return m_text; }
    EditorTextView* textView() override;
    EditorScrollView* scrollView() override;
    GhostText* ghostText() override;
    PageRulerView* ruler() const { return m_ruler; }
    MinimapView* minimap() const { return m_minimap; }

    // Connects a controller when the view stands alone (the document window wires its own
    // controller through the EditorHost seam and counts statistics itself).
    void setController(EditorController* controller);

    // Replaces the whole text as a fresh load (not undoable, not modified).
    void loadText(const QString& text) override;
    void loadBuiltText(TextDocumentBuild::Built built) override;
    void setReadOnly(bool on) override;
    bool isModified() const override;
    void setModified(bool modified) override;
    void undo() override;
    void redo() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;
    void finishPendingEdit() override;
    bool pasteOver(TextRange range, const QString& text) override;
    bool isTakingText() const override;
    void finishTakingText() override;
    void finishInput() override;
    void setTableActions(const QList<QAction*>& actions) override;
    // The binding changed from outside: replaces the text unless the editor is in the
    // middle of its own change; keeps the caret where it can.
    void setText(const QString& text);
    QString text() const;

    // Applies the settings when they differ from the last applied, then restyles all.
    void applyConfig(const EditorConfig& config) override;
    // For a configuration that follows a stream of settings changes (a slider being
    // dragged): the latest is applied at once when the last one is older than the
    // interval, else when the interval has passed.
    void applyConfigThrottled(const EditorConfig& config) override;
    static EditorConfig configFromSettings();

    void setMinimapVisible(bool on);

private:
    // The text view's signals, passed on as the host's.
    void passOnSignals();
    // After a text went in: not edited, the minimap and counts of the new text.
    void loaded();
    void applyColors();
    void applyConfigInternal(const EditorConfig& config);
    void scheduleApply();
    static constexpr qint64 kApplyIntervalMs = 200;

    MarkdownTextView* m_text;
    PageRulerView* m_ruler;
    MinimapView* m_minimap;
    QPointer<EditorController> m_controller;
    QTimer m_minimapTimer;
    QTimer m_settingsTimer;
    QElapsedTimer m_lastApply;
    std::optional<EditorConfig> m_pendingConfig;
    bool m_configFromWindow = false;
};
