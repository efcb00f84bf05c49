// The entry routine. The run-time library has constructed the application
// object before this runs and destroys it after process detach returns.
// Nothing here loads a library, waits on a thread or reads a resource.
#include <windows.h>

#include "module_state.h"
#include "probe_points.h"
#include "win_app.h"

namespace {

bool g_attached = false;

// The load failed after InitInstance or the binding: undo in unloading order.
BOOL fail_load(bool init_instance_ran) {
    if (init_instance_ran)
        if (CWinApp* app = FrameworkApp()) app->ExitInstance();
    TerminateModule();
    ReleaseThreadData();
    return FALSE;
}

BOOL attach(HINSTANCE hInstance) {
    if (!InitializeModule(hInstance)) {
        TerminateModule();
        return FALSE;
    }
    CWinApp* app = FrameworkApp();
    BOOL ok = app ? app->InitInstance() : FALSE;
    if (TORVIK_PROBE_FORCED_FAILURE(L"init-instance")) ok = FALSE;
    if (!ok) return fail_load(true);
    if (!BindThreadData()) return fail_load(true);
    g_attached = true;
    TORVIK_PROBE_EVENT(LoadSucceeded, 0, nullptr);
    return TRUE;
}

void detach() {
    // After a failed load the loader still sends process detach: nothing is left to undo.
    if (!g_attached) return;
    g_attached = false;
    if (CWinApp* app = FrameworkApp()) app->ExitInstance();
    TerminateModule();
    ReleaseThreadData();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID) {
    switch (reason) {
        case DLL_PROCESS_ATTACH: return attach(hInstance);
        case DLL_PROCESS_DETACH: detach(); return TRUE;
        default: return TRUE;  // thread attach and detach: nothing to do
    }
}
