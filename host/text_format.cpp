#include "text_format.h"

#include <string>
#include <vector>

namespace torvik::host {
namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// Texts of the catalogue are ASCII; anything else is shown as \uXXXX in errors.
std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
        }
    }
    return out;
}

std::string column(std::size_t index) { return "column " + std::to_string(index + 1); }

std::string plural(std::size_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

[[noreturn]] void refuse(std::u16string_view text, const std::string& why) {
    throw FormatError(why + " in \"" + narrow(text) + "\"");
}

// One conversion of a printf-formatted text: where it stands and what it takes.
struct Conversion {
    std::size_t at;
    char16_t kind;  // 's' or 'd'
};

// The conversions in order; refuses a "%" that starts neither "%s", "%d" nor "%%".
std::vector<Conversion> parse_conversions(std::u16string_view text) {
    std::vector<Conversion> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        if (i + 1 == text.size()) refuse(text, "\"%\" at " + column(i) + " ends the text without a conversion");
        char16_t next = text[i + 1];
        if (next == u's' || next == u'd') {
            out.push_back({i, next});
        } else if (next != u'%') {
            refuse(text, "\"%" + narrow(text.substr(i + 1, 1)) + "\" at " + column(i) +
                             " is not a conversion the host fills (only %s, %d and %%)");
        }
        ++i;
    }
    return out;
}

// The number of a "%n" insert at text[i] == '%', with the count of its digits.
struct Insert {
    unsigned number;
    std::size_t digits;
};
std::optional<Insert> numbered_insert(std::u16string_view text, std::size_t i) {
    Insert insert{0, 0};
    while (insert.digits < 2 && i + 1 + insert.digits < text.size() && is_digit(text[i + 1 + insert.digits])) {
        insert.number = insert.number * 10 + static_cast<unsigned>(text[i + 1 + insert.digits] - u'0');
        ++insert.digits;
    }
    if (insert.digits == 0) return std::nullopt;
    return insert;
}

}  // namespace

std::u16string PrintfArgument::to_text() const {
    if (const auto* text = std::get_if<std::u16string>(&value_)) return *text;
    if (const auto* integer = std::get_if<std::int64_t>(&value_)) return widen(std::to_string(*integer));
    return widen(std::to_string(std::get<std::uint64_t>(value_)));
}

bool is_printf_formatted(std::u16string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'%') continue;
        char16_t next = text[i + 1];
        if (next == u's' || next == u'd' || next == u'%') return true;
        // Any other "%" stands alone: the character after it is read afresh.
    }
    return false;
}

std::u16string format_printf(std::u16string_view text, std::span<const PrintfArgument> args) {
    if (!is_printf_formatted(text)) {
        if (!args.empty())
            refuse(text, "a text without printf-style placeholders takes no arguments, but " +
                             plural(args.size(), "argument") + (args.size() == 1 ? " was" : " were") + " given");
        return std::u16string(text);
    }
    std::vector<Conversion> conversions = parse_conversions(text);
    if (conversions.size() != args.size())
        refuse(text, "the text has " + plural(conversions.size(), "conversion") + " but " +
                         plural(args.size(), "argument") + (args.size() == 1 ? " was" : " were") + " given");
    for (std::size_t n = 0; n < conversions.size(); ++n) {
        bool wants_text = conversions[n].kind == u's';
        if (wants_text != args[n].is_text())
            refuse(text, "conversion " + std::to_string(n + 1) + " (\"%" + (wants_text ? "s" : "d") + "\" at " +
                             column(conversions[n].at) + ") takes " + (wants_text ? "a text" : "an integer") +
                             ", but argument " + std::to_string(n + 1) + " is " +
                             (args[n].is_text() ? "a text" : "an integer"));
    }
    std::u16string out;
    std::size_t next_arg = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            out += text[i];
            continue;
        }
        char16_t kind = text[++i];
        if (kind == u'%')
            out += u'%';
        else
            out += args[next_arg++].to_text();
    }
    return out;
}

std::u16string format_printf(std::u16string_view text, std::initializer_list<PrintfArgument> args) {
    return format_printf(text, std::span<const PrintfArgument>(args.begin(), args.size()));
}

std::u16string fill_numbered(std::u16string_view text, std::span<const std::u16string_view> args) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::optional<Insert> insert = text[i] == u'%' ? numbered_insert(text, i) : std::nullopt;
        if (!insert) {
            out += text[i];
            continue;
        }
        if (insert->number == 0) refuse(text, "\"%0\" at " + column(i) + " names no argument (inserts count from 1)");
        if (insert->number > args.size())
            refuse(text, "\"%" + std::to_string(insert->number) + "\" at " + column(i) + " has no argument: " +
                             plural(args.size(), "argument") + (args.size() == 1 ? " was" : " were") + " given");
        out += args[insert->number - 1];
        i += insert->digits;
    }
    return out;
}

std::u16string fill_numbered(std::u16string_view text, std::initializer_list<std::u16string_view> args) {
    return fill_numbered(text, std::span<const std::u16string_view>(args.begin(), args.size()));
}

std::u16string fill_braced(std::u16string_view text, std::span<const std::u16string_view> values) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t end = i + 1;
        if (text[i] == u'{')
            while (end < text.size() && is_digit(text[end])) ++end;
        if (text[i] != u'{' || end == i + 1 || end == text.size() || text[end] != u'}') {
            out += text[i];
            continue;
        }
        std::u16string_view digits = text.substr(i + 1, end - i - 1);
        // More digits than any list of values could reach are simply too large.
        std::size_t number = 0;
        for (char16_t d : digits) {
            number = number * 10 + static_cast<std::size_t>(d - u'0');
            if (number > values.size()) break;
        }
        std::string placeholder = "\"{" + narrow(digits) + "}\" at " + column(i);
        if (number == 0) refuse(text, placeholder + " names no value (values count from 1)");
        if (number > values.size())
            refuse(text, placeholder + " has no value: the host gave " + plural(values.size(), "value"));
        out += values[number - 1];
        i = end;
    }
    return out;
}

std::u16string fill_braced(std::u16string_view text, std::initializer_list<std::u16string_view> values) {
    return fill_braced(text, std::span<const std::u16string_view>(values.begin(), values.size()));
}

Caption parse_caption(std::u16string_view text) {
    Caption caption;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            caption.shown += text[i];
            continue;
        }
        if (i + 1 == text.size()) break;  // a trailing "&" marks nothing
        if (text[i + 1] != u'&' && !caption.mnemonic_index) caption.mnemonic_index = caption.shown.size();
        caption.shown += text[++i];
    }
    return caption;
}

}  // namespace torvik::host
