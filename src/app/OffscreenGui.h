#pragma once
// The printing commands draw pages with Qt's fonts and PDF writer, and the chart command its chart, which need
// a GUI application; they draw off screen, so no display is needed.

#include <functional>

// Runs `body` inside an off-screen GUI application that leaves the report service's messages to the
// command, which writes them itself; answers the body's exit status.
int runWithOffscreenGui(const std::function<int()>& body);
