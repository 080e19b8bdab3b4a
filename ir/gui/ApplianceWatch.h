#pragma once

#include "Protocols.h"
#include "Result.h"

#include <functional>
#include <vector>

// Runs send and gives back what the virtual appliance received meanwhile: the frames decoded from the
// virtual module's register trace. When no trace is being written, one is written to a private file
// for the length of the call.
Result<std::vector<SeenFrame>> watchAppliance(const std::function<void()>& send);
