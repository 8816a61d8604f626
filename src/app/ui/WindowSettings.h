#pragma once

#include "editor/WindowConfig.h"

class DocumentHost;
class QPalette;
class QWidget;

// Each document window's own editor settings: the stored settings with its document's
// front-matter overrides and custom theme, applied to its editor when a setting changes or
// the front matter may have (after a pause in typing, never per keystroke); and the window's
// light or dark palette, which its sheets share.
namespace WindowSettings {

void attach(DocumentHost& host);

// The palette for a colour scheme; none gives the application's own.
QPalette paletteFor(std::optional<WindowConfig::ColorScheme> scheme);

// Delay after the last keystroke before the front matter is read again.
inline constexpr int kFrontMatterPauseMs = 300;

} // namespace WindowSettings
