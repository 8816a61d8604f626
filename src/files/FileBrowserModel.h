#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

// One entry of the file browser's tree.
struct FileNode {
    QString path; // the parent folder's path with the entry's name appended
    bool isDir = false;
    QList<FileNode> children; // a folder's visible content (never empty); none for a file

    const QString& id() const { return path; }
    bool operator==(const FileNode&) const = default;
};

// Per-window state of the file browser: the folder shown and the tree of Markdown files
// below it. The tree is a snapshot, rebuilt when the window opens, when a folder is chosen
// and on Refresh. The folder chosen last (in any window) is remembered under
// "fileBrowserRootPath" and restored while a folder grant still covers it.
class FileBrowserModel : public QObject {
    Q_OBJECT
public:
    // Folders below the root that are still listed.
    static constexpr int kMaxDepth = 7;

    // Starts without a root, then restores the remembered folder.
    explicit FileBrowserModel(QObject* parent = nullptr);

    const QString& rootPath() const { return m_rootPath; }
    const QList<FileNode>& nodes() const { return m_nodes; }

    // Lower-case extensions of the listed files.
    static const QSet<QString>& exts();

    void restore();
    void reload();

    // What confirming the folder panel does: grants the folder and remembers it for new
    // windows, then, when the model still exists, shows it.
    static void adoptFolder(const QString& folder, FileBrowserModel* model);

    // The sorted visible tree of `folder`: folders (that hold something to show) before
    // files, each group by name, case-insensitively.
    static QList<FileNode> build(const QString& folder, int depth);

Q_SIGNALS:
    void changed();

private:
    void setRoot(const QString& folder);

    QString m_rootPath;
    QList<FileNode> m_nodes;
};
