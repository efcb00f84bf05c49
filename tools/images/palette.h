// The fixed colour table of every bitmap of the module, in index order, and
// the letter that stands for each entry in the image sources.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace torvik::images {

struct PaletteEntry {
    char letter;
    std::uint8_t r, g, b;
};

// K black, D dark grey (7) before L light grey (8): the images rely on that
// order. G and Y appear in the symbol strip only. The letters of the unused
// entries are ours.
inline constexpr std::array<PaletteEntry, 16> kPalette = {{
    {'K', 0, 0, 0},       {'M', 128, 0, 0},     {'E', 0, 128, 0},   {'O', 128, 128, 0},
    {'N', 0, 0, 128},     {'P', 128, 0, 128},   {'T', 0, 128, 128}, {'D', 128, 128, 128},
    {'L', 192, 192, 192}, {'R', 255, 0, 0},     {'G', 0, 255, 0},   {'Y', 255, 255, 0},
    {'B', 0, 0, 255},     {'A', 255, 0, 255},   {'C', 0, 255, 255}, {'W', 255, 255, 255},
}};

constexpr std::optional<std::uint8_t> index_of(char letter) {
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        if (kPalette[i].letter == letter) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

}  // namespace torvik::images
