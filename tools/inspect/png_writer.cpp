#include "png_writer.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace torvik::inspect {
namespace {

void put32(std::string& s, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>(v >> shift & 0xff));
}

void chunk(std::string& out, const char* type, const std::string& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    put32(out, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

}  // namespace

void write_png(const std::string& path, unsigned width, unsigned height, const std::vector<pe::Rgb>& pixels) {
    if (pixels.size() != static_cast<std::size_t>(width) * height) throw std::runtime_error(path + ": pixel count does not match the size");
    std::string raw;
    raw.reserve((width * 3 + 1) * height);
    for (unsigned y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        for (unsigned x = 0; x < width; ++x) {
            const pe::Rgb& p = pixels[static_cast<std::size_t>(y) * width + x];
            raw.push_back(static_cast<char>(p.r));
            raw.push_back(static_cast<char>(p.g));
            raw.push_back(static_cast<char>(p.b));
        }
    }
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packed_size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw std::runtime_error(path + ": compression failed");
    packed.resize(packed_size);

    std::string header;
    put32(header, width);
    put32(header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter choice, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", packed);
    chunk(out, "IEND", "");
    std::ofstream f(path, std::ios::binary);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!f) throw std::runtime_error(path + ": cannot write the file");
}

std::vector<pe::Rgb> enlarge(const pe::Dib& dib, unsigned scale) {
    auto w = static_cast<unsigned>(dib.width), h = dib.rows();
    std::vector<pe::Rgb> out;
    out.reserve(static_cast<std::size_t>(w) * h * scale * scale);
    for (unsigned y = 0; y < h * scale; ++y)
        for (unsigned x = 0; x < w * scale; ++x) out.push_back(dib.pixels[static_cast<std::size_t>(y / scale) * w + x / scale]);
    return out;
}

}  // namespace torvik::inspect
