// Tabs by their number, 0 (Black&White) to 4 (Custom), -1 for none: the tests' tables count tabs as the tab buttons do.
#pragma once

#include "core/job/test_selection.hpp"

namespace veltrim {

constexpr Tab TabNo(int number) { return static_cast<Tab>(number); }

}  // namespace veltrim
