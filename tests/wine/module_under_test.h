// The modules the Wine tests load, named on the command line:
// --module=PATH (the product twin) and --probe=PATH (its probe build).
#pragma once

#include <windows.h>

#include <string>

namespace torvik::wine {

const std::wstring& module_path();
const std::wstring& probe_path();

// Loads a module for one test and frees it afterwards.
class LoadedModule {
public:
    explicit LoadedModule(const std::wstring& path = module_path()) : handle_(LoadLibraryW(path.c_str())) {}
    ~LoadedModule() { unload(); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    HMODULE get() const { return handle_; }
    void unload() {
        if (handle_) FreeLibrary(handle_);
        handle_ = nullptr;
    }
    template <typename F>
    F function(const char* name) const {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle_, name)));
    }

private:
    HMODULE handle_;
};

}  // namespace torvik::wine
