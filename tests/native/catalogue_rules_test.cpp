// The catalogue rules on single texts, near the edge of each rule. The
// fixture modules in tests/fixtures/modules show the same rules through the
// inspector's check command.
#include <gtest/gtest.h>

#include "catalogue_rules.h"

namespace torvik::test {
namespace {

struct RuleCase {
    std::uint16_t id;
    std::u16string text;
    std::vector<std::string> rules;  // the rules broken, in report order
};

class CatalogueRules : public testing::TestWithParam<RuleCase> {};

TEST_P(CatalogueRules, ReportsExactlyTheBrokenRules) {
    const RuleCase& c = GetParam();
    std::vector<std::string> rules;
    for (const pe::Violation& v : pe::check_text(c.id, c.text)) rules.push_back(v.rule);
    EXPECT_EQ(rules, c.rules);
}

INSTANTIATE_TEST_SUITE_P(Texts, CatalogueRules, testing::Values(
    RuleCase{57344, u"KORVANEX Plus", {}},
    RuleCase{1025, u"Line one\nline two\r\n", {}},
    RuleCase{1141, u"                                         indented", {}},
    RuleCase{1000, u"", {"empty"}},
    RuleCase{1000, u"tab\there", {"characters"}},
    RuleCase{1000, u"bell\a", {"characters"}},
    RuleCase{1000, u"caf\u00e9", {"characters"}},
    RuleCase{1000, u"del\u007f", {"characters"}},
    RuleCase{1019, u"Entry in field #%d cannot be blank.", {}},
    RuleCase{7402, u"%s explains %d%% of the variance", {}},
    RuleCase{5001, u"% confidence intervals", {}},
    RuleCase{962, u"Replace %1 with %2?", {}},
    RuleCase{3648, u"{3}", {}},
    RuleCase{3648, u"{x} and {} are not placeholders, 50% is shown as it is", {}},
    RuleCase{1000, u"%d rows of {1}", {"placeholder-kinds"}},
    RuleCase{1000, u"%1 of %s", {"placeholder-kinds"}},
    RuleCase{1000, u"%1 of {2}", {"placeholder-kinds"}},
    RuleCase{8511, u"%%", {}},
    RuleCase{8514, u"90%% of the cases", {}},
    RuleCase{8515, u"90%% of the cases", {"percent-sign"}},
    RuleCase{8510, u"90%% of the cases", {"percent-sign"}},
    RuleCase{1000, u"%%d is literal", {"percent-sign"}},
    RuleCase{1000, u"%d at the 5% level", {"lone-percent"}},
    RuleCase{1000, u"%s ends in %", {"lone-percent"}},
    RuleCase{1000, u"%s with %x", {"lone-percent"}},
    RuleCase{8512, u"90%% and 5% both", {"lone-percent"}}));

TEST(CatalogueRules, ViolationNamesIdentifierRuleAndEscapedText) {
    std::vector<pe::Violation> v = pe::check_text(1000, u"a\tb");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].to_string(),
              "text 1000: characters: U+0009 at column 2 is not printable ASCII, a line feed or a carriage return: \"a\\tb\"");
}

}  // namespace
}  // namespace torvik::test
