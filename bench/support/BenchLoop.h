#pragma once

#include <functional>

// CPU time this process has used so far, in seconds.
double processCpuSeconds();

// Runs the event loop as Talvero does, looking every pollMs whether done() holds; whether it held
// before timeoutMs passed. The loop sleeps between looks, so the CPU it costs stays out of the
// figures.
bool runUntil(const std::function<bool()>& done, int timeoutMs, int pollMs);
