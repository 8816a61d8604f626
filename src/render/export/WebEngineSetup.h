#pragma once

// Before the application object exists: what the web engine that makes PDFs needs. Its
// sandbox is dropped only when running as root, where Chromium refuses to start with it;
// contexts are shared because the engine asks for that before any window exists. WebRTC may
// send no UDP past a proxy (the pages run no script, so this is a second wall), and the page
// files a killed run left behind are removed.
void prepareWebEngine();

// Before the web engine's first page: what it needs that waits until then (the OpenGL
// context its pages share).
void readyWebEngine();
