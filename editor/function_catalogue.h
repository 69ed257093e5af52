// The functions a clock line can switch, as the editor lists them: the list
// of function types (by list code) and, for one list code, the functions of
// the installation with their function codes.
//
// List codes are function types, except the two groups: 65 (sensor
// functions, types 21 to 26) and 66 (audio commands, types 32 to 49).
#pragma once

#include <cstdint>

#include "base/texts.h"
#include "editor/item_list.h"
#include "installation/installation.h"

namespace ordalis {

constexpr int kSensorListCode = 65;
constexpr int kAudioListCode = 66;
constexpr int kFunctionTypeListSize = 16;

// The detail level at which the editor fills its lists.
constexpr int kFullDetail = 2;

// Texts of the first two entries of the type list.
constexpr int kRelaysText = 210;
constexpr int kDimmersText = 211;

// The list code under which a function type is listed: sensor functions
// (21 to 27) under 65, audio commands (32 to 49) under 66, others their own.
int ListCodeOfType(int type);

// Empties the list and adds the 16 function types, each with its list code
// as item value.
void FillFunctionTypeList(const Texts& texts, ItemList& list);

// Adds (without emptying the list) the functions of a list code in
// catalogue order, each with its description and its function code as item
// value. detail 1 leaves out the rarer audio and sensor commands. An unknown
// list code adds nothing.
void FillFunctionList(const Texts& texts, const Installation& installation, ItemList& list,
                      int listCode, int style, bool tabbed, int detail);

}  // namespace ordalis
