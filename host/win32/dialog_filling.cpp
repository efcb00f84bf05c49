#include "dialog_filling.h"

#include <string>
#include <utility>
#include <vector>

#include "dialog_ids.h"
#include "text_ids.h"

namespace torvik::host {
namespace {

const wchar_t* const kVariables[] = {L"Batch", L"Catalyst", L"Dose", L"Pressure", L"Response",
                                     L"Strength", L"Temperature", L"Time", L"Weight", L"Yield"};
constexpr int kFirstFunctionTemplate = 1324, kLastFunctionTemplate = 1411;

// Saved results come in pairs: the description at the odd identifier, the
// default column name at the next. A multiple regression offers the first
// twelve; the last two rows of Save Results Options stay blank.
constexpr int kFirstSavedResult = IDS_SAVED_RESULTS_FIRST, kSavedResultsOffered = 12;

// The factors of a model, with the low, high and hold values of each.
struct Factor {
    const wchar_t *name, *low, *high, *hold;
};
const Factor kFactors[] = {{L"Temperature", L"150", L"200", L"175"}, {L"Pressure", L"10", L"30", L"20"},
                           {L"Catalyst", L"0.5", L"2.5", L"1.5"},   {L"Time", L"30", L"90", L"60"},
                           {L"Dose", L"1", L"5", L"3"}};

// The quantities a means plot holds, and the values they are held at.
const std::pair<const wchar_t*, const wchar_t*> kHeldQuantities[] = {
    {L"Temperature:", L"175"}, {L"Pressure:", L"20"}, {L"Catalyst:", L"1.5"}, {L"Time:", L"60"}, {L"Dose:", L"3"},
    {L"Batch:", L"2"},         {L"Weight:", L"12.5"}, {L"Strength:", L"40"},  {L"Operator:", L"1"}};

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

std::wstring load_text(HMODULE module, int id) {
    wchar_t text[128] = {};
    LoadStringW(module, static_cast<UINT>(id), text, 128);
    return text;
}

void set_text(HWND dialog, int id, const std::wstring& text) { SetDlgItemTextW(dialog, id, text.c_str()); }

// The dialogs whose empty captions the host fills with texts of its own
// rather than the generic ones, told apart by caption and one control.
enum class Filled { Generic, SaveResults, FactorTable, HoldAt };

Filled which_dialog(HWND dialog) {
    std::wstring caption = text_of(dialog);
    if (caption == L"Save Results Options") return Filled::SaveResults;
    if (caption == L"Hold At Options") return Filled::HoldAt;
    if (caption == L"Plot of Fitted Model Options" && GetDlgItem(dialog, IDC_CHECK_16)) return Filled::FactorTable;
    return Filled::Generic;
}

// Row n: the n-th saved result's description in the n-th check box, its
// default column name in the n-th field.
void fill_save_results(HWND dialog, HMODULE module) {
    for (int row = 0; row < kSavedResultsOffered; ++row) {
        set_text(dialog, kCheckBoxSeries[row], load_text(module, kFirstSavedResult + 2 * row));
        set_text(dialog, kFieldSeries[row], load_text(module, kFirstSavedResult + 2 * row + 1));
    }
    for (int row : {0, 7, 8}) CheckDlgButton(dialog, kCheckBoxSeries[row], BST_CHECKED);
}

// Row n: a factor in the n-th check box, its values in fields 3n-2 to 3n;
// the first two are plotted.
void fill_factor_table(HWND dialog) {
    int row = 0;
    for (const Factor& f : kFactors) {
        set_text(dialog, kCheckBoxSeries[row], f.name);
        set_text(dialog, kFieldSeries[3 * row], f.low);
        set_text(dialog, kFieldSeries[3 * row + 1], f.high);
        set_text(dialog, kFieldSeries[3 * row + 2], f.hold);
        if (row < 2) CheckDlgButton(dialog, kCheckBoxSeries[row], BST_CHECKED);
        ++row;
    }
}

// Slot n: a held quantity in the n-th label, its value in the n-th field.
void fill_hold_at(HWND dialog) {
    int slot = 0;
    for (const auto& [name, value] : kHeldQuantities) {
        set_text(dialog, kLabelSeries[slot], name);
        set_text(dialog, kFieldSeries[slot], value);
        ++slot;
    }
}

}  // namespace

void fill_plausibly(HWND dialog, HMODULE module) {
    switch (which_dialog(dialog)) {
        case Filled::SaveResults: fill_save_results(dialog, module); return;
        case Filled::FactorTable: fill_factor_table(dialog); return;
        case Filled::HoldAt: fill_hold_at(dialog); return;
        case Filled::Generic: break;
    }
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
