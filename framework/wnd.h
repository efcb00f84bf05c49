// Window objects. The module creates no windows of its own; the framework only
// wraps windows it meets (the host's) in temporary objects, which live in the
// calling thread's record until the idle pass with count 1 deletes them.
#pragma once

#include <windows.h>

#include "cmd_target.h"

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    // The calling thread's object for hWnd, made as a temporary one if there is
    // none yet; nullptr for a null handle or when no per-thread record can exist.
    static CWnd* FromHandle(HWND hWnd);
    // Deletes the calling thread's temporary objects.
    static void DeleteTempMap();

private:
    friend struct CThreadState;
    CWnd* m_pNextTemp = nullptr;
};
