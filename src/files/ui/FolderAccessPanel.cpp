#include "files/ui/FolderAccessPanel.h"

#include "files/FolderAccess.h"

#include <QFileDialog>

namespace FolderAccess {

void requestAccess(const QString& defaultFolder, QWidget* window, std::function<void(bool)> completion)
{
    auto* panel = new QFileDialog(
        window, QStringLiteral("Choose the folder containing this document's images so they can be shown in export "
                               "and print."));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setLabelText(QFileDialog::Accept, QStringLiteral("Grant Access"));
    if (!defaultFolder.isEmpty()) panel->setDirectory(defaultFolder);
    auto done = std::make_shared<bool>(false);
    QObject::connect(panel, &QFileDialog::fileSelected, panel, [completion, done](const QString& folder) {
        *done = true;
        // The grant is stored whether or not the caller wants to hear about it.
        const bool granted = grant(folder);
        if (completion) completion(granted);
    });
    QObject::connect(panel, &QFileDialog::rejected, panel, [completion, done] {
        if (!*done && completion) completion(false);
    });
    // Window-modal over its window; application-modal (still without a nested loop) with none.
    panel->open();
}

} // namespace FolderAccess
