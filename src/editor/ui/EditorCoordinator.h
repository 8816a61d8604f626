#pragma once

#include "editor/EditorConfig.h"
#include "editor/StyledBlocks.h"
#include "platform/TextRange.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class EditorController;
class MarkdownTextView;

// What the styler is told before each restyle.
struct StylerState {
    bool concealMarkers = false;
    TextRange revealRange;  // markers overlapping it stay visible
    TextRange caretLine;
    TextRange focusRange;   // focus mode: the range left undimmed
    bool focusMode = false;
    double contentWidth = 672; // points available to grid tables
    double scale = 1.0;        // zoom: fonts in the result are multiplied by it
};

// Styles `text` around `window` (absent: everything) and returns the runs of the scope
// it restyled.
using StyleFunction =
    std::function<StyleResult(const QString& text, std::optional<TextRange> window, const StylerState&)>;

// Every change of the text passes through here: the edit is mirrored into a plain
// string (so that nothing on the keystroke path copies the document), the widened scope
// is restyled synchronously before Qt lays the blocks out, and the change is reported.
// Caret moves restyle the lines the caret left and entered so markers can be revealed.
class EditorCoordinator : public QObject {
    Q_OBJECT
public:
    explicit EditorCoordinator(MarkdownTextView* view);

    void setStyleFunction(StyleFunction f) { m_style = std::move(f); }
    void setController(EditorController* c);
    void setConfig(const EditorConfig& config);
    const std::optional<EditorConfig>& appliedConfig() const { return m_config; }
    StylerState& stylerState() { return m_state; }

    // The document's text with "\n" line breaks, kept in step with every change.
    const QString& text() const { return m_text; }

    // Restyles the window around `changed`, or the whole text.
    void restyle(std::optional<TextRange> changed);

    // Return with an empty selection; true when it continued or ended a list.
    bool handleNewline();
    // Typing or pasting `s` over the selection; true when it made its own replacement.
    bool replaceSelectionSpecially(const QString& s, bool typed);

    bool isEditing() const { return m_isEditing; }
    // Keeps the caret's line centred when typewriter scrolling is on.
    void centerCaret();

Q_SIGNALS:
    // After every change of the text (typing, paste, undo, programmatic).
    void textEdited();

private:
    void onContentsChange(int from, int removed, int added);
    void onSelectionChanged();
    void afterEdit();
    TextRange clampToText(TextRange r) const;
    void prepare();

    MarkdownTextView* m_view;
    QPointer<EditorController> m_controller;
    StyleFunction m_style;
    StylerState m_state;
    std::optional<EditorConfig> m_config;
    QString m_text;
    bool m_isEditing = false;
    bool m_afterEditQueued = false;
    TextRange m_lastCaretLine;
    QTimer m_countsTimer;
};
