#include "report_layout.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "report_ids.h"

namespace torvik::host {
namespace {

std::u16string widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

bool carries_space_at_end(std::u16string_view text) {
    return !text.empty() && (text.back() == u' ' || text.back() == u'\n' || text.back() == u'\r');
}

bool carries_space_at_start(std::u16string_view text) {
    if (text.empty()) return false;
    char16_t c = text.front();
    return c == u' ' || c == u'\n' || c == u'\r' || c == u'%' || c == u',';
}

}  // namespace

std::u16string format_fixed(double value, int decimals) {
    if (!std::isfinite(value)) throw LayoutError("a report cannot show a value that is not finite");
    if (decimals < 0) throw LayoutError("a number cannot have " + std::to_string(decimals) + " decimals");
    // 309 integer digits at most, a sign, a point and the decimals.
    std::string buffer(320 + static_cast<std::size_t>(decimals), '\0');
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc()) throw LayoutError("the number does not fit its buffer");
    buffer.resize(static_cast<std::size_t>(end - buffer.data()));
    // "-0.00" says nothing that "0.00" does not.
    if (buffer.front() == '-' && buffer.find_first_not_of("-0.") == std::string::npos) buffer.erase(0, 1);
    return widen(buffer);
}

std::u16string format_count(long long value) { return widen(std::to_string(value)); }

std::u16string format_confidence_level(double percent) { return format_fixed(percent, 1); }

std::u16string pad_label(std::u16string_view name, std::size_t width) {
    std::u16string out(name.substr(0, width));
    out.resize(width, u' ');
    return out;
}

std::u16string right_align(std::u16string_view text, std::size_t width) {
    std::u16string out;
    if (text.size() < width) out.assign(width - text.size(), u' ');
    out += text;
    return out;
}

void put_ending_at(std::u16string& line, std::u16string_view text, std::size_t end_column) {
    std::size_t start = end_column >= text.size() ? end_column - text.size() : 0;  // index of the first character
    std::size_t earliest = line.empty() ? 0 : line.size() + (line.back() == u' ' ? 0 : 1);
    if (start < earliest) start = earliest;
    line.resize(start, u' ');
    line += text;
}

std::u16string join(std::u16string_view left, std::u16string_view right) {
    std::u16string out(left);
    if (!left.empty() && !right.empty() && !carries_space_at_end(left) && !carries_space_at_start(right))
        out += u' ';
    out += right;
    return out;
}

std::u16string join(std::u16string_view opening, std::u16string_view value, std::u16string_view ending) {
    return join(join(opening, value), ending);
}

std::u16string method_line(const TextSource& texts, double level, std::uint16_t method_name_id) {
    return join(join(texts.require(IDS_REPORT_METHOD), format_confidence_level(level),
                     texts.require(IDS_REPORT_METHOD_PERCENT)),
                texts.require(method_name_id));
}

std::u16string range_test_heading(const TextSource& texts, ComparisonLayout layout) {
    return join(texts.require(IDS_REPORT_RANGE_TEST_LEVEL),
                texts.require(layout == ComparisonLayout::one_factor ? IDS_REPORT_RANGE_TEST_COLUMNS
                                                                     : IDS_REPORT_GLM_RANGE_TEST_COLUMNS));
}

std::u16string difference_heading(const TextSource& texts, ComparisonLayout layout) {
    bool one_factor = layout == ComparisonLayout::one_factor;
    return join(texts.require(one_factor ? IDS_REPORT_DIFFERENCE : IDS_REPORT_GLM_DIFFERENCE),
                texts.require(one_factor ? IDS_REPORT_DIFFERENCE_LIMITS : IDS_REPORT_GLM_DIFFERENCE_LIMITS));
}

std::u16string means_plot_title(const TextSource& texts, double level, std::uint16_t interval_kind_id) {
    return join(join(texts.require(IDS_REPORT_MEANS_AND), format_confidence_level(level),
                     texts.require(IDS_REPORT_PLOT_PERCENT)),
                texts.require(interval_kind_id));
}

std::u16string interaction_plot_title(const TextSource& texts, double level, std::uint16_t interval_kind_id) {
    return join(join(texts.require(IDS_REPORT_INTERACTIONS_AND), format_confidence_level(level),
                     texts.require(IDS_REPORT_PLOT_PERCENT)),
                texts.require(interval_kind_id));
}

std::u16string interaction_plot_title(const TextSource& texts) { return texts.require(IDS_REPORT_INTERACTION_PLOT); }

std::u16string count_line(const TextSource& texts, std::size_t count, std::u16string_view smallest,
                          std::u16string_view largest) {
    if (count == 0) return texts.require(IDS_REPORT_NO_VALUES);
    if (count == 1) return texts.require(IDS_REPORT_ONE_VALUE);
    std::u16string line = join(format_count(static_cast<long long>(count)),
                               texts.require(IDS_REPORT_VALUES_RANGING_FROM), smallest);
    return join(line, texts.require(IDS_REPORT_RANGE_TO), largest);
}

std::u16string stepwise_statistics_line(const TextSource& texts, std::u16string_view r_squared,
                                        std::u16string_view adjusted_r_squared, std::u16string_view mse) {
    std::u16string line = join(texts.require(IDS_REPORT_STEP_R_SQUARED), r_squared,
                               texts.require(IDS_REPORT_STEP_ADJUSTED_R_SQUARED));
    return join(join(line, adjusted_r_squared, texts.require(IDS_REPORT_STEP_MSE)), mse);
}

std::u16string stepwise_deviance_line(const TextSource& texts, std::u16string_view percentage,
                                      std::u16string_view adjusted_percentage) {
    return join(join(texts.require(IDS_REPORT_STEP_DEVIANCE_EXPLAINED), percentage,
                     texts.require(IDS_REPORT_STEP_ADJUSTED_PERCENTAGE)),
                adjusted_percentage);
}

std::u16string limit_heading(const TextSource& texts, LimitSide side, double level) {
    std::u16string opening = texts.require(side == LimitSide::lower ? IDS_REPORT_LIMIT_LOWER : IDS_REPORT_LIMIT_UPPER);
    return right_align(join(opening, format_confidence_level(level), texts.require(IDS_REPORT_LIMIT_CL)),
                       kReportBlockWidth);
}

}  // namespace torvik::host
