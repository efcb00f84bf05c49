// The twin loaded by the platform's loader, its texts read by LoadStringW.
#include <gtest/gtest.h>

#include <string>

#include "module_under_test.h"
#include "text_ids.h"

namespace torvik::wine {
namespace {

const std::wstring kTitle = L"KORVANEX Plus";

TEST(ModuleLoading, LoadsAndUnloads) {
    HMODULE h = LoadLibraryW(module_path().c_str());
    ASSERT_NE(h, nullptr) << "LoadLibraryW failed with error " << GetLastError();
    EXPECT_TRUE(FreeLibrary(h));
}

TEST(StringLoading, CopiesTheTitleIntoABuffer) {
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);
    wchar_t buffer[64] = {};
    ASSERT_EQ(LoadStringW(m.get(), IDS_APP_TITLE, buffer, 64), static_cast<int>(kTitle.size()));
    EXPECT_EQ(std::wstring(buffer), kTitle);
}

TEST(StringLoading, TruncatesToTheBufferAndTerminates) {
    LoadedModule m;
    wchar_t buffer[5] = {L'x', L'x', L'x', L'x', L'x'};
    ASSERT_EQ(LoadStringW(m.get(), IDS_APP_TITLE, buffer, 5), 4);
    EXPECT_EQ(std::wstring(buffer), L"KORV");
}

TEST(StringLoading, GivesAPointerIntoTheResourceForBufferSizeZero) {
    LoadedModule m;
    const wchar_t* text = nullptr;
    int length = LoadStringW(m.get(), IDS_APP_TITLE, reinterpret_cast<LPWSTR>(&text), 0);
    ASSERT_EQ(length, static_cast<int>(kTitle.size()));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text, static_cast<std::size_t>(length)), kTitle);
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(text, &info, sizeof info), 0u);
    EXPECT_EQ(info.AllocationBase, static_cast<void*>(m.get())) << "the pointer lies outside the module's image";
    EXPECT_FALSE(info.Protect & (PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE)) << "the text is writable";
}

TEST(StringLoading, AnswersZeroForAnIdentifierWithoutText) {
    LoadedModule m;
    for (UINT id : {UINT{IDS_APP_TITLE - 1}, UINT{IDS_APP_TITLE + 1}, UINT{0}, UINT{65535}}) {
        wchar_t buffer[16] = {L'x'};
        EXPECT_EQ(LoadStringW(m.get(), id, buffer, 16), 0) << id;
        const wchar_t* text = nullptr;
        EXPECT_EQ(LoadStringW(m.get(), id, reinterpret_cast<LPWSTR>(&text), 0), 0) << id;
    }
}

TEST(ResourceFinding, FindsTheTitleBlockUnderUsEnglish) {
    LoadedModule m;
    const WORD block = IDS_APP_TITLE / 16 + 1;
    EXPECT_NE(FindResourceExW(m.get(), RT_STRING, MAKEINTRESOURCEW(block), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), nullptr);
    EXPECT_EQ(FindResourceW(m.get(), MAKEINTRESOURCEW(block - 1), RT_STRING), nullptr);
}

}  // namespace
}  // namespace torvik::wine
