// The module the Wine tests load, named on the command line (--module=PATH).
#pragma once

#include <windows.h>

#include <string>

namespace torvik::wine {

const std::wstring& module_path();

// Loads the module for one test and frees it afterwards.
class LoadedModule {
public:
    LoadedModule() : handle_(LoadLibraryW(module_path().c_str())) {}
    ~LoadedModule() {
        if (handle_) FreeLibrary(handle_);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    HMODULE get() const { return handle_; }

private:
    HMODULE handle_;
};

}  // namespace torvik::wine
