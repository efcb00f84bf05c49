// Standard (not extended) dialog templates: the header, the font and every item.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pe_image.h"

namespace torvik::pe {

// Predefined control classes, as stored by their class atoms.
inline constexpr std::uint16_t kAtomButton = 0x80;
inline constexpr std::uint16_t kAtomEdit = 0x81;
inline constexpr std::uint16_t kAtomStatic = 0x82;
inline constexpr std::uint16_t kAtomListBox = 0x83;
inline constexpr std::uint16_t kAtomScrollBar = 0x84;
inline constexpr std::uint16_t kAtomComboBox = 0x85;

inline constexpr std::uint32_t kDsSetFont = 0x40;

struct DialogItem {
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint16_t id = 0;
    ResourceKey window_class;  // an atom or a class name
    ResourceKey title;         // text, or an ordinal (a resource number)
    std::vector<std::uint8_t> creation_data;
};

struct DialogFont {
    std::uint16_t point_size = 0;
    std::u16string typeface;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResourceKey menu;          // empty name when the dialog has none
    ResourceKey window_class;  // empty name for the dialog manager's own class
    std::u16string title;
    std::optional<DialogFont> font;  // present exactly when DS_SETFONT is set
    std::vector<DialogItem> items;
};

DialogTemplate decode_dialog(ByteView data);

// "Button", "Edit", ... for a predefined atom, "#<n>" for another atom, the name otherwise.
std::string class_name(const ResourceKey& window_class);

}  // namespace torvik::pe
