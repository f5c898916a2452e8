// FormatMessageText on any format and argument list (arguments missing or of the wrong kind included): the text, then
// two NULs, never longer than the estimate while no text argument passes its allowance, and a format without "?"
// copied as it is.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/support/format_message.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string format = input.ConsumeRandomLengthString(512);
  std::vector<std::string> texts;  // keeps the text arguments alive
  texts.reserve(8);
  std::vector<veltrim::FormatArg> args;
  const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 8);
  while (args.size() < count && input.remaining_bytes() > 0) {
    switch (input.ConsumeIntegralInRange<int>(0, 4)) {
      case 0: args.emplace_back(input.ConsumeIntegral<std::int32_t>()); break;
      case 1: args.emplace_back(input.ConsumeFloatingPoint<double>()); break;
      case 2: args.emplace_back(texts.emplace_back(input.ConsumeRandomLengthString(256)).c_str()); break;
      case 3: args.emplace_back(nullptr); break;
      default: args.emplace_back(input.ConsumeIntegral<std::uint32_t>()); break;
    }
  }
  const veltrim::TextBlock out = veltrim::FormatMessageTextArgs(format.c_str(), args);
  Check(out.Data() != nullptr);
  Check(out.Data()[out.Length()] == '\0' && out.Data()[out.Length() + 1] == '\0');
  // The text arguments here are far shorter than the "?s" allowance, so every expansion fits the estimate.
  Check(out.Length() <= veltrim::EstimateFormatSize(format.c_str()));
  if (std::strchr(format.c_str(), '?') == nullptr) Check(out.View() == std::string_view(format.c_str()));
  return 0;
}
