#pragma once

#include <QLatin1String>

// Every request a document window observes, named once. A request travels on the
// NotificationBus as "Brindlewick." + its name (NotificationBus::name); only the key
// document window acts on it (DocumentHost::observeWhenKey).
//
// To add one: name it here, observe it in the feature that acts on it, post it from the
// menu item, key or view that asks for it. The menu bar reaches every feature this way.
namespace Requests {

// Editing and panels of the key window.
inline constexpr QLatin1String showFind{"showFind"};
inline constexpr QLatin1String showFindAndReplace{"showFindAndReplace"};
inline constexpr QLatin1String findNext{"findNext"};
inline constexpr QLatin1String findPrevious{"findPrevious"};
inline constexpr QLatin1String useSelectionForFind{"useSelectionForFind"};
inline constexpr QLatin1String editFrontMatter{"editFrontMatter"};
inline constexpr QLatin1String editHeaderFooter{"editHeaderFooter"};
inline constexpr QLatin1String toggleDistractionFree{"toggleDistractionFree"};
inline constexpr QLatin1String showCommandPalette{"showCommandPalette"};
inline constexpr QLatin1String showQuickOpen{"showQuickOpen"};
// The object is the command's id (a string).
inline constexpr QLatin1String runCommand{"runCommand"};

// Files.
inline constexpr QLatin1String showVersionHistory{"showVersionHistory"};
inline constexpr QLatin1String snapshotNow{"snapshotNow"};
inline constexpr QLatin1String openFileBrowserFolder{"openFileBrowserFolder"};
// Asks for a folder to grant, starting at the document's own.
inline constexpr QLatin1String allowFolderAccess{"allowFolderAccess"};
// The object is the linked file (a file URL or a path).
inline constexpr QLatin1String openWikiLink{"openWikiLink"};

// Export.
inline constexpr QLatin1String showExportPresets{"showExportPresets"};

// Language-model features.
inline constexpr QLatin1String showAIAssist{"showAIAssist"};
inline constexpr QLatin1String showTranslate{"showTranslate"};

} // namespace Requests
