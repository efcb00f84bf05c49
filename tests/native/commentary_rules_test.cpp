// The host's choice among the shared commentary's variant texts, fed with the
// texts of the product: P-value bands at their boundaries, counts beyond
// thresholds, count forms, articles, the ending after R-squared, the
// Durbin-Watson verdict and the advice that follows each case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "commentary_test_support.h"
#include "commentary_ids.h"
#include "commentary_rules.h"
#include "module_text_source.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {
namespace {

using host::Band;
using host::Phrase;
using host::Sentence;


TEST(PValueBands, TakeTheStrongestCaseThatHolds) {
    const std::pair<double, Band> cases[] = {
        {1.0, Band::not_significant}, {0.5, Band::not_significant}, {0.10, Band::not_significant},
        {0.0999, Band::at_90},        {0.05, Band::at_90},          {0.0499, Band::at_95},
        {0.01, Band::at_95},          {0.0099, Band::at_99},        {0.0, Band::at_99},
    };
    for (auto [p, band] : cases) EXPECT_EQ(host::band_of(p), band) << p;
    for (double p : {-0.01, 1.01, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(host::band_of(p), std::invalid_argument) << p;
}

TEST(PValueBands, EveryBandSetDeniesSignificanceAtExactlyTenPercent) {
    for (const commentary::BandSet* set : commentary::shared_band_sets) {
        // 0.10 is not significant, 0.05 the 90% variant, 0.01 the 95% one.
        const std::pair<double, std::size_t> boundaries[] = {{0.10, 0}, {0.05, 1}, {0.01, 2}, {0.001, 3}};
        for (auto [p, band] : boundaries) {
            std::vector<std::uint16_t> chosen = ids_of(host::band_commentary(*set, p));
            std::vector<std::uint16_t> expected = {set->statement[band]};
            if (set->advice[band]) expected.push_back(*set->advice[band]);
            EXPECT_EQ(chosen, expected) << "P = " << p << ", set of " << set->statement[0];
        }
    }
}

TEST(PValueBands, AdviceFollowsSignificantLackOfFitOnly) {
    for (const commentary::BandSet* set : {&commentary::one_variable_lack_of_fit_band,
                                           &commentary::polynomial_lack_of_fit_band}) {
        EXPECT_EQ(host::band_commentary(*set, 0.25).size(), 1u);
        std::vector<std::uint16_t> advice;
        for (double p : {0.07, 0.03, 0.002}) advice.push_back(ids_of(host::band_commentary(*set, p)).back());
        EXPECT_EQ(advice, std::vector<std::uint16_t>(3, *set->advice[1])) << set->statement[0];
    }
    EXPECT_EQ(*commentary::one_variable_lack_of_fit_band.advice[1], IDS_LACK_OF_FIT_OTHER_FORM);
    EXPECT_EQ(*commentary::polynomial_lack_of_fit_band.advice[1], IDS_POLYNOMIAL_HIGHER_ORDER);
}

TEST(PValueBands, FillTheNamesOfTheOneVariableModel) {
    for (double p : {0.4, 0.08, 0.02, 0.0}) {
        std::string text = shown(host::band_commentary(commentary::one_variable_model_band, p, {u"Yield", u"Time"})[0]);
        expect_filled(text, 7354);
        EXPECT_LT(text.find("Yield"), text.find("Time")) << text;  // Y, then X
    }
}

TEST(PValueBands, SeveralPredictorsArePrintedUnformattedWithSingleSigns) {
    const std::pair<double, const char*> cases[] = {{0.2, "90%"}, {0.06, "90%"}, {0.03, "95%"}, {0.004, "99%"}};
    for (auto [p, level] : cases) {
        Sentence s = host::band_commentary(commentary::multiple_regression_model_band, p)[0];
        std::uint16_t id = ids_of(s).front();
        std::u16string text = product().require(id);
        EXPECT_FALSE(host::is_printf_formatted(text)) << id;
        EXPECT_EQ(shown(s), pe::escape(text)) << id;
        EXPECT_TRUE(contains(shown(s), level)) << id << ": " << shown(s);
    }
}

TEST(PolynomialOrder, IsSuggestedBelow5PercentOnly) {
    const std::pair<double, std::optional<std::uint16_t>> cases[] = {
        {0.009, IDS_POLYNOMIAL_ORDER_AT_99}, {0.01, IDS_POLYNOMIAL_ORDER_AT_95}, {0.049, IDS_POLYNOMIAL_ORDER_AT_95},
        {0.05, std::nullopt},                {0.3, std::nullopt}};
    for (auto [p, id] : cases) {
        auto phrase = host::polynomial_order_suggestion(p, 3, 2);
        ASSERT_EQ(phrase.has_value(), id.has_value()) << p;
        if (!phrase) continue;
        EXPECT_EQ(phrase->id, *id) << p;
        std::string text = shown({*phrase});
        expect_filled(text, *id);
        EXPECT_LT(text.find('3'), text.find('2')) << text;  // the term's order, then the model's
    }
}

// --- Counts beyond thresholds ------------------------------------------------------------

struct TwoThresholdCase {
    std::vector<double> values;
    std::uint16_t expected;
    std::vector<std::string> counts;  // shown in the text, in order
    bool advice;
};

void expect_two_threshold(const commentary::TwoThresholdForm& form, host::ThresholdCounts counts,
                          const TwoThresholdCase& c, std::string label) {
    for (double v : c.values) label += " " + std::to_string(v);
    std::vector<Sentence> sentences = host::two_threshold_commentary(form, counts);
    ASSERT_FALSE(sentences.empty());
    EXPECT_EQ(ids_of(sentences[0]), std::vector<std::uint16_t>{c.expected}) << label;
    EXPECT_EQ(sentences.size(), c.advice ? 2u : 1u) << label;
    if (c.advice && sentences.size() == 2) EXPECT_EQ(ids_of(sentences[1]), std::vector<std::uint16_t>{form.advice});
    std::string text = shown(sentences[0]);
    expect_filled(text, c.expected);
    std::size_t at = 0;
    for (const std::string& n : c.counts) {
        at = text.find(n + " ", at);
        EXPECT_NE(at, std::string::npos) << label << ": " << text << " lacks " << n;
    }
}

TEST(UnusualResiduals, AreCountedBeyondTwoAndThreeInAbsoluteValue) {
    const TwoThresholdCase cases[] = {
        {{}, IDS_RESIDUALS_NONE, {}, false},
        {{0.3, -1.9, 1.2}, IDS_RESIDUALS_NONE, {}, false},
        {{2.0, -2.0}, IDS_RESIDUALS_NONE, {}, false},  // equal to the threshold: not counted
        {{2.5, 1.0}, IDS_RESIDUALS_ONE, {}, false},
        {{3.0, -2.0}, IDS_RESIDUALS_ONE, {}, false},  // beyond 2.0, not beyond 3.0
        {{3.5}, IDS_RESIDUALS_ONE_ALSO_BEYOND, {}, true},
        {{2.1, -2.4}, IDS_RESIDUALS_SEVERAL, {"2"}, false},
        {{2.1, 2.2, -3.1}, IDS_RESIDUALS_SEVERAL_ONE_BEYOND, {"3"}, true},
        {{2.1, -2.5, 3.3, -3.9}, IDS_RESIDUALS_SEVERAL_SOME_BEYOND, {"4", "2"}, true},
        {{-3.2, 3.5, 4.1}, IDS_RESIDUALS_SEVERAL_ALL_BEYOND, {"3"}, true},
        {{3.01, -3.01}, IDS_RESIDUALS_SEVERAL_ALL_BEYOND, {"2"}, true},
    };
    for (const TwoThresholdCase& c : cases)
        expect_two_threshold(commentary::residuals_beyond_2_and_3, host::studentized_residual_counts(c.values), c,
                             "residuals");
}

TEST(InfluentialPoints, AreCountedBeyondThreeAndFiveTimesTheAverageLeverage) {
    const double average = 0.25;  // 3 and 5 times it are 0.75 and 1.25 exactly
    const TwoThresholdCase cases[] = {
        {{0.1, 0.75}, IDS_LEVERAGE_NONE, {}, false},
        {{0.76}, IDS_LEVERAGE_ONE, {}, false},
        {{1.25}, IDS_LEVERAGE_ONE, {}, false},
        {{1.3}, IDS_LEVERAGE_ONE_ALSO_BEYOND, {}, true},
        {{0.8, 0.9, 1.0}, IDS_LEVERAGE_SEVERAL, {"3"}, false},
        {{0.8, 1.3}, IDS_LEVERAGE_SEVERAL_ONE_BEYOND, {"2"}, true},
        {{0.8, 0.9, 1.3, 1.4}, IDS_LEVERAGE_SEVERAL_SOME_BEYOND, {"4", "2"}, true},
        {{1.3, 1.4, 2.0}, IDS_LEVERAGE_SEVERAL_ALL_BEYOND, {"3"}, true},
    };
    for (const TwoThresholdCase& c : cases)
        expect_two_threshold(commentary::leverage_beyond_3_and_5, host::leverage_counts(c.values, average), c,
                             "leverages");
}

TEST(UnusualResiduals, RefuseMoreBeyondTheSecondThresholdThanTheFirst) {
    EXPECT_THROW(host::two_threshold_commentary(commentary::residuals_beyond_2_and_3, {1, 2}), std::invalid_argument);
}

// --- Count forms ---------------------------------------------------------------------------

TEST(CountForms, WriteNoneAndOneInWordsAndOnlySeveralAsACount) {
    struct Case {
        const commentary::CountForm* form;
        std::size_t n;
        std::optional<std::uint16_t> expected;
    };
    const Case cases[] = {
        {&commentary::significant_pairs_of_means, 0, IDS_RANGE_TESTS_PAIRS_NONE},
        {&commentary::significant_pairs_of_means, 1, IDS_RANGE_TESTS_PAIRS_ONE},
        {&commentary::significant_pairs_of_means, 4, IDS_RANGE_TESTS_PAIRS_SEVERAL},
        {&commentary::homogeneous_groups, 0, std::nullopt},
        {&commentary::homogeneous_groups, 1, IDS_RANGE_TESTS_GROUPS_ONE},
        {&commentary::homogeneous_groups, 3, IDS_RANGE_TESTS_GROUPS_SEVERAL},
        {&commentary::large_dfits, 0, IDS_DFITS_NONE},
        {&commentary::large_dfits, 1, IDS_DFITS_ONE},
        {&commentary::large_dfits, 2, IDS_DFITS_SEVERAL},
        {&commentary::large_cooks_distances, 0, IDS_COOKS_DISTANCE_NONE},
        {&commentary::large_cooks_distances, 1, IDS_COOKS_DISTANCE_ONE},
        {&commentary::large_cooks_distances, 12, IDS_COOKS_DISTANCE_SEVERAL},
        {&commentary::large_coefficient_correlations, 0, IDS_CORRELATIONS_NONE},
        {&commentary::large_coefficient_correlations, 1, IDS_CORRELATIONS_ONE},
        {&commentary::large_coefficient_correlations, 5, IDS_CORRELATIONS_SEVERAL},
    };
    for (const Case& c : cases) {
        auto phrase = host::count_phrase(*c.form, c.n);
        ASSERT_EQ(phrase.has_value(), c.expected.has_value()) << c.n;
        if (!phrase) continue;
        EXPECT_EQ(phrase->id, *c.expected) << c.n;
        std::string text = shown({*phrase});
        expect_filled(text, phrase->id);
        EXPECT_EQ(phrase->args.size(), c.n >= 2 ? 1u : 0u) << text;
        if (c.n >= 2) EXPECT_TRUE(contains(text, std::to_string(c.n) + " ")) << text;
    }
}

TEST(CountForms, OneSignificantPairOfMeansTakesNoCount) {
    Sentence s = host::significant_pairs_sentence(1, u"95.0");
    EXPECT_EQ(ids_of(s), (std::vector<std::uint16_t>{IDS_RANGE_TESTS_PAIRS_ONE, IDS_RANGE_TESTS_CONFIDENCE_LEVEL}));
    const Phrase& count = std::get<Phrase>(s.front());
    EXPECT_TRUE(count.args.empty());
    std::string text = shown(s);
    expect_filled(text, IDS_RANGE_TESTS_PAIRS_ONE);
    EXPECT_TRUE(contains(text, " 95.0% ")) << text;
    EXPECT_EQ(text.back(), '.');
}

TEST(CountForms, KeepTheRestOfTheArgumentsAfterTheCount) {
    // A total that every variant takes stays after the count of the several form.
    const commentary::CountForm& form = commentary::significant_pairs_of_means;
    auto several = host::count_phrase(form, 5, {2});
    ASSERT_TRUE(several);
    EXPECT_EQ(host::format_printf(u"%d of %d", several->args), u"5 of 2");
    EXPECT_EQ(host::count_phrase(form, 1, {2})->args.size(), 1u);
}

TEST(CoefficientCorrelations, CountThoseAboveOneHalfAndCloseTheSentence) {
    const std::vector<double> at_threshold = {0.5, -0.5, 0.2};
    const std::vector<double> above = {0.51, -0.7, 0.1};
    EXPECT_EQ(host::large_correlation_count(at_threshold), 0u);
    EXPECT_EQ(host::large_correlation_count(above), 2u);
    std::string with_constant = shown(host::coefficient_correlation_sentence(2, true));
    EXPECT_EQ(with_constant, pe::escape(host::format_printf(product().require(IDS_CORRELATIONS_SEVERAL), {2})) +
                                 stored(IDS_CORRELATIONS_BUT_CONSTANT) + ".");
    std::string without = shown(host::coefficient_correlation_sentence(0, false));
    EXPECT_EQ(without, stored(IDS_CORRELATIONS_NONE) + ".");
}

TEST(InfluenceMeasures, AreUnusualBeyondTheirSizeAdjustedCutoffs) {
    // Eight observations, two coefficients: |DFITS| above 2*sqrt(2/8) = 1.
    const std::vector<double> dfits = {1.0, -1.0, 1.01, -1.5, 0.2, 0.1, 0.0, 0.3};
    EXPECT_EQ(host::large_dfits_count(dfits, 2), 2u);
    // Four observations: Cook's distance above 4/4 = 1.
    const std::vector<double> cooks = {1.0, 1.2, 0.1, 0.3};
    EXPECT_EQ(host::large_cooks_distance_count(cooks), 1u);
    EXPECT_EQ(host::large_dfits_count({}, 2), 0u);
}

// --- Articles and model forms ----------------------------------------------------------------

TEST(Articles, FollowTheInitialVowelSound) {
    const std::pair<const char16_t*, bool> words[] = {
        {u"exponential", true}, {u"S-curve", true},    {u"R-squared", true}, {u"MSE", true},
        {u"X", true},           {u"hour", true},       {u"unusual", true},   {u"inverse", true},
        {u"linear", false},     {u"log probit", false}, {u"unit", false},     {u"usual", false},
        {u"one-sided", false},  {u"U-shaped", false},  {u"Studentized", false}, {u"", false},
    };
    for (auto [word, an] : words) EXPECT_EQ(host::takes_an(word), an) << pe::escape(word);
}

TEST(Articles, ChooseTheFitSentenceByTheModelWordAsStored) {
    const host::ModelForm all[] = {
        host::ModelForm::linear,        host::ModelForm::exponential,   host::ModelForm::reciprocal_y,
        host::ModelForm::reciprocal_x,  host::ModelForm::double_reciprocal, host::ModelForm::logarithmic_x,
        host::ModelForm::multiplicative, host::ModelForm::square_root_x, host::ModelForm::square_root_y,
        host::ModelForm::s_curve,       host::ModelForm::logistic,      host::ModelForm::log_probit,
        host::ModelForm::piecewise_linear};
    for (const commentary::ArticlePair* pair : {&commentary::fit_sentence, &commentary::fitted_plot_sentence}) {
        for (host::ModelForm form : all) {
            std::uint16_t word = host::model_word_id(form);
            Sentence s = host::fit_sentence(product(), *pair, form, u"Yield", u"Time");
            bool an = word == IDS_MODEL_WORD_EXPONENTIAL || word == IDS_MODEL_WORD_S_CURVE;
            EXPECT_EQ(ids_of(s), std::vector<std::uint16_t>{an ? pair->an : pair->a}) << word;
            std::string text = shown(s);
            expect_filled(text, word);
            EXPECT_TRUE(contains(text, (an ? " an " : " a ") + stored(word) + " model ")) << text;
        }
    }
}

TEST(RSquared, EndsWithTheScaleOnWhichYWasLinearized) {
    const std::pair<host::ModelForm, std::optional<std::uint16_t>> cases[] = {
        {host::ModelForm::multiplicative, IDS_FIT_LINEARIZED_LOGARITHMIC},
        {host::ModelForm::exponential, IDS_FIT_LINEARIZED_LOGARITHMIC},
        {host::ModelForm::s_curve, IDS_FIT_LINEARIZED_LOGARITHMIC},
        {host::ModelForm::reciprocal_y, IDS_FIT_LINEARIZED_RECIPROCAL},
        {host::ModelForm::double_reciprocal, IDS_FIT_LINEARIZED_RECIPROCAL},
        {host::ModelForm::square_root_y, IDS_FIT_LINEARIZED_SQUARE_ROOT},
        {host::ModelForm::logistic, IDS_FIT_LINEARIZED_LOGIT},
        {host::ModelForm::log_probit, IDS_FIT_LINEARIZED_INVERSE_NORMAL},
        {host::ModelForm::linear, std::nullopt},
        {host::ModelForm::reciprocal_x, std::nullopt},
        {host::ModelForm::logarithmic_x, std::nullopt},
        {host::ModelForm::square_root_x, std::nullopt},
        {host::ModelForm::piecewise_linear, std::nullopt},
    };
    const std::string value_and_y =
        "91.47" + pe::escape(host::format_printf(product().require(IDS_FIT_R_SQUARED_OF_Y), {u"Yield"}));
    for (auto [form, ending] : cases) {
        std::string text = shown(host::r_squared_sentence(form, u"91.47", u"Yield"));
        expect_filled(text, IDS_FIT_R_SQUARED_OPENING);
        EXPECT_TRUE(contains(text, "91.47% of")) << text;  // the value joins its ending with one sign
        std::string close = ending ? stored(*ending) : ".";
        EXPECT_EQ(text, stored(IDS_FIT_R_SQUARED_OPENING) + value_and_y + close);
    }
}

TEST(Correlation, IsCalledStrongModerateOrWeakByItsSize) {
    const std::pair<double, std::uint16_t> cases[] = {
        {0.95, IDS_FIT_CORRELATION_STRONG},   {-0.8, IDS_FIT_CORRELATION_STRONG},  {0.79, IDS_FIT_CORRELATION_MODERATE},
        {-0.5, IDS_FIT_CORRELATION_MODERATE}, {0.49, IDS_FIT_CORRELATION_WEAK},    {0.0, IDS_FIT_CORRELATION_WEAK}};
    for (auto [r, ending] : cases) {
        Sentence s = host::correlation_sentence(r, u"0.1234");
        EXPECT_EQ(ids_of(s), (std::vector<std::uint16_t>{IDS_FIT_CORRELATION_OPENING, ending})) << r;
        EXPECT_TRUE(contains(shown(s), " 0.1234,")) << shown(s);
    }
}

TEST(DurbinWatson, WarnsBelowOnePointFourOnly) {
    const commentary::DurbinWatsonTexts& dw = commentary::durbin_watson_verdicts;
    const std::pair<double, std::vector<std::uint16_t>> cases[] = {
        {0.8, {dw.below, dw.below_advice}}, {1.39, {dw.below, dw.below_advice}}, {1.4, {dw.above}}, {2.05, {dw.above}}};
    for (const auto& [statistic, expected] : cases) {
        auto sentences = host::durbin_watson_commentary(dw, statistic);
        EXPECT_EQ(ids_of(sentences), expected) << statistic;
        for (const Sentence& s : sentences) expect_filled(shown(s), ids_of(s).front());
    }
}

// --- Tables of means and range tests ------------------------------------------------------------

TEST(MeansIntervals, ExplainEachKindAtTheLevelShown) {
    using host::MeansInterval;
    struct Case {
        MeansInterval kind;
        bool unequal;
        std::vector<std::uint16_t> present;
        std::vector<std::uint16_t> absent;
    };
    const Case cases[] = {
        {MeansInterval::standard_error, true, {IDS_MEANS_ONE_STANDARD_ERROR},
         {IDS_MEANS_NOT_EXACT, IDS_MEANS_USED_BY_RANGE_TESTS}},
        {MeansInterval::confidence, false, {IDS_MEANS_CONFIDENCE_OPENING, IDS_MEANS_CONFIDENCE_COVERAGE},
         {IDS_MEANS_USED_BY_RANGE_TESTS}},
        {MeansInterval::lsd, false, {IDS_MEANS_LSD, IDS_MEANS_LSD_OVERLAP_OPENING, IDS_MEANS_USED_BY_RANGE_TESTS},
         {IDS_MEANS_NOT_EXACT}},
        {MeansInterval::lsd, true, {IDS_MEANS_NOT_EXACT}, {IDS_MEANS_USE_BONFERRONI}},
        {MeansInterval::tukey_hsd, true, {IDS_MEANS_ALL_OVERLAP_OPENING, IDS_MEANS_NOT_EXACT, IDS_MEANS_USE_BONFERRONI},
         {}},
        {MeansInterval::scheffe, false, {IDS_MEANS_ALL_OVERLAP_AT_LEAST_OPENING, IDS_MEANS_TUKEY_BONFERRONI_NARROWER},
         {IDS_MEANS_NOT_EXACT}},
        {MeansInterval::bonferroni, true, {IDS_MEANS_ALL_OVERLAP_AT_LEAST_OPENING, IDS_MEANS_NOT_EXACT},
         {IDS_MEANS_USE_BONFERRONI}},
    };
    for (const Case& c : cases) {
        auto sentences = host::means_interval_commentary(c.kind, u"95.0", c.unequal);
        std::vector<std::uint16_t> chosen = ids_of(sentences);
        auto has = [&](std::uint16_t id) { return std::find(chosen.begin(), chosen.end(), id) != chosen.end(); };
        for (std::uint16_t id : c.present) EXPECT_TRUE(has(id)) << static_cast<int>(c.kind) << " lacks " << id;
        for (std::uint16_t id : c.absent) EXPECT_FALSE(has(id)) << static_cast<int>(c.kind) << " has " << id;
        EXPECT_EQ(chosen.front(), IDS_MEANS_INTERVALS_SHOWN);
        for (const Sentence& s : sentences) {
            std::string text = shown(s);
            expect_filled(text, ids_of(s).front());
            EXPECT_EQ(text.back(), '.') << text;
            // A level printed before an ending keeps its one sign.
            if (contains(text, "95.0")) EXPECT_TRUE(contains(text, "95.0%")) << text;
        }
    }
}

TEST(RangeTests, StateTheRiskThatEachMethodControls) {
    using host::RangeTestMethod;
    const std::pair<RangeTestMethod, std::vector<std::uint16_t>> cases[] = {
        {RangeTestMethod::lsd,
         {IDS_RANGE_TESTS_METHOD_LSD, IDS_RANGE_TESTS_RISK_OPENING, IDS_RANGE_TESTS_RISK_EACH_PAIR}},
        {RangeTestMethod::tukey_hsd,
         {IDS_RANGE_TESTS_METHOD_TUKEY_HSD, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR}},
        {RangeTestMethod::scheffe,
         {IDS_RANGE_TESTS_METHOD_SCHEFFE, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR,
          IDS_RANGE_TESTS_TUKEY_BONFERRONI_POWER}},
        {RangeTestMethod::bonferroni,
         {IDS_RANGE_TESTS_METHOD_BONFERRONI, IDS_RANGE_TESTS_RISK_AT_MOST_OPENING, IDS_RANGE_TESTS_RISK_ANY_PAIR}},
        {RangeTestMethod::newman_keuls, {IDS_RANGE_TESTS_METHOD_NEWMAN_KEULS}},
        {RangeTestMethod::duncan, {IDS_RANGE_TESTS_METHOD_DUNCAN}},
    };
    for (const auto& [method, expected] : cases) {
        auto sentences = host::range_test_method_commentary(method, u"5.0");
        EXPECT_EQ(ids_of(sentences), expected) << static_cast<int>(method);
        for (const Sentence& s : sentences) expect_filled(shown(s), ids_of(s).front());
        if (sentences.size() > 1) EXPECT_TRUE(contains(shown(sentences[1]), " 5.0% ")) << shown(sentences[1]);
    }
}

}  // namespace
}  // namespace torvik::test
