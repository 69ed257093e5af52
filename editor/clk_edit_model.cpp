// The clock-line editor's reactions, in the order the dialog runs them.
#include "editor/clk_edit_model.h"

#include "clock/line_moment.h"
#include "editor/clk_edit_rules.h"
#include "editor/function_catalogue.h"
#include "editor/function_preview.h"
#include "functions/function_text.h"

namespace ordalis {

using namespace std::chrono;

namespace {

// The type list holds no type from here on; such a stored type is kept.
constexpr int kFirstUnlistedType = 128;

int LowByte(int32_t value) { return value & 0xFF; }
int HighByte(int32_t value) { return (value >> 8) & 0xFF; }
uint16_t LevelBoxValue(int type, int raw) { return static_cast<uint16_t>(type << 8 | (raw & 0xFF)); }

int32_t ChosenItem(const ItemList& list) {
  return list.ListIndex < 0 ? 0 : list.Entries[static_cast<size_t>(list.ListIndex)].ItemData;
}

}  // namespace

ClkEditModel::ClkEditModel(ClockParts state, const Clock& clock)
    : m_state(state), m_clock(clock) {
  m_c.CboFnc.SelectionChanged = [this](int) { CboFnc_Change(); };
  m_c.CboLd.SelectionChanged = [this](int) { CboLd_Change(); };
  m_c.CboRepeat.SelectionChanged = [this](int) { CboRepeat_Change(); };
}

const ClockLine& ClkEditModel::line() const {
  return m_state.clock.ClockTable[static_cast<size_t>(m_line)];
}

bool ClkEditModel::Load(int showSetting) {
  const int selected = m_state.clock.SelectedClockLine;
  if (selected < 1 || selected > kClockTableLines) return false;
  m_line = selected - 1;
  m_showSetting = showSetting;
  const ClockLine stored = line();
  m_keptFunction.reset();
  if (stored.FunctionHigh >= kFirstUnlistedType) m_keptFunction = stored.functionCode();

  FillRepeatUnits();
  FillFunctionTypeList(m_state.texts, m_c.CboFnc);
  AddKeptFunctionType(stored);
  m_c.CboLd.clear();
  m_c.TxtPrv.clear();
  // A table byte outside 0-4 shows the continue table, which OK then stores.
  OptTabel_Click(stored.Table < kClockTableCount ? int{stored.Table} : int{kContinueTable});

  m_c.TxtLvl = ValueBox::level(stored.FunctionHigh, stored.Level);
  normaliseLevel();
  m_c.TxtRepeat = ValueBox{{}, stored.RepeatCount};
  normaliseRepeat();
  if (stored.RepeatUnit < kRepeatUnitCount) m_c.CboRepeat.select(stored.RepeatUnit);

  const LocalTime moment = LineMoment(stored);
  const DateWindow window = ReferenceDateWindow(m_clock.now(), moment);
  m_c.DatePicEarliest = window.earliest;
  m_c.DatePic = moment;
  m_c.DatePicLatest = window.latest;
  m_c.TimePic = moment;

  SelectStoredFunction(stored);
  UpdateDialogState();
  return true;
}

void ClkEditModel::FillRepeatUnits() {
  m_c.CboRepeat.clear();
  for (int unit = 0; unit < kRepeatUnitCount; ++unit) {
    std::string name = TrimTrailingSpaces(m_state.clock.RepeatUnitNames[unit]);
    if (name.empty()) name = kRepeatUnitNames[unit];
    m_c.CboRepeat.add(name, unit);
  }
}

// A type of 128 or more is no entry of the type list: it gets an entry of
// its own, holding just the stored function.
void ClkEditModel::AddKeptFunctionType(const ClockLine& stored) {
  if (!m_keptFunction) return;
  m_c.CboFnc.add("Function: " + std::to_string(stored.FunctionHigh), stored.FunctionHigh);
}

void ClkEditModel::SelectStoredFunction(const ClockLine& stored) {
  SelectByItemData(m_c.CboFnc, ListCodeOfType(stored.FunctionHigh));
  SelectByItemData(m_c.CboLd, stored.functionCode());
}

void ClkEditModel::CboFnc_Change() {
  const int listCode = ChosenItem(m_c.CboFnc);
  m_c.CboLd.clear();
  m_c.TxtPrv.clear();
  FillFunctionList(m_state.texts, m_state.installation, m_c.CboLd, listCode, kNumberAndName,
                   false, kFullDetail);
  if (m_keptFunction && HighByte(*m_keptFunction) == listCode) {
    const int number = LowByte(*m_keptFunction);
    const bool named = FunctionExists(m_state.texts, m_state.installation, listCode, number);
    m_c.CboLd.add(named ? FunctionText(m_state.texts, m_state.installation, listCode, number,
                                       kNumberAndName, false)
                        : "Function: " + std::to_string(listCode) + " " + std::to_string(number),
                  *m_keptFunction);
  }
  UpdateDialogState();
}

void ClkEditModel::CboLd_Change() {
  const int type = ChosenItem(m_c.CboFnc);
  const int number = LowByte(ChosenItem(m_c.CboLd));
  m_c.TxtLvl.Text.clear();
  m_c.TxtLvl.Value = LevelBoxValue(type, m_c.TxtLvl.raw());
  normaliseLevel();
  UpdateDialogState();
  m_c.TxtPrv = FunctionPreviewText(m_state.texts, m_state.installation, type, number);
}

void ClkEditModel::CboRepeat_Change() {
  m_c.RepeatCountVisible = m_c.CboRepeat.ListIndex != kRepeatOnce;
  UpdateDialogState();
}

void ClkEditModel::OptTabel_Click(int table) {
  m_c.OptTabel = table;
  UpdateDialogState();
}

void ClkEditModel::TxtLvl_LostFocus() {
  normaliseLevel();
  UpdateDialogState();
}

void ClkEditModel::UpdLvl_Click(bool up) {
  StepValueBox(m_state.texts, up, m_c.TxtLvl, kLevelFormat, kLevelMinPercent, kLevelMaxPercent);
  UpdateDialogState();
}

void ClkEditModel::TxtRepeat_Change(const std::string& text) {
  m_c.TxtRepeat.Text = text;
  UpdateDialogState();
}

// Rewriting the count's text is a text change, so the dialog state follows.
void ClkEditModel::TxtRepeat_LostFocus() {
  normaliseRepeat();
  UpdateDialogState();
}

void ClkEditModel::UpdRepeat_Click(bool up) {
  StepValueBox(m_state.texts, up, m_c.TxtRepeat, kNumberFormat, kRepeatMinCount,
               kRepeatMaxCount);
  UpdateDialogState();
}

void ClkEditModel::DatePic_Change(local_days date) {
  m_c.DatePic = LocalTime{date} + (m_c.DatePic - floor<days>(m_c.DatePic));
}

void ClkEditModel::TimePic_Change(int hour, int minute) {
  m_c.TimePic = floor<days>(m_c.TimePic) + hours{hour} + minutes{minute};
}

void ClkEditModel::normaliseLevel() {
  int min = kLevelMinPercent;
  int max = kLevelMaxPercent;
  NormaliseValueBox(m_state.texts, m_c.TxtLvl, kLevelFormat, min, max);
}

void ClkEditModel::normaliseRepeat() {
  int min = kRepeatMinCount;
  int max = kRepeatMaxCount;
  NormaliseValueBox(m_state.texts, m_c.TxtRepeat, kNumberFormat, min, max);
}

void ClkEditModel::UpdateDialogState() {
  UpdateLevelArea();
  UpdateDateAndRepeat();
}

void ClkEditModel::UpdateLevelArea() {
  if (m_c.CboFnc.ListIndex < 0 || m_c.CboLd.ListIndex < 0) {
    m_c.LevelVisible = false;
    m_c.VlagVisible = false;
    return;
  }
  const int type = HighByte(ChosenItem(m_c.CboLd));
  const FunctionPictureRule rule = PictureForFunction(type, m_c.TxtLvl.raw());
  if (!rule.levelShown) m_c.TxtLvl.Value = LevelBoxValue(type, kNoLevel);
  m_c.LevelVisible = rule.levelShown;
  m_c.VlagPicture = rule.picture;
  m_c.VlagVisible = true;
}

void ClkEditModel::UpdateDateAndRepeat() {
  if (m_c.OptTabel == kWorkdayTable || m_c.OptTabel == kWeekendTable) {
    m_c.DateVisible = false;
    m_c.RepeatVisible = false;
    m_c.RepeatCountVisible = false;
    return;
  }
  const int unit = m_c.CboRepeat.ListIndex;
  m_c.RepeatVisible = true;
  m_c.RepeatCountVisible = unit != kRepeatOnce;
  switch (unit) {
    case kRepeatMinutes:
    case kRepeatHours:
      m_c.DateVisible = false;
      break;
    case kRepeatDays:
    case kRepeatWorkdays:
    case kRepeatWeekendDays:
      m_c.DateVisible = m_c.TxtRepeat.Text != "1";
      break;
    default:
      m_c.DateVisible = true;
  }
}

std::optional<int> ClkEditModel::CmdOK_Click(Prompts& prompts) {
  if (m_c.CboFnc.ListIndex < 0 || m_c.CboLd.ListIndex < 0) {
    prompts.tell(m_state.texts.LoadText(kSelectAnItemText));
    return std::nullopt;
  }
  const int32_t code = ChosenItem(m_c.CboLd);
  const int table = m_c.OptTabel;
  const local_days date = OkReferenceDate(m_c.DatePic, table, m_c.CboRepeat.ListIndex,
                                         m_c.TxtRepeat.Value, m_clock.now());
  DatePic_Change(date);

  ClockLine& stored = m_state.clock.ClockTable[static_cast<size_t>(m_line)];
  stored.FunctionHigh = static_cast<uint8_t>(HighByte(code));
  stored.FunctionLow = static_cast<uint8_t>(LowByte(code));
  stored.Level = m_c.TxtLvl.raw();
  stored.RepeatCount = static_cast<uint8_t>(m_c.TxtRepeat.Value);
  stored.RepeatUnit = static_cast<uint8_t>(m_c.CboRepeat.ListIndex < 0 ? 0 : m_c.CboRepeat.ListIndex);
  stored.Table = static_cast<uint8_t>(table);
  SetLineDate(stored, date);
  const hh_mm_ss<minutes> time{duration_cast<minutes>(m_c.TimePic - floor<days>(m_c.TimePic))};
  stored.Hour = static_cast<uint8_t>(time.hours().count());
  stored.Minute = static_cast<uint8_t>(time.minutes().count());
  m_state.clock.ClocksChanged = true;
  return table;
}

void ClkEditModel::CmdCancel_Click() {
  if (m_line < 0) return;
  if (m_showSetting == kShowNewLine || m_showSetting == kShowNewLineAlso)
    m_state.clock.ClockTable[static_cast<size_t>(m_line)].FunctionHigh = 0;
}

}  // namespace ordalis
