// The demonstration of the add-on's commentary: what the host writes under the
// Analysis Summary of Nonlinear Regression and of Comparison of Regression
// Lines, chosen by the rules from sample results. Every word comes from the
// text source; the host adds only names, numbers, equations and line breaks.
#pragma once

#include <string>
#include <vector>

#include "addon_commentary_rules.h"
#include "text_source.h"

namespace torvik::host {

struct NonlinearFitResults {
    std::u16string y;
    std::vector<std::u16string> x;
    std::u16string equation;
    NonlinearOutcome outcome;
    int iterations;
    double confidence_level;             // in percent
    bool some_interval_covers_zero;
};

struct RegressionLinesResults {
    std::u16string y;
    std::u16string x;
    std::u16string level_codes;
    std::vector<std::u16string> levels;  // the values of the level codes, the first the reference
    bool intercepts_equal;
    bool slopes_equal;
    std::u16string equation;
    std::vector<std::u16string> reduced_equations;  // one per level, in its order
    double model_p_value;
};

NonlinearFitResults nonlinear_sample_fit();
RegressionLinesResults regression_lines_sample();

// One sentence per line; each equation on its own line, indented, after the text that announces it.
std::u16string nonlinear_regression_summary_commentary(const TextSource& source, const NonlinearFitResults& fit);
std::u16string comparison_of_regression_lines_summary_commentary(const TextSource& source,
                                                                 const RegressionLinesResults& lines);

// The same from the sample results.
std::u16string nonlinear_regression_summary_commentary(const TextSource& source);
std::u16string comparison_of_regression_lines_summary_commentary(const TextSource& source);

}  // namespace torvik::host
