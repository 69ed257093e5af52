// Slot texts of the selection panel.
#include "week/selection_panel.h"

#include <cstdio>

#include "clock/clock_state.h"
#include "clock/line_moment.h"
#include "week/klok_control_rules.h"

namespace ordalis {

std::string SlotMomentText(const ClockLine& line) {
  using namespace std::chrono;
  const LocalTime moment = LineMoment(line);
  const local_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const hh_mm_ss time{duration_cast<minutes>(moment - date)};
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%02u/%02u %02d:%02d", static_cast<unsigned>(ymd.day()),
                static_cast<unsigned>(ymd.month()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()));
  return std::string(stamp) + " " + RepeatRuleText(line);
}

std::string RepeatRuleText(const ClockLine& line) {
  const std::string unit = line.RepeatUnit < kRepeatUnitCount ? kRepeatUnitNames[line.RepeatUnit] : "";
  if (line.RepeatUnit == kRepeatOnce) return unit;
  return "Elke " + std::to_string(line.RepeatCount) + " " + unit;
}

PanelSlot MakePanelSlot(const ClockLineArray& table, int index, const CatalogueTexts& texts) {
  const ClockLine& line = table[static_cast<size_t>(index)];
  PanelSlot slot;
  slot.line = index;
  const std::string name = texts.functionName ? texts.functionName(line.FunctionHigh, line.FunctionLow) : "";
  const std::string level = texts.levelText ? texts.levelText(line.Level, line.FunctionHigh) : "";
  slot.functionText = name + " " + level;
  slot.momentText = SlotMomentText(line);
  slot.picture = FunctionPictureOf(line);
  return slot;
}

}  // namespace ordalis
