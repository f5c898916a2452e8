#pragma once
// Number text: the one set of conversions used for every number shown in a
// report, a message or the configuration file. Implemented here rather than
// taken from the C runtime so that the output is identical on every platform.
//
// IntToText(value, radix)
//   radix 10: signed, a leading '-' for negatives, no padding or grouping.
//   any other radix 2..36: the value read as unsigned 32-bit, lower-case
//   digits, no leading zeros (so -1 in radix 16 is "ffffffff").
//   A radix outside 2..36 throws std::invalid_argument (a programming error).
//
// TextToInt(text)
//   Leading white space skipped, an optional '+' or '-', then decimal digits
//   up to the first other character. Null text or text without digits gives 0.
//   A value beyond the 32-bit range saturates to INT32_MAX / INT32_MIN.
//
// FloatToText(value, digits)
//   `digits` significant digits (below 1 counts as 1), correctly rounded from
//   the exact binary value. Fixed notation unless the decimal exponent is
//   below -4 or at least `digits`, then exponent notation "1.5e+10", "1e-05"
//   (sign and at least two exponent digits). Trailing zeros of the fraction are
//   dropped, and a whole number has no trailing decimal point ("1", "100").
//   Negative zero gives "0"; infinities give "inf" / "-inf"; NaN gives "nan".

#include <cstdint>
#include <string>

namespace veltrim {

std::string IntToText(std::int32_t value, int radix = 10);
std::int32_t TextToInt(const char* text);
std::string FloatToText(double value, int digits);

}  // namespace veltrim
