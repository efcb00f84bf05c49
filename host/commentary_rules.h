// How the host chooses its commentary from the results: the P-value band of a
// statement, count forms, counts beyond thresholds, the article before a model
// word, the ending after R-squared, the Durbin-Watson verdict, and the advice
// that follows each case. The rules name texts by identifier and hand back
// sentences; reading and filling the texts is render's work.
//
// The rules take the variant sets of include/commentary_ids.h by their types
// (BandSet, CountForm, TwoThresholdForm, ArticlePair, DurbinWatsonTexts), so a
// further family of commentary declares its own sets of those types and reuses
// the rules as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "commentary_ids.h"
#include "model_form.h"
#include "text_format.h"
#include "text_source.h"

namespace torvik::host {

using commentary::ArticlePair;
using commentary::Band;
using commentary::BandSet;
using commentary::CountForm;
using commentary::DurbinWatsonTexts;
using commentary::TwoThresholdForm;

// --- Sentences ------------------------------------------------------------------

// A text of the catalogue with the arguments of its placeholders.
struct Phrase {
    std::uint16_t id;
    std::vector<PrintfArgument> args = {};
};

// A sentence as the host joins it: catalogue texts and the values the host
// writes between them (a number, an equation, the period it closes with).
// Openings and endings carry their own spaces, so nothing is added between pieces.
using Piece = std::variant<Phrase, std::u16string>;
using Sentence = std::vector<Piece>;

// The sentence as shown: each text read from the source and formatted by the
// percent-sign rule (a text without placeholders is shown as stored).
std::u16string render(const TextSource& source, const Sentence& sentence);

// Appends each sentence rendered on a line of its own.
void append_line(std::u16string& out, const TextSource& source, const Sentence& sentence);
void append_lines(std::u16string& out, const TextSource& source, const std::vector<Sentence>& sentences);

// --- P-value bands ----------------------------------------------------------------

// The strongest case that holds: 0.10 or more is not significant; below that,
// below 0.01 is the 99% variant, below 0.05 the 95% one, else the 90% one.
// Exactly 0.05 is therefore at 90 and exactly 0.01 at 95. A P-value outside
// [0, 1], or not a number, is refused with std::invalid_argument.
Band band_of(double p_value);

// The statement of p's band, with its arguments, and the advice that follows it.
std::vector<Sentence> band_commentary(const BandSet& set, double p_value,
                                      std::vector<PrintfArgument> statement_args = {},
                                      std::vector<PrintfArgument> advice_args = {});

// --- Count forms ------------------------------------------------------------------

// The text for n items: the several form takes n before `rest`, the others
// only `rest` (a total or a name that every variant takes). Nothing when n is 0
// and the form has no none variant.
std::optional<Phrase> count_phrase(const CountForm& form, std::size_t n, std::vector<PrintfArgument> rest = {});

// --- Counts beyond two thresholds -------------------------------------------------

struct ThresholdCounts {
    std::size_t beyond_first = 0;   // a
    std::size_t beyond_second = 0;  // b, never more than a
};

// Values strictly greater than each threshold: a value equal to one is not counted.
ThresholdCounts count_beyond(std::span<const double> values, double first, double second);

// The count text of a and b, then the advice when b is 1 or more. Refuses b > a.
std::vector<Sentence> two_threshold_commentary(const TwoThresholdForm& form, ThresholdCounts counts);

inline constexpr double kResidualListed = 2.0;      // |Studentized residual| above it is listed
inline constexpr double kResidualSingledOut = 3.0;  // and above this singled out
inline constexpr double kLeverageListed = 3.0;      // times the average leverage
inline constexpr double kLeverageSingledOut = 5.0;

ThresholdCounts studentized_residual_counts(std::span<const double> studentized_residuals);
ThresholdCounts leverage_counts(std::span<const double> leverages, double average_leverage);

// --- Other counted quantities -------------------------------------------------------

inline constexpr double kLargeCoefficientCorrelation = 0.5;

// Correlations between coefficient estimates above 0.5 in absolute value; the
// caller leaves out those with the constant term.
std::size_t large_correlation_count(std::span<const double> correlations);

// The count sentence of large correlations, " (not including the constant term)"
// when the model has one, and the period the host closes it with.
Sentence coefficient_correlation_sentence(std::size_t large_correlations, bool model_has_constant);

// Unusually large influence, by the usual size-adjusted cut-offs (the texts state
// none): |DFITS| above 2 sqrt(p/n), Cook's distance above 4/n, for n observations
// (the values given) and p coefficients.
std::size_t large_dfits_count(std::span<const double> dfits, std::size_t coefficients);
std::size_t large_cooks_distance_count(std::span<const double> cooks_distances);

// --- Articles -----------------------------------------------------------------------

// Whether a word begins with a vowel sound: a vowel letter ("exponential"),
// a capital read as its letter name ("S-curve", "R-squared", "MSE"), or a
// silent "h" ("hour"); not "u" read as "you" ("unit", "usual") nor "one".
bool takes_an(std::u16string_view word);

std::uint16_t with_article(const ArticlePair& pair, std::u16string_view word);

// --- One-variable fits --------------------------------------------------------------

// The model word of a form, taken in by the fit sentences.
std::uint16_t model_word_id(ModelForm form);

// The ending naming the scale on which Y was linearized, or nothing for a form
// that leaves Y untransformed.
std::optional<std::uint16_t> linearizing_ending(ModelForm form);

// The fit sentence of the pair, its article chosen by the model word as the
// source holds it: [model word, Y, X].
Sentence fit_sentence(const TextSource& source, const ArticlePair& pair, ModelForm form, std::u16string y,
                      std::u16string x);

// "... explains", the R-squared value, "% of the variability in Y", then the
// linearizing ending or the host's period.
Sentence r_squared_sentence(ModelForm form, std::u16string r_squared, std::u16string y);

// The correlation coefficient's opening, its value and the ending for |r|:
// relatively strong from 0.8, moderately strong from 0.5, relatively weak below.
inline constexpr double kStrongCorrelation = 0.8;
inline constexpr double kModerateCorrelation = 0.5;
Sentence correlation_sentence(double r, std::u16string value);

// --- Multiple regression ---------------------------------------------------------------

// Below 1.4 the first verdict and its advice; otherwise the second. The texts
// say "less than" and "greater than"; 1.4 itself, like a P-value of 0.10, takes
// the verdict that raises no alarm.
inline constexpr double kDurbinWatsonThreshold = 1.4;
std::vector<Sentence> durbin_watson_commentary(const DurbinWatsonTexts& texts, double statistic);

// --- Polynomials -------------------------------------------------------------------------

// The order suggested by the conditional sums of squares: below 0.01 or below
// 0.05, with the term's order and the model's; nothing otherwise.
std::optional<Phrase> polynomial_order_suggestion(double p_value, int term_order, int model_order);

// --- Tables of means and multiple range tests ---------------------------------------------

enum class MeansInterval : std::uint8_t { standard_error, confidence, lsd, tukey_hsd, scheffe, bonferroni };

// That the table of means shows intervals, what they are and how to read
// them, at the confidence level the host prints; levels of unequal size add
// the note that intervals for comparing means are then approximate.
std::vector<Sentence> means_interval_commentary(MeansInterval kind, std::u16string level, bool unequal_counts);

enum class RangeTestMethod : std::uint8_t { lsd, tukey_hsd, scheffe, bonferroni, newman_keuls, duncan };

// The method in use and its risk of a false difference (100 minus the level):
// per pair for LSD, at most for the family of pairs for Tukey, Scheffe and
// Bonferroni, neither for the stepwise Newman-Keuls and Duncan procedures.
std::vector<Sentence> range_test_method_commentary(RangeTestMethod method, std::u16string risk);

// How many pairs of means differ significantly, at the confidence level.
Sentence significant_pairs_sentence(std::size_t pairs, std::u16string level);

}  // namespace torvik::host
