#include "core/about/version_record.hpp"

#include <array>

#include "core/support/format_message.hpp"

namespace veltrim {
namespace {

constexpr std::array<std::string_view, kMaxUpdateBases> kBuiltInBases = {
    "https://www.qorvel.example/", "https://www2.qorvel.example/", "https://mirror.qorvel.example/",
    "https://backup.qorvel.example/"};

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

bool Printable(char c) { return c > ' ' && c < 0x7F; }

// The address without its scheme, or nothing when it has neither http:// nor https://.
std::string_view AfterScheme(std::string_view address) {
  for (const std::string_view scheme : {"http://", "https://"})
    if (StartsWith(address, scheme)) return address.substr(scheme.size());
  return {};
}

bool IsBaseAddress(std::string_view base) {
  return IsOpenableWebAddress(base) && base.back() == '/' && base.size() + kRecordName.size() < kLineBufferSize;
}

}  // namespace

std::vector<std::string> UpdateBases(const char* variable) {
  std::vector<std::string> bases;
  for (std::string_view rest = variable ? variable : ""; !rest.empty() && bases.size() < kMaxUpdateBases;) {
    const std::size_t end = rest.find(';');
    const std::string_view base = rest.substr(0, end);
    if (IsBaseAddress(base)) bases.emplace_back(base);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  if (bases.empty()) bases.assign(kBuiltInBases.begin(), kBuiltInBases.end());
  return bases;
}

std::string_view RecordText(std::string_view buffer) { return buffer.substr(0, buffer.find('\0')); }

std::string RecordLine(std::string_view record, int n) {
  std::size_t start = 0;
  for (int line = 1; line < n; ++line) {
    const std::size_t stop = record.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) return {};
    start = stop + (record.substr(stop, 2) == "\r\n" ? 2 : 1);
  }
  const std::string_view line = record.substr(std::min(start, record.size()));
  const std::string_view text = line.substr(0, line.find_first_of("\r\n"));
  if (text.size() >= kLineBufferSize) return {};
  return std::string(text);
}

int VersionLineNumber(std::uint32_t id) {
  const int line = 6 * static_cast<int>(id >> 24);
  return line < 2 ? 1 : line;
}

int DownloadLineNumber(std::uint32_t id) { return 6 * static_cast<int>(id >> 24) + 2; }

std::string VersionText(std::uint32_t id) { return std::string(FormatMessageText("?D", id).View()); }

bool IsNewerVersion(std::string_view published, std::uint32_t id) {
  const std::string own = VersionText(id);
  // string_view compares as unsigned characters, as strcmp does.
  return published.compare(own) > 0;
}

bool IsOpenableWebAddress(std::string_view address) {
  if (address.size() >= kLineBufferSize) return false;
  const std::string_view rest = AfterScheme(address);
  if (rest.empty() || rest.front() == '/') return false;  // no host
  for (const char c : address)
    if (!Printable(c) || c == '"' || c == '\'' || c == '\\') return false;
  return true;
}

bool IsPlainMailAddress(std::string_view address) {
  const std::size_t at = address.find('@');
  if (at == 0 || at == std::string_view::npos || at + 1 == address.size() || address.find('@', at + 1) != address.npos)
    return false;
  if (address.size() >= kLineBufferSize) return false;
  for (const char c : address)
    if (!Printable(c) || std::string_view("?&%:/\\\"'<>").find(c) != std::string_view::npos) return false;
  return true;
}

std::string FeedbackMailLink(std::string_view address) {
  const std::string owned(address);
  return std::string(FormatMessageText("mailto:?s??subject=[?D]<?D> ?s&body=?s?s", owned.c_str(), kProductVersionId,
                                       0, "QVeltrim Feedback Message",
                                       "Please do not modify the \"subject\" field of this message !",
                                       "Please do not modify the subject of this message !")
                         .View());
}

}  // namespace veltrim
