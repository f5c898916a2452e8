// The services that the CTest fixtures started (tests/fixtures/*.sh): where
// to find them, and the calls tests make on them.
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
  std::string display;     // ":N" of our Xvfb
  std::string cupsServer;  // the unix socket of our scheduler
  fs::path winePrefix;

  // Reads what the fixtures recorded; throws when a fixture did not run, so
  // a test that needs a service fails loudly rather than skipping.
  static Services FromEnvironment();
};

// The fixtures' state folder (VELTRIM_TEST_STATE); throws when unset.
fs::path StateFromEnvironment();
// The unix socket of the private scheduler whose state is in `state` (or
// the fixtures'); throws when it did not start or is not that scheduler's.
std::string CupsServerOf(const fs::path& state);
std::string CupsServerFromEnvironment();

// A scratch folder of the test's own under the state folder, emptied first.
fs::path ScratchFolder(const Services& services, const std::string& name);

// Runs a Windows program in the fixtures' prefix, display and scheduler.
ProcessResult RunWindowsProgram(const Services& services, const fs::path& exe,
                                const std::vector<std::string>& args,
                                std::chrono::seconds timeout = std::chrono::seconds(120),
                                const EnvironmentOverrides& env = {});

// A queue of the private scheduler printing into a file through the generic
// PostScript driver, removed when the owner goes. Throws when the scheduler
// is not the one whose state folder was given.
class CupsQueue {
 public:
  CupsQueue(const Services& services, std::string name);
  CupsQueue(std::string cupsServer, const fs::path& state, std::string name);
  ~CupsQueue();
  CupsQueue(const CupsQueue&) = delete;
  CupsQueue& operator=(const CupsQueue&) = delete;

  const std::string& Name() const { return name_; }
  // The file device keeps the last job only.
  const fs::path& OutputFile() const { return output_; }
  // Waits until `count` jobs of this queue have completed and none is
  // pending; false on a timeout or when a job was stopped or aborted.
  bool WaitForCompletedJobs(int count, std::chrono::seconds timeout = std::chrono::seconds(60)) const;
  int CompletedJobs() const;

 private:
  std::string server_;
  std::string name_;
  fs::path output_;
};

}  // namespace veltrim::test
