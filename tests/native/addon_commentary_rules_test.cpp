// The host's choice among the add-on commentary's variant texts, fed with the
// texts of the product: the bands stored from the strongest case, the lines of
// a comparison of regression lines, the end of a nonlinear estimation, the
// count forms, and the thresholds at their boundaries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addon_commentary_ids.h"
#include "addon_commentary_rules.h"
#include "commentary_test_support.h"
#include "module_text_source.h"
#include "text.h"

namespace torvik::test {
namespace {

using host::Phrase;
using host::Sentence;


TEST(AddonBands, StoredFromTheStrongestCaseStillChooseByTheRule) {
    struct Case {
        double p;
        std::vector<std::uint16_t> slopes, intercepts, deviance;
    };
    const Case cases[] = {
        {0.10, {8525, 8526}, {8530, 8531}, {8654}}, {0.5, {8525, 8526}, {8530, 8531}, {8654}},
        {0.0999, {8524}, {8529}, {8655}},           {0.05, {8524}, {8529}, {8655}},
        {0.0499, {8523}, {8528}, {8674}},           {0.01, {8523}, {8528}, {8674}},
        {0.0099, {8522}, {8527}, {8656}},           {0.0, {8522}, {8527}, {8656}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ids_of(host::band_commentary(commentary::regression_lines_slopes_band, c.p, {u"Machine"})), c.slopes)
            << c.p;
        EXPECT_EQ(ids_of(host::band_commentary(commentary::regression_lines_intercepts_band, c.p, {u"Machine"})),
                  c.intercepts)
            << c.p;
        EXPECT_EQ(ids_of(host::band_commentary(commentary::logistic_deviance_band, c.p)), c.deviance) << c.p;
    }
}

TEST(AddonBands, ModelOfRegressionLinesShowsOneSignWithoutArguments) {
    const std::pair<double, const char*> cases[] = {
        {0.2, "90% or higher"}, {0.07, "at the 90% confidence"}, {0.03, "at the 95% confidence"},
        {0.001, "at the 99% confidence"}};
    for (auto [p, level] : cases) {
        std::string t = shown(host::band_commentary(commentary::regression_lines_model_band, p).front());
        EXPECT_TRUE(contains(t, level)) << t;
        expect_filled(t);
    }
}

TEST(AddonBands, TopTermAdviceNamesTheTermOnlyWhereItSuggestsRemovingIt) {
    using Cases = std::vector<std::pair<double, std::vector<std::uint16_t>>>;
    const Cases logistic = {{0.3, {8667, 8668}}, {0.07, {8669, 8670}}, {0.03, {8671, 8672}}, {0.003, {8673, 8672}}};
    const Cases glm = {{0.3, {8860, 8861}}, {0.07, {8862, 8863}}, {0.03, {8864, 8865}}, {0.003, {8866, 8865}}};
    for (const auto& [set, cases] : {std::pair{&commentary::logistic_top_term_band, logistic},
                                     std::pair{&commentary::glm_top_term_band, glm}}) {
        for (const auto& [p, expected] : cases) {
            std::vector<Sentence> s = host::top_term_commentary(*set, p, u"Dose");
            EXPECT_EQ(ids_of(s), expected) << p;
            for (const Sentence& sentence : s) expect_filled(shown(sentence));
            EXPECT_EQ(contains(shown(s.back()), "Dose"), p > 0.05) << p;
        }
    }
}

TEST(RegressionLines, TheTwoOptionsChooseTheLines) {
    struct Case {
        bool intercepts_equal, slopes_equal;
        std::uint16_t text;
        bool shows_count, shows_codes;
    };
    const Case cases[] = {{true, true, 8505, false, false},
                          {false, true, 8506, true, false},
                          {true, false, 8507, true, false},
                          {false, false, 8508, true, true}};
    for (const Case& c : cases) {
        Sentence s = host::regression_lines_sentence(c.intercepts_equal, c.slopes_equal, 3, u"Machine");
        EXPECT_EQ(ids_of(s), (std::vector<std::uint16_t>{8504, c.text}));
        std::string t = shown(s);
        expect_filled(t);
        EXPECT_EQ(contains(t, "3"), c.shows_count) << t;
        EXPECT_EQ(contains(t, "Machine"), c.shows_codes) << t;
    }
}

TEST(NonlinearEstimation, EachOutcomeHasItsTextsAndAdvice) {
    using host::NonlinearOutcome;
    const std::pair<NonlinearOutcome, std::vector<std::uint16_t>> cases[] = {
        {NonlinearOutcome::estimates_converged, {8623, 8624}},
        {NonlinearOutcome::sum_of_squares_at_minimum, {8623, 8625}},
        {NonlinearOutcome::maximum_iterations, {8626, 8627, 8630, 8631}},
        {NonlinearOutcome::maximum_function_calls, {8626, 8628, 8630, 8631}},
        {NonlinearOutcome::maximum_marquardt_parameter, {8626, 8629, 8630, 8631}},
        {NonlinearOutcome::function_failed, {8632, 8631}},
    };
    for (const auto& [outcome, expected] : cases) {
        std::vector<Sentence> s = host::nonlinear_end_commentary(outcome, 12);
        EXPECT_EQ(ids_of(s), expected);
        std::string first = shown(s.front());
        EXPECT_EQ(contains(first, "12"), host::converged(outcome)) << first;
        EXPECT_EQ(first.back(), '.') << first;
    }
}

TEST(BestModel, CountFormPutsAndBeforeTheLastName) {
    const std::vector<std::u16string> none, one = {u"Weight"}, two = {u"Weight", u"Horsepower"},
                                            three = {u"Weight", u"Horsepower", u"Length"};
    EXPECT_EQ(ids_of(host::best_model_sentence(none)), std::vector<std::uint16_t>{8565});
    Sentence s1 = host::best_model_sentence(one);
    EXPECT_EQ(ids_of(s1), std::vector<std::uint16_t>{8566});
    EXPECT_TRUE(contains(shown(s1), "Weight"));
    Sentence s2 = host::best_model_sentence(two);
    EXPECT_EQ(ids_of(s2), (std::vector<std::uint16_t>{8567, 8568}));
    EXPECT_EQ(shown(s2), shown({Phrase{8567, {2}}}) + "Weight " + stored(8568) + "Horsepower.");
    std::string t3 = shown(host::best_model_sentence(three));
    EXPECT_TRUE(contains(t3, "3") && contains(t3, "Weight, Horsepower, " + stored(8568) + "Length.")) << t3;
}

TEST(RidgeParameter, OnlyZeroIsOrdinaryLeastSquares) {
    const std::pair<double, bool> cases[] = {{0.0, true}, {-0.0, true}, {1e-12, false}, {0.05, false}, {1.0, false}};
    for (auto [k, ordinary] : cases) {
        Sentence s = host::ridge_parameter_sentence(k, u"0.000");
        EXPECT_EQ(ids_of(s), ordinary ? (std::vector<std::uint16_t>{8584, 8585}) : std::vector<std::uint16_t>{8584})
            << k;
        std::string t = shown(s);
        EXPECT_EQ(t, stored(8584) + "0.000" + (ordinary ? stored(8585) : ".")) << k;
    }
    EXPECT_THROW(host::ridge_parameter_sentence(-0.1, u"-0.1"), std::invalid_argument);
}

TEST(Thresholds, AValueOnTheThresholdTakesTheQuieterCase) {
    EXPECT_FALSE(host::predicts_true(0.5, 0.5));
    EXPECT_TRUE(host::predicts_true(0.5000001, 0.5));
    EXPECT_FALSE(host::predicts_true(0.2, 0.5));

    const double factors[] = {10.0, 9.99, 10.01, 25.3, 1.2};
    EXPECT_EQ(host::serious_variance_inflation_count(factors), 2u);
    std::string vif = shown(host::variance_inflation_sentence(2));
    EXPECT_TRUE(contains(vif, "2")) << vif;
    expect_filled(vif);

    const std::pair<double, bool> smallest[] = {{0.0, false}, {-3.5, false}, {1e-9, true}, {12.0, true}};
    for (auto [v, computed] : smallest) {
        EXPECT_EQ(host::percentage_errors_computed(v), computed) << v;
        auto note = host::percentage_errors_note(v);
        EXPECT_EQ(note.has_value(), !computed) << v;
        if (note) EXPECT_EQ(ids_of(*note), std::vector<std::uint16_t>{8890});
    }

    const double r[] = {0.2, -0.2, 0.35, 0.1}, limits[] = {0.2, 0.19, 0.2, 0.2};
    EXPECT_EQ(host::significant_autocorrelation_count(r, limits), 2u);
}

TEST(Autocorrelations, CountFormTakesTheLagsInEveryVariant) {
    struct Case {
        std::size_t significant;
        std::vector<std::uint16_t> texts;
    };
    for (const Case& c : {Case{0, {8833}}, Case{1, {8834, 8836}}, Case{3, {8835, 8836}}}) {
        Sentence s = host::autocorrelation_sentence(c.significant, 24, u"95.0");
        EXPECT_EQ(ids_of(s), c.texts);
        std::string t = shown(s);
        expect_filled(t);
        EXPECT_TRUE(contains(t, "24")) << t;
        EXPECT_EQ(contains(t, "95.0%"), c.significant > 0) << t;
        if (c.significant == 3) EXPECT_TRUE(contains(t, "3 of the 24")) << t;
        EXPECT_EQ(t.back(), '.') << t;
    }
    EXPECT_THROW(host::autocorrelation_sentence(25, 24, u"95.0"), std::invalid_argument);
}

TEST(Calibration, TestsAreCountedAnnouncedAndJudged) {
    using host::CalibrationTest;
    const std::vector<CalibrationTest> one = {{IDS_CALIBRATION_SUBJECT_SLOPE, u"1.0", 0.42}};
    std::vector<Sentence> s = host::calibration_tests_commentary(one);
    EXPECT_EQ(ids_of(s), (std::vector<std::uint16_t>{8770, 8753, 8758, 8761, 8758, 8762, 8763}));
    EXPECT_FALSE(contains(shown(s.front()), "1 ")) << shown(s.front());

    const std::vector<CalibrationTest> five = {{8757, u"0.0", 0.5},  {8758, u"1.0", 0.07}, {8759, u"0.0", 0.03},
                                               {8760, u"4.5", 0.001}, {8793, u"", 0.10}};
    s = host::calibration_tests_commentary(five);
    ASSERT_EQ(s.size(), 11u);
    EXPECT_EQ(ids_of(s.front()), std::vector<std::uint16_t>{8752});
    EXPECT_TRUE(contains(shown(s.front()), "5")) << shown(s.front());
    const std::uint16_t announce[] = {8753, 8754, 8755, 8756, 8792};
    const std::uint16_t verdict[] = {8761, 8764, 8766, 8768, 8761};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(ids_of(s[1 + 2 * i]).front(), announce[i]);
        EXPECT_EQ(ids_of(s[2 + 2 * i]).front(), verdict[i]);
        std::string t = shown(s[2 + 2 * i]);
        EXPECT_EQ(t.back(), '.') << t;
        expect_filled(t);
    }
    // The stored model's test states the equal slopes in place of subject, "equals" and value.
    EXPECT_EQ(ids_of(s.back()), (std::vector<std::uint16_t>{8761, 8794, 8763}));
    EXPECT_THROW(host::calibration_tests_commentary(std::vector<CalibrationTest>(6, one.front())),
                 std::invalid_argument);
    EXPECT_TRUE(host::calibration_tests_commentary({}).empty());
}

TEST(Calibration, ArticlePairFollowsTheModelWord) {
    EXPECT_EQ(host::with_article(commentary::calibration_fit_sentence, u"linear"), IDS_CALIBRATION_FIT_OF_A_MODEL);
    EXPECT_EQ(host::with_article(commentary::calibration_fit_sentence, u"exponential"), IDS_CALIBRATION_FIT_OF_AN_MODEL);
}

TEST(CountForms, MeansAgainstAControlAndContrasts) {
    for (const auto& [form, ids] :
         {std::pair{commentary::means_differing_from_control, std::vector<std::uint16_t>{8900, 8899, 8898}},
          std::pair{commentary::contrasts_differing_from_zero, std::vector<std::uint16_t>{8906, 8905, 8904}}}) {
        for (std::size_t n = 0; n < 3; ++n) {
            Phrase p = *host::count_phrase(form, n == 2 ? 4 : n);
            EXPECT_EQ(p.id, ids[n]);
            std::string t = shown({p, u"95.0", Phrase{8901}});
            expect_filled(t);
            EXPECT_EQ(contains(t, "4"), n == 2) << t;
        }
    }
}

}  // namespace
}  // namespace torvik::test
