// Probe points: in the probe build (TORVIK_PROBE) each reports an event to the
// probe unit; in the product they compile to nothing.
#pragma once

#include "probe_events.h"

#ifdef TORVIK_PROBE
namespace torvik::probe {
void record(Event event, LONG value, const wchar_t* text);
bool forced_failure(const wchar_t* point);
}  // namespace torvik::probe
#define TORVIK_PROBE_EVENT(event, value, text) ::torvik::probe::record(::torvik::probe::Event::event, (value), (text))
#define TORVIK_PROBE_FORCED_FAILURE(point) ::torvik::probe::forced_failure(point)
#else
#define TORVIK_PROBE_EVENT(event, value, text) ((void)0)
#define TORVIK_PROBE_FORCED_FAILURE(point) false
#endif
