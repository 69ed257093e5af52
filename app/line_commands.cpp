// New and delete for single clock lines.
#include "app/line_commands.h"

#include "clock/clock_table.h"
#include "clock/line_moment.h"
#include "clock/selected_line.h"

namespace ordalis {

namespace {

// The defaults of a new line.
constexpr uint8_t kNewFunctionHigh = 1;
constexpr uint8_t kNewFunctionLow = 1;
constexpr uint8_t kNewLevel = 255;
constexpr uint8_t kNewRepeatCount = 1;

int CurrentHour(const Clock& clock) {
  const LocalTime now = clock.now();
  const auto sinceMidnight = now - std::chrono::floor<std::chrono::days>(now);
  return static_cast<int>(std::chrono::duration_cast<std::chrono::hours>(sinceMidnight).count());
}

std::string FunctionName(const CatalogueTexts& texts, const ClockLine& line) {
  return texts.functionName ? texts.functionName(line.FunctionHigh, line.FunctionLow) : std::string();
}

std::string LevelText(const CatalogueTexts& texts, const ClockLine& line) {
  return texts.levelText ? texts.levelText(line.Level, line.FunctionHigh) : std::string();
}

}  // namespace

std::optional<int> TakeFreeLine(const ProgramState& state, Prompts& prompts) {
  const int capacity = state.installation.Capacities.MaxClockLines;
  const std::optional<int> free = FindFreeLine(state.clock.ClockTable, capacity);
  if (!free) prompts.tell(capacity != 0 ? kNoMoreMemoryMessage : kNoInstallationMessage);
  return free;
}

std::optional<int> StartNewClockLine(ProgramState& state, const Clock& clock, Prompts& prompts,
                                     int table) {
  const std::optional<int> free = TakeFreeLine(state, prompts);
  if (!free) return std::nullopt;
  ClockLine& line = state.clock.ClockTable[static_cast<size_t>(*free)];
  line.FunctionHigh = kNewFunctionHigh;
  line.FunctionLow = kNewFunctionLow;
  line.Level = kNewLevel;
  line.Hour = static_cast<uint8_t>(CurrentHour(clock));
  line.Minute = 0;
  SetLineDate(line, std::chrono::floor<std::chrono::days>(MondayOfWeek(clock.now())));
  line.Table = static_cast<uint8_t>(table);
  line.RepeatUnit = kRepeatDays;
  line.RepeatCount = kNewRepeatCount;
  state.clock.SelectedClockLine = *free + 1;
  return free;
}

bool FinishNewClockLine(ProgramState& state, int line, bool accepted) {
  ClockLine& added = state.clock.ClockTable[static_cast<size_t>(line)];
  if (!accepted) {
    added.FunctionHigh = 0;
    if (state.clock.SelectedClockLine == line + 1) state.clock.SelectedClockLine = 0;
  }
  state.clock.ClocksChanged = true;
  return added.inUse();
}

std::string DeleteQuestion(const std::string& functionName, const std::string& levelText) {
  return "Mag " + functionName + " " + levelText + " verwijderd worden?";
}

bool DeleteSelectedLine(ProgramState& state, Prompts& prompts, const CatalogueTexts& texts) {
  const std::optional<int> selected = SelectedLineOrSay(state.clock, state.texts, prompts);
  if (!selected) return false;
  ClockLine& line = state.clock.ClockTable[static_cast<size_t>(*selected)];
  Message question;
  question.text = DeleteQuestion(FunctionName(texts, line), LevelText(texts, line));
  question.buttons = MessageButtons::YesNo;
  question.defaultButton = Answer::No;
  if (prompts.ask(question) != Answer::Yes) return false;
  line.FunctionHigh = 0;
  state.clock.ClocksChanged = true;
  return true;
}

void FillRepeatUnitNames(ClockState& clock) {
  constexpr size_t kNameWidth = 50;
  for (int unit = 0; unit < kRepeatUnitCount; ++unit) {
    std::string name = kRepeatUnitNames[unit];
    name.resize(kNameWidth, ' ');
    clock.RepeatUnitNames[unit] = name;
  }
}

std::string MainWindowCaption(const ClockState& clock) { return "Ordalis - " + clock.ClockFileName; }

std::string FileNamePart(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace ordalis
