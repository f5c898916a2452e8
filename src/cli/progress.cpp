#include "cli/progress.hpp"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#define VELTRIM_ISATTY _isatty
#define VELTRIM_FILENO _fileno
#else
#include <unistd.h>
#define VELTRIM_ISATTY isatty
#define VELTRIM_FILENO fileno
#endif

#include "cli/cli_targets.hpp"

namespace veltrim::cli {
namespace {

class ProgressDevice final : public ForwardingDevice {
 public:
  ProgressDevice(std::unique_ptr<PrintDevice> inner, int total) : ForwardingDevice(std::move(inner)), total_(total) {}
  ~ProgressDevice() override {
    if (done_ > 0) std::fputc('\n', stderr);
  }
  int EndPage() override {
    const int result = ForwardingDevice::EndPage();
    Show(++done_);
    return result;
  }

 private:
  void Show(int done) const {
    constexpr int kWidth = 40;
    const int filled = total_ > 0 ? done * kWidth / total_ : kWidth;
    std::fprintf(stderr, "\r[%s%s] page %d of %d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled > 0 ? kWidth - filled : 0), ' ').c_str(), done,
                 total_);
    std::fflush(stderr);
  }

  int total_;
  int done_ = 0;
};

}  // namespace

bool StderrIsTerminal() { return VELTRIM_ISATTY(VELTRIM_FILENO(stderr)) != 0; }

std::unique_ptr<PrintTarget> WithProgress(std::unique_ptr<PrintTarget> target, int totalPages) {
  // Short jobs finish before a bar would tell anything.
  constexpr int kLongJob = 20;
  if (!target || totalPages < kLongJob || !StderrIsTerminal()) return target;
  return WrappingDevices(std::move(target), [totalPages](std::unique_ptr<PrintDevice> device) {
    return std::make_unique<ProgressDevice>(std::move(device), totalPages);
  });
}

}  // namespace veltrim::cli
