// The text catalogue of both builds, read as the platform's LoadString reads it.
#include <gtest/gtest.h>

#include "built_modules.h"
#include "catalogue_rules.h"
#include "string_table.h"
#include "text_ids.h"

namespace torvik::test {
namespace {

class ModuleCatalogue : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
};

TEST_P(ModuleCatalogue, ServesTheApplicationTitle) {
    auto title = pe::load_string(image(), IDS_APP_TITLE, pe::kCatalogueLanguage);
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(*title, u"KORVANEX Plus");
}

TEST_P(ModuleCatalogue, NeighboursOfTheTitleCarryNoText) {
    // 57345 shares the title's block; 57343 lies in a block that is absent.
    EXPECT_FALSE(pe::load_string(image(), IDS_APP_TITLE + 1).has_value());
    EXPECT_FALSE(pe::load_string(image(), IDS_APP_TITLE - 1).has_value());
    const auto* absent_block = image().find_resource(pe::ResourceKey::number(pe::kRtString),
                                                     pe::ResourceKey::number((IDS_APP_TITLE - 1) / 16 + 1));
    EXPECT_EQ(absent_block, nullptr);
}

TEST_P(ModuleCatalogue, KeepsEveryCatalogueRule) {
    std::vector<pe::Violation> violations = pe::check_catalogue(image());
    for (const pe::Violation& v : violations) ADD_FAILURE() << v.to_string();
    EXPECT_FALSE(pe::all_strings(image()).empty());
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleCatalogue, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
