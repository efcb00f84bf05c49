#include "addon_commentary_demo.h"

#include "report_layout.h"

#include <algorithm>
#include <cstdio>

namespace torvik::host {

namespace {

void add_equation(std::u16string& out, const std::u16string& equation) { out += u"   " + equation + u"\n"; }

}  // namespace

NonlinearFitResults nonlinear_sample_fit() {
    // Strength of a glued joint against curing time and temperature, by Marquardt's method.
    return {u"Strength",
            {u"Time", u"Temperature"},
            u"Strength = 48.217*(1-exp(-0.3125*Time))*exp(-0.00196*Temperature)",
            NonlinearOutcome::estimates_converged,
            7,
            95.0,
            false};
}

RegressionLinesResults regression_lines_sample() {
    // Tensile strength against sheet thickness, for sheets from three machines.
    return {u"Strength",
            u"Thickness",
            u"Machine",
            {u"A", u"B", u"C"},
            false,
            false,
            u"Strength = 12.48 + 3.172*Thickness + 1.905*(Machine=B) - 0.716*(Machine=C) + 0.346*Thickness*(Machine=B) "
            u"+ 0.081*Thickness*(Machine=C)",
            {u"Strength = 12.48 + 3.172*Thickness", u"Strength = 14.385 + 3.518*Thickness",
             u"Strength = 11.764 + 3.253*Thickness"},
            0.0003};
}

std::u16string nonlinear_regression_summary_commentary(const TextSource& source, const NonlinearFitResults& fit) {
    std::u16string out;
    append_line(out, source, {Phrase{IDS_NONLINEAR_MODEL_OF_Y, {fit.y, fit.x.size()}}});
    append_line(out, source, {Phrase{IDS_NONLINEAR_EQUATION_LEAD_IN}});
    add_equation(out, fit.equation);
    append_lines(out, source, nonlinear_end_commentary(fit.outcome, fit.iterations));
    if (!converged(fit.outcome)) return out;
    append_line(out, source,
             {Phrase{IDS_NONLINEAR_INTERVALS_OPENING}, format_fixed(fit.confidence_level, 1),
              Phrase{IDS_NONLINEAR_INTERVALS_ENDING}});
    append_line(out, source, {Phrase{IDS_NONLINEAR_INTERVALS_APPROXIMATE}});
    append_line(out, source, {Phrase{IDS_NONLINEAR_SIGNIFICANT_PARAMETER}});
    if (fit.some_interval_covers_zero) append_line(out, source, {Phrase{IDS_NONLINEAR_REMOVE_PARAMETERS}});
    return out;
}

std::u16string comparison_of_regression_lines_summary_commentary(const TextSource& source,
                                                                 const RegressionLinesResults& lines) {
    std::u16string out;
    append_line(out, source, {Phrase{IDS_LINES_MODEL_OF_Y_X_CODES, {lines.y, lines.x, lines.level_codes}}});
    append_line(out, source, {Phrase{IDS_LINES_EQUATION_LEAD_IN}});
    add_equation(out, lines.equation);
    if (lines.levels.size() > 1)
        append_line(out, source, {Phrase{IDS_LINES_INDICATOR_TERMS, {lines.level_codes + u"=" + lines.levels[1]}}});
    append_line(out, source,
             regression_lines_sentence(lines.intercepts_equal, lines.slopes_equal, lines.levels.size(),
                                       lines.level_codes));
    for (std::size_t i = 0; i < lines.levels.size() && i < lines.reduced_equations.size(); ++i) {
        std::uint16_t opening = i == 0 ? IDS_LINES_REDUCES_FOR_EXAMPLE : IDS_LINES_REDUCES;
        std::u16string condition = lines.level_codes + u"=" + lines.levels[i];
        out += render(source, {Phrase{opening, {condition}}}) + u"\n";
        add_equation(out, lines.reduced_equations[i]);
    }
    append_lines(out, source, band_commentary(commentary::regression_lines_model_band, lines.model_p_value));
    append_line(out, source, {Phrase{IDS_LINES_TEST_BY_CONDITIONAL_SUMS}});
    return out;
}

std::u16string nonlinear_regression_summary_commentary(const TextSource& source) {
    return nonlinear_regression_summary_commentary(source, nonlinear_sample_fit());
}

std::u16string comparison_of_regression_lines_summary_commentary(const TextSource& source) {
    return comparison_of_regression_lines_summary_commentary(source, regression_lines_sample());
}

}  // namespace torvik::host
