// The twin's dialog templates created by the platform's dialog manager: tab
// order, Enter in fields, list selection and the manual "Sort" box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_ids.h"
#include "grid_class.h"
#include "module_under_test.h"

namespace torvik::wine {
namespace {

INT_PTR CALLBACK quiet_dialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class Dialog {
public:
    Dialog(HMODULE module, int id) : hwnd_(CreateDialogParamW(module, MAKEINTRESOURCEW(id), nullptr, quiet_dialog, 0)) {}
    ~Dialog() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    HWND get() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }

private:
    HWND hwnd_;
};

int control_id(HWND h) { return static_cast<std::int16_t>(GetDlgCtrlID(h)); }
LONG_PTR style_of(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }
bool is_picture_button(HWND h) { return (style_of(h) & BS_TYPEMASK) == BS_OWNERDRAW && GetWindowLongPtrW(h, GWL_ID) != 0; }

bool wants_enter(HWND field) {
    MSG msg{field, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    LRESULT code = SendMessageW(field, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&msg));
    return (code & DLGC_WANTALLKEYS) != 0;
}

const int kDataInput[] = {IDD_MULTIPLE_REGRESSION, IDD_COMPARISON_OF_REGRESSION_LINES, IDD_CALIBRATION_MODELS,
                          IDD_NONLINEAR_REGRESSION, IDD_LOGISTIC_REGRESSION, IDD_GENERAL_LINEAR_MODELS};

BOOL CALLBACK collect_dialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(reinterpret_cast<UINT_PTR>(name)));
    return TRUE;
}

std::vector<int> dialog_ids(HMODULE module) {
    std::vector<int> ids;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(5), collect_dialog, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

// The tab stops in the order the Tab key visits them from the first one.
std::vector<int> tab_order(HWND dialog, HWND first) {
    std::vector<int> visited;
    HWND at = first;
    do {
        visited.push_back(control_id(at));
        at = GetNextDlgTabItem(dialog, at, FALSE);
    } while (at && at != first && visited.size() < 200);
    return visited;
}

TEST(Dialogs, EveryTemplateIsCreatedAndTabsThroughItsTabStopsInTemplateOrder) {
    LoadedModule m;
    ASSERT_TRUE(host::register_grid_class());
    std::vector<int> ids = dialog_ids(m.get());
    EXPECT_EQ(ids.size(), 45u);
    for (int id : ids) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        Dialog d(m.get(), id);
        ASSERT_NE(d.get(), nullptr) << "CreateDialogParamW failed with error " << GetLastError();
        std::vector<int> stops;  // the controls with WS_TABSTOP, in template (child) order
        for (HWND c = GetWindow(d.get(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (style_of(c) & WS_TABSTOP) stops.push_back(control_id(c));
        ASSERT_FALSE(stops.empty());
        std::vector<int> visited = tab_order(d.get(), GetDlgItem(d.get(), stops.front()));
        EXPECT_EQ(visited, stops);
        for (int c : visited) EXPECT_FALSE(is_picture_button(d.item(c))) << "Tab reached picture button " << c;
        if (std::find(std::begin(kDataInput), std::end(kDataInput), id) != std::end(kDataInput))
            EXPECT_EQ(stops.front(), IDC_VARIABLE_LIST);
    }
}

TEST(Dialogs, TabOrdersThatDifferFromWhatIsShown) {
    LoadedModule m;
    struct Case {
        int dialog;
        std::vector<int> run;  // consecutive tab stops
    };
    const Case cases[] = {
        {IDD_LOGISTIC_REGRESSION, {IDHELP, IDC_OTHER_FACTORS}},
        {IDD_NONLINEAR_REGRESSION_OPTIONS, {IDC_FIELD_4, IDC_FIELD_8, IDC_RADIO_1, IDC_FIELD_5, IDC_FIELD_6, IDC_FIELD_7}},
        {IDD_GLM_OPTIONS, {IDC_RADIO_1, IDC_RADIO_2, IDC_DISPLAY_CHOICE}},
        {IDD_RIDGE_REGRESSION_OPTIONS, {IDC_FIELD_4, IDC_FIELD_1}},
        // "Hold..." is shown between Cancel and Help but stands last.
        {IDD_MEANS_PLOT_OPTIONS, {IDOK, IDCANCEL, IDHELP, IDC_HOLD}},
        // Every interval choice is a stop, then the list.
        {IDD_MEANS_PLOT_OPTIONS, {IDC_RADIO_1, IDC_RADIO_2, IDC_RADIO_3, IDC_RADIO_4, IDC_RADIO_5, IDC_FIRST_LIST}},
        {IDD_INTERACTION_PLOT_OPTIONS,
         {IDC_RADIO_1, IDC_RADIO_2, IDC_RADIO_3, IDC_RADIO_4, IDC_RADIO_5, IDC_RADIO_6, IDC_FIRST_LIST}},
        // Six of the eight methods are stops: not "Multivariate t" (182) nor "Dunnett" (236).
        {IDD_MULTIPLE_COMPARISONS_OPTIONS, {IDC_RADIO_1, IDC_RADIO_2, IDC_RADIO_3, IDC_RADIO_4, IDC_RADIO_6, IDC_RADIO_7, IDC_FIELD_2}},
        // The mean-size field 313 before the ten values to predict at.
        {IDD_PREDICTIONS_AT_OPTIONS, {IDC_FIELD_1, IDC_FIELD_12, IDC_FIELD_2, IDC_FIELD_3, IDC_FIELD_4, IDC_FIELD_5, IDC_FIELD_6,
                                      IDC_FIELD_7, IDC_FIELD_8, IDC_FIELD_9, IDC_FIELD_10, IDC_FIELD_11, IDOK}},
    };
    for (const Case& c : cases) {
        Dialog d(m.get(), c.dialog);
        ASSERT_NE(d.get(), nullptr);
        std::vector<int> order = tab_order(d.get(), d.item(c.run.front()));
        order.resize(std::min(order.size(), c.run.size()));
        EXPECT_EQ(order, c.run) << "dialog " << c.dialog;
    }
    Dialog ridge(m.get(), IDD_RIDGE_REGRESSION_OPTIONS);
    EXPECT_EQ(control_id(GetNextDlgTabItem(ridge.get(), nullptr, FALSE)), IDC_FIELD_4) << "the first tab stop of 773";
}

TEST(Dialogs, HypothesisMatrixNeedsTheGridClass) {
    LoadedModule m;
    UnregisterClassW(host::kGridClass, GetModuleHandleW(nullptr));
    {
        Dialog without(m.get(), IDD_HYPOTHESIS_MATRIX);
        EXPECT_EQ(without.get(), nullptr) << "created although the grid class is not registered";
    }
    ASSERT_TRUE(host::register_grid_class());
    Dialog with(m.get(), IDD_HYPOTHESIS_MATRIX);
    ASSERT_NE(with.get(), nullptr);
    wchar_t cls[32] = {};
    GetClassNameW(with.item(IDC_GRID), cls, 32);
    EXPECT_EQ(_wcsicmp(cls, host::kGridClass), 0);
}

TEST(Dialogs, DefaultButtonsOfTheModelSpecifications) {
    LoadedModule m;
    Dialog full(m.get(), IDD_GLM_MODEL_SPECIFICATION);
    LRESULT def = SendMessageW(full.get(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), IDC_ENTER);
    EXPECT_TRUE(wants_enter(full.item(IDC_TOP_FIELD))) << "Enter in the effects field starts a new line";
    EXPECT_FALSE(wants_enter(full.item(IDC_VARIABLE_LIST)));

    Dialog short_form(m.get(), IDD_GLM_MODEL_SPECIFICATION_SHORT);
    for (HWND c = GetWindow(short_form.get(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        EXPECT_NE(SendMessageW(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON) << "no default button in 787";
    EXPECT_TRUE(wants_enter(short_form.item(IDC_FIELD_1))) << "Enter in 787's field starts a new line";
}

TEST(DataInputDialogs, EnterStartsANewLineOnlyInMultiLineFields) {
    LoadedModule m;
    struct Case {
        int dialog, field;
        bool new_line;
    };
    const Case cases[] = {
        {IDD_COMPARISON_OF_REGRESSION_LINES, IDC_TOP_FIELD, false},
        {IDD_COMPARISON_OF_REGRESSION_LINES, IDC_INDEPENDENT_VARIABLE, false},
        {IDD_MULTIPLE_REGRESSION, IDC_TOP_FIELD, false},
        {IDD_MULTIPLE_REGRESSION, IDC_SECOND_FIELD, true},
        {IDD_LOGISTIC_REGRESSION, IDC_SECOND_FIELD, true},
        {IDD_LOGISTIC_REGRESSION, IDC_OTHER_FACTORS, true},
        {IDD_GENERAL_LINEAR_MODELS, IDC_TOP_FIELD, true},
        {IDD_GENERAL_LINEAR_MODELS, IDC_SECOND_FIELD, true},
        {IDD_GENERAL_LINEAR_MODELS, IDC_OTHER_FACTORS, true},
        {IDD_NONLINEAR_REGRESSION, IDC_FUNCTION, true},
        {IDD_NONLINEAR_REGRESSION, IDC_TOP_FIELD, false},
    };
    for (const Case& c : cases) {
        Dialog d(m.get(), c.dialog);
        HWND field = d.item(c.field);
        ASSERT_NE(field, nullptr) << c.dialog << "/" << c.field;
        EXPECT_EQ(wants_enter(field), c.new_line) << "dialog " << c.dialog << " field " << c.field;
    }
}

TEST(DataInputDialogs, OnlyCalibrationModelsSelectsOneVariableAtATime) {
    LoadedModule m;
    for (int id : kDataInput) {
        Dialog d(m.get(), id);
        HWND list = d.item(IDC_VARIABLE_LIST);
        for (const wchar_t* name : {L"Yield", L"Dose", L"Batch"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        bool several = SendMessageW(list, LB_SETSEL, TRUE, 0) != LB_ERR && SendMessageW(list, LB_SETSEL, TRUE, 2) != LB_ERR &&
                       SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 2;
        EXPECT_EQ(several, id != IDD_CALIBRATION_MODELS) << "dialog " << id;
        wchar_t first[16] = {};
        SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_EQ(std::wstring(first), L"Batch") << "dialog " << id << ": the list sorts";
    }
}

TEST(DataInputDialogs, SortKeepsItsMarkWhenClicked) {
    LoadedModule m;
    for (int id : kDataInput) {
        Dialog d(m.get(), id);
        ShowWindow(d.get(), SW_SHOW);
        HWND sort = d.item(IDC_SORT);
        ASSERT_NE(sort, nullptr);
        SendMessageW(sort, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(sort, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "dialog " << id;
        CheckDlgButton(d.get(), IDC_SORT, BST_CHECKED);  // the host sets it
        SendMessageW(sort, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageW(sort, BM_GETCHECK, 0, 0), BST_CHECKED) << "dialog " << id;
    }
}

TEST(TransformData, AnswersHelpWith314AndShowsOneAmpersand) {
    LoadedModule m;
    Dialog d(m.get(), IDD_TRANSFORM_DATA);
    ASSERT_NE(d.get(), nullptr);
    EXPECT_EQ(d.item(IDHELP), nullptr);
    EXPECT_NE(d.item(IDC_TRANSFORM_HELP), nullptr);
    EXPECT_TRUE(IsWindowVisible(d.get())) << "its template carries WS_VISIBLE";
    wchar_t caption[8] = {};
    GetWindowTextW(d.item(IDC_KEY_AND), caption, 8);
    EXPECT_EQ(std::wstring(caption), L"&&") << "stored with the mnemonic escape; the button shows one &";
}

}  // namespace
}  // namespace torvik::wine
