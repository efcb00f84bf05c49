// The two functions through which the host hands the module its messages and
// its idle time.
#include <windows.h>

#include "win_app.h"

// Nonzero when the module consumed the message; it owns no windows, so always 0.
// A null pointer is answered with 0 rather than followed.
extern "C" BOOL WINAPI FilterDllMsg(LPMSG lpMsg) {
    if (!lpMsg) return FALSE;
    CWinApp* app = FrameworkApp();
    return app ? app->PreTranslateMessage(lpMsg) : FALSE;
}

// Idle passes with the counts 0, 1, ... until one asks for no more; that is the
// second, which also releases the calling thread's temporary objects. Always 0.
extern "C" BOOL WINAPI ProcessDllIdle() {
    for (LONG count = 0;; ++count) {
        CWinApp* app = FrameworkApp();
        if (!app || !app->OnIdle(count)) return FALSE;
    }
}
