#include "image_source.h"

#include <sstream>

#include "palette.h"

namespace torvik::images {
namespace {

std::string palette_letters() {
    std::string s;
    for (const PaletteEntry& e : kPalette) s += e.letter;
    return s;
}

[[noreturn]] void fail(const std::string& file, unsigned line, unsigned row, unsigned column, const std::string& what) {
    throw SourceError(file + ":" + std::to_string(line) + ": row " + std::to_string(row) + ", column " +
                      std::to_string(column) + ": " + what);
}

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

}  // namespace

IndexedImage parse_source(const std::string& text, const std::string& file, unsigned width, unsigned height) {
    IndexedImage img{width, height, {}};
    std::istringstream in(text);
    std::string line;
    unsigned line_no = 0, row = 0;
    while (std::getline(in, line)) {
        ++line_no;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (row == height) fail(file, line_no, row, 0, "one row too many: the image is " + std::to_string(height) + " rows high");
        for (unsigned col = 0; col < line.size(); ++col) {
            auto index = index_of(line[col]);
            if (!index) {
                std::string shown = line[col] > ' ' && line[col] < 127 ? std::string("'") + line[col] + "'" : "a space or control character";
                fail(file, line_no, row, col, "unknown letter " + shown + " (the palette letters are " + palette_letters() + ")");
            }
            if (col == width) fail(file, line_no, row, col, "the row is longer than the image's " + std::to_string(width) + " pixels");
            img.pixels.push_back(*index);
        }
        if (line.size() < width)
            fail(file, line_no, row, static_cast<unsigned>(line.size()),
                 "the row ends after " + std::to_string(line.size()) + " of " + std::to_string(width) + " pixels");
        ++row;
    }
    if (row < height)
        fail(file, line_no, row, 0, "the image ends after " + std::to_string(row) + " of " + std::to_string(height) + " rows");
    return img;
}

std::vector<std::uint8_t> encode_bmp(const IndexedImage& image) {
    const std::uint32_t stride = (image.width * 4 + 31) / 32 * 4;
    const std::uint32_t pixel_bytes = stride * image.height;
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(kPalette.size());
    std::vector<std::uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + pixel_bytes);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, image.width);
    put32(b, image.height);  // positive: bottom-up
    put16(b, 1);             // planes
    put16(b, 4);             // bits per pixel
    put32(b, 0);             // no compression
    put32(b, pixel_bytes);
    put32(b, 0);  // resolutions
    put32(b, 0);
    put32(b, 0);  // colours used: all 16
    put32(b, 0);
    for (const PaletteEntry& e : kPalette) {
        b.push_back(e.b);
        b.push_back(e.g);
        b.push_back(e.r);
        b.push_back(0);
    }
    for (unsigned y = image.height; y-- > 0;) {
        std::vector<std::uint8_t> row(stride, 0);
        for (unsigned x = 0; x < image.width; ++x) {
            std::uint8_t v = image.pixels[y * image.width + x];
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 ? v : v << 4);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

}  // namespace torvik::images
