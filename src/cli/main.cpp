// veltrim: the command-line front end.
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: veltrim --version | --help\n"
    "Printer test utility: runs test-page print jobs and reports on printers.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("veltrim %s\n", VELTRIM_VERSION);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
