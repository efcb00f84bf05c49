// The identifier plan of the text catalogue: every family, its range and the
// runs of identifiers inside it that carry a text. The catalogue check and the
// tests read the built module against this table.
#pragma once

#include <cstdint>
#include <span>

#include "text_ids.h"

namespace torvik::plan {

struct IdRun {
    std::uint16_t first;
    std::uint16_t last;
};

struct Family {
    const char* name;  // also the script's name: strings/<name>.rc
    std::uint16_t first;
    std::uint16_t last;
    std::span<const IdRun> runs;
};

inline constexpr IdRun prompts_runs[] = {{900, 904}, {961, 965}};
inline constexpr IdRun messages_runs[] = {
    {1000, 1039}, {1041, 1071}, {1088, 1090}, {1100, 1104}, {1115, 1115}, {1128, 1129},
    {1134, 1141}, {1175, 1175}, {1184, 1184}, {1199, 1199}};
inline constexpr IdRun function_templates_runs[] = {{1324, 1411}};
inline constexpr IdRun saved_results_runs[] = {{1517, 1556}};
inline constexpr IdRun titles_runs[] = {
    {1946, 1950}, {1962, 1971}, {1978, 1986}, {1994, 2002}, {2010, 2018}, {2026, 2033},
    {2042, 2047}, {2058, 2063}, {2074, 2079}, {2090, 2095}, {2106, 2113}, {2122, 2129},
    {2138, 2142}, {2154, 2158}, {2170, 2171}, {2186, 2188}, {2202, 2208}, {2218, 2222},
    {2234, 2240}, {2250, 2254}, {2266, 2273}, {2282, 2296}, {2298, 2302}, {2314, 2328},
    {2330, 2339}, {2346, 2352}, {2362, 2376}, {2378, 2383}, {2394, 2397}, {2410, 2412},
    {2426, 2440}, {2442, 2452}, {2458, 2466}, {2474, 2483}, {2490, 2500}, {2506, 2509},
    {2522, 2532}, {2714, 2728}, {2730, 2740}, {2746, 2755}, {2762, 2769}, {2778, 2788},
    {2794, 2803}, {2810, 2824}};
inline constexpr IdRun axis_words_runs[] = {{2907, 2908}, {2910, 2910}};
inline constexpr IdRun report_fragments_runs[] = {
    {3001, 3024}, {3119, 3122}, {3140, 3140}, {3142, 3142}, {3224, 3236}, {3243, 3256},
    {3262, 3264}, {3401, 3402}, {3422, 3422}, {3501, 3505}, {3515, 3530}, {3601, 3648},
    {3801, 3877}, {3901, 3979}, {4601, 4606}, {5001, 5008}};
inline constexpr IdRun name_messages_runs[] = {{5009, 5012}};
inline constexpr IdRun shared_commentary_runs[] = {
    {6391, 6392}, {6394, 6400}, {7336, 7347}, {7349, 7349}, {7351, 7378}, {7381, 7385},
    {7391, 7396}, {7401, 7450}, {7453, 7467}, {7477, 7477}, {7483, 7492}, {7501, 7513},
    {7527, 7530}, {7541, 7549}, {7551, 7555}, {7561, 7568}, {8026, 8043}, {8045, 8045},
    {8331, 8352}, {8356, 8375}, {8406, 8409}};
inline constexpr IdRun addon_commentary_runs[] = {
    {8501, 8515}, {8521, 8531}, {8551, 8568}, {8571, 8589}, {8591, 8608}, {8621, 8641},
    {8651, 8674}, {8681, 8724}, {8751, 8801}, {8803, 8808}, {8821, 8847}, {8851, 8912}};
inline constexpr IdRun late_report_pieces_runs[] = {
    {9256, 9256}, {9259, 9259}, {9261, 9261}, {9280, 9280}, {9307, 9307}, {9414, 9415},
    {9457, 9458}, {9940, 9940}, {9942, 9942}, {9954, 9956}};
inline constexpr IdRun app_title_runs[] = {{IDS_APP_TITLE, IDS_APP_TITLE}};
inline constexpr IdRun framework_runs[] = {
    {61440, 61443}, {61457, 61457}, {61472, 61476}, {61504, 61513}, {61581, 61586},
    {61588, 61594}, {61696, 61706}, {61712, 61721}, {61728, 61734}, {61824, 61827},
    {61829, 61830}, {61835, 61842}, {61856, 61870}, {61872, 61879}, {61888, 61888}};

inline constexpr Family families[] = {
    {"prompts", IDS_PROMPTS_FIRST, IDS_PROMPTS_LAST, prompts_runs},
    {"messages", IDS_MESSAGES_FIRST, IDS_MESSAGES_LAST, messages_runs},
    {"function_templates", IDS_FUNCTION_TEMPLATES_FIRST, IDS_FUNCTION_TEMPLATES_LAST,
     function_templates_runs},
    {"saved_results", IDS_SAVED_RESULTS_FIRST, IDS_SAVED_RESULTS_LAST, saved_results_runs},
    {"titles", IDS_TITLES_FIRST, IDS_TITLES_LAST, titles_runs},
    {"axis_words", IDS_AXIS_WORDS_FIRST, IDS_AXIS_WORDS_LAST, axis_words_runs},
    {"report_fragments", IDS_REPORT_FRAGMENTS_FIRST, IDS_REPORT_FRAGMENTS_LAST,
     report_fragments_runs},
    {"name_messages", IDS_NAME_MESSAGES_FIRST, IDS_NAME_MESSAGES_LAST, name_messages_runs},
    {"shared_commentary", IDS_SHARED_COMMENTARY_FIRST, IDS_SHARED_COMMENTARY_LAST,
     shared_commentary_runs},
    {"addon_commentary", IDS_ADDON_COMMENTARY_FIRST, IDS_ADDON_COMMENTARY_LAST,
     addon_commentary_runs},
    {"late_report_pieces", IDS_LATE_REPORT_PIECES_FIRST, IDS_LATE_REPORT_PIECES_LAST,
     late_report_pieces_runs},
    {"app_title", IDS_APP_TITLE, IDS_APP_TITLE, app_title_runs},
    {"framework", IDS_FRAMEWORK_FIRST, IDS_FRAMEWORK_LAST, framework_runs},
};

// The only texts that hold "%%" without a printf placeholder; the host formats
// them with no arguments so that each shows one percent sign.
inline constexpr IdRun percent_without_placeholder = {8511, 8514};

// The family whose range holds id, or nullptr.
constexpr const Family* family_of(std::uint16_t id) {
    for (const Family& f : families)
        if (id >= f.first && id <= f.last) return &f;
    return nullptr;
}

constexpr bool on_runs(const Family& f, std::uint16_t id) {
    for (const IdRun& r : f.runs)
        if (id >= r.first && id <= r.last) return true;
    return false;
}

}  // namespace torvik::plan
