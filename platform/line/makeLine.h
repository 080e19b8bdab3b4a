#pragma once

#include "Line.h"

#include <memory>

// The line chosen by [Line] Provider (sim unless another provider is built and chosen), set up
// from its own settings section.
std::unique_ptr<Line> makeLine();
