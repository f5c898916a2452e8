#include "ipp_test_printer.hpp"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace veltrim::test {
namespace {

bool Answers(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

}  // namespace

IppTestPrinter::IppTestPrinter(std::string name, int port, std::vector<std::string> options,
                               std::filesystem::path spool)
    : name_(std::move(name)), port_(port), spool_(std::move(spool)), log_(spool_ / "ippeveprinter.log") {
  std::filesystem::create_directories(spool_);
  std::vector<std::string> args{"ippeveprinter", "-p", std::to_string(port_), "-d", spool_.string()};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(name_);
  std::vector<char*> pointers;
  for (auto& arg : args) pointers.push_back(arg.data());
  pointers.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  const int error = posix_spawnp(&pid_, "ippeveprinter", &actions, nullptr, pointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error(std::string("cannot start ippeveprinter: ") + std::strerror(error));

  for (int tries = 0; tries < 100; ++tries) {
    if (Answers(port_)) return;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      throw std::runtime_error("ippeveprinter ended at start:\n" + Log());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  const std::string log = Log();
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
  throw std::runtime_error("ippeveprinter did not answer on port " + std::to_string(port_) + ":\n" + log);
}

IppTestPrinter::~IppTestPrinter() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int tries = 0; tries < 50; ++tries) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

std::string IppTestPrinter::Uri() const { return "ipp://localhost:" + std::to_string(port_) + "/ipp/print"; }

std::vector<std::filesystem::path> IppTestPrinter::KeptDocuments() const {
  std::vector<std::filesystem::path> kept;
  for (const auto& entry : std::filesystem::directory_iterator(spool_))
    if (entry.is_regular_file() && entry.path() != log_) kept.push_back(entry.path());
  // ippeveprinter names each kept file after its job id: "<id>-<name>.<ext>".
  std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
    return std::atoi(a.filename().c_str()) < std::atoi(b.filename().c_str());
  });
  return kept;
}

std::string IppTestPrinter::Log() const {
  std::ifstream in(log_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace veltrim::test
