#pragma once

#include "editor/WindowConfig.h"

class DocumentHost;
class QPalette;
class QWidget;

// Each document window's own editor settings: the stored settings with its document's
// front-matter overrides and custom theme, applied to its editor when a setting changes or
// the front matter may have (after a pause in typing, never per keystroke); and the window's
// light or dark palette, which its sheets, menus and popovers share. The application's palette
// follows the stored look, so windows of no document (Settings, dialogs without a parent,
// completion lists) follow it too.
namespace WindowSettings {

void attach(DocumentHost& host);

// The palette for a colour scheme; none gives the desktop's own.
QPalette paletteFor(std::optional<WindowConfig::ColorScheme> scheme);

// Delay after the last keystroke before the front matter is read again.
inline constexpr int kFrontMatterPauseMs = 300;

} // namespace WindowSettings
