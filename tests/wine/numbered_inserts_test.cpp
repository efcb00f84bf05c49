// The host's numbered inserts against the platform's own message formatting,
// on the entry prompts as LoadStringW gives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module_under_test.h"
#include "text_format.h"

namespace torvik::wine {
namespace {

std::u16string to_u16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

std::wstring platform_format(const std::wstring& pattern, const std::vector<std::wstring>& args) {
    std::vector<DWORD_PTR> inserts;
    for (const std::wstring& a : args) inserts.push_back(reinterpret_cast<DWORD_PTR>(a.c_str()));
    wchar_t out[512] = {};
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, pattern.c_str(), 0, 0, out,
                             512, reinterpret_cast<va_list*>(inserts.data()));
    EXPECT_NE(n, 0u) << "FormatMessageW failed with error " << GetLastError();
    return std::wstring(out, n);
}

std::wstring host_format(const std::wstring& pattern, const std::vector<std::wstring>& args) {
    std::vector<std::u16string> owned;
    for (const std::wstring& a : args) owned.push_back(to_u16(a));
    std::vector<std::u16string_view> views(owned.begin(), owned.end());
    std::u16string filled = host::fill_numbered(to_u16(pattern), views);
    return std::wstring(filled.begin(), filled.end());
}

TEST(NumberedInserts, FillAsThePlatformsMessageFormattingDoes) {
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);
    struct Case {
        UINT id;  // 0: the pattern below instead of a text of the module
        std::wstring pattern;
        std::vector<std::wstring> args;
    };
    const Case cases[] = {
        {962, L"", {L"1", L"10"}},
        {964, L"", {L"-5", L"5"}},
        {965, L"", {L"40"}},
        {0, L"%2 before %1, then %2 again", {L"first", L"second"}},
        {0, L"%1%2%1", {L"ab", L"%1"}},
    };
    for (const Case& c : cases) {
        std::wstring pattern = c.pattern;
        if (c.id) {
            const wchar_t* text = nullptr;
            int length = LoadStringW(m.get(), c.id, reinterpret_cast<LPWSTR>(&text), 0);
            ASSERT_GT(length, 0) << c.id;
            pattern.assign(text, static_cast<std::size_t>(length));
        }
        std::wstring platform = platform_format(pattern, c.args);
        EXPECT_EQ(host_format(pattern, c.args), platform) << c.id;
    }
}

}  // namespace
}  // namespace torvik::wine
