// The demonstration of the shared commentary: what the host writes under the
// analysis summary of a one-variable fit and under a one-factor table of means
// with its multiple range tests, chosen by the commentary rules from sample
// results. Every word comes from the text source; the host adds only names,
// numbers, the fitted equation and line breaks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commentary_rules.h"
#include "text_source.h"

namespace torvik::host {

struct OneVariableFitResults {
    std::u16string y;
    std::u16string x;
    ModelForm form;
    std::u16string equation;                    // as the host prints it under the lead-in
    double model_p_value;                       // of the ANOVA table
    double r_squared;                           // in percent
    double correlation;
    double standard_error;                      // of the estimate
    std::optional<double> lack_of_fit_p_value;  // nothing when no value of X is replicated
};

struct LevelMean {
    int count;
    double mean;
};

struct MeansComparisonResults {
    std::u16string y;
    std::u16string factor;
    std::vector<LevelMean> levels;
    bool pooled_standard_errors;
    double confidence_level;     // in percent
    MeansInterval intervals;
    RangeTestMethod method;
    double critical_difference;  // two means further apart than this differ significantly
};

// The sample results the demonstration explains.
OneVariableFitResults commentary_sample_fit();
MeansComparisonResults commentary_sample_means();

// One sentence per line; the equation on its own line, indented, after its lead-in.
std::u16string one_variable_fit_commentary(const TextSource& source, const OneVariableFitResults& fit);
// The sentences under the table of means, and those under the range tests.
std::u16string table_of_means_commentary(const TextSource& source, const MeansComparisonResults& means);
std::u16string range_tests_commentary(const TextSource& source, const MeansComparisonResults& means);

// Pairs of levels whose means differ by more than the critical difference, and
// the homogeneous groups: the largest runs of levels, ordered by mean, within
// which no two means differ significantly.
std::size_t significant_pair_count(const MeansComparisonResults& means);
std::size_t homogeneous_group_count(const MeansComparisonResults& means);

// The three panes, each under its pane title, from the sample results.
std::u16string shared_commentary_demo(const TextSource& source);

}  // namespace torvik::host
