// How the host turns a catalogue text into what it shows: printf-style
// conversions, the platform's numbered inserts, the host's braced values, and
// the mnemonic ampersand of captions and menu entries.
//
// The catalogue's texts come from a resource module, so none of them is ever
// handed to the C library's printf: each is parsed here, and a text whose
// placeholders do not fit the arguments is refused with a FormatError.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace torvik::host {

// The arguments do not fit the text's placeholders; what() says where and why.
class FormatError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

template <typename T>
concept IntegerValue = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                       !std::same_as<T, wchar_t> && !std::same_as<T, char8_t> && !std::same_as<T, char16_t> &&
                       !std::same_as<T, char32_t>;

// One argument of a printf-style fill: an integer for "%d", a text for "%s".
class PrintfArgument {
public:
    template <IntegerValue T>
    PrintfArgument(T value) {  // NOLINT: implicit, so that calls read like printf's
        if constexpr (std::signed_integral<T>)
            value_ = static_cast<std::int64_t>(value);
        else
            value_ = static_cast<std::uint64_t>(value);
    }
    PrintfArgument(const char16_t* text) : value_(std::u16string(text)) {}
    PrintfArgument(std::u16string_view text) : value_(std::u16string(text)) {}
    PrintfArgument(std::u16string text) : value_(std::move(text)) {}

    bool is_text() const { return std::holds_alternative<std::u16string>(value_); }
    // The integer in decimal, or the text itself.
    std::u16string to_text() const;

private:
    std::variant<std::int64_t, std::uint64_t, std::u16string> value_;
};

// The percent-sign rule: the host formats printf-style exactly the texts that
// hold "%s", "%d" or "%%" (read in pairs from the left, so "%%d" is a percent
// sign and a "d"), and shows every other text unchanged.
bool is_printf_formatted(std::u16string_view text);

// Fills "%s" and "%d" with the arguments in order and turns "%%" into one "%".
// Refuses any other conversion (flags, widths, "%x", a "%" at the end), too
// few or too many arguments, and an argument of the wrong kind. A text that
// is not printf-formatted comes back unchanged and takes no arguments.
// Inserted texts are not read again: a "%s" inside an argument stays as it is.
std::u16string format_printf(std::u16string_view text, std::span<const PrintfArgument> args);
std::u16string format_printf(std::u16string_view text, std::initializer_list<PrintfArgument> args = {});

// The platform's message-formatting inserts: "%n" (n from 1 to 99, one or two
// digits) becomes the n-th argument wherever and as often as it stands; every
// other character is copied. An insert with no argument to fill it, or "%0",
// is refused. Arguments that the text does not name are allowed.
std::u16string fill_numbered(std::u16string_view text, std::span<const std::u16string_view> args);
std::u16string fill_numbered(std::u16string_view text, std::initializer_list<std::u16string_view> args);

// The host's braced values: "{n}" becomes the host's n-th value for the text
// (values[n - 1]); the number names the value, so "{3}" alone takes the third.
// "{0}" and a number beyond the values are refused; a brace that does not
// open "{digits}" is copied.
std::u16string fill_braced(std::u16string_view text, std::span<const std::u16string_view> values);
std::u16string fill_braced(std::u16string_view text, std::initializer_list<std::u16string_view> values);

// A caption or menu entry as shown: "&&" shows one "&", a single "&" is not
// shown and marks the character after it as the keyboard mnemonic. The first
// marked character is the mnemonic; a "&" at the very end marks nothing and
// is dropped.
struct Caption {
    std::u16string shown;
    std::optional<std::size_t> mnemonic_index;  // into shown, where the underline goes

    std::optional<char16_t> mnemonic() const {
        if (!mnemonic_index) return std::nullopt;
        return shown[*mnemonic_index];
    }
};
Caption parse_caption(std::u16string_view text);

}  // namespace torvik::host
