// The main window's commands: file commands, new / edit / delete of a line,
// communication, print, the week scroll bar and the 500 ms timer.
#include <QDate>
#include <QFileInfo>
#include <QWindow>

#include "base/qt/qt_dates.h"
#include "app/clock_commands.h"
#include "clock/selected_line.h"
#include "week/catalogue_texts.h"
#include "app/line_commands.h"
#include "app/open_installation_command.h"
#include "mainwindow/qt/frm_klokken.h"
#include "export/qt/export_dialog.h"
#include "export/qt/week_painting.h"
#include "export/qt/week_print_preview.h"
#include "mainwindow/qt/klokken_body.h"
#include "mainwindow/qt/selection_panel_widget.h"
#include "mainwindow/qt/week_area.h"

namespace ordalis {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

constexpr int kWeekHeaderText = 1178;

}  // namespace

ClockCommandContext FrmKlokken::commandContext() {
  return ClockCommandContext{m_state, m_prompts, [this] { ScrWeeks_Change(); }};
}

// New is an undo step; the empty table counts as saved (there is nothing in
// it to lose), so undoing it brings the old table back as a change.
void FrmKlokken::mmuFileNew_Click() {
  ClockCommandContext context = commandContext();
  if (!SaveChangesFirst(context)) return;
  noteSaved();
  const ClockLineArray before = m_state.clock.ClockTable;
  NewClockTable(context);
  recordStep(StepKind::NewTable, before, m_state.clock.ClocksChanged);
  m_state.clock.ClocksChanged = false;
  noteSaved();
}

// Opening a file starts a new history.
void FrmKlokken::mmuFileOpenCLK_Click() {
  ClockCommandContext context = commandContext();
  if (ordalis::mmuFileOpenCLK_Click(context)) m_history.Reset();
  noteSaved();
}

void FrmKlokken::mmuFileSave_Click() {
  ClockCommandContext context = commandContext();
  ordalis::mmuFileSave_Click(context);
  noteSaved();
  GlobalTimer_Timer();
}

void FrmKlokken::mmuFileSaveAs_Click() {
  ClockCommandContext context = commandContext();
  ordalis::mmuFileSaveAs_Click(context);
  noteSaved();
  GlobalTimer_Timer();
}

void FrmKlokken::mmuFileOpenNBT_Click() {
  OpenInstallationCommand(m_state, m_prompts);
  RefreshDayIcons();
  ScrWeeks_Change();
  GlobalTimer_Timer();
}

void FrmKlokken::ReadInstallationFile() {
  ReadInstallationFromPath(m_state, m_prompts);
  RefreshDayIcons();
}

// Receiving replaces the table: unsaved changes are offered for saving first.
void FrmKlokken::mmuComGet_Click() {
  ClockCommandContext context = commandContext();
  if (!SaveChangesFirst(context)) return;
  noteSaved();
  const ClockLineArray before = m_state.clock.ClockTable;
  m_communicationDialog('R');
  recordStep(StepKind::Receive, before, m_state.clock.ClocksChanged);
  ScrWeeks_Change();
}

// Sending brings the reference dates up to date: that change is a step too.
void FrmKlokken::mmuComSend_Click() {
  const ClockLineArray before = m_state.clock.ClockTable;
  m_communicationDialog('T');
  recordStep(StepKind::UpdateDates, before, m_state.clock.ClocksChanged);
  ScrWeeks_Change();  // "Ophalen" may have replaced the table
}

// Compare with central: the differences dialog may replace the table.
void FrmKlokken::mmuComCompare_Click() {
  m_communicationDialog('C');
  ScrWeeks_Change();
}

PrintJob FrmKlokken::printJob() const {
  return PrintJob{m_state, toQDate(m_state.clock.WeekStart), 1,
                  QDateTime(toQDate(m_clock.now()), toQTime(m_clock.now()))};
}

void FrmKlokken::Print_Click() {
  QPrinter printer(QPrinter::HighResolution);
  WeekPrintPreview(printer, printJob(), this).exec();
}

void FrmKlokken::mmuFileExport_Click() { RunExport(printJob(), m_prompts, this); }

void FrmKlokken::CmdTest_Click() { m_onlineTest(); }

// A cancelled new line leaves the table byte for byte as it was.
void FrmKlokken::mmuNieuw_Click(int table) {
  const ClockLineArray before = m_state.clock.ClockTable;
  const bool wasChanged = m_state.clock.ClocksChanged;
  const std::optional<int> line = StartNewClockLine(m_state, m_clock, m_prompts, table);
  if (!line) return;
  const bool accepted = m_clockLineEditor(true);
  const bool kept = FinishNewClockLine(m_state, *line, accepted);
  if (!kept) m_state.clock.ClockTable = before;
  recordStep(StepKind::AddLine, before, wasChanged);
  if (kept)
    afterEditor(*line);
  else
    ScrWeeks_Change();
}

void FrmKlokken::mmuEditProp_Click() {
  const std::optional<int> selected = SelectedLineOrSay(m_state.clock, m_state.texts, m_prompts);
  if (!selected) return;
  const int line = *selected;
  const ClockLineArray before = m_state.clock.ClockTable;
  const bool wasChanged = m_state.clock.ClocksChanged;
  m_clockLineEditor(false);
  m_state.clock.ClocksChanged = true;
  recordStep(StepKind::EditLine, before, wasChanged);
  if (m_state.clock.ClockTable[static_cast<size_t>(line)].inUse())
    afterEditor(line);
  else
    ScrWeeks_Change();
}

void FrmKlokken::mmuDelete_Click() {
  const ClockLineArray before = m_state.clock.ClockTable;
  const bool wasChanged = m_state.clock.ClocksChanged;
  if (!DeleteSelectedLine(m_state, m_prompts, ProgramCatalogueTexts(m_state.texts, m_state.installation))) return;
  recordStep(StepKind::DeleteLine, before, wasChanged);
  ScrWeeks_Change();
  m_model.SetSelected(0, 0);
  showModel();
}

// Shows the week of the line's moment and selects what stands on its spot.
void FrmKlokken::afterEditor(int line) {
  m_model.JumpToLine(line);
  showWeekOffset();
  showModel();
}

void FrmKlokken::ScrWeeks_Change() {
  m_prompts.setBusy(true);
  m_model.Repaint();
  showModel();
  m_prompts.setBusy(false);
}

void FrmKlokken::scrollWeeks(int by) { m_scrWeeks->setValue(m_scrWeeks->value() + by); }

// The scroll bar follows a week offset that the model chose itself.
void FrmKlokken::showWeekOffset() {
  const QSignalBlocker blocker(m_scrWeeks);
  m_scrWeeks->setValue(m_model.WeekOffset());
}

void FrmKlokken::showModel() {
  m_pic->syncControls();
  m_body->setWeekStart(toQDate(m_model.WeekStart()), toQDate(m_clock.now()));
  showWeekHeader();
  showSelectionPanel();
}

// The ISO week number and the dates of its Monday and Sunday.
void FrmKlokken::showWeekHeader() {
  const QDate monday = toQDate(m_model.WeekStart());
  m_lblWeek->setText(qt(m_state.texts.LoadText(kWeekHeaderText))
                         .arg(monday.weekNumber())
                         .arg(weekpaint::DayDate(monday), weekpaint::DayDate(monday.addDays(6))));
}

void FrmKlokken::showSelectionPanel() {
  m_pic->syncControls();
  m_panel->showSlots(m_model.PanelSlots(), m_model.SelectedEntry());
  emit modelShown();
}

void FrmKlokken::RefreshDayIcons() {
  std::array<bool, 7> workdays{};
  for (size_t day = 0; day < workdays.size(); ++day)
    workdays[day] = m_state.installation.Settings.Workdays[day] == 1;
  m_pic->setDayIcons(workdays);
}

void FrmKlokken::GlobalTimer_Timer() {
  if (QAction* save = toolButton("SAVE")) save->setEnabled(m_state.clock.ClocksChanged);
  // The platform marks unsaved changes in the title where "[*]" stands.
  const QString caption = qt(MainWindowCaption(m_state.clock)) + "[*]";
  if (windowTitle() != caption) {
    setWindowTitle(caption);
    setWindowFilePath(QFileInfo(qt(m_state.clock.ClockFileName)).absoluteFilePath());
  }
  updateEditActions();
  m_lblVantrel[0]->setText(qt(m_state.texts.LoadText(1008)) + ":");
  m_lblVantrel[1]->setText(qt(FileNamePart(m_state.clock.InstallationPath)));
}

}  // namespace ordalis
