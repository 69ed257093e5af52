// The Edit menu's "Check clock table": the findings of the dry run over one
// year from today in a list; a double-click on a finding shows its week in
// the main window and selects its line.
#pragma once

#include <QDialog>
#include <QMenu>
#include <functional>
#include <vector>

#include "app/program_state.h"
#include "base/clock_source.h"
#include "editor/clock_check.h"

namespace ordalis {

class CheckDialog : public QDialog {
  Q_OBJECT

 public:
  CheckDialog(const std::vector<Finding>& findings, const Texts& texts, QWidget* parent);

 signals:
  // The first line of a double-clicked finding (0-based).
  void lineChosen(int line);
};

// Adds the command to `menu`. `showLine` shows a line's week and selects it.
void AddCheckClockTableCommand(QMenu* menu, QWidget* parent, ProgramState& state, const Clock& clock,
                               std::function<void(int line)> showLine);

}  // namespace ordalis
