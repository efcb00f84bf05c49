// The twin's bitmaps loaded by the platform: by name, by number, in any case.
#include <gtest/gtest.h>

#include <string>

#include "bitmap_ids.h"
#include "module_under_test.h"

namespace torvik::wine {
namespace {

const char* const kGlyphs[] = TORVIK_GLYPH_NAMES;
const std::string kStates = TORVIK_STATE_LETTERS;

std::wstring widen(const std::string& s) { return {s.begin(), s.end()}; }

// The size of a loaded bitmap, or 0 by 0 when it failed to load.
SIZE loaded_size(HMODULE module, LPCWSTR name) {
    HBITMAP bitmap = LoadBitmapW(module, name);
    if (!bitmap) return {0, 0};
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    DeleteObject(bitmap);
    return {info.bmWidth, info.bmHeight};
}

TEST(Bitmaps, LoadByNameAs30By30AndNotByAnyOtherLetter) {
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);
    for (const char* glyph : kGlyphs) {
        for (char state : kStates) {
            SIZE size = loaded_size(m.get(), widen(glyph + std::string(1, state)).c_str());
            EXPECT_EQ(size.cx, 30) << glyph << state;
            EXPECT_EQ(size.cy, 30) << glyph << state;
        }
        for (const char* wrong : {"A", "E", "N", "Z", "", "UU"})
            EXPECT_EQ(LoadBitmapW(m.get(), widen(glyph + std::string(wrong)).c_str()), nullptr) << glyph << wrong;
    }
}

TEST(Bitmaps, LoadTheStripByNumber) {
    LoadedModule m;
    SIZE size = loaded_size(m.get(), MAKEINTRESOURCEW(IDB_SYMBOL_STRIP));
    EXPECT_EQ(size.cx, 70);
    EXPECT_EQ(size.cy, 39);
}

TEST(Bitmaps, AreFoundByNameInAnyLetterCase) {
    LoadedModule m;
    for (const char* name : {"RARROWU", "rarrowu", "RaRrOwD", "paren(x", "Paren)F", "starf"})
        EXPECT_NE(FindResourceW(m.get(), widen(name).c_str(), MAKEINTRESOURCEW(2)), nullptr) << name;
}

}  // namespace
}  // namespace torvik::wine
