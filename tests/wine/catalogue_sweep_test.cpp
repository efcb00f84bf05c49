// Every identifier from 0 to 65535 through LoadStringW, in both of its buffer
// modes, against the texts our reader finds in the same file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "module_under_test.h"

namespace torvik::wine {

namespace {

int hex_digit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// One line of the inspector's listing: `ID "TEXT"`, the text escaped as
// \n, \r, \t, \", \\ and \uXXXX. Nothing when the line is not of that form.
std::optional<std::pair<unsigned, std::wstring>> parse_listing_line(const std::string& line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    unsigned id = 0;
    std::size_t digits = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i, ++digits) id = id * 10 + unsigned(line[i] - '0');
    if (digits == 0 || id > 0xFFFF || line.compare(i, 2, " \"") != 0 || line.back() != '"') return std::nullopt;
    std::wstring text;
    for (i += 2; i + 1 < line.size(); ++i) {
        char c = line[i];
        if (c != '\\') {
            text += static_cast<wchar_t>(static_cast<unsigned char>(c));
            continue;
        }
        if (++i + 1 >= line.size()) return std::nullopt;  // a backslash before the closing quote
        switch (line[i]) {
            case 'n': text += L'\n'; break;
            case 'r': text += L'\r'; break;
            case 't': text += L'\t'; break;
            case '"': text += L'"'; break;
            case '\\': text += L'\\'; break;
            case 'u': {
                unsigned unit = 0;
                for (int k = 1; k <= 4; ++k) {
                    int d = i + k < line.size() ? hex_digit(line[i + k]) : -1;
                    if (d < 0) return std::nullopt;
                    unit = unit * 16 + unsigned(d);
                }
                text += static_cast<wchar_t>(unit);
                i += 4;
                break;
            }
            default: return std::nullopt;
        }
    }
    return std::make_pair(id, text);
}

std::map<unsigned, std::wstring> read_listing(const std::wstring& path) {
    std::map<unsigned, std::wstring> out;
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) {
        ADD_FAILURE() << "cannot open the reader's listing";
        return out;
    }
    std::string line;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        auto entry = parse_listing_line(line);
        if (entry)
            out.insert(*entry);
        else
            ADD_FAILURE() << "not a listing line: " << line;
        line.clear();
    }
    std::fclose(f);
    return out;
}

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    return out;
}

TEST(StringSweep, LoadStringWAgreesWithTheReaderOnEveryIdentifier) {
    ASSERT_FALSE(expected_strings_path().empty()) << "run with --strings=PATH";
    const std::map<unsigned, std::wstring> expected = read_listing(expected_strings_path());
    ASSERT_FALSE(expected.empty());
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);

    std::vector<wchar_t> buffer(4096);
    int found = 0, disagreements = 0;
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        auto it = expected.find(id);
        std::optional<std::wstring> want;
        if (it != expected.end()) want = it->second;

        // Copy mode: the text and a terminator into a buffer larger than any text.
        buffer[0] = L'#';
        int copied = LoadStringW(m.get(), id, buffer.data(), static_cast<int>(buffer.size()));
        std::optional<std::wstring> copy;
        if (copied > 0) copy = std::wstring(buffer.data(), static_cast<std::size_t>(copied));
        // A copied text is terminated; with no text the buffer is left as it is.
        bool terminated = copied <= 0 || (static_cast<std::size_t>(copied) < buffer.size() && buffer[copied] == L'\0');

        // Pointer mode: buffer size 0 answers a pointer into the resource.
        const wchar_t* text = nullptr;
        int length = LoadStringW(m.get(), id, reinterpret_cast<LPWSTR>(&text), 0);
        std::optional<std::wstring> pointed;
        if (length > 0 && text) pointed = std::wstring(text, static_cast<std::size_t>(length));

        if (copy) ++found;
        if (copy != want || pointed != want || !terminated) {
            if (++disagreements <= 20)
                ADD_FAILURE() << "text " << id << ": reader " << (want ? "\"" + narrow(*want) + "\"" : "none")
                              << ", copy mode " << (copy ? "\"" + narrow(*copy) + "\"" : "none")
                              << (terminated ? "" : " (unterminated)") << ", pointer mode "
                              << (pointed ? "\"" + narrow(*pointed) + "\"" : "none");
        }
    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_EQ(found, static_cast<int>(expected.size()));
    RecordProperty("texts_found", found);
    std::printf("LoadStringW found %d texts among identifiers 0-65535\n", found);
}

}  // namespace
}  // namespace torvik::wine
