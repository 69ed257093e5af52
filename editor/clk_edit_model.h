// FrmClkEdit without its widgets: the state of the clock-line editor's
// controls and every reaction of the dialog, from loading a line to OK and
// Cancel. The widget shows these controls, passes the user's actions in
// and shows the result; it never computes a value itself.
//
// The line in ClockTable is not touched between Load and CmdOK_Click /
// CmdCancel_Click; all choices live in the controls below.
#pragma once

#include <optional>
#include <string>

#include "base/clock_source.h"
#include "week/clock_parts.h"
#include "base/prompts.h"
#include "editor/item_list.h"
#include "editor/value_box.h"

namespace ordalis {

// ShowSetting values of the opener.
enum ShowSettingCode : int {
  kShowNewLine = 1,       // the line was taken for this dialog
  kShowNewLineAlso = 2,   // treated as a new line as well
  kShowExistingLine = 3,  // an existing line is edited
};

constexpr int kSelectAnItemText = 905;  // "Select an item!"

// The limits of the two value boxes, in display units.
constexpr int kLevelMinPercent = 0;
constexpr int kLevelMaxPercent = 100;
constexpr int kRepeatMinCount = 1;
constexpr int kRepeatMaxCount = 100;

// What the dialog's controls hold.
struct ClkEditControls {
  int OptTabel = -1;  // checked table option, 0-4
  ItemList CboFnc;    // function types; item value = list code
  ItemList CboLd;     // functions of the type; item value = function code
  std::string TxtPrv;
  ValueBox TxtLvl;
  ItemList CboRepeat;  // repeat units 0-7; list index = unit
  ValueBox TxtRepeat;
  LocalTime DatePic{};  // reference date, with the time of day it came with
  LocalTime DatePicEarliest{};
  LocalTime DatePicLatest{};
  LocalTime TimePic{};  // only hour and minute count

  bool LevelVisible = false;        // LblLvl, TxtLvl, UpdLvl
  bool VlagVisible = false;         // VLAG
  int VlagPicture = 0;              // function picture 1-9
  bool DateVisible = true;          // LblDate, DatePic
  bool RepeatVisible = true;        // LblRepeat, CboRepeat
  bool RepeatCountVisible = true;   // TxtRepeat, UpdRepeat
};

class ClkEditModel {
 public:
  // state and clock must outlive the model.
  ClkEditModel(ClockParts state, const Clock& clock);
  ClkEditModel(const ClkEditModel&) = delete;
  ClkEditModel& operator=(const ClkEditModel&) = delete;

  // Fills the controls from the selected line. Returns false, changing
  // nothing, when no line is selected (the dialog then closes at once).
  bool Load(int showSetting);

  // Reactions. The list reactions run through the lists' SelectionChanged,
  // so the widget selects with controls().CboFnc.select(i) and so on.
  void OptTabel_Click(int table);
  // The text the user typed so far (no reaction of its own).
  void TxtLvl_Edit(const std::string& text) { m_c.TxtLvl.Text = text; }
  void TxtLvl_LostFocus();
  void UpdLvl_Click(bool up);
  void TxtRepeat_Change(const std::string& text);
  void TxtRepeat_LostFocus();
  void UpdRepeat_Click(bool up);
  // A new date keeps the picker's time of day; a new time keeps its date.
  void DatePic_Change(std::chrono::local_days date);
  void TimePic_Change(int hour, int minute);

  // OK: when a type and a function are chosen, writes the line, sets
  // ClocksChanged and returns the table whose tool-bar button the main
  // window presses; otherwise tells "Select an item!" and returns nullopt
  // (the dialog stays open, nothing is written).
  std::optional<int> CmdOK_Click(Prompts& prompts);
  // Cancel: a new line is freed again; an existing line stays as it was.
  void CmdCancel_Click();

  const ClkEditControls& controls() const { return m_c; }
  ClkEditControls& controls() { return m_c; }
  int lineIndex() const { return m_line; }
  int showSetting() const { return m_showSetting; }

  void UpdateDialogState();

 private:
  void CboFnc_Change();
  void CboLd_Change();
  void CboRepeat_Change();
  void FillRepeatUnits();
  void SelectStoredFunction(const ClockLine& line);
  void AddKeptFunctionType(const ClockLine& line);
  void UpdateLevelArea();
  void UpdateDateAndRepeat();
  void normaliseLevel();
  void normaliseRepeat();
  const ClockLine& line() const;

  ClockParts m_state;
  const Clock& m_clock;
  ClkEditControls m_c;
  int m_line = -1;
  int m_showSetting = kShowExistingLine;
  // A stored function whose type the type list lacks (128 or more): listed
  // under a type entry of its own so that it is kept unless another is picked.
  std::optional<uint16_t> m_keptFunction;
};

}  // namespace ordalis
