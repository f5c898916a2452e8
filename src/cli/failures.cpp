#include "cli/failures.hpp"

#include <cstdio>

#include "cli/cli_targets.hpp"

namespace veltrim::cli {
namespace {

void Tell(const std::string& what, const FailureReason& why) {
  std::fprintf(stderr, "veltrim: %s\n", FailureText(what, why).c_str());
}

// The results count as the report counts them: StartDoc fails with
// SP_ERROR, the other calls with 0 or less.
class ReportingDevice final : public ForwardingDevice {
 public:
  ReportingDevice(std::unique_ptr<PrintDevice> inner, std::string what)
      : ForwardingDevice(std::move(inner)), what_(std::move(what)) {}
  int StartDocA(const char* name) override {
    const int result = ForwardingDevice::StartDocA(name);
    if (result == kSpError) Tell(what_, LastFailure());
    return result;
  }
  int StartPage() override { return Checked(ForwardingDevice::StartPage()); }
  int EndPage() override { return Checked(ForwardingDevice::EndPage()); }
  int EndDoc() override { return Checked(ForwardingDevice::EndDoc()); }

 private:
  int Checked(int result) const {
    if (result <= 0) Tell(what_, LastFailure());
    return result;
  }
  std::string what_;
};

class ReportingTarget final : public PrintTarget {
 public:
  ReportingTarget(std::unique_ptr<PrintTarget> inner, std::string requested)
      : inner_(std::move(inner)), requested_(std::move(requested)) {}
  PrintChoice Choose() override {
    PrintChoice choice = inner_->Choose();
    const std::string what = choice.printerName.empty() ? requested_ : choice.printerName;
    if (!choice.accepted || !choice.device)
      Tell(what, inner_->LastFailure());
    else
      choice.device = std::make_unique<ReportingDevice>(std::move(choice.device), what);
    return choice;
  }
  FailureReason LastFailure() const override { return inner_->LastFailure(); }

 private:
  std::unique_ptr<PrintTarget> inner_;
  std::string requested_;
};

}  // namespace

std::string FailureText(const std::string& what, const FailureReason& why) {
  std::string text = what + ": " + (why.text.empty() ? std::string("the system gave no reason") : why.text);
  if (why.noSuchPrinter) text += " Run \"veltrim printers\" to list the printers.";
  return text;
}

std::unique_ptr<PrintTarget> ReportingFailures(std::unique_ptr<PrintTarget> inner, std::string requested) {
  return std::make_unique<ReportingTarget>(std::move(inner), std::move(requested));
}

}  // namespace veltrim::cli
