#pragma once

#include <QString>

// The built-in Markdown cheat sheet that Help and the welcome window open as a new,
// untitled document. Fixed text: 50 lines, no line feed after the last.
namespace CheatSheet {

QString text();

} // namespace CheatSheet
