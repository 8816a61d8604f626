#pragma once

#include "editor/EditorTextView.h"

#include <QPointer>
#include <QTextEdit>
#include <QTimer>

#include <functional>

class EditorCoordinator;
class PagedDocumentLayout;

// The editor text view: QTextEdit for caret, selection, input methods, undo and
// scrolling, over a document that holds only the Markdown. Pages, styling and grids
// come from PagedDocumentLayout; the view adds the typing behaviours, caret movement
// over hidden markers, the header/footer band double-click, zoom, and the inline
// continuation, which it paints itself and never puts into the document.
class MarkdownTextView : public QTextEdit, public EditorTextView, public EditorScrollView {
    Q_OBJECT
public:
    explicit MarkdownTextView(QWidget* parent = nullptr);
    ~MarkdownTextView() override;

    PagedDocumentLayout* pagedLayout() const { return m_layout; }
    EditorCoordinator* coordinator() const { return m_coordinator; }

    // Replaces the whole text (not undoable; the undo history starts afresh).
    void setDocumentText(const QString& text);

    // EditorTextView
    QString text() const override;
    int textLength() const override;
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
    double magnification() const;

    // Inline continuation. The provider is asked after a pause in typing (when
    // `autoSuggestEnabled` says so) or on request, and answers through `showGhost`.
    std::function<bool()> autoSuggestEnabled;
    std::function<void(MarkdownTextView*, bool manual)> suggestionProvider;
    void scheduleAutoSuggest();
    void requestSuggestion(bool manual);
    void showGhost(const QString& suggestion);
    bool dismissGhost();
    void acceptGhost();
    bool hasGhost() const { return !m_ghostText.isEmpty(); }
    QString ghostText() const { return m_ghostText; }

    // Called by the coordinator before it handles any change of the text.
    void textWillChangeByEdit();

Q_SIGNALS:
    void magnificationChanged(double factor);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

private:
    void stepOverConcealed(bool forward, bool extend);
    bool isInsideConcealed(int pos) const;
    void paintGhost(QPainter* p);
    void remergeStyling();

    PagedDocumentLayout* m_layout = nullptr;
    EditorCoordinator* m_coordinator = nullptr;
    QString m_ghostText;
    int m_ghostAnchor = -1;
    QTimer m_autoTimer;
};
