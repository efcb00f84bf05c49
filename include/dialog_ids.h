/* Dialog templates and the identifiers of their controls.
 * Read by the resource compiler and by C++; the #define lines serve both. */
#ifndef TORVIK_DIALOG_IDS_H
#define TORVIK_DIALOG_IDS_H

/* Data-input dialogs and Transform Data. */
#define IDD_MULTIPLE_REGRESSION            243
#define IDD_COMPARISON_OF_REGRESSION_LINES 768
#define IDD_CALIBRATION_MODELS             774
#define IDD_NONLINEAR_REGRESSION           775
#define IDD_LOGISTIC_REGRESSION            778
#define IDD_GENERAL_LINEAR_MODELS          788
#define IDD_TRANSFORM_DATA                 314

/* Analysis options dialogs. */
#define IDD_COMPARISON_OF_REGRESSION_LINES_OPTIONS 769
#define IDD_MODEL_SELECTION_OPTIONS        770
#define IDD_RIDGE_REGRESSION_OPTIONS       773
#define IDD_NONLINEAR_REGRESSION_OPTIONS   776
#define IDD_INITIAL_PARAMETER_ESTIMATES    781
#define IDD_LOGISTIC_REGRESSION_OPTIONS    782
#define IDD_EXCLUDE_OPTIONS                767
#define IDD_CALIBRATION_MODEL_OPTIONS      789
#define IDD_GLM_OPTIONS                    795
#define IDD_GLM_MODEL_SPECIFICATION_SHORT  787
#define IDD_GLM_MODEL_SPECIFICATION        803
#define IDD_HYPOTHESIS_MATRIX              800

/* Options of the table and report panes, and Save Results Options. */
#define IDD_CONFIDENCE_INTERVALS_OPTIONS    115
#define IDD_CONFIDENCE_INTERVAL_OPTIONS     792 /* with the type of interval */
#define IDD_MODEL_COEFFICIENTS_OPTIONS      802
#define IDD_HYPOTHESIS_TESTS_OPTIONS        791
#define IDD_FORECASTS_OPTIONS               250
#define IDD_PREDICTIONS_CUTOFF_OPTIONS      596 /* "Predictions Options": from, to, by */
#define IDD_PREDICTIONS_AT_OPTIONS          793 /* "Predictions Options": Y or X at ten values */
#define IDD_REPORTS_OPTIONS                 256
#define IDD_REPORTS_OPTIONS_SHORT           779 /* the first three items of 256 */
#define IDD_BEST_ADJUSTED_R_SQUARED_OPTIONS 771
#define IDD_GOODNESS_OF_FIT_OPTIONS         784
#define IDD_MULTIPLE_COMPARISONS_OPTIONS    796
#define IDD_SAVE_RESULTS_OPTIONS            312

/* Options of the plot panes, and Hold At Options. */
#define IDD_RESIDUAL_PLOTS_OPTIONS          797
#define IDD_RESIDUAL_PLOT_OPTIONS           251 /* "Residual Plot Options": which residuals */
#define IDD_RESIDUAL_PLOT_VERSUS_OPTIONS    258 /* the same caption: against what */
#define IDD_RESIDUAL_PLOT_AND_VERSUS_OPTIONS 259 /* the same caption: both */
#define IDD_HISTOGRAM_OPTIONS               283
#define IDD_INTERACTION_PLOT_OPTIONS        311
#define IDD_MEANS_PLOT_OPTIONS              798
#define IDD_HOLD_AT_OPTIONS                 799 /* behind "Hold..." of 798 */
#define IDD_FITTED_MODEL_FACTORS_OPTIONS    601 /* "Plot of Fitted Model Options": the factor table */
#define IDD_FITTED_MODEL_LIMITS_OPTIONS     790 /* the same caption: limits and prediction */
#define IDD_RESPONSE_PLOT_OPTIONS           602
#define IDD_MSE_PLOT_OPTIONS                772
#define IDD_RIDGE_TRACE_OPTIONS             780

/* Controls with one role wherever they occur. */
#ifndef IDOK
#define IDOK     1
#define IDCANCEL 2
#endif
#ifndef IDHELP
#define IDHELP   9
#endif
#define IDC_UNADDRESSED    (-1)  /* a label or group box the host never reaches */
#define IDC_VARIABLE_LIST  114   /* the data's variables (the model's factors in 803) */
#define IDC_SORT           115   /* manual check box "Sort" under the variable list */
#define IDC_TOP_FIELD      116   /* the topmost input field, filled by picture button 119 */
#define IDC_SELECT         117   /* the optional field under "(Select:)" */
#define IDC_TRANSFORM      118   /* "&Transform...": opens Transform Data */
#define IDC_DELETE         298   /* "Delete" */
#define IDC_FIRST_LIST     242   /* the first list of an options dialog */
#define IDC_SECOND_LIST    304   /* the second list of an options dialog */

/* Data-input fields whose role depends on the dialog. */
#define IDC_SECOND_FIELD          122 /* independent variables, factors, or "X (Actual):" */
#define IDC_LEVEL_CODES           261 /* "Level Codes:" (768) */
#define IDC_FUNCTION              261 /* "Function:" (775) */
#define IDC_FITTED_MODEL_STATISTICS 265 /* 774 */
#define IDC_CALIBRATION_WEIGHTS   409 /* "(Weights:)" of 774 */
#define IDC_INDEPENDENT_VARIABLE  671 /* 768 */
#define IDC_NONLINEAR_WEIGHTS     777 /* "(Weights:)" of 775 */
#define IDC_OTHER_FACTORS         783 /* the second factors field of 778 and 788 */

/* Command buttons of options dialogs that reuse picture-button numbers. */
#define IDC_EXCLUDE   119 /* "Exclude..." (782) */
#define IDC_FACTORS   119 /* "Factors..." (602) */
#define IDC_HOLD      119 /* "Hold..." (798) */
#define IDC_ENTER     248 /* "Enter", the default button of 803 */
#define IDC_DISPLAY_CHOICE 347 /* the drop-down list under "Display:" (795) */
#define IDC_GRID      801 /* the hypothesis grid of 800 */

/* Transform Data (314): its own identifiers, 315 to 349 less 320, and its Help. */
#define IDC_TRANSFORM_HELP        314
#define IDC_EXPRESSION            315
#define IDC_DISPLAY               316
#define IDC_VARIABLES_LABEL       317
#define IDC_VARIABLES             318
#define IDC_EXPRESSION_LABEL      319
#define IDC_OPERATORS_LABEL       321
#define IDC_OPERATORS             322
#define IDC_KEYPAD_FRAME          323
#define IDC_KEY_7   324
#define IDC_KEY_8   325
#define IDC_KEY_9   326
#define IDC_KEY_4   327
#define IDC_KEY_5   328
#define IDC_KEY_6   329
#define IDC_KEY_1   330
#define IDC_KEY_2   331
#define IDC_KEY_3   332
#define IDC_KEY_0   333
#define IDC_KEY_POINT        334
#define IDC_KEY_POWER        335
#define IDC_KEY_PLUS         336
#define IDC_KEY_MINUS        337
#define IDC_KEY_TIMES        338
#define IDC_KEY_DIVIDE       339
#define IDC_KEY_AND          340
#define IDC_KEY_OR           341
#define IDC_KEY_OPEN         342
#define IDC_KEY_CLOSE        343
#define IDC_KEY_EQUAL        344
#define IDC_KEY_LESS         345
#define IDC_KEY_LESS_EQUAL   346
#define IDC_KEY_NOT_EQUAL    347
#define IDC_KEY_GREATER      348
#define IDC_KEY_GREATER_EQUAL 349

/* The numbered series. */
/* Check boxes ("Sort" aside): a dialog draws its first n from here, in this order. */
#define IDC_CHECK_1 107
#define IDC_CHECK_2 108
#define IDC_CHECK_3 109
#define IDC_CHECK_4 110
#define IDC_CHECK_5 111
#define IDC_CHECK_6 112
#define IDC_CHECK_7 113
#define IDC_CHECK_8 128
#define IDC_CHECK_9 129
#define IDC_CHECK_10 130
#define IDC_CHECK_11 131
#define IDC_CHECK_12 132
#define IDC_CHECK_13 133
#define IDC_CHECK_14 134
#define IDC_CHECK_15 135
#define IDC_CHECK_16 136

/* Fields of an options dialog: a dialog draws its first n from here, in this order. */
#define IDC_FIELD_1 141
#define IDC_FIELD_2 142
#define IDC_FIELD_3 143
#define IDC_FIELD_4 144
#define IDC_FIELD_5 145
#define IDC_FIELD_6 146
#define IDC_FIELD_7 147
#define IDC_FIELD_8 148
#define IDC_FIELD_9 149
#define IDC_FIELD_10 150
#define IDC_FIELD_11 253
#define IDC_FIELD_12 313
#define IDC_FIELD_13 378
#define IDC_FIELD_14 379
#define IDC_FIELD_15 380
#define IDC_FIELD_16 381
#define IDC_FIELD_17 382
#define IDC_FIELD_18 383
#define IDC_FIELD_19 384
#define IDC_FIELD_20 385
#define IDC_FIELD_21 386
#define IDC_FIELD_22 605
#define IDC_FIELD_23 606
#define IDC_FIELD_24 607
#define IDC_FIELD_25 608
#define IDC_FIELD_26 609
#define IDC_FIELD_27 610
#define IDC_FIELD_28 611
#define IDC_FIELD_29 612
#define IDC_FIELD_30 613
#define IDC_FIELD_31 614
#define IDC_FIELD_32 615
#define IDC_FIELD_33 616
#define IDC_FIELD_34 617
#define IDC_FIELD_35 618
#define IDC_FIELD_36 619
#define IDC_FIELD_37 620
#define IDC_FIELD_38 621
#define IDC_FIELD_39 622
#define IDC_FIELD_40 623
#define IDC_FIELD_41 624
#define IDC_FIELD_42 625
#define IDC_FIELD_43 626
#define IDC_FIELD_44 627
#define IDC_FIELD_45 628
#define IDC_FIELD_46 629
#define IDC_FIELD_47 630
#define IDC_FIELD_48 631

/* Radio buttons, each group taking consecutive members (179 and 180 never occur): a dialog draws its first n from here, in this order. */
#define IDC_RADIO_1 176
#define IDC_RADIO_2 177
#define IDC_RADIO_3 178
#define IDC_RADIO_4 181
#define IDC_RADIO_5 182
#define IDC_RADIO_6 234
#define IDC_RADIO_7 235
#define IDC_RADIO_8 236
#define IDC_RADIO_9 237
#define IDC_RADIO_10 238
#define IDC_RADIO_11 239
#define IDC_RADIO_12 240

/* Labels and group boxes the host addresses (582 never occurs): a dialog draws its first n from here, in this order. */
#define IDC_LABEL_1 306
#define IDC_LABEL_2 307
#define IDC_LABEL_3 372
#define IDC_LABEL_4 373
#define IDC_LABEL_5 374
#define IDC_LABEL_6 443
#define IDC_LABEL_7 546
#define IDC_LABEL_8 547
#define IDC_LABEL_9 548
#define IDC_LABEL_10 549
#define IDC_LABEL_11 550
#define IDC_LABEL_12 551
#define IDC_LABEL_13 552
#define IDC_LABEL_14 578
#define IDC_LABEL_15 579
#define IDC_LABEL_16 580
#define IDC_LABEL_17 581
#define IDC_LABEL_18 583
#define IDC_LABEL_19 584
#define IDC_LABEL_20 585
#define IDC_LABEL_21 586
#define IDC_LABEL_22 587
#define IDC_LABEL_23 644
#define IDC_LABEL_24 645
#define IDC_LABEL_25 646

/* Picture buttons, top to bottom: a dialog draws its first n from here, in this order. */
#define IDC_PICTURE_1 119
#define IDC_PICTURE_2 120
#define IDC_PICTURE_3 121
#define IDC_PICTURE_4 244
#define IDC_PICTURE_5 248

#ifndef RC_INVOKED
/* The series as arrays, for code that walks them. */
static const int kCheckBoxSeries[16] = {IDC_CHECK_1, IDC_CHECK_2, IDC_CHECK_3, IDC_CHECK_4, IDC_CHECK_5, IDC_CHECK_6, IDC_CHECK_7, IDC_CHECK_8, IDC_CHECK_9, IDC_CHECK_10, IDC_CHECK_11, IDC_CHECK_12, IDC_CHECK_13, IDC_CHECK_14, IDC_CHECK_15, IDC_CHECK_16};
static const int kFieldSeries[48] = {IDC_FIELD_1, IDC_FIELD_2, IDC_FIELD_3, IDC_FIELD_4, IDC_FIELD_5, IDC_FIELD_6, IDC_FIELD_7, IDC_FIELD_8, IDC_FIELD_9, IDC_FIELD_10, IDC_FIELD_11, IDC_FIELD_12, IDC_FIELD_13, IDC_FIELD_14, IDC_FIELD_15, IDC_FIELD_16, IDC_FIELD_17, IDC_FIELD_18, IDC_FIELD_19, IDC_FIELD_20, IDC_FIELD_21, IDC_FIELD_22, IDC_FIELD_23, IDC_FIELD_24, IDC_FIELD_25, IDC_FIELD_26, IDC_FIELD_27, IDC_FIELD_28, IDC_FIELD_29, IDC_FIELD_30, IDC_FIELD_31, IDC_FIELD_32, IDC_FIELD_33, IDC_FIELD_34, IDC_FIELD_35, IDC_FIELD_36, IDC_FIELD_37, IDC_FIELD_38, IDC_FIELD_39, IDC_FIELD_40, IDC_FIELD_41, IDC_FIELD_42, IDC_FIELD_43, IDC_FIELD_44, IDC_FIELD_45, IDC_FIELD_46, IDC_FIELD_47, IDC_FIELD_48};
static const int kRadioSeries[12] = {IDC_RADIO_1, IDC_RADIO_2, IDC_RADIO_3, IDC_RADIO_4, IDC_RADIO_5, IDC_RADIO_6, IDC_RADIO_7, IDC_RADIO_8, IDC_RADIO_9, IDC_RADIO_10, IDC_RADIO_11, IDC_RADIO_12};
static const int kLabelSeries[25] = {IDC_LABEL_1, IDC_LABEL_2, IDC_LABEL_3, IDC_LABEL_4, IDC_LABEL_5, IDC_LABEL_6, IDC_LABEL_7, IDC_LABEL_8, IDC_LABEL_9, IDC_LABEL_10, IDC_LABEL_11, IDC_LABEL_12, IDC_LABEL_13, IDC_LABEL_14, IDC_LABEL_15, IDC_LABEL_16, IDC_LABEL_17, IDC_LABEL_18, IDC_LABEL_19, IDC_LABEL_20, IDC_LABEL_21, IDC_LABEL_22, IDC_LABEL_23, IDC_LABEL_24, IDC_LABEL_25};
static const int kPictureButtonSeries[5] = {IDC_PICTURE_1, IDC_PICTURE_2, IDC_PICTURE_3, IDC_PICTURE_4, IDC_PICTURE_5};
#endif

#endif
