// The words of one clock line.
#include "export/line_words.h"

#include "base/iso_text.h"
#include "clock/clock_state.h"
#include "clock/clock_table.h"
#include "clock/line_moment.h"

namespace ordalis {

using namespace std::chrono;

LineWords WordsOfLine(const ExportInput& input, int index) {
  const ClockLine& line = input.lines[static_cast<size_t>(index)];
  const PanelSlot slot = MakePanelSlot(input.lines, index, input.catalogue);
  const LocalTime moment = LineMoment(line);
  LineWords words;
  words.index = index;
  if (line.Table < kClockTableCount) words.table = input.texts.LoadText(kTableLongTextIds[line.Table]);
  words.date = IsoDate(moment);
  words.time = IsoTime(moment);
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
