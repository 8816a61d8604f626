#pragma once

#include <QPointer>
#include <QSet>
#include <QWidget>

#include <functional>

class FileBrowserModel;
class QLabel;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
struct FileNode;

// The file browser at the leading edge of a document window: a header with the folder's
// name, Refresh and Open Folder, then the tree of Markdown files (or the no-folder and
// empty-folder states). Clicking a file hands its path to `onOpen`.
class FileBrowserSidebar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 220;

    FileBrowserSidebar(FileBrowserModel* model, std::function<QWidget*()> window,
                       std::function<void(const QString& path)> onOpen, QWidget* parent = nullptr);

    // The window's document file; empty for an untitled document.
    void setCurrentPath(const QString& path);

    // The folder panel: on confirmation the folder is granted and remembered, and shown in
    // `model` when it still exists. Sheet on `window` when there is one.
    static void chooseFolder(FileBrowserModel* model, QWidget* window);

    // For tests and accessibility: the tree and header controls.
    QTreeWidget* tree() const { return m_tree; }
    QToolButton* refreshButton() const { return m_refresh; }
    QString title() const;
    int contentIndex() const; // 0 no folder, 1 empty, 2 tree

private:
    void rebuild();
    void addNodes(QTreeWidgetItem* parent, const QList<FileNode>& nodes);
    void updateTitle();
    void drawSymbols();
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    QPointer<FileBrowserModel> m_model;
    std::function<QWidget*()> m_window;
    std::function<void(const QString&)> m_onOpen;
    QString m_currentPath;
    QSet<QString> m_expanded;
    QLabel* m_title = nullptr;
    QToolButton* m_refresh = nullptr;
    QStackedWidget* m_content = nullptr;
    QTreeWidget* m_tree = nullptr;
};
