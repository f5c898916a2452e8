// The facts about the machine on Windows, from the same calls as the
// desktop program.
#include "backends/gdi/windows_host_facts.hpp"
#include "cli/cli_host.hpp"
#include "core/app/app_state.hpp"

namespace veltrim::cli {

HostFacts CliHost::ReadHostFacts() {
  WorkBuffer buffer{};
  return ReadWindowsHostFacts(buffer);
}

}  // namespace veltrim::cli
