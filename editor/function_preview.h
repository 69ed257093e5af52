// The multi-line preview of a function's definition that the editor shows
// under its lists: what a timed function, mood, message, if-then-else or
// process function does, or the load of an output.
#pragma once

#include <string>

#include "base/texts.h"
#include "installation/installation.h"

namespace ordalis {

// Lines separated by "\r\n". Takes the list code, not the real type, so the
// sensor and audio groups (and every code without a definition to show)
// give an empty text, as does a number outside its table.
std::string FunctionPreviewText(const Texts& texts, const Installation& installation,
                                int listCode, int number);

}  // namespace ordalis
