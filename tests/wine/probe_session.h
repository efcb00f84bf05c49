// Loads the probe build with an event log of this process's own, so that the
// events of loading and of unloading can both be read.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "module_under_test.h"
#include "probe_events.h"

namespace torvik::wine {

using probe::Event;

class ProbeSession {
public:
    // fail: empty, or a failure the probe forces ("init-instance", "bind").
    explicit ProbeSession(const wchar_t* fail = nullptr) : log_(prepare(fail)), module_(probe_path()) {
        SetEnvironmentVariableW(probe::kFailVariable, nullptr);
    }

    HMODULE module() const { return module_.get(); }
    void unload() { module_.unload(); }
    template <typename F>
    F function(const char* name) const {
        return module_.function<F>(name);
    }

    LONG mark() const { return log_->count; }
    // The events recorded since mark, optionally only of one kind.
    std::vector<probe::Record> since(LONG mark) const {
        return {log_->records + mark, log_->records + log_->count};
    }
    std::vector<Event> events_since(LONG mark) const {
        std::vector<Event> out;
        for (const probe::Record& r : since(mark)) out.push_back(r.event);
        return out;
    }
    const probe::Record* first(Event e, LONG from = 0) const {
        for (LONG i = from; i < log_->count; ++i)
            if (log_->records[i].event == e) return &log_->records[i];
        return nullptr;
    }

    // The probe's window into the module.
    LPCWSTR app_name() const { return function<LPCWSTR (*)()>("ProbeAppName")(); }
    LPCWSTR module_app_name_copy() const { return function<LPCWSTR (*)()>("ProbeModuleAppNameCopy")(); }
    LONG temp_windows() const { return function<LONG (*)()>("ProbeTempWindowCount")(); }
    BOOL filter(MSG* msg) const { return function<BOOL(WINAPI*)(MSG*)>("FilterDllMsg")(msg); }
    BOOL idle() const { return function<BOOL(WINAPI*)()>("ProcessDllIdle")(); }

private:
    // Names an emptied log and the failure to force, before the probe loads.
    static probe::Log* prepare(const wchar_t* fail) {
        static probe::Log log;
        log.count = 0;
        wchar_t address[32];
        std::swprintf(address, 32, L"%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(&log)));
        SetEnvironmentVariableW(probe::kSinkVariable, address);
        SetEnvironmentVariableW(probe::kFailVariable, fail);
        return &log;
    }

    probe::Log* log_;
    LoadedModule module_;
};

}  // namespace torvik::wine
