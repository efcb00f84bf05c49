/* Procedure slots of the title family (1946-2824): each procedure owns sixteen
 * identifiers from its slot start, 16k + 10. Position 0 is the procedure's
 * title, positions 1-14 the titles of its panes in the host's pane order, and
 * position 15 never carries a text. The #define lines serve the resource
 * compiler and C++ alike; the helpers below them are C++ only. */
#ifndef TORVIK_PROCEDURE_SLOTS_H
#define TORVIK_PROCEDURE_SLOTS_H

#include "text_ids.h"

#define IDS_SLOT_LENGTH                              16
#define IDS_SLOT_START_REMAINDER                     10  /* slot starts are 16k + 10 */
#define IDS_SLOT_MAX_PANES                           14  /* positions 1-14 */
#define IDS_SLOT_UNUSED_POSITION                     15
#define IDS_TITLES_GAP_FIRST                         2533  /* no titles between the multivariate */
#define IDS_TITLES_GAP_LAST                          2713  /* and the regression slots */

/* The slot starts of the 44 procedures, in identifier order. */
#define IDS_SLOT_PARETO_ANALYSIS                     1946
#define IDS_SLOT_PROCESS_CAPABILITY_ANALYSIS         1962
#define IDS_SLOT_X_BAR_AND_R_CHARTS                  1978
#define IDS_SLOT_X_BAR_AND_S_CHARTS                  1994
#define IDS_SLOT_X_BAR_AND_S_SQUARED_CHARTS          2010
#define IDS_SLOT_INDIVIDUALS_CHARTS                  2026
#define IDS_SLOT_P_CHART                             2042
#define IDS_SLOT_NP_CHART                            2058
#define IDS_SLOT_U_CHART                             2074
#define IDS_SLOT_C_CHART                             2090
#define IDS_SLOT_MOVING_AVERAGE_CHART                2106
#define IDS_SLOT_EWMA_CHART                          2122
#define IDS_SLOT_CUMULATIVE_SUM_CHART                2138
#define IDS_SLOT_MULTIVARIATE_CONTROL_CHART          2154
#define IDS_SLOT_GAGE_RR_DATA_SETUP                  2170
#define IDS_SLOT_CUSTOM_CHART                        2186
#define IDS_SLOT_EWMA_INDIVIDUALS_CHART              2202
#define IDS_SLOT_CUMULATIVE_SUM_INDIVIDUALS_CHART    2218
#define IDS_SLOT_MOVING_AVERAGE_INDIVIDUALS_CHART    2234
#define IDS_SLOT_GAGE_RR_RANGE_METHOD                2250
#define IDS_SLOT_GAGE_RR_AVERAGE_AND_RANGE_METHOD    2266
#define IDS_SLOT_DESCRIPTIVE_METHODS                 2282
#define IDS_SLOT_SMOOTHING                           2298
#define IDS_SLOT_FORECASTING                         2314
#define IDS_SLOT_SEASONAL_DECOMPOSITION              2330
#define IDS_SLOT_GAGE_RR_ANOVA_METHOD                2346
#define IDS_SLOT_TIME_SERIES_ANALYSIS                2362
#define IDS_SLOT_SCREENING_DESIGN_ATTRIBUTES         2378
#define IDS_SLOT_RESPONSE_SURFACE_DESIGN_ATTRIBUTES  2394
#define IDS_SLOT_MIXTURE_DESIGN_ATTRIBUTES           2410
#define IDS_SLOT_ANALYZE_EXPERIMENT                  2426
#define IDS_SLOT_ANALYZE_MIXTURE                     2442
#define IDS_SLOT_CLUSTER_ANALYSIS                    2458
#define IDS_SLOT_FACTOR_ANALYSIS                     2474
#define IDS_SLOT_PRINCIPAL_COMPONENTS_ANALYSIS       2490
#define IDS_SLOT_CANONICAL_ANALYSIS                  2506
#define IDS_SLOT_DISCRIMINANT_ANALYSIS               2522
/* The add-on's own regression procedures. */
#define IDS_SLOT_GENERAL_LINEAR_MODELS               2714
#define IDS_SLOT_CALIBRATION_MODELS                  2730
#define IDS_SLOT_COMPARISON_OF_REGRESSION_LINES      2746
#define IDS_SLOT_REGRESSION_MODEL_SELECTION          2762
#define IDS_SLOT_NONLINEAR_REGRESSION                2778
#define IDS_SLOT_RIDGE_REGRESSION                    2794
#define IDS_SLOT_LOGISTIC_REGRESSION                 2810

#ifndef RC_INVOKED
#include <array>
#include <cstdint>
#include <optional>

namespace torvik::slots {

inline constexpr std::uint16_t procedure_slots[] = {
    IDS_SLOT_PARETO_ANALYSIS, IDS_SLOT_PROCESS_CAPABILITY_ANALYSIS, IDS_SLOT_X_BAR_AND_R_CHARTS,
    IDS_SLOT_X_BAR_AND_S_CHARTS, IDS_SLOT_X_BAR_AND_S_SQUARED_CHARTS, IDS_SLOT_INDIVIDUALS_CHARTS,
    IDS_SLOT_P_CHART, IDS_SLOT_NP_CHART, IDS_SLOT_U_CHART, IDS_SLOT_C_CHART, IDS_SLOT_MOVING_AVERAGE_CHART,
    IDS_SLOT_EWMA_CHART, IDS_SLOT_CUMULATIVE_SUM_CHART, IDS_SLOT_MULTIVARIATE_CONTROL_CHART,
    IDS_SLOT_GAGE_RR_DATA_SETUP, IDS_SLOT_CUSTOM_CHART, IDS_SLOT_EWMA_INDIVIDUALS_CHART,
    IDS_SLOT_CUMULATIVE_SUM_INDIVIDUALS_CHART, IDS_SLOT_MOVING_AVERAGE_INDIVIDUALS_CHART,
    IDS_SLOT_GAGE_RR_RANGE_METHOD, IDS_SLOT_GAGE_RR_AVERAGE_AND_RANGE_METHOD, IDS_SLOT_DESCRIPTIVE_METHODS,
    IDS_SLOT_SMOOTHING, IDS_SLOT_FORECASTING, IDS_SLOT_SEASONAL_DECOMPOSITION, IDS_SLOT_GAGE_RR_ANOVA_METHOD,
    IDS_SLOT_TIME_SERIES_ANALYSIS, IDS_SLOT_SCREENING_DESIGN_ATTRIBUTES,
    IDS_SLOT_RESPONSE_SURFACE_DESIGN_ATTRIBUTES, IDS_SLOT_MIXTURE_DESIGN_ATTRIBUTES,
    IDS_SLOT_ANALYZE_EXPERIMENT, IDS_SLOT_ANALYZE_MIXTURE, IDS_SLOT_CLUSTER_ANALYSIS,
    IDS_SLOT_FACTOR_ANALYSIS, IDS_SLOT_PRINCIPAL_COMPONENTS_ANALYSIS, IDS_SLOT_CANONICAL_ANALYSIS,
    IDS_SLOT_DISCRIMINANT_ANALYSIS, IDS_SLOT_GENERAL_LINEAR_MODELS, IDS_SLOT_CALIBRATION_MODELS,
    IDS_SLOT_COMPARISON_OF_REGRESSION_LINES, IDS_SLOT_REGRESSION_MODEL_SELECTION,
    IDS_SLOT_NONLINEAR_REGRESSION, IDS_SLOT_RIDGE_REGRESSION, IDS_SLOT_LOGISTIC_REGRESSION};

inline constexpr std::uint16_t addon_procedure_slots[] = {
    IDS_SLOT_GENERAL_LINEAR_MODELS, IDS_SLOT_CALIBRATION_MODELS, IDS_SLOT_COMPARISON_OF_REGRESSION_LINES,
    IDS_SLOT_REGRESSION_MODEL_SELECTION, IDS_SLOT_NONLINEAR_REGRESSION, IDS_SLOT_RIDGE_REGRESSION,
    IDS_SLOT_LOGISTIC_REGRESSION};

constexpr bool is_slot_start(std::uint32_t id) { return id % IDS_SLOT_LENGTH == IDS_SLOT_START_REMAINDER; }

// The start of the slot that holds id; nothing below the first possible slot.
constexpr std::optional<std::uint16_t> slot_start_of(std::uint16_t id) {
    if (id < IDS_SLOT_START_REMAINDER) return std::nullopt;
    return static_cast<std::uint16_t>(id - (id - IDS_SLOT_START_REMAINDER) % IDS_SLOT_LENGTH);
}

// The identifier at position 0-14 of a slot. Nothing for position 15, which
// never carries a text, for any other position, or for a start that is not 16k + 10.
constexpr std::optional<std::uint16_t> slot_text_id(std::uint16_t slot_start, int position) {
    if (!is_slot_start(slot_start) || position < 0 || position >= IDS_SLOT_UNUSED_POSITION) return std::nullopt;
    if (slot_start > 0xFFFF - IDS_SLOT_LENGTH) return std::nullopt;
    return static_cast<std::uint16_t>(slot_start + position);
}

constexpr std::optional<std::uint16_t> procedure_title_id(std::uint16_t slot_start) {
    return slot_text_id(slot_start, 0);
}

// Pane 1 to 14 of the slot.
constexpr std::optional<std::uint16_t> pane_title_id(std::uint16_t slot_start, int pane) {
    if (pane < 1) return std::nullopt;
    return slot_text_id(slot_start, pane);
}

// Every identifier of a slot that may carry a text: positions 0 to 14.
constexpr std::array<std::uint16_t, IDS_SLOT_UNUSED_POSITION> slot_text_ids(std::uint16_t slot_start) {
    std::array<std::uint16_t, IDS_SLOT_UNUSED_POSITION> ids{};
    for (int p = 0; p < IDS_SLOT_UNUSED_POSITION; ++p) ids[p] = static_cast<std::uint16_t>(slot_start + p);
    return ids;
}

constexpr bool slots_are_sound() {
    std::uint16_t previous = 0;
    for (std::uint16_t start : procedure_slots) {
        if (!is_slot_start(start) || start <= previous || start < IDS_TITLES_FIRST ||
            start + IDS_SLOT_MAX_PANES > IDS_TITLES_LAST)
            return false;
        if (start >= IDS_TITLES_GAP_FIRST && start <= IDS_TITLES_GAP_LAST) return false;
        previous = start;
    }
    return true;
}
static_assert(std::size(procedure_slots) == 44);
static_assert(slots_are_sound(), "every slot start is 16k + 10, in order, inside the title family and outside its gap");

}  // namespace torvik::slots
#endif

#endif
