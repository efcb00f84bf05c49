// How the host lays out its fixed-width text reports from the catalogue's
// report fragments: numbers, padded names, values that end in a heading word's
// column, joins of openings, values and endings, and the lines that the host
// assembles from several fragments.
//
// Columns count from 1 at the first character of a line, as the column ends
// of the catalogue's heading lines do.
//
// Number format. A number is written in fixed-point notation with as many
// decimals as its column asks for (none for counts and degrees of freedom),
// rounded correctly from the double's exact value (a tie goes to the even
// digit), with "-" before a negative value and no sign before zero or a value
// that rounds to zero, no "+", no exponent and no digit grouping. A confidence
// level is a percentage with one decimal ("95.0"). Values that are not finite
// are refused: a report never shows "nan" or "inf".
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text_source.h"

namespace torvik::host {

// A value the layout cannot write (a number that is not finite, a negative
// count of decimals).
class LayoutError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// --- Numbers ------------------------------------------------------------------

std::u16string format_fixed(double value, int decimals);
std::u16string format_count(long long value);
std::u16string format_confidence_level(double percent);

// --- Placing texts on a line ----------------------------------------------------

// The width of one value block of the reports table, as its stored top and
// bottom lines are.
inline constexpr std::size_t kReportBlockWidth = 16;

// A name set in place of a stored row label: padded with spaces to the label
// column's width. A longer name is cut to the width, so that the row's first
// number still stands in its column.
std::u16string pad_label(std::u16string_view name, std::size_t width);

// text right-aligned in a field of width columns; a longer text is returned
// whole rather than cut, since it is a value.
std::u16string right_align(std::u16string_view text, std::size_t width);

// Appends text to line so that its last character stands in end_column. The
// text keeps at least one space from what the line already holds: a value too
// wide for its column follows after one space, and the row runs long, rather
// than overwriting or touching its neighbour.
void put_ending_at(std::u16string& line, std::u16string_view text, std::size_t end_column);

// --- Joining fragments and values ----------------------------------------------------

// left followed by right, with the catalogue's spacing: a fragment carries its
// own spaces, so the two are joined directly where left ends with a space or
// a line break, or right begins with a space, a line break, "%" or ",";
// where neither side carries one, one space goes between them. An empty side
// adds nothing.
std::u16string join(std::u16string_view left, std::u16string_view right);
// An opening, a value and an ending: join(join(opening, value), ending).
std::u16string join(std::u16string_view opening, std::u16string_view value, std::u16string_view ending);

// --- Assembled lines -------------------------------------------------------------------

// Multiple-comparison tables come in the one-factor layout and in the layout
// of general linear models, whose headings differ.
enum class ComparisonLayout { one_factor, general_linear_models };

// "Method: ", the level, " percent ", the method's name (3226-3231, 3262, 3263).
std::u16string method_line(const TextSource& texts, double level, std::uint16_t method_name_id);

// The range-test heading: the level column's head followed by the count, mean
// and group columns (61 characters).
std::u16string range_test_heading(const TextSource& texts, ComparisonLayout layout);

// The pairwise-difference heading: the contrast and difference columns
// followed by the limits column.
std::u16string difference_heading(const TextSource& texts, ComparisonLayout layout);

// "Means and ", the level, " Percent ", an interval kind (3251-3256, 3528).
std::u16string means_plot_title(const TextSource& texts, double level, std::uint16_t interval_kind_id);

// "Interactions and ", the level, " Percent ", an interval kind; the plain
// title when the plot draws no intervals.
std::u16string interaction_plot_title(const TextSource& texts, double level, std::uint16_t interval_kind_id);
std::u16string interaction_plot_title(const TextSource& texts);

// The count line of a variable: the count, " values ranging from ", the
// smallest value, " to ", the largest. The stored zero and one forms stand
// alone, since there is no range to show.
std::u16string count_line(const TextSource& texts, std::size_t count, std::u16string_view smallest,
                          std::u16string_view largest);

// The statistics line of a stepwise step, least squares form: R-squared, its
// adjusted value and the mean squared error, each as formatted by the host.
// The continuations that begin with "%" are printed as stored, never through
// printf-style formatting.
std::u16string stepwise_statistics_line(const TextSource& texts, std::u16string_view r_squared,
                                        std::u16string_view adjusted_r_squared, std::u16string_view mse);
// The same line in the deviance form: the percentage of deviance explained
// and its adjusted value.
std::u16string stepwise_deviance_line(const TextSource& texts, std::u16string_view percentage,
                                      std::u16string_view adjusted_percentage);

// The top line of a limit block of the reports table: "Lower " or "Upper ",
// the level, "% CL", right-aligned in the block's 16 columns.
enum class LimitSide { lower, upper };
std::u16string limit_heading(const TextSource& texts, LimitSide side, double level);

}  // namespace torvik::host
