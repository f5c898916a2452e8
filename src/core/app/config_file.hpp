#pragma once
// The configuration file "config.qrv" beside the program: the seven screen
// calibration values C, M, Y, K, R, G, B as decimal fields, each followed by
// "/", e.g. "10/20/30/40/50/60/70/" (no header, no line break). Read once at
// start-up, rewritten whole by the calibration wizard. Where the file lives:
// ConfigPath in program_paths.hpp.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/app_state.hpp"
#include "core/support/program_paths.hpp"

namespace veltrim {

// Files above this size are not read (values unchanged): the wizard writes at
// most 84 bytes, and an unbounded allocation for a stray file is not wanted.
inline constexpr std::int64_t kMaxConfigFileSize = 64 * 1024 * 1024;

// Sets calibration[0..6] from the fields of `text`: every "/" ends a field,
// whose value is its text read as a decimal integer (leading blanks, an
// optional sign, digits; no digits gives 0; beyond 32 bits saturates). Fields
// after the seventh and bytes after the last "/" are ignored; with fewer
// fields the remaining entries keep their values. The text is read in place,
// so a field of any length is handled without a copy. Returns the number of
// entries set (0..7).
int ParseCalibration(std::string_view text, CalibrationValues& calibration);

// Reads the file at `path` and parses it as above. Returns false, with every
// value unchanged, when the file is missing, unreadable or larger than
// kMaxConfigFileSize.
bool ReadConfigFile(const std::string& path, CalibrationValues& calibration);

// "C/M/Y/K/R/G/B/" in decimal, negatives with a leading '-'.
std::string CalibrationText(const CalibrationValues& calibration);

// Replaces the file at `path` with exactly CalibrationText (no NUL, no line
// break). Returns true when the file was written.
bool WriteConfigFile(const std::string& path, const CalibrationValues& calibration);

}  // namespace veltrim
