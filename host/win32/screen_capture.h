// Copies a shown window from the screen into a 24-bit bitmap file. Under
// Wine a window's own printing paints no child controls, so the gallery and
// the demo take what the screen shows (under Xvfb).
#pragma once

#include <windows.h>

#include <string>

namespace torvik::host {

// Handles the messages that arrive for about ms milliseconds.
void pump_messages_for(DWORD ms);

bool capture_window_to_bmp(HWND window, const std::wstring& path);

}  // namespace torvik::host
