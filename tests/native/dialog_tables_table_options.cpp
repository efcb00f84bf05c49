// The options dialogs of the table and report panes, and Save Results Options.
#include "dialog_tables.h"

namespace torvik::test {
namespace {

// Ten value fields in two columns of five, first column top down, then the
// second: fields 142-146 and 147-253 at x0 and x1, row k at y0 + dy * k.
std::vector<Row> value_columns(int x0, int x1, int y0, int dy, int cx, int cy) {
    const int ids[2][5] = {{142, 143, 144, 145, 146}, {147, 148, 149, 150, 253}};
    std::vector<Row> rows;
    for (int column = 0; column < 2; ++column)
        for (int k = 0; k < 5; ++k) rows.push_back({Kind::Field, ids[column][k], "", "T", Rect{column ? x1 : x0, y0 + dy * k, cx, cy}});
    return rows;
}

// Save Results Options: row n pairs the n-th check box with the n-th field;
// row k at y 20 + 15k.
std::vector<Row> save_rows() {
    const int pairs[14][2] = {{107, 141}, {108, 142}, {109, 143}, {110, 144}, {111, 145}, {112, 146}, {113, 147},
                              {128, 148}, {129, 149}, {130, 150}, {131, 253}, {132, 313}, {133, 378}, {134, 379}};
    std::vector<Row> rows = {{Kind::GroupBox, -1, "Save", "G"}, {Kind::GroupBox, -1, "Target Variables", ""}};
    for (int k = 0; k < 14; ++k) {
        rows.push_back({Kind::CheckBox, pairs[k][0], "", "T", Rect{10, 20 + 15 * k, 140, 10}});
        rows.push_back({Kind::Field, pairs[k][1], "", "T", Rect{168, 20 + 15 * k, 90, 13}});
    }
    return concat(rows, kStandardButtons);
}

std::vector<Row> interval_type(bool with_correlations) {
    std::vector<Row> rows = {
        {Kind::GroupBox, -1, "Type of Interval", "G"}, {Kind::Radio, 176, "Two-Sided", "GT"},
        {Kind::Radio, 177, "Lower Bound", ""},         {Kind::Radio, 178, "Upper Bound", ""},
        {Kind::Label, -1, "Confidence Level:", "G"},   {Kind::Field, 141, "", "T"},
        {Kind::Label, -1, "%", "G"},
    };
    if (with_correlations) rows.push_back({Kind::CheckBox, 107, "Show Correlations", "GT"});
    return concat(rows, kStandardButtons);
}

}  // namespace

const std::vector<ExpectedDialog>& table_options_dialogs() {
    using K = Kind;
    static const std::vector<ExpectedDialog> dialogs = {
        {115, "Confidence Intervals Options", 151, 62, true, concat({
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 141, "", "GT"},
            {K::Label, -1, "%", "G"},
        }, kStandardButtons)},
        {792, "Confidence Interval Options", 162, 86, false, interval_type(false)},
        {802, "Model Coefficients Options", 162, 101, false, interval_type(true)},
        {791, "Hypothesis Tests Options", 222, 86, false, concat({
            {K::Label, 306, "Intercept:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, 307, "Slope:", "G"},
            {K::Field, 142, "", "T"},
            {K::Label, 374, "Alpha:", "G"},
            {K::Field, 145, "", "T"},
            {K::Label, 443, "%", "G"},
            {K::GroupBox, -1, "Alternative Hypothesis", ""},
            {K::Radio, 176, "Not Equal", "GT"},
            {K::Radio, 177, "Less Than", ""},
            {K::Radio, 178, "Greater Than", ""},
        }, kStandardButtons)},
        {250, "Forecasts Options", 185, 134, true, concat(concat({
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, -1, "%", "G"},
            {K::Label, -1, "Forecast at X:", "G"},
        }, value_columns(5, 65, 50, 16, 55, 13)), kStandardButtons)},
        {596, "Predictions Options", 267, 81, false, concat({
            {K::GroupBox, -1, "Cutoff", "G"},
            {K::Label, -1, "From:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, -1, "To:", "G"},
            {K::Field, 142, "", "T"},
            {K::Label, -1, "By:", "G"},
            {K::Field, 143, "", "T"},
            {K::GroupBox, -1, "Display", ""},
            {K::Radio, 176, "All Values", "GT"},
            {K::Radio, 177, "Forecasts Only", ""},
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 144, "", "T"},
            {K::Label, -1, "%", "G"},
        }, kStandardButtons)},
        {793, "Predictions Options", 202, 146, false, concat(concat({
            {K::GroupBox, -1, "Predict", "G"},
            {K::Radio, 176, "Y", "GT"},
            {K::Radio, 177, "X", ""},
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, -1, "%", "G"},
            {K::Label, -1, "Mean Size or Weight:", "G"},
            {K::Field, 313, "", "T"},
            {K::Label, -1, "Predict at:", "G"},
        }, value_columns(5, 80, 70, 15, 60, 14)), kStandardButtons)},
        {256, "Reports Options", 247, 114, true, concat({
            {K::GroupBox, -1, "Include", "G"},
            {K::CheckBox, 107, "Observed Y", "T"},
            {K::CheckBox, 108, "Fitted Y", "T"},
            {K::CheckBox, 109, "Residuals", "T"},
            {K::CheckBox, 110, "Studentized Residuals", "T"},
            {K::CheckBox, 111, "Standard Errors for Forecasts", "T"},
            {K::CheckBox, 112, "Confidence Limits for Individual Forecasts", "T"},
            {K::CheckBox, 113, "Confidence Limits for Forecast Means", "T"},
        }, kStandardButtons)},
        {779, "Reports Options", 186, 71, true, concat({
            {K::GroupBox, -1, "Include", "G"},
            {K::CheckBox, 107, "Observed Y", "GT"},
            {K::CheckBox, 108, "Fitted Y", "GT"},
            {K::CheckBox, 109, "Residuals", "GT"},
        }, kStandardButtons)},
        {771, "Best Adjusted R-Squared Options", 186, 61, true, concat({
            {K::Label, -1, "Maximum Number per Subset:", "G"},
            {K::Field, 141, "", "T"},
        }, kStandardButtons)},
        {784, "Goodness-of-Fit Options", 186, 61, false, concat({
            {K::Label, -1, "Number of Classes:", "G"},
            {K::Field, 141, "", "T"},
        }, kStandardButtons)},
        {796, "Multiple Comparisons Options", 282, 135, true, {
            {K::GroupBox, -1, "Type", "G", Rect{5, 5, 100, 45}},
            {K::Radio, 237, "All Pairwise Means", "GT", Rect{10, 15, 85, 8}},
            {K::Radio, 238, "Versus Control", "", Rect{10, 25, 85, 10}},
            {K::Radio, 239, "User-Specified", "", Rect{10, 35, 85, 10}},
            {K::Label, -1, "Factor:", "G", Rect{5, 55, 90, 7}},
            {K::ChoiceList, 242, "", "T", Rect{5, 65, 95, 65}},
            {K::GroupBox, -1, "Method", "G", Rect{110, 5, 110, 95}},
            {K::Radio, 176, "LSD", "GT", Rect{116, 15, 100, 10}},
            {K::Radio, 177, "Tukey HSD", "T", Rect{116, 25, 100, 10}},
            {K::Radio, 178, "Scheffe", "T", Rect{116, 35, 100, 10}},
            {K::Radio, 181, "Bonferroni", "T", Rect{116, 45, 100, 10}},
            {K::Radio, 182, "Multivariate t", "", Rect{116, 55, 100, 10}},
            {K::Radio, 234, "Newman-Keuls", "T", Rect{116, 65, 100, 10}},
            {K::Radio, 235, "Duncan", "T", Rect{116, 75, 100, 10}},
            {K::Radio, 236, "Dunnett", "", Rect{116, 85, 100, 10}},
            {K::Label, 306, "Control Level:", "G", Rect{110, 105, 80, 8}},
            {K::Field, 142, "", "T", Rect{110, 116, 40, 14}},
            {K::Label, -1, "Confidence Level:", "G", Rect{200, 105, 61, 8}},
            {K::Field, 141, "", "GT", Rect{200, 115, 40, 14}},
            {K::Label, -1, "%", "G", Rect{241, 122, 10, 8}},
            {K::DefaultButton, 1, "OK", "GT", Rect{225, 5, 50, 14}},
            {K::PushButton, 2, "Cancel", "T", Rect{225, 22, 50, 14}},
            {K::PushButton, 9, "Help", "T", Rect{225, 42, 50, 14}},
        }},
        {312, "Save Results Options", 329, 236, true, save_rows()},
    };
    return dialogs;
}

}  // namespace torvik::test
