#pragma once

#include "editor/DocStats.h"
#include "editor/EditorTextView.h"
#include "platform/TextRange.h"

#include <QObject>
#include <QPointer>
#include <QSizeF>

#include <optional>

// The per-window object through which everything outside the text view edits the
// document. It holds no text: it acts on the window's text view, which it references
// weakly (every operation is a no-op once the view is gone). All programmatic edits go
// through `replace`, so undo, restyling and write-back follow the path of typing.
class EditorController : public QObject {
    Q_OBJECT
public:
    explicit EditorController(QObject* parent = nullptr);

    // `lifetime` is the QObject whose destruction ends the view (usually the widget
    // that implements it); without one the caller must clear the view itself.
    void setTextView(EditorTextView* view, QObject* lifetime = nullptr);
    EditorTextView* textView() const;
    void setScrollView(EditorScrollView* view, QObject* lifetime = nullptr);
    EditorScrollView* scrollView() const;

    QSizeF pageFootprint() const { return m_pageFootprint; }
    void setPageFootprint(QSizeF size) { m_pageFootprint = size; }

    const DocStats& stats() const { return m_stats; }
    double zoom() const { return m_zoom; }
    int selectionWords() const { return m_selectionWords; }
    int selectionChars() const { return m_selectionChars; }

    // The one undoable replace primitive. Does nothing without a view, when the range
    // ends beyond the text, or when the view refuses the change; `select` is applied
    // only after a change was made.
    void replace(TextRange range, const QString& text, std::optional<TextRange> select = std::nullopt);
    void replaceSelection(const QString& text);

    void updateCounts();
    void updateSelectionStats();

    void zoomIn();
    void zoomOut();
    void setZoom(double factor, bool animated);
    // Live magnification reported by the view (pinch); no clamping, no view update.
    void setZoomFromView(double factor);
    void fitWidth();
    void fitPage();

    static double clampZoom(double z);
    static double stepZoom(double z, double delta);

    // The selection's line block: whole lines covering the selection, with the last
    // line's terminator. Empty selection: the caret's line.
    TextRange selectionLineBlock() const;

    // ---- Editing operations are declared below this line, grouped by kind. ----

Q_SIGNALS:
    void statsChanged(const DocStats& stats);
    void zoomChanged(double zoom);
    void selectionStatsChanged(int words, int chars);

private:
    EditorTextView* m_textView = nullptr;
    QPointer<QObject> m_textViewLifetime;
    bool m_textViewTracked = false;
    EditorScrollView* m_scrollView = nullptr;
    QPointer<QObject> m_scrollViewLifetime;
    bool m_scrollViewTracked = false;

    QSizeF m_pageFootprint{872, 1112};
    DocStats m_stats;
    double m_zoom = 1.0;
    int m_selectionWords = 0;
    int m_selectionChars = 0;
};
