// The facts about the machine on Windows, from the same calls as the
// desktop program.
#include "app/app_state.hpp"
#include "cli_host.hpp"
#include "windows_host_facts.hpp"

namespace veltrim::cli {

HostFacts CliHost::ReadHostFacts() {
  WorkBuffer buffer{};
  return ReadWindowsHostFacts(buffer);
}

}  // namespace veltrim::cli
