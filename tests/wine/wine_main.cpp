// Runs the Wine suites. After GoogleTest's own flags, wmain takes the paths
// the suites read, as Wine sees them (Z:\...):
//   --module=PATH     the product twin            (required)
//   --probe=PATH      its probe build             (required)
//   --strings=PATH    the reader's listing of the twin's texts
//   --resources=PATH  the reader's listing of the twin's resources
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>

#include "module_under_test.h"

namespace torvik::wine {
namespace {

struct PathFlag {
    const wchar_t* prefix;
    bool required;
    std::wstring value;
};
PathFlag g_flags[] = {
    {L"--module=", true, {}}, {L"--probe=", true, {}}, {L"--strings=", false, {}}, {L"--resources=", false, {}}};

}  // namespace
const std::wstring& module_path() { return g_flags[0].value; }
const std::wstring& probe_path() { return g_flags[1].value; }
const std::wstring& expected_strings_path() { return g_flags[2].value; }
const std::wstring& expected_resources_path() { return g_flags[3].value; }
}  // namespace torvik::wine

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        for (auto& flag : torvik::wine::g_flags)
            if (a.rfind(flag.prefix, 0) == 0) flag.value = a.substr(std::wcslen(flag.prefix));
    }
    for (const auto& flag : torvik::wine::g_flags)
        if (flag.required && flag.value.empty()) {
            std::fprintf(stderr, "usage: torvik_wine_tests --module=PATH --probe=PATH [--strings=PATH] [--resources=PATH] [gtest flags]\n");
            return 2;
        }
    return RUN_ALL_TESTS();
}
