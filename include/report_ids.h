/* Report fragments that the host's layout code and the demonstration report
 * name (2907-2910, 3001-5008, 9256-9956). Read by the resource compiler and
 * by C++; keep it to #define lines. */
#ifndef TORVIK_REPORT_IDS_H
#define TORVIK_REPORT_IDS_H

/* Variable-role labels */
#define IDS_REPORT_DEPENDENT_VARIABLE         3004
#define IDS_REPORT_INDEPENDENT_VARIABLE       3005

/* Count line: the count, 3017, the smallest value, 3018, the largest value */
#define IDS_REPORT_VALUES_RANGING_FROM        3017
#define IDS_REPORT_RANGE_TO                   3018
#define IDS_REPORT_NO_VALUES                  3023
#define IDS_REPORT_ONE_VALUE                  3024

/* Multiple comparisons: method line, method names, table headings */
#define IDS_REPORT_METHOD                     3224
#define IDS_REPORT_METHOD_PERCENT             3225
#define IDS_REPORT_METHOD_LSD                 3226
#define IDS_REPORT_METHOD_TUKEY_HSD           3227
#define IDS_REPORT_METHOD_SCHEFFE             3228
#define IDS_REPORT_METHOD_BONFERRONI          3229
#define IDS_REPORT_METHOD_NEWMAN_KEULS        3230
#define IDS_REPORT_METHOD_DUNCAN              3231
#define IDS_REPORT_METHOD_DUNNETT             3262
#define IDS_REPORT_METHOD_MULTIVARIATE_T      3263
#define IDS_REPORT_RANGE_TEST_LEVEL           3232
#define IDS_REPORT_RANGE_TEST_COLUMNS         3233
#define IDS_REPORT_GLM_RANGE_TEST_COLUMNS     3525
#define IDS_REPORT_DIFFERENCE                 3234
#define IDS_REPORT_DIFFERENCE_LIMITS          3235
#define IDS_REPORT_GLM_DIFFERENCE             3526
#define IDS_REPORT_GLM_DIFFERENCE_LIMITS      3527

/* Means-plot and interaction-plot titles, and the interval kinds they name */
#define IDS_REPORT_MEANS_AND                  3246
#define IDS_REPORT_PLOT_PERCENT               3247
#define IDS_REPORT_INTERVALS_POOLED           3251
#define IDS_REPORT_INTERVALS_INTERNAL         3252
#define IDS_REPORT_INTERVALS_LSD              3253
#define IDS_REPORT_INTERVALS_TUKEY_HSD        3254
#define IDS_REPORT_INTERVALS_SCHEFFE          3255
#define IDS_REPORT_INTERVALS_BONFERRONI       3256
#define IDS_REPORT_GLM_CONFIDENCE_INTERVALS   3528
#define IDS_REPORT_INTERACTIONS_AND           3529
#define IDS_REPORT_INTERACTION_PLOT           3530

/* One-variable regression: title, model statements, coefficient table.
 * The twelve forms, linear to log probit, keep one order in the statements
 * (3802-3813) and in the comparison rows (3842-3853). */
#define IDS_REPORT_REGRESSION_ANALYSIS        3801
#define IDS_REPORT_MODEL_STATEMENT_FIRST      3802
#define IDS_REPORT_MODEL_FORMS                12
#define IDS_REPORT_PIECEWISE_STATEMENT        3873
#define IDS_REPORT_COEFFICIENT_RULER          3814
#define IDS_REPORT_COEFFICIENT_HEADING_1      3815
#define IDS_REPORT_COEFFICIENT_HEADING_2      3816
#define IDS_REPORT_INTERCEPT                  3817
#define IDS_REPORT_SLOPE                      3818
#define IDS_REPORT_MULTIPLICATIVE_NOTE        3819

/* One-variable ANOVA table with lack-of-fit, and the statistics under it */
#define IDS_REPORT_ANOVA_MODEL                3822
#define IDS_REPORT_ANOVA_LACK_OF_FIT          3823
#define IDS_REPORT_ANOVA_PURE_ERROR           3824
#define IDS_REPORT_ANOVA_RESIDUAL             3825
#define IDS_REPORT_ANOVA_TOTAL_CORRECTED      3826
#define IDS_REPORT_CORRELATION_COEFFICIENT    3827
#define IDS_REPORT_R_SQUARED                  3828
#define IDS_REPORT_PERCENT                    3829
#define IDS_REPORT_STANDARD_ERROR_OF_EST      3830
#define IDS_REPORT_LACK_OF_FIT_TITLE          3832
#define IDS_REPORT_LACK_OF_FIT_RULER          3833
#define IDS_REPORT_LACK_OF_FIT_HEADING        3834

/* Comparison of alternative models */
#define IDS_REPORT_COMPARISON_TITLE           3839
#define IDS_REPORT_COMPARISON_RULER           3840
#define IDS_REPORT_COMPARISON_HEADING         3841
#define IDS_REPORT_COMPARISON_ROW_FIRST       3842
#define IDS_REPORT_NO_FIT                     3854
#define IDS_REPORT_PIECEWISE_COMPARISON_ROW   3877

/* One-variable unusual residuals */
#define IDS_REPORT_UNUSUAL_RESIDUALS_TITLE    3855
#define IDS_REPORT_UNUSUAL_RESIDUALS_RULER    3856
#define IDS_REPORT_UNUSUAL_RESIDUALS_HEADING_1 3857
#define IDS_REPORT_UNUSUAL_RESIDUALS_HEADING_2 3858

/* Stepwise statistics lines: least squares and deviance forms */
#define IDS_REPORT_STEP_R_SQUARED             3930
#define IDS_REPORT_STEP_ADJUSTED_R_SQUARED    3931
#define IDS_REPORT_STEP_MSE                   3932
#define IDS_REPORT_STEP_DEVIANCE_EXPLAINED    3978
#define IDS_REPORT_STEP_ADJUSTED_PERCENTAGE   3979

/* Reports table: assembled limit headings, "Lower "/"Upper ", level, "% CL" */
#define IDS_REPORT_LIMIT_CL                   3954
#define IDS_REPORT_LIMIT_LOWER                3955
#define IDS_REPORT_LIMIT_UPPER                3956

#endif
