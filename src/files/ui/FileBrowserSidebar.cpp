#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/FilesWidgets.h"

#include "files/FileBrowserModel.h"
#include "files/FilePaths.h"
#include "platform/ui/Icons.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole + 1;   // a file row's path
constexpr int kFolderRole = Qt::UserRole + 2; // a folder row's path

QIcon tinted(const QIcon& icon, const QColor& colour)
{
    QPixmap pm = icon.pixmap(16, 16);
    QPainter p(&pm);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(pm.rect(), colour);
    return QIcon(pm);
}

} // namespace

FileBrowserSidebar::FileBrowserSidebar(FileBrowserModel* model, std::function<QWidget*()> windowOf,
                                       std::function<void(const QString&)> onOpen, QWidget* parent)
    : QWidget(parent),
      m_model(model),
      m_window(std::move(windowOf)),
      m_onOpen(std::move(onOpen))
{
    setFixedWidth(kWidth);
    auto* column = FilesWidgets::flushColumn(this);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(10, 7, 10, 7);
    header->setSpacing(6);
    auto* icon = new QLabel(this);
    Icons::set(icon, QStringLiteral("folder"), 16);
    header->addWidget(icon);
    m_title = new QLabel(this);
    QFont titleFont = m_title->font();
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    header->addWidget(m_title, 1);
    header->addSpacing(4);
    const auto chooseHere = [this] { chooseFolder(m_model, m_window ? m_window() : window()); };
    m_refresh = new QToolButton(this);
    m_refresh->setAutoRaise(true);
    Icons::set(m_refresh, QStringLiteral("arrow.clockwise"));
    m_refresh->setToolTip(tr("Refresh"));
    m_refresh->setAccessibleName(tr("Refresh file list"));
    connect(m_refresh, &QToolButton::clicked, this, [this] {
        if (m_model) m_model->reload();
    });
    header->addWidget(m_refresh);
    auto* open = new QToolButton(this);
    open->setAutoRaise(true);
    Icons::set(open, QStringLiteral("folder.badge.plus"));
    open->setToolTip(tr("Open Folder…"));
    open->setAccessibleName(tr("Open Folder"));
    connect(open, &QToolButton::clicked, this, chooseHere);
    header->addWidget(open);
    column->addLayout(header);
    column->addWidget(FilesWidgets::divider(this));

    m_content = new QStackedWidget(this);
    auto* noFolder = new QWidget(m_content);
    auto* noFolderColumn = new QVBoxLayout(noFolder);
    noFolderColumn->setSpacing(10);
    noFolderColumn->addStretch();
    auto* bigIcon = new QLabel(noFolder);
    bigIcon->setAlignment(Qt::AlignCenter);
    Icons::set(bigIcon, QStringLiteral("folder.badge.plus"), 28);
    noFolderColumn->addWidget(bigIcon);
    noFolderColumn->addWidget(FilesWidgets::secondaryLabel(tr("No folder open"), noFolder));
    auto* openButton = new QPushButton(tr("Open Folder…"), noFolder);
    openButton->setAttribute(Qt::WA_MacSmallSize);
    connect(openButton, &QPushButton::clicked, this, chooseHere);
    noFolderColumn->addWidget(openButton, 0, Qt::AlignHCenter);
    noFolderColumn->addStretch();
    m_content->addWidget(noFolder);

    m_content->addWidget(FilesWidgets::secondaryLabel(tr("No Markdown files here"), m_content, 0.85));

    m_tree = new QTreeWidget(m_content);
    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::NoSelection);
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setFocusPolicy(Qt::NoFocus);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString path = item->data(0, kPathRole).toString();
        if (!path.isEmpty() && m_onOpen) m_onOpen(path);
    });
    m_content->addWidget(m_tree);
    column->addWidget(m_content, 1);

    if (m_model) connect(m_model, &FileBrowserModel::changed, this, &FileBrowserSidebar::rebuild);
    rebuild();
}

void FileBrowserSidebar::setCurrentPath(const QString& path)
{
    m_currentPath = FilePaths::standardized(path);
    rebuild();
}

QString FileBrowserSidebar::title() const
{
    const QString root = m_model ? m_model->rootPath() : QString();
    return root.isEmpty() ? QStringLiteral("Files") : QFileInfo(root).fileName();
}

int FileBrowserSidebar::contentIndex() const
{
    return m_content->currentIndex();
}

void FileBrowserSidebar::updateTitle()
{
    m_title->setText(m_title->fontMetrics().elidedText(title(), Qt::ElideMiddle, std::max(20, m_title->width())));
    m_title->setToolTip(title());
}

void FileBrowserSidebar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateTitle();
}

void FileBrowserSidebar::rebuild()
{
    const bool hasRoot = m_model && !m_model->rootPath().isEmpty();
    m_refresh->setEnabled(hasRoot);
    updateTitle();
    // A rebuilt tree keeps the folders the user had open.
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QString folder = (*it)->data(0, kFolderRole).toString();
        if (folder.isEmpty()) continue;
        if ((*it)->isExpanded())
            m_expanded.insert(folder);
        else
            m_expanded.remove(folder);
    }
    m_tree->clear();
    if (!hasRoot) {
        m_content->setCurrentIndex(0);
        return;
    }
    if (m_model->nodes().isEmpty()) {
        m_content->setCurrentIndex(1);
        return;
    }
    addNodes(nullptr, m_model->nodes());
    m_content->setCurrentIndex(2);
}

void FileBrowserSidebar::addNodes(QTreeWidgetItem* parent, const QList<FileNode>& nodes)
{
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const FileNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        const QFileInfo info(node.path);
        if (node.isDir) {
            item->setText(0, info.fileName());
            item->setIcon(0, folderIcon);
            item->setData(0, kFolderRole, node.path);
            addNodes(item, node.children);
            item->setExpanded(m_expanded.contains(node.path));
            continue;
        }
        item->setText(0, info.completeBaseName());
        item->setData(0, kPathRole, node.path);
        item->setToolTip(0, info.fileName());
        const bool current = !m_currentPath.isEmpty() && FilePaths::standardized(node.path) == m_currentPath;
        QFont font = m_tree->font();
        font.setWeight(current ? QFont::DemiBold : QFont::Normal);
        item->setFont(0, font);
        item->setIcon(0, tinted(fileIcon, palette().color(current ? QPalette::Highlight : QPalette::PlaceholderText)));
    }
}

void FileBrowserSidebar::chooseFolder(FileBrowserModel* model, QWidget* window)
{
    QPointer<FileBrowserModel> target(model);
    auto* panel = new QFileDialog(window, tr("Choose a folder of Markdown files to browse."));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setLabelText(QFileDialog::Accept, tr("Open Folder"));
    if (model && !model->rootPath().isEmpty()) panel->setDirectory(model->rootPath());
    connect(panel, &QFileDialog::fileSelected, panel,
            [target](const QString& folder) { FileBrowserModel::adoptFolder(folder, target.data()); });
    // Window-modal over its window; application-modal (still without a nested loop) with none.
    panel->open();
}
