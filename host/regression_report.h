// The one-variable regression report as the host prints it in a text pane:
// every word of it comes from the module's texts, every number from the fit,
// and the layout from report_layout.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model_form.h"
#include "text_source.h"

namespace torvik::host {


struct CoefficientRow {
    double estimate;
    double standard_error;
    double t_statistic;
    double p_value;
};

// One row of the ANOVA table; a row without a test has no F-ratio or P-value,
// the total row not even a mean square.
struct AnovaRow {
    double sum_of_squares;
    int degrees_of_freedom;
    std::optional<double> mean_square;
    std::optional<double> f_ratio;
    std::optional<double> p_value;
};

// A form's row of the comparison; no value when the form could not be fitted.
struct ModelComparisonRow {
    ModelForm form;
    std::optional<double> correlation;
    std::optional<double> r_squared_percent;
};

struct UnusualResidual {
    int row;
    double x;
    double y;
    double predicted;
    double residual;
    double studentized_residual;
};

// What the host's fit hands to the report. The fitted form is one of the
// twelve forms with an intercept and a slope; the piecewise linear form only
// appears among the alternatives.
struct OneVariableFit {
    std::u16string y_name;
    std::u16string x_name;
    ModelForm form;
    CoefficientRow intercept;
    CoefficientRow slope;
    AnovaRow model;
    AnovaRow residual;
    AnovaRow lack_of_fit;
    AnovaRow pure_error;
    AnovaRow total;
    double correlation;
    double r_squared_percent;
    double standard_error_of_estimate;
    std::vector<ModelComparisonRow> alternatives;
    std::vector<UnusualResidual> unusual_residuals;
};

// The report: header, coefficient table, ANOVA table with lack-of-fit, the
// statistics under it, the comparison of alternative models and the unusual
// residuals. Lines end with CR LF, as the catalogue's failure lines do.
//
// Decimals by column: estimates, standard errors, sums of squares and mean
// squares 6; t statistics, P-values, correlations, X, Y, predicted values and
// residuals 4; F-ratios, R-squared percentages and Studentized residuals 2.
std::u16string one_variable_regression_report(const TextSource& texts, const OneVariableFit& fit);

// A linear fit of mortality on dose from fourteen observations (two at each
// dose from 1 to 7), with one unusual residual and a piecewise linear form
// that could not be fitted.
const OneVariableFit& sample_one_variable_fit();

// The report of the sample fit.
std::u16string one_variable_regression_report(const TextSource& texts);

}  // namespace torvik::host
