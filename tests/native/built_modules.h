// The two builds of the module and the fixture modules, as the tests read them.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "pe_image.h"

namespace torvik::test {

struct BuiltModule {
    const char* arch;
    const char* path;
};

inline constexpr BuiltModule kBuiltModules[] = {
    {"i686", TORVIK_MODULE_I686},
    {"x86_64", TORVIK_MODULE_X86_64},
};

// Each file is read once per test program.
inline const pe::PeImage& load_module(const std::string& path) {
    static std::map<std::string, pe::PeImage> cache;
    auto it = cache.find(path);
    if (it == cache.end()) it = cache.emplace(path, pe::PeImage::load_file(path)).first;
    return it->second;
}

inline std::string fixture_path(const std::string& name) { return std::string(TORVIK_FIXTURES) + "/" + name + ".dll"; }

// Test names and messages show the architecture, not the bytes of the record.
inline void PrintTo(const BuiltModule& m, std::ostream* os) { *os << m.arch; }

inline std::string arch_name(const testing::TestParamInfo<BuiltModule>& info) { return info.param.arch; }

}  // namespace torvik::test
