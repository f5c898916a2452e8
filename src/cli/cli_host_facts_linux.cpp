// The facts about the machine on Linux: the local time with its
// milliseconds, the host name and the name of the effective user.
#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <vector>

#include "cli/cli_host.hpp"

namespace veltrim::cli {
namespace {

LocalTime Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  if (!::localtime_r(&now.tv_sec, &local)) return {};
  auto field = [](long value) { return static_cast<std::uint16_t>(value); };
  return {field(local.tm_year + 1900L), field(local.tm_mon + 1L), field(local.tm_wday), field(local.tm_mday),
          field(local.tm_hour),         field(local.tm_min),       field(local.tm_sec), field(now.tv_nsec / 1000000)};
}

std::string HostName() {
  std::array<char, 256> name{};
  if (::gethostname(name.data(), name.size() - 1) != 0) return {};
  return name.data();
}

std::string UserName() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return {};
  return found->pw_name;
}

}  // namespace

HostFacts CliHost::ReadHostFacts() { return {Now(), HostName(), UserName()}; }

}  // namespace veltrim::cli
