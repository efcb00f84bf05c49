// The host's side of the module contract: a window with a child, and a
// message loop that hands every message to FilterDllMsg before translating and
// dispatching it and calls ProcessDllIdle whenever the queue is empty.
#pragma once

#include <windows.h>

#include <functional>

namespace torvik::host {

struct ModuleEntryPoints {
    BOOL(WINAPI* filter_dll_msg)(LPMSG) = nullptr;
    BOOL(WINAPI* process_dll_idle)() = nullptr;

    // Both by name; throws nothing, leaves a member null when it is missing.
    static ModuleEntryPoints resolve(HMODULE module);
    bool complete() const { return filter_dll_msg && process_dll_idle; }
};

struct LoopStats {
    int messages = 0;        // messages taken from the queue
    int consumed = 0;        // of those, the ones FilterDllMsg answered nonzero
    int idle_calls = 0;      // calls of ProcessDllIdle
    int idle_nonzero = 0;    // of those, the ones that answered nonzero
};

// Runs until WM_QUIT, or until done() holds after an idle call, or until
// timeout_ms have passed without done() holding.
LoopStats run_message_loop(const ModuleEntryPoints& module, const std::function<bool()>& done, DWORD timeout_ms = 5000);

// A top-level host window with one child control; destroyed with the object.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND frame() const { return frame_; }
    HWND child() const { return child_; }

private:
    HWND frame_ = nullptr;
    HWND child_ = nullptr;
};

}  // namespace torvik::host
