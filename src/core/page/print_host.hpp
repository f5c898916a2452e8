#pragma once
// What a print job asks of the front end that runs it: the clock, message
// boxes, the facts about the machine and the program's own file (the data
// files the pages print lie beside it).

#include <string>
#include <string_view>

#include "core/page/host_facts.hpp"

namespace veltrim {

enum class MessageIcon { Stop, Exclamation, Information };

// The caption of the messages a page shows when it cannot print.
inline constexpr const char* kApplicationErrorCaption = "Application ERROR";

class PrintHost {
 public:
  virtual ~PrintHost() = default;
  // A clock in milliseconds; only differences are used.
  virtual double ClockMilliseconds() = 0;
  virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
  // The local time and the computer's and user's names, asked afresh on
  // every call.
  virtual HostFacts ReadHostFacts() = 0;
  // The full path of the running program's file, as the platform gives it.
  virtual std::string ProgramFilePath() = 0;
};

}  // namespace veltrim
