/* Text catalogue: the identifier ranges of its families.
 * Read by the resource compiler and by C++; keep it to #define lines.
 * The exact runs inside each range are in catalogue_plan.h. */
#ifndef TORVIK_TEXT_IDS_H
#define TORVIK_TEXT_IDS_H

#define IDS_PROMPTS_FIRST              900   /* confirmations and entry prompts */
#define IDS_PROMPTS_LAST               965
#define IDS_MESSAGES_FIRST             1000  /* error, warning and notice messages */
#define IDS_MESSAGES_LAST              1199
#define IDS_FUNCTION_TEMPLATES_FIRST   1324  /* expression function templates */
#define IDS_FUNCTION_TEMPLATES_LAST    1411
#define IDS_SAVED_RESULTS_FIRST        1517  /* saved-result descriptions and default names */
#define IDS_SAVED_RESULTS_LAST         1556
#define IDS_TITLES_FIRST               1946  /* procedure and pane titles, in procedure slots */
#define IDS_TITLES_LAST                2824
#define IDS_AXIS_WORDS_FIRST           2907  /* axis words and a row label */
#define IDS_AXIS_WORDS_LAST            2910
#define IDS_REPORT_FRAGMENTS_FIRST     3001  /* report fragments and table templates */
#define IDS_REPORT_FRAGMENTS_LAST      5008
#define IDS_NAME_MESSAGES_FIRST        5009  /* messages about names, effects, cells and factors */
#define IDS_NAME_MESSAGES_LAST         5012
#define IDS_SHARED_COMMENTARY_FIRST    6391  /* commentary shared by the package's procedures */
#define IDS_SHARED_COMMENTARY_LAST     8409
#define IDS_ADDON_COMMENTARY_FIRST     8501  /* commentary of the add-on's own procedures */
#define IDS_ADDON_COMMENTARY_LAST      8912
#define IDS_LATE_REPORT_PIECES_FIRST   9256  /* report pieces after the commentary */
#define IDS_LATE_REPORT_PIECES_LAST    9956
#define IDS_APP_TITLE                  57344 /* "KORVANEX Plus" */
#define IDS_FRAMEWORK_FIRST            61440 /* the framework's standard texts */
#define IDS_FRAMEWORK_LAST             61888

/* The framework's standard texts that its own code shows. */
#define IDS_FRAMEWORK_NO_ERROR_MESSAGE    61472 /* when a message box's own text is missing */
#define IDS_FRAMEWORK_HELP_FAILED         61703
#define IDS_FRAMEWORK_ENTER_INTEGER       61712 /* the entry prompts: the same texts as 963, 961, 964, 962, 965 */
#define IDS_FRAMEWORK_ENTER_NUMBER        61713
#define IDS_FRAMEWORK_ENTER_INTEGER_RANGE 61714 /* %1 and %2: the bounds */
#define IDS_FRAMEWORK_ENTER_NUMBER_RANGE  61715 /* %1 and %2: the bounds */
#define IDS_FRAMEWORK_ENTER_SHORTER_TEXT  61716 /* %1: the most characters */

#endif
