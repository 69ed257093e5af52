// The clock line record: its size and its byte order.
#include <gtest/gtest.h>

#include "clock/clock_line.h"

namespace ordalis {
namespace {

TEST(ClockLine, BytesFollowTheFieldOrderAndComeBackUnchanged) {
  ClockLine line;
  line.Minute = 30;
  line.Hour = 7;
  line.Day = 31;
  line.Month = 12;
  line.Year = 29;
  line.Table = kSpecialTable;
  line.RepeatUnit = kRepeatWeekendDays;
  line.RepeatCount = 3;
  line.FunctionHigh = 2;
  line.FunctionLow = 17;
  line.Level = 255;
  line.NextLine = 254;
  line.FirstLine = 9;
  auto bytes = lineBytes(line);
  EXPECT_EQ((std::array<uint8_t, 13>{30, 7, 31, 12, 29, 4, 7, 3, 2, 17, 255, 254, 9}), bytes);
  auto back = lineFromBytes(bytes.data());
  EXPECT_EQ(bytes, lineBytes(back));
  EXPECT_EQ(0x0211, back.functionCode());
}

}  // namespace
}  // namespace ordalis
