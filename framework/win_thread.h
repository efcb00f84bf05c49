// A thread of the application: message pre-translation and idle processing.
#pragma once

#include <windows.h>

#include "cmd_target.h"

class CWinThread : public CCmdTarget {
public:
    HANDLE m_hThread = nullptr;  // the thread that constructed the object
    DWORD m_nThreadID = 0;

    // In this order in the virtual table.
    virtual BOOL InitInstance();
    // Offers msg to the module's window objects on the parent chain of its
    // target window; wraps each window met in a temporary object. The module
    // owns no windows, so nothing translates the message: FALSE.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Count 0 refreshes the command state of the module's windows (it has
    // none) and asks for more; count 1 and above delete the calling thread's
    // temporary objects and ask for no more.
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();

protected:
    CWinThread();
};
