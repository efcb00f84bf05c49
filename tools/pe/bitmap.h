// Device-independent bitmaps: as stored in a bitmap resource (header, colour
// table, pixels) or as a .bmp file (the same after a 14-byte file header).
#pragma once

#include <cstdint>
#include <vector>

#include "byte_view.h"

namespace torvik::pe {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Dib {
    // BITMAPINFOHEADER as stored.
    std::uint32_t header_size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bit_count = 0;
    std::uint32_t compression = 0;
    std::uint32_t image_size = 0;
    std::int32_t x_pels_per_meter = 0;
    std::int32_t y_pels_per_meter = 0;
    std::uint32_t colors_used = 0;
    std::uint32_t colors_important = 0;

    std::vector<Rgb> palette;
    // Pixels from the top row down, left to right: palette indices for an
    // indexed image (empty otherwise) and the colours for every image.
    std::vector<std::uint8_t> indices;
    std::vector<Rgb> pixels;

    std::uint32_t rows() const { return static_cast<std::uint32_t>(height < 0 ? -height : height); }
    std::uint32_t stride() const { return (static_cast<std::uint32_t>(width) * bit_count + 31) / 32 * 4; }
};

// A bitmap resource: the header is followed by the colour table and the pixels.
Dib decode_dib(ByteView data);

struct BmpFile {
    std::uint32_t file_size = 0;    // bfSize
    std::uint32_t pixel_offset = 0; // bfOffBits
    Dib dib;
};
BmpFile decode_bmp_file(ByteView data);

}  // namespace torvik::pe
