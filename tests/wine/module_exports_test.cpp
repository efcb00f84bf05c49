// The product twin as the host meets it: its exports, its version record as
// the platform's version functions read it, and loading over and over.
#include <gtest/gtest.h>

#include <string>

#include "message_loop.h"
#include "module_under_test.h"

namespace torvik::wine {
namespace {

TEST(ModuleExports, NameAndOrdinalGiveTheSameFunctions) {
    LoadedModule m;
    ASSERT_NE(m.get(), nullptr);
    FARPROC filter = GetProcAddress(m.get(), "FilterDllMsg");
    FARPROC idle = GetProcAddress(m.get(), "ProcessDllIdle");
    ASSERT_NE(filter, nullptr);
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(GetProcAddress(m.get(), MAKEINTRESOURCEA(2)), filter);
    EXPECT_EQ(GetProcAddress(m.get(), MAKEINTRESOURCEA(3)), idle);
    EXPECT_EQ(GetProcAddress(m.get(), MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(m.get(), MAKEINTRESOURCEA(4)), nullptr);
    EXPECT_EQ(GetProcAddress(m.get(), "_FilterDllMsg@4"), nullptr) << "no decorated names";
}

TEST(ModuleExports, AnswerZeroInTheHostsLoop) {
    LoadedModule m;
    auto module = host::ModuleEntryPoints::resolve(m.get());
    ASSERT_TRUE(module.complete());
    host::HostWindow window;
    PostMessageW(window.child(), WM_USER, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER + 1, 0, 0);
    host::LoopStats stats = host::run_message_loop(module, [] { return true; });
    EXPECT_GE(stats.messages, 2);
    EXPECT_EQ(stats.consumed, 0);
    EXPECT_EQ(stats.idle_calls, 1) << "the queue runs empty once the posted messages are handled";
    EXPECT_EQ(stats.idle_nonzero, 0);
}

TEST(ModuleLoading, LoadsAndUnloadsAThousandTimes) {
    int failures = 0;
    for (int i = 0; i < 1000; ++i) {
        HMODULE h = LoadLibraryW(module_path().c_str());
        if (!h || !FreeLibrary(h)) ++failures;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(GetModuleHandleW(module_path().c_str()), nullptr) << "still loaded after the last FreeLibrary";
}

std::wstring query_text(const std::vector<BYTE>& block, const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    std::wstring path = L"\\StringFileInfo\\040904b0\\" + key;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value) return L"(missing)";
    return std::wstring(static_cast<const wchar_t*>(value));
}

TEST(VersionRecord, ReadsBackThroughThePlatform) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(module_path().c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(module_path().c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS | fixed->dwFileDateLS, 0u);

    EXPECT_EQ(query_text(block, L"FileDescription"), L"BELMORA");
    EXPECT_EQ(query_text(block, L"FileVersion"), L"2, 0, 0, 0");
    EXPECT_EQ(query_text(block, L"InternalName"), L"BELMORA");
    EXPECT_EQ(query_text(block, L"OriginalFilename"), L"BELMORA.dll");
    EXPECT_EQ(query_text(block, L"ProductVersion"), L"2, 0, 0, 0");
    std::wstring company = query_text(block, L"CompanyName");
    EXPECT_NE(company, L"(missing)");
    EXPECT_EQ(query_text(block, L"ProductName"), company + L" BELMORA");
    EXPECT_NE(query_text(block, L"LegalCopyright"), L"(missing)");

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);
}

}  // namespace
}  // namespace torvik::wine
