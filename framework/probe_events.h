// Lifecycle events that the probe build records. Shared by the framework
// (which reports them at its probe points), the probe unit and the tests.
#pragma once

#include <windows.h>

namespace torvik::probe {

enum class Event : LONG {
    AppConstructed = 1,   // text: the name given to the constructor
    ModuleInitialised,    // text: the module's copy of the application name
    InitInstance,
    ThreadDataBound,
    LoadSucceeded,
    ExitInstance,
    ModuleTerminated,     // value: temporary window objects destroyed
    ThreadDataReleased,   // value: per-thread records released
    AppDestroyed,         // text: m_pszAppName as the destructor leaves it
    OnIdle,               // value: the idle count
    ResourceRead,         // value: the identifier read by the module's own code
    MessageBox,           // text: the caption
};

struct Record {
    Event event;
    LONG value;
    DWORD thread_id;
    wchar_t text[40];
};

// The test process owns the log and names its address in the environment
// variable below (hexadecimal) before it loads the probe; the probe appends
// to it, so that events survive the probe's own unloading.
inline constexpr wchar_t kSinkVariable[] = L"TORVIK_PROBE_SINK";
inline constexpr wchar_t kFailVariable[] = L"TORVIK_PROBE_FAIL";  // "init-instance" or "bind"

struct Log {
    volatile LONG count;
    Record records[4096];
};

}  // namespace torvik::probe
