#pragma once
// What the information block tells about the machine that printed: the
// local time and the computer's and user's names. Each front end asks its
// platform; tests give fixed values.

#include <cstdint>
#include <string>

namespace veltrim {

// The fields of the platform's local-time record, as they are.
struct LocalTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;      // 1..12
  std::uint16_t dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
  std::uint16_t day = 0;
  std::uint16_t hour = 0;  // 24-hour clock
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;
};

struct HostFacts {
  LocalTime time;
  std::string computerName;  // empty when the platform cannot tell
  std::string userName;
};

}  // namespace veltrim
