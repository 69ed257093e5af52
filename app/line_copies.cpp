// Copy, paste and duplicate of clock lines, and copying by dragging with Ctrl.
#include "app/line_copies.h"

#include "app/line_commands.h"
#include "clock/line_moment.h"
#include "clock/selected_line.h"

namespace ordalis {

namespace {

constexpr int kPasteQuestionText = 1130;
constexpr uint8_t kLastMinute = 59;
constexpr uint8_t kLastHour = 23;

bool InRange(const ClockLine& line) {
  return line.inUse() && line.Minute <= kLastMinute && line.Hour <= kLastHour && line.Day >= 1 &&
         line.Day <= 31 && line.Month >= 1 && line.Month <= 12 && line.Year <= 99 &&
         line.Table < kClockTableCount && line.RepeatUnit < kRepeatUnitCount;
}

std::string ModelName(const Texts& texts, uint8_t model) {
  if (model < texts.CentralModelNames.size() && !texts.CentralModelNames[model].empty())
    return texts.CentralModelNames[model];
  return std::to_string(model);
}

std::string PasteQuestion(const Texts& texts, uint8_t model) {
  std::string question = texts.LoadText(kPasteQuestionText);
  const size_t marker = question.find("%1");
  if (marker != std::string::npos) question.replace(marker, 2, ModelName(texts, model));
  return question;
}

bool PasteAnyway(const ProgramState& state, Prompts& prompts, uint8_t model) {
  if (model == state.installation.CentralModel) return true;
  Message question;
  question.text = PasteQuestion(state.texts, model);
  question.buttons = MessageButtons::YesNo;
  question.icon = MessageIcon::Question;
  question.defaultButton = Answer::No;
  return prompts.ask(question) == Answer::Yes;
}

// The copy's date becomes the same weekday in the shown week; the time, the
// table, the repeat rule, the function and the level stay.
ClockLine InShownWeek(ClockLine line, LocalTime weekStart) {
  const auto monday = std::chrono::floor<std::chrono::days>(weekStart);
  SetLineDate(line, monday + std::chrono::days{WeekdayIndex(LineDate(line))});
  line.NextLine = 0;
  line.FirstLine = 0;
  return line;
}

std::optional<int> PlaceCopy(ProgramState& state, Prompts& prompts, const ClockLine& line) {
  const std::optional<int> free = TakeFreeLine(state, prompts);
  if (!free) return std::nullopt;
  state.clock.ClockTable[static_cast<size_t>(*free)] = InShownWeek(line, state.clock.WeekStart);
  state.clock.SelectedClockLine = *free + 1;
  return free;
}

}  // namespace

std::vector<uint8_t> EncodeCopiedLine(const CopiedLine& copied) {
  const auto bytes = lineBytes(copied.line);
  std::vector<uint8_t> encoded(bytes.begin(), bytes.end());
  encoded.push_back(copied.centralModel);
  return encoded;
}

std::optional<CopiedLine> DecodeCopiedLine(const std::vector<uint8_t>& bytes) {
  if (bytes.size() != kClockLineSize + 1) return std::nullopt;
  CopiedLine copied{lineFromBytes(bytes.data()), bytes[kClockLineSize]};
  if (!InRange(copied.line) || copied.centralModel >= kCentralModelCount) return std::nullopt;
  return copied;
}

std::string CopiedLineText(const ClockLineArray& table, int line, const CatalogueTexts& texts) {
  const PanelSlot slot = MakePanelSlot(table, line, texts);
  return slot.functionText + "\n" + slot.momentText;
}

std::optional<CopiedLine> CopySelectedLine(const ProgramState& state) {
  const std::optional<int> selected = SelectedLine(state.clock);
  if (!selected) return std::nullopt;
  return CopiedLine{state.clock.ClockTable[static_cast<size_t>(*selected)], state.installation.CentralModel};
}

std::optional<int> PasteLine(ProgramState& state, Prompts& prompts, const CopiedLine& copied) {
  if (!PasteAnyway(state, prompts, copied.centralModel)) return std::nullopt;
  return PlaceCopy(state, prompts, copied.line);
}

std::optional<int> DuplicateSelectedLine(ProgramState& state, Prompts& prompts) {
  const std::optional<CopiedLine> selected = CopySelectedLine(state);
  if (!selected) return std::nullopt;
  return PlaceCopy(state, prompts, selected->line);
}

std::optional<int> KeepDraggedOriginal(ProgramState& state, Prompts& prompts, int dragged,
                                       const ClockLine& original) {
  if (dragged < 0 || dragged >= kClockTableLines) return std::nullopt;
  ClockLine& moved = state.clock.ClockTable[static_cast<size_t>(dragged)];
  if (moved == original) return std::nullopt;
  const std::optional<int> free = TakeFreeLine(state, prompts);
  if (!free) {
    moved = original;
    return std::nullopt;
  }
  state.clock.ClockTable[static_cast<size_t>(*free)] = original;
  return free;
}

}  // namespace ordalis
