#pragma once

#include <QString>

// Where a PDF page too large to hand over inline waits for the web engine: it holds the
// document, so it goes in a folder only the user can read (0700) under the runtime folder,
// or the cache folder when there is none, never the shared temporary folder. Each process
// has a folder of its own, so clearing what a killed process left never touches the pages
// of one still running.
namespace PageFiles {

// This process's folder, made private when missing; empty when it cannot be.
QString folder();

// Removes the folders of processes that no longer run (called once at start).
void clearLeftovers();

} // namespace PageFiles
