// The clock part of the program-wide state: the one clock table of 100 lines
// and the globals that go with it.
#pragma once

#include <cstdint>
#include <string>

#include "base/clock_source.h"
#include "clock/clock_line.h"

namespace ordalis {

// The eight repeat-unit names: fixed Dutch texts, the same in every language.
extern const char* const kRepeatUnitNames[kRepeatUnitCount];

struct ClockState {
  ClockLineArray ClockTable{};       // all zero at start: every line free
  std::string ClockFileName;         // path of the current clock file; may be relative
  uint8_t ClockFileFormat = 1;       // format byte of the current clock file
  bool ClocksChanged = false;        // changes not yet in the clock file
  // ClockFileName was made from the installation file's name, not chosen by
  // the user: the first save asks where the file goes.
  bool ClockFileNameDerived = false;
  LocalTime WeekStart{};             // Monday 00:00 of the shown week
  std::string InstallationPath;      // installation file in use ("NBTFile")
  int SelectedClockLine = 0;         // 1-based number of the selected line, 0 = none
  // Eight names padded to 50 characters, as the week view and editor show them.
  std::string RepeatUnitNames[kRepeatUnitCount];
};

}  // namespace ordalis
