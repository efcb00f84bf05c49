#include "wnd.h"

#include <new>

#include "module_state.h"

CWnd* CWnd::FromHandle(HWND hWnd) {
    CThreadState* state = ThreadState();
    if (!hWnd || !state) return nullptr;
    for (CWnd* w = state->m_pTempWnds; w; w = w->m_pNextTemp)
        if (w->m_hWnd == hWnd) return w;
    CWnd* w = new (std::nothrow) CWnd;
    if (!w) return nullptr;
    w->m_hWnd = hWnd;
    w->m_pNextTemp = state->m_pTempWnds;
    state->m_pTempWnds = w;
    ++state->m_nTempWnds;
    return w;
}

void CWnd::DeleteTempMap() {
    if (CThreadState* state = ThreadState()) state->DeleteTempWnds();
}
