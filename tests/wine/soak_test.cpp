// The module under sustained use: thousands of loads and unloads, and many
// threads feeding it messages. TORVIK_SOAK_FACTOR multiplies the counts for
// the long runs outside CI.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "message_loop.h"
#include "probe_session.h"

namespace torvik::wine {
namespace {

int soak_factor() {
    const char* f = std::getenv("TORVIK_SOAK_FACTOR");
    int n = f ? std::atoi(f) : 1;
    return n > 0 ? n : 1;
}

// What the process holds. Wine answers the process-counter queries with
// zeros, so both figures are taken directly: the value the next handle gets
// (handle values are reused lowest first, so it rises only when handles
// leak), and the committed private memory summed over the address space.
struct Usage {
    UINT_PTR next_handle = 0;
    SIZE_T private_bytes = 0;
};
Usage usage() {
    Usage u;
    HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    u.next_handle = reinterpret_cast<UINT_PTR>(probe);
    CloseHandle(probe);
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info; at = static_cast<const char*>(info.BaseAddress) + info.RegionSize)
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) u.private_bytes += info.RegionSize;
    return u;
}

TEST(Soak, LoadsAndUnloadsWithoutFailureOrGrowth) {
    const int cycles = 10000 * soak_factor();
    int failures = 0;
    Usage at_1000{};
    for (int i = 1; i <= cycles; ++i) {
        HMODULE h = LoadLibraryW(module_path().c_str());
        if (!h || !FreeLibrary(h)) ++failures;
        if (i == 1000) at_1000 = usage();
    }
    Usage at_end = usage();
    EXPECT_EQ(failures, 0);
    EXPECT_LE(at_end.next_handle, at_1000.next_handle) << "handles leaked";
    // The allocator may keep a page or two it has touched; a leak of even one
    // small block per cycle would show as hundreds of kilobytes here.
    EXPECT_LE(at_end.private_bytes, at_1000.private_bytes + 64 * 1024) << "private memory grew";
    std::printf("%d load/unload cycles: next handle %#zx at 1,000 and %#zx at the end; private bytes %zu at 1,000 and %zu at the end\n",
                cycles, static_cast<std::size_t>(at_1000.next_handle), static_cast<std::size_t>(at_end.next_handle), static_cast<std::size_t>(at_1000.private_bytes),
                static_cast<std::size_t>(at_end.private_bytes));
}

// A message of random kind for a random target: a live window, a destroyed
// one, a made-up handle, or none (a thread message).
MSG random_message(std::mt19937& rng, HWND live, HWND live_child, HWND destroyed) {
    MSG msg{};
    switch (rng() % 5) {
        case 0: msg.hwnd = live; break;
        case 1: msg.hwnd = live_child; break;
        case 2: msg.hwnd = destroyed; break;
        case 3: msg.hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(rng() | 1)); break;
        default: msg.hwnd = nullptr; break;
    }
    msg.message = rng() % 0x0400;
    msg.wParam = rng();
    msg.lParam = static_cast<LPARAM>(rng());
    return msg;
}

TEST(Soak, SixteenThreadsFeedMessagesAndIdleTime) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    host::HostWindow window;
    HWND destroyed = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(destroyed);
    const int iterations = 2000 * soak_factor();
    std::atomic<int> nonzero_answers{0}, leftover_objects{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 16; ++t)
        threads.emplace_back([&, t] {
            std::mt19937 rng(static_cast<unsigned>(t) * 7919u + 1);
            for (int i = 0; i < iterations; ++i) {
                MSG msg = random_message(rng, window.frame(), window.child(), destroyed);
                if (probe.filter(&msg)) ++nonzero_answers;
                if (i % 50 == 49 && probe.idle()) ++nonzero_answers;
            }
            if (probe.idle()) ++nonzero_answers;
            if (probe.temp_windows() != 0) ++leftover_objects;
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(nonzero_answers.load(), 0);
    EXPECT_EQ(leftover_objects.load(), 0) << "a thread kept temporary objects after its idle pass";
    std::printf("16 threads x %d messages: every answer 0, no temporary object left\n", iterations);
}

}  // namespace
}  // namespace torvik::wine
