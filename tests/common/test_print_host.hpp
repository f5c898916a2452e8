// A print host with scripted answers: clock, the machine's facts and the program's path are what the test sets; the
// messages shown are kept.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/page/print_host.hpp"

namespace veltrim::test {

class TestHost final : public PrintHost {
 public:
  std::deque<double> clock{0, 0, 0};
  HostFacts facts{{2010, 3, 5, 5, 9, 7, 3, 45}, "BENCH-PC", "tester"};  // Friday 5 March 2010, 9:07:03.045
  std::string programPath = "/nonexistent/veltrim";  // no data files beside it
  struct Message { std::string text, caption; MessageIcon icon; };
  std::vector<Message> messages;
  int factsRead = 0;

  double ClockMilliseconds() override {
    const double now = clock.empty() ? 0 : clock.front();
    if (!clock.empty()) clock.pop_front();
    return now;
  }
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
    messages.push_back({std::string(text), std::string(caption), icon});
  }
  std::string ProgramFilePath() override { return programPath; }
  HostFacts ReadHostFacts() override {
    ++factsRead;
    return facts;
  }
};

}  // namespace veltrim::test
