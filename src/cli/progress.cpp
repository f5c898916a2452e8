#include "progress.hpp"

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

namespace veltrim::cli {
namespace {

class ProgressDevice final : public PrintDevice {
 public:
  ProgressDevice(std::unique_ptr<PrintDevice> inner, int total) : inner_(std::move(inner)), total_(total) {}
  ~ProgressDevice() override {
    if (done_ > 0) std::fputc('\n', stderr);
  }
  Surface& Page() override { return inner_->Page(); }
  int StartDocA(const char* name) override { return inner_->StartDocA(name); }
  int StartPage() override { return inner_->StartPage(); }
  int EndPage() override {
    const int result = inner_->EndPage();
    Show(++done_);
    return result;
  }
  int EndDoc() override { return inner_->EndDoc(); }

 private:
  void Show(int done) const {
    constexpr int kWidth = 40;
    const int filled = total_ > 0 ? done * kWidth / total_ : kWidth;
    std::fprintf(stderr, "\r[%s%s] page %d of %d", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled > 0 ? kWidth - filled : 0), ' ').c_str(), done,
                 total_);
    std::fflush(stderr);
  }

  std::unique_ptr<PrintDevice> inner_;
  int total_;
  int done_ = 0;
};

class ProgressTarget final : public PrintTarget {
 public:
  ProgressTarget(std::unique_ptr<PrintTarget> inner, int total) : inner_(std::move(inner)), total_(total) {}
  PrintChoice Choose() override {
    PrintChoice choice = inner_->Choose();
    if (choice.device) choice.device = std::make_unique<ProgressDevice>(std::move(choice.device), total_);
    return choice;
  }

 private:
  std::unique_ptr<PrintTarget> inner_;
  int total_;
};

}  // namespace

bool StderrIsTerminal() { return VELTRIM_ISATTY(VELTRIM_FILENO(stderr)) != 0; }

std::unique_ptr<PrintTarget> WithProgress(std::unique_ptr<PrintTarget> target, int totalPages) {
  // Short jobs finish before a bar would tell anything.
  constexpr int kLongJob = 20;
  if (!target || totalPages < kLongJob || !StderrIsTerminal()) return target;
  return std::make_unique<ProgressTarget>(std::move(target), totalPages);
}

}  // namespace veltrim::cli
