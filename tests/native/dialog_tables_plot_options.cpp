// The options dialogs of the plot panes, and Hold At Options.
#include <utility>

#include "dialog_tables.h"

namespace torvik::test {
namespace {

const std::vector<Row> kWhichResiduals = {
    {Kind::GroupBox, -1, "Plot", "G"}, {Kind::Radio, 176, "Residuals", "GT"}, {Kind::Radio, 177, "Studentized Residuals", ""}};
const std::vector<Row> kPlotVersus = {{Kind::Label, -1, "Plot versus:", "G"}, {Kind::ChoiceList, 242, "", "T"}};

// Hold At Options: slot n pairs the n-th label with the n-th field, column by
// column; slot r of a column has its label at y 5 + 25r, its field at 15 + 25r.
std::vector<Row> hold_slots() {
    struct Column {
        int x, first_row;
        std::vector<std::pair<int, int>> slots;  // label, field
    };
    const Column columns[] = {
        {5, 0, {{306, 141}, {307, 142}, {372, 143}, {373, 144}, {374, 145}, {443, 146}, {546, 147}}},
        {85, 0, {{547, 148}, {548, 149}, {549, 150}, {550, 253}, {551, 313}, {552, 378}, {578, 379}}},
        {165, 0, {{579, 380}, {580, 381}, {581, 382}, {583, 383}, {584, 384}, {585, 385}, {586, 386}}},
        {245, 3, {{587, 605}, {644, 606}, {645, 607}, {646, 608}}},
    };
    std::vector<Row> rows;
    for (const Column& c : columns) {
        int r = c.first_row;
        for (auto [label, field] : c.slots) {
            rows.push_back({Kind::Label, label, "", "G", Rect{c.x, 5 + 25 * r, 75, 8}});
            rows.push_back({Kind::Field, field, "", "T", Rect{c.x, 15 + 25 * r, 40, 14}});
            ++r;
        }
    }
    return concat(rows, kStandardButtons);
}

// Plot of Fitted Model's factor table: row n has the n-th check box and fields
// 3n-2 to 3n; row k at y 20 + 15k, only the first check box starts a group.
std::vector<Row> factor_rows() {
    const int table[16][4] = {
        {107, 141, 142, 143}, {108, 144, 145, 146}, {109, 147, 148, 149}, {110, 150, 253, 313},
        {111, 378, 379, 380}, {112, 381, 382, 383}, {113, 384, 385, 386}, {128, 605, 606, 607},
        {129, 608, 609, 610}, {130, 611, 612, 613}, {131, 614, 615, 616}, {132, 617, 618, 619},
        {133, 620, 621, 622}, {134, 623, 624, 625}, {135, 626, 627, 628}, {136, 629, 630, 631},
    };
    std::vector<Row> rows = {
        {Kind::Label, -1, "Low", "G"}, {Kind::Label, -1, "High", "G"}, {Kind::Label, -1, "Hold", "G"}};
    for (int k = 0; k < 16; ++k) {
        const int y = 20 + 15 * k;
        rows.push_back({Kind::CheckBox, table[k][0], "", k == 0 ? "GT" : "T", Rect{5, y, 65, 13}});
        rows.push_back({Kind::Field, table[k][1], "", "GT", Rect{70, y, 30, 13}});
        rows.push_back({Kind::Field, table[k][2], "", "T", Rect{110, y, 30, 13}});
        rows.push_back({Kind::Field, table[k][3], "", "T", Rect{150, y, 30, 13}});
    }
    return concat(rows, kStandardButtons);
}

}  // namespace

const std::vector<ExpectedDialog>& plot_options_dialogs() {
    using K = Kind;
    static const std::vector<ExpectedDialog> dialogs = {
        {797, "Residual Plots Options", 287, 191, true, {
            {K::GroupBox, 443, "Plot", "G", Rect{8, 5, 120, 45}},
            {K::Radio, 176, "Residuals", "GT", Rect{13, 17, 110, 10}},
            {K::Radio, 177, "Studentized Residuals", "", Rect{13, 32, 110, 10}},
            {K::GroupBox, -1, "Type", "G", Rect{8, 54, 120, 56}},
            {K::Radio, 178, "Scatterplot", "GT", Rect{13, 64, 105, 10}},
            {K::Radio, 181, "Normal Probability Plot", "", Rect{13, 79, 110, 10}},
            {K::Radio, 182, "Autocorrelation Function", "", Rect{13, 94, 110, 10}},
            {K::Label, 372, "Plot versus:", "G", Rect{5, 115, 135, 7}},
            {K::ChoiceList, 242, "", "T", Rect{5, 125, 175, 60}},
            {K::GroupBox, 373, "Direction", "", Rect{135, 5, 75, 45}},
            {K::Radio, 234, "Horizontal", "GT", Rect{140, 17, 65, 10}},
            {K::Radio, 235, "Vertical", "", Rect{140, 32, 65, 10}},
            {K::GroupBox, 374, "Fitted Line", "G", Rect{135, 54, 90, 56}},
            {K::Radio, 236, "None", "GT", Rect{140, 64, 80, 10}},
            {K::Radio, 237, "Using Quartiles", "", Rect{140, 79, 80, 10}},
            {K::Radio, 238, "Using Least Squares", "", Rect{140, 94, 80, 10}},
            {K::Label, 306, "Number of Lags:", "G", Rect{185, 125, 95, 8}},
            {K::Field, 141, "", "GT", Rect{185, 135, 40, 14}},
            {K::Label, 307, "Confidence Level:", "G", Rect{185, 155, 95, 8}},
            {K::Field, 142, "", "GT", Rect{185, 165, 40, 14}},
            {K::DefaultButton, 1, "OK", "GT", Rect{230, 7, 50, 14}},
            {K::PushButton, 2, "Cancel", "T", Rect{230, 24, 50, 14}},
            {K::PushButton, 9, "Help", "T", Rect{230, 43, 50, 14}},
        }},
        {251, "Residual Plot Options", 185, 62, true, concat(kWhichResiduals, kStandardButtons)},
        {258, "Residual Plot Options", 197, 150, false, concat(kPlotVersus, kStandardButtons)},
        {259, "Residual Plot Options", 191, 158, true, concat(concat(kWhichResiduals, kPlotVersus), kStandardButtons)},
        {283, "Histogram Options", 167, 142, true, concat({
            {K::Label, -1, "Number of Classes:", "G"},
            {K::Field, 143, "", "T"},
            {K::Label, -1, "Lower Limit:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, -1, "Upper Limit:", "G"},
            {K::Field, 142, "", "T"},
            {K::CheckBox, 109, "Hold", "T"},
            {K::GroupBox, -1, "Counts", ""},
            {K::CheckBox, 107, "Relative", "GT"},
            {K::CheckBox, 108, "Cumulative", "T"},
        }, kStandardButtons)},
        {311, "Interaction Plot Options", 221, 198, true, concat({
            {K::GroupBox, -1, "Interval", "G"},
            {K::Radio, 176, "None", "GT"},
            {K::Radio, 177, "Confidence Interval", "T"},
            {K::Radio, 178, "LSD Interval", "T"},
            {K::Radio, 181, "Tukey HSD Interval", "T"},
            {K::Radio, 182, "Scheffe Interval", "T"},
            {K::Radio, 234, "Bonferroni Interval", "T"},
            {K::Label, -1, "Interaction:", "G"},
            {K::ChoiceList, 242, "", "T"},
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 141, "", "GT"},
            {K::Label, -1, "%", "G"},
            {K::GroupBox, -1, "Plot on Axis", ""},
            {K::Radio, 235, "First Factor", "GT"},
            {K::Radio, 236, "Second Factor", ""},
        }, kStandardButtons)},
        {798, "Means Plot Options", 197, 188, true, concat({
            {K::GroupBox, 306, "Type", "G"},
            {K::Radio, 176, "Confidence Interval", "GT"},
            {K::Radio, 177, "LSD Interval", "T"},
            {K::Radio, 178, "Tukey HSD Interval", "T"},
            {K::Radio, 181, "Scheffe Interval", "T"},
            {K::Radio, 182, "Bonferroni Interval", "T"},
            {K::Label, -1, "Factor:", "G"},
            {K::ChoiceList, 242, "", "T"},
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 141, "", "GT"},
            {K::Label, -1, "%", "G"},
        }, concat(kStandardButtons, {{K::PushButton, 119, "Hold...", "T"}}))},
        {799, "Hold At Options", 327, 181, false, hold_slots()},
        {601, "Plot of Fitted Model Options", 246, 263, true, factor_rows()},
        {790, "Plot of Fitted Model Options", 262, 101, false, concat({
            {K::GroupBox, -1, "Include", "G"},
            {K::CheckBox, 107, "Prediction Limits", "GT"},
            {K::CheckBox, 108, "Confidence Limits", "GT"},
            {K::Label, -1, "Confidence Level:", "G"},
            {K::Field, 142, "", "T"},
            {K::GroupBox, -1, "Predict", ""},
            {K::Radio, 176, "Y", "GT"},
            {K::Radio, 177, "X", ""},
            {K::Label, -1, "At:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, -1, "Mean Size or Weight:", "G"},
            {K::Field, 143, "", "T"},
        }, kStandardButtons)},
        {602, "Response Plot Options", 201, 233, true, {
            {K::GroupBox, -1, "Type", "G"},
            {K::Radio, 176, "Surface", "GT"},
            {K::Radio, 177, "Contour", ""},
            {K::Radio, 178, "Square", ""},
            {K::Radio, 181, "Cube", ""},
            {K::GroupBox, 373, "Contours", "G"},
            {K::Label, 374, "From:", "G"},
            {K::Field, 143, "", "T"},
            {K::Label, 443, "To:", "G"},
            {K::Field, 144, "", "T"},
            {K::Label, 546, "By:", "G"},
            {K::Field, 145, "", "T"},
            {K::Radio, 238, "Lines", "GT"},
            {K::Radio, 239, "Painted Regions", ""},
            {K::Label, 547, "Resolution:", "G"},
            {K::Field, 146, "", "T"},
            {K::GroupBox, 306, "Surface", "G"},
            {K::Label, 307, "Horizontal Division:", "G"},
            {K::Field, 141, "", "T"},
            {K::Label, 372, "Vertical Division:", "G"},
            {K::Field, 142, "", "T"},
            {K::CheckBox, 107, "Contours Below", "GT"},
            {K::CheckBox, 108, "Show Points", "GT"},
            {K::Radio, 234, "Wire Frame", "GT"},
            {K::Radio, 235, "Solid", ""},
            {K::Radio, 236, "Contoured", ""},
            {K::DefaultButton, 1, "OK", "GT"},
            {K::PushButton, 2, "Cancel", "T"},
            {K::PushButton, 119, "Factors...", "T"},
            {K::PushButton, 9, "Help", "T"},
        }},
        {772, "MSE Plot Options", 186, 66, true, concat({
            {K::CheckBox, 107, "Label Models", "GT"},
            {K::Label, -1, "Maximum Number per Subset:", "G"},
            {K::Field, 141, "", "T"},
        }, kStandardButtons)},
        {780, "Ridge Trace Options", 186, 66, true, concat({
            {K::GroupBox, -1, "Display", "G"},
            {K::Radio, 176, "Unstandardized Coefficients", "GT"},
            {K::Radio, 177, "Standardized Coefficients", ""},
        }, kStandardButtons)},
    };
    return dialogs;
}

}  // namespace torvik::test
