// The families with fixed wording, read from both builds: prompts and messages,
// function templates, saved-result names, procedure and pane titles. Which
// identifiers carry a text comes from the plan's runs; the texts themselves are
// checked by the rules each family keeps, not against a second copy of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "built_modules.h"
#include "catalogue_plan.h"
#include "catalogue_rules.h"
#include "procedure_slots.h"
#include "string_table.h"
#include "text.h"
#include "text_ids.h"

namespace torvik::test {
namespace {

const char* const kFixedWordingFamilies[] = {"prompts",       "messages", "function_templates",
                                             "saved_results", "titles",   "name_messages"};

bool is_fixed_wording(const plan::Family* f) {
    if (!f) return false;
    return std::any_of(std::begin(kFixedWordingFamilies), std::end(kFixedWordingFamilies),
                       [&](const char* name) { return std::string(name) == f->name; });
}

bool on_any_run(std::uint16_t id) {
    return std::any_of(std::begin(plan::families), std::end(plan::families),
                       [&](const plan::Family& f) { return plan::on_runs(f, id); });
}

std::string ascii(const std::u16string& text) { return pe::escape(text); }

std::string id_list(const std::vector<std::uint16_t>& ids) {
    std::string out;
    for (std::uint16_t id : ids) out += (out.empty() ? "" : ", ") + std::to_string(id);
    return out;
}

class CatalogueFamilies : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
    std::optional<std::u16string> text(std::uint32_t id) const {
        return pe::load_string(image(), static_cast<std::uint16_t>(id), pe::kCatalogueLanguage);
    }
    // The text at id, which the test needs; an empty string (and a failure) when it is missing.
    std::string required(std::uint32_t id) const {
        auto t = text(id);
        EXPECT_TRUE(t.has_value()) << "text " << id << " is missing";
        return t ? ascii(*t) : std::string();
    }
    // Every stored text of a family's range, by identifier.
    std::map<std::uint16_t, std::string> family_texts(std::uint16_t first, std::uint16_t last) const {
        std::map<std::uint16_t, std::string> out;
        for (const pe::CatalogueText& t : pe::all_strings(image()))
            if (t.id >= first && t.id <= last) out[t.id] = ascii(t.text);
        return out;
    }
};

TEST_P(CatalogueFamilies, CarryTextsExactlyOnThePlansRuns) {
    // Each family's range and the sixteen identifiers on either side of it: an
    // identifier of these families has a text exactly when it lies on a run, and
    // one on no family's run has none.
    std::vector<std::uint16_t> missing, unexpected;
    for (const char* name : kFixedWordingFamilies) {
        const plan::Family* family = nullptr;
        for (const plan::Family& f : plan::families)
            if (std::string(f.name) == name) family = &f;
        ASSERT_NE(family, nullptr) << name;
        for (std::uint32_t id = family->first - 16u; id <= family->last + 16u; ++id) {
            auto id16 = static_cast<std::uint16_t>(id);
            bool present = text(id).has_value();
            bool planned = on_any_run(id16);
            if (!is_fixed_wording(plan::family_of(id16)) && planned) continue;  // another family's text
            if (planned && !present) missing.push_back(id16);
            if (!planned && present) unexpected.push_back(id16);
        }
    }
    EXPECT_TRUE(missing.empty()) << "no text at " << id_list(missing);
    EXPECT_TRUE(unexpected.empty()) << "a text off the plan at " << id_list(unexpected);
    // The gaps named for these families, whatever the runs say.
    for (std::uint32_t id : {1040u, 1323u, 1412u, 1516u, 1557u, 1945u, 2825u})
        EXPECT_FALSE(text(id).has_value()) << id;
    for (std::uint32_t id = IDS_TITLES_GAP_FIRST; id <= IDS_TITLES_GAP_LAST; ++id)
        EXPECT_FALSE(text(id).has_value()) << id;
}

TEST_P(CatalogueFamilies, StoreNoBlockWithoutAText) {
    int blocks = 0;
    for (const pe::ResourceLeaf& leaf : image().resources()) {
        if (leaf.type != pe::ResourceKey::number(pe::kRtString)) continue;
        ++blocks;
        pe::StringBlock block = pe::decode_string_block(image().resource_data(leaf));
        EXPECT_TRUE(std::any_of(block.begin(), block.end(), [](const std::u16string& t) { return !t.empty(); }))
            << "string block " << leaf.name.to_string() << " holds no text";
    }
    EXPECT_GT(blocks, 0);
}

TEST_P(CatalogueFamilies, StoreEqualTextsAtEachOfTheirIdentifiers) {
    // Saved results: "MSE" twice; titles repeated inside one slot.
    const std::pair<std::uint16_t, std::uint16_t> equal[] = {
        {1547, 1548}, {2333, 2335}, {2438, 2439}, {2449, 2450}, {2525, 2532}, {2785, 2786}, {2798, 2801}};
    for (auto [a, b] : equal) EXPECT_EQ(required(a), required(b)) << a << " and " << b;
    // "Cp" and "CP": the same letters, both stored.
    std::string description = required(1545), name = required(1546);
    EXPECT_NE(description, name);
    std::transform(description.begin(), description.end(), description.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    EXPECT_EQ(description, name);
}

// --- Function templates -------------------------------------------------------

struct Template {
    std::uint16_t id;
    std::string name;
    int slots;
};

class FunctionTemplates : public CatalogueFamilies {
protected:
    std::vector<Template> templates() const {
        static const std::regex form(R"(([A-Z][A-Z0-9]*)\(\?(,\?)*\))");
        std::vector<Template> out;
        for (const auto& [id, t] : family_texts(IDS_FUNCTION_TEMPLATES_FIRST, IDS_FUNCTION_TEMPLATES_LAST)) {
            std::smatch m;
            EXPECT_TRUE(std::regex_match(t, m, form)) << id << " \"" << t << "\" is not NAME(?,...)";
            out.push_back({id, m.size() > 1 ? m[1].str() : t, static_cast<int>(std::count(t.begin(), t.end(), '?'))});
        }
        return out;
    }
};

TEST_P(FunctionTemplates, AreANameAndItsArgumentSlots) {
    std::vector<Template> all = templates();
    ASSERT_EQ(all.size(), 88u);
    std::map<int, int> by_slots;
    for (const Template& t : all) ++by_slots[t.slots];
    EXPECT_EQ(by_slots, (std::map<int, int>{{1, 50}, {2, 23}, {3, 14}, {4, 1}}));
    auto four = std::find_if(all.begin(), all.end(), [](const Template& t) { return t.slots == 4; });
    ASSERT_NE(four, all.end());
    EXPECT_EQ(four->name, "JOIN4");
}

TEST_P(FunctionTemplates, RunAlphabeticallyButForTwoNamesPlacedEarly) {
    std::vector<Template> all = templates();
    ASSERT_EQ(all.size(), 88u);
    auto name_at = [&](std::uint16_t id) { return all[id - IDS_FUNCTION_TEMPLATES_FIRST].name; };
    // The only places where a name sorts after its successor.
    std::vector<std::uint16_t> inversions;
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        if (all[i].name >= all[i + 1].name) inversions.push_back(all[i].id);
    EXPECT_EQ(inversions, (std::vector<std::uint16_t>{1375, 1394}));
    // Each of the two belongs further on: 1375 after 1376, 1394 after 1397.
    EXPECT_LT(name_at(1376), name_at(1375));
    EXPECT_LT(name_at(1375), name_at(1377));
    EXPECT_LT(name_at(1397), name_at(1394));
    EXPECT_LT(name_at(1394), name_at(1398));
    // A name comes before every longer name that begins with it.
    EXPECT_LT(name_at(1344), name_at(1345));  // EXP, EXP10
    EXPECT_LT(name_at(1356), name_at(1357));  // JOIN, JOIN3
}

TEST_P(FunctionTemplates, TwinNamesTakeTheSameArguments) {
    std::map<std::string, int> slots_of;
    for (const Template& t : templates()) slots_of[t.name] = t.slots;
    int inverse_twins = 0, radian_twins = 0;
    for (const auto& [name, slots] : slots_of) {
        // INVNORMAL beside NORMAL, COSR beside COS.
        if (name.rfind("INV", 0) == 0 && slots_of.count(name.substr(3))) {
            ++inverse_twins;
            EXPECT_EQ(slots, slots_of[name.substr(3)]) << name;
        }
        if (name.back() == 'R' && slots_of.count(name.substr(0, name.size() - 1))) {
            ++radian_twins;
            EXPECT_EQ(slots, slots_of[name.substr(0, name.size() - 1)]) << name;
        }
    }
    EXPECT_EQ(inverse_twins, 5);
    EXPECT_EQ(radian_twins, 6);
}

// --- Saved-result names ---------------------------------------------------------

TEST_P(CatalogueFamilies, SavedResultsPairDescriptionsWithColumnNames) {
    static const std::regex name(R"([A-Z]{2,10})");
    static const std::regex word(R"([A-Z][A-Za-z-]*|of|for)");
    auto texts = family_texts(IDS_SAVED_RESULTS_FIRST, IDS_SAVED_RESULTS_LAST);
    ASSERT_EQ(texts.size(), 40u);
    for (const auto& [id, t] : texts) {
        if (id % 2 == 0) {
            EXPECT_TRUE(std::regex_match(t, name)) << id << " \"" << t << "\" is not a column name";
            continue;
        }
        // A description in title case, 2 to 31 characters.
        EXPECT_GE(t.size(), 2u) << id;
        EXPECT_LE(t.size(), 31u) << id;
        std::size_t start = 0;
        while (start <= t.size()) {
            std::size_t end = std::min(t.find(' ', start), t.size());
            std::string w = t.substr(start, end - start);
            EXPECT_TRUE(std::regex_match(w, word)) << id << " \"" << t << "\": word \"" << w << "\"";
            start = end + 1;
        }
    }
}

// --- Procedure and pane titles ----------------------------------------------------

TEST_P(CatalogueFamilies, EverySlotHoldsItsTitleAndAnUnbrokenRunOfPanes) {
    auto texts = family_texts(IDS_TITLES_FIRST, IDS_TITLES_LAST);
    std::set<std::uint16_t> starts(std::begin(slots::procedure_slots), std::end(slots::procedure_slots));
    for (const auto& [id, t] : texts) {
        auto start = slots::slot_start_of(id);
        EXPECT_TRUE(start && starts.count(*start)) << id << " \"" << t << "\" lies in no procedure's slot";
    }
    std::size_t stored = 0;
    for (std::uint16_t start : slots::procedure_slots) {
        int panes = 0;
        while (panes < IDS_SLOT_MAX_PANES && texts.count(static_cast<std::uint16_t>(start + panes + 1))) ++panes;
        EXPECT_TRUE(texts.count(start)) << "slot " << start << " has no procedure title";
        EXPECT_GE(panes, 1) << "slot " << start << " has no pane";
        for (int p = panes + 1; p < IDS_SLOT_LENGTH; ++p)
            EXPECT_FALSE(texts.count(static_cast<std::uint16_t>(start + p))) << "slot " << start << " position " << p;
        stored += 1 + static_cast<std::size_t>(panes);
    }
    EXPECT_EQ(stored, texts.size());
    // General Linear Models fills all fourteen panes across two storage blocks.
    ASSERT_NE(IDS_SLOT_GENERAL_LINEAR_MODELS / 16, (IDS_SLOT_GENERAL_LINEAR_MODELS + 14) / 16);
    for (int p = 0; p <= IDS_SLOT_MAX_PANES; ++p) EXPECT_TRUE(text(IDS_SLOT_GENERAL_LINEAR_MODELS + p)) << p;
}

TEST_P(CatalogueFamilies, TitlesAreShortSingleLinesWithoutPlaceholders) {
    for (const auto& [id, t] : family_texts(IDS_TITLES_FIRST, IDS_TITLES_LAST)) {
        EXPECT_GE(t.size(), 7u) << id << " \"" << t << "\"";
        EXPECT_LE(t.size(), 41u) << id << " \"" << t << "\"";
        EXPECT_NE(t.front(), ' ') << id;
        EXPECT_NE(t.back(), ' ') << id;
        EXPECT_EQ(t.find_first_of("\\%{"), std::string::npos) << id << " \"" << t << "\"";
        // A procedure title is shown as it stands, a pane title as a caption:
        // only pane titles double their ampersands.
        bool procedure = slots::is_slot_start(id);
        std::size_t doubled = 0, single = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] != '&') continue;
            if (i + 1 < t.size() && t[i + 1] == '&') ++doubled, ++i;
            else ++single;
        }
        EXPECT_EQ(procedure ? doubled : single, 0u) << id << " \"" << t << "\"";
    }
}

TEST_P(CatalogueFamilies, FirstPaneIsTheAnalysisSummaryButInFourSlots) {
    const std::map<std::uint16_t, std::string> exceptions = {
        {IDS_SLOT_TIME_SERIES_ANALYSIS, "Model Specification"},
        {IDS_SLOT_SCREENING_DESIGN_ATTRIBUTES, "Design Summary"},
        {IDS_SLOT_RESPONSE_SURFACE_DESIGN_ATTRIBUTES, "Design Summary"},
        {IDS_SLOT_MIXTURE_DESIGN_ATTRIBUTES, "Design Summary"}};
    int summaries = 0;
    for (std::uint16_t start : slots::procedure_slots) {
        std::string first = required(*slots::pane_title_id(start, 1));
        auto it = exceptions.find(start);
        if (it != exceptions.end())
            EXPECT_EQ(first, it->second) << start;
        else
            summaries += first == "Analysis Summary";
    }
    EXPECT_EQ(summaries, 40);
}

// --- Prompts and messages ---------------------------------------------------------

TEST_P(CatalogueFamilies, MessagesKeepTheirLinesSpacesAndPlaceholders) {
    std::map<std::uint16_t, std::string> texts = family_texts(IDS_PROMPTS_FIRST, IDS_MESSAGES_LAST);
    texts.merge(family_texts(IDS_NAME_MESSAGES_FIRST, IDS_NAME_MESSAGES_LAST));
    ASSERT_EQ(texts.size(), 107u);
    const std::map<std::uint16_t, int> multiline = {{1025, 3}, {1062, 2}, {1071, 2}};
    const std::set<std::uint16_t> printf_style = {1019, 1020, 1022, 1056, 1128, 1184, 5009, 5010, 5011};
    const std::set<std::uint16_t> numbered = {962, 964, 965};
    for (const auto& [id, t] : texts) {
        auto raw = *text(id);
        // Lines are separated by single line feeds, never a carriage return.
        auto lines = 1 + std::count(raw.begin(), raw.end(), u'\n');
        EXPECT_EQ(lines, multiline.count(id) ? multiline.at(id) : 1) << id << " \"" << t << "\"";
        EXPECT_EQ(raw.find(u'\r'), std::u16string::npos) << id;
        pe::PlaceholderScan scan = pe::scan_placeholders(raw);
        EXPECT_EQ(scan.printf_style > 0, printf_style.count(id) == 1) << id << " \"" << t << "\"";
        EXPECT_EQ(scan.numbered > 0, numbered.count(id) == 1) << id << " \"" << t << "\"";
        EXPECT_EQ(scan.braced + scan.double_percent + scan.lone_percents.size(), 0u) << id << " \"" << t << "\"";
    }
    // Two spaces between sentences stay two.
    for (std::uint16_t id : {902, 1042, 1061}) {
        std::string t = required(id);
        EXPECT_NE(t.find(".  "), std::string::npos) << id << " \"" << t << "\"";
        EXPECT_EQ(t.find("   "), std::string::npos) << id << " \"" << t << "\"";
    }
    // A report heading indented by its own 41 spaces.
    std::string heading = required(1141);
    EXPECT_EQ(heading.size(), 50u);
    EXPECT_EQ(heading.find_first_not_of(' '), 41u);
    // 1067 ends without the full stop that 1068 has.
    EXPECT_NE(required(1067).back(), '.');
    EXPECT_EQ(required(1068).back(), '.');
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, CatalogueFamilies, testing::ValuesIn(kBuiltModules), arch_name);
INSTANTIATE_TEST_SUITE_P(BothBuilds, FunctionTemplates, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
