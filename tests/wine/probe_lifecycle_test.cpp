// The module's lifecycle seen through its probe build: the order of loading
// and unloading, the names, the idle passes, the temporary window objects per
// thread, the failure paths and the message-box caption.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "message_loop.h"
#include "probe_session.h"
#include "text_ids.h"

namespace torvik::wine {
namespace {

std::wstring text_of(const probe::Record* r) { return r ? std::wstring(r->text) : L"(no such event)"; }

bool is_resource_read(const probe::Record& r) { return r.event == Event::ResourceRead; }

TEST(ProbeLoading, RunsTheStepsInOrderAndReadsNoResource) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr) << "LoadLibraryW failed with error " << GetLastError();
    EXPECT_EQ(probe.events_since(0), (std::vector<Event>{Event::AppConstructed, Event::ModuleInitialised,
                                                         Event::InitInstance, Event::ThreadDataBound, Event::LoadSucceeded}));
    EXPECT_EQ(text_of(probe.first(Event::AppConstructed)), L"torvik.dll");
    EXPECT_EQ(text_of(probe.first(Event::ModuleInitialised)), L"torvik.dll");
    for (const probe::Record& r : probe.since(0)) EXPECT_FALSE(is_resource_read(r)) << "read text " << r.value;
    DWORD loader = GetCurrentThreadId();
    for (const probe::Record& r : probe.since(0)) EXPECT_EQ(r.thread_id, loader) << "all of loading runs on the loading thread";
}

TEST(ProbeLoading, LeavesTheTitleSetAndTheModuleCopyAsConstructed) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    EXPECT_EQ(std::wstring(probe.app_name()), L"KORVANEX Plus");
    EXPECT_EQ(std::wstring(probe.module_app_name_copy()), L"torvik.dll");
}

TEST(ProbeUnloading, RunsExitInstanceOnceThenTerminationReleaseAndDestructor) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    LONG mark = probe.mark();
    probe.unload();
    EXPECT_EQ(probe.events_since(mark), (std::vector<Event>{Event::ExitInstance, Event::ModuleTerminated,
                                                            Event::ThreadDataReleased, Event::AppDestroyed}));
    // The destructor leaves the name alone: it still reads the title, which lives in constant storage.
    EXPECT_EQ(text_of(probe.first(Event::AppDestroyed, mark)), L"KORVANEX Plus");
}

struct ForcedFailure {
    const wchar_t* point;
    std::vector<Event> events;
};

class ProbeFailedLoad : public testing::TestWithParam<ForcedFailure> {};

TEST_P(ProbeFailedLoad, UndoesWhatRanAndFailsTheLoad) {
    ProbeSession probe(GetParam().point);
    EXPECT_EQ(probe.module(), nullptr);
    EXPECT_EQ(probe.events_since(0), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ProbeFailedLoad,
    testing::Values(
        ForcedFailure{L"init-instance",
                      {Event::AppConstructed, Event::ModuleInitialised, Event::InitInstance, Event::ExitInstance,
                       Event::ModuleTerminated, Event::ThreadDataReleased, Event::AppDestroyed}},
        ForcedFailure{L"bind",
                      {Event::AppConstructed, Event::ModuleInitialised, Event::InitInstance, Event::ExitInstance,
                       Event::ModuleTerminated, Event::ThreadDataReleased, Event::AppDestroyed}}),
    [](const testing::TestParamInfo<ForcedFailure>& info) { return info.param.point[0] == L'b' ? "Bind" : "InitInstance"; });

TEST(ProbeIdle, MakesExactlyTwoPassesWithCountsZeroAndOne) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    for (int call = 0; call < 2; ++call) {
        LONG mark = probe.mark();
        EXPECT_EQ(probe.idle(), FALSE);
        std::vector<probe::Record> r = probe.since(mark);
        ASSERT_EQ(r.size(), 2u) << "call " << call;
        EXPECT_EQ(r[0].event, Event::OnIdle);
        EXPECT_EQ(r[0].value, 0);
        EXPECT_EQ(r[1].event, Event::OnIdle);
        EXPECT_EQ(r[1].value, 1);
    }
}

TEST(ProbeFilter, AnswersZeroAndWrapsTheParentChainUntilIdle) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    host::HostWindow window;
    ASSERT_NE(window.child(), nullptr);
    struct Case {
        const char* what;
        HWND hwnd;
        LONG temp_windows_after;  // the child and its frame, or nothing
    };
    const Case cases[] = {{"thread message", nullptr, 0}, {"top-level window", window.frame(), 1},
                          {"child window", window.child(), 2}, {"child window again", window.child(), 2}};
    EXPECT_EQ(probe.filter(nullptr), FALSE) << "a null message is answered, not followed";
    for (const Case& c : cases) {
        MSG msg{c.hwnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
        EXPECT_EQ(probe.filter(&msg), FALSE) << c.what;
        EXPECT_EQ(probe.temp_windows(), c.temp_windows_after) << c.what;
    }
    EXPECT_EQ(probe.idle(), FALSE);
    EXPECT_EQ(probe.temp_windows(), 0);
}

TEST(ProbeThreads, KeepTemporaryObjectsApartAndAttachAndDetachChangeNothing) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    host::HostWindow window;
    MSG msg{window.child(), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    ASSERT_EQ(probe.filter(&msg), FALSE);
    ASSERT_EQ(probe.temp_windows(), 2);

    LONG mark = probe.mark();
    std::vector<std::thread> threads;
    std::vector<LONG> seen_before(4), seen_after(4);
    std::vector<BOOL> answers(8);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            MSG m{window.child(), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
            answers[2 * t] = probe.filter(&m);
            seen_before[t] = probe.temp_windows();
            answers[2 * t + 1] = probe.idle();
            seen_after[t] = probe.temp_windows();
        });
    for (std::thread& t : threads) t.join();
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(seen_before[t], 2) << "thread " << t << " has its own two objects";
        EXPECT_EQ(seen_after[t], 0) << "thread " << t;
    }
    for (BOOL a : answers) EXPECT_EQ(a, FALSE);
    EXPECT_EQ(probe.temp_windows(), 2) << "the other threads' idle passes left this thread's objects alone";
    for (const probe::Record& r : probe.since(mark)) EXPECT_EQ(r.event, Event::OnIdle) << "thread attach and detach record nothing";
    EXPECT_EQ(probe.since(mark).size(), 8u);
    probe.idle();
    EXPECT_EQ(probe.temp_windows(), 0);
}

TEST(ProbeThreads, UnloadDestroysEveryThreadsObjects) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    host::HostWindow window;
    std::thread other([&] {
        MSG m{window.child(), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
        probe.filter(&m);
    });
    other.join();
    MSG m{window.frame(), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    probe.filter(&m);
    LONG mark = probe.mark();
    probe.unload();
    const probe::Record* terminated = probe.first(Event::ModuleTerminated, mark);
    ASSERT_NE(terminated, nullptr);
    EXPECT_EQ(terminated->value, 3) << "two objects of the other thread, one of this";
    const probe::Record* released = probe.first(Event::ThreadDataReleased, mark);
    ASSERT_NE(released, nullptr);
    EXPECT_EQ(released->value, 2) << "both threads' records";
}

TEST(ProbeHostLoop, HandsEveryMessageOnAndIdlesWhenTheQueueIsEmpty) {
    ProbeSession probe;
    ASSERT_NE(probe.module(), nullptr);
    host::HostWindow window;
    auto module = host::ModuleEntryPoints::resolve(probe.module());
    ASSERT_TRUE(module.complete());
    PostMessageW(window.child(), WM_USER, 0, 0);
    PostMessageW(window.frame(), WM_USER, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    LONG mark = probe.mark();
    host::LoopStats stats = host::run_message_loop(module, [&] { return probe.temp_windows() == 0; });
    EXPECT_GE(stats.messages, 3);
    EXPECT_EQ(stats.consumed, 0);
    EXPECT_GE(stats.idle_calls, 1);
    EXPECT_EQ(stats.idle_nonzero, 0);
    EXPECT_EQ(probe.temp_windows(), 0);
    EXPECT_EQ(static_cast<int>(probe.since(mark).size()), 2 * stats.idle_calls) << "two OnIdle passes per idle call";
}

// Catches the framework's message boxes: each box is told to close as soon as
// the dialog manager creates it, and its caption and text are read when that
// request reaches it, after the box has filled them in.
struct CaughtBox {
    HWND box = nullptr;
    std::wstring caption, text;
    int boxes = 0;
};
CaughtBox* g_caught = nullptr;
constexpr UINT_PTR kStaticTextId = 0xFFFF;

LRESULT CALLBACK on_create(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && g_caught) {
        const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs;
        if (IS_INTRESOURCE(cs->lpszClass) && reinterpret_cast<UINT_PTR>(cs->lpszClass) == 32770) {
            ++g_caught->boxes;
            g_caught->box = reinterpret_cast<HWND>(wp);
            PostMessageW(g_caught->box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK on_get_message(int code, WPARAM wp, LPARAM lp) {
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && g_caught && msg->hwnd && msg->hwnd == g_caught->box && msg->message == WM_COMMAND) {
        wchar_t buffer[256] = {};
        GetWindowTextW(msg->hwnd, buffer, 256);
        g_caught->caption = buffer;
        buffer[0] = L'\0';
        GetDlgItemTextW(msg->hwnd, static_cast<int>(kStaticTextId), buffer, 256);
        g_caught->text = buffer;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

class ProbeMessageBoxes : public testing::Test {
protected:
    void SetUp() override {
        g_caught = &caught;
        hooks[0] = SetWindowsHookExW(WH_CBT, on_create, nullptr, GetCurrentThreadId());
        hooks[1] = SetWindowsHookExW(WH_GETMESSAGE, on_get_message, nullptr, GetCurrentThreadId());
        ASSERT_NE(hooks[0], nullptr);
        ASSERT_NE(hooks[1], nullptr);
        ASSERT_NE(probe.module(), nullptr);
    }
    void TearDown() override {
        for (HHOOK h : hooks)
            if (h) UnhookWindowsHookEx(h);
        g_caught = nullptr;
    }
    ProbeSession probe;
    CaughtBox caught;
    HHOOK hooks[2] = {};
};

TEST_F(ProbeMessageBoxes, AreCaptionedWithTheApplicationName) {
    struct Case {
        const char* what;
        std::function<void()> show;
        std::wstring text;
    };
    const Case cases[] = {
        {"a text the module lacks", [&] { probe.function<int (*)(UINT)>("ProbeMessageBox")(1040); },
         L"No error message is available."},
        {"help that cannot be launched", [&] { probe.function<void (*)()>("ProbeWinHelp")(); }, L"Failed to launch help."},
        {"an entry prompt with bounds",
         [&] { probe.function<int (*)(UINT, LPCWSTR, LPCWSTR)>("ProbeEntryPrompt")(IDS_FRAMEWORK_ENTER_INTEGER_RANGE, L"1", L"10"); },
         L"Please enter an integer between 1 and 10."},
    };
    for (const Case& c : cases) {
        caught = {};
        LONG mark = probe.mark();
        c.show();
        EXPECT_EQ(caught.boxes, 1) << c.what;
        EXPECT_EQ(caught.caption, L"KORVANEX Plus") << c.what;
        EXPECT_EQ(caught.text, c.text) << c.what;
        const probe::Record* box = probe.first(Event::MessageBox, mark);
        ASSERT_NE(box, nullptr) << c.what;
        EXPECT_EQ(std::wstring(box->text), L"KORVANEX Plus") << c.what;
    }
}

}  // namespace
}  // namespace torvik::wine
