// The twin's dialog templates created by the platform's dialog manager: tab
// order, Enter in fields, list selection and the manual "Sort" box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_ids.h"
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

const int kDataInput[] = {IDD_MULTIPLE_REGRESSION, IDD_COMPARISON_OF_REGRESSION_LINES, IDD_CALIBRATION_MODELS,
                          IDD_NONLINEAR_REGRESSION, IDD_LOGISTIC_REGRESSION, IDD_GENERAL_LINEAR_MODELS};

TEST(DataInputDialogs, AreCreatedAndTabThroughTheirTabStopsInTemplateOrder) {
    LoadedModule m;
    std::vector<int> all(std::begin(kDataInput), std::end(kDataInput));
    all.push_back(IDD_TRANSFORM_DATA);
    for (int id : all) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        Dialog d(m.get(), id);
        ASSERT_NE(d.get(), nullptr) << "CreateDialogParamW failed with error " << GetLastError();
        std::vector<int> stops;  // the controls with WS_TABSTOP, in template (child) order
        for (HWND c = GetWindow(d.get(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (style_of(c) & WS_TABSTOP) stops.push_back(control_id(c));
        ASSERT_FALSE(stops.empty());
        std::vector<int> visited;
        HWND first = GetDlgItem(d.get(), stops.front());
        HWND at = first;
        do {
            EXPECT_FALSE(is_picture_button(at)) << "Tab reached picture button " << control_id(at);
            visited.push_back(control_id(at));
            at = GetNextDlgTabItem(d.get(), at, FALSE);
        } while (at && at != first && visited.size() <= stops.size());
        EXPECT_EQ(visited, stops);
        if (id != IDD_TRANSFORM_DATA) EXPECT_EQ(stops.front(), IDC_VARIABLE_LIST);
        if (id == IDD_LOGISTIC_REGRESSION) EXPECT_EQ(stops.back(), IDC_OTHER_FACTORS) << "after Help";
    }
}

bool wants_enter(HWND field) {
    MSG msg{field, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    LRESULT code = SendMessageW(field, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&msg));
    return (code & DLGC_WANTALLKEYS) != 0;
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
