#include "process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

namespace veltrim::test {
namespace {

// The child's output goes to unlinked files rather than pipes, so a
// grandchild that outlives it (Wine leaves helper processes running) cannot
// keep us waiting; close-on-exec keeps them out of other children.
class OutputFile {
 public:
  OutputFile() {
    char name[] = "/tmp/veltrim-output-XXXXXX";
    fd_ = mkostemp(name, O_CLOEXEC);
    if (fd_ < 0) throw std::runtime_error("cannot make a temporary file");
    unlink(name);
  }
  ~OutputFile() { close(fd_); }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  int Fd() const { return fd_; }
  std::string Text() const {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = pread(fd_, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0;)
      text.append(buffer, static_cast<std::size_t>(n));
    return text;
  }

 private:
  int fd_ = -1;
};

struct SpawnActions {
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t actions;
};

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const EnvironmentOverrides& env,
                         std::chrono::seconds timeout) {
  ProcessResult result;
  OutputFile out, err;
  SpawnActions actions;
  posix_spawn_file_actions_addopen(&actions.actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions.actions, out.Fd(), 1);
  posix_spawn_file_actions_adddup2(&actions.actions, err.Fd(), 2);

  // `env` sets the overrides on top of this process's environment.
  std::vector<std::string> args{"env"};
  for (const auto& [name, value] : env) args.push_back(name + "=" + value);
  args.insert(args.end(), argv.begin(), argv.end());
  std::vector<char*> pointers;
  for (auto& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);
  pid_t pid = 0;
  const int spawnError = posix_spawnp(&pid, "env", &actions.actions, nullptr, pointers.data(), environ);
  if (spawnError != 0) {
    result.err = "cannot start " + argv.at(0) + ": " + std::strerror(spawnError);
    return result;
  }

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  for (pid_t done = 0; done != pid;) {
    done = waitpid(pid, &status, WNOHANG);
    if (done < 0 && errno != EINTR) break;
    if (done == 0 && std::chrono::steady_clock::now() > deadline) {
      result.timedOut = true;
      kill(pid, SIGKILL);
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      break;
    }
    if (done == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.out = out.Text();
  result.err = err.Text();
  return result;
}

std::string Describe(const std::vector<std::string>& argv, const ProcessResult& result) {
  std::string text;
  for (const auto& arg : argv) text += arg + " ";
  text += "\n  exit " + std::to_string(result.exitCode) + (result.timedOut ? " (timed out)" : "");
  text += "\n  stdout: " + result.out + "\n  stderr: " + result.err;
  return text;
}

}  // namespace veltrim::test
