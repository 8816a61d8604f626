#pragma once

#include "assist/Autocomplete.h"
#include "assist/LLMClient.h"
#include "editor/EditorTextView.h"
#include "editor/GridEditing.h"
#include "styling/TableGrid.h"

#include <QLineEdit>
#include <QCompleter>
#include <QPointer>
#include <QStringListModel>
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

    // Undo and redo as the text edit does them; a step made by replaceRange also brings
    // back its selection: undo the one it started from, redo the one it was undone from.
    void undo();
    void redo();
    // Called by those steps while Qt undoes or redoes them (Qt places the caret itself
    // afterwards, so the selection is set once the step is complete).
    void restoreSelectionAfterStep(TextRange range);

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

    // Inline continuation: asked for after a pause in typing (with "aiAutocomplete" on
    // and a usable provider) or on request; the answer is shown with `showGhost` only
    // if nothing moved meanwhile. `sendSuggestion` sends the request (the language-model
    // client by default; tests replace it).
    using SuggestionSender =
        std::function<ChatCall*(const Autocomplete::Context&, QObject*, std::function<void(const QString&)>)>;
    SuggestionSender sendSuggestion;
    void scheduleAutoSuggest();
    bool isSuggestionScheduled() const { return m_autoTimer.isActive(); }
    void requestSuggestion(bool manual);
    void showGhost(const QString& suggestion);
    bool dismissGhost();
    void acceptGhost();
    bool hasGhost() const { return !m_ghostText.isEmpty(); }
    QString ghostText() const { return m_ghostText; }

    // Called by the coordinator before it handles any change of the text.
    void textWillChangeByEdit();

    // The document's file ("" while untitled): the window's file path by default.
    std::function<QString()> documentPath;
    // Emoji after ":" and file names after "[[": opens the completion list when the text
    // before the caret asks for it (`explicitly`: also for a single name letter).
    void maybeComplete(bool explicitly = false);
    QCompleter* completer() const { return m_completer; }
    TextRange completionRange() const { return m_completionRange; }

    // Grid tables are measured with point-sized fonts: one grid unit is `gridUnit`
    // points and `gridScale` pixels on screen.
    double gridUnit() const;
    double gridScale() const;
    const QList<TableFrame>& tableFrames() const { return m_tableFrames; }
    const QList<TableCellHit>& tableHits() const { return m_tableHits; }
    // Point in viewport pixels to grid units.
    QPointF toGrid(QPointF viewportPos) const;
    void beginCellEdit(const TableCellHit& hit);
    // Returns the edit written back, if any.
    std::optional<GridEditing::Edit> endCellEdit(bool commit);
    QLineEdit* cellEditor() const { return m_cellEditor; }
    void sortTable(const TableFrame& frame, int column);
    void writeColumnWidths(const QList<double>& widths, int tableStart);

Q_SIGNALS:
    void magnificationChanged(double factor);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void stepOverConcealed(int from, QTextCursor::MoveOperation step, bool extend);
    void skipGridRows(bool forward, bool extend);
    bool allConcealed(int from, int to) const;
    // Draws the grid tables on screen and rebuilds the hit lists; without a painter it
    // only rebuilds the hit lists.
    void paintTables(QPainter* p);
    void placeCellEditor();
    void remergeStyling();
    void applyRestoredSelection();

    PagedDocumentLayout* m_layout = nullptr;
    EditorCoordinator* m_coordinator = nullptr;
    QString m_ghostText;
    int m_ghostAnchor = -1;
    QTextCursor m_ghostCursor; // follows the anchor through edits, to find its block
    QTimer m_autoTimer;
    QCompleter* m_completer = nullptr;
    QStringListModel* m_completions = nullptr;
    TextRange m_completionRange;
    QPointer<ChatCall> m_suggestCall;
    std::optional<TextRange> m_restoreSelection;

    QList<TableCellHit> m_tableHits;
    QList<TableFrame> m_tableFrames;
    int m_hitsRevision = -1; // document revision the hit lists were drawn from
    struct Resize {
        TableFrame frame;
        int divider = 0;
        double pressX = 0;
        QList<double> widths;
        double guideX = 0;
    };
    std::optional<Resize> m_resize;
    QPointer<QLineEdit> m_cellEditor;
    TextRange m_cellSource;
    QString m_cellOriginal;
    QRectF m_cellRect; // grid units
};
