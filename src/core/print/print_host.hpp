#pragma once
// What the print job takes from the front end that runs it: the number
// boxes' texts, the report box, the clock, message boxes, the facts about
// the machine and the program's own file (the data files the pages print
// lie beside it). The GUI answers from its controls, the CLI from its options.

#include <string>
#include <string_view>

#include "print/host_facts.hpp"

namespace veltrim {

// Main-window controls the job reads and writes.
inline constexpr int kIdDocs = 1180;
inline constexpr int kIdPagesPerDoc = 1182;
inline constexpr int kIdCoverage = 1184;
inline constexpr int kIdPaperOffset = 1186;
inline constexpr int kIdReport = 1188;
inline constexpr int kIdDotCoverage = 1268;

enum class MessageIcon { Stop, Exclamation, Information };

// The caption of the messages a page shows when it cannot print.
inline constexpr const char* kApplicationErrorCaption = "Application ERROR";

class PrintHost {
 public:
  virtual ~PrintHost() = default;
  // The text of a number box, as the window holds it (not yet a number).
  virtual std::string ReadControlText(int controlId) = 0;
  // Replaces the report box's text.
  virtual void SetReport(std::string_view report) = 0;
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
