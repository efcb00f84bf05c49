#include "addon_commentary_rules.h"

#include <cmath>
#include <stdexcept>

namespace torvik::host {

// --- Comparison of regression lines -----------------------------------------------------

Sentence regression_lines_sentence(bool intercepts_equal, bool slopes_equal, std::size_t lines,
                                   std::u16string level_codes) {
    Sentence out{Phrase{IDS_LINES_CORRESPONDS_TO}};
    if (intercepts_equal && slopes_equal)
        out.push_back(Phrase{IDS_LINES_ONE_LINE});
    else if (slopes_equal)
        out.push_back(Phrase{IDS_LINES_PARALLEL, {lines}});
    else if (intercepts_equal)
        out.push_back(Phrase{IDS_LINES_EQUAL_INTERCEPTS, {lines}});
    else
        out.push_back(Phrase{IDS_LINES_SEPARATE, {lines, std::move(level_codes)}});
    return out;
}

// --- Nonlinear regression ------------------------------------------------------------------

bool converged(NonlinearOutcome outcome) {
    return outcome == NonlinearOutcome::estimates_converged || outcome == NonlinearOutcome::sum_of_squares_at_minimum;
}

std::vector<Sentence> nonlinear_end_commentary(NonlinearOutcome outcome, int iterations) {
    switch (outcome) {
        case NonlinearOutcome::estimates_converged:
            return {{Phrase{IDS_NONLINEAR_ENDED_AFTER, {iterations}}, Phrase{IDS_NONLINEAR_ESTIMATES_CONVERGED}}};
        case NonlinearOutcome::sum_of_squares_at_minimum:
            return {{Phrase{IDS_NONLINEAR_ENDED_AFTER, {iterations}}, Phrase{IDS_NONLINEAR_SSE_AT_MINIMUM}}};
        case NonlinearOutcome::function_failed:
            // Restarting from estimates at which the function fails would fail again.
            return {{Phrase{IDS_NONLINEAR_FUNCTION_FAILED}}, {Phrase{IDS_NONLINEAR_TRY_OTHER_ESTIMATES}}};
        case NonlinearOutcome::maximum_iterations:
        case NonlinearOutcome::maximum_function_calls:
        case NonlinearOutcome::maximum_marquardt_parameter: break;
    }
    std::uint16_t limit = outcome == NonlinearOutcome::maximum_iterations       ? IDS_NONLINEAR_MAX_ITERATIONS
                          : outcome == NonlinearOutcome::maximum_function_calls ? IDS_NONLINEAR_MAX_FUNCTION_CALLS
                                                                                : IDS_NONLINEAR_MAX_MARQUARDT;
    return {{Phrase{IDS_NONLINEAR_STOPPED_BEFORE}, Phrase{limit}},
            {Phrase{IDS_NONLINEAR_RESTART_FROM_CURRENT}},
            {Phrase{IDS_NONLINEAR_TRY_OTHER_ESTIMATES}}};
}

// --- Regression model selection ------------------------------------------------------------

Sentence best_model_sentence(std::span<const std::u16string> variables) {
    if (variables.empty()) return {Phrase{IDS_SELECTION_BEST_CONSTANT_ONLY}};
    if (variables.size() == 1) return {Phrase{IDS_SELECTION_BEST_ONE_VARIABLE, {variables.front()}}};
    Sentence out{Phrase{IDS_SELECTION_BEST_VARIABLES, {variables.size()}}};
    for (std::size_t i = 0; i + 1 < variables.size(); ++i) {
        out.push_back(variables[i]);
        // "A and B"; "A, B, and C" for three or more.
        out.push_back(std::u16string(variables.size() == 2 ? u" " : u", "));
    }
    out.push_back(Phrase{IDS_SELECTION_AND_BEFORE_LAST});
    out.push_back(variables.back());
    out.push_back(u".");
    return out;
}

// --- Ridge regression ----------------------------------------------------------------------

Sentence ridge_parameter_sentence(double ridge_parameter, std::u16string value) {
    if (!(ridge_parameter >= 0.0)) throw std::invalid_argument("a ridge parameter is 0 or more");
    Sentence out{Phrase{IDS_RIDGE_PARAMETER_OPENING}, std::move(value)};
    if (ridge_parameter == 0.0)
        out.push_back(Phrase{IDS_RIDGE_ORDINARY_LEAST_SQUARES});
    else
        out.push_back(u".");
    return out;
}

// --- Logistic regression -------------------------------------------------------------------

bool predicts_true(double predicted, double cutoff) { return predicted > cutoff; }

std::vector<Sentence> top_term_commentary(const BandSet& set, double p_value, std::u16string term) {
    Band band = band_of(p_value);
    bool advice_names_term = band == Band::not_significant || band == Band::at_90;
    std::vector<PrintfArgument> advice_args;
    if (advice_names_term) advice_args.emplace_back(std::move(term));
    return band_commentary(set, p_value, {}, std::move(advice_args));
}

// --- Calibration models --------------------------------------------------------------------

Sentence calibration_verdict(const CalibrationTest& test) {
    auto band = static_cast<std::size_t>(band_of(test.p_value));
    const commentary::CalibrationVerdicts& v = commentary::calibration_verdicts;
    Sentence out{Phrase{v.opening[band]}};
    if (test.subject == IDS_CALIBRATION_SUBJECT_STORED_SLOPE) {
        out.push_back(Phrase{IDS_CALIBRATION_SLOPES_ARE_EQUAL});
    } else {
        out.push_back(Phrase{test.subject});
        out.push_back(Phrase{IDS_CALIBRATION_EQUALS});
        out.push_back(test.hypothesized);
    }
    out.push_back(Phrase{v.ending[band]});
    return out;
}

std::vector<Sentence> calibration_tests_commentary(std::span<const CalibrationTest> tests) {
    if (tests.size() > commentary::calibration_test_openings.size())
        throw std::invalid_argument("a calibration model has at most five tests");
    std::vector<Sentence> out;
    if (auto count = count_phrase(commentary::calibration_tests, tests.size())) out.push_back({*count});
    for (std::size_t i = 0; i < tests.size(); ++i) {
        out.push_back({Phrase{commentary::calibration_test_openings[i]}, Phrase{tests[i].subject}, u"."});
        out.push_back(calibration_verdict(tests[i]));
    }
    return out;
}

// --- Panes shared by the regression procedures ---------------------------------------------

std::size_t serious_variance_inflation_count(std::span<const double> factors) {
    std::size_t n = 0;
    for (double f : factors) n += f > kSeriousVarianceInflation;
    return n;
}

Sentence variance_inflation_sentence(std::size_t serious) { return {Phrase{IDS_SHARED_VIF_ABOVE_10, {serious}}}; }

std::size_t significant_autocorrelation_count(std::span<const double> coefficients, std::span<const double> limits) {
    if (coefficients.size() != limits.size()) throw std::invalid_argument("one probability limit per lag");
    std::size_t n = 0;
    for (std::size_t k = 0; k < coefficients.size(); ++k) n += std::fabs(coefficients[k]) > limits[k];
    return n;
}

Sentence autocorrelation_sentence(std::size_t significant, std::size_t lags, std::u16string level) {
    if (significant > lags) throw std::invalid_argument("more significant autocorrelations than lags");
    Sentence out{*count_phrase(commentary::significant_autocorrelations, significant, {lags})};
    if (significant > 0) {
        out.push_back(std::move(level));
        out.push_back(Phrase{IDS_AUTOCORRELATIONS_NOT_RANDOM});
    }
    return out;
}

// --- General linear models -------------------------------------------------------------------

bool percentage_errors_computed(double smallest_data_value) { return smallest_data_value > 0.0; }

std::optional<Sentence> percentage_errors_note(double smallest_data_value) {
    if (percentage_errors_computed(smallest_data_value)) return std::nullopt;
    return Sentence{Phrase{IDS_GLM_PERCENTAGE_ERRORS_NOT_COMPUTED}};
}

}  // namespace torvik::host
