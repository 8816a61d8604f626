#include "files/FileBrowserModel.h"

#include "files/FilePaths.h"
#include "files/FolderAccess.h"
#include "platform/OpenableFile.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

FileBrowserModel::FileBrowserModel(QObject* parent)
    : QObject(parent)
{
    restore();
}

const QSet<QString>& FileBrowserModel::exts()
{
    static const QSet<QString> e{"md", "markdown", "mdown", "markdn", "mkd", "text", "txt"};
    return e;
}

void FileBrowserModel::restore()
{
    const QString stored = Settings::instance().string(PrefKey::fileBrowserRootPath);
    if (stored.isEmpty()) return;
    if (!FolderAccess::hasAccess(stored)) return;
    setRoot(stored);
}

void FileBrowserModel::reload()
{
    if (m_rootPath.isEmpty()) {
        m_nodes.clear();
    } else {
        const QString root = m_rootPath;
        m_nodes = FolderAccess::withAccess(root, [&] { return build(root, 0); });
    }
    Q_EMIT changed();
}

void FileBrowserModel::setRoot(const QString& folder)
{
    m_rootPath = folder;
    reload();
}

void FileBrowserModel::adoptFolder(const QString& folder, FileBrowserModel* model)
{
    FolderAccess::grant(folder);
    Settings::instance().setValue(PrefKey::fileBrowserRootPath, FilePaths::standardized(folder));
    if (model) model->setRoot(folder);
}

QList<FileNode> FileBrowserModel::build(const QString& folder, int depth)
{
    if (depth > kMaxDepth) return {};
    const QDir dir(folder);
    if (!dir.exists()) return {};
    // Hidden entries are left out (QDir lists them only when asked to).
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::NoSort);
    QList<FileNode> folders, files;
    for (const QFileInfo& info : entries) {
        const QString path = info.filePath();
        // A link is not followed into a folder: links back up the tree would list the same
        // files again at every level (and many times over with several such links).
        if (info.isSymLink() && info.isDir()) continue;
        if (info.isDir()) {
            QList<FileNode> children = build(path, depth + 1);
            if (!children.isEmpty()) folders.append(FileNode{path, true, std::move(children)});
        } else if (exts().contains(info.suffix().toLower()) && OpenableFile::isOpenable(path)) {
            files.append(FileNode{path, false, {}});
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto byName = [&](const FileNode& a, const FileNode& b) {
        return collator.compare(QFileInfo(a.path).fileName(), QFileInfo(b.path).fileName()) < 0;
    };
    std::stable_sort(folders.begin(), folders.end(), byName);
    std::stable_sort(files.begin(), files.end(), byName);
    return folders + files;
}
