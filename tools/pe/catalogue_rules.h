// The rules every text of the catalogue keeps: its characters, its identifier
// inside the plan, one placeholder kind, and the percent-sign rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pe_image.h"

namespace torvik::pe {

inline constexpr std::uint16_t kCatalogueLanguage = 1033;

struct Violation {
    std::uint16_t id = 0;
    std::string rule;     // short name: characters, empty, plan, language, placeholder-kinds, percent-sign, lone-percent
    std::string detail;   // what exactly is wrong
    std::string text;     // the text, escaped
    std::string to_string() const;  // text <id>: <rule>: <detail>: "<text>"
};

// What a text holds in the way of placeholders and percent signs.
struct PlaceholderScan {
    int printf_style = 0;    // %s, %d
    int numbered = 0;        // %1 .. %9...
    int braced = 0;          // {1}, {2}, ...
    int double_percent = 0;  // %%
    std::vector<std::size_t> lone_percents;  // positions of a % not starting any of the above

    bool formatted() const { return printf_style > 0 || double_percent > 0; }
};
PlaceholderScan scan_placeholders(const std::u16string& text);

// The rules that depend on the text alone (and on its identifier for the
// percent-sign exception).
std::vector<Violation> check_text(std::uint16_t id, const std::u16string& text);

// Every text of the module: the rules above, the identifier plan and the language.
std::vector<Violation> check_catalogue(const PeImage& image);

// What the module's own texts (every family but the framework's standard
// texts) hold in the way of placeholders, percent signs and edge spaces.
struct CatalogueFigures {
    std::size_t own_texts = 0;
    std::size_t standard_texts = 0;          // the framework's
    std::size_t printf_style = 0;            // texts with %s or %d
    std::size_t with_s = 0;
    std::size_t with_d = 0;
    std::size_t with_both = 0;
    std::size_t printf_and_percent = 0;      // a placeholder and "%%"
    std::size_t percent_only = 0;            // "%%" and no placeholder
    std::size_t single_percent = 0;          // a single "%" and no printf placeholder
    std::size_t leading_space = 0;
    std::size_t trailing_space = 0;
    std::size_t longest = 0;                 // in UTF-16 units
    std::uint16_t longest_id = 0;            // the first text of that length
    std::string to_string() const;           // one line, as the check prints it
};
CatalogueFigures catalogue_figures(const PeImage& image);

}  // namespace torvik::pe
