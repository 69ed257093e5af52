// The names of the undo steps.
#include "app/step_names.h"

#include "base/trimmed.h"
#include "clock/clock_history.h"

namespace ordalis {

namespace {

int VerbTextId(StepKind kind) {
  switch (kind) {
    case StepKind::AddLine: return 35;
    case StepKind::EditLine: return 1125;
    case StepKind::DeleteLine: return 36;
    case StepKind::MoveLine: return 1126;
    case StepKind::CopyLine: return 1122;
    case StepKind::PasteLine: return 1123;
    case StepKind::DuplicateLine: return 1124;
    case StepKind::NewTable: return 1127;
    case StepKind::Receive: return 1128;
    case StepKind::UpdateDates: return 1129;
  }
  return 0;
}

bool ConcernsOneLine(StepKind kind) {
  return kind != StepKind::NewTable && kind != StepKind::Receive && kind != StepKind::UpdateDates;
}

}  // namespace

std::string StepName(StepKind kind, const Texts& texts, const CatalogueTexts& catalogue,
                     const ClockLineArray& before, const ClockLineArray& after) {
  std::string name = texts.LoadText(VerbTextId(kind));
  const std::vector<int> changed = ChangedLines(before, after);
  if (!ConcernsOneLine(kind) || changed.empty()) return name;
  const int line = changed.front();
  const ClockLineArray& described = after[static_cast<size_t>(line)].inUse() ? after : before;
  const std::string what = Trimmed(MakePanelSlot(described, line, catalogue).functionText);
  return what.empty() ? name : name + " " + what;
}

}  // namespace ordalis
