#include "regression_report.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

#include "report_ids.h"
#include "report_layout.h"

namespace torvik::host {
namespace {

// Where the words of each table's lowest heading line end: the columns its
// numbers end in.
constexpr std::size_t kCoefficientColumns[] = {24, 38, 54, 69};  // Estimate, Error, Statistic, P-Value
constexpr std::size_t kAnovaColumns[] = {33, 40, 53, 64, 77};    // Squares, Df, Square, F-Ratio, P-Value
constexpr std::size_t kComparisonColumns[] = {34, 50};           // Correlation, R-Squared
constexpr std::size_t kResidualColumns[] = {3, 20, 34, 48, 62, 76};  // Row, X, Y, Y, Residual, Residual

// Decimals by kind of value (documented in the header).
constexpr int kEstimateDecimals = 6;
constexpr int kStatisticDecimals = 4;
constexpr int kRatioDecimals = 2;

std::uint16_t form_index(ModelForm form) { return static_cast<std::uint16_t>(form); }

std::uint16_t model_statement_id(ModelForm form) {
    if (form == ModelForm::piecewise_linear) return IDS_REPORT_PIECEWISE_STATEMENT;
    return static_cast<std::uint16_t>(IDS_REPORT_MODEL_STATEMENT_FIRST + form_index(form));
}

std::uint16_t comparison_row_id(ModelForm form) {
    if (form == ModelForm::piecewise_linear) return IDS_REPORT_PIECEWISE_COMPARISON_ROW;
    return static_cast<std::uint16_t>(IDS_REPORT_COMPARISON_ROW_FIRST + form_index(form));
}

class ReportText {
public:
    explicit ReportText(const TextSource& texts) : texts_(texts) {}

    std::u16string stored(std::uint16_t id) const { return texts_.require(id); }
    void line(std::u16string_view text) {
        out_ += text;
        out_ += u"\r\n";
    }
    void stored_line(std::uint16_t id) { line(stored(id)); }
    void blank() { line({}); }
    std::u16string take() { return std::move(out_); }

private:
    const TextSource& texts_;
    std::u16string out_;
};

// A row: its stored label, then each value ending in its column.
std::u16string row(std::u16string label, std::span<const std::u16string> values,
                   std::span<const std::size_t> columns) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!values[i].empty()) put_ending_at(label, values[i], columns[i]);
    return label;
}

std::u16string coefficient_row(std::u16string label, const CoefficientRow& c) {
    const std::u16string values[] = {
        format_fixed(c.estimate, kEstimateDecimals), format_fixed(c.standard_error, kEstimateDecimals),
        format_fixed(c.t_statistic, kStatisticDecimals), format_fixed(c.p_value, kStatisticDecimals)};
    return row(std::move(label), values, kCoefficientColumns);
}

std::u16string anova_row(std::u16string label, const AnovaRow& r) {
    auto optional = [](const std::optional<double>& v, int decimals) {
        return v ? format_fixed(*v, decimals) : std::u16string();
    };
    const std::u16string values[] = {
        format_fixed(r.sum_of_squares, kEstimateDecimals), format_count(r.degrees_of_freedom),
        optional(r.mean_square, kEstimateDecimals), optional(r.f_ratio, kRatioDecimals),
        optional(r.p_value, kStatisticDecimals)};
    return row(std::move(label), values, kAnovaColumns);
}

void header(ReportText& out, const OneVariableFit& fit) {
    out.line(join(out.stored(IDS_REPORT_REGRESSION_ANALYSIS), out.stored(model_statement_id(fit.form))));
    out.line(join(out.stored(IDS_REPORT_DEPENDENT_VARIABLE), fit.y_name));
    out.line(join(out.stored(IDS_REPORT_INDEPENDENT_VARIABLE), fit.x_name));
}

// A table's head: its title where it has one, its ruler, its heading lines
// and the ruler again.
void table_head(ReportText& out, std::optional<std::uint16_t> title, std::uint16_t ruler,
                std::initializer_list<std::uint16_t> headings) {
    if (title) out.stored_line(*title);
    out.stored_line(ruler);
    for (std::uint16_t heading : headings) out.stored_line(heading);
    out.stored_line(ruler);
}

void coefficient_table(ReportText& out, const OneVariableFit& fit) {
    table_head(out, std::nullopt, IDS_REPORT_COEFFICIENT_RULER,
               {IDS_REPORT_COEFFICIENT_HEADING_1, IDS_REPORT_COEFFICIENT_HEADING_2});
    out.line(coefficient_row(out.stored(IDS_REPORT_INTERCEPT), fit.intercept));
    out.line(coefficient_row(out.stored(IDS_REPORT_SLOPE), fit.slope));
    out.stored_line(IDS_REPORT_COEFFICIENT_RULER);
    if (fit.form == ModelForm::multiplicative) out.stored_line(IDS_REPORT_MULTIPLICATIVE_NOTE);
}

void anova_table(ReportText& out, const OneVariableFit& fit) {
    table_head(out, IDS_REPORT_LACK_OF_FIT_TITLE, IDS_REPORT_LACK_OF_FIT_RULER, {IDS_REPORT_LACK_OF_FIT_HEADING});
    out.line(anova_row(out.stored(IDS_REPORT_ANOVA_MODEL), fit.model));
    out.line(anova_row(out.stored(IDS_REPORT_ANOVA_RESIDUAL), fit.residual));
    out.line(anova_row(out.stored(IDS_REPORT_ANOVA_LACK_OF_FIT), fit.lack_of_fit));
    out.line(anova_row(out.stored(IDS_REPORT_ANOVA_PURE_ERROR), fit.pure_error));
    out.stored_line(IDS_REPORT_LACK_OF_FIT_RULER);
    out.line(anova_row(out.stored(IDS_REPORT_ANOVA_TOTAL_CORRECTED), fit.total));
}

void statistics_lines(ReportText& out, const OneVariableFit& fit) {
    out.line(join(out.stored(IDS_REPORT_CORRELATION_COEFFICIENT), format_fixed(fit.correlation, kStatisticDecimals)));
    out.line(join(out.stored(IDS_REPORT_R_SQUARED), format_fixed(fit.r_squared_percent, kRatioDecimals),
                  out.stored(IDS_REPORT_PERCENT)));
    out.line(join(out.stored(IDS_REPORT_STANDARD_ERROR_OF_EST),
                  format_fixed(fit.standard_error_of_estimate, kEstimateDecimals)));
}

void comparison_table(ReportText& out, const OneVariableFit& fit) {
    table_head(out, IDS_REPORT_COMPARISON_TITLE, IDS_REPORT_COMPARISON_RULER, {IDS_REPORT_COMPARISON_HEADING});
    for (const ModelComparisonRow& alternative : fit.alternatives) {
        std::u16string label = out.stored(comparison_row_id(alternative.form));
        if (!alternative.correlation || !alternative.r_squared_percent) {
            out.line(label + out.stored(IDS_REPORT_NO_FIT));
            continue;
        }
        const std::u16string values[] = {format_fixed(*alternative.correlation, kStatisticDecimals),
                                         format_fixed(*alternative.r_squared_percent, kRatioDecimals)};
        out.line(row(std::move(label), values, kComparisonColumns));
    }
    out.stored_line(IDS_REPORT_COMPARISON_RULER);
}

void unusual_residuals_table(ReportText& out, const OneVariableFit& fit) {
    table_head(out, IDS_REPORT_UNUSUAL_RESIDUALS_TITLE, IDS_REPORT_UNUSUAL_RESIDUALS_RULER,
               {IDS_REPORT_UNUSUAL_RESIDUALS_HEADING_1, IDS_REPORT_UNUSUAL_RESIDUALS_HEADING_2});
    for (const UnusualResidual& r : fit.unusual_residuals) {
        const std::u16string values[] = {
            format_count(r.row),
            format_fixed(r.x, kStatisticDecimals),
            format_fixed(r.y, kStatisticDecimals),
            format_fixed(r.predicted, kStatisticDecimals),
            format_fixed(r.residual, kStatisticDecimals),
            format_fixed(r.studentized_residual, kRatioDecimals)};
        out.line(row(std::u16string(), values, kResidualColumns));
    }
    out.stored_line(IDS_REPORT_UNUSUAL_RESIDUALS_RULER);
}

}  // namespace

std::u16string one_variable_regression_report(const TextSource& texts, const OneVariableFit& fit) {
    if (fit.form == ModelForm::piecewise_linear)
        throw std::invalid_argument("the one-variable report draws a fit with an intercept and a slope only");
    ReportText out(texts);
    header(out, fit);
    out.blank();
    coefficient_table(out, fit);
    out.blank();
    anova_table(out, fit);
    out.blank();
    statistics_lines(out, fit);
    out.blank();
    comparison_table(out, fit);
    out.blank();
    unusual_residuals_table(out, fit);
    return out.take();
}

const OneVariableFit& sample_one_variable_fit() {
    // Dose 1 to 7, two observations each; mortality 0.06, 0.09, 0.14, 0.11,
    // 0.29, 0.24, 0.62, 0.41, 0.58, 0.63, 0.77, 0.74, 0.93, 0.90.
    static const OneVariableFit fit{
        .y_name = u"Mortality",
        .x_name = u"Dose",
        .form = ModelForm::linear,
        .intercept = {-0.123571429, 0.037278256, -3.31483932, 0.00616885187},
        .slope = {0.147142857, 0.00833567144, 17.6521901, 5.96166681e-10},
        .model = {1.21245714, 1, 1.21245714, 311.599816, 5.96166681e-10},
        .residual = {0.0466928571, 12, 0.00389107143, std::nullopt, std::nullopt},
        .lack_of_fit = {0.0203428571, 5, 0.00406857143, 1.08083491, 0.44547437},
        .pure_error = {0.02635, 7, 0.00376428571, std::nullopt, std::nullopt},
        .total = {1.25915, 13, std::nullopt, std::nullopt, std::nullopt},
        .correlation = 0.981283425,
        .r_squared_percent = 96.2917161,
        .standard_error_of_estimate = 0.0623784532,
        .alternatives =
            {
                {ModelForm::linear, 0.981283425, 96.2917161},
                {ModelForm::exponential, 0.95543994, 91.2865478},
                {ModelForm::reciprocal_y, -0.844884863, 71.3830431},
                {ModelForm::reciprocal_x, -0.803736674, 64.5992642},
                {ModelForm::double_reciprocal, 0.957827702, 91.7433907},
                {ModelForm::logarithmic_x, 0.927516764, 86.0287347},
                {ModelForm::multiplicative, 0.977791138, 95.6075509},
                {ModelForm::square_root_x, 0.965227871, 93.1664844},
                {ModelForm::square_root_y, 0.978703163, 95.7859882},
                {ModelForm::s_curve, -0.918136275, 84.297422},
                {ModelForm::logistic, 0.98475882, 96.9749934},
                {ModelForm::log_probit, 0.940882297, 88.5259498},
                {ModelForm::piecewise_linear, std::nullopt, std::nullopt},
            },
        .unusual_residuals = {{7, 4.0, 0.62, 0.465, 0.155, 3.69727975}},
    };
    return fit;
}

std::u16string one_variable_regression_report(const TextSource& texts) {
    return one_variable_regression_report(texts, sample_one_variable_fit());
}

}  // namespace torvik::host
