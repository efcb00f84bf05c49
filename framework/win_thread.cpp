#include "win_thread.h"

#include "module_state.h"
#include "probe_points.h"
#include "wnd.h"

CWinThread::CWinThread() {
    // The pseudo handle names whichever thread uses it; keep a real one.
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &m_hThread, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    m_nThreadID = GetCurrentThreadId();
    ModuleState()->m_pCurrentThread = this;
}

BOOL CWinThread::InitInstance() { return FALSE; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    for (HWND h = pMsg->hwnd; h; h = (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr)
        CWnd::FromHandle(h);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    TORVIK_PROBE_EVENT(OnIdle, lCount, nullptr);
    if (lCount <= 0) return TRUE;
    CWnd::DeleteTempMap();
    return FALSE;
}

int CWinThread::ExitInstance() { return 0; }
