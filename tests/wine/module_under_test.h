// The modules and listings the Wine tests read, named on the command line
// (see wine_main.cpp).
#pragma once

#include <windows.h>

#include <string>

namespace torvik::wine {

const std::wstring& module_path();
const std::wstring& probe_path();
const std::wstring& expected_strings_path();    // empty when not given
const std::wstring& expected_resources_path();  // empty when not given

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
