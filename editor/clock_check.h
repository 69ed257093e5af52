// A dry run of the clock table: what the lines will do over a range of dates
// measured against the rules of the central unit and the installation, as a
// list of findings with a sentence each in the user's language. Lives beside
// the function catalogue because "a function the installation has" means
// "a function the editor offers".
#pragma once

#include <string>
#include <vector>

#include "base/texts.h"
#include "clock/firings.h"
#include "installation/installation.h"

namespace ordalis {

enum class FindingKind {
  NeverFires,       // a line in use that does not act in the range
  Contradiction,    // lines that switch one function at one minute to other levels
  MissingFunction,  // a line whose function the installation does not offer
  ManyFirings,      // a line that acts more than 96 times a day (information)
  NearlyFull,       // 90 % of the lines or more in use (information)
};

constexpr int kManyFiringsPerDay = 96;

struct Finding {
  FindingKind kind;
  std::vector<int> lines;  // 0-based, ascending; empty for the whole table
  std::optional<LocalTime> moment;  // where the week view shows it, when there is one spot
  std::string text;
  bool informational() const { return kind == FindingKind::ManyFirings || kind == FindingKind::NearlyFull; }
};

// "Information" or "Warning" for the finding, in the user's language.
std::string SeverityText(const Finding& finding, const Texts& texts);

// The snake_case name of a kind, as the command line prints it.
const char* FindingKindName(FindingKind kind);

// The findings for the lines below the installation's capacity over [from, to).
std::vector<Finding> CheckClockTable(const ClockLineArray& lines, const Installation& installation,
                                     const Texts& texts, LocalTime from, LocalTime to);

}  // namespace ordalis
