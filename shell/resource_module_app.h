// The module's application object: it names itself and sets the title that
// captions the framework's message boxes. No state, no message map.
#pragma once

#include "win_app.h"

class CResourceModuleApp : public CWinApp {
public:
    CResourceModuleApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
};
