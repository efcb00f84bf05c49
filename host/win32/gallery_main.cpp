// torvik_gallery --module=PATH --out=DIR: creates every dialog of the module
// as a host would, fills it, shows it, copies it from the screen and writes
// DIR/<id>.bmp and DIR/manifest.txt ("id<TAB>caption<TAB>file" per dialog).
// Run under an X server (Xvfb): a window's own printing paints no child
// controls under Wine, so the shown window is copied from the screen.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialog_filling.h"
#include "grid_class.h"
#include "picture_button.h"
#include "screen_capture.h"

namespace {

INT_PTR CALLBACK gallery_dialog(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: SetWindowLongPtrW(hwnd, GWLP_USERDATA, lp); return TRUE;
        case WM_DRAWITEM: {
            auto module = reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            return torvik::host::draw_picture_button(module, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        }
        default: return FALSE;
    }
}

BOOL CALLBACK collect_dialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(reinterpret_cast<UINT_PTR>(name)));
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring module_path, out;
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a.rfind(L"--module=", 0) == 0) module_path = a.substr(9);
        if (a.rfind(L"--out=", 0) == 0) out = a.substr(6);
    }
    if (module_path.empty() || out.empty()) {
        std::fprintf(stderr, "usage: torvik_gallery --module=PATH --out=DIR\n");
        return 2;
    }
    if (!torvik::host::register_grid_class()) std::fprintf(stderr, "torvik_gallery: the grid class could not be registered\n");
    HMODULE module = LoadLibraryW(module_path.c_str());
    if (!module) {
        std::fprintf(stderr, "torvik_gallery: cannot load the module (error %lu)\n", GetLastError());
        return 1;
    }
    std::vector<int> ids;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(5), collect_dialog, reinterpret_cast<LONG_PTR>(&ids));
    FILE* manifest = _wfopen((out + L"\\manifest.txt").c_str(), L"w");
    if (!manifest) {
        std::fprintf(stderr, "torvik_gallery: cannot write the manifest\n");
        return 1;
    }
    int failures = 0;
    for (int id : ids) {
        HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(id), nullptr, gallery_dialog, reinterpret_cast<LPARAM>(module));
        if (!dialog) {
            std::fprintf(stderr, "torvik_gallery: dialog %d was not created (error %lu)\n", id, GetLastError());
            std::fprintf(manifest, "%d\t(not created)\t\n", id);
            ++failures;
            continue;
        }
        torvik::host::fill_plausibly(dialog, module);
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        torvik::host::show_picture_states(dialog);
        torvik::host::pump_messages_for(300);
        wchar_t caption[128] = {};
        GetWindowTextW(dialog, caption, 128);
        std::wstring file = std::to_wstring(id) + L".bmp";
        if (!torvik::host::capture_window_to_bmp(dialog, out + L"\\" + file)) {
            std::fprintf(stderr, "torvik_gallery: dialog %d could not be captured\n", id);
            ++failures;
        }
        std::fprintf(manifest, "%d\t%ls\t%ls\n", id, caption, file.c_str());
        DestroyWindow(dialog);
        torvik::host::pump_messages_for(50);
    }
    fclose(manifest);
    FreeLibrary(module);
    std::printf("torvik_gallery: %zu dialogs, %d failed\n", ids.size(), failures);
    return failures ? 1 : 0;
}
