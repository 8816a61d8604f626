#pragma once

#include <QString>

class DocumentWindow;

namespace RecentOpen {

// Opens a recent document the way the welcome window and quick open do: through the
// document controller, whose alert names a file that cannot be opened. A file that no
// longer exists also leaves the recent list, so it is not offered again.
DocumentWindow* open(const QString& path);

} // namespace RecentOpen
