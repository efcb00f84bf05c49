// The whole catalogue's figures, as the build's check reports them, over both builds.
#include <gtest/gtest.h>

#include "built_modules.h"
#include "catalogue_rules.h"

namespace torvik::test {
namespace {

class CatalogueFigures : public testing::TestWithParam<BuiltModule> {};

TEST_P(CatalogueFigures, HoldOverTheOwnTexts) {
    pe::CatalogueFigures f = pe::catalogue_figures(load_module(GetParam().path));
    EXPECT_EQ(f.own_texts, 1480u);
    EXPECT_EQ(f.printf_style, 144u);
    EXPECT_EQ(f.with_s, 96u);
    EXPECT_EQ(f.with_d, 55u);
    EXPECT_EQ(f.with_both, 7u);
    EXPECT_EQ(f.printf_and_percent, 29u);
    EXPECT_EQ(f.percent_only, 4u);
    EXPECT_EQ(f.single_percent, 89u);
    EXPECT_EQ(f.leading_space, 91u);
    EXPECT_EQ(f.trailing_space, 194u);
    EXPECT_EQ(f.longest, 214u);
    EXPECT_EQ(f.longest_id, 8530u);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, CatalogueFigures, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
