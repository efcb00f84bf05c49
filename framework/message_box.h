// The framework's message boxes, captioned with the application's name, and
// the loading of its own texts from the module.
#pragma once

#include <windows.h>

// Copies text id into buffer (as LoadStringW does); 0 when it has none.
int FrameworkLoadString(UINT id, LPWSTR buffer, int size);

// A box captioned with the current application's m_pszAppName.
int FrameworkMessageBox(LPCWSTR text, UINT type);
// The same with text id; "No error message is available." when it has none.
int FrameworkMessageBox(UINT id, UINT type);
// An entry prompt (IDS_FRAMEWORK_ENTER_*) with its numbered arguments %1, %2 filled.
int FrameworkEntryPrompt(UINT id, LPCWSTR arg1 = nullptr, LPCWSTR arg2 = nullptr);
