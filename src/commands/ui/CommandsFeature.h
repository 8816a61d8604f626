#pragma once

#include "commands/CommandContext.h"

#include <functional>

class DocumentHost;

// The commands in every document window: the formatting toolbar, the command palette
// ("showCommandPalette"), commands run by name ("runCommand", from user key
// combinations) and the text view's keys, clicks, paste and drop.
namespace CommandsFeature {

void attach(DocumentHost& host);

// The window's context for running a command, read afresh on each call.
CommandContext contextFor(DocumentHost& host);

} // namespace CommandsFeature
