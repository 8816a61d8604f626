#pragma once

// Runs the application: registers defaults, opens the windows, enters the event loop.
int brindlewickMain(int argc, char** argv);
