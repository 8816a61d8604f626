#include "files/FilePaths.h"

#include <QDir>

namespace FilePaths {

QString standardized(const QString& path)
{
    if (path.isEmpty()) return {};
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path);
    return QDir::cleanPath(absolute);
}

bool covers(const QString& folder, const QString& path)
{
    if (folder.isEmpty() || path.isEmpty()) return false;
    if (path == folder) return true;
    if (folder == QLatin1String("/")) return path.startsWith(QLatin1Char('/'));
    return path.size() > folder.size() && path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/');
}

} // namespace FilePaths
