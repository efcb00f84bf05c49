/* Interpretive commentary shared by the package's procedures (6391-8409): the
 * identifiers the host's choice rules and the demonstration name, and the sets
 * of variant texts among which the rules choose. The #define lines serve the
 * resource compiler and C++ alike; the sets below them are C++ only. */
#ifndef TORVIK_COMMENTARY_IDS_H
#define TORVIK_COMMENTARY_IDS_H

#include "text_ids.h"

/* Model words of the one-variable forms, taken in by the fit sentences for "%s". */
#define IDS_MODEL_WORD_LINEAR                  7336
#define IDS_MODEL_WORD_EXPONENTIAL             7337
#define IDS_MODEL_WORD_RECIPROCAL_Y            7338
#define IDS_MODEL_WORD_RECIPROCAL_X            7339
#define IDS_MODEL_WORD_DOUBLE_RECIPROCAL       7340
#define IDS_MODEL_WORD_LOGARITHMIC_X           7341
#define IDS_MODEL_WORD_MULTIPLICATIVE          7342
#define IDS_MODEL_WORD_SQUARE_ROOT_X           7343
#define IDS_MODEL_WORD_SQUARE_ROOT_Y           7344
#define IDS_MODEL_WORD_S_CURVE                 7345
#define IDS_MODEL_WORD_LOGISTIC                7346
#define IDS_MODEL_WORD_LOG_PROBIT              7347
#define IDS_MODEL_WORD_PIECEWISE_LINEAR        7349

/* One-variable regression: analysis summary. */
#define IDS_FIT_OF_A_MODEL                     7351  /* [model word, Y, X] */
#define IDS_FIT_OF_AN_MODEL                    7352  /* its "an" twin */
#define IDS_FIT_EQUATION_LEAD_IN               7353
#define IDS_FIT_NOT_SIGNIFICANT                7354  /* [Y, X] */
#define IDS_FIT_SIGNIFICANT_AT_90              7355
#define IDS_FIT_SIGNIFICANT_AT_95              7356
#define IDS_FIT_SIGNIFICANT_AT_99              7357
#define IDS_FIT_R_SQUARED_OPENING              7358
#define IDS_FIT_R_SQUARED_OF_Y                 7359  /* [Y], no period */
#define IDS_FIT_LINEARIZED_LOGARITHMIC         7360
#define IDS_FIT_LINEARIZED_RECIPROCAL          7361
#define IDS_FIT_LINEARIZED_SQUARE_ROOT         7362
#define IDS_FIT_LINEARIZED_LOGIT               7363
#define IDS_FIT_LINEARIZED_INVERSE_NORMAL      7364
#define IDS_FIT_CORRELATION_OPENING            7365
#define IDS_FIT_CORRELATION_STRONG             7366
#define IDS_FIT_CORRELATION_MODERATE           7367
#define IDS_FIT_CORRELATION_WEAK               7368
#define IDS_FIT_STANDARD_ERROR_OPENING         7369
#define IDS_FIT_LIMITS_BY_FORECASTS            7370
#define IDS_LACK_OF_FIT_PURPOSE                7371
#define IDS_LACK_OF_FIT_METHOD                 7372
#define IDS_LACK_OF_FIT_NO_REPLICATES          7373  /* [X] */
#define IDS_LACK_OF_FIT_ADEQUATE               7374
#define IDS_LACK_OF_FIT_AT_90                  7375
#define IDS_LACK_OF_FIT_OTHER_FORM             7376
#define IDS_LACK_OF_FIT_AT_95                  7377
#define IDS_LACK_OF_FIT_AT_99                  7378

/* Unusual residuals: Studentized residuals beyond 2.0 (a of them) and 3.0 (b). */
#define IDS_RESIDUALS_NONE                     7403
#define IDS_RESIDUALS_ONE                      7404
#define IDS_RESIDUALS_ONE_ALSO_BEYOND          7405
#define IDS_RESIDUALS_SEVERAL                  7406  /* [a] */
#define IDS_RESIDUALS_SEVERAL_ONE_BEYOND       7407  /* [a] */
#define IDS_RESIDUALS_SEVERAL_SOME_BEYOND      7408  /* [a, b] */
#define IDS_RESIDUALS_SEVERAL_ALL_BEYOND       7409  /* [a] */
#define IDS_RESIDUALS_EXAMINE                  7410

/* Influential points: leverage beyond 3 (a) and 5 (b) times the average. */
#define IDS_LEVERAGE_AVERAGE_OPENING           7413
#define IDS_LEVERAGE_NONE                      7414
#define IDS_LEVERAGE_ONE                       7415
#define IDS_LEVERAGE_ONE_ALSO_BEYOND           7416
#define IDS_LEVERAGE_SEVERAL                   7417  /* [a] */
#define IDS_LEVERAGE_SEVERAL_ONE_BEYOND        7418  /* [a] */
#define IDS_LEVERAGE_SEVERAL_SOME_BEYOND       7419  /* [a, b] */
#define IDS_LEVERAGE_SEVERAL_ALL_BEYOND        7420  /* [a] */
#define IDS_LEVERAGE_EXAMINE                   7421

/* Plot of the fitted model: the fit sentences again, as an article pair. */
#define IDS_FITTED_PLOT_OF_A_MODEL             7422
#define IDS_FITTED_PLOT_OF_AN_MODEL            7423

/* Unusually large DFITS and Cook's distances. */
#define IDS_DFITS_NONE                         7448
#define IDS_DFITS_ONE                          7449
#define IDS_DFITS_SEVERAL                      7450  /* [n] */
#define IDS_COOKS_DISTANCE_NONE                7528
#define IDS_COOKS_DISTANCE_ONE                 7529
#define IDS_COOKS_DISTANCE_SEVERAL             7530  /* [n] */

/* Multiple regression: analysis summary. */
#define IDS_MULTIPLE_NOT_SIGNIFICANT           7453  /* no placeholder: a single "%" */
#define IDS_MULTIPLE_SIGNIFICANT_AT_90         7454
#define IDS_MULTIPLE_SIGNIFICANT_AT_95         7455
#define IDS_MULTIPLE_SIGNIFICANT_AT_99         7456
#define IDS_DURBIN_WATSON_BELOW                7465
#define IDS_DURBIN_WATSON_PLOT_RESIDUALS       7466
#define IDS_DURBIN_WATSON_ABOVE                7467

/* Correlations of the coefficients above 0.5 in absolute value; none closes with a period. */
#define IDS_CORRELATIONS_NONE                  7489
#define IDS_CORRELATIONS_ONE                   7490
#define IDS_CORRELATIONS_SEVERAL               7491  /* [n] */
#define IDS_CORRELATIONS_BUT_CONSTANT          7492

/* Polynomial regression. */
#define IDS_POLYNOMIAL_TOP_TERM_NOT_SIGNIFICANT 7542
#define IDS_POLYNOMIAL_REDUCE_ORDER            7543
#define IDS_POLYNOMIAL_TOP_TERM_AT_90          7544
#define IDS_POLYNOMIAL_ORDER_BY_LEVEL          7545
#define IDS_POLYNOMIAL_TOP_TERM_AT_95          7546
#define IDS_POLYNOMIAL_KEEP_ORDER              7547
#define IDS_POLYNOMIAL_TOP_TERM_AT_99          7548
#define IDS_POLYNOMIAL_KEEP_ORDER_AT_99        7549
#define IDS_POLYNOMIAL_ORDER_AT_99             7554  /* [term order, model order] */
#define IDS_POLYNOMIAL_ORDER_AT_95             7555  /* [term order, model order] */
#define IDS_POLYNOMIAL_LACK_OF_FIT_ADEQUATE    7564
#define IDS_POLYNOMIAL_LACK_OF_FIT_AT_90       7565
#define IDS_POLYNOMIAL_HIGHER_ORDER            7566
#define IDS_POLYNOMIAL_LACK_OF_FIT_AT_95       7567
#define IDS_POLYNOMIAL_LACK_OF_FIT_AT_99       7568

/* One-factor table of means and its intervals. */
#define IDS_MEANS_TABLE_OF_Y_BY_FACTOR         8331  /* [Y, factor] */
#define IDS_MEANS_STANDARD_ERRORS              8332
#define IDS_MEANS_ERROR_INTERNAL               8333
#define IDS_MEANS_ERROR_POOLED                 8334
#define IDS_MEANS_INTERVALS_SHOWN              8335
#define IDS_MEANS_ONE_STANDARD_ERROR           8336
#define IDS_MEANS_CONFIDENCE_OPENING           8337
#define IDS_MEANS_CONFIDENCE_ENDING            8338
#define IDS_MEANS_CONFIDENCE_COVERAGE          8339  /* after the level */
#define IDS_MEANS_LSD                          8340
#define IDS_MEANS_LSD_OVERLAP_OPENING          8341
#define IDS_MEANS_OF_THE_TIME                  8342
#define IDS_MEANS_PLOT_BY_GRAPHICAL_OPTIONS    8343
#define IDS_MEANS_USED_BY_RANGE_TESTS          8344
#define IDS_MEANS_TUKEY_HSD                    8345
#define IDS_MEANS_ALL_OVERLAP_OPENING          8346
#define IDS_MEANS_SCHEFFE                      8347
#define IDS_MEANS_ALL_OVERLAP_AT_LEAST_OPENING 8348
#define IDS_MEANS_BONFERRONI                   8349
#define IDS_MEANS_NOT_EXACT                    8350
#define IDS_MEANS_USE_BONFERRONI               8351
#define IDS_MEANS_TUKEY_BONFERRONI_NARROWER    8352

/* Multiple range tests. */
#define IDS_RANGE_TESTS_PURPOSE                8356
#define IDS_RANGE_TESTS_DIFFERENCES            8357
#define IDS_RANGE_TESTS_PAIRS_SEVERAL          8358  /* [n], then the level */
#define IDS_RANGE_TESTS_PAIRS_ONE              8359
#define IDS_RANGE_TESTS_PAIRS_NONE             8360
#define IDS_RANGE_TESTS_CONFIDENCE_LEVEL       8361
#define IDS_RANGE_TESTS_GROUPS_SEVERAL         8362  /* [n] */
#define IDS_RANGE_TESTS_GROUPS_ONE             8363
#define IDS_RANGE_TESTS_GROUPS_MEANING         8364
#define IDS_RANGE_TESTS_METHOD_LSD             8365
#define IDS_RANGE_TESTS_METHOD_TUKEY_HSD       8366
#define IDS_RANGE_TESTS_METHOD_SCHEFFE         8367
#define IDS_RANGE_TESTS_METHOD_BONFERRONI      8368
#define IDS_RANGE_TESTS_METHOD_NEWMAN_KEULS    8369
#define IDS_RANGE_TESTS_METHOD_DUNCAN          8370
#define IDS_RANGE_TESTS_RISK_OPENING           8371
#define IDS_RANGE_TESTS_RISK_AT_MOST_OPENING   8372
#define IDS_RANGE_TESTS_RISK_EACH_PAIR         8373
#define IDS_RANGE_TESTS_RISK_ANY_PAIR          8374
#define IDS_RANGE_TESTS_TUKEY_BONFERRONI_POWER 8375

#ifndef RC_INVOKED
#include <array>
#include <cstdint>
#include <optional>

namespace torvik::commentary {

// The four variants of a statement about a P-value, weakest first.
enum class Band : std::uint8_t { not_significant, at_90, at_95, at_99 };

// One statement per band, each with the advice that follows it, if any.
struct BandSet {
    std::array<std::uint16_t, 4> statement;                   // by Band
    std::array<std::optional<std::uint16_t>, 4> advice = {};  // by Band
};

// A statement about how many items there are. Only the several form takes
// the count; a count form without a none variant says nothing for none.
struct CountForm {
    std::optional<std::uint16_t> none;
    std::uint16_t one;
    std::uint16_t several;
};

// How many values lie beyond a first threshold (a) and how many of those
// also beyond a second (b), with the advice for b of one or more.
struct TwoThresholdForm {
    std::uint16_t none;                // a = 0
    std::uint16_t one;                 // a = 1, b = 0
    std::uint16_t one_also_beyond;     // a = 1, b = 1
    std::uint16_t several;             // b = 0: [a]
    std::uint16_t several_one_beyond;  // b = 1: [a]
    std::uint16_t several_some_beyond; // 2 <= b < a: [a, b]
    std::uint16_t several_all_beyond;  // b = a: [a]
    std::uint16_t advice;
};

// The Durbin-Watson verdicts either side of 1.4, and the advice after the first.
struct DurbinWatsonTexts {
    std::uint16_t below;
    std::uint16_t below_advice;
    std::uint16_t above;
};

// The sentence pair that differs only in "a" and "an" before a model word.
struct ArticlePair {
    std::uint16_t a;
    std::uint16_t an;
};

inline constexpr BandSet one_variable_model_band = {
    {IDS_FIT_NOT_SIGNIFICANT, IDS_FIT_SIGNIFICANT_AT_90, IDS_FIT_SIGNIFICANT_AT_95, IDS_FIT_SIGNIFICANT_AT_99}};
inline constexpr BandSet one_variable_lack_of_fit_band = {
    {IDS_LACK_OF_FIT_ADEQUATE, IDS_LACK_OF_FIT_AT_90, IDS_LACK_OF_FIT_AT_95, IDS_LACK_OF_FIT_AT_99},
    {std::nullopt, IDS_LACK_OF_FIT_OTHER_FORM, IDS_LACK_OF_FIT_OTHER_FORM, IDS_LACK_OF_FIT_OTHER_FORM}};
inline constexpr BandSet polynomial_lack_of_fit_band = {
    {IDS_POLYNOMIAL_LACK_OF_FIT_ADEQUATE, IDS_POLYNOMIAL_LACK_OF_FIT_AT_90, IDS_POLYNOMIAL_LACK_OF_FIT_AT_95,
     IDS_POLYNOMIAL_LACK_OF_FIT_AT_99},
    {std::nullopt, IDS_POLYNOMIAL_HIGHER_ORDER, IDS_POLYNOMIAL_HIGHER_ORDER, IDS_POLYNOMIAL_HIGHER_ORDER}};
inline constexpr BandSet multiple_regression_model_band = {
    {IDS_MULTIPLE_NOT_SIGNIFICANT, IDS_MULTIPLE_SIGNIFICANT_AT_90, IDS_MULTIPLE_SIGNIFICANT_AT_95,
     IDS_MULTIPLE_SIGNIFICANT_AT_99}};
inline constexpr BandSet polynomial_top_term_band = {
    {IDS_POLYNOMIAL_TOP_TERM_NOT_SIGNIFICANT, IDS_POLYNOMIAL_TOP_TERM_AT_90, IDS_POLYNOMIAL_TOP_TERM_AT_95,
     IDS_POLYNOMIAL_TOP_TERM_AT_99},
    {IDS_POLYNOMIAL_REDUCE_ORDER, IDS_POLYNOMIAL_ORDER_BY_LEVEL, IDS_POLYNOMIAL_KEEP_ORDER,
     IDS_POLYNOMIAL_KEEP_ORDER_AT_99}};

// Every band set of the shared commentary.
inline constexpr const BandSet* shared_band_sets[] = {&one_variable_model_band, &one_variable_lack_of_fit_band,
                                                      &polynomial_lack_of_fit_band, &multiple_regression_model_band,
                                                      &polynomial_top_term_band};

inline constexpr TwoThresholdForm residuals_beyond_2_and_3 = {
    IDS_RESIDUALS_NONE,      IDS_RESIDUALS_ONE,                 IDS_RESIDUALS_ONE_ALSO_BEYOND,
    IDS_RESIDUALS_SEVERAL,   IDS_RESIDUALS_SEVERAL_ONE_BEYOND,  IDS_RESIDUALS_SEVERAL_SOME_BEYOND,
    IDS_RESIDUALS_SEVERAL_ALL_BEYOND, IDS_RESIDUALS_EXAMINE};
inline constexpr TwoThresholdForm leverage_beyond_3_and_5 = {
    IDS_LEVERAGE_NONE,      IDS_LEVERAGE_ONE,                 IDS_LEVERAGE_ONE_ALSO_BEYOND,
    IDS_LEVERAGE_SEVERAL,   IDS_LEVERAGE_SEVERAL_ONE_BEYOND,  IDS_LEVERAGE_SEVERAL_SOME_BEYOND,
    IDS_LEVERAGE_SEVERAL_ALL_BEYOND, IDS_LEVERAGE_EXAMINE};

inline constexpr CountForm large_dfits = {IDS_DFITS_NONE, IDS_DFITS_ONE, IDS_DFITS_SEVERAL};
inline constexpr CountForm large_cooks_distances = {IDS_COOKS_DISTANCE_NONE, IDS_COOKS_DISTANCE_ONE,
                                                    IDS_COOKS_DISTANCE_SEVERAL};
inline constexpr CountForm large_coefficient_correlations = {IDS_CORRELATIONS_NONE, IDS_CORRELATIONS_ONE,
                                                             IDS_CORRELATIONS_SEVERAL};
inline constexpr CountForm significant_pairs_of_means = {IDS_RANGE_TESTS_PAIRS_NONE, IDS_RANGE_TESTS_PAIRS_ONE,
                                                         IDS_RANGE_TESTS_PAIRS_SEVERAL};
inline constexpr CountForm homogeneous_groups = {std::nullopt, IDS_RANGE_TESTS_GROUPS_ONE,
                                                 IDS_RANGE_TESTS_GROUPS_SEVERAL};

inline constexpr DurbinWatsonTexts durbin_watson_verdicts = {IDS_DURBIN_WATSON_BELOW, IDS_DURBIN_WATSON_PLOT_RESIDUALS,
                                                           IDS_DURBIN_WATSON_ABOVE};

inline constexpr ArticlePair fit_sentence = {IDS_FIT_OF_A_MODEL, IDS_FIT_OF_AN_MODEL};
inline constexpr ArticlePair fitted_plot_sentence = {IDS_FITTED_PLOT_OF_A_MODEL, IDS_FITTED_PLOT_OF_AN_MODEL};

}  // namespace torvik::commentary
#endif

#endif
