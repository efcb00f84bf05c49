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

TEST_P(ModuleCatalogue, ServesTheFrameworksStandardTexts) {
    EXPECT_EQ(pe::load_string(image(), IDS_FRAMEWORK_NO_ERROR_MESSAGE), u"No error message is available.");
    EXPECT_EQ(pe::load_string(image(), IDS_FRAMEWORK_HELP_FAILED), u"Failed to launch help.");
    // The framework's entry prompts are the catalogue's own: each equals its
    // twin among 961-965, word for word.
    const std::pair<std::uint16_t, std::uint16_t> twins[] = {
        {IDS_FRAMEWORK_ENTER_INTEGER, 963}, {IDS_FRAMEWORK_ENTER_NUMBER, 961},
        {IDS_FRAMEWORK_ENTER_INTEGER_RANGE, 964}, {IDS_FRAMEWORK_ENTER_NUMBER_RANGE, 962},
        {IDS_FRAMEWORK_ENTER_SHORTER_TEXT, 965}};
    for (auto [framework_id, prompt_id] : twins) {
        auto framework_text = pe::load_string(image(), framework_id);
        ASSERT_TRUE(framework_text.has_value()) << framework_id;
        auto prompt = pe::load_string(image(), prompt_id);
        ASSERT_TRUE(prompt.has_value()) << prompt_id;
        EXPECT_EQ(*prompt, *framework_text) << prompt_id;
    }
}

TEST_P(ModuleCatalogue, KeepsEveryCatalogueRule) {
    std::vector<pe::Violation> violations = pe::check_catalogue(image());
    for (const pe::Violation& v : violations) ADD_FAILURE() << v.to_string();
    EXPECT_FALSE(pe::all_strings(image()).empty());
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleCatalogue, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
