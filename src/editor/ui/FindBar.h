#pragma once

#include <QWidget>

class DocumentHost;
class EditorController;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The window's text finder: a search field with Next and Previous (wrapping around), the
// number of matches, and a replace row with Replace and Replace All. Matching is literal
// and ignores case. Every replacement is one undoable edit through the editor controller.
// Escape closes the bar and gives the keyboard back to the editor.
//
// It floats over the top right corner of the editor. The Find menu's items post their
// requests (Requests::showFind and the four after it), which the key window's bar performs.
class FindBar : public QWidget {
    Q_OBJECT
public:
    // The finder actions the Find menu items send, by number.
    enum Action {
        ShowFind = 1,
        Next = 2,
        Previous = 3,
        SetSearchFromSelection = 7,
        ShowReplace = 12,
    };

    FindBar(EditorController* controller, QWidget* editor);

    // Adds a find bar to the host's editor, keeps its count in step with the text and acts
    // on the find requests.
    static void attach(DocumentHost& host);
    // The find bar of a window, if it has one.
    static FindBar* of(QWidget* window);

    void perform(int action);
    void showBar(bool withReplace);
    void findNext();
    void findPrevious();
    void replaceCurrent();
    void replaceAll();
    void useSelectionForFind();
    // The text changed: the count is refreshed after a pause while the bar is shown.
    void noteTextChanged();

    QLineEdit* searchField() const { return m_search; }
    QLineEdit* replaceField() const { return m_replace; }
    QString countText() const;
    bool isReplaceShown() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addButtons();
    void searchEdited();
    void place();
    void updateCount();
    void step(bool forward);
    void closeBar();

    EditorController* m_controller;
    QLineEdit* m_search;
    QLineEdit* m_replace;
    QLabel* m_count;
    QWidget* m_replaceRow;
    QTimer* m_recount;
};
