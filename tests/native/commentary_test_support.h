// What the commentary tests share: the stored texts of a commentary family
// read from a built module, as stored and as the host shows them, and the
// product's texts fed to the choice rules.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "built_modules.h"
#include "commentary_ids.h"
#include "commentary_rules.h"
#include "module_text_source.h"
#include "string_table.h"
#include "text.h"
#include "text_format.h"

namespace torvik::test {

// The printf conversions of a text in order, "%%" skipped: "sd" for "%s ... %d".
inline std::string conversions(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'%') continue;
        if (text[i + 1] == u's' || text[i + 1] == u'd') out += static_cast<char>(text[i + 1]);
        ++i;
    }
    return out;
}

inline bool contains(const std::u16string& text, const std::u16string& part) { return text.find(part) != std::u16string::npos; }
inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
inline std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A commentary family [first, last] of each build, read through the reader.
class CommentaryFamilyTest : public testing::TestWithParam<BuiltModule> {
protected:
    CommentaryFamilyTest(std::uint16_t first, std::uint16_t last) : first_(first), last_(last) {}

    const pe::PeImage& image() const { return load_module(GetParam().path); }
    // Every stored text of the module, by identifier.
    const std::map<std::uint16_t, std::u16string>& all() const {
        if (all_.empty())
            for (const pe::CatalogueText& t : pe::all_strings(image())) all_[t.id] = t.text;
        return all_;
    }
    // The family's stored texts.
    const std::map<std::uint16_t, std::u16string>& texts() const {
        if (family_.empty()) family_ = {all().lower_bound(first_), all().upper_bound(last_)};
        return family_;
    }
    std::u16string text(std::uint16_t id) const {
        auto it = all().find(id);
        if (it == all().end()) {
            ADD_FAILURE() << "text " << id << " is missing";
            return u"";
        }
        return it->second;
    }
    // As the host shows it: formatted by the percent-sign rule, "%s" filled with "NAME", "%d" with 7.
    std::u16string shown(std::uint16_t id) const {
        std::u16string t = text(id);
        std::vector<host::PrintfArgument> args;
        for (char c : conversions(t)) {
            if (c == 's') args.emplace_back(u"NAME");
            else args.emplace_back(7);
        }
        return host::format_printf(t, args);
    }
    std::string quoted(std::uint16_t id) const { return std::to_string(id) + " \"" + pe::escape(text(id)) + "\""; }

    // The P-value bands, weakest first: each variant names its threshold and,
    // but for the texts listed as stating none, its confidence level.
    static constexpr const char* kBandThresholds[] = {"0.10", "0.10", "0.05", "0.01"};
    static constexpr const char* kBandLevels[] = {"90", "90", "95", "99"};
    template <typename Sets>
    void expect_band_wording(const Sets& sets, std::initializer_list<std::uint16_t> without_level = {}) const {
        for (const commentary::BandSet* set : sets)
            for (std::size_t band = 0; band < 4; ++band) {
                std::uint16_t id = set->statement[band];
                std::u16string t = shown(id);
                EXPECT_TRUE(contains(t, u16(kBandThresholds[band]))) << quoted(id);
                if (std::find(without_level.begin(), without_level.end(), id) != without_level.end()) continue;
                std::string level = std::string("at the ") + kBandLevels[band] + (band == 0 ? "% or higher" : "%") +
                                    " confidence level";
                EXPECT_TRUE(contains(t, u16(level))) << quoted(id) << " lacks \"" << level << "\"";
            }
    }

private:
    std::uint16_t first_, last_;
    mutable std::map<std::uint16_t, std::u16string> all_, family_;
};

// The product's texts, as the choice rules read them.
inline const host::TextSource& product() {
    static const ReaderTextSource source(load_module(kBuiltModules[0].path));
    return source;
}
inline std::string shown(const host::Sentence& s) { return pe::escape(host::render(product(), s)); }
inline std::string stored(std::uint16_t id) { return pe::escape(product().require(id)); }

// The identifiers of a sentence's catalogue texts, in order.
inline std::vector<std::uint16_t> ids_of(const host::Sentence& s) {
    std::vector<std::uint16_t> out;
    for (const host::Piece& p : s)
        if (const host::Phrase* phrase = std::get_if<host::Phrase>(&p)) out.push_back(phrase->id);
    return out;
}
inline std::vector<std::uint16_t> ids_of(const std::vector<host::Sentence>& sentences) {
    std::vector<std::uint16_t> out;
    for (const host::Sentence& s : sentences)
        for (std::uint16_t id : ids_of(s)) out.push_back(id);
    return out;
}

// Shown, a sentence holds no conversion and no doubled sign.
inline void expect_filled(const std::string& text, const std::string& context = "") {
    EXPECT_FALSE(contains(text, "%s") || contains(text, "%d") || contains(text, "%%")) << context << ": " << text;
}
inline void expect_filled(const std::string& text, std::uint16_t id) { expect_filled(text, std::to_string(id)); }

}  // namespace torvik::test
