// The compare command from fetch to the user's choice.
#include "mainwindow/qt/compare_with_central.h"

#include "app/clock_commands.h"
#include "comm/acting_comparison.h"
#include "mainwindow/qt/frm_compare.h"
#include "week/catalogue_texts.h"

namespace ordalis {

void CompareWithCentral(QWidget* parent, ProgramState& state, Prompts& prompts, const Clock& clock,
                        const CommunicationRun& openDialog) {
  const std::optional<ClockLineArray> central = openDialog('C');
  if (!central) return;
  const ClockLineArray& program = state.clock.ClockTable;
  const TableDifferences differences =
      CompareActingTables(program, *central, state.installation.Capacities.MaxClockLines, clock.now());
  FrmCompare dialog(DescribeDifferences(differences, program, *central,
                                        ProgramCatalogueTexts(state.texts, state.installation), state.texts),
                    state.texts, parent);
  dialog.exec();
  if (dialog.choice() == FrmCompare::SendProgramTable) {
    openDialog('T');
  } else if (dialog.choice() == FrmCompare::TakeCentralTable) {
    ClockCommandContext context{state, prompts, {}};
    if (SaveChangesFirst(context)) state.clock.ClockTable = *central;
  }
}

}  // namespace ordalis
