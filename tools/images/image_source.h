// Image sources: one letter of the palette per pixel, one line per row, lines
// beginning with '#' are comments. Compiled to 4-bit Windows bitmap files.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvik::images {

struct IndexedImage {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint8_t> pixels;  // palette indices, top row first
};

// Thrown with "<file>:<line>: row R, column C: <what is wrong>".
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Parses a source that must be width by height pixels.
IndexedImage parse_source(const std::string& text, const std::string& file, unsigned width, unsigned height);

// A bitmap file: file header, 40-byte information header, the 16-entry table,
// rows bottom-up padded to 4 bytes.
std::vector<std::uint8_t> encode_bmp(const IndexedImage& image);

}  // namespace torvik::images
