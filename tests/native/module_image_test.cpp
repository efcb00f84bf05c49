// The image of both builds: format, hardening, imports, version record, and
// the equality of their resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "built_modules.h"
#include "version_info.h"

namespace torvik::test {
namespace {

class ModuleImage : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
    bool is_twin() const { return std::string(GetParam().arch) == "x86_64"; }
};

TEST_P(ModuleImage, IsADllOfItsArchitecture) {
    EXPECT_EQ(image().is_pe32_plus(), is_twin());
    EXPECT_EQ(image().machine(), is_twin() ? pe::kMachineAmd64 : pe::kMachineI386);
    EXPECT_TRUE(image().characteristics() & 0x2000) << "IMAGE_FILE_DLL is not set";
    EXPECT_EQ(image().timestamp(), 0u) << "a timestamp would make two builds differ";
}

TEST_P(ModuleImage, IsHardened) {
    std::uint16_t dc = image().dll_characteristics();
    EXPECT_TRUE(dc & pe::kDllCharDynamicBase);
    EXPECT_TRUE(dc & pe::kDllCharNxCompat);
    EXPECT_EQ(static_cast<bool>(dc & pe::kDllCharHighEntropyVa), is_twin());
    for (const pe::Section& s : image().sections())
        EXPECT_FALSE(s.writable() && s.executable()) << "section " << s.name << " is writable and executable";
}

TEST_P(ModuleImage, ImportsOnlySystemLibraries) {
    const std::string system[] = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll"};
    for (const pe::ImportedDll& dll : image().imports()) {
        std::string name = dll.dll_name;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_NE(std::find(std::begin(system), std::end(system), name), std::end(system))
            << dll.dll_name << " is not a system library";
    }
}

TEST_P(ModuleImage, ExportsExactlyTheTwoEntryPointsByPlainName) {
    pe::Exports ex = image().exports();
    EXPECT_EQ(ex.dll_name, "TORVIK.dll");
    EXPECT_EQ(ex.ordinal_base, 2u) << "there is no ordinal 1";
    ASSERT_EQ(ex.functions.size(), 2u);
    EXPECT_EQ(ex.functions[0].ordinal, 2u);
    EXPECT_EQ(ex.functions[0].name, "FilterDllMsg");
    EXPECT_EQ(ex.functions[1].ordinal, 3u);
    EXPECT_EQ(ex.functions[1].name, "ProcessDllIdle");
    EXPECT_EQ(ex.timestamp, 0u);
}

TEST_P(ModuleImage, CarriesItsVersionRecord) {
    const pe::ResourceLeaf* leaf =
        image().find_resource(pe::ResourceKey::number(pe::kRtVersion), pe::ResourceKey::number(1), 1033);
    ASSERT_NE(leaf, nullptr);
    pe::VersionInfo v = pe::decode_version(image().resource_data(*leaf));
    EXPECT_EQ(pe::version_string(v.fixed.file_version_ms, v.fixed.file_version_ls), "2.0.0.0");
    EXPECT_EQ(pe::version_string(v.fixed.product_version_ms, v.fixed.product_version_ls), "2.0.0.0");
    EXPECT_EQ(v.fixed.flags_mask, 0x3Fu);
    EXPECT_EQ(v.fixed.flags, 0u);
    EXPECT_EQ(v.fixed.os, 0x00040004u);
    EXPECT_EQ(v.fixed.type, 2u);
    EXPECT_EQ(v.fixed.subtype, 0u);
    EXPECT_EQ(v.fixed.date_ms | v.fixed.date_ls, 0u);

    ASSERT_EQ(v.string_tables.size(), 1u);
    EXPECT_EQ(v.string_tables[0].key, u"040904b0");
    std::vector<std::u16string> keys;
    std::map<std::u16string, std::u16string> values;
    for (const auto& [k, val] : v.string_tables[0].values) {
        keys.push_back(k);
        values[k] = val;
    }
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"CompanyName", u"FileDescription", u"FileVersion", u"InternalName",
                                                  u"LegalCopyright", u"OriginalFilename", u"ProductName", u"ProductVersion"}));
    EXPECT_EQ(values[u"FileDescription"], u"BELMORA");
    EXPECT_EQ(values[u"FileVersion"], u"2, 0, 0, 0");
    EXPECT_EQ(values[u"InternalName"], u"BELMORA");
    EXPECT_EQ(values[u"OriginalFilename"], u"BELMORA.dll");
    EXPECT_EQ(values[u"ProductName"], values[u"CompanyName"] + u" BELMORA");
    EXPECT_EQ(values[u"ProductVersion"], u"2, 0, 0, 0");
    EXPECT_FALSE(values[u"LegalCopyright"].empty());
    EXPECT_EQ(v.translations, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{0x0409, 0x04B0}}));
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleImage, testing::ValuesIn(kBuiltModules), arch_name);

TEST(BothBuilds, HoldEqualResources) {
    const pe::PeImage& a = load_module(TORVIK_MODULE_I686);
    const pe::PeImage& b = load_module(TORVIK_MODULE_X86_64);
    ASSERT_EQ(a.resources().size(), b.resources().size());
    for (const pe::ResourceLeaf& leaf : a.resources()) {
        std::string what = "resource type " + leaf.type.to_string() + " name " + leaf.name.to_string() + " language " +
                           std::to_string(leaf.language);
        const pe::ResourceLeaf* twin = b.find_resource(leaf.type, leaf.name, leaf.language);
        ASSERT_NE(twin, nullptr) << what << " is missing from the twin";
        auto x = a.resource_data(leaf).bytes();
        auto y = b.resource_data(*twin).bytes();
        EXPECT_TRUE(std::equal(x.begin(), x.end(), y.begin(), y.end())) << what << " differs between the builds";
    }
}

}  // namespace
}  // namespace torvik::test
