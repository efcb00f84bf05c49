// How the host draws a picture button: from the module's bitmap named by the
// button's caption and the letter of its state (U up, D down, F focused,
// X disabled), stretched to the button.
#pragma once

#include <windows.h>

namespace torvik::host {

// The state letter for an owner-draw item's state.
wchar_t picture_state_letter(UINT item_state);

// Draws the item from module's bitmaps; false when the bitmap is missing.
bool draw_picture_button(HMODULE module, const DRAWITEMSTRUCT& item);

}  // namespace torvik::host
