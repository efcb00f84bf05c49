#include "module_state.h"

#include <new>

#include "probe_points.h"
#include "win_app.h"
#include "wnd.h"

namespace {
constinit CModuleState g_module_state{};
}

CModuleState* ModuleState() { return &g_module_state; }

LONG CThreadState::DeleteTempWnds() {
    LONG deleted = 0;
    while (CWnd* w = m_pTempWnds) {
        m_pTempWnds = w->m_pNextTemp;
        delete w;
        ++deleted;
    }
    m_nTempWnds = 0;
    return deleted;
}

CThreadState* ThreadState() {
    CModuleState* m = ModuleState();
    if (!m->m_bThreadDataBound) return nullptr;
    if (auto* s = static_cast<CThreadState*>(TlsGetValue(m->m_dwTlsIndex))) return s;
    auto* s = new (std::nothrow) CThreadState;
    if (!s) return nullptr;
    s->m_nThreadID = GetCurrentThreadId();
    // Push onto the list of all records without a lock: only pushes race.
    CThreadState* head;
    do {
        head = m->m_pThreadStates;
        s->m_pNextState = head;
    } while (InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&m->m_pThreadStates), s, head) != head);
    TlsSetValue(m->m_dwTlsIndex, s);
    return s;
}

bool InitializeModule(HINSTANCE hInstance) {
    CModuleState* m = ModuleState();
    m->m_hInstance = hInstance;
    m->m_hResource = hInstance;  // the framework's own resources come from the module too
    m->m_bLibrary = true;        // so no message queue, hook or 3-D control support is set up
    m->m_pszAppNameCopy = m->m_pCurrentApp ? m->m_pCurrentApp->m_pszAppName : nullptr;
    TORVIK_PROBE_EVENT(ModuleInitialised, 0, m->m_pszAppNameCopy);
    return true;
}

bool BindThreadData() {
    CModuleState* m = ModuleState();
    DWORD index = TORVIK_PROBE_FORCED_FAILURE(L"bind") ? TLS_OUT_OF_INDEXES : TlsAlloc();
    if (index == TLS_OUT_OF_INDEXES) return false;
    m->m_dwTlsIndex = index;
    m->m_bThreadDataBound = true;
    TORVIK_PROBE_EVENT(ThreadDataBound, 0, nullptr);
    return true;
}

void TerminateModule() {
    // The framework registers no window classes for the module; what it made
    // per thread are the temporary window objects of every thread's record.
    LONG destroyed = 0;
    for (CThreadState* s = ModuleState()->m_pThreadStates; s; s = s->m_pNextState) destroyed += s->DeleteTempWnds();
    TORVIK_PROBE_EVENT(ModuleTerminated, destroyed, nullptr);
}

void ReleaseThreadData() {
    CModuleState* m = ModuleState();
    LONG released = 0;
    CThreadState* s = m->m_pThreadStates;
    m->m_pThreadStates = nullptr;
    while (s) {
        CThreadState* next = s->m_pNextState;
        delete s;
        s = next;
        ++released;
    }
    if (m->m_bThreadDataBound) TlsFree(m->m_dwTlsIndex);
    m->m_bThreadDataBound = false;
    TORVIK_PROBE_EVENT(ThreadDataReleased, released, nullptr);
}
