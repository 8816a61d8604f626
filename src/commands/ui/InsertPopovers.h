#pragma once

#include <QFrame>
#include <QPointer>

#include <functional>

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
// columns).
class TableGridPicker : public Popover {
    Q_OBJECT
public:
    using OnPick = std::function<void(int rows, int cols)>;
    TableGridPicker(int maxRows, int maxCols, OnPick onPick, QWidget* parent);
    QString label() const;
    int hoverRows() const { return m_hoverRows; }
    int hoverCols() const { return m_hoverCols; }
    // The cell under a point of the grid widget: (row, col) from 1, or (0, 0).
    QPoint cellAt(QPoint gridPos) const;
    QWidget* grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_maxRows, m_maxCols;
    int m_hoverRows = 0, m_hoverCols = 0;
    OnPick m_onPick;
    QLabel* m_label;
    QWidget* m_grid;
};
