// torvik_demo --module=PATH --out=DIR [--screenshots]: the road of one
// procedure (Nonlinear Regression) through the module, as the host walks it.
// It writes DIR/transcript.txt (UTF-8) and, with --screenshots (under an X
// server), DIR/<step>.bmp with DIR/manifest.txt for the gallery.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "addon_commentary_demo.h"
#include "commentary_demo.h"
#include "dialog_filling.h"
#include "dialog_ids.h"
#include "module_text_source.h"
#include "picture_button.h"
#include "procedure_slots.h"
#include "regression_report.h"
#include "screen_capture.h"
#include "text_format.h"
#include "text_ids.h"

namespace {

using torvik::host::ModuleTextSource;

std::wstring wide(const std::u16string& s) { return {s.begin(), s.end()}; }

class Road {
public:
    Road(HMODULE module, std::wstring out, bool screenshots)
        : module_(module), texts_(module), out_(std::move(out)), screenshots_(screenshots) {
        transcript_ = _wfopen((out_ + L"\\transcript.txt").c_str(), L"wb");
        if (screenshots_) manifest_ = _wfopen((out_ + L"\\manifest.txt").c_str(), L"w");
    }
    ~Road() {
        if (transcript_) fclose(transcript_);
        if (manifest_) fclose(manifest_);
    }
    bool ok() const { return transcript_ && (!screenshots_ || manifest_); }
    int failures() const { return failures_; }

    void run();

private:
    static INT_PTR CALLBACK dialog_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    void say(const std::wstring& line) {
        std::string utf8;
        for (wchar_t c : line) utf8.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        utf8 += "\n";
        fwrite(utf8.data(), 1, utf8.size(), transcript_);
        fflush(transcript_);
    }
    void fail(const std::wstring& what) {
        ++failures_;
        say(L"FAILED: " + what);
    }
    std::wstring text(std::uint16_t id) {
        auto t = texts_.text(id);
        if (!t) fail(L"no text " + std::to_wstring(id));
        return t ? wide(*t) : L"";
    }
    HWND open_dialog(int id) {
        HWND d = CreateDialogParamW(module_, MAKEINTRESOURCEW(id), nullptr, dialog_proc, reinterpret_cast<LPARAM>(this));
        if (!d) fail(L"dialog " + std::to_wstring(id) + L" was not created");
        return d;
    }
    void show(HWND dialog, const std::wstring& step) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        torvik::host::pump_messages_for(250);
        if (!screenshots_) return;
        wchar_t caption[128] = {};
        GetWindowTextW(dialog, caption, 128);
        std::wstring file = step + L".bmp";
        if (!torvik::host::capture_window_to_bmp(dialog, out_ + L"\\" + file)) fail(L"capture of " + step);
        fwprintf(manifest_, L"%ls\t%ls\t%ls\n", step.c_str(), caption, file.c_str());
    }
    static std::wstring item_text(HWND dialog, int id) {
        wchar_t buffer[256] = {};
        GetDlgItemTextW(dialog, id, buffer, 256);
        return buffer;
    }

    void data_input();
    void transform_data(HWND data_input_dialog);
    void check_entries(HWND data_input_dialog);
    void titles();
    void analysis_options();
    void text_pane();
    void pane_options();
    void save_results();

    HMODULE module_;
    ModuleTextSource texts_;
    std::wstring out_;
    bool screenshots_;
    FILE* transcript_ = nullptr;
    FILE* manifest_ = nullptr;
    int failures_ = 0;
    std::set<std::wstring> drawn_;  // the bitmaps the picture buttons were drawn from
};

INT_PTR CALLBACK Road::dialog_proc(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lp);
        return TRUE;
    }
    if (msg == WM_DRAWITEM) {
        auto* road = reinterpret_cast<Road*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        wchar_t caption[32] = {};
        GetWindowTextW(item.hwndItem, caption, 32);
        road->drawn_.insert(std::wstring(caption) + torvik::host::picture_state_letter(item.itemState));
        return torvik::host::draw_picture_button(road->module_, item);
    }
    return FALSE;
}

void Road::data_input() {
    say(L"== 1. Data input: dialog 775");
    HWND d = open_dialog(IDD_NONLINEAR_REGRESSION);
    if (!d) return;
    torvik::host::fill_plausibly(d, module_);
    SetDlgItemTextW(d, IDC_TOP_FIELD, L"");  // the dependent variable is left blank, to be reported below
    SetDlgItemTextW(d, IDC_FUNCTION, L"a + b*exp(-c*Time)");
    wchar_t caption[64] = {};
    GetWindowTextW(d, caption, 64);
    say(std::wstring(L"caption: ") + caption);
    LRESULT variables = SendDlgItemMessageW(d, IDC_VARIABLE_LIST, LB_GETCOUNT, 0, 0);
    say(L"variable list 114: " + std::to_wstring(variables) + L" variables");
    // The four states of a picture button, each drawn from its own bitmap.
    show(d, L"775");
    HWND first = GetDlgItem(d, IDC_PICTURE_1), second = GetDlgItem(d, IDC_PICTURE_2), last = GetDlgItem(d, IDC_PICTURE_4);
    SetFocus(first);
    SendMessageW(second, BM_SETSTATE, TRUE, 0);
    EnableWindow(last, FALSE);
    show(d, L"775-states");
    std::wstring names;
    for (const std::wstring& n : drawn_) names += L" " + n;
    say(L"picture buttons drawn from:" + names);
    for (const wchar_t* n : {L"RARROWU", L"RARROWD", L"RARROWF", L"RARROWX"})
        if (!drawn_.count(n)) fail(std::wstring(L"no picture button was drawn from ") + n);
    transform_data(d);
    check_entries(d);
    DestroyWindow(d);
}

void Road::transform_data(HWND data_input_dialog) {
    say(L"== 2. \"" + item_text(data_input_dialog, IDC_TRANSFORM) + L"\" (118) opens Transform Data (314)");
    HWND t = open_dialog(IDD_TRANSFORM_DATA);
    if (!t) return;
    torvik::host::fill_plausibly(t, module_);
    LRESULT n = SendDlgItemMessageW(t, IDC_OPERATORS, LB_GETCOUNT, 0, 0);
    wchar_t first[64] = {}, last[64] = {};
    SendDlgItemMessageW(t, IDC_OPERATORS, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    SendDlgItemMessageW(t, IDC_OPERATORS, LB_GETTEXT, n - 1, reinterpret_cast<LPARAM>(last));
    say(item_text(t, IDC_OPERATORS_LABEL) + L" " + std::to_wstring(n) + L" function templates, from " + first + L" to " + last);
    if (n != 88) fail(L"the operators list holds " + std::to_wstring(n) + L" templates");
    SetDlgItemTextW(t, IDC_EXPRESSION, L"LOG(Dose)");
    show(t, L"314");
    DestroyWindow(t);
}

void Road::check_entries(HWND data_input_dialog) {
    say(L"== 3. OK with a required field left blank");
    // The host numbers the required fields from the top; the dependent variable is the first.
    if (item_text(data_input_dialog, IDC_TOP_FIELD).empty()) {
        std::u16string pattern = texts_.require(1019);
        say(L"message 1019: " + wide(torvik::host::format_printf(pattern, {1})));
    }
}

void Road::titles() {
    say(L"== 4. The procedure's titles");
    const std::uint16_t slot = IDS_SLOT_NONLINEAR_REGRESSION;
    say(L"title " + std::to_wstring(slot) + L": " + text(slot));
    for (int pane = 1; pane <= 14; ++pane) {
        auto id = torvik::slots::pane_title_id(slot, pane);
        if (!id || !texts_.text(*id)) continue;
        say(L"pane " + std::to_wstring(pane) + L" (" + std::to_wstring(*id) + L"): " + text(*id));
    }
}

void Road::analysis_options() {
    say(L"== 5. Analysis options (776)");
    HWND d = open_dialog(IDD_NONLINEAR_REGRESSION_OPTIONS);
    if (!d) return;
    const std::pair<int, const wchar_t*> values[] = {{IDC_FIELD_1, L"1.0E-5"}, {IDC_FIELD_2, L"1.0E-4"}, {IDC_FIELD_3, L"30"},
                                                     {IDC_FIELD_4, L"100"},    {IDC_FIELD_8, L"95.0"},  {IDC_FIELD_5, L"0.01"},
                                                     {IDC_FIELD_6, L"10.0"},   {IDC_FIELD_7, L"1.0E8"}};
    for (auto [id, v] : values) SetDlgItemTextW(d, id, v);
    CheckRadioButton(d, IDC_RADIO_1, IDC_RADIO_3, IDC_RADIO_1);
    show(d, L"776");
    std::wstring read;
    for (auto [id, v] : values) read += L" " + std::to_wstring(id) + L"=" + item_text(d, id);
    say(L"read back:" + read + (IsDlgButtonChecked(d, IDC_RADIO_1) ? L", method Marquardt" : L", no method"));
    DestroyWindow(d);
}

// The commentary's view of the fit the report prints, so that the sentences
// explain the numbers above them.
torvik::host::OneVariableFitResults commentary_view(const torvik::host::OneVariableFit& fit) {
    char equation[128];
    std::snprintf(equation, sizeof equation, " = %.6g + %.6g*", fit.intercept.estimate, fit.slope.estimate);
    std::u16string eq = fit.y_name + std::u16string(equation, equation + std::strlen(equation)) + fit.x_name;
    return {fit.y_name, fit.x_name, fit.form, eq, fit.model.p_value.value_or(1.0), fit.r_squared_percent,
            fit.correlation, fit.standard_error_of_estimate, fit.lack_of_fit.p_value};
}

void Road::text_pane() {
    say(L"== 6. A text pane and its commentary");
    try {
        const torvik::host::OneVariableFit& fit = torvik::host::sample_one_variable_fit();
        say(wide(torvik::host::one_variable_regression_report(texts_, fit)));
        say(wide(torvik::host::one_variable_fit_commentary(texts_, commentary_view(fit))));
        say(L"-- the Analysis Summary commentary of the nonlinear fit (pane 2779: " + text(2779) + L")");
        say(wide(torvik::host::nonlinear_regression_summary_commentary(texts_)));
    } catch (const std::exception& e) {
        std::string what = e.what();
        fail(L"the pane could not be built: " + std::wstring(what.begin(), what.end()));
    }
}

void Road::pane_options() {
    say(L"== 7. Pane options");
    HWND d = open_dialog(IDD_REPORTS_OPTIONS);
    if (!d) return;
    torvik::host::fill_plausibly(d, module_);
    wchar_t caption[96] = {};
    GetWindowTextW(d, caption, 96);
    say(L"dialog " + std::to_wstring(IDD_REPORTS_OPTIONS) + L": " + caption);
    show(d, std::to_wstring(IDD_REPORTS_OPTIONS));
    DestroyWindow(d);
}

void Road::save_results() {
    say(L"== 8. Saving results through 312");
    HWND d = open_dialog(IDD_SAVE_RESULTS_OPTIONS);
    if (!d) return;
    torvik::host::fill_plausibly(d, module_);
    int pairs = 0;
    for (int i = 0; i < 14; ++i) {
        std::wstring description = item_text(d, kCheckBoxSeries[i]), name = item_text(d, kFieldSeries[i]);
        if (description.empty()) continue;
        say(L"  " + description + L" -> " + name);
        ++pairs;
    }
    if (pairs == 0) fail(L"312 shows no description and name pairs");
    show(d, L"312");
    DestroyWindow(d);
}

void Road::run() {
    data_input();
    titles();
    analysis_options();
    text_pane();
    pane_options();
    save_results();
    say(failures_ ? L"== the road had " + std::to_wstring(failures_) + L" failures" : L"== the road is complete");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring module_path, out;
    bool screenshots = false;
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a.rfind(L"--module=", 0) == 0) module_path = a.substr(9);
        if (a.rfind(L"--out=", 0) == 0) out = a.substr(6);
        if (a == L"--screenshots") screenshots = true;
    }
    if (module_path.empty() || out.empty()) {
        std::fprintf(stderr, "usage: torvik_demo --module=PATH --out=DIR [--screenshots]\n");
        return 2;
    }
    HMODULE module = LoadLibraryW(module_path.c_str());
    if (!module) {
        std::fprintf(stderr, "torvik_demo: cannot load the module (error %lu)\n", GetLastError());
        return 1;
    }
    int failures;
    {
        Road road(module, out, screenshots);
        if (!road.ok()) {
            std::fprintf(stderr, "torvik_demo: cannot write into the output folder\n");
            return 1;
        }
        road.run();
        failures = road.failures();
    }
    FreeLibrary(module);
    return failures ? 1 : 0;
}
