// The words of one clock line.
#include "export/line_words.h"

#include <cstdio>

#include "clock/clock_state.h"
#include "clock/clock_table.h"
#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

std::string DateText(LocalTime moment) {
  const year_month_day ymd{floor<days>(moment)};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

std::string TimeText(LocalTime moment) {
  const hh_mm_ss time{duration_cast<minutes>(moment - floor<days>(moment))};
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()));
  return text;
}

LineWords WordsOfLine(const ExportInput& input, int index) {
  const ClockLine& line = input.lines[static_cast<size_t>(index)];
  const PanelSlot slot = MakePanelSlot(input.lines, index, input.catalogue);
  const LocalTime moment = LineMoment(line);
  LineWords words;
  words.index = index;
  if (line.Table < kClockTableCount) words.table = input.texts.LoadText(kTableLongTextIds[line.Table]);
  words.date = DateText(moment);
  words.time = TimeText(moment);
  if (line.RepeatUnit < kRepeatUnitCount) words.repeatUnit = kRepeatUnitNames[line.RepeatUnit];
  words.repeatCount = line.RepeatCount;
  words.repeatRule = RepeatRuleText(line);
  if (input.catalogue.functionName) words.functionName = input.catalogue.functionName(line.FunctionHigh, line.FunctionLow);
  if (input.catalogue.levelText) words.level = input.catalogue.levelText(line.Level, line.FunctionHigh);
  words.panelFunction = slot.functionText;
  words.panelMoment = slot.momentText;
  return words;
}

}  // namespace ordalis
