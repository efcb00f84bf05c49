// The reader faced with damaged modules: it answers PeError, never a crash
// (this suite runs under AddressSanitizer and UndefinedBehaviorSanitizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "bitmap.h"
#include "built_modules.h"
#include "catalogue_rules.h"
#include "dialog_template.h"
#include "string_table.h"
#include "version_info.h"

namespace torvik::test {
namespace {

std::vector<std::uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Parses and decodes everything; returns the PeError message, or "" when all was read.
std::string read_everything(std::vector<std::uint8_t> bytes) {
    try {
        pe::PeImage img = pe::PeImage::parse(std::move(bytes));
        (void)img.exports();
        (void)img.imports();
        (void)pe::check_catalogue(img);
        for (const pe::ResourceLeaf& leaf : img.resources()) {
            pe::ByteView data = img.resource_data(leaf);
            if (leaf.type.id == pe::kRtDialog) (void)pe::decode_dialog(data);
            if (leaf.type.id == pe::kRtVersion) (void)pe::decode_version(data);
            if (leaf.type.id == pe::kRtBitmap) (void)pe::decode_dib(data);
        }
        return "";
    } catch (const pe::PeError& e) {
        return e.what();
    }
}

class DamagedModule : public testing::TestWithParam<BuiltModule> {
protected:
    void SetUp() override { bytes = file_bytes(GetParam().path); ASSERT_FALSE(bytes.empty()); }
    std::size_t rsrc_offset() const {
        for (const pe::Section& s : load_module(GetParam().path).sections())
            if (s.name == ".rsrc") return s.raw_offset;
        ADD_FAILURE() << "no .rsrc section";
        return 0;
    }
    std::vector<std::uint8_t> bytes;
};

TEST_P(DamagedModule, EveryTruncationIsReadOrRefused) {
    EXPECT_EQ(read_everything(bytes), "");
    std::size_t refused = 0;
    for (std::size_t n = 0; n < bytes.size(); n += n < 1024 ? 1 : 61)
        if (!read_everything({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)}).empty()) ++refused;
    EXPECT_GT(refused, 0u);
}

TEST_P(DamagedModule, EveryByteOfTheResourceDirectoryFlippedIsReadOrRefused) {
    // The directory tables run from the start of .rsrc to the first resource's data.
    const pe::PeImage& image = load_module(GetParam().path);
    std::size_t start = rsrc_offset(), end = bytes.size();
    for (const pe::ResourceLeaf& leaf : image.resources())
        end = std::min(end, image.rva_to_offset(leaf.data_rva, leaf.size, "resource data"));
    ASSERT_GT(end, start);
    std::size_t refused = 0;
    for (std::size_t at = start; at < end; ++at) {
        std::vector<std::uint8_t> copy = bytes;
        copy[at] ^= 0xff;
        if (!read_everything(std::move(copy)).empty()) ++refused;
    }
    EXPECT_GT(refused, 0u);
    std::printf("%s: %zu directory bytes flipped one at a time, %zu of the copies refused with an error\n", GetParam().arch,
                end - start, refused);
}

TEST_P(DamagedModule, ResourceDirectoryCycleIsRefused) {
    // The root's first entry (the first type) points back at the root.
    put32(bytes, rsrc_offset() + 16 + 4, 0x80000000u);
    EXPECT_NE(read_everything(bytes).find("reached twice"), std::string::npos);
}

TEST_P(DamagedModule, AbsurdEntryCountIsRefused) {
    bytes[rsrc_offset() + 14] = 0xff;
    bytes[rsrc_offset() + 15] = 0xff;
    EXPECT_NE(read_everything(bytes).find("resource directory entries"), std::string::npos);
}

TEST_P(DamagedModule, HeaderFaultsAreRefused) {
    auto damaged = [&](std::size_t at, std::uint32_t v) { auto b = bytes; put32(b, at, v); return read_everything(b); };
    std::uint32_t pe = bytes[0x3c] | bytes[0x3d] << 8;
    EXPECT_NE(damaged(0x3c, 0x7ffffff0).find("PE signature"), std::string::npos);
    EXPECT_NE(damaged(pe, 0).find("no PE signature"), std::string::npos);
    // First section header: its raw data pointer far past the end of the file.
    std::size_t opt_size = bytes[pe + 20] | bytes[pe + 21] << 8;
    EXPECT_NE(damaged(pe + 24 + opt_size + 20, 0x7ffffff0).find("beyond the end"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, DamagedModule, testing::ValuesIn(kBuiltModules), arch_name);

TEST(DamagedData, DecodersRefuseShortOrLyingData) {
    const std::uint8_t long_string[] = {5, 0, 'a', 0};  // claims five units, holds one
    EXPECT_THROW(pe::decode_string_block(pe::ByteView(long_string)), pe::PeError);
    const std::uint8_t short_dialog[] = {0x40, 0, 0, 0, 0, 0, 0, 0, 3, 0};  // three items promised, header cut
    EXPECT_THROW(pe::decode_dialog(pe::ByteView(short_dialog)), pe::PeError);
    const std::uint8_t tiny_version[] = {4, 0, 0, 0};
    EXPECT_THROW(pe::decode_version(pe::ByteView(tiny_version)), pe::PeError);
}

}  // namespace
}  // namespace torvik::test
