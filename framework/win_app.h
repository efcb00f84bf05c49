// The application object: its name, which captions the framework's message
// boxes, and its registration as the module's current application.
#pragma once

#include <windows.h>

#include "win_thread.h"

class CWinApp : public CWinThread {
public:
    // Constant text, never freed or rewritten by the framework.
    LPCWSTR m_pszAppName = nullptr;
    // The help file WinHelp opens; the framework sets none.
    LPCWSTR m_pszHelpFilePath = nullptr;

    explicit CWinApp(LPCWSTR pszAppName);
    ~CWinApp() override;

    BOOL InitInstance() override;
    // A library saves no settings; the exit code is nobody's to read.
    int ExitInstance() override;

    // Opens the help file; when that fails, says so in a message box.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
};

// The module's current application object.
CWinApp* FrameworkApp();
