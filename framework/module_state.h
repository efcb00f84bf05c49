// What the framework keeps for the module (one record) and for each thread
// that calls into it (one record per thread, reached through a TLS slot).
#pragma once

#include <windows.h>

class CWinApp;
class CWinThread;
class CWnd;

struct CThreadState {
    DWORD m_nThreadID = 0;
    CWnd* m_pTempWnds = nullptr;  // this thread's temporary window objects
    LONG m_nTempWnds = 0;
    CThreadState* m_pNextState = nullptr;  // every thread's record, for unloading

    LONG DeleteTempWnds();  // returns how many were deleted
};

struct CModuleState {
    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hResource = nullptr;  // where the framework loads its resources
    CWinApp* m_pCurrentApp = nullptr;
    CWinThread* m_pCurrentThread = nullptr;
    LPCWSTR m_pszAppNameCopy = nullptr;  // the name as it stood before InitInstance
    bool m_bLibrary = false;
    bool m_bThreadDataBound = false;
    DWORD m_dwTlsIndex = 0;
    CThreadState* volatile m_pThreadStates = nullptr;
};

// The module's record. It is constant-initialised, so the application object's
// constructor can register itself before the entry routine runs.
CModuleState* ModuleState();

// The calling thread's record, made on its first call; nullptr before the
// per-thread data is bound or after it is released.
CThreadState* ThreadState();

// The steps of loading and unloading that the entry routine runs.
bool InitializeModule(HINSTANCE hInstance);
bool BindThreadData();
void TerminateModule();
void ReleaseThreadData();
