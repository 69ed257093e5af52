// The texts of the selection panel's slots: one slot per line found at the
// clicked spot, with the function's name and level text on its first label
// and the moment with the repeat rule on its second.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "clock/clock_line.h"

namespace ordalis {

// Where the panel takes the catalogue's texts from: the name of a function
// (type, number) and the level text of a level for a function type.
struct CatalogueTexts {
  std::function<std::string(uint8_t type, uint8_t number)> functionName;
  std::function<std::string(uint8_t level, uint8_t type)> levelText;
};

struct PanelSlot {
  int line = -1;                 // index of the line the slot shows
  std::string functionText;      // LblFunctieA: name, a space, level text
  std::string momentText;        // LblFunctieB: "dd/mm hh:mm" and the repeat rule
  int picture = 0;               // ImgFnc: the function picture (1-9)
};

// "Eenmalig", or "Elke 2 Dag(en)" for a repeating line.
std::string RepeatRuleText(const ClockLine& line);

// "dd/mm hh:mm Eenmalig", or "dd/mm hh:mm Elke 2 Dag(en)" for a repeating line.
std::string SlotMomentText(const ClockLine& line);

// The whole slot for line `index`; missing catalogue texts count as empty.
PanelSlot MakePanelSlot(const ClockLineArray& table, int index, const CatalogueTexts& texts);

}  // namespace ordalis
