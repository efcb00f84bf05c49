#include "win_app.h"

#include "message_box.h"
#include "module_state.h"
#include "probe_points.h"
#include "text_ids.h"

CWinApp::CWinApp(LPCWSTR pszAppName) : m_pszAppName(pszAppName) {
    ModuleState()->m_pCurrentApp = this;
    TORVIK_PROBE_EVENT(AppConstructed, 0, m_pszAppName);
}

CWinApp::~CWinApp() {
    CModuleState* m = ModuleState();
    if (m->m_pCurrentApp == this) m->m_pCurrentApp = nullptr;
    if (m->m_pCurrentThread == this) m->m_pCurrentThread = nullptr;
    if (m_hThread) CloseHandle(m_hThread);
    TORVIK_PROBE_EVENT(AppDestroyed, 0, m_pszAppName);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    if (m_pszHelpFilePath && ::WinHelpW(nullptr, m_pszHelpFilePath, nCmd, dwData)) return;
    FrameworkMessageBox(IDS_FRAMEWORK_HELP_FAILED, MB_OK | MB_ICONEXCLAMATION);
}

CWinApp* FrameworkApp() { return ModuleState()->m_pCurrentApp; }
