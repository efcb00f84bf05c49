// The dialog templates of both builds through the reader: the rules every
// template keeps, the identifier plan, the button layouts, and every template
// row by row against its table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "built_modules.h"
#include "dialog_ids.h"
#include "dialog_kinds.h"
#include "dialog_tables.h"
#include "string_table.h"

namespace torvik::test {
namespace {

using K = Kind;

constexpr std::uint32_t kFrameHidden = 0x80C800C0;
constexpr std::uint32_t kFrameShown = 0x90C800C0;

std::string narrow(const std::u16string& s) { return {s.begin(), s.end()}; }
std::string caption_of(const pe::DialogItem& item) { return narrow(item.title.name); }
Rect rect_of(const pe::DialogItem& i) { return {i.x, i.y, i.cx, i.cy}; }
std::uint16_t stored_id(int id) { return static_cast<std::uint16_t>(id); }

std::vector<std::pair<int, pe::DialogTemplate>> all_dialogs(const pe::PeImage& image) {
    std::vector<std::pair<int, pe::DialogTemplate>> out;
    for (const pe::ResourceLeaf& leaf : image.resources())
        if (leaf.type == pe::ResourceKey::number(pe::kRtDialog) && leaf.name.id)
            out.emplace_back(*leaf.name.id, pe::decode_dialog(image.resource_data(leaf)));
    return out;
}

class ModuleDialogs : public testing::TestWithParam<BuiltModule> {
protected:
    const pe::PeImage& image() const { return load_module(GetParam().path); }
    std::optional<pe::DialogTemplate> dialog(int id) const {
        const pe::ResourceLeaf* leaf =
            image().find_resource(pe::ResourceKey::number(pe::kRtDialog), pe::ResourceKey::number(stored_id(id)), 1033);
        if (!leaf) return std::nullopt;
        return pe::decode_dialog(image().resource_data(*leaf));
    }
};

TEST_P(ModuleDialogs, TemplatesHoldTheirControlsInOrder) {
    std::vector<ExpectedDialog> all = data_input_dialogs();
    for (const auto* family : {&analysis_options_dialogs(), &table_options_dialogs(), &plot_options_dialogs()})
        all.insert(all.end(), family->begin(), family->end());
    for (const ExpectedDialog& want : all) {
        SCOPED_TRACE("dialog " + std::to_string(want.id));
        auto d = dialog(want.id);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->style, want.shown ? kFrameShown : kFrameHidden);
        EXPECT_EQ(narrow(d->title), want.caption);
        EXPECT_EQ((Rect{d->x, d->y, d->cx, d->cy}), (Rect{0, 0, want.cx, want.cy}));
        ASSERT_EQ(d->items.size(), want.rows.size());
        for (std::size_t i = 0; i < want.rows.size(); ++i) {
            const Row& row = want.rows[i];
            const pe::DialogItem& item = d->items[i];
            SCOPED_TRACE("control " + std::to_string(i + 1) + " (" + kind_info(row.kind).name + " " + std::to_string(row.id) + ")");
            EXPECT_EQ(item.id, stored_id(row.id));
            EXPECT_EQ(item.style, kind_style(row.kind, row.marks));
            EXPECT_EQ(kind_of(item), row.kind);
            EXPECT_EQ(caption_of(item), row.caption);
            if (row.rect) EXPECT_EQ(rect_of(item), *row.rect);
        }
    }
}

TEST_P(ModuleDialogs, DataInputFamilySharesItsLayout) {
    for (const ExpectedDialog& want : data_input_dialogs()) {
        if (want.id == IDD_TRANSFORM_DATA) continue;
        SCOPED_TRACE("dialog " + std::to_string(want.id));
        auto d = dialog(want.id);
        ASSERT_TRUE(d.has_value());
        std::map<int, const pe::DialogItem*> by_id;
        for (const pe::DialogItem& item : d->items) by_id[static_cast<std::int16_t>(item.id)] = &item;
        // The button row along the bottom, left to right.
        int previous_right = 0;
        for (int id : {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}) {
            const pe::DialogItem* b = by_id.at(id);
            EXPECT_EQ(b->y, by_id.at(IDOK)->y) << id;
            EXPECT_EQ(b->cy, 14) << id;
            EXPECT_TRUE(b->cx >= 43 && b->cx <= 49) << id;
            EXPECT_GT(b->x, previous_right) << id;
            EXPECT_TRUE(b->y + b->cy <= d->cy && b->y + b->cy >= d->cy - 8) << id << ": not along the bottom edge";
            previous_right = b->x + b->cx;
        }
        // The variable list on the left with "Sort" under it.
        const pe::DialogItem* list = by_id.at(IDC_VARIABLE_LIST);
        const pe::DialogItem* sort = by_id.at(IDC_SORT);
        EXPECT_GE(sort->y, list->y + list->cy);
        EXPECT_LT(sort->x + sort->cx, list->x + list->cx + 4);
        // Each picture button just left of the field after it in the template, on its row.
        for (std::size_t i = 0; i + 1 < d->items.size(); ++i) {
            const pe::DialogItem& b = d->items[i];
            if (kind_of(b) != Kind::PictureButton) continue;
            const pe::DialogItem& field = d->items[i + 1];
            EXPECT_EQ(field.window_class.id, pe::kAtomEdit) << "after picture button " << b.id;
            EXPECT_LE(std::abs(field.y - b.y), 1) << "picture button " << b.id;
            EXPECT_LE(b.x + b.cx, field.x) << "picture button " << b.id;
            EXPECT_GT(b.x, list->x + list->cx);
        }
    }
}

// The kinds and marks each kind may have.
bool marks_allowed(Kind k, std::uint32_t marks) {
    const std::uint32_t G = kGroup, T = kTabStop, GT = kGroup | kTabStop;
    auto any_of = [&](std::initializer_list<std::uint32_t> ok) { return std::find(ok.begin(), ok.end(), marks) != ok.end(); };
    switch (k) {
        case Kind::Label: return marks == G;
        case Kind::GroupBox: return any_of({0, G});
        case Kind::PushButton: case Kind::DefaultButton: case Kind::CheckBox: case Kind::Field:
        case Kind::MultilineField: case Kind::SortedList: return any_of({T, GT});
        case Kind::Radio: return any_of({0, T, GT});
        case Kind::PictureButton: return marks == 0;
        case Kind::FieldWantReturn: case Kind::ReadOnlyMultiline: case Kind::ChoiceList: return marks == T;
        default: return marks == GT;  // manual check box, no-scroll and wrapping fields, variable list, drop-down, grid
    }
}

bool overlaps(const Rect& a, const Rect& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}
bool contains(const Rect& outer, const Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

TEST_P(ModuleDialogs, EveryTemplateKeepsTheConventions) {
    auto dialogs = all_dialogs(image());
    ASSERT_FALSE(dialogs.empty());
    for (const auto& [id, d] : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        EXPECT_TRUE(d.style == kFrameShown || d.style == kFrameHidden);
        EXPECT_EQ(d.ex_style, 0u);
        EXPECT_EQ(d.x, 0);
        EXPECT_EQ(d.y, 0);
        EXPECT_EQ(d.menu, pe::ResourceKey::text(u""));
        EXPECT_EQ(d.window_class, pe::ResourceKey::text(u""));
        EXPECT_FALSE(d.title.empty());
        ASSERT_TRUE(d.font.has_value());
        EXPECT_EQ(d.font->point_size, 8);
        EXPECT_EQ(d.font->typeface, u"MS Sans Serif");
        std::set<std::uint16_t> ids;
        for (const pe::DialogItem& item : d.items) {
            SCOPED_TRACE("control " + std::to_string(item.id) + " \"" + caption_of(item) + "\"");
            auto kind = kind_of(item);
            ASSERT_TRUE(kind.has_value()) << "style " << std::hex << item.style << " is no kind";
            EXPECT_TRUE(marks_allowed(*kind, item.style & (kGroup | kTabStop))) << kind_info(*kind).name;
            EXPECT_EQ(item.ex_style, 0u);
            EXPECT_TRUE(item.creation_data.empty());
            EXPECT_FALSE(item.title.id.has_value());
            if (item.id != 0xffff) EXPECT_TRUE(ids.insert(item.id).second) << "identifier used twice";
            else EXPECT_TRUE(*kind == Kind::Label || *kind == Kind::GroupBox) << "only labels and group boxes are -1";
            EXPECT_TRUE(item.x >= 0 && item.y >= 0 && item.x + item.cx <= d.cx && item.y + item.cy <= d.cy)
                << "outside the dialog";
        }
        // No two controls overlap, but for a group box and what it holds. A
        // drop-down list's height is that of its opened list; it counts closed.
        for (std::size_t i = 0; i < d.items.size(); ++i)
            for (std::size_t j = i + 1; j < d.items.size(); ++j) {
                Rect a = rect_of(d.items[i]), b = rect_of(d.items[j]);
                if (kind_of(d.items[i]) == Kind::DropDownList) a.cy = 12;
                if (kind_of(d.items[j]) == Kind::DropDownList) b.cy = 12;
                bool boxed = (kind_of(d.items[i]) == Kind::GroupBox && contains(a, b)) ||
                             (kind_of(d.items[j]) == Kind::GroupBox && contains(b, a));
                EXPECT_TRUE(boxed || !overlaps(a, b)) << d.items[i].id << " overlaps " << d.items[j].id;
            }
        EXPECT_TRUE(ids.count(IDOK) && ids.count(IDCANCEL));
        EXPECT_TRUE(id == IDD_TRANSFORM_DATA ? !ids.count(IDHELP) && ids.count(IDC_TRANSFORM_HELP) : ids.count(IDHELP) > 0);
    }
}

TEST_P(ModuleDialogs, FixedRoleIdentifiersKeepTheirKindAndCaption) {
    struct Role {
        int id;
        std::vector<Kind> kinds;
        std::vector<std::string> captions;
        std::set<int> dialogs;  // the dialogs that have it; empty: all
    };
    const std::set<int> data_input = {243, 768, 774, 775, 778, 788};
    std::set<int> with_803 = data_input, with_314_803 = data_input;
    with_803.insert(803);
    with_314_803.insert({314, 803});
    std::set<int> all_but_314;
    for (const auto& [id, d] : all_dialogs(image()))
        if (id != IDD_TRANSFORM_DATA) all_but_314.insert(id);
    const Role roles[] = {
        {IDOK, {K::DefaultButton, K::PushButton}, {"OK"}, {}}, {IDCANCEL, {K::PushButton}, {"Cancel"}, {}},
        {IDHELP, {K::PushButton}, {"Help"}, all_but_314}, {IDC_VARIABLE_LIST, {K::VariableList, K::SortedList}, {""}, with_803},
        {IDC_SORT, {K::ManualCheckBox}, {"Sort"}, data_input},
        {IDC_TOP_FIELD, {K::Field, K::FieldWantReturn, K::MultilineField}, {""}, with_803},
        {IDC_SELECT, {K::Field}, {""}, data_input}, {IDC_TRANSFORM, {K::PushButton}, {"&Transform..."}, data_input},
        {IDC_PICTURE_2, {K::PictureButton}, {"RARROW", "STAR"}, with_803},
        {IDC_PICTURE_3, {K::PictureButton}, {"RARROW", "PAREN("}, with_803},
        {IDC_PICTURE_4, {K::PictureButton}, {"RARROW", "PAREN)"}, with_803},
        {IDC_FIRST_LIST, {K::ChoiceList, K::SortedList}, {""}, {258, 259, 311, 767, 795, 796, 797, 798}},
        {IDC_DELETE, {K::PushButton}, {"Delete"}, with_314_803}, {IDC_SECOND_LIST, {K::SortedList, K::ChoiceList}, {""}, {767, 795}},
    };
    std::map<int, std::set<int>> found;  // role identifier to the dialogs that have it
    for (const auto& [id, d] : all_dialogs(image()))
        for (const pe::DialogItem& item : d.items)
            for (const Role& role : roles) {
                if (item.id != stored_id(role.id)) continue;
                found[role.id].insert(id);
                auto kind = kind_of(item);
                EXPECT_TRUE(kind && std::count(role.kinds.begin(), role.kinds.end(), *kind)) << "dialog " << id << " control " << role.id;
                EXPECT_TRUE(std::count(role.captions.begin(), role.captions.end(), caption_of(item)))
                    << "dialog " << id << " control " << role.id << " \"" << caption_of(item) << "\"";
            }
    for (const Role& role : roles) {
        std::set<int> want = role.dialogs;
        if (want.empty())
            for (const auto& [id, d] : all_dialogs(image())) want.insert(id);
        EXPECT_EQ(found[role.id], want) << "the dialogs with control " << role.id;
    }
}

TEST_P(ModuleDialogs, ControlsDrawFromTheSeriesInOrder) {
    for (const auto& [id, d] : all_dialogs(image())) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        // Picture buttons are numbered top to bottom.
        std::vector<const pe::DialogItem*> pictures;
        for (const pe::DialogItem& item : d.items)
            if (kind_of(item) == Kind::PictureButton) pictures.push_back(&item);
        std::stable_sort(pictures.begin(), pictures.end(), [](auto* a, auto* b) { return a->y < b->y; });
        for (std::size_t i = 0; i < pictures.size(); ++i) EXPECT_EQ(pictures[i]->id, kPictureButtonSeries[i]);
        // Each radio group takes consecutive members of the series.
        const int* radio_end = std::end(kRadioSeries);
        const int* previous = nullptr;
        for (const pe::DialogItem& item : d.items) {
            if (kind_of(item) != Kind::Radio) {
                previous = nullptr;
                continue;
            }
            const int* at = std::find(std::begin(kRadioSeries), radio_end, item.id);
            ASSERT_NE(at, radio_end) << "radio button " << item.id << " is not in the series";
            if (previous && !(item.style & kGroup)) EXPECT_EQ(at, previous + 1) << "radio button " << item.id;
            previous = at;
        }
        // Check boxes ("Sort" aside) use the first n of their series.
        std::set<int> checks;
        for (const pe::DialogItem& item : d.items)
            if (kind_of(item) == Kind::CheckBox) checks.insert(item.id);
        EXPECT_EQ(checks, std::set<int>(std::begin(kCheckBoxSeries), std::begin(kCheckBoxSeries) + checks.size()));
        EXPECT_TRUE(std::set<std::size_t>({0, 1, 2, 3, 7, 14, 16}).count(checks.size())) << checks.size() << " check boxes";
        // Fields and addressed labels use the first n of theirs, in any
        // reading order. Hypothesis Tests Options alone skips members: its
        // alpha field and label keep the numbers 145 and 374.
        auto members = [items = &d.items](const int* first, const int* last, auto is_kind) {
            std::set<int> used;
            for (const pe::DialogItem& item : *items)
                if (is_kind(item) && std::find(first, last, item.id) != last) used.insert(item.id);
            return used;
        };
        std::set<int> fields = members(std::begin(kFieldSeries), std::end(kFieldSeries),
                                       [](const pe::DialogItem& i) { return i.window_class.id == pe::kAtomEdit; });
        std::set<int> labels = members(std::begin(kLabelSeries), std::end(kLabelSeries), [](const pe::DialogItem& i) {
            return kind_of(i) == Kind::Label || kind_of(i) == Kind::GroupBox;
        });
        if (id == IDD_HYPOTHESIS_TESTS_OPTIONS) {
            EXPECT_EQ(fields, (std::set<int>{IDC_FIELD_1, IDC_FIELD_2, IDC_FIELD_5}));
            EXPECT_EQ(labels, (std::set<int>{IDC_LABEL_1, IDC_LABEL_2, IDC_LABEL_5, IDC_LABEL_6}));
            continue;
        }
        EXPECT_EQ(fields, std::set<int>(std::begin(kFieldSeries), std::begin(kFieldSeries) + fields.size()));
        EXPECT_EQ(labels, std::set<int>(std::begin(kLabelSeries), std::begin(kLabelSeries) + labels.size()));
    }
}

TEST_P(ModuleDialogs, StandardButtonsFormAColumnOrARow) {
    // The dialogs with a button row, and its buttons left to right.
    const std::map<int, std::vector<int>> rows = {
        {243, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}}, {768, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}},
        {774, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}}, {775, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}},
        {778, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}}, {788, {IDOK, IDCANCEL, IDC_DELETE, IDC_TRANSFORM, IDHELP}},
        {803, {IDOK, IDCANCEL, IDC_ENTER, IDC_DELETE, IDHELP}}, {314, {IDOK, IDCANCEL, IDC_DISPLAY, IDC_TRANSFORM_HELP}},
        {258, {IDOK, IDCANCEL, IDHELP}}, {259, {IDOK, IDCANCEL, IDHELP}}, {767, {IDOK, IDCANCEL, IDHELP}}};
    for (const auto& [id, d] : all_dialogs(image())) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        std::map<int, const pe::DialogItem*> by_id;
        for (const pe::DialogItem& item : d.items) by_id[static_cast<std::int16_t>(item.id)] = &item;
        auto button = [&](int b) { return by_id.count(b) ? by_id.at(b) : nullptr; };
        if (auto row = rows.find(id); row != rows.end()) {
            int previous_right = -1;
            for (int b : row->second) {
                ASSERT_NE(button(b), nullptr) << b;
                EXPECT_EQ(button(b)->y, button(IDOK)->y) << b;
                EXPECT_EQ(button(b)->cy, 14) << b;
                EXPECT_GT(button(b)->x, previous_right) << b;
                previous_right = button(b)->x + button(b)->cx;
            }
            continue;
        }
        // The column: 50 by 14, left edges 56 to 59 from the right edge.
        std::vector<int> column = {IDOK, IDCANCEL};
        if (button(119) && kind_of(*button(119)) == Kind::PushButton) column.push_back(119);
        column.push_back(IDHELP);
        for (int b : column) {
            ASSERT_NE(button(b), nullptr) << b;
            EXPECT_EQ(button(b)->cx, 50) << b;
            EXPECT_EQ(button(b)->cy, 14) << b;
            int from_right = d.cx - button(b)->x;
            EXPECT_TRUE(from_right >= 56 && from_right <= 59) << b << ": " << from_right << " from the right edge";
        }
        EXPECT_TRUE(button(IDOK)->y >= 5 && button(IDOK)->y <= 8);
        EXPECT_EQ(button(IDCANCEL)->y - button(IDOK)->y, 17);
        int after_cancel = button(column[2])->y - button(IDCANCEL)->y;
        if (column.size() == 4) {
            EXPECT_TRUE(after_cancel >= 17 && after_cancel <= 19) << "the extra command";
            EXPECT_EQ(button(IDHELP)->y - button(119)->y, 19);
        } else {
            EXPECT_TRUE(after_cancel >= 17 && after_cancel <= 20) << "Help";
        }
    }
}

TEST_P(ModuleDialogs, AcrossAllTemplatesThePlanAddsUp) {
    auto dialogs = all_dialogs(image());
    int shown = 0, hidden = 0, pictures = 0, columns = 0, rows = 0;
    std::set<int> ok_is_default, empty_check_boxes, empty_labels;
    for (const auto& [id, d] : dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        (d.style == kFrameShown ? shown : hidden) += 1;
        const pe::DialogItem *ok = nullptr, *cancel = nullptr;
        for (const pe::DialogItem& item : d.items) {
            auto kind = kind_of(item);
            pictures += kind == Kind::PictureButton;
            if (item.id == IDOK) ok = &item;
            if (item.id == IDCANCEL) cancel = &item;
            if (item.id == IDOK && kind == Kind::DefaultButton) ok_is_default.insert(id);
            if (kind == Kind::CheckBox && caption_of(item).empty()) empty_check_boxes.insert(id);
            if (kind == Kind::Label && caption_of(item).empty()) empty_labels.insert(id);
            for (int never : {179, 180, 582}) EXPECT_NE(item.id, never);
        }
        ASSERT_TRUE(ok && cancel);
        // Cancel beside OK in a row, or under it in a column.
        if (cancel->y == ok->y) ++rows;
        else if (cancel->x == ok->x && cancel->y > ok->y) ++columns;
    }
    EXPECT_EQ(dialogs.size(), 45u);
    EXPECT_EQ(shown, 25);
    EXPECT_EQ(hidden, 20);
    EXPECT_EQ(pictures, 31);
    EXPECT_EQ(columns, 34);
    EXPECT_EQ(rows, 11);
    EXPECT_EQ(ok_is_default.size(), 43u);
    EXPECT_FALSE(ok_is_default.count(IDD_GLM_MODEL_SPECIFICATION_SHORT) || ok_is_default.count(IDD_GLM_MODEL_SPECIFICATION));
    // The host writes these captions; everywhere else the template gives them.
    EXPECT_EQ(empty_check_boxes, (std::set<int>{IDD_SAVE_RESULTS_OPTIONS, IDD_FITTED_MODEL_FACTORS_OPTIONS}));
    EXPECT_EQ(empty_labels, (std::set<int>{IDD_INITIAL_PARAMETER_ESTIMATES, IDD_HOLD_AT_OPTIONS}));
}

TEST_P(ModuleDialogs, PaneOptionsCaptionsRepeatTheirPaneTitles) {
    struct Case {
        int dialog;
        std::vector<int> titles;
    };
    const std::vector<int> predictions = {2431, 2447, 2734, 2815}, reports = {2719, 2781, 2799}, residual_plot = {2302},
                           fitted_model = {2738, 2753, 2784, 2818};
    const Case cases[] = {
        {IDD_CONFIDENCE_INTERVALS_OPTIONS, {2732, 2749, 2813}}, {IDD_MODEL_COEFFICIENTS_OPTIONS, {2716}},
        {IDD_HYPOTHESIS_TESTS_OPTIONS, {2733}}, {IDD_FORECASTS_OPTIONS, {2750}},
        {IDD_PREDICTIONS_CUTOFF_OPTIONS, predictions}, {IDD_PREDICTIONS_AT_OPTIONS, predictions},
        {IDD_REPORTS_OPTIONS, reports}, {IDD_REPORTS_OPTIONS_SHORT, reports},
        {IDD_BEST_ADJUSTED_R_SQUARED_OPTIONS, {2764}}, {IDD_GOODNESS_OF_FIT_OPTIONS, {2812}},
        {IDD_RESIDUAL_PLOTS_OPTIONS, {2324, 2372, 2728, 2740, 2755, 2788, 2803, 2824}},
        {IDD_RESIDUAL_PLOT_OPTIONS, residual_plot}, {IDD_RESIDUAL_PLOT_VERSUS_OPTIONS, residual_plot},
        {IDD_RESIDUAL_PLOT_AND_VERSUS_OPTIONS, residual_plot}, {IDD_INTERACTION_PLOT_OPTIONS, {2724}},
        {IDD_MEANS_PLOT_OPTIONS, {2723}}, {IDD_FITTED_MODEL_FACTORS_OPTIONS, fitted_model},
        {IDD_FITTED_MODEL_LIMITS_OPTIONS, fitted_model}, {IDD_MSE_PLOT_OPTIONS, {2768}}, {IDD_RIDGE_TRACE_OPTIONS, {2800}},
    };
    for (const Case& c : cases) {
        auto d = dialog(c.dialog);
        ASSERT_TRUE(d.has_value()) << c.dialog;
        for (int title : c.titles) {
            auto text = pe::load_string(image(), static_cast<std::uint16_t>(title), 1033);
            ASSERT_TRUE(text.has_value()) << title;
            EXPECT_EQ(d->title, *text + u" Options") << "dialog " << c.dialog << " and pane title " << title;
        }
    }
    // The Best Cp pane has no template; its caption is a text of the catalogue.
    EXPECT_EQ(pe::load_string(image(), 5006, 1033), std::u16string(u"Best Cp Options"));
    for (const auto& [id, d] : all_dialogs(image())) EXPECT_NE(d.title, u"Best Cp Options") << id;
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, ModuleDialogs, testing::ValuesIn(kBuiltModules), arch_name);

}  // namespace
}  // namespace torvik::test
