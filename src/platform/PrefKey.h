#pragma once

#include <QLatin1String>
#include <QVariantHash>

class Settings;

// Every settings key, named once, with its default. Read and write settings through these
// names, never a literal: there is one place to look for what the program stores.
//
// The first group is registered at start (`defaults()`), before any window opens; a
// registered value is a fallback only and never written to the user's file. The keys after
// it are read with the default written beside them (the reader passes it as the fallback).
// The last group are the keys that one store each reads and writes whole.
namespace PrefKey {

// Registered defaults.
inline constexpr QLatin1String editorFontSize{"editorFontSize"};                   // 15.0
inline constexpr QLatin1String editorFontFamily{"editorFontFamily"};               // "system"
inline constexpr QLatin1String editorLineSpacing{"editorLineSpacing"};             // 3.0
inline constexpr QLatin1String editorSpellCheck{"editorSpellCheck"};               // false
inline constexpr QLatin1String editorAutoPair{"editorAutoPair"};                   // true
inline constexpr QLatin1String editorViewMode{"editorViewMode"};                   // "wysiwyg"
inline constexpr QLatin1String editorShowRuler{"editorShowRuler"};                 // false
inline constexpr QLatin1String printHeaderTemplate{"printHeaderTemplate"};         // "{title}"
inline constexpr QLatin1String printFooterTemplate{"printFooterTemplate"};         // "Page {page} of {pages}"
inline constexpr QLatin1String showWelcomeOnLaunch{"showWelcomeOnLaunch"};         // true
inline constexpr QLatin1String revealActiveLineMarkers{"revealActiveLineMarkers"}; // false
inline constexpr QLatin1String editorAppearance{"editorAppearance"};               // "system"
inline constexpr QLatin1String editorPageWidth{"editorPageWidth"};                 // 816.0
inline constexpr QLatin1String editorPageMargin{"editorPageMargin"};               // 72.0
inline constexpr QLatin1String editorFocusMode{"editorFocusMode"};                 // false
inline constexpr QLatin1String editorTypewriter{"editorTypewriter"};               // false
inline constexpr QLatin1String aiProvider{"aiProvider"};                           // "deepseek"
inline constexpr QLatin1String ollamaBaseURL{"ollamaBaseURL"};                     // "http://localhost:11434"
inline constexpr QLatin1String ollamaModel{"ollamaModel"};                         // "llama3.2"
inline constexpr QLatin1String editorTextDirection{"editorTextDirection"};         // "natural"
inline constexpr QLatin1String editorSpellLanguage{"editorSpellLanguage"};         // "auto"
inline constexpr QLatin1String editorCustomThemes{"editorCustomThemes"};           // "[]"
inline constexpr QLatin1String toolbarShowFormat{"toolbarShowFormat"};             // true
inline constexpr QLatin1String toolbarShowMedia{"toolbarShowMedia"};               // true
inline constexpr QLatin1String toolbarShowLists{"toolbarShowLists"};               // true
inline constexpr QLatin1String toolbarShowIndent{"toolbarShowIndent"};             // true
inline constexpr QLatin1String editorShowMinimap{"editorShowMinimap"};             // false
inline constexpr QLatin1String reopenLastSession{"reopenLastSession"};             // true
inline constexpr QLatin1String aiAutocomplete{"aiAutocomplete"};                   // false

// Read with their own default.
inline constexpr QLatin1String distractionFree{"distractionFree"};         // false
inline constexpr QLatin1String showFileBrowser{"showFileBrowser"};         // false
inline constexpr QLatin1String showOutline{"showOutline"};                 // false
inline constexpr QLatin1String customEndpoint{"customEndpoint"};           // none: no custom provider
inline constexpr QLatin1String customModel{"customModel"};                 // ""
inline constexpr QLatin1String appLanguageOverride{"appLanguageOverride"}; // "system"
inline constexpr QLatin1String preferredLanguages{"preferredLanguages"};   // none: the system's
inline constexpr QLatin1String exportPresetsRev{"exportPresetsRev"};       // 0
inline constexpr QLatin1String exportCSS{"exportCSS"};                     // ""
inline constexpr QLatin1String writingGoal{"writingGoal"};                 // 0: no goal
inline constexpr QLatin1String lastSeenVersion{"lastSeenVersion"};         // none: never shown

// Each read and written whole by one store, named beside it.
inline constexpr QLatin1String recentDocuments{"recentDocuments"};               // RecentDocuments
inline constexpr QLatin1String grantedFolderBookmarks{"grantedFolderBookmarks"}; // FolderAccess
inline constexpr QLatin1String openSessionBookmarks{"openSessionBookmarks"};     // SessionStore
inline constexpr QLatin1String fileBrowserRootPath{"fileBrowserRootPath"};       // FileBrowserModel
inline constexpr QLatin1String exportPresets{"exportPresets"};                   // ExportPresets
inline constexpr QLatin1String userSnippets{"userSnippets"};                     // SnippetStore
inline constexpr QLatin1String customShortcuts{"customShortcuts"};               // ShortcutStore

// The registered defaults: key -> Double, QString or bool.
const QVariantHash& defaults();

// Registers `defaults()` with `settings`.
void registerAll(Settings& settings);

} // namespace PrefKey
