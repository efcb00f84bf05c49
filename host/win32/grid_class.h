// A stand-in for the host's spreadsheet grid, window class "va32Spread25":
// a bordered grid of cells, nothing more.
#pragma once

#include <windows.h>

namespace torvik::host {

inline constexpr wchar_t kGridClass[] = L"va32Spread25";

// Registers the class as a global class: the dialog manager creates a
// template's controls with the module's instance handle, so a class local to
// the host's own instance would not be found. Returns false on failure.
bool register_grid_class();

}  // namespace torvik::host
