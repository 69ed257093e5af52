// Field-by-field conversion of a clock line to its 13 stored bytes.
#include "clock/clock_line.h"

namespace ordalis {

std::array<uint8_t, kClockLineSize> lineBytes(const ClockLine& line) {
  return {line.Minute,   line.Hour,        line.Day,         line.Month,      line.Year,
          line.Table,    line.RepeatUnit,  line.RepeatCount, line.FunctionHigh,
          line.FunctionLow, line.Level,    line.NextLine,    line.FirstLine};
}

ClockLine lineFromBytes(const uint8_t* b) {
  ClockLine line;
  line.Minute = b[0];
  line.Hour = b[1];
  line.Day = b[2];
  line.Month = b[3];
  line.Year = b[4];
  line.Table = b[5];
  line.RepeatUnit = b[6];
  line.RepeatCount = b[7];
  line.FunctionHigh = b[8];
  line.FunctionLow = b[9];
  line.Level = b[10];
  line.NextLine = b[11];
  line.FirstLine = b[12];
  return line;
}

}  // namespace ordalis
