// The bitmaps of both builds through the reader: the sixteen picture-button
// images, the symbol strip, their headers and colour table, and the drawing
// rules of frames, glyphs and strip cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bitmap.h"
#include "bitmap_ids.h"
#include "built_modules.h"
#include "palette.h"

namespace torvik::test {
namespace {

const char* const kGlyphs[] = TORVIK_GLYPH_NAMES;
const std::string kStates = TORVIK_STATE_LETTERS;

std::u16string widen(const std::string& s) { return {s.begin(), s.end()}; }

// A decoded image as rows of palette letters, top row first.
struct Picture {
    const pe::ResourceLeaf* leaf = nullptr;
    pe::Dib dib;
    std::vector<std::string> rows;
    char at(int r, int c) const { return rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
};

Picture picture(const pe::PeImage& image, const pe::ResourceKey& name) {
    Picture p;
    p.leaf = image.find_resource(pe::ResourceKey::number(pe::kRtBitmap), name, 1033);
    if (!p.leaf) return p;
    p.dib = pe::decode_dib(image.resource_data(*p.leaf));
    for (std::uint32_t r = 0; r < p.dib.rows(); ++r) {
        std::string row;
        for (std::int32_t c = 0; c < p.dib.width; ++c)
            row += images::kPalette[p.dib.indices[r * static_cast<std::uint32_t>(p.dib.width) + static_cast<std::uint32_t>(c)]].letter;
        p.rows.push_back(row);
    }
    return p;
}

Picture button(const pe::PeImage& image, const std::string& name) { return picture(image, pe::ResourceKey::text(widen(name))); }

bool holds(const Picture& p, char letter, int r0 = 0, int r1 = 1 << 20, int c0 = 0, int c1 = 1 << 20) {
    for (int r = r0; r <= r1 && r < static_cast<int>(p.rows.size()); ++r)
        for (int c = c0; c <= c1 && c < static_cast<int>(p.rows[0].size()); ++c)
            if (p.at(r, c) == letter) return true;
    return false;
}

// The frames, written from their drawing rules.
char raised_frame(int r, int c) {
    if ((r == 0 || r == 29) && (c == 0 || c == 29)) return 'W';
    if (r == 0 || r == 29 || c == 0 || c == 29) return 'K';
    if ((r == 1 && c <= 27) || (r == 2 && c <= 26) || (c == 1 && r <= 28) || (c == 2 && r <= 27)) return 'W';
    if (r >= 3 && r <= 26 && c >= 3 && c <= 26) return 'L';
    return 'D';
}
char sunken_frame(int r, int c) {
    if ((r == 0 || r == 29) && (c == 0 || c == 29)) return 'W';
    if (r == 0 || r == 29 || c == 0 || c == 29) return 'K';
    if (r <= 2 || (c <= 2 && r <= 27) || (r == 28 && c == 1)) return 'D';
    return 'L';
}
bool in_face(bool raised, int r, int c) {
    return raised ? (r >= 3 && r <= 26 && c >= 3 && c <= 26) : (r >= 3 && r <= 28 && c >= 3 && c <= 28);
}

class ModuleBitmaps : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
    Picture strip() const { return picture(image(), pe::ResourceKey::number(IDB_SYMBOL_STRIP)); }
};

void expect_standard_header(const Picture& p, std::int32_t width, std::int32_t height, std::uint32_t pixel_bytes) {
    ASSERT_NE(p.leaf, nullptr);
    EXPECT_EQ(p.leaf->size, 40 + 64 + pixel_bytes);
    EXPECT_EQ(p.dib.width, width);
    EXPECT_EQ(p.dib.height, height) << "positive: rows stored bottom-up";
    EXPECT_EQ(p.dib.planes, 1);
    EXPECT_EQ(p.dib.bit_count, 4);
    EXPECT_EQ(p.dib.compression, 0u);
    EXPECT_EQ(p.dib.image_size, pixel_bytes);
    EXPECT_EQ(p.dib.x_pels_per_meter, 0);
    EXPECT_EQ(p.dib.y_pels_per_meter, 0);
    EXPECT_EQ(p.dib.colors_used, 0u);
    ASSERT_EQ(p.dib.palette.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(p.dib.palette[i], (pe::Rgb{images::kPalette[i].r, images::kPalette[i].g, images::kPalette[i].b})) << i;
    EXPECT_EQ(p.dib.palette[7], (pe::Rgb{128, 128, 128})) << "the darker grey comes first";
    EXPECT_EQ(p.dib.palette[8], (pe::Rgb{192, 192, 192}));
}

TEST_P(ModuleBitmaps, EveryButtonImageIs30By30WithTheStandardHeader) {
    for (const char* glyph : kGlyphs)
        for (char state : kStates) {
            SCOPED_TRACE(std::string(glyph) + state);
            expect_standard_header(button(image(), glyph + std::string(1, state)), 30, 30, 480);
        }
}

TEST_P(ModuleBitmaps, AGlyphNameWithAnyOtherEndingFindsNothing) {
    for (const char* glyph : kGlyphs) {
        for (char letter = 'A'; letter <= 'Z'; ++letter)
            if (kStates.find(letter) == std::string::npos)
                EXPECT_EQ(button(image(), glyph + std::string(1, letter)).leaf, nullptr) << glyph << letter;
        EXPECT_EQ(button(image(), glyph).leaf, nullptr) << glyph;
        EXPECT_EQ(button(image(), glyph + std::string("UU")).leaf, nullptr) << glyph;
    }
}

TEST_P(ModuleBitmaps, StripIs70By39WithTheStandardHeader) { expect_standard_header(strip(), 70, 39, 1404); }

TEST_P(ModuleBitmaps, FramesFollowTheirRulesAndCornersAreWhite) {
    for (const char* glyph : kGlyphs)
        for (char state : kStates) {
            Picture p = button(image(), glyph + std::string(1, state));
            ASSERT_EQ(p.rows.size(), 30u);
            bool raised = state == 'U' || state == 'D';
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 30; ++c)
                    if (!in_face(raised, r, c))
                        ASSERT_EQ(p.at(r, c), raised ? raised_frame(r, c) : sunken_frame(r, c))
                            << glyph << state << " frame pixel at row " << r << ", column " << c;
            for (auto [r, c] : {std::pair{0, 0}, {0, 29}, {29, 0}, {29, 29}}) EXPECT_EQ(p.at(r, c), 'W') << glyph << state;
        }
}

TEST_P(ModuleBitmaps, GlyphsFillTheirBoundingBoxes) {
    struct Box { int c0, c1, r0, r1; };
    struct Glyph { const char* name; Box home, focused, disabled; };
    const Glyph glyphs[] = {
        {"RARROW", {5, 25, 5, 25}, {7, 27, 7, 27}, {7, 27, 7, 27}},
        {"STAR", {5, 25, 5, 24}, {7, 27, 8, 27}, {7, 27, 7, 26}},
        {"PAREN(", {8, 17, 5, 24}, {12, 21, 7, 26}, {13, 22, 7, 26}},
        {"PAREN)", {10, 19, 5, 24}, {17, 26, 8, 27}, {17, 26, 8, 27}},
    };
    for (const Glyph& g : glyphs)
        for (char state : kStates) {
            Picture p = button(image(), g.name + std::string(1, state));
            ASSERT_EQ(p.rows.size(), 30u);
            const Box& want = state == 'F' ? g.focused : state == 'X' ? g.disabled : g.home;
            bool raised = state == 'U' || state == 'D';
            Box got{30, -1, 30, -1};
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 30; ++c)
                    if (in_face(raised, r, c) && p.at(r, c) != 'L') {
                        got = {std::min(got.c0, c), std::max(got.c1, c), std::min(got.r0, r), std::max(got.r1, r)};
                    }
            EXPECT_EQ((std::array{got.c0, got.c1, got.r0, got.r1}), (std::array{want.c0, want.c1, want.r0, want.r1}))
                << g.name << state << ": columns, then rows";
        }
}

TEST_P(ModuleBitmaps, PressedAndUpShareTheFrameAsDoFocusedAndDisabled) {
    for (const char* glyph : kGlyphs)
        for (auto [a, b, raised] : {std::tuple{'U', 'D', true}, {'F', 'X', false}}) {
            Picture p = button(image(), glyph + std::string(1, a)), q = button(image(), glyph + std::string(1, b));
            ASSERT_EQ(p.rows.size(), 30u);
            ASSERT_EQ(q.rows.size(), 30u);
            for (int r = 0; r < 30; ++r)
                for (int c = 0; c < 30; ++c)
                    if (!in_face(raised, r, c)) ASSERT_EQ(p.at(r, c), q.at(r, c)) << glyph << a << b << " at " << r << "," << c;
        }
}

TEST_P(ModuleBitmaps, UpArrowIsTheReferenceImage) {
    const std::vector<std::string> reference = {
        "WKKKKKKKKKKKKKKKKKKKKKKKKKKKKW", "KWWWWWWWWWWWWWWWWWWWWWWWWWWWDK", "KWWWWWWWWWWWWWWWWWWWWWWWWWWDDK",
        "KWWLLLLLLLLLLLLLLLLLLLLLLLLDDK", "KWWLLLLLLLLLLLLLLLLLLLLLLLLDDK", "KWWLLKKLLLLLLLLLLLLLLLLLLLLDDK",
        "KWWLLKKKKLLLLLLLLLLLLLLLLLLDDK", "KWWLLKKLKKKLLLLLLLLLLLLLLLLDDK", "KWWLLKKLLLKKKLLLLLLLLLLLLLLDDK",
        "KWWLLKKLLLLLKKKLLLLLLLLLLLLDDK", "KWWLLKKLLLLLLLKKKLLLLLLLLLLDDK", "KWWLLKKLLLLLLLLLKKKLLLLLLLLDDK",
        "KWWLLKKLLLLLLLLLLLKKKLLLLLLDDK", "KWWLLKKLLLLLLLLLLLLLKKKLLLLDDK", "KWWLLKKLLLLLLLLLLLLLLLKKKLLDDK",
        "KWWLLKKLLLLLLLLLLLLLLLLLKKLDDK", "KWWLLKKLLLLLLLLLLLLLLLLWWWLDDK", "KWWLLKKLLLLLLLLLLLLLLWWWLLLDDK",
        "KWWLLKKLLLLLLLLLLLLWWWLLLLLDDK", "KWWLLKKLLLLLLLLLLWWWLLLLLLLDDK", "KWWLLKKLLLLLLLLWWWLLLLLLLLLDDK",
        "KWWLLKKLLLLLLWWWLLLLLLLLLLLDDK", "KWWLLKKLLLLWWWLLLLLLLLLLLLLDDK", "KWWLLKKLLWWWLLLLLLLLLLLLLLLDDK",
        "KWWLLKKWWWLLLLLLLLLLLLLLLLLDDK", "KWWLLLLWLLLLLLLLLLLLLLLLLLLDDK", "KWWLLLLLLLLLLLLLLLLLLLLLLLLDDK",
        "KWWDDDDDDDDDDDDDDDDDDDDDDDDDDK", "KWDDDDDDDDDDDDDDDDDDDDDDDDDDDK", "WKKKKKKKKKKKKKKKKKKKKKKKKKKKKW"};
    EXPECT_EQ(button(image(), "RARROWU").rows, reference);
}

std::vector<std::string> strip_cell(const Picture& strip, int row, int column) {
    std::vector<std::string> cell;
    for (int r = 0; r < 13; ++r) cell.push_back(strip.rows[static_cast<std::size_t>(13 * (row - 1) + r)].substr(static_cast<std::size_t>(14 * (column - 1)), 14));
    return cell;
}

TEST_P(ModuleBitmaps, StripHoldsTheTwoReferenceCells) {
    Picture s = strip();
    ASSERT_EQ(s.rows.size(), 39u);
    const std::vector<std::string> empty_radio = {
        "LLLLDDDDLLLLLL", "LLDGGGGGGDLLLL", "LDGDYYYYYGDLLL", "LGDYYYYYYYDLLL", "DGYYYYYYYYYDWL", "DGYYYYYYYYYDWL", "DGYYYYYYYYYDWL",
        "DGYYYYYYYYYDWL", "LGYYYYYYYYYDWL", "LDGYYYYYYYDWLL", "LLDDYYYYYDLWLL", "LLLLDDDDDWWLLL", "LLLLWWWWWLLLLL"};
    const std::vector<std::string> crossed_box = {
        "DDDDDDDDDDDDLL", "DGGGGGGGGGGLWL", "DGYYYYYYYYYLWL", "DGYKKYYYKKYLWL", "DGYKKKYKKKYLWL", "DGYYKKKKKYYLWL", "DGYYYKKKYYYLWL",
        "DGYYKKKKKYYLWL", "DGYKKKYKKKYLWL", "DGYKKYYYKKYLWL", "DGYYYYYYYYYLWL", "DGLLLLLLLLLLWL", "LWWWWWWWWWWWWL"};
    EXPECT_EQ(strip_cell(s, 2, 1), empty_radio);
    EXPECT_EQ(strip_cell(s, 1, 2), crossed_box);
}

TEST_P(ModuleBitmaps, GreenAndYellowBelongToTheStripOnly) {
    for (const char* glyph : kGlyphs)
        for (char state : kStates) {
            Picture p = button(image(), glyph + std::string(1, state));
            EXPECT_FALSE(holds(p, 'G') || holds(p, 'Y')) << glyph << state;
        }
    Picture s = strip();
    EXPECT_TRUE(holds(s, 'G'));
    EXPECT_TRUE(holds(s, 'Y'));
    for (int column : {1, 3}) {
        int c0 = 14 * (column - 1);
        EXPECT_FALSE(holds(s, 'G', 26, 38, c0, c0 + 13) || holds(s, 'Y', 26, 38, c0, c0 + 13)) << "circular image " << column;
        EXPECT_TRUE(holds(s, 'K', 26, 38, c0, c0 + 13) && holds(s, 'W', 26, 38, c0, c0 + 13)) << "circular image " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleBitmaps, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
