// The shared commentary (6391-8409) as both builds store it: which identifiers
// carry a text, each text's placeholders and percent signs, its kind, the
// host's command words and thresholds it names, and the texts stored twice.
// The texts are checked by their roles, never against a copy of their wording.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue_plan.h"
#include "catalogue_rules.h"
#include "commentary_ids.h"
#include "commentary_test_support.h"
#include "string_table.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {
namespace {

std::set<std::uint16_t> id_range(std::uint16_t first, std::uint16_t last) {
    std::set<std::uint16_t> out;
    for (std::uint32_t id = first; id <= last; ++id) out.insert(static_cast<std::uint16_t>(id));
    return out;
}

std::set<std::uint16_t> ids(std::initializer_list<std::set<std::uint16_t>> parts) {
    std::set<std::uint16_t> out;
    for (const auto& p : parts) out.insert(p.begin(), p.end());
    return out;
}

class SharedCommentary : public CommentaryFamilyTest {
protected:
    SharedCommentary() : CommentaryFamilyTest(IDS_SHARED_COMMENTARY_FIRST, IDS_SHARED_COMMENTARY_LAST) {}
};


TEST_P(SharedCommentary, CarriesTextsExactlyOnThePlansRuns) {
    const plan::Family* family = plan::family_of(IDS_SHARED_COMMENTARY_FIRST);
    ASSERT_NE(family, nullptr);
    std::vector<std::uint16_t> missing, unexpected;
    for (std::uint32_t id = IDS_SHARED_COMMENTARY_FIRST; id <= IDS_SHARED_COMMENTARY_LAST; ++id) {
        auto id16 = static_cast<std::uint16_t>(id);
        bool planned = plan::on_runs(*family, id16), stored = texts().count(id16) == 1;
        if (planned && !stored) missing.push_back(id16);
        if (!planned && stored) unexpected.push_back(id16);
    }
    EXPECT_TRUE(missing.empty()) << "first missing: " << (missing.empty() ? 0 : missing.front());
    EXPECT_TRUE(unexpected.empty()) << "first unexpected: " << (unexpected.empty() ? 0 : unexpected.front());
    EXPECT_EQ(texts().size(), 241u);
    // The gaps between the families of the commentary, whatever the runs say.
    for (std::uint16_t id : {6393, 7348, 7350, 7379, 7400, 7451, 7452, 7478, 7500, 7526, 7550, 7560, 8044, 8355})
        EXPECT_EQ(texts().count(id), 0u) << id;
}

TEST_P(SharedCommentary, PlaceholdersFollowEachRole) {
    // Identifier and its conversions in order; every other text has none.
    // s: a name, a list, a model word; d: a count or an order.
    const std::map<std::uint16_t, std::string> expected = {
        {6391, "sss"}, {6392, "s"},    {6397, "sss"}, {6398, "sss"}, {6399, "sss"}, {6400, "ssss"},
        {7351, "sss"}, {7352, "sss"},  {7354, "ss"},  {7355, "ss"},  {7356, "ss"},  {7357, "ss"},
        {7359, "s"},   {7373, "s"},    {7381, "s"},   {7392, "s"},   {7395, "s"},   {7402, "s"},
        {7406, "d"},   {7407, "d"},    {7408, "dd"},  {7409, "d"},   {7417, "d"},   {7418, "d"},
        {7419, "dd"},  {7420, "d"},    {7422, "sss"}, {7423, "sss"}, {7426, "ss"},  {7430, "ss"},
        {7431, "ss"},  {7432, "s"},    {7434, "s"},   {7435, "s"},   {7436, "s"},   {7439, "s"},
        {7440, "s"},   {7450, "d"},    {7458, "s"},   {7491, "d"},   {7501, "s"},   {7503, "s"},
        {7504, "s"},   {7530, "d"},    {7551, "s"},   {7552, "ss"},  {7554, "dd"},  {7555, "dd"},
        {7563, "s"},   {8026, "s"},    {8031, "ss"},  {8032, "ds"},  {8033, "ds"},  {8331, "ss"},
        {8358, "d"},   {8362, "d"},    {8406, "ss"},
    };
    ASSERT_EQ(expected.size(), 57u);
    for (const auto& [id, t] : texts()) {
        auto it = expected.find(id);
        EXPECT_EQ(conversions(t), it == expected.end() ? "" : it->second) << quoted(id);
        pe::PlaceholderScan scan = pe::scan_placeholders(t);
        EXPECT_EQ(scan.numbered + scan.braced, 0) << quoted(id);
    }
}

TEST_P(SharedCommentary, PercentSignsStandOnlyWithALevelOrAPercentage) {
    // Endings and list items printed after a confidence level, an R-squared
    // value, a difference of R-squared values or a risk; and the texts that
    // state a level themselves: the band variants and the order suggestions.
    const std::set<std::uint16_t> after_a_percentage = {7359, 7383, 7384, 7395, 7426, 7428, 7430, 7431, 7458,
                                                        7485, 7508, 7509, 8029, 8037, 8038, 8039, 8040, 8041,
                                                        8338, 8339, 8342, 8361, 8373, 8374};
    std::set<std::uint16_t> stating_a_level = {7554, 7555};
    for (const commentary::BandSet* set : commentary::shared_band_sets)
        stating_a_level.insert(set->statement.begin(), set->statement.end());
    // Not rejecting the lack-of-fit test shows no level: the model is called adequate.
    for (std::uint16_t id : {IDS_LACK_OF_FIT_ADEQUATE, IDS_POLYNOMIAL_LACK_OF_FIT_ADEQUATE}) stating_a_level.erase(id);

    std::size_t doubled = 0, single = 0;
    for (const auto& [id, t] : texts()) {
        pe::PlaceholderScan scan = pe::scan_placeholders(t);
        bool has_percent = scan.double_percent > 0 || !scan.lone_percents.empty();
        EXPECT_EQ(has_percent, after_a_percentage.count(id) + stating_a_level.count(id) > 0) << quoted(id);
        if (after_a_percentage.count(id)) EXPECT_EQ(t.front(), u'%') << quoted(id);
        if (!has_percent) continue;
        // "%%" exactly where the host formats the text, a single "%" elsewhere.
        if (scan.printf_style > 0) {
            EXPECT_TRUE(scan.lone_percents.empty()) << quoted(id);
            ++doubled;
        } else {
            EXPECT_EQ(scan.double_percent, 0) << quoted(id);
            ++single;
        }
    }
    // This family's share of the catalogue's percent-sign figures.
    EXPECT_EQ(doubled, 12u);
    EXPECT_EQ(single, 32u);
}

enum class Kind { sentence, announcing, opening, ending, unclosed_ending, lead_in, list_item, word, unclosed };

std::map<std::uint16_t, Kind> kinds() {
    std::map<std::uint16_t, Kind> out;
    auto mark = [&](Kind k, const std::set<std::uint16_t>& ids) {
        for (std::uint16_t id : ids) out[id] = k;
    };
    mark(Kind::opening, {7358, 7365, 7369, 7392, 7394, 7413, 7425, 7427, 7429, 7457, 7459, 7460, 7462,
                         7484, 7541, 8028, 8036, 8337, 8341, 8346, 8348, 8358, 8359, 8360, 8371, 8372});
    mark(Kind::ending, ids({id_range(7360, 7364), id_range(7366, 7368), id_range(8037, 8041),
                            {7395, 7426, 7428, 7430, 7431, 7458, 7463, 7485, 8029, 8338, 8339, 8342, 8361, 8373,
                             8374}}));
    mark(Kind::unclosed_ending, {7359, 7492});  // the host adds an ending or its period
    mark(Kind::unclosed, {7489, 7490, 7491});   // followed by 7492 or the host's period
    mark(Kind::lead_in, {7353, 7424});
    mark(Kind::list_item, ids({{7383, 7384}, id_range(7503, 7509)}));
    mark(Kind::word, ids({id_range(7336, 7347), {7349}}));
    mark(Kind::announcing, {7382, 7502});  // sentences ending in a colon before list items
    return out;
}

TEST_P(SharedCommentary, EachKindCarriesItsOwnSpacesAndPunctuation) {
    const std::map<std::uint16_t, Kind> kind_of = kinds();
    for (const auto& [id, t] : texts()) {
        ASSERT_FALSE(t.empty());
        auto it = kind_of.find(id);
        Kind kind = it == kind_of.end() ? Kind::sentence : it->second;
        char16_t first = t.front(), last = t.back();
        bool capital = first >= u'A' && first <= u'Z';
        EXPECT_FALSE(contains(t, u"  ")) << quoted(id);
        switch (kind) {
            case Kind::sentence:
            case Kind::announcing:
                EXPECT_TRUE(capital) << quoted(id);
                EXPECT_EQ(last, kind == Kind::sentence ? u'.' : u':') << quoted(id);
                break;
            case Kind::opening:
                EXPECT_TRUE(capital) << quoted(id);
                EXPECT_EQ(last, u' ') << quoted(id);
                EXPECT_NE(t[t.size() - 2], u'.') << quoted(id);
                break;
            case Kind::ending:
            case Kind::unclosed_ending:
                EXPECT_TRUE(first == u' ' || first == u',' || first == u'%') << quoted(id);
                EXPECT_EQ(last == u'.', kind == Kind::ending) << quoted(id);
                EXPECT_NE(last, u' ') << quoted(id);
                break;
            case Kind::unclosed:
            case Kind::lead_in:
                EXPECT_TRUE(capital) << quoted(id);
                EXPECT_TRUE(last != u'.' && last != u' ' && last != u':') << quoted(id);
                break;
            case Kind::list_item:
                EXPECT_TRUE((first >= u'a' && first <= u'z') || first == u'%') << quoted(id);
                // The residual's item ends with its space; no item ends with a period.
                EXPECT_EQ(last == u' ', id == 7505) << quoted(id);
                EXPECT_NE(t[t.find_last_not_of(u' ')], u'.') << quoted(id);
                break;
            case Kind::word:
                EXPECT_NE(first, u' ') << quoted(id);
                EXPECT_NE(last, u' ') << quoted(id);
                EXPECT_FALSE(contains(t, u".")) << quoted(id);
                break;
        }
        if (kind != Kind::ending && kind != Kind::unclosed_ending) EXPECT_NE(first, u' ') << quoted(id);
    }
}

TEST_P(SharedCommentary, EqualTextsAreStoredAtEachOfTheirIdentifiersAndNoOthersAreEqual) {
    std::vector<std::pair<std::uint16_t, std::uint16_t>> equal = {
        {7351, 7422}, {7352, 7423}, {7358, 7457}, {7369, 7460}, {7370, 7461}, {7377, 7567},
        {7378, 7568}, {7426, 7430}, {7437, 7441}, {7547, 7549}, {8027, 8332}};
    for (std::uint16_t i = 0; i < 5; ++i) equal.emplace_back(7371 + i, 7561 + i);
    for (auto [a, b] : equal) EXPECT_EQ(pe::escape(text(a)), pe::escape(text(b))) << a << " and " << b;
    // Every other pair differs: no text was copied where its role differs.
    std::set<std::pair<std::uint16_t, std::uint16_t>> listed(equal.begin(), equal.end());
    std::map<std::u16string, std::uint16_t> first_with;
    for (const auto& [id, t] : texts()) {
        auto [it, fresh] = first_with.emplace(t, id);
        if (!fresh) EXPECT_TRUE(listed.count({it->second, id})) << id << " repeats " << it->second;
    }
}

TEST_P(SharedCommentary, ArticlePairsDifferOnlyInTheArticle) {
    for (const commentary::ArticlePair& pair : {commentary::fit_sentence, commentary::fitted_plot_sentence}) {
        std::u16string a = text(pair.a), an = text(pair.an);
        std::size_t at = an.find(u" an %s");
        ASSERT_NE(at, std::u16string::npos) << quoted(pair.an);
        EXPECT_EQ(pe::escape(an.replace(at, 6, u" a %s")), pe::escape(a)) << pair.a << " and " << pair.an;
    }
}

TEST_P(SharedCommentary, NameTheHostsCommandsInItsOwnWords) {
    const std::vector<std::pair<std::uint16_t, std::vector<std::u16string>>> commands = {
        {6395, {u"analysis toolbar", u"which looks like an eye"}},
        {6396, {u"the alternate mouse button", u"Pane Options", u"the Factors button"}},
        {7370, {u"the Forecasts option", u"the text menu"}},
        {7461, {u"the Forecasts option", u"the text menu"}},
        {7477, {u"the Reports option", u"the text menu"}},
        {7376, {u"Analysis Options dialog box"}},
        {7396, {u"Analysis Options dialog box"}},
        {7543, {u"Analysis Options dialog box"}},
        {7566, {u"Analysis Options dialog box"}},
        {8030, {u"Means Plot", u"the list of Graphical Options"}},
        {8343, {u"Means Plot", u"the list of Graphical Options"}},
        {8344, {u"Multiple Range Tests"}},
        {8409, {u"Multiple Range Tests", u"the list of Tabular Options"}},
    };
    for (const auto& [id, words] : commands)
        for (const std::u16string& w : words)
            EXPECT_TRUE(contains(text(id), w)) << quoted(id) << " lacks " << pe::escape(w);
}

TEST_P(SharedCommentary, StateTheirThresholds) {
    std::vector<std::pair<std::uint16_t, std::vector<std::u16string>>> thresholds = {
        {7401, {u"2.0"}}, {7403, {u"2.0"}}, {7410, {u"3.0"}},
        {7411, {u"3 times"}}, {7414, {u"3 times"}}, {7421, {u"5 times"}}, {7446, {u"3 times"}},
        {7438, {u"-3 to +3"}}, {7465, {u"less than 1.4"}}, {7467, {u"greater than 1.4"}},
        {7543, {u"by 1"}}, {7554, {u"0.01"}}, {7555, {u"0.05"}},
    };
    for (std::uint16_t id = 7404; id <= 7409; ++id) thresholds.push_back({id, {u"2.0", u"3.0"}});
    for (std::uint16_t id = 7415; id <= 7420; ++id) thresholds.push_back({id, {u"3 times", u"5 times"}});
    for (std::uint16_t id = 7489; id <= 7491; ++id) thresholds.push_back({id, {u"0.5"}});
    for (const auto& [id, values] : thresholds)
        for (const std::u16string& v : values)
            EXPECT_TRUE(contains(text(id), v)) << quoted(id) << " lacks " << pe::escape(v);
}

TEST_P(SharedCommentary, BandVariantsStateTheirThresholdAndLevel) {
    // A lack-of-fit test that does not reject vouches for no confidence level.
    expect_band_wording(commentary::shared_band_sets, {IDS_LACK_OF_FIT_ADEQUATE, IDS_POLYNOMIAL_LACK_OF_FIT_ADEQUATE});
}

TEST_P(SharedCommentary, StayShorterThanTheCataloguesLongestText) {
    for (const auto& [id, t] : texts()) EXPECT_LT(t.size(), 214u) << quoted(id);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, SharedCommentary, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
