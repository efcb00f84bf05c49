// The rules every text of the catalogue keeps: its characters, its identifier
// inside the plan, one placeholder kind, and the percent-sign rule.
#pragma once

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

}  // namespace torvik::pe
