// The reader's decoders on a small fixture module and on a bitmap built here.
#include <gtest/gtest.h>

#include "bitmap.h"
#include "built_modules.h"
#include "dialog_template.h"
#include "string_table.h"

namespace torvik::test {
namespace {

const pe::PeImage& sample() { return load_module(fixture_path("reader_sample")); }

TEST(DialogDecoder, ReadsHeaderFontAndEveryItem) {
    const pe::ResourceLeaf* leaf = sample().find_resource(pe::ResourceKey::number(pe::kRtDialog), pe::ResourceKey::number(100), 1033);
    ASSERT_NE(leaf, nullptr);
    pe::DialogTemplate d = pe::decode_dialog(sample().resource_data(*leaf));
    EXPECT_EQ(d.title, u"Sample & Co");
    EXPECT_EQ((std::array{d.x, d.y, d.cx, d.cy}), (std::array<std::int16_t, 4>{0, 0, 200, 120}));
    ASSERT_TRUE(d.font.has_value());
    EXPECT_EQ(d.font->point_size, 8);
    EXPECT_EQ(d.font->typeface, u"MS Sans Serif");
    EXPECT_EQ(d.menu, pe::ResourceKey::text(u""));

    struct Expected { std::uint16_t id; const char* cls; std::u16string title; };
    const Expected expected[] = {{1, "Button", u"OK"},      {101, "Edit", u""},      {0xffff, "Static", u"&Label:"},
                                 {102, "ListBox", u""},     {103, "ScrollBar", u""}, {104, "ComboBox", u""},
                                 {105, "SAMPLEGRID", u""}};
    ASSERT_EQ(d.items.size(), std::size(expected));
    for (std::size_t i = 0; i < d.items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(d.items[i].id, expected[i].id);
        EXPECT_EQ(pe::class_name(d.items[i].window_class), expected[i].cls);
        EXPECT_EQ(d.items[i].title.name, expected[i].title);
        EXPECT_TRUE(d.items[i].creation_data.empty());
    }
    EXPECT_EQ(d.items[0].style & 0xF, 1u) << "BS_DEFPUSHBUTTON";
    EXPECT_EQ((std::array{d.items[0].x, d.items[0].y, d.items[0].cx, d.items[0].cy}), (std::array<std::int16_t, 4>{140, 5, 50, 14}));
    EXPECT_TRUE(d.items[6].window_class.name.size() && !d.items[6].window_class.id) << "a named class stays a name";
}

TEST(DialogDecoder, RefusesAnExtendedTemplate) {
    const std::uint8_t ex[] = {1, 0, 0xff, 0xff, 0, 0, 0, 0};
    EXPECT_THROW(pe::decode_dialog(pe::ByteView(ex)), pe::PeError);
}

TEST(StringLookup, FollowsTheBlockLayout) {
    EXPECT_EQ(pe::load_string(sample(), 16), u"first of block 2");
    EXPECT_EQ(pe::load_string(sample(), 31), u"last of block 2");
    for (std::uint16_t id = 17; id < 31; ++id) EXPECT_FALSE(pe::load_string(sample(), id).has_value()) << id;
    EXPECT_EQ(pe::load_string(sample(), 33), u" spaces kept ");
    EXPECT_FALSE(pe::load_string(sample(), 32).has_value());
    EXPECT_FALSE(pe::load_string(sample(), 15).has_value()) << "block 1 is absent";
    EXPECT_FALSE(pe::load_string(sample(), 16, 1031).has_value()) << "no text under another language";
}

TEST(ResourceLookup, MatchesNamesWithoutRegardToCase) {
    const pe::ResourceKey rcdata = pe::ResourceKey::number(10);
    const pe::ResourceLeaf* leaf = sample().find_resource(rcdata, pe::ResourceKey::text(u"sample"));
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->name, pe::ResourceKey::text(u"SAMPLE"));
    EXPECT_EQ(sample().resource_data(*leaf).size(), 3u);
    EXPECT_EQ(sample().find_resource(rcdata, pe::ResourceKey::text(u"SAMPLES")), nullptr);
}

// A 3 x 2 image of 4 bits per pixel, bottom-up, as a .bmp file.
std::vector<std::uint8_t> tiny_bmp() {
    std::vector<std::uint8_t> b;
    auto u16 = [&](std::uint32_t v) { b.push_back(v & 0xff); b.push_back(v >> 8 & 0xff); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xffff); u16(v >> 16); };
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    b.push_back('B'); b.push_back('M'); u32(offset + 8); u32(0); u32(offset);
    u32(40); u32(3); u32(2); u16(1); u16(4); u32(0); u32(8); u32(0); u32(0); u32(0); u32(0);
    for (std::uint32_t i = 0; i < 16; ++i) { b.push_back(static_cast<std::uint8_t>(i)); b.push_back(0); b.push_back(static_cast<std::uint8_t>(16 * i)); b.push_back(0); }
    // Bottom row 3 4 5, top row 0 1 2; each row padded to four bytes.
    for (std::uint8_t v : {0x34, 0x50, 0xee, 0xee, 0x01, 0x20, 0xee, 0xee}) b.push_back(v);
    return b;
}

TEST(BitmapDecoder, ReadsHeaderPaletteAndRowsTopDown) {
    std::vector<std::uint8_t> bytes = tiny_bmp();
    pe::BmpFile f = pe::decode_bmp_file(pe::ByteView(bytes));
    EXPECT_EQ(f.file_size, bytes.size());
    EXPECT_EQ(f.dib.width, 3);
    EXPECT_EQ(f.dib.height, 2);
    EXPECT_EQ(f.dib.bit_count, 4);
    EXPECT_EQ(f.dib.stride(), 4u);
    ASSERT_EQ(f.dib.palette.size(), 16u);
    EXPECT_EQ(f.dib.palette[2], (pe::Rgb{32, 0, 2}));
    EXPECT_EQ(f.dib.indices, (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(f.dib.pixels[5], f.dib.palette[5]);

    // The same image as a resource: no file header, pixels after the palette.
    pe::Dib d = pe::decode_dib(pe::ByteView(std::span(bytes).subspan(14)));
    EXPECT_EQ(d.indices, f.dib.indices);
}

TEST(BitmapDecoder, RefusesWhatItCannotRead) {
    std::vector<std::uint8_t> bytes = tiny_bmp();
    auto with = [&](std::size_t at, std::uint8_t v) { auto b = bytes; b[at] = v; return b; };
    for (auto bad : {with(14 + 4, 0), with(14 + 7, 0x7f), with(14 + 14, 3), with(14 + 16, 2), with(14 + 12, 2)}) {
        EXPECT_THROW(pe::decode_bmp_file(pe::ByteView(bad)), pe::PeError);
    }
    bytes.resize(bytes.size() - 1);
    EXPECT_THROW(pe::decode_bmp_file(pe::ByteView(bytes)), pe::PeError) << "truncated pixels";
}

}  // namespace
}  // namespace torvik::test
