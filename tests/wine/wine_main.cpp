// Runs the Wine suites: wmain takes --module=PATH, --probe=PATH and
// --strings=PATH (the reader's listing of the twin's texts) after GoogleTest's
// own flags.
#include <gtest/gtest.h>

#include <cstdio>

#include "module_under_test.h"

namespace torvik::wine {
namespace {
std::wstring g_module_path;
std::wstring g_probe_path;
std::wstring g_strings_path;
}  // namespace
const std::wstring& module_path() { return g_module_path; }
const std::wstring& probe_path() { return g_probe_path; }
const std::wstring& expected_strings_path() { return g_strings_path; }
}  // namespace torvik::wine

int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::wstring module_flag = L"--module=", probe_flag = L"--probe=", strings_flag = L"--strings=";
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        if (a.rfind(module_flag, 0) == 0) torvik::wine::g_module_path = a.substr(module_flag.size());
        if (a.rfind(probe_flag, 0) == 0) torvik::wine::g_probe_path = a.substr(probe_flag.size());
        if (a.rfind(strings_flag, 0) == 0) torvik::wine::g_strings_path = a.substr(strings_flag.size());
    }
    if (torvik::wine::g_module_path.empty() || torvik::wine::g_probe_path.empty()) {
        std::fprintf(stderr, "usage: torvik_wine_tests --module=PATH --probe=PATH [--strings=PATH] [gtest flags]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
