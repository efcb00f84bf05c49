// Every identifier 0-65535 looked up by the platform as a dialog and as a
// bitmap: exactly the resources the reader lists are found, and every named
// bitmap too.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "module_under_test.h"

namespace torvik::wine {
namespace {

struct Listing {
    std::set<unsigned> dialogs, numbered_bitmaps;
    std::set<std::wstring> named_bitmaps;
};

// Lines of `torvik-inspect resources`: type, name (a number or "TEXT"), language, size.
Listing read_listing(const std::wstring& path) {
    Listing out;
    std::ifstream in{std::filesystem::path(path)};
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string type, name;
        fields >> type >> name;
        if (type == "5") out.dialogs.insert(static_cast<unsigned>(std::stoul(name)));
        if (type == "2" && name.front() == '"') out.named_bitmaps.insert(std::wstring(name.begin() + 1, name.end() - 1));
        else if (type == "2") out.numbered_bitmaps.insert(static_cast<unsigned>(std::stoul(name)));
    }
    return out;
}

TEST(ResourceSweep, FindsExactlyTheListedDialogsAndBitmaps) {
    ASSERT_FALSE(expected_resources_path().empty()) << "run with --resources=PATH";
    Listing expected = read_listing(expected_resources_path());
    ASSERT_FALSE(expected.dialogs.empty());
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);
    std::set<unsigned> dialogs, bitmaps;
    for (unsigned id = 0; id <= 0xffff; ++id) {
        if (FindResourceW(m.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5))) dialogs.insert(id);
        if (FindResourceW(m.get(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2))) bitmaps.insert(id);
    }
    EXPECT_EQ(dialogs, expected.dialogs);
    EXPECT_EQ(bitmaps, expected.numbered_bitmaps);
    for (const std::wstring& name : expected.named_bitmaps)
        EXPECT_NE(FindResourceW(m.get(), name.c_str(), MAKEINTRESOURCEW(2)), nullptr);
    std::printf("FindResourceW found %zu dialogs and %zu numbered bitmaps among identifiers 0-65535, and %zu named bitmaps\n",
                dialogs.size(), bitmaps.size(), expected.named_bitmaps.size());
}

}  // namespace
}  // namespace torvik::wine
