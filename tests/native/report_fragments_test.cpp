// The report fragments (2907-2910, 3001-5008, 9256-9956) as both builds store
// them, checked by the rules of the fixed-width layout: which identifiers
// carry a text, lengths, rulers, spaces, the columns where heading words end,
// line breaks, placeholders and the texts stored more than once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "built_modules.h"
#include "catalogue_plan.h"
#include "catalogue_rules.h"
#include "string_table.h"
#include "text.h"
#include "text_ids.h"

namespace torvik::test {
namespace {

const char* const kReportFamilies[] = {"axis_words", "report_fragments", "late_report_pieces"};

const plan::Family& family_named(const std::string& name) {
    for (const plan::Family& f : plan::families)
        if (name == f.name) return f;
    throw std::invalid_argument("no family " + name);
}

bool is_report_family(const plan::Family* f) {
    return f && std::any_of(std::begin(kReportFamilies), std::end(kReportFamilies),
                            [&](const char* name) { return name == std::string(f->name); });
}

bool on_any_run(std::uint16_t id) {
    return std::any_of(std::begin(plan::families), std::end(plan::families),
                       [&](const plan::Family& f) { return plan::on_runs(f, id); });
}

// A stated count of something at an identifier: a length, a ruler's hyphens.
struct IdCount {
    std::uint16_t id;
    std::size_t count;
};

class ReportFragments : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
    std::optional<std::u16string> text(std::uint32_t id) const {
        return pe::load_string(image(), static_cast<std::uint16_t>(id), pe::kCatalogueLanguage);
    }
    // The text at id, which the test needs; an empty text (and a failure) when it is missing.
    std::u16string required(std::uint32_t id) const {
        auto t = text(id);
        EXPECT_TRUE(t.has_value()) << "text " << id << " is missing";
        return t.value_or(u"");
    }
    // Every stored text of the three report families, by identifier.
    std::map<std::uint16_t, std::u16string> report_texts() const {
        std::map<std::uint16_t, std::u16string> out;
        for (const pe::CatalogueText& t : pe::all_strings(image()))
            if (is_report_family(plan::family_of(t.id))) out[t.id] = t.text;
        return out;
    }
};

std::string show(const std::u16string& t) { return "\"" + pe::escape(t) + "\""; }

std::size_t leading_spaces(const std::u16string& t) { return std::min(t.find_first_not_of(u' '), t.size()); }
std::size_t trailing_spaces(const std::u16string& t) {
    std::size_t last = t.find_last_not_of(u' ');
    return last == std::u16string::npos ? t.size() : t.size() - 1 - last;
}

// A word (a run without spaces) ends in column c, counted from 1.
bool word_ends_at(const std::u16string& t, std::size_t c) {
    return c >= 1 && c <= t.size() && t[c - 1] != u' ' && (c == t.size() || t[c] == u' ');
}

TEST_P(ReportFragments, CarryTextsExactlyOnThePlansRuns) {
    std::vector<std::uint16_t> missing, unexpected;
    for (const char* name : kReportFamilies) {
        const plan::Family& family = family_named(name);
        for (std::uint32_t id = family.first - 16u; id <= family.last + 16u; ++id) {
            auto id16 = static_cast<std::uint16_t>(id);
            bool planned = on_any_run(id16);
            if (planned && !is_report_family(plan::family_of(id16))) continue;  // another family's text
            bool present = text(id).has_value();
            if (planned && !present) missing.push_back(id16);
            if (!planned && present) unexpected.push_back(id16);
        }
    }
    EXPECT_EQ(missing, std::vector<std::uint16_t>{}) << "no text where the plan has one";
    EXPECT_EQ(unexpected, std::vector<std::uint16_t>{}) << "a text off the plan";
    // The gaps beside the runs.
    for (std::uint32_t id : {2909u, 3025u, 3118u, 3141u, 3143u, 3223u, 5013u, 9257u})
        EXPECT_FALSE(text(id).has_value()) << id;
    std::map<std::string, std::size_t> stored;
    for (const auto& [id, t] : report_texts()) ++stored[plan::family_of(id)->name];
    EXPECT_EQ(stored, (std::map<std::string, std::size_t>{
                          {"axis_words", 3}, {"report_fragments", 302}, {"late_report_pieces", 14}}));
}

TEST_P(ReportFragments, TextsHaveTheirStatedLengths) {
    // Every length the layout states, spaces and line breaks counted; the
    // rulers have their own table below.
    const IdCount lengths[] = {
        {3224, 8}, {3225, 9}, {3226, 3}, {3227, 9}, {3228, 7}, {3229, 10}, {3230, 12}, {3231, 6},
        {3232, 15}, {3233, 46}, {3234, 53}, {3235, 22}, {3236, 49}, {3243, 25}, {3244, 6}, {3245, 8},
        {3246, 10}, {3247, 9}, {3248, 19}, {3249, 36}, {3250, 38}, {3251, 31}, {3252, 33}, {3253, 13},
        {3254, 19}, {3255, 17}, {3256, 20}, {3262, 7}, {3263, 14}, {3264, 51}, {3501, 18}, {3502, 6},
        {3503, 41}, {3504, 13}, {3505, 28}, {3515, 57}, {3516, 49}, {3517, 15}, {3518, 33}, {3519, 30},
        {3520, 4}, {3521, 28}, {3522, 73}, {3523, 73}, {3524, 22}, {3525, 46}, {3526, 51}, {3527, 22},
        {3528, 20}, {3529, 17}, {3530, 16}, {3601, 32}, {3602, 34}, {3603, 30}, {3604, 27}, {3605, 28},
        {3606, 12}, {3607, 26}, {3608, 12}, {3609, 13}, {3610, 13}, {3611, 12}, {3612, 52}, {3613, 48},
        {3614, 55}, {3615, 56}, {3616, 26}, {3617, 28}, {3618, 23}, {3619, 23}, {3620, 34}, {3621, 34},
        {3622, 46}, {3624, 62}, {3625, 76}, {3626, 20}, {3627, 5}, {3628, 13}, {3629, 26}, {3630, 45},
        {3631, 39}, {3632, 40}, {3633, 33}, {3634, 22}, {3635, 16}, {3636, 12}, {3637, 32}, {3638, 7},
        {3639, 22}, {3640, 20}, {3641, 18}, {3642, 6}, {3643, 11}, {3644, 13}, {3645, 9}, {3646, 6},
        {3647, 7}, {3648, 16}, {3801, 22}, {3802, 25}, {3803, 35}, {3804, 35}, {3805, 31}, {3806, 40},
        {3807, 36}, {3808, 31}, {3809, 38}, {3810, 36}, {3811, 31}, {3812, 51}, {3813, 41}, {3815, 50},
        {3816, 69}, {3817, 9}, {3818, 9}, {3819, 23}, {3820, 47}, {3821, 77}, {3822, 17}, {3823, 17},
        {3824, 17}, {3825, 17}, {3826, 17}, {3827, 26}, {3828, 12}, {3829, 7}, {3830, 25}, {3831, 43},
        {3832, 57}, {3834, 77}, {3835, 53}, {3837, 90}, {3838, 91}, {3839, 41}, {3841, 50}, {3842, 18},
        {3843, 18}, {3844, 18}, {3845, 18}, {3846, 18}, {3847, 18}, {3848, 18}, {3849, 18}, {3850, 18},
        {3851, 18}, {3852, 18}, {3853, 18}, {3854, 25}, {3855, 48}, {3857, 76}, {3858, 76}, {3859, 49},
        {3861, 62}, {3862, 76}, {3863, 40}, {3864, 20}, {3865, 9}, {3866, 8}, {3867, 11}, {3868, 13},
        {3869, 20}, {3870, 8}, {3871, 9}, {3872, 10}, {3873, 34}, {3874, 9}, {3875, 9}, {3876, 45},
        {3877, 18}, {3901, 16}, {3902, 10}, {3903, 33}, {3904, 28}, {3906, 58}, {3907, 77}, {3908, 17},
        {3909, 47}, {3910, 77}, {3911, 17}, {3912, 32}, {3913, 22}, {3914, 26}, {3915, 62}, {3917, 77},
        {3918, 43}, {3919, 19}, {3921, 26}, {3922, 25}, {3923, 12}, {3924, 13}, {3925, 13}, {3926, 14},
        {3927, 40}, {3928, 43}, {3929, 49}, {3930, 17}, {3931, 27}, {3932, 12}, {3933, 26}, {3934, 32},
        {3935, 48}, {3936, 48}, {3938, 49}, {3939, 80}, {3940, 20}, {3941, 40}, {3942, 44}, {3944, 15},
        {3945, 17}, {3949, 23}, {3950, 16}, {3951, 16}, {3952, 16}, {3953, 16}, {3954, 4}, {3955, 6},
        {3956, 6}, {3957, 6}, {3958, 16}, {3959, 16}, {3960, 16}, {3961, 16}, {3962, 41}, {3964, 62},
        {3965, 62}, {3966, 33}, {3968, 61}, {3969, 62}, {3970, 40}, {3971, 16}, {3972, 31}, {3973, 33},
        {3974, 15}, {3975, 10}, {3976, 25}, {3978, 40}, {3979, 28}, {4602, 61}, {4603, 80}, {4604, 47},
        {4605, 77}, {4606, 20}, {5001, 48}, {5003, 50}, {5004, 92}, {5005, 45}, {5006, 15}, {5007, 26},
        {5008, 24}, {9256, 3}, {9259, 30}, {9261, 15}, {9280, 27}, {9307, 27}, {9414, 19}, {9415, 17},
        {9457, 26}, {9458, 38}, {9940, 8}, {9942, 27}, {9954, 38}, {9956, 65},
    };
    for (auto [id, length] : lengths) {
        std::u16string t = required(id);
        EXPECT_EQ(t.size(), length) << id << " " << show(t);
    }
}

TEST_P(ReportFragments, RulersAreHyphensOfTheirCount) {
    const IdCount rulers[] = {
        {3623, 76}, {3814, 77}, {3833, 77}, {3836, 91}, {3840, 50}, {3856, 76}, {3860, 76},
        {3905, 77}, {3916, 77}, {3920, 19}, {3937, 80}, {3943, 77}, {3946, 6}, {3947, 16},
        {3948, 32}, {3963, 62}, {3967, 62}, {3977, 25}, {4601, 80}, {5002, 92}, {9955, 65},
    };
    std::set<std::uint16_t> ruler_ids;
    for (auto [id, hyphens] : rulers) {
        ruler_ids.insert(id);
        std::u16string t = required(id);
        EXPECT_EQ(t, std::u16string(hyphens, u'-')) << id << " " << show(t);
    }
    // No other text is a ruler.
    for (const auto& [id, t] : report_texts())
        if (t.find_first_not_of(u'-') == std::u16string::npos) EXPECT_TRUE(ruler_ids.count(id)) << id;
}

TEST_P(ReportFragments, PaddedTextsKeepTheirSpaces) {
    struct Padding {
        std::uint16_t id;
        std::size_t leading;
        std::size_t trailing;
    };
    const Padding padded[] = {
        // Titles and heading lines indented by their own spaces.
        {3517, 3, 0}, {3522, 44, 0}, {3622, 31, 0}, {3624, 15, 0}, {3625, 15, 0}, {3626, 9, 0},
        {3815, 31, 0}, {3820, 27, 0}, {3832, 20, 0}, {3835, 37, 0}, {3837, 30, 0}, {3838, 47, 0},
        {3839, 9, 0}, {3854, 17, 0}, {3855, 31, 0}, {3857, 39, 0}, {3859, 31, 0}, {3861, 39, 0},
        {3906, 39, 0}, {3915, 15, 0}, {3925, 5, 0}, {3926, 5, 0}, {3929, 5, 0}, {3938, 41, 0},
        {3944, 7, 0}, {3962, 24, 0}, {3964, 25, 0}, {3966, 15, 0}, {3968, 23, 0}, {4602, 42, 0},
        {5003, 42, 0},
        // Indented lines that a value follows.
        {3606, 5, 1}, {3607, 5, 1}, {3608, 5, 1}, {3609, 5, 1}, {3610, 5, 1}, {3611, 5, 1},
        {3635, 5, 1}, {3927, 5, 1}, {3928, 5, 1}, {3930, 5, 1}, {3978, 5, 1},
        // Row labels and column heads padded to their column.
        {3232, 0, 10}, {3235, 11, 1}, {3264, 0, 2}, {3524, 0, 12}, {3818, 0, 4}, {3822, 0, 12},
        {3823, 3, 3}, {3824, 3, 4}, {3825, 0, 9}, {3826, 0, 4}, {3874, 0, 4}, {3875, 0, 5},
        {3908, 0, 9}, {3911, 0, 12}, {3940, 0, 12}, {3945, 0, 9}, {3957, 0, 3},
    };
    for (const Padding& p : padded) {
        std::u16string t = required(p.id);
        EXPECT_EQ(leading_spaces(t), p.leading) << p.id << " " << show(t);
        EXPECT_EQ(trailing_spaces(t), p.trailing) << p.id << " " << show(t);
    }
    // The continuations: their percent sign, then five spaces.
    for (std::uint16_t id : {3931, 3932, 3979}) {
        std::u16string t = required(id);
        ASSERT_FALSE(t.empty()) << id;
        EXPECT_EQ(t[0], u'%') << id << " " << show(t);
        EXPECT_EQ(leading_spaces(t.substr(1)), 5u) << id << " " << show(t);
    }
    // Two spaces inside 3929 and three inside 3629 stay as many.
    for (auto [id, spaces] : {IdCount{3929, 2}, IdCount{3629, 3}}) {
        std::u16string t = required(id);
        t.erase(0, leading_spaces(t));
        std::u16string run(spaces, u' ');
        std::size_t at = t.find(run);
        ASSERT_NE(at, std::u16string::npos) << id << " " << show(t);
        EXPECT_NE(t[at + spaces], u' ') << id << " " << show(t);
        EXPECT_EQ(t.find(run + u' '), std::u16string::npos) << id << " " << show(t);
    }
}

TEST_P(ReportFragments, JoiningTextsCarryTheirOwnSpaces) {
    // Value labels and the openings of titles end in one space, after "= " or
    // ": " where the label names a value.
    const std::uint16_t value_labels[] = {
        3001, 3002, 3003, 3004, 3005, 3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013, 3014,
        3015, 3016, 3119, 3120, 3121, 3122, 3224, 3613, 3617, 3618, 3619, 3628, 3631, 3632,
        3633, 3634, 3827, 3828, 3830, 3863, 3912, 3913, 3914, 3923, 3924, 3970};
    const std::uint16_t openings[] = {3142, 3246, 3518, 3519, 3529, 3801, 3949, 3955, 3956, 9259};
    for (std::uint16_t id : value_labels) {
        std::u16string t = required(id);
        std::u16string end = t.substr(t.size() - std::min<std::size_t>(t.size(), 2));
        EXPECT_TRUE(end == u"= " || end == u": ") << id << " " << show(t);
        EXPECT_EQ(trailing_spaces(t), 1u) << id << " " << show(t);
    }
    for (std::uint16_t id : openings) {
        std::u16string t = required(id);
        EXPECT_EQ(trailing_spaces(t), 1u) << id << " " << show(t);
    }
    // Joining words: one space on either side.
    for (std::uint16_t id : {3017, 3018, 3019, 3020, 3021, 3022, 3225, 3247, 9940}) {
        std::u16string t = required(id);
        EXPECT_EQ(leading_spaces(t), 1u) << id << " " << show(t);
        EXPECT_EQ(trailing_spaces(t), 1u) << id << " " << show(t);
    }
    // The sides of joins where the host writes the one space itself.
    for (std::uint16_t id : {3502, 3503, 3504, 3520, 3521, 3829, 3918}) {
        std::u16string t = required(id);
        EXPECT_EQ(leading_spaces(t) + trailing_spaces(t), 0u) << id << " " << show(t);
    }
}

TEST_P(ReportFragments, HeadingWordsEndInTheirColumns) {
    struct Heading {
        std::uint16_t id;
        std::vector<std::size_t> word_ends;
    };
    const Heading headings[] = {
        {3233, {5, 14, 39, 46}},
        {3234, {53}},
        {3264, {49}},
        {3522, {49, 61, 73}},
        {3523, {5, 27, 35, 49, 61, 73}},
        {3525, {5, 12, 17, 39, 46}},
        {3526, {51}},
        {3624, {20, 34, 48, 62}},
        {3625, {20, 34, 48, 62, 76}},
        {3815, {39, 50}},
        {3816, {9, 24, 38, 54, 69}},
        {3821, {6, 33, 40, 53, 64, 77}},
        {3837, {39}},
        {3838, {52, 65, 78, 91}},
        {3841, {5, 34, 50}},
        {3857, {48, 76}},
        {3858, {3, 20, 34, 48, 62, 76}},
        {3861, {48, 62}},
        {3862, {3, 20, 34, 48, 62, 76}},
        {3906, {47, 58}},
        {3907, {9, 32, 46, 62, 77}},
        {3938, {49}},
        {3939, {9, 35, 49, 59, 65, 74, 80}},
        {3964, {34, 62}},
        {3965, {3, 20, 34, 48, 62}},
        {3968, {34, 61}},
        {3969, {3, 20, 34, 48, 62}},
        {4602, {50, 61}},
        {4603, {9, 35, 49, 65, 80}},
        {5003, {50}},
        {5004, {9, 35, 49, 59, 65, 74, 80, 92}},
        {9956, {9, 35, 44, 50, 59, 65}},
    };
    for (const Heading& h : headings) {
        std::u16string t = required(h.id);
        for (std::size_t c : h.word_ends) EXPECT_TRUE(word_ends_at(t, c)) << h.id << " column " << c << " " << show(t);
    }
    // Two-word heads spanning a pair of limit columns in 3837.
    std::u16string predictions = required(3837);
    for (auto [first, last] : {std::pair<std::size_t, std::size_t>{48, 64}, {74, 90}}) {
        ASSERT_GE(predictions.size(), last);
        std::u16string head = predictions.substr(first - 1, last - first + 1);
        EXPECT_TRUE(predictions[first - 2] == u' ' && word_ends_at(predictions, last)) << first << "-" << last;
        EXPECT_EQ(std::count(head.begin(), head.end(), u' '), 1) << show(head);
        EXPECT_NE(head.front(), u' ');
    }
}

TEST_P(ReportFragments, OnlyThreeFailureLinesEndWithLineBreaks) {
    const std::set<std::uint16_t> two_breaks = {3612, 3614, 3615};
    for (const auto& [id, t] : report_texts()) {
        bool ends = t.size() > 4 && t.substr(t.size() - 4) == u"\r\n\r\n";
        EXPECT_EQ(ends, two_breaks.count(id) == 1) << id << " " << show(t);
        std::u16string body = ends ? t.substr(0, t.size() - 4) : t;
        EXPECT_TRUE(std::all_of(body.begin(), body.end(), [](char16_t c) { return c >= 0x20 && c < 0x7f; }))
            << id << " " << show(t);
    }
}

TEST_P(ReportFragments, PlaceholdersAndPercentSignsStandWhereTheLayoutPutsThem) {
    const std::set<std::uint16_t> printf_style = {2910, 3505, 3629, 3925, 3927, 3928, 3929, 9280, 9307, 9942};
    const std::set<std::uint16_t> braced = {3637, 3648, 3867, 3972, 3973, 9414, 9415};
    // A single "%" belongs to the number printed before the text, so it stands first.
    const std::set<std::uint16_t> single_percent = {3876, 3931, 3932, 3936, 3954, 3979, 5001, 5005, 9954};
    for (const auto& [id, t] : report_texts()) {
        pe::PlaceholderScan scan = pe::scan_placeholders(t);
        EXPECT_EQ(scan.printf_style > 0, printf_style.count(id) == 1) << id << " " << show(t);
        EXPECT_EQ(scan.braced > 0, braced.count(id) == 1) << id << " " << show(t);
        std::vector<std::size_t> first_only = {0};
        EXPECT_EQ(scan.lone_percents, single_percent.count(id) ? first_only : std::vector<std::size_t>{})
            << id << " " << show(t);
        EXPECT_EQ(scan.numbered + scan.double_percent, 0) << id << " " << show(t);
    }
}

TEST_P(ReportFragments, EqualTextsAreStoredAtEachOfTheirIdentifiers) {
    const std::vector<std::vector<std::uint16_t>> groups = {
        {3814, 3833, 3905, 3916, 3943},        // ruler of 77
        {3623, 3856, 3860},                    // ruler of 76
        {3937, 4601},                          // ruler of 80
        {3963, 3967},                          // ruler of 62
        {3820, 3909, 4604},                    // ANOVA title
        {3821, 3834, 3910, 3917, 4605},        // ANOVA heading line
        {3908, 3945},                          // constant's label, 17 wide
        {3940, 4606},                          // constant's label, 20 wide
        {3235, 3527}, {3863, 3970}, {3936, 5001}, {3876, 5005}, {3865, 3871}, {3872, 3902, 3975}, {9280, 9307}};
    for (const auto& group : groups) {
        std::u16string first = required(group.front());
        for (std::uint16_t id : group) EXPECT_EQ(show(required(id)), show(first)) << group.front() << " and " << id;
    }
    // Four fragments repeat a pane title.
    std::set<std::u16string> pane_titles;
    for (const pe::CatalogueText& t : pe::all_strings(image()))
        if (t.id >= IDS_TITLES_FIRST && t.id <= IDS_TITLES_LAST) pane_titles.insert(t.text);
    for (std::uint16_t id : {3528, 3530, 3864, 3868}) EXPECT_TRUE(pane_titles.count(required(id))) << id;
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ReportFragments, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
