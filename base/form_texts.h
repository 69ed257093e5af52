// The captions that each form's controls take from the string table when the
// form loads (and, for the main window and the communication dialog, each
// time it is activated). Controls not listed keep their design caption. The
// widgets look their controls up by these names and apply the captions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/texts.h"

namespace ordalis {

// How a caption is made from texts: text `first`, then, when set, one space
// and text `second`, then a colon when `colon` is set.
struct CaptionExpression {
  int first;
  int second = 0;
  bool colon = false;
};

// One row of the table. The control is named as in the form's design;
// members of a control array carry their index ("mmuNieuw(2)", "Tlb(5)"), and
// the form's own caption is listed under the form's name.
struct FormTextRow {
  const char* form;
  const char* control;
  CaptionExpression caption;
};

// Every row, form by form.
const std::vector<FormTextRow>& FormTextTable();

// The caption an expression gives in the active language.
std::string ResolveCaption(const Texts& texts, const CaptionExpression& caption);

// SetFormTexts as data: control name -> caption for one form ("FrmKlokken",
// "FrmClkEdit", "FrmCom", "FrmSelectClkAct"), in table order. Empty for a
// form without texts.
std::vector<std::pair<std::string, std::string>> formTexts(const Texts& texts,
                                                           const std::string& formName);

}  // namespace ordalis
