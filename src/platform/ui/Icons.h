#pragma once

#include <QIcon>
#include <QString>

// Icons by the symbol names the interface uses ("doc.text", "folder.badge.plus", …):
// the desktop's icon theme when it has a matching freedesktop icon, else a bundled one.
namespace Icons {

struct Entry {
    const char* themeName; // freedesktop icon name
    const char* fallback;  // bundled icon, ":/icons/<fallback>.svg"
};

// The table entry for `symbol`; unknown symbols get a generic bundled icon.
Entry entry(const QString& symbol);
QIcon icon(const QString& symbol);
// True when the table names `symbol`.
bool isKnown(const QString& symbol);

} // namespace Icons
