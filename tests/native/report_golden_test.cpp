// The one-variable regression report of the sample fit, built from each
// build's texts: it matches the golden file, its numbers end in the columns
// where their heading words end, and every word of it comes from the module.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "built_modules.h"
#include "module_text_source.h"
#include "regression_report.h"
#include "report_ids.h"
#include "text.h"

namespace torvik::test {
namespace {

std::string narrow(const std::u16string& t) { return pe::escape(t); }

std::string golden_report() {
    std::ifstream in(std::string(TORVIK_GOLDEN) + "/one_variable_regression_report.txt", std::ios::binary);
    EXPECT_TRUE(in) << "cannot read the golden report under " << TORVIK_GOLDEN;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The report's lines, each of which must end with CR LF.
std::vector<std::string> report_lines(const std::u16string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            ADD_FAILURE() << "the report's last line has no CR LF";
            end = report.size();
        }
        std::u16string line = report.substr(start, end - start);
        EXPECT_EQ(line.find_first_of(u"\r\n"), std::u16string::npos) << "a bare line break in " << narrow(line);
        lines.push_back(narrow(line));
        start = end + 2;
    }
    return lines;
}

// Where the column heads of a heading line end, counted from column 1: a
// head is a word or words with single spaces between them ("Sum of Squares").
std::set<std::size_t> head_ends(const std::string& line) {
    std::set<std::size_t> ends;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ') continue;
        if (i + 1 == line.size() || line.compare(i + 1, 2, "  ") == 0) ends.insert(i + 1);
    }
    return ends;
}

class GoldenReport : public testing::TestWithParam<BuiltModule> {
protected:
    GoldenReport() : texts_(load_module(GetParam().path)) {}
    std::u16string report() const { return host::one_variable_regression_report(texts_); }
    std::string stored(std::uint16_t id) const { return narrow(texts_.require(id)); }

private:
    ReaderTextSource texts_;
};

TEST_P(GoldenReport, MatchesTheGoldenFile) {
    std::string joined;
    for (const std::string& line : report_lines(report())) joined += line + "\n";
    EXPECT_EQ(joined, golden_report());
}

TEST_P(GoldenReport, NumbersEndWhereTheirHeadingWordsEnd) {
    // Each table's lowest heading line, the rows under it up to its closing
    // ruler, and the width of its stored row labels.
    struct Table {
        std::uint16_t heading;
        std::uint16_t ruler;
        std::size_t label_width;
    };
    const Table tables[] = {{IDS_REPORT_COEFFICIENT_HEADING_2, IDS_REPORT_COEFFICIENT_RULER, 9},
                            {IDS_REPORT_LACK_OF_FIT_HEADING, IDS_REPORT_LACK_OF_FIT_RULER, 17},
                            {IDS_REPORT_COMPARISON_HEADING, IDS_REPORT_COMPARISON_RULER, 18},
                            {IDS_REPORT_UNUSUAL_RESIDUALS_HEADING_2, IDS_REPORT_UNUSUAL_RESIDUALS_RULER, 0}};
    static const std::regex number(R"(-?[0-9]+(\.[0-9]+)?)");
    std::vector<std::string> lines = report_lines(report());
    int no_fit_rows = 0;
    for (const Table& table : tables) {
        std::string heading = stored(table.heading), ruler = stored(table.ruler);
        std::set<std::size_t> columns = head_ends(heading);
        auto at = std::find(lines.begin(), lines.end(), heading);
        ASSERT_NE(at, lines.end()) << "no heading " << table.heading;
        int rows = 0, rulers = 0;
        for (++at; at != lines.end() && !at->empty(); ++at) {
            if (*at == ruler) {
                ++rulers;
                continue;
            }
            std::string values = at->substr(std::min(table.label_width, at->size()));
            if (values == stored(IDS_REPORT_NO_FIT)) {
                ++no_fit_rows;
                continue;
            }
            ++rows;
            int numbers = 0;
            for (std::sregex_iterator m(values.begin(), values.end(), number), end; m != end; ++m) {
                std::size_t column = table.label_width + static_cast<std::size_t>(m->position() + m->length());
                EXPECT_TRUE(columns.count(column)) << "\"" << *at << "\": " << m->str() << " ends at " << column;
                ++numbers;
            }
            EXPECT_GE(numbers, 2) << "\"" << *at << "\"";
            // Only numbers stand beside the label.
            EXPECT_TRUE(std::regex_replace(values, number, "").find_first_not_of(' ') == std::string::npos) << *at;
        }
        EXPECT_GE(rows, 1) << table.heading;
        EXPECT_GE(rulers, 2) << table.heading;
    }
    EXPECT_EQ(no_fit_rows, 1);
}

// The module's texts, each in capitals: whatever lower-case letter is left in
// the report was not read from the module.
class CapitalisedTexts : public host::TextSource {
public:
    explicit CapitalisedTexts(const host::TextSource& texts) : texts_(texts) {}
    std::optional<std::u16string> text(std::uint16_t id) const override {
        auto t = texts_.text(id);
        if (t)
            for (char16_t& c : *t)
                if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        return t;
    }

private:
    const host::TextSource& texts_;
};

TEST_P(GoldenReport, TakesEveryWordFromTheModule) {
    ReaderTextSource module(load_module(GetParam().path));
    std::u16string report = host::one_variable_regression_report(CapitalisedTexts(module));
    const host::OneVariableFit& fit = host::sample_one_variable_fit();
    for (const std::u16string& name : {fit.y_name, fit.x_name})
        for (std::size_t at; (at = report.find(name)) != std::u16string::npos;) report.erase(at, name.size());
    std::size_t lower = report.find_first_of(u"abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(lower, std::u16string::npos) << "a word of the report's own near \""
                                           << narrow(report.substr(lower, 40)) << "\"";
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, GoldenReport, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
