#include "commentary_demo.h"

#include "report_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "procedure_slots.h"

namespace torvik::host {

namespace {

std::u16string pane_title(const TextSource& source, std::uint16_t slot, int pane) {
    return source.require(*slots::pane_title_id(slot, pane));
}

std::vector<double> sorted_means(const MeansComparisonResults& means) {
    std::vector<double> out;
    for (const LevelMean& level : means.levels) out.push_back(level.mean);
    std::sort(out.begin(), out.end());
    return out;
}

bool unequal_counts(const MeansComparisonResults& means) {
    return std::any_of(means.levels.begin(), means.levels.end(),
                       [&](const LevelMean& level) { return level.count != means.levels.front().count; });
}

}  // namespace

OneVariableFitResults commentary_sample_fit() {
    // Yield against temperature, fitted as Y = a*X^b, with replicate runs at each temperature.
    return {u"Yield", u"Temperature", ModelForm::multiplicative, u"Yield = 2.4702*Temperature^0.6184", 0.00002,
            91.4726, 0.9564, 0.0731, 0.0312};
}

MeansComparisonResults commentary_sample_means() {
    // Tensile strength of parts from four suppliers, six parts each, LSD at 95%.
    return {u"Strength",
            u"Supplier",
            {{6, 51.2}, {6, 53.0}, {6, 54.1}, {6, 57.8}},
            true,
            95.0,
            MeansInterval::lsd,
            RangeTestMethod::lsd,
            3.1};
}

std::u16string one_variable_fit_commentary(const TextSource& source, const OneVariableFitResults& fit) {
    std::u16string out;
    append_line(out, source, fit_sentence(source, commentary::fit_sentence, fit.form, fit.y, fit.x));
    append_line(out, source, {Phrase{IDS_FIT_EQUATION_LEAD_IN}});
    out += u"   " + fit.equation + u"\n";
    append_lines(out, source, band_commentary(commentary::one_variable_model_band, fit.model_p_value, {fit.y, fit.x}));
    append_line(out, source, r_squared_sentence(fit.form, format_fixed(fit.r_squared, 2), fit.y));
    append_line(out, source, correlation_sentence(fit.correlation, format_fixed(fit.correlation, 4)));
    append_line(out, source, {Phrase{IDS_FIT_STANDARD_ERROR_OPENING}, format_fixed(fit.standard_error, 4), u"."});
    append_line(out, source, {Phrase{IDS_FIT_LIMITS_BY_FORECASTS}});
    append_line(out, source, {Phrase{IDS_LACK_OF_FIT_PURPOSE}});
    if (!fit.lack_of_fit_p_value) {
        append_line(out, source, {Phrase{IDS_LACK_OF_FIT_NO_REPLICATES, {fit.x}}});
        return out;
    }
    append_line(out, source, {Phrase{IDS_LACK_OF_FIT_METHOD}});
    append_lines(out, source, band_commentary(commentary::one_variable_lack_of_fit_band, *fit.lack_of_fit_p_value));
    return out;
}

std::size_t significant_pair_count(const MeansComparisonResults& means) {
    std::size_t pairs = 0;
    for (std::size_t i = 0; i < means.levels.size(); ++i)
        for (std::size_t j = i + 1; j < means.levels.size(); ++j)
            pairs += std::fabs(means.levels[i].mean - means.levels[j].mean) > means.critical_difference;
    return pairs;
}

std::size_t homogeneous_group_count(const MeansComparisonResults& means) {
    std::vector<double> m = sorted_means(means);
    // The run from each level reaches as far up as the critical difference allows;
    // it is a group of its own when it reaches further than the run before it.
    std::size_t groups = 0, previous_end = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        std::size_t end = i;
        while (end + 1 < m.size() && m[end + 1] - m[i] <= means.critical_difference) ++end;
        if (i == 0 || end > previous_end) ++groups;
        previous_end = end;
    }
    return groups;
}

std::u16string table_of_means_commentary(const TextSource& source, const MeansComparisonResults& means) {
    std::u16string out;
    append_line(out, source, {Phrase{IDS_MEANS_TABLE_OF_Y_BY_FACTOR, {means.y, means.factor}}});
    append_line(out, source, {Phrase{IDS_MEANS_STANDARD_ERRORS}});
    std::uint16_t errors = means.pooled_standard_errors ? IDS_MEANS_ERROR_POOLED : IDS_MEANS_ERROR_INTERNAL;
    append_line(out, source, {Phrase{errors}});
    append_lines(out, source,
              means_interval_commentary(means.intervals, format_fixed(means.confidence_level, 1), unequal_counts(means)));
    return out;
}

std::u16string range_tests_commentary(const TextSource& source, const MeansComparisonResults& means) {
    std::u16string out;
    append_line(out, source, {Phrase{IDS_RANGE_TESTS_PURPOSE}});
    append_line(out, source, {Phrase{IDS_RANGE_TESTS_DIFFERENCES}});
    std::u16string level = format_fixed(means.confidence_level, 1);
    append_line(out, source, significant_pairs_sentence(significant_pair_count(means), level));
    if (auto groups = count_phrase(commentary::homogeneous_groups, homogeneous_group_count(means))) {
        append_line(out, source, {*groups});
        append_line(out, source, {Phrase{IDS_RANGE_TESTS_GROUPS_MEANING}});
    }
    append_lines(out, source, range_test_method_commentary(means.method, format_fixed(100.0 - means.confidence_level, 1)));
    return out;
}

std::u16string shared_commentary_demo(const TextSource& source) {
    // Under the pane titles the package shows these panes with.
    OneVariableFitResults fit = commentary_sample_fit();
    MeansComparisonResults means = commentary_sample_means();
    return pane_title(source, IDS_SLOT_CALIBRATION_MODELS, 1) + u"\n" + one_variable_fit_commentary(source, fit) +
           u"\n" + pane_title(source, IDS_SLOT_GENERAL_LINEAR_MODELS, 3) + u"\n" +
           table_of_means_commentary(source, means) + u"\n" +
           pane_title(source, IDS_SLOT_GENERAL_LINEAR_MODELS, 4) + u"\n" + range_tests_commentary(source, means);
}

}  // namespace torvik::host
