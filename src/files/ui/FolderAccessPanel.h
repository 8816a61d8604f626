#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace FolderAccess {

// The folder panel of "Allow Access to Folder…": opens at `defaultFolder` (when given), as
// a sheet on `window` when there is one. The completion receives true only when a folder
// was chosen and its grant was really stored.
void requestAccess(const QString& defaultFolder, QWidget* window, std::function<void(bool granted)> completion);

} // namespace FolderAccess
