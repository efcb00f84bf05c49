// The data-input dialogs and Transform Data.
#include "dialog_tables.h"

namespace torvik::test {

const std::vector<ExpectedDialog>& data_input_dialogs() {
    using K = Kind;
    static const std::vector<ExpectedDialog> dialogs = {
        {243, "Multiple Regression", 263, 214, false, {
            {K::VariableList, 114, "", "GT", Rect{7, 8, 57, 165}},
            {K::Label, 306, "Dependent Variable:", "G", Rect{74, 12, 171, 8}},
            {K::PictureButton, 119, "RARROW", "", Rect{74, 23, 19, 16}},
            {K::Field, 116, "", "GT", Rect{99, 23, 157, 16}},
            {K::Label, 307, "Independent Variables:", "G", Rect{74, 52, 171, 8}},
            {K::PictureButton, 120, "RARROW", "", Rect{74, 63, 19, 16}},
            {K::MultilineField, 122, "", "T", Rect{99, 63, 157, 50}},
            {K::Label, -1, "(Select:)", "G", Rect{74, 122, 171, 8}},
            {K::PictureButton, 121, "RARROW", "", Rect{74, 132, 19, 16}},
            {K::Field, 117, "", "GT", Rect{99, 133, 157, 16}},
            {K::Label, -1, "(Weights:)", "G", Rect{74, 157, 130, 8}},
            {K::PictureButton, 244, "RARROW", "", Rect{74, 168, 20, 15}},
            {K::Field, 141, "", "GT", Rect{99, 168, 157, 16}},
            {K::ManualCheckBox, 115, "Sort", "GT", Rect{18, 177, 41, 13}},
            {K::DefaultButton, 1, "OK", "GT", Rect{8, 196, 45, 14}},
            {K::PushButton, 2, "Cancel", "T", Rect{58, 196, 45, 14}},
            {K::PushButton, 298, "Delete", "T", Rect{110, 196, 46, 14}},
            {K::PushButton, 118, "&Transform...", "T", Rect{160, 196, 48, 14}},
            {K::PushButton, 9, "Help", "T", Rect{212, 196, 45, 14}}}},
        {768, "Comparison of Regression Lines", 259, 174, false, {
            {K::VariableList, 114, "", "GT"}, {K::Label, 306, "Dependent Variable:", "G"},
            {K::PictureButton, 119, "RARROW", ""}, {K::FieldWantReturn, 116, "", "T"},
            {K::Label, 307, "Independent Variable:", "G"}, {K::PictureButton, 120, "RARROW", ""},
            {K::FieldWantReturn, 671, "", "T"}, {K::Label, -1, "Level Codes:", "G"},
            {K::PictureButton, 121, "RARROW", ""}, {K::Field, 261, "", "GT"}, {K::Label, -1, "(Select:)", "G"},
            {K::PictureButton, 244, "RARROW", ""}, {K::Field, 117, "", "GT"}, {K::ManualCheckBox, 115, "Sort", "GT"},
            {K::DefaultButton, 1, "OK", "GT"}, {K::PushButton, 2, "Cancel", "T"}, {K::PushButton, 298, "Delete", "T"},
            {K::PushButton, 118, "&Transform...", "T"}, {K::PushButton, 9, "Help", "T"}}},
        {774, "Calibration Models", 271, 241, false, {
            {K::SortedList, 114, "", "GT"}, {K::PictureButton, 119, "RARROW", ""}, {K::Field, 116, "", "GT"},
            {K::PictureButton, 120, "RARROW", ""}, {K::Field, 122, "", "GT"},
            {K::Label, 307, "Fitted Model Statistics:", "G"}, {K::PictureButton, 121, "RARROW", ""},
            {K::Field, 265, "", "GT"}, {K::Label, 372, "(Weights:)", "G"}, {K::PictureButton, 244, "RARROW", ""},
            {K::Field, 409, "", "GT"}, {K::Label, 373, "(Select:)", "G"}, {K::PictureButton, 248, "RARROW", ""},
            {K::Field, 117, "", "GT"}, {K::GroupBox, -1, "Action", ""}, {K::Radio, 176, "Fit New Model", "GT"},
            {K::Radio, 177, "Predict X from Y", ""}, {K::ManualCheckBox, 115, "Sort", "GT"},
            {K::DefaultButton, 1, "OK", "GT"}, {K::PushButton, 2, "Cancel", "T"}, {K::PushButton, 298, "Delete", "T"},
            {K::PushButton, 118, "&Transform...", "T"}, {K::PushButton, 9, "Help", "T"},
            {K::Label, -1, "Y (Measured):", "G"}, {K::Label, 306, "X (Actual):", "G"}}},
        {775, "Nonlinear Regression", 259, 236, false, {
            {K::VariableList, 114, "", "GT"}, {K::Label, -1, "Dependent Variable:", "G"},
            {K::PictureButton, 119, "RARROW", ""}, {K::Field, 116, "", "GT"}, {K::Label, -1, "Function:", "G"},
            {K::PictureButton, 120, "RARROW", ""}, {K::WrappingField, 261, "", "GT"}, {K::Label, -1, "(Weights:)", "G"},
            {K::PictureButton, 121, "RARROW", ""}, {K::Field, 777, "", "GT"}, {K::Label, -1, "(Select:)", "G"},
            {K::PictureButton, 244, "RARROW", ""}, {K::Field, 117, "", "GT"}, {K::ManualCheckBox, 115, "Sort", "GT"},
            {K::DefaultButton, 1, "OK", "GT"}, {K::PushButton, 2, "Cancel", "T"}, {K::PushButton, 298, "Delete", "T"},
            {K::PushButton, 118, "&Transform...", "T"}, {K::PushButton, 9, "Help", "T"}}},
        {778, "Logistic Regression", 263, 246, false, {
            {K::VariableList, 114, "", "GT"}, {K::Label, 306, "Dependent Variable:", "G"},
            {K::PictureButton, 119, "RARROW", ""}, {K::Field, 116, "", "GT"}, {K::Label, -1, "(Sample Sizes:)", "G"},
            {K::PictureButton, 120, "RARROW", ""}, {K::Field, 141, "", "GT"},
            {K::Label, 307, "Quantitative Factors:", "G"}, {K::PictureButton, 121, "RARROW", ""},
            {K::MultilineField, 122, "", "T"}, {K::Label, -1, "(Select:)", "G"}, {K::PictureButton, 248, "RARROW", ""},
            {K::Field, 117, "", "GT"}, {K::ManualCheckBox, 115, "Sort", "GT"}, {K::DefaultButton, 1, "OK", "GT"},
            {K::PushButton, 2, "Cancel", "T"}, {K::PushButton, 298, "Delete", "T"},
            {K::PushButton, 118, "&Transform...", "T"}, {K::PushButton, 9, "Help", "T"},
            {K::Label, -1, "Categorical Factors:", "G"}, {K::PictureButton, 244, "RARROW", ""},
            {K::MultilineField, 783, "", "T"}}},
        {788, "General Linear Models", 263, 246, false, {
            {K::VariableList, 114, "", "GT"}, {K::Label, 306, "Dependent Variables:", "G"},
            {K::PictureButton, 119, "RARROW", ""}, {K::MultilineField, 116, "", "GT"},
            {K::Label, 307, "Categorical Factors:", "G"}, {K::PictureButton, 120, "RARROW", ""},
            {K::MultilineField, 122, "", "T"}, {K::Label, -1, "Quantitative Factors:", "G"},
            {K::PictureButton, 121, "RARROW", ""}, {K::MultilineField, 783, "", "T"}, {K::Label, -1, "(Weights:)", "G"},
            {K::PictureButton, 244, "RARROW", ""}, {K::Field, 141, "", "GT"}, {K::Label, -1, "(Select:)", "G"},
            {K::PictureButton, 248, "RARROW", ""}, {K::Field, 117, "", "GT"}, {K::ManualCheckBox, 115, "Sort", "GT"},
            {K::DefaultButton, 1, "OK", "GT"}, {K::PushButton, 2, "Cancel", "T"}, {K::PushButton, 298, "Delete", "T"},
            {K::PushButton, 118, "&Transform...", "T"}, {K::PushButton, 9, "Help", "T"}}},
        {314, "Transform Data", 311, 170, true, {
            {K::Field, 315, "", "T", Rect{12, 18, 292, 13}}, {K::ChoiceList, 318, "", "T", Rect{12, 59, 52, 81}},
            {K::ChoiceList, 322, "", "T", Rect{224, 58, 80, 82}}, {K::DefaultButton, 1, "OK", "GT", Rect{44, 152, 50, 14}},
            {K::PushButton, 2, "Cancel", "T", Rect{99, 152, 50, 14}},
            {K::PushButton, 316, "&Display...", "T", Rect{160, 152, 50, 14}},
            {K::PushButton, 314, "Help", "T", Rect{216, 152, 50, 14}},
            {K::PushButton, 324, "7", "GT", Rect{83, 62, 14, 14}}, {K::PushButton, 325, "8", "T", Rect{102, 62, 14, 14}},
            {K::PushButton, 326, "9", "T", Rect{122, 62, 14, 14}}, {K::PushButton, 336, "+", "T", Rect{141, 62, 14, 14}},
            {K::PushButton, 327, "4", "T", Rect{83, 81, 14, 14}}, {K::PushButton, 328, "5", "T", Rect{102, 81, 14, 14}},
            {K::PushButton, 329, "6", "T", Rect{122, 81, 14, 14}}, {K::PushButton, 337, "-", "T", Rect{141, 81, 14, 14}},
            {K::PushButton, 330, "1", "T", Rect{83, 102, 14, 14}}, {K::PushButton, 331, "2", "T", Rect{102, 102, 14, 14}},
            {K::PushButton, 332, "3", "T", Rect{122, 102, 14, 14}}, {K::PushButton, 338, "*", "T", Rect{141, 102, 14, 14}},
            {K::PushButton, 333, "0", "T", Rect{83, 121, 14, 14}}, {K::PushButton, 334, ".", "T", Rect{102, 121, 14, 14}},
            {K::PushButton, 335, "^", "T", Rect{122, 121, 14, 14}}, {K::PushButton, 339, "/", "T", Rect{141, 121, 14, 14}},
            {K::PushButton, 340, "&&", "T", Rect{83, 43, 14, 14}}, {K::PushButton, 341, "|", "T", Rect{102, 43, 14, 14}},
            {K::PushButton, 342, "(", "T", Rect{122, 43, 14, 14}}, {K::PushButton, 343, ")", "T", Rect{141, 43, 14, 14}},
            {K::PushButton, 298, "Delete", "T", Rect{162, 43, 44, 14}},
            {K::PushButton, 344, "=", "T", Rect{162, 62, 20, 14}}, {K::PushButton, 347, "<>", "T", Rect{186, 62, 20, 14}},
            {K::PushButton, 345, "<", "T", Rect{162, 81, 20, 14}}, {K::PushButton, 348, ">", "T", Rect{186, 81, 20, 14}},
            {K::PushButton, 346, "<=", "T", Rect{162, 102, 20, 14}}, {K::PushButton, 349, ">=", "T", Rect{186, 102, 20, 14}},
            {K::Label, 317, "Variables:", "G", Rect{12, 48, 55, 8}}, {K::Label, 319, "Expression:", "G", Rect{12, 7, 65, 8}},
            {K::Label, 321, "Operators:", "G", Rect{224, 47, 55, 8}}, {K::GroupBox, 323, "", "", Rect{77, 36, 135, 104}}}},
    };
    return dialogs;
}

}  // namespace torvik::test
