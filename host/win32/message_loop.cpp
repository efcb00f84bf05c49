#include "message_loop.h"

namespace torvik::host {
namespace {

constexpr wchar_t kFrameClass[] = L"TorvikHostFrame";

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); }

void register_frame_class() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = frame_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kFrameClass;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&wc);  // a second registration fails harmlessly
}

}  // namespace

ModuleEntryPoints ModuleEntryPoints::resolve(HMODULE module) {
    ModuleEntryPoints e;
    e.filter_dll_msg = reinterpret_cast<BOOL(WINAPI*)(LPMSG)>(reinterpret_cast<void*>(GetProcAddress(module, "FilterDllMsg")));
    e.process_dll_idle = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(module, "ProcessDllIdle")));
    return e;
}

LoopStats run_message_loop(const ModuleEntryPoints& module, const std::function<bool()>& done, DWORD timeout_ms) {
    LoopStats stats;
    const ULONGLONG deadline = GetTickCount64() + timeout_ms;
    MSG msg;
    for (;;) {
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            ++stats.messages;
            if (module.filter_dll_msg(&msg)) {
                ++stats.consumed;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
        ++stats.idle_calls;
        if (module.process_dll_idle()) ++stats.idle_nonzero;
        if (done()) break;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
    return stats;
}

HostWindow::HostWindow() {
    register_frame_class();
    frame_ = CreateWindowExW(0, kFrameClass, L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    child_ = CreateWindowExW(0, L"BUTTON", L"Child", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 24, frame_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(1)), GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() {
    if (frame_) DestroyWindow(frame_);
}

}  // namespace torvik::host
