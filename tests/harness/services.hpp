// The services the CTest fixtures started (tests/fixtures/*.sh): where they are, and what tests do with them.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "process.hpp"

namespace veltrim::test {

namespace fs = std::filesystem;

struct Services {
  fs::path state;          // the fixtures' state folder (VELTRIM_TEST_STATE)
  std::string cupsServer;  // the unix socket of our scheduler

  // Throws when a fixture (display, scheduler, Wine) did not run, so that a test needing it fails rather than skips.
  static Services FromEnvironment();
};

// VELTRIM_TEST_STATE; throws when unset.
fs::path StateFromEnvironment();
// The socket of the private scheduler of `state`; throws when it did not start or is another's.
std::string CupsServerOf(const fs::path& state);
std::string CupsServerFromEnvironment();

// A folder of the test's own under the state folder, emptied first.
fs::path ScratchFolder(const Services& services, const std::string& name);

// Runs a Windows program in the fixtures' prefix, display and scheduler.
ProcessResult RunWindowsProgram(const Services& services, const fs::path& exe, const std::vector<std::string>& args,
                                std::chrono::seconds timeout = std::chrono::seconds(120),
                                const EnvironmentOverrides& env = {});

// A queue of the scheduler of `state` printing into a file through the generic PostScript driver, removed with its
// owner. `extra` goes after the queue's own lpadmin options: a later -v replaces its device, -o sets a default.
class CupsQueue {
 public:
  CupsQueue(const fs::path& state, std::string name, std::vector<std::string> extra = {});
  ~CupsQueue();
  CupsQueue(const CupsQueue&) = delete;
  CupsQueue& operator=(const CupsQueue&) = delete;

  const std::string& Name() const { return name_; }
  // The file device keeps the last job only.
  const fs::path& OutputFile() const { return output_; }
  // The completed jobs, once at least `count` are and none is pending; -1 on a timeout or a stopped or aborted job.
  int CompletedJobs(int count = 0, std::chrono::seconds timeout = std::chrono::seconds(60)) const;

 private:
  std::string server_;
  std::string name_;
  fs::path output_;
};

}  // namespace veltrim::test
