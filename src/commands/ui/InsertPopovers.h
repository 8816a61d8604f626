#pragma once

#include <QFrame>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

// A small panel that opens under a toolbar button and closes when the user clicks
// elsewhere or presses Escape. It only collects input and hands it to its callback.
class Popover : public QFrame {
    Q_OBJECT
public:
    explicit Popover(QWidget* parent);
    // Shows the popover under `anchor`, kept on the anchor's screen.
    void showBelow(QWidget* anchor);
};

// Link text and target. Insert is refused while the target is empty or only "https://".
class LinkEditorView : public Popover {
    Q_OBJECT
public:
    using OnInsert = std::function<void(const QString& text, const QString& url)>;
    LinkEditorView(const QString& text, const QString& url, OnInsert onInsert, QWidget* parent);
    void insert();
    QLineEdit* textField() const { return m_text; }
    QLineEdit* urlField() const { return m_url; }
    QPushButton* insertButton() const { return m_insert; }

private:
    QLineEdit* m_text;
    QLineEdit* m_url;
    QPushButton* m_insert;
    OnInsert m_onInsert;
};

// An image address and its alternative text, or an image file chosen on disk.
class ImageInsertView : public Popover {
    Q_OBJECT
public:
    using OnInsert = std::function<void(const QString& alt, const QString& path)>;
    ImageInsertView(const QString& documentPath, OnInsert onInsert, QWidget* parent);
    // Inserts the typed address ("image" as the text when none is typed).
    void insertTyped();
    // Inserts a chosen file: relative to the document where it lies below its folder;
    // the file's name without extension as the text when none is typed.
    void insertFile(const QString& filePath);
    void chooseFile();
    QLineEdit* urlField() const { return m_url; }
    QLineEdit* altField() const { return m_alt; }
    QPushButton* insertButton() const { return m_insert; }

private:
    QString m_documentPath;
    QLineEdit* m_url;
    QLineEdit* m_alt;
    QPushButton* m_insert;
    OnInsert m_onInsert;
    QPointer<QWidget> m_anchor;
    friend class Popover;
};

// A grid of cells; pointing at one names the size, clicking picks it (rows of the body,
// columns). Each cell is a button of its own ("2 by 3 table"), so it can be reached and
// pressed without a pointer too.
class TableGridPicker : public Popover {
    Q_OBJECT
public:
    using OnPick = std::function<void(int rows, int cols)>;
    TableGridPicker(int maxRows, int maxCols, OnPick onPick, QWidget* parent);
    QString label() const;
    // The cell button at (row, col), counted from 1.
    QAbstractButton* cell(int row, int col) const;
    // Highlights the size from the first cell to (row, col) and names it.
    void hover(int row, int col);
    bool isHighlighted(int row, int col) const { return row <= m_hoverRows && col <= m_hoverCols; }

private:
    int m_maxRows, m_maxCols;
    int m_hoverRows = 0, m_hoverCols = 0;
    OnPick m_onPick;
    QLabel* m_label;
    QList<QAbstractButton*> m_cells;
};
