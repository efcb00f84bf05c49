#include "bitmap.h"

#include <optional>
#include <string>

namespace torvik::pe {
namespace {

constexpr std::int32_t kMaxSide = 16384;

Dib decode(ByteView v, std::size_t header_at, std::optional<std::size_t> pixels_at) {
    Dib d;
    d.header_size = v.u32(header_at, "bitmap header");
    if (d.header_size != 40)
        throw PeError("bitmap header size " + std::to_string(d.header_size) + " (only the 40-byte header is read)");
    auto s32 = [&](std::size_t o) { return static_cast<std::int32_t>(v.u32(header_at + o, "bitmap header")); };
    d.width = s32(4);
    d.height = s32(8);
    d.planes = v.u16(header_at + 12, "bitmap header");
    d.bit_count = v.u16(header_at + 14, "bitmap header");
    d.compression = v.u32(header_at + 16, "bitmap header");
    d.image_size = v.u32(header_at + 20, "bitmap header");
    d.x_pels_per_meter = s32(24);
    d.y_pels_per_meter = s32(28);
    d.colors_used = v.u32(header_at + 32, "bitmap header");
    d.colors_important = v.u32(header_at + 36, "bitmap header");

    if (d.width <= 0 || d.width > kMaxSide || d.height == 0 || d.height > kMaxSide || d.height < -kMaxSide)
        throw PeError("bitmap size " + std::to_string(d.width) + " x " + std::to_string(d.height) + " is out of range");
    if (d.planes != 1) throw PeError("bitmap has " + std::to_string(d.planes) + " planes");
    if (d.compression != 0) throw PeError("compressed bitmaps are not read");
    bool indexed = d.bit_count == 1 || d.bit_count == 4 || d.bit_count == 8;
    if (!indexed && d.bit_count != 24 && d.bit_count != 32)
        throw PeError("bitmap depth of " + std::to_string(d.bit_count) + " bits is not read");

    std::size_t colours = indexed ? (d.colors_used ? d.colors_used : 1u << d.bit_count) : d.colors_used;
    if (indexed && colours > (1u << d.bit_count))
        throw PeError("bitmap colour table of " + std::to_string(colours) + " entries for " +
                      std::to_string(d.bit_count) + " bits per pixel");
    if (colours > 256) throw PeError("bitmap colour table of " + std::to_string(colours) + " entries");
    std::size_t table_at = header_at + d.header_size;
    v.require(table_at, colours * 4, "bitmap colour table");
    for (std::size_t i = 0; i < colours; ++i)
        d.palette.push_back({v.u8(table_at + 4 * i + 2, "colour"), v.u8(table_at + 4 * i + 1, "colour"),
                             v.u8(table_at + 4 * i, "colour")});

    std::size_t base = pixels_at ? *pixels_at : table_at + colours * 4;
    std::size_t w = static_cast<std::size_t>(d.width), h = d.rows(), stride = d.stride();
    v.require(base, stride * h, "bitmap pixels");
    d.pixels.reserve(w * h);
    for (std::size_t row = 0; row < h; ++row) {
        std::size_t stored = d.height > 0 ? h - 1 - row : row;
        std::size_t r = base + stored * stride;
        for (std::size_t x = 0; x < w; ++x) {
            if (indexed) {
                std::size_t bit = x * d.bit_count;
                std::uint8_t byte = v.u8(r + bit / 8, "bitmap pixels");
                auto index = static_cast<std::uint8_t>((byte >> (8 - d.bit_count - bit % 8)) & ((1u << d.bit_count) - 1));
                if (index >= d.palette.size())
                    throw PeError("pixel " + std::to_string(x) + "," + std::to_string(row) + " uses colour " +
                                  std::to_string(index) + " beyond the table");
                d.indices.push_back(index);
                d.pixels.push_back(d.palette[index]);
            } else {
                std::size_t p = r + x * (d.bit_count / 8);
                d.pixels.push_back({v.u8(p + 2, "bitmap pixels"), v.u8(p + 1, "bitmap pixels"), v.u8(p, "bitmap pixels")});
            }
        }
    }
    return d;
}

}  // namespace

Dib decode_dib(ByteView data) { return decode(data, 0, std::nullopt); }

BmpFile decode_bmp_file(ByteView data) {
    if (data.u16(0, "bitmap file header") != 0x4d42) throw PeError("not a bitmap file (no \"BM\")");
    BmpFile f;
    f.file_size = data.u32(2, "bitmap file header");
    f.pixel_offset = data.u32(10, "bitmap file header");
    f.dib = decode(data, 14, f.pixel_offset);
    return f;
}

}  // namespace torvik::pe
