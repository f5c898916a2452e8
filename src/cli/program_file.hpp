#pragma once
// The full path of the running program's file, as the platform gives it:
// the data files the pages print lie beside it, wherever the program was
// started from. Empty when the platform cannot tell.

#include <string>

namespace veltrim::cli {

std::string RunningProgramPath();

}  // namespace veltrim::cli
