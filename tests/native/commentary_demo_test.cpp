// The demonstration of the shared commentary, assembled from the product's
// texts: what it reads, what it chooses for the sample results, and how its
// lines read.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "built_modules.h"
#include "commentary_demo.h"
#include "commentary_ids.h"
#include "module_text_source.h"
#include "procedure_slots.h"
#include "text.h"

namespace torvik::test {
namespace {

// The product's texts, noting every identifier read.
class RecordingSource : public host::TextSource {
public:
    std::optional<std::u16string> text(std::uint16_t id) const override {
        read.insert(id);
        return inner_.text(id);
    }
    mutable std::set<std::uint16_t> read;

private:
    ReaderTextSource inner_{load_module(kBuiltModules[0].path)};
};

// Each line of the text, escaped.
std::vector<std::string> lines_of(const std::u16string& text) {
    std::vector<std::string> out;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find(u'\n', start), text.size());
        out.push_back(pe::escape(text.substr(start, end - start)));
        start = end + 1;
    }
    return out;
}

TEST(SharedCommentaryDemo, ReadsOnlyTheCommentaryAndThePaneTitles) {
    RecordingSource source;
    host::shared_commentary_demo(source);
    std::set<std::uint16_t> titles;
    for (std::uint16_t id : source.read) {
        bool commentary = id >= IDS_SHARED_COMMENTARY_FIRST && id <= IDS_SHARED_COMMENTARY_LAST;
        if (!commentary) titles.insert(id);
    }
    EXPECT_EQ(titles, (std::set<std::uint16_t>{IDS_SLOT_CALIBRATION_MODELS + 1, IDS_SLOT_GENERAL_LINEAR_MODELS + 3,
                                               IDS_SLOT_GENERAL_LINEAR_MODELS + 4}));
}

TEST(SharedCommentaryDemo, ChoosesWhatTheSampleResultsCallFor) {
    RecordingSource source;
    host::shared_commentary_demo(source);
    // A multiplicative fit ("a"), P-value 0.00002, r = 0.9564, lack of fit at P = 0.0312;
    // four means with three pairs apart by more than the critical difference, in two groups.
    const std::uint16_t chosen[] = {
        IDS_FIT_OF_A_MODEL, IDS_FIT_SIGNIFICANT_AT_99, IDS_FIT_LINEARIZED_LOGARITHMIC, IDS_FIT_CORRELATION_STRONG,
        IDS_LACK_OF_FIT_METHOD, IDS_LACK_OF_FIT_AT_95, IDS_LACK_OF_FIT_OTHER_FORM, IDS_MEANS_ERROR_POOLED,
        IDS_MEANS_LSD, IDS_RANGE_TESTS_PAIRS_SEVERAL, IDS_RANGE_TESTS_GROUPS_SEVERAL, IDS_RANGE_TESTS_METHOD_LSD,
        IDS_RANGE_TESTS_RISK_EACH_PAIR};
    const std::uint16_t passed_over[] = {
        IDS_FIT_OF_AN_MODEL, IDS_FIT_SIGNIFICANT_AT_95, IDS_LACK_OF_FIT_NO_REPLICATES, IDS_LACK_OF_FIT_ADEQUATE,
        IDS_LACK_OF_FIT_AT_99, IDS_MEANS_ERROR_INTERNAL, IDS_MEANS_NOT_EXACT, IDS_RANGE_TESTS_PAIRS_ONE,
        IDS_RANGE_TESTS_GROUPS_ONE, IDS_RANGE_TESTS_RISK_ANY_PAIR};
    for (std::uint16_t id : chosen) EXPECT_TRUE(source.read.count(id)) << id << " was not read";
    for (std::uint16_t id : passed_over) EXPECT_FALSE(source.read.count(id)) << id << " was read";
}

TEST(SharedCommentaryDemo, ReadsAsCompleteSentencesUnderTheirPaneTitles) {
    RecordingSource source;
    std::vector<std::string> lines = lines_of(host::shared_commentary_demo(source));
    std::set<std::string> titles;
    for (int pane : {3, 4}) titles.insert(pe::escape(source.require(IDS_SLOT_GENERAL_LINEAR_MODELS + pane)));
    titles.insert(pe::escape(source.require(IDS_SLOT_CALIBRATION_MODELS + 1)));
    const std::string lead_in = pe::escape(source.require(IDS_FIT_EQUATION_LEAD_IN));

    int headings = 0, sentences = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.find('\\'), std::string::npos) << line;  // no tab, quote or other escape
        EXPECT_EQ(line.find("%%"), std::string::npos) << line;
        EXPECT_EQ(line.find("%s"), std::string::npos) << line;
        EXPECT_EQ(line.find("%d"), std::string::npos) << line;
        EXPECT_EQ(line.find("  ", 3), std::string::npos) << line;
        if (line.empty()) {
            EXPECT_TRUE(i + 1 == lines.size() || titles.count(lines[i + 1])) << "a blank line before " << lines[i + 1];
        } else if (titles.count(line)) {
            ++headings;
        } else if (line == lead_in) {
            ASSERT_LT(i + 1, lines.size());
            EXPECT_EQ(lines[i + 1].rfind("   Yield = ", 0), 0u) << lines[i + 1];
            ++i;
        } else {
            EXPECT_TRUE(line.front() >= 'A' && line.front() <= 'Z') << line;
            EXPECT_EQ(line.back(), '.') << line;
            ++sentences;
        }
    }
    EXPECT_EQ(headings, 3);
    EXPECT_GE(sentences, 25);
}

TEST(SharedCommentaryDemo, SaysSoWhenNoValueOfXIsReplicated) {
    RecordingSource source;
    host::OneVariableFitResults fit = host::commentary_sample_fit();
    fit.lack_of_fit_p_value.reset();
    std::string text = pe::escape(host::one_variable_fit_commentary(source, fit));
    EXPECT_TRUE(source.read.count(IDS_LACK_OF_FIT_NO_REPLICATES));
    EXPECT_FALSE(source.read.count(IDS_LACK_OF_FIT_METHOD));
    for (std::uint16_t id : commentary::one_variable_lack_of_fit_band.statement)
        EXPECT_FALSE(source.read.count(id)) << id;
    EXPECT_NE(text.find("Temperature."), std::string::npos) << text;
}

TEST(MeansComparison, CountsSignificantPairsAndHomogeneousGroups) {
    struct Case {
        std::vector<double> means;
        double critical_difference;
        std::size_t pairs;
        std::size_t groups;
    };
    const Case cases[] = {
        {{51.2, 53.0, 54.1, 57.8}, 3.1, 3, 2},  // the sample: {51.2, 53.0, 54.1} and {57.8}
        {{1, 2, 3}, 5, 0, 1},
        {{1, 6}, 5, 0, 1},                        // a difference equal to the critical one is not significant
        {{20, 1, 10}, 5, 3, 3},
        {{7, 1, 4}, 5, 1, 2},                     // {1, 4} and {4, 7}
        {{1, 4, 7, 10}, 5, 3, 3},
        {{5}, 5, 0, 1},
    };
    for (const Case& c : cases) {
        host::MeansComparisonResults means = host::commentary_sample_means();
        means.levels.clear();
        for (double m : c.means) means.levels.push_back({6, m});
        means.critical_difference = c.critical_difference;
        std::string label = std::to_string(c.means.size()) + " means from " + std::to_string(c.means.front());
        EXPECT_EQ(host::significant_pair_count(means), c.pairs) << label;
        EXPECT_EQ(host::homogeneous_group_count(means), c.groups) << label;
    }
    host::MeansComparisonResults sample = host::commentary_sample_means();
    EXPECT_EQ(host::significant_pair_count(sample), 3u);
    EXPECT_EQ(host::homogeneous_group_count(sample), 2u);
}

}  // namespace
}  // namespace torvik::test
