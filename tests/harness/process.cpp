#include "process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <map>
#include <stdexcept>

extern char** environ;

namespace veltrim::test {
namespace {

// Both ends close-on-exec: a grandchild that outlives the child must not
// hold our pipe open (Wine leaves helper processes running).
struct Pipe {
  Pipe() {
    if (pipe2(fd, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() { Close(0), Close(1); }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  void Close(int end) {
    if (fd[end] >= 0) close(fd[end]);
    fd[end] = -1;
  }
  int fd[2] = {-1, -1};
};

struct SpawnActions {
  SpawnActions() { posix_spawn_file_actions_init(&actions); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t actions;
};

std::vector<std::string> MergedEnvironment(const EnvironmentOverrides& overrides) {
  std::map<std::string, std::string> merged;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const auto eq = text.find('=');
    if (eq != std::string::npos) merged[text.substr(0, eq)] = text.substr(eq + 1);
  }
  for (const auto& [name, value] : overrides) merged[name] = value;
  std::vector<std::string> result;
  for (const auto& [name, value] : merged) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const EnvironmentOverrides& env,
                         std::chrono::seconds timeout) {
  ProcessResult result;
  Pipe out, err;
  SpawnActions actions;
  posix_spawn_file_actions_addopen(&actions.actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions.actions, out.fd[1], 1);
  posix_spawn_file_actions_adddup2(&actions.actions, err.fd[1], 2);

  std::vector<std::string> args = argv;
  std::vector<std::string> envTexts = MergedEnvironment(env);
  auto argPointers = Pointers(args);
  auto envPointers = Pointers(envTexts);
  pid_t pid = 0;
  const int spawnError =
      posix_spawnp(&pid, args.at(0).c_str(), &actions.actions, nullptr, argPointers.data(), envPointers.data());
  out.Close(1);
  err.Close(1);
  if (spawnError != 0) {
    result.err = "cannot start " + args[0] + ": " + std::strerror(spawnError);
    return result;
  }

  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::array<pollfd, 2> fds{{{out.fd[0], POLLIN, 0}, {err.fd[0], POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    const int ready = poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!result.timedOut && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
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
