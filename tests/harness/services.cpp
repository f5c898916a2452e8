#include "services.hpp"

#include <cups/cups.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace veltrim::test {
namespace {

std::string ReadLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  if (!in || !std::getline(in, line) || line.empty())
    throw std::runtime_error("fixture state missing: " + file.string() + " (is the fixture running?)");
  return line;
}

// libcups keeps one connection per thread; point it at our scheduler.
struct CupsJobs {
  CupsJobs(const std::string& server, const std::string& queue) {
    cupsSetServer(server.c_str());
    count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
  }
  ~CupsJobs() { cupsFreeJobs(count, jobs); }
  CupsJobs(const CupsJobs&) = delete;
  CupsJobs& operator=(const CupsJobs&) = delete;
  cups_job_t* jobs = nullptr;
  int count = 0;
};

// The folder where the scheduler of `state` keeps all its lp user reaches (under the system's temporary folder, so
// that a checkout in a folder closed to others still prints): its socket and the queues' output files.
fs::path CupsFilesOf(const fs::path& state) { return ReadLine(state / "cups" / "run"); }

}  // namespace

fs::path StateFromEnvironment() {
  const char* state = std::getenv("VELTRIM_TEST_STATE");
  if (!state || !*state) throw std::runtime_error("VELTRIM_TEST_STATE is not set: run the test through ctest");
  return state;
}

// A test handed any address but the socket in the scheduler's own folder would talk to a scheduler not its own.
std::string CupsServerOf(const fs::path& state) {
  const std::string server = ReadLine(state / "cups" / "server");
  if (fs::path(server) != CupsFilesOf(state) / "cups.sock" || !fs::is_socket(server))
    throw std::runtime_error("scheduler address " + server + " is not the socket of " + (state / "cups").string());
  return server;
}

std::string CupsServerFromEnvironment() { return CupsServerOf(StateFromEnvironment()); }

Services Services::FromEnvironment() {
  Services services;
  services.state = StateFromEnvironment();
  ReadLine(services.state / "xvfb" / "display");
  services.cupsServer = CupsServerOf(services.state);
  if (!fs::exists(services.state / "wine" / "prefix" / "system.reg"))
    throw std::runtime_error("no Wine prefix in " + services.state.string());
  return services;
}

fs::path ScratchFolder(const Services& services, const std::string& name) {
  const fs::path folder = services.state / "scratch" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

ProcessResult RunWindowsProgram(const Services& services, const fs::path& exe, const std::vector<std::string>& args,
                                std::chrono::seconds timeout, const EnvironmentOverrides& env) {
  std::vector<std::string> argv{VELTRIM_FIXTURES_DIR "/run-wine.sh", services.state.string(), exe.string()};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv, env, timeout);
}

CupsQueue::CupsQueue(const fs::path& state, std::string name, std::vector<std::string> extra)
    : server_(CupsServerOf(state)), name_(std::move(name)), output_(CupsFilesOf(state) / "out" / (name_ + ".prn")) {
  fs::remove(output_);
  std::vector<std::string> argv{"lpadmin", "-p", name_, "-E", "-v", "file://" + output_.string(),
                                "-m", "drv:///sample.drv/generic.ppd"};
  argv.insert(argv.end(), extra.begin(), extra.end());
  // A scheduler just started can answer "Service Unavailable" for a moment.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (true) {
    const auto result = RunProcess(argv, {{"CUPS_SERVER", server_}}, std::chrono::seconds(60));
    if (result.exitCode == 0) break;
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error(Describe(argv, result));
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
  }
}

CupsQueue::~CupsQueue() {
  RunProcess({"lpadmin", "-x", name_}, {{"CUPS_SERVER", server_}}, std::chrono::seconds(30));
}

int CupsQueue::CompletedJobs(int count, std::chrono::seconds timeout) const {
  for (const auto deadline = std::chrono::steady_clock::now() + timeout; std::chrono::steady_clock::now() < deadline;
       std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
    CupsJobs list(server_, name_);
    int completed = 0, pending = 0;
    for (int i = 0; i < list.count; ++i) {
      const ipp_jstate_t state = list.jobs[i].state;
      if (state == IPP_JSTATE_COMPLETED) ++completed;
      else if (state == IPP_JSTATE_STOPPED || state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED) return -1;
      else ++pending;
    }
    if (completed >= count && pending == 0) return completed;
  }
  return -1;
}

}  // namespace veltrim::test
