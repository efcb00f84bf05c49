/* Interpretive commentary of the add-on's own procedures (8501-8912): the
 * identifiers the host's choice rules and the demonstration name, and the sets
 * of variant texts among which the rules choose. The #define lines serve the
 * resource compiler and C++ alike; the sets below them are C++ only. */
#ifndef TORVIK_ADDON_COMMENTARY_IDS_H
#define TORVIK_ADDON_COMMENTARY_IDS_H

#include "commentary_ids.h"

/* Comparison of regression lines: analysis summary. */
#define IDS_LINES_MODEL_OF_Y_X_CODES           8501  /* [Y, X, level codes] */
#define IDS_LINES_EQUATION_LEAD_IN             8502
#define IDS_LINES_INDICATOR_TERMS              8503  /* [indicator term] */
#define IDS_LINES_CORRESPONDS_TO               8504
#define IDS_LINES_ONE_LINE                     8505
#define IDS_LINES_PARALLEL                     8506  /* [lines] */
#define IDS_LINES_EQUAL_INTERCEPTS             8507  /* [lines] */
#define IDS_LINES_SEPARATE                     8508  /* [lines, level codes] */
#define IDS_LINES_REDUCES_FOR_EXAMPLE          8509  /* [condition], then the equation */
#define IDS_LINES_REDUCES                      8510  /* [condition], then the equation */
#define IDS_LINES_MODEL_NOT_SIGNIFICANT        8511  /* "%%" without a placeholder, 8511-8514 */
#define IDS_LINES_MODEL_AT_90                  8512
#define IDS_LINES_MODEL_AT_95                  8513
#define IDS_LINES_MODEL_AT_99                  8514
#define IDS_LINES_TEST_BY_CONDITIONAL_SUMS     8515
#define IDS_LINES_CONDITIONAL_SUMS_PURPOSE     8521
/* The slopes and the intercepts, each stored from the strongest case. */
#define IDS_LINES_SLOPES_AT_99                 8522  /* [level codes] */
#define IDS_LINES_SLOPES_AT_95                 8523
#define IDS_LINES_SLOPES_AT_90                 8524
#define IDS_LINES_SLOPES_NOT_SIGNIFICANT       8525
#define IDS_LINES_FORCE_EQUAL_SLOPES           8526
#define IDS_LINES_INTERCEPTS_AT_99             8527  /* [level codes] */
#define IDS_LINES_INTERCEPTS_AT_95             8528
#define IDS_LINES_INTERCEPTS_AT_90             8529
#define IDS_LINES_INTERCEPTS_NOT_SIGNIFICANT   8530
#define IDS_LINES_FORCE_EQUAL_INTERCEPTS       8531

/* Regression model selection: the variables of the best model. */
#define IDS_SELECTION_BEST_CONSTANT_ONLY       8565
#define IDS_SELECTION_BEST_ONE_VARIABLE        8566  /* [name] */
#define IDS_SELECTION_BEST_VARIABLES           8567  /* [n], then the names */
#define IDS_SELECTION_AND_BEFORE_LAST          8568

/* Ridge regression. */
#define IDS_RIDGE_PARAMETER_OPENING            8584
#define IDS_RIDGE_ORDINARY_LEAST_SQUARES       8585

/* Nonlinear regression. */
#define IDS_NONLINEAR_MODEL_OF_Y               8621  /* [Y, variables] */
#define IDS_NONLINEAR_EQUATION_LEAD_IN         8622
#define IDS_NONLINEAR_ENDED_AFTER              8623  /* [iterations] */
#define IDS_NONLINEAR_ESTIMATES_CONVERGED      8624
#define IDS_NONLINEAR_SSE_AT_MINIMUM           8625
#define IDS_NONLINEAR_STOPPED_BEFORE           8626
#define IDS_NONLINEAR_MAX_ITERATIONS           8627
#define IDS_NONLINEAR_MAX_FUNCTION_CALLS       8628
#define IDS_NONLINEAR_MAX_MARQUARDT            8629
#define IDS_NONLINEAR_RESTART_FROM_CURRENT     8630
#define IDS_NONLINEAR_TRY_OTHER_ESTIMATES      8631
#define IDS_NONLINEAR_FUNCTION_FAILED          8632
#define IDS_NONLINEAR_INTERVALS_OPENING        8633
#define IDS_NONLINEAR_INTERVALS_ENDING         8634
#define IDS_NONLINEAR_INTERVALS_APPROXIMATE    8635
#define IDS_NONLINEAR_SIGNIFICANT_PARAMETER    8636
#define IDS_NONLINEAR_REMOVE_PARAMETERS        8637

/* Logistic regression. */
#define IDS_LOGISTIC_DEVIANCE_NOT_SIGNIFICANT  8654
#define IDS_LOGISTIC_DEVIANCE_AT_90            8655
#define IDS_LOGISTIC_DEVIANCE_AT_99            8656
#define IDS_LOGISTIC_RESIDUALS_NOT_WORSE       8657
#define IDS_LOGISTIC_RESIDUALS_AT_90           8658
#define IDS_LOGISTIC_RESIDUALS_AT_95           8659
#define IDS_LOGISTIC_RESIDUALS_AT_99           8660
#define IDS_LOGISTIC_TERM_NOT_SIGNIFICANT      8667
#define IDS_LOGISTIC_CONSIDER_REMOVING         8668  /* [term] */
#define IDS_LOGISTIC_TERM_AT_90                8669
#define IDS_LOGISTIC_REMOVE_BY_LEVEL           8670  /* [term] */
#define IDS_LOGISTIC_TERM_AT_95                8671
#define IDS_LOGISTIC_KEEP_VARIABLES            8672
#define IDS_LOGISTIC_TERM_AT_99                8673
#define IDS_LOGISTIC_DEVIANCE_AT_95            8674  /* stored after the others */
#define IDS_LOGISTIC_FIT_ADEQUATE              8683
#define IDS_LOGISTIC_FIT_REJECTED_AT_90        8684
#define IDS_LOGISTIC_FIT_REJECTED_AT_95        8685
#define IDS_LOGISTIC_FIT_REJECTED_AT_99        8686
#define IDS_LOGISTIC_ABOVE_CUTOFF_TRUE         8691
#define IDS_LOGISTIC_AT_OR_BELOW_CUTOFF_FALSE  8692

/* Calibration models. */
#define IDS_CALIBRATION_TESTS_SEVERAL          8752  /* [n] */
#define IDS_CALIBRATION_FIRST_TEST             8753
#define IDS_CALIBRATION_SECOND_TEST            8754
#define IDS_CALIBRATION_THIRD_TEST             8755
#define IDS_CALIBRATION_FOURTH_TEST            8756
#define IDS_CALIBRATION_SUBJECT_INTERCEPT      8757
#define IDS_CALIBRATION_SUBJECT_SLOPE          8758
#define IDS_CALIBRATION_SUBJECT_SLOPE_CHANGE   8759
#define IDS_CALIBRATION_SUBJECT_KNEE           8760
#define IDS_CALIBRATION_NOT_REJECTED_OPENING   8761
#define IDS_CALIBRATION_EQUALS                 8762
#define IDS_CALIBRATION_NOT_REJECTED_ENDING    8763
#define IDS_CALIBRATION_AT_90_OPENING          8764
#define IDS_CALIBRATION_AT_90_ENDING           8765
#define IDS_CALIBRATION_AT_95_OPENING          8766
#define IDS_CALIBRATION_AT_95_ENDING           8767
#define IDS_CALIBRATION_AT_99_OPENING          8768
#define IDS_CALIBRATION_AT_99_ENDING           8769
#define IDS_CALIBRATION_TESTS_ONE              8770
#define IDS_CALIBRATION_FIT_OF_A_MODEL         8777  /* [model word] */
#define IDS_CALIBRATION_FIT_OF_AN_MODEL        8778
#define IDS_CALIBRATION_FIFTH_TEST             8792
#define IDS_CALIBRATION_SUBJECT_STORED_SLOPE   8793
#define IDS_CALIBRATION_SLOPES_ARE_EQUAL       8794

/* Panes shared by the regression procedures. */
#define IDS_SHARED_VIF_ABOVE_10                8825  /* [n] */
#define IDS_AUTOCORRELATIONS_NONE              8833  /* [lags] */
#define IDS_AUTOCORRELATIONS_ONE               8834  /* [lags], then the level */
#define IDS_AUTOCORRELATIONS_SEVERAL           8835  /* [k, lags], then the level */
#define IDS_AUTOCORRELATIONS_NOT_RANDOM        8836

/* General linear models. */
#define IDS_GLM_FIRST_TABLE_NOT_SIGNIFICANT    8852  /* [Y, Y] */
#define IDS_GLM_FIRST_TABLE_AT_90              8853
#define IDS_GLM_FIRST_TABLE_AT_95              8854
#define IDS_GLM_FIRST_TABLE_AT_99              8855
#define IDS_GLM_TERM_NOT_SIGNIFICANT           8860
#define IDS_GLM_CONSIDER_REMOVING              8861  /* [term] */
#define IDS_GLM_TERM_AT_90                     8862
#define IDS_GLM_REMOVE_BY_LEVEL                8863  /* [term] */
#define IDS_GLM_TERM_AT_95                     8864
#define IDS_GLM_KEEP_VARIABLES                 8865
#define IDS_GLM_TERM_AT_99                     8866
#define IDS_GLM_DURBIN_WATSON_BELOW            8875
#define IDS_GLM_DURBIN_WATSON_PLOT_RESIDUALS   8876
#define IDS_GLM_DURBIN_WATSON_ABOVE            8877
#define IDS_GLM_PERCENTAGE_ERRORS_NOT_COMPUTED 8890

/* Comparisons with a control and contrasts. */
#define IDS_CONTROL_SEVERAL                    8898  /* [n], then the level */
#define IDS_CONTROL_ONE                        8899
#define IDS_CONTROL_NONE                       8900
#define IDS_CONTRASTS_SEVERAL                  8904  /* [n], then the level */
#define IDS_CONTRASTS_ONE                      8905
#define IDS_CONTRASTS_NONE                     8906

#ifndef RC_INVOKED

namespace torvik::commentary {

// The statement of each band weakest first, whatever order the catalogue stores them in.
inline constexpr BandSet regression_lines_model_band = {
    {IDS_LINES_MODEL_NOT_SIGNIFICANT, IDS_LINES_MODEL_AT_90, IDS_LINES_MODEL_AT_95, IDS_LINES_MODEL_AT_99}};
inline constexpr BandSet regression_lines_slopes_band = {
    {IDS_LINES_SLOPES_NOT_SIGNIFICANT, IDS_LINES_SLOPES_AT_90, IDS_LINES_SLOPES_AT_95, IDS_LINES_SLOPES_AT_99},
    {IDS_LINES_FORCE_EQUAL_SLOPES, std::nullopt, std::nullopt, std::nullopt}};
inline constexpr BandSet regression_lines_intercepts_band = {
    {IDS_LINES_INTERCEPTS_NOT_SIGNIFICANT, IDS_LINES_INTERCEPTS_AT_90, IDS_LINES_INTERCEPTS_AT_95,
     IDS_LINES_INTERCEPTS_AT_99},
    {IDS_LINES_FORCE_EQUAL_INTERCEPTS, std::nullopt, std::nullopt, std::nullopt}};
inline constexpr BandSet logistic_deviance_band = {{IDS_LOGISTIC_DEVIANCE_NOT_SIGNIFICANT, IDS_LOGISTIC_DEVIANCE_AT_90,
                                                    IDS_LOGISTIC_DEVIANCE_AT_95, IDS_LOGISTIC_DEVIANCE_AT_99}};
inline constexpr BandSet logistic_residuals_band = {{IDS_LOGISTIC_RESIDUALS_NOT_WORSE, IDS_LOGISTIC_RESIDUALS_AT_90,
                                                     IDS_LOGISTIC_RESIDUALS_AT_95, IDS_LOGISTIC_RESIDUALS_AT_99}};
inline constexpr BandSet logistic_top_term_band = {
    {IDS_LOGISTIC_TERM_NOT_SIGNIFICANT, IDS_LOGISTIC_TERM_AT_90, IDS_LOGISTIC_TERM_AT_95, IDS_LOGISTIC_TERM_AT_99},
    {IDS_LOGISTIC_CONSIDER_REMOVING, IDS_LOGISTIC_REMOVE_BY_LEVEL, IDS_LOGISTIC_KEEP_VARIABLES,
     IDS_LOGISTIC_KEEP_VARIABLES}};
inline constexpr BandSet logistic_goodness_of_fit_band = {
    {IDS_LOGISTIC_FIT_ADEQUATE, IDS_LOGISTIC_FIT_REJECTED_AT_90, IDS_LOGISTIC_FIT_REJECTED_AT_95,
     IDS_LOGISTIC_FIT_REJECTED_AT_99}};
inline constexpr BandSet glm_first_table_band = {{IDS_GLM_FIRST_TABLE_NOT_SIGNIFICANT, IDS_GLM_FIRST_TABLE_AT_90,
                                                  IDS_GLM_FIRST_TABLE_AT_95, IDS_GLM_FIRST_TABLE_AT_99}};
inline constexpr BandSet glm_top_term_band = {
    {IDS_GLM_TERM_NOT_SIGNIFICANT, IDS_GLM_TERM_AT_90, IDS_GLM_TERM_AT_95, IDS_GLM_TERM_AT_99},
    {IDS_GLM_CONSIDER_REMOVING, IDS_GLM_REMOVE_BY_LEVEL, IDS_GLM_KEEP_VARIABLES, IDS_GLM_KEEP_VARIABLES}};

// Every band set of the add-on's commentary that follows the usual rule. The
// calibration verdict is an opening and an ending per band (CalibrationVerdicts).
inline constexpr const BandSet* addon_band_sets[] = {
    &regression_lines_model_band, &regression_lines_slopes_band, &regression_lines_intercepts_band,
    &logistic_deviance_band,      &logistic_residuals_band,      &logistic_top_term_band,
    &logistic_goodness_of_fit_band, &glm_first_table_band,       &glm_top_term_band};

// The calibration test's verdict per band: an opening before the subject and an
// ending after the hypothesized value.
struct CalibrationVerdicts {
    std::array<std::uint16_t, 4> opening;  // by Band
    std::array<std::uint16_t, 4> ending;   // by Band
};
inline constexpr CalibrationVerdicts calibration_verdicts = {
    {IDS_CALIBRATION_NOT_REJECTED_OPENING, IDS_CALIBRATION_AT_90_OPENING, IDS_CALIBRATION_AT_95_OPENING,
     IDS_CALIBRATION_AT_99_OPENING},
    {IDS_CALIBRATION_NOT_REJECTED_ENDING, IDS_CALIBRATION_AT_90_ENDING, IDS_CALIBRATION_AT_95_ENDING,
     IDS_CALIBRATION_AT_99_ENDING}};

// The openings that announce the first to fifth test of a calibration model.
inline constexpr std::array<std::uint16_t, 5> calibration_test_openings = {
    IDS_CALIBRATION_FIRST_TEST, IDS_CALIBRATION_SECOND_TEST, IDS_CALIBRATION_THIRD_TEST,
    IDS_CALIBRATION_FOURTH_TEST, IDS_CALIBRATION_FIFTH_TEST};

inline constexpr CountForm means_differing_from_control = {IDS_CONTROL_NONE, IDS_CONTROL_ONE, IDS_CONTROL_SEVERAL};
inline constexpr CountForm contrasts_differing_from_zero = {IDS_CONTRASTS_NONE, IDS_CONTRASTS_ONE,
                                                            IDS_CONTRASTS_SEVERAL};
inline constexpr CountForm calibration_tests = {std::nullopt, IDS_CALIBRATION_TESTS_ONE,
                                                IDS_CALIBRATION_TESTS_SEVERAL};
// Every variant of the autocorrelation count takes the number of lags after the count.
inline constexpr CountForm significant_autocorrelations = {IDS_AUTOCORRELATIONS_NONE, IDS_AUTOCORRELATIONS_ONE,
                                                           IDS_AUTOCORRELATIONS_SEVERAL};

inline constexpr DurbinWatsonTexts glm_durbin_watson_verdicts = {
    IDS_GLM_DURBIN_WATSON_BELOW, IDS_GLM_DURBIN_WATSON_PLOT_RESIDUALS, IDS_GLM_DURBIN_WATSON_ABOVE};

inline constexpr ArticlePair calibration_fit_sentence = {IDS_CALIBRATION_FIT_OF_A_MODEL,
                                                         IDS_CALIBRATION_FIT_OF_AN_MODEL};

}  // namespace torvik::commentary
#endif

#endif
