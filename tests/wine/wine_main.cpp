// Runs the Wine suites: wmain takes --module=PATH after GoogleTest's own flags.
#include <gtest/gtest.h>

#include <cstdio>

#include "module_under_test.h"

namespace torvik::wine {
namespace {
std::wstring g_module_path;
}
const std::wstring& module_path() { return g_module_path; }
}  // namespace torvik::wine

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::wstring flag = L"--module=";
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a.rfind(flag, 0) == 0) torvik::wine::g_module_path = a.substr(flag.size());
    }
    if (torvik::wine::g_module_path.empty()) {
        std::fprintf(stderr, "usage: torvik_wine_tests --module=PATH [gtest flags]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
