// The forms of a fit of Y on one X, shared by the report and the commentary.
#pragma once

namespace torvik::host {

// The model forms of a fit of Y on one X, in the catalogue's order.
enum class ModelForm {
    linear,
    exponential,
    reciprocal_y,
    reciprocal_x,
    double_reciprocal,
    logarithmic_x,
    multiplicative,
    square_root_x,
    square_root_y,
    s_curve,
    logistic,
    log_probit,
    piecewise_linear,
};

}  // namespace torvik::host
