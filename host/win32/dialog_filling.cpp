#include "dialog_filling.h"

#include <string>
#include <vector>

#include "dialog_ids.h"

namespace torvik::host {
namespace {

const wchar_t* const kVariables[] = {L"Batch", L"Catalyst", L"Dose", L"Pressure", L"Response",
                                     L"Strength", L"Temperature", L"Time", L"Weight", L"Yield"};
constexpr int kFirstFunctionTemplate = 1324, kLastFunctionTemplate = 1411;

std::wstring class_of(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}
std::wstring text_of(HWND h) {
    wchar_t text[256] = {};
    GetWindowTextW(h, text, 256);
    return text;
}
LONG_PTR button_type(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK; }

std::vector<HWND> children(HWND dialog) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

}  // namespace

void fill_plausibly(HWND dialog, HMODULE module) {
    int labels = 0, options = 0, choices = 0;
    for (HWND c : children(dialog)) {
        std::wstring cls = class_of(c);
        int id = static_cast<std::int16_t>(GetDlgCtrlID(c));
        if (_wcsicmp(cls.c_str(), L"ListBox") == 0) {
            if (id == IDC_OPERATORS) {
                for (int t = kFirstFunctionTemplate; t <= kLastFunctionTemplate; ++t) {
                    wchar_t text[64];
                    if (LoadStringW(module, static_cast<UINT>(t), text, 64))
                        SendMessageW(c, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
                }
            } else if (id == IDC_VARIABLE_LIST || id == IDC_VARIABLES) {
                for (const wchar_t* v : kVariables) SendMessageW(c, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(v));
            } else {
                for (int i = 1; i <= 6; ++i) {
                    std::wstring item = L"Choice " + std::to_wstring(++choices);
                    SendMessageW(c, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
                }
                SendMessageW(c, LB_SETCURSEL, 0, 0);
            }
        } else if (_wcsicmp(cls.c_str(), L"ComboBox") == 0) {
            for (const wchar_t* item : {L"Table", L"Plot", L"Table and plot"})
                SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendMessageW(c, CB_SETCURSEL, 0, 0);
        } else if (_wcsicmp(cls.c_str(), L"Static") == 0 && text_of(c).empty()) {
            SetWindowTextW(c, (L"Quantity " + std::to_wstring(++labels) + L":").c_str());
        } else if (_wcsicmp(cls.c_str(), L"Button") == 0 && text_of(c).empty() && button_type(c) != BS_GROUPBOX) {
            SetWindowTextW(c, (L"Option " + std::to_wstring(++options)).c_str());
        } else if (_wcsicmp(cls.c_str(), L"Edit") == 0 && id == IDC_TOP_FIELD) {
            SetWindowTextW(c, L"Yield");
        }
    }
}

void show_picture_states(HWND dialog) {
    std::vector<HWND> pictures;
    for (HWND c : children(dialog))
        if (_wcsicmp(class_of(c).c_str(), L"Button") == 0 && button_type(c) == BS_OWNERDRAW) pictures.push_back(c);
    if (pictures.empty()) return;
    SetFocus(pictures.front());
    if (pictures.size() > 2) SendMessageW(pictures[1], BM_SETSTATE, TRUE, 0);
    if (pictures.size() > 1) EnableWindow(pictures.back(), FALSE);
}

}  // namespace torvik::host
