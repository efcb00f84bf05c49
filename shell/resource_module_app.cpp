#include "resource_module_app.h"

#include "probe_points.h"

// The single application object, constructed while the library loads.
CResourceModuleApp theApp;

CResourceModuleApp::CResourceModuleApp() : CWinApp(L"torvik.dll") {}

// Sets the title and reads nothing: no resource is read while the module loads.
// The same title is text 57344 of the catalogue.
BOOL CResourceModuleApp::InitInstance() {
    TORVIK_PROBE_EVENT(InitInstance, 0, nullptr);
    m_pszAppName = L"KORVANEX Plus";
    return TRUE;
}

int CResourceModuleApp::ExitInstance() {
    TORVIK_PROBE_EVENT(ExitInstance, 0, nullptr);
    return CWinApp::ExitInstance();
}
