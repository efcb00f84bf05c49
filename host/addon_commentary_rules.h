// The host's choice rules for the commentary of the add-on's own procedures:
// the lines a comparison of regression lines fits, how a nonlinear estimation
// ended, the variables of the best model, the calibration tests and their
// verdicts, the ridge parameter, the cutoff of a logistic prediction, and the
// quantities counted against a threshold. They reuse the shared rules
// (bands, count forms, articles) over the sets of addon_commentary_ids.h.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "addon_commentary_ids.h"
#include "commentary_rules.h"

namespace torvik::host {

// --- Comparison of regression lines ---------------------------------------------------

// "This corresponds to " and the lines fitted under the two analysis options:
// one line, parallel lines, lines with equal intercepts, or separate lines.
Sentence regression_lines_sentence(bool intercepts_equal, bool slopes_equal, std::size_t lines,
                                   std::u16string level_codes);

// --- Nonlinear regression ---------------------------------------------------------------

enum class NonlinearOutcome : std::uint8_t {
    estimates_converged,
    sum_of_squares_at_minimum,
    maximum_iterations,
    maximum_function_calls,
    maximum_marquardt_parameter,
    function_failed,
};

bool converged(NonlinearOutcome outcome);

// How the estimation ended; after one that did not converge, the advice: start
// again from the current estimates when it ran into a limit, try other initial
// estimates or another method (after a limit, and after a failed function).
std::vector<Sentence> nonlinear_end_commentary(NonlinearOutcome outcome, int iterations);

// --- Regression model selection ---------------------------------------------------------

// The best model's variables: a constant alone, one named variable, or the
// count and the names, "and " before the last, closed with the host's period.
Sentence best_model_sentence(std::span<const std::u16string> variables);

// --- Ridge regression -------------------------------------------------------------------

// The ridge parameter and, exactly when it is 0, that this is ordinary least squares.
Sentence ridge_parameter_sentence(double ridge_parameter, std::u16string value);

// --- Logistic regression ----------------------------------------------------------------

// Above the cutoff predicts TRUE; at or below it, FALSE.
bool predicts_true(double predicted, double cutoff);

// The highest P-value's term, its band and the advice, which names the term
// where it suggests removing it (not significant, or significant at 90% only).
std::vector<Sentence> top_term_commentary(const BandSet& set, double p_value, std::u16string term);

// --- Calibration models -----------------------------------------------------------------

struct CalibrationTest {
    std::uint16_t subject;          // one of 8757-8760, 8793
    std::u16string hypothesized;    // the value tested, as the host prints it
    double p_value;
};

// The tests announced by count (none says nothing), each test by its opening
// and subject, then its verdict. At most five tests, the stored model's last.
std::vector<Sentence> calibration_tests_commentary(std::span<const CalibrationTest> tests);

// The verdict of one test: not rejected above 0.10, rejected at 90, 95 or 99%
// below 0.10, 0.05, 0.01. The texts say "greater than 0.10"; exactly 0.10, as
// elsewhere, is not rejected. The stored model's test states "slopes are equal".
Sentence calibration_verdict(const CalibrationTest& test);

// --- Panes shared by the regression procedures -------------------------------------------

inline constexpr double kSeriousVarianceInflation = 10.0;  // above it, serious multicollinearity

std::size_t serious_variance_inflation_count(std::span<const double> factors);
Sentence variance_inflation_sentence(std::size_t serious);

// Coefficients outside their probability limits (|r_k| above limit_k); a value on a limit is inside.
std::size_t significant_autocorrelation_count(std::span<const double> coefficients, std::span<const double> limits);

// None of n, one of n, or k of n autocorrelations significant; the last two go
// on with the confidence level and the ending that the residuals may not be random.
Sentence autocorrelation_sentence(std::size_t significant, std::size_t lags, std::u16string level);

// --- General linear models ---------------------------------------------------------------

// MAPE and MPE need a smallest data value above 0.0; the note when they are not computed.
bool percentage_errors_computed(double smallest_data_value);
std::optional<Sentence> percentage_errors_note(double smallest_data_value);

}  // namespace torvik::host
