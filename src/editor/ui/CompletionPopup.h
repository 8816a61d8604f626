#pragma once

#include "platform/TextRange.h"

#include <QObject>

#include <functional>

class EditorTextView;
class QCompleter;
class QStringListModel;
class QTextEdit;

// The completion list of the text view: emoji names after ":" and file names after "[[".
// It opens when the text before the caret asks for it and writes the chosen entry over
// the partial name.
class CompletionPopup : public QObject {
    Q_OBJECT
public:
    // `documentPath` gives the document's file ("" while untitled): wiki-link names are
    // looked up beside it.
    CompletionPopup(QTextEdit* view, EditorTextView* text, std::function<QString()> documentPath);

    // Opens, updates or closes the list for the text before the caret (`explicitly`:
    // also for a single name letter).
    void update(bool explicitly = false);
    bool isVisible() const;
    QCompleter* completer() const { return m_completer; }
    // The partial name the chosen entry replaces.
    TextRange range() const { return m_range; }

private:
    QTextEdit* m_view;
    EditorTextView* m_text;
    std::function<QString()> m_documentPath;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_model = nullptr;
    TextRange m_range;
};
