#include "render/ImageAccess.h"

#include "files/FolderAccess.h"

#include <QFileInfo>

ImageAccess ImageAccess::forDocument(const QString& documentFolder)
{
    ImageAccess access;
    if (!documentFolder.isEmpty()) access.m_documentFolder = QFileInfo(documentFolder).canonicalFilePath();
    QStringList folders = FolderAccess::grantedFolders();
    folders.append(access.m_documentFolder);
    for (const QString& folder : std::as_const(folders)) {
        const QString canonical = folder.isEmpty() ? QString() : QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && !access.m_folders.contains(canonical)) access.m_folders.append(canonical);
    }
    access.m_folders.sort();
    return access;
}

bool ImageAccess::allows(const QString& path) const
{
    const QFileInfo file(path);
    if (m_folders.isEmpty() || !file.exists() || !file.isFile()) return false; // a link to a device is no file
    const QString canonical = file.canonicalFilePath();
    for (const QString& folder : m_folders)
        if (canonical.startsWith(folder == QLatin1String("/") ? folder : folder + u'/')) return true;
    return false;
}
