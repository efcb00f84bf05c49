// The add-on's commentary (8501-8912) as both builds store it: which
// identifiers carry a text, each text's placeholders and percent signs, its
// kind, the command words and thresholds it names, and the texts stored twice
// (also those equal to report pieces and to the shared commentary). The texts
// are checked by their roles, never against a copy of their wording.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "addon_commentary_ids.h"
#include "commentary_test_support.h"
#include "catalogue_plan.h"
#include "catalogue_rules.h"
#include "string_table.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {
namespace {

class AddonCommentary : public CommentaryFamilyTest {
protected:
    AddonCommentary() : CommentaryFamilyTest(IDS_ADDON_COMMENTARY_FIRST, IDS_ADDON_COMMENTARY_LAST) {}
};

TEST_P(AddonCommentary, CarriesTextsExactlyOnThePlansRuns) {
    const plan::Family* family = plan::family_of(IDS_ADDON_COMMENTARY_FIRST);
    ASSERT_NE(family, nullptr);
    std::size_t expected = 0;
    for (std::uint32_t id = IDS_ADDON_COMMENTARY_FIRST; id <= IDS_ADDON_COMMENTARY_LAST; ++id) {
        bool on_run = plan::on_runs(*family, static_cast<std::uint16_t>(id));
        expected += on_run;
        EXPECT_EQ(all().count(static_cast<std::uint16_t>(id)), on_run ? 1u : 0u) << id;
    }
    EXPECT_EQ(expected, 316u);
    EXPECT_EQ(texts().size(), 316u);
}

TEST_P(AddonCommentary, PlaceholdersFollowEachRole) {
    // s: a name, a list of names, a condition, a term, a model word; d: a count.
    const std::map<std::uint16_t, std::string> expected = {
        {8501, "sss"}, {8503, "s"}, {8506, "d"}, {8507, "d"}, {8508, "ds"}, {8509, "s"}, {8510, "s"}, {8522, "s"},
        {8523, "s"}, {8524, "s"}, {8525, "s"}, {8527, "s"}, {8528, "s"}, {8529, "s"}, {8530, "s"}, {8551, "sd"},
        {8552, "dd"}, {8558, "s"}, {8562, "s"}, {8564, "ddd"}, {8566, "s"}, {8567, "d"}, {8621, "sd"}, {8623, "d"},
        {8639, "s"}, {8651, "sd"}, {8661, "s"}, {8666, "s"}, {8668, "s"}, {8670, "s"}, {8698, "s"}, {8711, "s"},
        {8712, "s"}, {8714, "s"}, {8720, "s"}, {8722, "s"}, {8752, "d"}, {8777, "s"}, {8778, "s"}, {8795, "s"},
        {8798, "d"}, {8803, "d"}, {8804, "d"}, {8805, "d"}, {8821, "ss"}, {8825, "d"}, {8833, "d"}, {8834, "d"},
        {8835, "dd"}, {8845, "sd"}, {8846, "dd"}, {8847, "ddd"}, {8851, "ss"}, {8852, "ss"}, {8853, "ss"}, {8854, "ss"},
        {8855, "ss"}, {8856, "s"}, {8857, "s"}, {8859, "s"}, {8861, "s"}, {8863, "s"}, {8868, "s"}, {8894, "s"},
        {8898, "d"}, {8903, "s"}, {8904, "d"}, {8910, "ss"},    };
    for (const auto& [id, t] : texts()) {
        auto it = expected.find(id);
        EXPECT_EQ(conversions(t), it == expected.end() ? "" : it->second) << quoted(id);
        pe::PlaceholderScan scan = pe::scan_placeholders(t);
        EXPECT_EQ(scan.numbered + scan.braced, 0) << quoted(id);
    }
}

TEST_P(AddonCommentary, PercentSignsStandOnlyWithALevelOrAPercentage) {
    // Printed after a confidence level, a percentage correct or a risk.
    const std::set<std::uint16_t> after_a_percentage = {8634, 8695, 8696, 8699, 8772, 8773, 8775, 8776, 8781,
                                                        8783, 8785, 8786, 8789, 8790, 8797, 8798, 8799, 8803,
                                                        8804, 8805, 8808, 8830, 8832, 8836, 8868, 8901, 8908,
                                                        8909};
    // Stating a level themselves: the band variants and the verdict endings.
    std::set<std::uint16_t> stating_a_level = {8763, 8765, 8767, 8769, 8893};
    for (const commentary::BandSet* set : commentary::addon_band_sets)
        stating_a_level.insert(set->statement.begin(), set->statement.end());
    std::size_t doubled = 0, single = 0, doubled_alone = 0;
    for (const auto& [id, t] : texts()) {
        pe::PlaceholderScan scan = pe::scan_placeholders(t);
        bool has_percent = scan.double_percent > 0 || !scan.lone_percents.empty();
        EXPECT_EQ(has_percent, after_a_percentage.count(id) + stating_a_level.count(id) > 0) << quoted(id);
        if (after_a_percentage.count(id)) EXPECT_EQ(t.front(), u'%') << quoted(id);
        if (!has_percent) continue;
        bool excepted = id >= plan::percent_without_placeholder.first && id <= plan::percent_without_placeholder.last;
        if (scan.printf_style > 0 || excepted) {
            EXPECT_TRUE(scan.lone_percents.empty()) << quoted(id);
            EXPECT_GT(scan.double_percent, 0) << quoted(id);
            ++(scan.printf_style > 0 ? doubled : doubled_alone);
        } else {
            EXPECT_EQ(scan.double_percent, 0) << quoted(id);
            ++single;
        }
    }
    // This family's share of the catalogue's percent-sign figures.
    EXPECT_EQ(doubled, 17u);
    EXPECT_EQ(doubled_alone, 4u);
    EXPECT_EQ(single, 48u);
}

TEST_P(AddonCommentary, ModelBandOfRegressionLinesShowsOneSignFormattedWithoutArguments) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {IDS_LINES_MODEL_NOT_SIGNIFICANT, "90% or higher"}, {IDS_LINES_MODEL_AT_90, "90% "},
        {IDS_LINES_MODEL_AT_95, "95% "}, {IDS_LINES_MODEL_AT_99, "99% "}};
    for (auto [id, level] : cases) {
        std::u16string t = host::format_printf(text(id), {});
        EXPECT_TRUE(contains(t, u16(level))) << quoted(id);
        EXPECT_FALSE(contains(t, u"%%")) << quoted(id);
    }
}

enum class Kind { sentence, announcing, opening, lead_in, piece, list_item };

std::map<std::uint16_t, Kind> kinds() {
    std::map<std::uint16_t, Kind> out;
    auto mark = [&](Kind k, const std::set<std::uint16_t>& ids) {
        for (std::uint16_t id : ids) out[id] = k;
    };
    mark(Kind::opening, {8504, 8509, 8510, 8567, 8584, 8591, 8597, 8599, 8600, 8623, 8626, 8633, 8661, 8663,
                         8664, 8665, 8694, 8698, 8718, 8719, 8753, 8754, 8755, 8756, 8761, 8764, 8766, 8768,
                         8771, 8774, 8780, 8782, 8784, 8787, 8792, 8801, 8806, 8829, 8831, 8834, 8835, 8858,
                         8867, 8869, 8870, 8872, 8879, 8898, 8899, 8900, 8904, 8905, 8906});
    mark(Kind::lead_in, {8502, 8583, 8622, 8638, 8652, 8653, 8704, 8705, 8708, 8709, 8713, 8779});
    mark(Kind::announcing, {8796});
    mark(Kind::list_item, {8797, 8798, 8799, 8880, 8881, 8882, 8883, 8884});
    // Endings, continuations, connectors and test subjects: what follows a value or an opening.
    std::set<std::uint16_t> pieces = {8505, 8506, 8507, 8508, 8568, 8585, 8592, 8624, 8625, 8627, 8628, 8629,
                                      8634, 8639, 8666, 8695, 8696, 8699, 8720, 8721, 8722, 8757, 8758, 8759,
                                      8760, 8762, 8763, 8765, 8767, 8769, 8772, 8773, 8775, 8776, 8781, 8783,
                                      8785, 8786, 8788, 8789, 8790, 8791, 8793, 8794, 8803, 8804, 8805, 8807,
                                      8808, 8830, 8832, 8836, 8859, 8868, 8873, 8901, 8908, 8909};
    mark(Kind::piece, pieces);
    return out;
}

TEST_P(AddonCommentary, EachKindCarriesItsOwnSpacesAndPunctuation) {
    const std::map<std::uint16_t, Kind> kind_of = kinds();
    for (const auto& [id, t] : texts()) {
        ASSERT_FALSE(t.empty());
        auto it = kind_of.find(id);
        Kind kind = it == kind_of.end() ? Kind::sentence : it->second;
        char16_t first = t.front(), last = t.back();
        bool capital = (first >= u'A' && first <= u'Z') || t.rfind(u"%d", 0) == 0;  // or a count first
        // The list items of the error statistics are indented by three spaces; no other text has two in a row.
        std::size_t body = kind == Kind::list_item ? t.find_first_not_of(u' ') : 0;
        EXPECT_FALSE(contains(t.substr(body), u"  ")) << quoted(id);
        switch (kind) {
            case Kind::sentence:
            case Kind::announcing:
                EXPECT_TRUE(capital) << quoted(id);
                EXPECT_EQ(last, kind == Kind::sentence ? u'.' : u':') << quoted(id);
                break;
            case Kind::opening:
                EXPECT_TRUE(capital) << quoted(id);
                EXPECT_TRUE(last == u' ' || last == u'=') << quoted(id);
                EXPECT_EQ(last == u'=', id == 8787 || id == 8806) << quoted(id);
                if (t.size() > 1) EXPECT_NE(t[t.size() - 2], u'.') << quoted(id);
                break;
            case Kind::lead_in:
                EXPECT_TRUE(last != u'.' && last != u' ' && last != u':') << quoted(id);
                break;
            case Kind::list_item:
                EXPECT_NE(last, u'.') << quoted(id);
                EXPECT_NE(last, u' ') << quoted(id);
                break;
            case Kind::piece:
                // Never a sentence's start: a space, comma, percent sign, count or small letter first.
                EXPECT_FALSE(first >= u'A' && first <= u'Z') << quoted(id);
                break;
        }
    }
}

TEST_P(AddonCommentary, EqualTextsAreStoredAtEachOfTheirIdentifiersAndNoOthersAreEqual) {
    // Each identifier and the identifier whose text it repeats.
    const std::vector<std::pair<std::uint16_t, std::uint16_t>> equal = {
        {8502, 7353}, {8622, 7353}, {8652, 7353}, {8704, 7353}, {8779, 7424}, {8780, 7425}, {8782, 7427},
        {8784, 7429}, {8795, 7381}, {8796, 7382}, {8797, 7383}, {8799, 7384}, {8800, 7385}, {8867, 7358},
        {8868, 7458}, {8870, 7369}, {8871, 7477}, {8872, 7462}, {8873, 7463}, {8874, 7464}, {8876, 7466},
        {8898, 8358}, {8899, 8359}, {8900, 8360}, {8901, 8361}, {8832, 8361}, {8606, 8596}, {8705, 8653},
        {8707, 8703}, {8710, 8706}, {8785, 8781}, {8786, 8783}, {8804, 8803}, {8859, 8666}, {8861, 8668},
        {8863, 8670}, {8865, 8672}, {8592, 3020}, {8791, 3018}};
    std::map<std::uint16_t, std::uint16_t> root;
    auto find = [&](std::uint16_t id) {
        while (root.count(id) && root[id] != id) id = root[id];
        return id;
    };
    for (auto [a, b] : equal) {
        EXPECT_EQ(pe::escape(text(a)), pe::escape(text(b))) << a << " and " << b;
        root[find(a)] = find(b);
    }
    // No other text of the add-on's commentary repeats any text of the module's
    // own, apart from the shared commentary's own equal pairs, which join the groups above.
    std::map<std::u16string, std::vector<std::uint16_t>> with_text;
    for (const auto& [id, t] : all())
        if (id < IDS_FRAMEWORK_FIRST) with_text[t].push_back(id);
    for (const auto& [id, t] : texts())
        for (std::uint16_t other : with_text[t])
            if (other != id && other >= IDS_ADDON_COMMENTARY_FIRST)
                EXPECT_EQ(find(id), find(other)) << id << " repeats " << other;
            else if (other < IDS_ADDON_COMMENTARY_FIRST && find(id) == id)
                ADD_FAILURE() << id << " repeats " << other << " unlisted";
}

TEST_P(AddonCommentary, ArticlePairDiffersOnlyInTheArticle) {
    const commentary::ArticlePair& pair = commentary::calibration_fit_sentence;
    std::u16string a = text(pair.a), an = text(pair.an);
    std::size_t at = an.find(u" an %s");
    ASSERT_NE(at, std::u16string::npos) << quoted(pair.an);
    EXPECT_EQ(pe::escape(an.replace(at, 6, u" a %s")), pe::escape(a));
    // These two letters written out, not filled.
    EXPECT_TRUE(contains(a, u" Y ") && contains(a, u" X.")) << quoted(pair.a);
}

TEST_P(AddonCommentary, NameTheHostsCommandsInItsOwnWords) {
    const std::vector<std::pair<std::uint16_t, std::vector<std::u16string>>> commands = {
        {8515, {u"Conditional Sums of Squares", u"the list of Tabular Options"}},
        {8526, {u"Analysis Options dialog box"}},
        {8531, {u"Analysis Options dialog box"}},
        {8554, {u"Tabular Options"}},
        {8556, {u"Pane Options"}},
        {8575, {u"Graphical Options"}},
        {8586, {u"Analysis Options"}},
        {8589, {u"Tabular Options", u"Graphical Options"}},
        {8596, {u"Analysis Options"}},
        {8631, {u"Analysis Options"}},
        {8641, {u"Pane Options"}},
        {8706, {u"Pane Options"}},
        {8823, {u"the button with the +/-", u"analysis toolbar"}},
        {8871, {u"the Reports option", u"the text menu"}},
    };
    for (const auto& [id, words] : commands)
        for (const std::u16string& w : words)
            EXPECT_TRUE(contains(text(id), w)) << quoted(id) << " lacks " << pe::escape(w);
}

TEST_P(AddonCommentary, StateTheirThresholds) {
    const std::vector<std::pair<std::uint16_t, std::vector<std::u16string>>> thresholds = {
        {8587, {u"0.0", u"1.0"}}, {8593, {u"0.0"}}, {8603, {u"0.0"}}, {8636, {u"0.0"}}, {8637, {u"0.0"}},
        {8691, {u"greater than the cutoff"}}, {8692, {u"less than or equal to the cutoff"}},
        {8761, {u"greater than 0.10"}}, {8764, {u"less than 0.10"}}, {8766, {u"less than 0.05"}},
        {8768, {u"less than 0.01"}}, {8825, {u"greater than 10"}}, {8830, {u"0.0"}},
        {8839, {u"(i-0.375)/(n+0.25)"}}, {8875, {u"less than 1.4"}}, {8877, {u"greater than 1.4"}},
        {8890, {u"less than or equal to 0.0"}}, {8893, {u"0.10", u"90% or higher"}},
        {8573, {u"p"}}, {8575, {u"Cp = p"}}, {8889, {u"0.0"}}, {8688, {u"1 unit"}},
    };
    for (const auto& [id, values] : thresholds)
        for (const std::u16string& v : values)
            EXPECT_TRUE(contains(text(id), v)) << quoted(id) << " lacks " << pe::escape(v);
}

TEST_P(AddonCommentary, BandVariantsStateTheirThresholdAndLevel) {
    expect_band_wording(commentary::addon_band_sets);
    const commentary::CalibrationVerdicts& v = commentary::calibration_verdicts;
    for (std::size_t band = 0; band < 4; ++band) {
        EXPECT_TRUE(contains(text(v.opening[band]), u16(kBandThresholds[band]))) << quoted(v.opening[band]);
        std::string level = std::string("at the ") + kBandLevels[band] + (band == 0 ? "% or higher" : "%");
        EXPECT_TRUE(contains(text(v.ending[band]), u16(level))) << quoted(v.ending[band]);
    }
}

TEST_P(AddonCommentary, OnlyTheInterceptsVerdictReachesTheLongestLength) {
    for (const auto& [id, t] : texts())
        if (id == IDS_LINES_INTERCEPTS_NOT_SIGNIFICANT)
            EXPECT_EQ(t.size(), 214u) << quoted(id);
        else
            EXPECT_LT(t.size(), 214u) << quoted(id);
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, AddonCommentary, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
