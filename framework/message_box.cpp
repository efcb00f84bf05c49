#include "message_box.h"

#include "module_state.h"
#include "probe_points.h"
#include "text_ids.h"
#include "win_app.h"

namespace {
constexpr int kTextMax = 512;
}

int FrameworkLoadString(UINT id, LPWSTR buffer, int size) {
    TORVIK_PROBE_EVENT(ResourceRead, static_cast<LONG>(id), nullptr);
    return LoadStringW(ModuleState()->m_hResource, id, buffer, size);
}

int FrameworkMessageBox(LPCWSTR text, UINT type) {
    CWinApp* app = FrameworkApp();
    LPCWSTR caption = app ? app->m_pszAppName : nullptr;
    TORVIK_PROBE_EVENT(MessageBox, 0, caption);
    return MessageBoxW(GetActiveWindow(), text, caption, type);
}

int FrameworkMessageBox(UINT id, UINT type) {
    wchar_t text[kTextMax];
    if (!FrameworkLoadString(id, text, kTextMax) && !FrameworkLoadString(IDS_FRAMEWORK_NO_ERROR_MESSAGE, text, kTextMax))
        text[0] = L'\0';
    return FrameworkMessageBox(text, type);
}

int FrameworkEntryPrompt(UINT id, LPCWSTR arg1, LPCWSTR arg2) {
    wchar_t pattern[kTextMax];
    wchar_t text[kTextMax];
    if (!FrameworkLoadString(id, pattern, kTextMax)) return FrameworkMessageBox(id, MB_OK | MB_ICONEXCLAMATION);
    DWORD_PTR args[] = {reinterpret_cast<DWORD_PTR>(arg1 ? arg1 : L""), reinterpret_cast<DWORD_PTR>(arg2 ? arg2 : L"")};
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, pattern, 0, 0, text, kTextMax,
                        reinterpret_cast<va_list*>(args)))
        return FrameworkMessageBox(pattern, MB_OK | MB_ICONEXCLAMATION);
    return FrameworkMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
