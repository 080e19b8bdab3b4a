#pragma once

#include <functional>

// Runs the event loop until done() holds or timeoutMs pass; whether done() held. The timeout is a
// safety net against a hanging test, never a measurement.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 15000);
