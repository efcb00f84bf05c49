// The host's filling of catalogue texts, with the texts read from the product.
// Texts of families that are not stored yet come from the good fixture module.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "built_modules.h"
#include "catalogue_rules.h"
#include "string_table.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {
namespace {

using host::FormatError;
using host::PrintfArgument;

const pe::PeImage& product() { return load_module(kBuiltModules[0].path); }

std::u16string stored(std::uint16_t id) {
    auto t = pe::load_string(product(), id, pe::kCatalogueLanguage);
    if (!t) ADD_FAILURE() << "text " << id << " is missing";
    return t.value_or(u"");
}

// The product's text when it holds one, else the fixture's; says which it was.
std::u16string stored_or_fixture(std::uint16_t id, bool* from_product = nullptr) {
    auto t = pe::load_string(product(), id, pe::kCatalogueLanguage);
    if (from_product) *from_product = t.has_value();
    if (!t) t = pe::load_string(load_module(fixture_path("good_catalogue")), id, pe::kCatalogueLanguage);
    if (!t) ADD_FAILURE() << "text " << id << " is neither in the product nor in the fixture";
    return t.value_or(u"");
}

std::string show(const std::u16string& t) { return pe::escape(t); }

// A text of the module, its arguments, and what it shows or why it is refused.
struct PrintfCase {
    std::uint16_t id;
    std::vector<PrintfArgument> args;
    std::string expected;
};

TEST(PrintfFilling, FillsConversionsInTheirOrder) {
    const PrintfCase cases[] = {
        {1019, {3}, "Entry in field #3 cannot be blank."},
        {1128, {2, 1}, "Field #2 cannot have more than 1 variables."},  // the field first, the limit second
        {5011, {4, -7}, "Cell(4,-7) is blank."},
        // An inserted text is not read again for conversions.
        {1184, {u"%s"}, "Error: can't evaluate %s."},
        {5009, {u"%d%%"}, "%d%% is not a valid variable name."},
    };
    for (const PrintfCase& c : cases) EXPECT_EQ(show(host::format_printf(stored(c.id), c.args)), c.expected) << c.id;
}

TEST(PrintfFilling, RefusesArgumentsThatDoNotFit) {
    const PrintfCase cases[] = {
        {1128, {2}, "2 conversions but 1 argument was given"},
        {1019, {}, "1 conversion but 0 arguments were given"},
        {1019, {3, 4}, "1 conversion but 2 arguments were given"},
        {1019, {u"3"}, "conversion 1 (\"%d\" at column 17) takes an integer, but argument 1 is a text"},
        {5009, {7}, "conversion 1 (\"%s\" at column 1) takes a text, but argument 1 is an integer"},
        {1000, {1}, "a text without printf-style placeholders takes no arguments"},
    };
    for (const PrintfCase& c : cases) {
        try {
            host::format_printf(stored(c.id), c.args);
            ADD_FAILURE() << c.id << " was filled";
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << c.id << ": " << e.what();
        }
    }
}

TEST(PrintfFilling, RefusesConversionsTheHostDoesNotFill) {
    for (const char16_t* text : {u"%5d rows", u"%ld rows", u"%x of %d", u"%d rows %", u"%s% of"})
        EXPECT_THROW(host::format_printf(text, {1}), FormatError) << show(text);
}

TEST(PrintfFilling, FormatsExactlyTheTextsThePercentRuleNames) {
    // 8512 holds "%%" and no placeholder: formatted, it shows one sign.
    bool from_product = false;
    std::u16string formatted = host::format_printf(stored_or_fixture(8512, &from_product));
    EXPECT_EQ(formatted.find(u"%%"), std::u16string::npos) << show(formatted);
    if (from_product) {
        EXPECT_NE(formatted.find(u"90%"), std::u16string::npos) << show(formatted);
    } else {
        EXPECT_EQ(show(formatted), "% of the cases");
    }
    // 5001 is shown unchanged and keeps its single "%"; so do texts without
    // printf-style placeholders whatever follows their percent signs.
    std::u16string level = stored_or_fixture(5001);
    EXPECT_FALSE(host::is_printf_formatted(level));
    EXPECT_EQ(show(host::format_printf(level)), show(level));
    for (const char16_t* text : {u"100% sure", u"% c", u"%1 and %2", u"50%"})
        EXPECT_EQ(show(host::format_printf(text)), show(text));
    // Read in pairs: "%%d" is a percent sign and a "d", and it is formatted.
    EXPECT_TRUE(host::is_printf_formatted(u"%%d"));
    EXPECT_EQ(show(host::format_printf(u"%%d")), "%d");
    EXPECT_EQ(show(host::format_printf(u"%d%%", {90})), "90%");
}

TEST(NumberedInserts, ReplaceEachNumberWhereverItStands) {
    EXPECT_EQ(show(host::fill_numbered(stored(962), {u"1", u"10"})), "Please enter a number between 1 and 10.");
    EXPECT_EQ(show(host::fill_numbered(stored(965), {u"8"})), "Please enter no more than 8 characters.");
    EXPECT_EQ(show(host::fill_numbered(u"%2 before %1, %2 again", {u"a", u"b"})), "b before a, b again");
    EXPECT_EQ(show(host::fill_numbered(u"%1%2", {u"%2", u"x"})), "%2x");  // inserted text is not read again
    EXPECT_THROW(host::fill_numbered(stored(964), {u"1"}), FormatError);
    EXPECT_THROW(host::fill_numbered(u"%0", {u"a"}), FormatError);
}

TEST(BracedValues, TakeTheValueTheirNumberNames) {
    // 3648 holds "{3}" alone: the third value, not the first.
    std::u16string text = stored_or_fixture(3648);
    std::u16string filled = host::fill_braced(text, {u"first", u"second", u"Weibull"});
    std::u16string expected = text;
    expected.replace(expected.find(u"{3}"), 3, u"Weibull");
    EXPECT_EQ(show(filled), show(expected));
    EXPECT_THROW(host::fill_braced(text, {u"first", u"second"}), FormatError);
    EXPECT_THROW(host::fill_braced(u"{0} rows", {u"a"}), FormatError);
    EXPECT_THROW(host::fill_braced(u"{99999999999999999999}", {u"a"}), FormatError);
    // Braces that do not open a number are text.
    EXPECT_EQ(show(host::fill_braced(u"{a} {1 {} {2}", {u"x", u"y"})), "{a} {1 {} y");
}

TEST(MnemonicAmpersand, ShowsCaptionsAndMarksTheirMnemonic) {
    struct Case {
        std::u16string caption;
        const char* shown;
        std::optional<char16_t> mnemonic;
    };
    const Case cases[] = {
        {stored(2273), "R&R Plot", std::nullopt},  // a pane title with its ampersand doubled
        {u"&Transform...", "Transform...", u'T'},
        {u"Save &As", "Save As", u'A'},
        {u"&&&x", "&x", u'x'},
        {u"&a&b", "ab", u'a'},  // the first mark decides
        {u"end&", "end", std::nullopt},
        {u"plain", "plain", std::nullopt},
    };
    for (const Case& c : cases) {
        host::Caption caption = host::parse_caption(c.caption);
        EXPECT_EQ(show(caption.shown), c.shown) << show(c.caption);
        EXPECT_EQ(caption.mnemonic(), c.mnemonic) << show(c.caption);
    }
}

}  // namespace
}  // namespace torvik::test
