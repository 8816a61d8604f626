#pragma once

class DocumentHost;

// The chrome every document window gets: the status bar, the outline column (following
// "showOutline"), and the quick-open sheet on its request.
namespace WindowChrome {

void attach(DocumentHost& host);

// The pause after typing before the outline is parsed again.
inline constexpr int kOutlineDelayMs = 300;

} // namespace WindowChrome
