// The names and order of the Functions view's lanes, taken from the line
// editor's catalogue: functions in the order of the editor's type list and
// function lists, named as those lists name them.
#pragma once

#include "base/texts.h"
#include "installation/installation.h"
#include "week/function_lanes.h"

namespace ordalis {

// Reads the catalogue of `installation` once, when it is called; texts and
// installation must outlive the result. A function the catalogue does not
// list (an unnamed output, a type the editor does not offer) comes after the
// listed ones, named by its description.
LaneCatalogue ProgramLaneCatalogue(const Texts& texts, const Installation& installation);

}  // namespace ordalis
