// Plausible content for a dialog created from the module, as a host would put
// in before showing it: variables in the lists, the function templates in
// Transform Data's "Operators:" list, captions for the empty labels and check
// boxes, and the picture buttons in several states.
#pragma once

#include <windows.h>

namespace torvik::host {

void fill_plausibly(HWND dialog, HMODULE module);

// Puts picture buttons in different states so that each image shows:
// the first focused, the second pressed, the last disabled.
void show_picture_states(HWND dialog);

}  // namespace torvik::host
