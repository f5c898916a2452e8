// What every fuzz target checks with: a broken property stops the run, and libFuzzer keeps the input.
#pragma once

#include <cstdlib>

inline void Check(bool condition) {
  if (!condition) std::abort();
}
