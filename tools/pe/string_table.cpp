#include "string_table.h"

#include <algorithm>

namespace torvik::pe {

StringBlock decode_string_block(ByteView data) {
    StringBlock block;
    std::size_t at = 0;
    for (std::u16string& s : block) {
        std::size_t len = data.u16(at, "string-table entry length");
        data.require(at + 2, len * 2, "string-table entry text");
        s.resize(len);
        for (std::size_t i = 0; i < len; ++i) s[i] = data.u16(at + 2 + 2 * i, "string-table entry text");
        at += 2 + len * 2;
    }
    return block;
}

std::optional<std::u16string> load_string(const PeImage& image, std::uint16_t id,
                                          std::optional<std::uint16_t> language) {
    auto block_id = static_cast<std::uint16_t>((id >> 4) + 1);
    const ResourceLeaf* leaf =
        image.find_resource(ResourceKey::number(kRtString), ResourceKey::number(block_id), language);
    if (!leaf) return std::nullopt;
    std::u16string s = decode_string_block(image.resource_data(*leaf))[id & 15];
    if (s.empty()) return std::nullopt;
    return s;
}

std::vector<CatalogueText> all_strings(const PeImage& image) {
    std::vector<CatalogueText> out;
    for (const ResourceLeaf& leaf : image.resources()) {
        if (leaf.type != ResourceKey::number(kRtString)) continue;
        if (!leaf.name.id || *leaf.name.id == 0) throw PeError("string-table block " + leaf.name.to_string() + " has no valid number");
        StringBlock block = decode_string_block(image.resource_data(leaf));
        for (std::size_t i = 0; i < 16; ++i)
            if (!block[i].empty())
                out.push_back({static_cast<std::uint16_t>((*leaf.name.id - 1) * 16 + i), leaf.language, block[i]});
    }
    std::sort(out.begin(), out.end(), [](const CatalogueText& a, const CatalogueText& b) {
        return a.id != b.id ? a.id < b.id : a.language < b.language;
    });
    return out;
}

}  // namespace torvik::pe
