// The probe unit: linked only into the probe build of the twin (with
// TORVIK_PROBE defined for every source). It appends the framework's events
// to the log the test process names, and lets a test reach inside the module.
#include <windows.h>

#include <cstdint>
#include <cwchar>

#include "message_box.h"
#include "module_state.h"
#include "probe_points.h"
#include "win_app.h"

namespace torvik::probe {
namespace {

Log* sink() {
    static Log* log = [] {
        wchar_t value[32] = {};
        if (!GetEnvironmentVariableW(kSinkVariable, value, 32)) return static_cast<Log*>(nullptr);
        return reinterpret_cast<Log*>(static_cast<std::uintptr_t>(std::wcstoull(value, nullptr, 16)));
    }();
    return log;
}

}  // namespace

void record(Event event, LONG value, const wchar_t* text) {
    Log* log = sink();
    if (!log) return;
    LONG i = InterlockedIncrement(&log->count) - 1;
    if (i >= static_cast<LONG>(sizeof log->records / sizeof log->records[0])) return;
    Record& r = log->records[i];
    r.event = event;
    r.value = value;
    r.thread_id = GetCurrentThreadId();
    r.text[0] = L'\0';
    if (text) wcsncpy(r.text, text, sizeof r.text / sizeof r.text[0] - 1);
}

bool forced_failure(const wchar_t* point) {
    wchar_t value[32] = {};
    return GetEnvironmentVariableW(kFailVariable, value, 32) && std::wcscmp(value, point) == 0;
}

}  // namespace torvik::probe

// What a test may ask of the module from inside.
extern "C" {

__declspec(dllexport) LPCWSTR ProbeAppName() { return FrameworkApp() ? FrameworkApp()->m_pszAppName : nullptr; }
__declspec(dllexport) LPCWSTR ProbeModuleAppNameCopy() { return ModuleState()->m_pszAppNameCopy; }
__declspec(dllexport) HINSTANCE ProbeResourceHandle() { return ModuleState()->m_hResource; }
__declspec(dllexport) LONG ProbeTempWindowCount() {
    CThreadState* s = ThreadState();
    return s ? s->m_nTempWnds : -1;
}
__declspec(dllexport) int ProbeMessageBox(UINT id) { return FrameworkMessageBox(id, MB_OK); }
__declspec(dllexport) int ProbeEntryPrompt(UINT id, LPCWSTR arg1, LPCWSTR arg2) { return FrameworkEntryPrompt(id, arg1, arg2); }
__declspec(dllexport) void ProbeWinHelp() {
    if (CWinApp* app = FrameworkApp()) app->WinHelp(0);
}

}  // extern "C"
