// One clock line: 13 bytes, in the order the clock file and the table keep
// them. A line is in use exactly when FunctionHigh is not 0.
#pragma once

#include <array>
#include <cstdint>

namespace ordalis {

struct ClockLine {
  uint8_t Minute = 0;        // 0-59
  uint8_t Hour = 0;          // 0-23
  uint8_t Day = 0;           // day of month of the reference date, 1-31
  uint8_t Month = 0;         // 1-12
  uint8_t Year = 0;          // two digits: 0-29 -> 20xx, 30-99 -> 19xx
  uint8_t Table = 0;         // ClockTableCode
  uint8_t RepeatUnit = 0;    // RepeatUnitCode
  uint8_t RepeatCount = 0;   // units between occurrences
  uint8_t FunctionHigh = 0;  // function type; 0 = free line
  uint8_t FunctionLow = 0;   // function number
  uint8_t Level = 0;         // 255 = no level
  uint8_t NextLine = 0;      // link to the next line of the same table (transfer scratch)
  uint8_t FirstLine = 0;     // first line of table t, kept in line t (transfer scratch)

  bool inUse() const { return FunctionHigh != 0; }
  uint16_t functionCode() const { return static_cast<uint16_t>(FunctionHigh << 8 | FunctionLow); }
  // Byte for byte, links included.
  bool operator==(const ClockLine&) const = default;
};

static_assert(sizeof(ClockLine) == 13, "a clock line is exactly 13 bytes");

constexpr int kClockLineSize = 13;
constexpr int kClockTableLines = 100;

enum ClockTableCode : uint8_t {
  kContinueTable = 0,
  kWorkdayTable = 1,
  kWeekendTable = 2,
  kSimulationTable = 3,
  kSpecialTable = 4,
};
constexpr int kClockTableCount = 5;

enum RepeatUnitCode : uint8_t {
  kRepeatOnce = 0,
  kRepeatMinutes = 1,
  kRepeatHours = 2,
  kRepeatDays = 3,
  kRepeatWeeks = 4,
  kRepeatMonths = 5,
  kRepeatWorkdays = 6,
  kRepeatWeekendDays = 7,
};
constexpr int kRepeatUnitCount = 8;

// Link-byte values of a table that is being sent.
constexpr uint8_t kNotLinked = 255;
constexpr uint8_t kEndOfList = 254;

using ClockLineArray = std::array<ClockLine, kClockTableLines>;

// The 13 bytes of a line, in field order, and back.
std::array<uint8_t, kClockLineSize> lineBytes(const ClockLine& line);
ClockLine lineFromBytes(const uint8_t* bytes);

}  // namespace ordalis
