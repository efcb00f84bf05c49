#include "catalogue_rules.h"

#include "catalogue_plan.h"
#include "string_table.h"
#include "text.h"

namespace torvik::pe {
namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::string unit_name(char16_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

}  // namespace

std::string Violation::to_string() const {
    return "text " + std::to_string(id) + ": " + rule + ": " + detail + ": \"" + text + "\"";
}

PlaceholderScan scan_placeholders(const std::u16string& t) {
    PlaceholderScan s;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == u'{') {
            std::size_t j = i + 1;
            while (j < t.size() && is_digit(t[j])) ++j;
            if (j > i + 1 && j < t.size() && t[j] == u'}') ++s.braced;
            continue;
        }
        if (t[i] != u'%') continue;
        char16_t next = i + 1 < t.size() ? t[i + 1] : 0;
        if (next == u'%') {
            ++s.double_percent;
            ++i;
        } else if (next == u's' || next == u'd') {
            ++s.printf_style;
            ++i;
        } else if (next >= u'1' && next <= u'9') {
            ++s.numbered;
            ++i;
        } else {
            s.lone_percents.push_back(i);
        }
    }
    return s;
}

std::vector<Violation> check_text(std::uint16_t id, const std::u16string& text) {
    std::vector<Violation> out;
    auto report = [&](std::string rule, std::string detail) {
        out.push_back({id, std::move(rule), std::move(detail), escape(text)});
    };
    if (text.empty()) report("empty", "a text must hold at least one character");
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if ((c < 0x20 || c > 0x7e) && c != u'\n' && c != u'\r') {
            report("characters", unit_name(c) + " at column " + std::to_string(i + 1) +
                                     " is not printable ASCII, a line feed or a carriage return");
            break;
        }
    }
    PlaceholderScan s = scan_placeholders(text);
    if ((s.printf_style > 0) + (s.numbered > 0) + (s.braced > 0) > 1) {
        std::string kinds;
        if (s.printf_style) kinds += " printf-style";
        if (s.numbered) kinds += " numbered";
        if (s.braced) kinds += " braced";
        report("placeholder-kinds", "mixes placeholder kinds:" + kinds);
    }
    const auto& exception = plan::percent_without_placeholder;
    bool excepted = id >= exception.first && id <= exception.last;
    if (s.double_percent && !s.printf_style && !excepted)
        report("percent-sign", "\"%%\" in a text without a printf-style placeholder (a literal percent is \"%\" here)");
    if (s.formatted() && !s.lone_percents.empty()) {
        std::size_t at = s.lone_percents.front();
        std::string follower = at + 1 < text.size() ? "\"" + escape(text.substr(at + 1, 1)) + "\"" : "the end";
        report("lone-percent", "\"%\" at column " + std::to_string(at + 1) + " is followed by " + follower +
                                   " in a printf-formatted text (only %s, %d or %% may follow)");
    }
    return out;
}

std::vector<Violation> check_catalogue(const PeImage& image) {
    std::vector<Violation> out;
    for (const CatalogueText& t : all_strings(image)) {
        auto report = [&](std::string rule, std::string detail) {
            out.push_back({t.id, std::move(rule), std::move(detail), escape(t.text)});
        };
        if (t.language != kCatalogueLanguage)
            report("language", "stored under language " + std::to_string(t.language) + ", not 1033");
        const plan::Family* family = plan::family_of(t.id);
        if (!family)
            report("plan", "the identifier lies outside every family of the plan");
        else if (!plan::on_runs(*family, t.id))
            report("plan", std::string("the identifier lies in the range of family ") + family->name +
                               " but on none of its runs");
        for (Violation& v : check_text(t.id, t.text)) out.push_back(std::move(v));
    }
    return out;
}

CatalogueFigures catalogue_figures(const PeImage& image) {
    CatalogueFigures f;
    for (const CatalogueText& t : all_strings(image)) {
        const plan::Family* family = plan::family_of(t.id);
        if (family && family->first == IDS_FRAMEWORK_FIRST) {
            ++f.standard_texts;
            continue;
        }
        ++f.own_texts;
        bool s = false, d = false;
        for (std::size_t i = 0; i + 1 < t.text.size(); ++i) {
            if (t.text[i] != u'%') continue;
            s = s || t.text[i + 1] == u's';
            d = d || t.text[i + 1] == u'd';
            ++i;  // "%%" and a conversion are both two units
        }
        PlaceholderScan scan = scan_placeholders(t.text);
        f.with_s += s;
        f.with_d += d;
        f.with_both += s && d;
        f.printf_style += s || d;
        f.printf_and_percent += (s || d) && scan.double_percent > 0;
        f.percent_only += !(s || d) && scan.double_percent > 0;
        f.single_percent += !(s || d) && !scan.lone_percents.empty();
        if (!t.text.empty()) {
            f.leading_space += t.text.front() == u' ';
            f.trailing_space += t.text.back() == u' ';
        }
        if (t.text.size() > f.longest) {
            f.longest = t.text.size();
            f.longest_id = t.id;
        }
    }
    return f;
}

std::string CatalogueFigures::to_string() const {
    return std::to_string(own_texts) + " own texts (and " + std::to_string(standard_texts) + " standard), " +
           std::to_string(printf_style) + " printf-style (" + std::to_string(with_s) + " %s, " +
           std::to_string(with_d) + " %d, " + std::to_string(with_both) + " both), " +
           std::to_string(printf_and_percent) + " with placeholders and %%, " + std::to_string(percent_only) +
           " with %% alone, " + std::to_string(single_percent) + " with a single %, " +
           std::to_string(leading_space) + " beginning and " + std::to_string(trailing_space) +
           " ending with a space, the longest " + std::to_string(longest) + " characters at " +
           std::to_string(longest_id);
}

}  // namespace torvik::pe
