// The control kinds of the dialog templates as the tests know them: each
// kind's class and the style it must store for its marks. Written from the
// kind table, independently of the macros the templates are written with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dialog_template.h"

namespace torvik::test {

enum class Kind {
    Label, GroupBox, PushButton, DefaultButton, CheckBox, ManualCheckBox, Radio, PictureButton,
    Field, FieldWantReturn, MultilineField, MultilineNoScroll, WrappingField, ReadOnlyMultiline,
    VariableList, SortedList, ChoiceList, DropDownList, Grid,
};

inline constexpr std::uint32_t kChildVisible = 0x50000000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;

struct KindInfo {
    const char* name;
    std::uint16_t atom;  // 0: the grid's class name
    std::uint32_t bits;  // beside WS_CHILD, WS_VISIBLE, WS_GROUP and WS_TABSTOP
};

inline KindInfo kind_info(Kind k) {
    switch (k) {
        case Kind::Label: return {"label", pe::kAtomStatic, 0x0000};
        case Kind::GroupBox: return {"group box", pe::kAtomButton, 0x0007};
        case Kind::PushButton: return {"push button", pe::kAtomButton, 0x0000};
        case Kind::DefaultButton: return {"default push button", pe::kAtomButton, 0x0001};
        case Kind::CheckBox: return {"check box", pe::kAtomButton, 0x0003};
        case Kind::ManualCheckBox: return {"manual check box", pe::kAtomButton, 0x0002};
        case Kind::Radio: return {"radio button", pe::kAtomButton, 0x0009};
        case Kind::PictureButton: return {"picture button", pe::kAtomButton, 0x000B};
        case Kind::Field: return {"field", pe::kAtomEdit, 0x00800080};
        case Kind::FieldWantReturn: return {"field with want-return", pe::kAtomEdit, 0x00801080};
        case Kind::MultilineField: return {"multi-line field", pe::kAtomEdit, 0x00A010C4};
        case Kind::MultilineNoScroll: return {"multi-line field without scroll bar", pe::kAtomEdit, 0x008010C4};
        case Kind::WrappingField: return {"wrapping field", pe::kAtomEdit, 0x00801044};
        case Kind::ReadOnlyMultiline: return {"read-only multi-line field", pe::kAtomEdit, 0x00A00884};
        case Kind::VariableList: return {"variable list", pe::kAtomListBox, 0x00A00903};
        case Kind::SortedList: return {"sorted list", pe::kAtomListBox, 0x00A00103};
        case Kind::ChoiceList: return {"choice list", pe::kAtomListBox, 0x00A00101};
        case Kind::DropDownList: return {"drop-down list", pe::kAtomComboBox, 0x00200003};
        case Kind::Grid: return {"grid", 0, 0x00800000};
    }
    return {"?", 0, 0};
}

// "G", "T", "GT" or "" to the style bits.
inline std::uint32_t marks_bits(const std::string& marks) {
    return (marks.find('G') != std::string::npos ? kGroup : 0) | (marks.find('T') != std::string::npos ? kTabStop : 0);
}

inline std::uint32_t kind_style(Kind k, const std::string& marks) { return kChildVisible | kind_info(k).bits | marks_bits(marks); }

// The kind a stored control is, judged by class and style without its marks.
inline std::optional<Kind> kind_of(const pe::DialogItem& item) {
    for (int k = 0; k <= static_cast<int>(Kind::Grid); ++k) {
        KindInfo info = kind_info(static_cast<Kind>(k));
        bool class_matches = info.atom ? item.window_class.id == info.atom
                                       : (!item.window_class.id && pe::class_name(item.window_class) != "");
        if (class_matches && (item.style & ~(kGroup | kTabStop)) == (kChildVisible | info.bits)) return static_cast<Kind>(k);
    }
    return std::nullopt;
}

}  // namespace torvik::test
