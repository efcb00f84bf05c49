// String-table resources: block b (from 1) holds the texts 16(b-1) .. 16(b-1)+15,
// each as a length in UTF-16 units followed by the units; length 0 means no text.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>
#include <optional>
#include <string>

#include "pe_image.h"

namespace torvik::pe {

using StringBlock = std::array<std::u16string, 16>;

StringBlock decode_string_block(ByteView data);

// The text at id as the platform's LoadString finds it: nothing when the block
// is absent or the entry has length 0.
std::optional<std::u16string> load_string(const PeImage& image, std::uint16_t id,
                                          std::optional<std::uint16_t> language = {});

// Every text of one language, keyed by identifier, from every block.
struct CatalogueText {
    std::uint16_t id;
    std::uint16_t language;
    std::u16string text;
};
std::vector<CatalogueText> all_strings(const PeImage& image);

}  // namespace torvik::pe
