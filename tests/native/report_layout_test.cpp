// The host's report layout: numbers, padding, placing values in their
// columns, joins, and the lines it assembles from the module's fragments on
// both builds, with the fragments' placeholders filled as the layout needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "built_modules.h"
#include "module_text_source.h"
#include "report_ids.h"
#include "report_layout.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {
namespace {

using host::LayoutError;

std::string show(const std::u16string& t) { return "\"" + pe::escape(t) + "\""; }

bool word_ends_at(const std::u16string& t, std::size_t c) {
    return c >= 1 && c <= t.size() && t[c - 1] != u' ' && (c == t.size() || t[c] == u' ');
}

// --- Numbers and placing ------------------------------------------------------------

TEST(ReportNumbers, AreFixedPointCorrectlyRoundedWithoutANegativeZero) {
    struct Case {
        double value;
        int decimals;
        std::u16string shown;
    };
    const Case cases[] = {
        {0.00616885187, 4, u"0.0062"},
        {-3.31483932, 4, u"-3.3148"},
        {5.96e-10, 4, u"0.0000"},
        {-0.00004, 4, u"0.0000"},   // rounds to zero: no sign
        {-0.0, 2, u"0.00"},
        {2.5, 0, u"2"},             // an exact tie goes to the even digit
        {3.5, 0, u"4"},
        {0.135, 2, u"0.14"},        // 0.135 is stored a little above the tie
        {1234567.0, 1, u"1234567.0"},  // no grouping
        {-311.599816, 2, u"-311.60"},
    };
    for (const Case& c : cases) EXPECT_EQ(show(host::format_fixed(c.value, c.decimals)), show(c.shown)) << c.value;
    EXPECT_EQ(show(host::format_confidence_level(95)), show(u"95.0"));
    EXPECT_EQ(show(host::format_count(-12)), show(u"-12"));
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_THROW(host::format_fixed(bad, 2), LayoutError) << bad;
    EXPECT_THROW(host::format_fixed(1.0, -1), LayoutError);
}

TEST(ReportPlacing, PadsNamesAndEndsValuesInTheirColumns) {
    EXPECT_EQ(show(host::pad_label(u"Dose", 9)), show(u"Dose     "));
    EXPECT_EQ(show(host::pad_label(u"Intercept", 9)), show(u"Intercept"));
    EXPECT_EQ(show(host::pad_label(u"Temperature", 9)), show(u"Temperatu"));  // cut, so the numbers keep their columns
    EXPECT_EQ(show(host::right_align(u"Lower 95.0% CL", 16)), show(u"  Lower 95.0% CL"));
    EXPECT_EQ(show(host::right_align(u"a value wider than its block", 16)), show(u"a value wider than its block"));

    struct Case {
        std::u16string line;
        std::u16string value;
        std::size_t end_column;
        std::u16string result;
    };
    const Case cases[] = {
        {u"Slope    ", u"0.147143", 24, u"Slope           0.147143"},
        {u"", u"7", 3, u"  7"},
        {u"Slope    ", u"123456789012345", 24, u"Slope    123456789012345"},  // fills its field exactly
        // Too wide: one space from its neighbour, and the row runs long.
        {u"Intercept", u"123456789012345", 24, u"Intercept 123456789012345"},
        {u"Model    1.5", u"22", 13, u"Model    1.5 22"},
        {u"", u"wider", 3, u"wider"},
    };
    for (const Case& c : cases) {
        std::u16string line = c.line;
        host::put_ending_at(line, c.value, c.end_column);
        EXPECT_EQ(show(line), show(c.result)) << show(c.line) << " + " << show(c.value);
    }
}

TEST(ReportJoins, WriteOneSpaceOnlyWhereNeitherSideCarriesOne) {
    struct Case {
        std::u16string left;
        std::u16string right;
        std::u16string joined;
    };
    const Case cases[] = {
        {u"label = ", u"1.5", u"label = 1.5"},
        {u"1.5", u" ending", u"1.5 ending"},
        {u"95.0", u"% of it", u"95.0% of it"},
        {u"1.5", u", then", u"1.5, then"},
        {u"opening", u"name", u"opening name"},
        {u"line\r\n", u"next", u"line\r\nnext"},
        {u"", u"name", u"name"},
        {u"name", u"", u"name"},
    };
    for (const Case& c : cases) EXPECT_EQ(show(host::join(c.left, c.right)), show(c.joined));
    EXPECT_EQ(show(host::join(u"with", u"95.0", u"levels")), show(u"with 95.0 levels"));
    EXPECT_EQ(show(host::join(u"a = ", u"2", u"% more")), show(u"a = 2% more"));
}

// --- Lines assembled from the module's fragments -----------------------------------

class AssembledLines : public testing::TestWithParam<BuiltModule> {
protected:
    AssembledLines() : texts_(load_module(GetParam().path)) {}
    const host::TextSource& texts() const { return texts_; }
    std::u16string stored(std::uint16_t id) const { return texts_.require(id); }

private:
    ReaderTextSource texts_;
};

TEST_P(AssembledLines, RangeTestHeadingsEndTheirWordsInTheirColumns) {
    std::u16string one_factor = host::range_test_heading(texts(), host::ComparisonLayout::one_factor);
    EXPECT_EQ(one_factor.size(), 61u) << show(one_factor);
    for (std::size_t c : {5, 20, 29, 54, 61}) EXPECT_TRUE(word_ends_at(one_factor, c)) << c << " " << show(one_factor);

    std::u16string glm = host::range_test_heading(texts(), host::ComparisonLayout::general_linear_models);
    EXPECT_EQ(glm.size(), 61u) << show(glm);
    std::size_t ls_mean = glm.find(u"LS Mean");
    ASSERT_NE(ls_mean, std::u16string::npos) << show(glm);
    EXPECT_EQ(ls_mean + 7, 32u) << show(glm);
    for (std::size_t c : {5, 20, 54, 61}) EXPECT_TRUE(word_ends_at(glm, c)) << c << " " << show(glm);
}

TEST_P(AssembledLines, DifferenceHeadingsEndTheirWordsInTheirColumns) {
    struct Case {
        host::ComparisonLayout layout;
        std::size_t length;
        std::vector<std::size_t> word_ends;  // Difference, +/-, Limits
    };
    const Case cases[] = {{host::ComparisonLayout::one_factor, 75, {53, 67, 74}},
                          {host::ComparisonLayout::general_linear_models, 73, {51, 65, 72}}};
    for (const Case& c : cases) {
        std::u16string heading = host::difference_heading(texts(), c.layout);
        EXPECT_EQ(heading.size(), c.length) << show(heading);
        for (std::size_t end : c.word_ends) EXPECT_TRUE(word_ends_at(heading, end)) << end << " " << show(heading);
        EXPECT_EQ(heading.back(), u' ') << show(heading);
    }
}

TEST_P(AssembledLines, TitlesJoinTheLevelBetweenFragmentsThatCarryTheirSpaces) {
    // Every fragment around the level carries its space, so nothing is added.
    for (std::uint16_t method : {IDS_REPORT_METHOD_LSD, IDS_REPORT_METHOD_TUKEY_HSD, IDS_REPORT_METHOD_SCHEFFE,
                                 IDS_REPORT_METHOD_BONFERRONI, IDS_REPORT_METHOD_NEWMAN_KEULS,
                                 IDS_REPORT_METHOD_DUNCAN, IDS_REPORT_METHOD_DUNNETT, IDS_REPORT_METHOD_MULTIVARIATE_T})
        EXPECT_EQ(show(host::method_line(texts(), 95, method)),
                  show(stored(IDS_REPORT_METHOD) + u"95.0" + stored(IDS_REPORT_METHOD_PERCENT) + stored(method)));
    for (std::uint16_t kind : {IDS_REPORT_INTERVALS_POOLED, IDS_REPORT_INTERVALS_INTERNAL, IDS_REPORT_INTERVALS_LSD,
                               IDS_REPORT_INTERVALS_TUKEY_HSD, IDS_REPORT_INTERVALS_SCHEFFE,
                               IDS_REPORT_INTERVALS_BONFERRONI, IDS_REPORT_GLM_CONFIDENCE_INTERVALS}) {
        std::u16string percent_kind = u"99.5" + stored(IDS_REPORT_PLOT_PERCENT) + stored(kind);
        EXPECT_EQ(show(host::means_plot_title(texts(), 99.5, kind)), show(stored(IDS_REPORT_MEANS_AND) + percent_kind));
        EXPECT_EQ(show(host::interaction_plot_title(texts(), 99.5, kind)),
                  show(stored(IDS_REPORT_INTERACTIONS_AND) + percent_kind));
    }
    EXPECT_EQ(show(host::interaction_plot_title(texts())), show(stored(IDS_REPORT_INTERACTION_PLOT)));
    // No doubled space anywhere in an assembled title.
    std::u16string title = host::means_plot_title(texts(), 90, IDS_REPORT_INTERVALS_LSD);
    EXPECT_EQ(title.find(u"  "), std::u16string::npos) << show(title);
}

TEST_P(AssembledLines, JoinsWithoutSpacesOnEitherSideGetOne) {
    struct Case {
        std::uint16_t opening;
        std::u16string value;
        std::uint16_t ending;
    };
    // The second title line of the table of means, and the two error lines.
    const Case cases[] = {{3520, u"95.0", 3521}, {3502, u"Dose", 3918}, {3504, u"Batch", 3503}};
    for (const Case& c : cases)
        EXPECT_EQ(show(host::join(stored(c.opening), c.value, stored(c.ending))),
                  show(stored(c.opening) + u" " + c.value + u" " + stored(c.ending)));
    EXPECT_EQ(show(host::join(u"96.29", stored(IDS_REPORT_PERCENT))), show(u"96.29 " + stored(IDS_REPORT_PERCENT)));
}

TEST_P(AssembledLines, CountLinesTakeTheirZeroAndOneForms) {
    EXPECT_EQ(show(host::count_line(texts(), 0, u"", u"")), show(stored(IDS_REPORT_NO_VALUES)));
    EXPECT_EQ(show(host::count_line(texts(), 1, u"4.2", u"4.2")), show(stored(IDS_REPORT_ONE_VALUE)));
    for (long long count : {2, 14}) {
        std::u16string line = host::count_line(texts(), static_cast<std::size_t>(count), u"0.06", u"0.93");
        EXPECT_EQ(show(line), show(host::format_count(count) + stored(IDS_REPORT_VALUES_RANGING_FROM) + u"0.06" +
                                   stored(IDS_REPORT_RANGE_TO) + u"0.93"));
    }
}

TEST_P(AssembledLines, StepwiseStatisticsPrintTheContinuationsAsStored) {
    // The continuations begin with "%" and spaces: printf-style formatting
    // would read that as a conversion, so the host never formats them.
    for (std::uint16_t id :
         {IDS_REPORT_STEP_ADJUSTED_R_SQUARED, IDS_REPORT_STEP_MSE, IDS_REPORT_STEP_ADJUSTED_PERCENTAGE})
        EXPECT_FALSE(host::is_printf_formatted(stored(id))) << id;

    std::u16string line = host::stepwise_statistics_line(texts(), u"96.29", u"95.98", u"0.003891");
    EXPECT_EQ(show(line), show(stored(IDS_REPORT_STEP_R_SQUARED) + u"96.29" +
                               stored(IDS_REPORT_STEP_ADJUSTED_R_SQUARED) + u"95.98" + stored(IDS_REPORT_STEP_MSE) +
                               u"0.003891"));
    EXPECT_EQ(std::count(line.begin(), line.end(), u'%'), 2) << show(line);
    EXPECT_NE(line.find(u"96.29%"), std::u16string::npos) << show(line);
    EXPECT_NE(line.find(u"95.98%"), std::u16string::npos) << show(line);

    std::u16string deviance = host::stepwise_deviance_line(texts(), u"71.5", u"68.2");
    EXPECT_EQ(show(deviance), show(stored(IDS_REPORT_STEP_DEVIANCE_EXPLAINED) + u"71.5" +
                                   stored(IDS_REPORT_STEP_ADJUSTED_PERCENTAGE) + u"68.2"));
    EXPECT_EQ(std::count(deviance.begin(), deviance.end(), u'%'), 1) << show(deviance);
}

TEST_P(AssembledLines, LimitHeadingsAreRightAlignedInTheirBlockLikeTheStoredOnes) {
    for (host::LimitSide side : {host::LimitSide::lower, host::LimitSide::upper}) {
        bool lower = side == host::LimitSide::lower;
        std::u16string opening = stored(lower ? IDS_REPORT_LIMIT_LOWER : IDS_REPORT_LIMIT_UPPER);
        for (double level : {90.0, 95.0, 99.5}) {
            std::u16string heading = host::limit_heading(texts(), side, level);
            std::u16string words = opening + host::format_confidence_level(level) + stored(IDS_REPORT_LIMIT_CL);
            EXPECT_EQ(show(heading), show(std::u16string(host::kReportBlockWidth - words.size(), u' ') + words));
        }
    }
    // The stored top lines have the same width and alignment.
    for (std::uint16_t id : {3950, 3951, 3952, 3953}) {
        std::u16string top = stored(id);
        EXPECT_EQ(top.size(), host::kReportBlockWidth) << id;
        EXPECT_EQ(top.front(), u' ') << id;
        EXPECT_NE(top.back(), u' ') << id;
    }
}

// --- Placeholders of the fragments ---------------------------------------------------

TEST_P(AssembledLines, PrintfFragmentsFillWithoutDisturbingTheirSpaces) {
    // 3629 takes the degrees of freedom; the three spaces before "P-Value" stay.
    std::u16string result = host::format_printf(stored(3629), {12});
    std::size_t p_value = result.find(u"P-Value");
    ASSERT_NE(p_value, std::u16string::npos) << show(result);
    EXPECT_EQ(result.substr(p_value - 4, 4), u".   ") << show(result);
    EXPECT_EQ(result.size(), stored(3629).size()) << show(result);  // "%d" and "12" are as long
    EXPECT_THROW(host::format_printf(stored(3629), {}), host::FormatError);

    // A two-digit step heading is 13 characters; its underline keeps its 9 hyphens.
    EXPECT_EQ(host::format_printf(stored(3925), {12}).size(), 13u);
    EXPECT_EQ(host::format_printf(stored(3925), {3}).size(), 12u);
    std::u16string underline = stored(3926);
    EXPECT_FALSE(host::is_printf_formatted(underline));
    EXPECT_EQ(std::count(underline.begin(), underline.end(), u'-'), 9) << show(underline);

    // Each takes exactly its arguments.
    struct Case {
        std::uint16_t id;
        std::vector<host::PrintfArgument> args;
    };
    const Case cases[] = {{2910, {7}}, {3505, {14}}, {3927, {u"Dose"}}, {3928, {u"Dose"}}, {3929, {2, 11}},
                          {9280, {3}}, {9307, {3}}, {9942, {2}}};
    for (const Case& c : cases) {
        std::u16string filled = host::format_printf(stored(c.id), c.args);
        EXPECT_EQ(filled.find(u'%'), std::u16string::npos) << c.id << " " << show(filled);
        for (const host::PrintfArgument& arg : c.args)
            EXPECT_NE(filled.find(arg.to_text()), std::u16string::npos) << c.id << " " << show(filled);
        std::vector<host::PrintfArgument> fewer(c.args.begin(), c.args.end() - 1);
        EXPECT_THROW(host::format_printf(stored(c.id), fewer), host::FormatError) << c.id;
    }
}

TEST_P(AssembledLines, BracedFragmentsTakeTheValueTheirNumberNames) {
    struct Case {
        std::uint16_t id;
        int value_number;
    };
    const Case cases[] = {{3637, 1}, {3648, 3}, {3867, 1}, {3972, 2}, {3973, 1}, {9414, 1}, {9415, 1}};
    const std::u16string values[] = {u"Mortality", u"Dose", u"Weibull"};
    for (const Case& c : cases) {
        std::u16string text = stored(c.id);
        std::u16string placeholder = u"{" + std::u16string(1, static_cast<char16_t>(u'0' + c.value_number)) + u"}";
        std::size_t at = text.find(placeholder);
        ASSERT_NE(at, std::u16string::npos) << c.id << " " << show(text);
        std::u16string expected = text;
        expected.replace(at, placeholder.size(), values[c.value_number - 1]);
        EXPECT_EQ(show(host::fill_braced(text, {values[0], values[1], values[2]})), show(expected)) << c.id;
        EXPECT_THROW(host::fill_braced(text, std::vector<std::u16string_view>(values, values + c.value_number - 1)),
                     host::FormatError)
            << c.id;
    }
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, AssembledLines, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
