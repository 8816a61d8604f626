#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/FilesWidgets.h"

#include "files/FileBrowserModel.h"
#include "files/FilePaths.h"
#include "platform/ColorContrast.h"
#include "platform/ui/Icons.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole + 1;   // a file row's path
constexpr int kFolderRole = Qt::UserRole + 2; // a folder row's path

// The tone of a file that is not the current one: between the text and the ground, as far
// towards the ground as it can go and still stand out 3:1.
QColor fileTone(const QPalette& p)
{
    const QColor text = p.color(QPalette::Text), ground = p.color(QPalette::Base);
    const QColor between =
        QColor::fromRgbF(float((text.redF() + ground.redF()) / 2), float((text.greenF() + ground.greenF()) / 2),
                         float((text.blueF() + ground.blueF()) / 2));
    return ColorContrast::legible(between, ground);
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
    drawSymbols();
    m_content->setCurrentIndex(2);
}

void FileBrowserSidebar::addNodes(QTreeWidgetItem* parent, const QList<FileNode>& nodes)
{
    for (const FileNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        const QFileInfo info(node.path);
        if (node.isDir) {
            item->setText(0, info.fileName());
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
    }
}

void FileBrowserSidebar::drawSymbols()
{
    // The program's own symbols in the tree's colours (the desktop's may not show on a dark
    // ground), drawn again when the look changes.
    const QPalette& p = m_tree->palette();
    const QIcon folder = Icons::icon(QStringLiteral("folder"), fileTone(p), p);
    const QIcon file = Icons::icon(QStringLiteral("doc.text"), fileTone(p), p);
    const QIcon current = Icons::icon(QStringLiteral("doc.text"),
                                      ColorContrast::legible(p.color(QPalette::Highlight), p.color(QPalette::Base)), p);
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QString path = (*it)->data(0, kPathRole).toString();
        const bool isCurrent = !path.isEmpty() && FilePaths::standardized(path) == m_currentPath;
        (*it)->setIcon(0, path.isEmpty() ? folder : isCurrent ? current : file);
    }
}

void FileBrowserSidebar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) drawSymbols();
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
