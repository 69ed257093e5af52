// One-line descriptions of function codes (type x 256 + number) and of
// interfaces, built from the installation tables and the text tables.
#pragma once

#include <string>

#include "base/texts.h"
#include "installation/installation.h"

namespace ordalis {

// Which parts a description shows.
enum FunctionTextStyle : int {
  kNameOnly = 0,
  kCodeAndName = 1,
  kNumberAndName = 2,  // what the editor's lists show
  kCodeNumberAndName = 3,
};

constexpr int kNoneText = 207;  // "None", the whole text of type 0

// The description of function number of type in a style: the type's code,
// the number (for sensors type 20 the number + 1) as "#00" right-aligned in
// three characters, and the name, separated by spaces or, when tabbed, by
// tabs; trailing spaces removed. A number outside its table has an empty
// name. Type 0 reads "None" and a type without names "Function: T N" in
// every style.
std::string FunctionText(const Texts& texts, const Installation& installation, int type,
                         int number, int style, bool tabbed);

// True when number is not -1 and the name-only text of the function is not
// empty.
bool FunctionExists(const Texts& texts, const Installation& installation, int type, int number);

// The description of interface n: "I 05", the module type's code, and the
// interface's whole 50-character name (trailing spaces kept).
std::string TouchPanelText(const Texts& texts, const Installation& installation, int n,
                           int style, bool tabbed);

// number formatted with at least two digits, right-aligned in width
// characters ("#00": 5 gives " 05" in three).
std::string FormatNumber00(int number, int width);

}  // namespace ordalis
