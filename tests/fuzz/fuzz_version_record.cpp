// Any bytes served as the version record: every line taken from it fits the caller's 260-character buffer, holds no
// break and comes from the record itself, and only a plain web or mail address passes its check. The first bytes also
// stand for the base-address variable.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/about/version_record.hpp"
#include "fuzz_check.hpp"

namespace {

void CheckWebAddress(std::string_view text) {
  if (!veltrim::IsOpenableWebAddress(text)) return;
  Check(text.size() < veltrim::kLineBufferSize);
  Check(text.starts_with("http://") || text.starts_with("https://"));
  for (const char c : text) Check(c > ' ' && c < 0x7F && c != '"');
}

// The link is built for line 2 only, the one the mail button uses: building it costs a large block.
void CheckMailAddress(std::string_view text, bool buildLink) {
  if (!veltrim::IsPlainMailAddress(text)) return;
  Check(text.find_first_of(" ?&%:/\r\n") == std::string_view::npos);
  if (!buildLink) return;
  const std::string link = veltrim::FeedbackMailLink(text);
  Check(link.starts_with("mailto:" + std::string(text) + "?subject=[0x0702029E]<0x00000000> "));
}

}  // namespace

// Records longer than this reach no line rule a shorter one does not, and would only slow the run.
constexpr std::size_t kMaxRecord = 1536;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  size = std::min(size, kMaxRecord);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view record = veltrim::RecordText(bytes);
  Check(record.size() <= bytes.size() && record.find('\0') == std::string_view::npos);
  const int wanted = size > 0 ? data[0] : 0;
  for (const int n : {1, 2, 42, 44, wanted}) {
    const std::string line = veltrim::RecordLine(record, n);
    Check(line.size() < veltrim::kLineBufferSize && line.size() <= record.size());
    Check(line.find_first_of("\r\n") == std::string::npos);
    CheckWebAddress(line);
    CheckMailAddress(line, n == 2);
    if (n == 42) veltrim::IsNewerVersion(line, veltrim::kProductVersionId);
  }
  CheckWebAddress(bytes);
  CheckMailAddress(bytes, false);
  const std::string variable(record.substr(0, 300));
  const auto bases = veltrim::UpdateBases(variable.c_str());
  Check(!bases.empty() && bases.size() <= veltrim::kMaxUpdateBases);
  for (const std::string& base : bases) Check(base.ends_with('/') && veltrim::IsOpenableWebAddress(base));
  return 0;
}
