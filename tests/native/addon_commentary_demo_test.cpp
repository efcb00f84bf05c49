// The demonstration of the add-on's commentary over the product's texts: every
// sentence filled and closed, the sample's names and numbers in place, and the
// choices following the sample results.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "addon_commentary_demo.h"
#include "built_modules.h"
#include "module_text_source.h"
#include "text.h"

namespace torvik::test {
namespace {

class AddonDemo : public testing::TestWithParam<BuiltModule> {
protected:
    ReaderTextSource source{load_module(GetParam().path)};
    std::string stored(std::uint16_t id) const { return pe::escape(source.require(id)); }
};

std::vector<std::string> lines_of(const std::u16string& text) {
    std::vector<std::string> out;
    std::istringstream in(pe::escape(text));
    std::string line;
    while (std::getline(in, line, '\\')) {
        if (line.rfind("n", 0) == 0) line.erase(0, 1);
        if (!line.empty()) out.push_back(line);
    }
    return out;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void expect_sentences_or_equations(const std::vector<std::string>& lines) {
    ASSERT_FALSE(lines.empty());
    for (const std::string& line : lines) {
        EXPECT_FALSE(contains(line, "%s") || contains(line, "%d") || contains(line, "%%")) << line;
        bool equation = line.rfind("   ", 0) == 0;
        bool announces = line.back() == ' ' || contains(line, "model is");
        if (!equation && !announces) EXPECT_EQ(line.back(), '.') << line;
    }
}

TEST_P(AddonDemo, NonlinearRegressionSummary) {
    std::vector<std::string> lines = lines_of(host::nonlinear_regression_summary_commentary(source));
    expect_sentences_or_equations(lines);
    host::NonlinearFitResults fit = host::nonlinear_sample_fit();
    EXPECT_TRUE(contains(lines.front(), "Strength") && contains(lines.front(), "2")) << lines.front();
    EXPECT_EQ(lines[1], stored(IDS_NONLINEAR_EQUATION_LEAD_IN));
    EXPECT_EQ(lines[2].rfind("   Strength = ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3], stored(IDS_NONLINEAR_ENDED_AFTER).replace(stored(IDS_NONLINEAR_ENDED_AFTER).find("%d"), 2,
                                                                  std::to_string(fit.iterations)) +
                            stored(IDS_NONLINEAR_ESTIMATES_CONVERGED));
    EXPECT_TRUE(contains(lines[4], "95.0% ")) << lines[4];
}

TEST_P(AddonDemo, ComparisonOfRegressionLinesSummary) {
    std::vector<std::string> lines = lines_of(host::comparison_of_regression_lines_summary_commentary(source));
    expect_sentences_or_equations(lines);
    EXPECT_TRUE(contains(lines.front(), "Strength") && contains(lines.front(), "Thickness") &&
                contains(lines.front(), "Machine"))
        << lines.front();
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    // Three machines, neither intercepts nor slopes held equal: separate lines.
    EXPECT_TRUE(contains(all, stored(IDS_LINES_CORRESPONDS_TO) + "3 separate")) << all;
    EXPECT_TRUE(contains(all, "Machine=A") && contains(all, "Machine=C")) << all;
    // P = 0.0003: the 99% variant, formatted to a single sign.
    EXPECT_TRUE(contains(all, "99% confidence level.")) << all;
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, AddonDemo, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
