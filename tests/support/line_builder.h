// Builds clock lines for tests from a readable moment and repeat rule.
#pragma once

#include <chrono>

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis::test {

struct LineSpec {
  int year, month, day, hour = 0, minute = 0;
  uint8_t table = kContinueTable;
  uint8_t unit = kRepeatOnce;
  uint8_t count = 0;
  uint8_t functionHigh = 1, functionLow = 1, level = 255;
};

inline ClockLine MakeLine(const LineSpec& spec) {
  ClockLine line;
  line.Minute = static_cast<uint8_t>(spec.minute);
  line.Hour = static_cast<uint8_t>(spec.hour);
  line.Day = static_cast<uint8_t>(spec.day);
  line.Month = static_cast<uint8_t>(spec.month);
  line.Year = static_cast<uint8_t>(spec.year % 100);
  line.Table = spec.table;
  line.RepeatUnit = spec.unit;
  line.RepeatCount = spec.count;
  line.FunctionHigh = spec.functionHigh;
  line.FunctionLow = spec.functionLow;
  line.Level = spec.level;
  return line;
}

inline LocalTime At(int year, int month, int day, int hour = 0, int minute = 0) {
  return makeLocalTime(year, static_cast<unsigned>(month), static_cast<unsigned>(day), hour, minute);
}

}  // namespace ordalis::test
