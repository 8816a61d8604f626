#pragma once

// Registers, once, every feature that attaches to a document window (files, language-model
// features, front matter, …) and what those features need from the program. Called at
// start-up before the first window opens, and by the widget tests' main.
void installWindowFeatures();
