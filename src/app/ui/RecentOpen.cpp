#include "app/ui/RecentOpen.h"

#include "app/ui/DocumentController.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"

#include <QFileInfo>

DocumentWindow* RecentOpen::open(const QString& path)
{
    DocumentWindow* window = DocumentController::instance().openDocument(path);
    const QFileInfo info(path);
    if (!window && !info.exists() && !info.isSymLink()) RecentDocuments::remove(Settings::instance(), path);
    return window;
}
