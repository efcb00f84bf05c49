// The inspector's PNG and JSON output, read back.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "json.h"
#include "png_writer.h"

namespace torvik::test {
namespace {

std::uint32_t be32(const std::string& s, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<unsigned char>(s[at + 3]);
}

TEST(PngWriter, WritesAnEnlargedImageThatReadsBack) {
    pe::Dib dib;
    dib.width = 2;
    dib.height = 1;
    dib.pixels = {{255, 0, 0}, {0, 0, 255}};
    std::vector<pe::Rgb> big = inspect::enlarge(dib, 3);
    ASSERT_EQ(big.size(), 6u * 3u);
    EXPECT_EQ(big[2], (pe::Rgb{255, 0, 0}));
    EXPECT_EQ(big[3], (pe::Rgb{0, 0, 255}));

    std::string path = (std::filesystem::temp_directory_path() / "torvik_png_writer_test.png").string();
    inspect::write_png(path, 6, 3, big);
    std::ifstream in(path, std::ios::binary);
    std::string f{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);

    ASSERT_EQ(f.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // Every chunk's CRC holds; IHDR gives the size, IDAT inflates to the rows.
    std::string idat;
    for (std::size_t at = 8; at < f.size();) {
        std::uint32_t len = be32(f, at);
        std::string type = f.substr(at + 4, 4), data = f.substr(at + 8, len);
        std::string body = type + data;
        EXPECT_EQ(be32(f, at + 8 + len), crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())))
            << type;
        if (type == "IHDR") {
            EXPECT_EQ(be32(data, 0), 6u);
            EXPECT_EQ(be32(data, 4), 3u);
        }
        if (type == "IDAT") idat += data;
        at += 12 + len;
    }
    std::string raw(3 * (1 + 6 * 3), '\0');
    uLongf raw_size = static_cast<uLongf>(raw.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &raw_size, reinterpret_cast<const Bytef*>(idat.data()),
                         static_cast<uLong>(idat.size())), Z_OK);
    ASSERT_EQ(raw_size, raw.size());
    EXPECT_EQ(raw.substr(0, 4), std::string("\0\xff\0\0", 4)) << "filter byte, then the first red pixel";
    EXPECT_EQ(raw.substr(1 + 9, 3), std::string("\0\0\xff", 3)) << "the fourth pixel of a row is blue";
}

TEST(JsonOutput, EscapesAndKeepsKeyOrder) {
    inspect::Json j = inspect::Json::object();
    j.set("z", 1).set("a", "quote \" back \\ line\n").set("list", inspect::Json(inspect::Json::Array{true, nullptr}));
    EXPECT_EQ(j.dump(), R"({"z":1,"a":"quote \" back \\ line\u000a","list":[true,null]})");
}

}  // namespace
}  // namespace torvik::test
