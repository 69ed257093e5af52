// FrmKlokken, the main window: the week view with its scroll bar and
// selection panel, the File, Edit and Communicatie menus, the tool bar, the
// four action buttons, the installation labels and the 500 ms GlobalTimer
// that keeps the caption, the save button and those labels current.
//
// The commands' logic lives in the core (clock file commands, line commands,
// the week-view model); this window turns the user's actions into calls and
// shows the results. Dialogs that later parts provide (the clock-line editor,
// the communication dialog, the on-line test) are reached through replaceable
// functions.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "base/clock_source.h"
#include "app/program_state.h"
#include "base/prompts.h"
#include "app/clock_commands.h"
#include "app/step_names.h"
#include "clock/clock_history.h"
#include "week/week_view_model.h"

class QMenu;
class QScrollArea;
class QToolBar;

namespace ordalis {

class FunctionsView;
struct PrintJob;

class KlokkenBody;
class LegendStrip;
class SelectionPanelWidget;
class WeekArea;

class FrmKlokken : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kTimerInterval = 500;  // milliseconds
  // Tool-bar keys of the six command buttons.
  static constexpr const char* kToolKeys[6] = {"NEW", "RCV", "SEND", "OPEN", "SAVE", "PRINT"};

  // Opens the clock-line editor on the selected line (new or existing);
  // returns true when the user confirmed it.
  using ClockLineEditor = std::function<bool(bool isNew)>;
  // Shows the communication dialog in mode 'R' (receive) or 'T' (transmit).
  using CommunicationDialog = std::function<void(char mode)>;
  // Switches the selected line's function on the central unit now.
  using OnlineTest = std::function<void()>;

  // state, clock and prompts must outlive the window.
  FrmKlokken(ProgramState& state, const Clock& clock, Prompts& prompts, QWidget* parent = nullptr);
  ~FrmKlokken() override;

  void setClockLineEditor(ClockLineEditor editor) { m_clockLineEditor = std::move(editor); }
  void setCommunicationDialog(CommunicationDialog dialog) { m_communicationDialog = std::move(dialog); }
  void setOnlineTest(OnlineTest test) { m_onlineTest = std::move(test); }

  WeekViewModel& model() { return m_model; }
  WeekArea* weekArea() const { return m_pic; }
  SelectionPanelWidget* selectionPanel() const { return m_panel; }
  KlokkenBody* body() const { return m_body; }
  // The scrolling part of the window that holds the body.
  QScrollArea* weekScroll() const { return m_weekScroll; }
  // The line above the week: "Week 49: 30-11-2026 – 06-12-2026".
  QLabel* weekHeader() const { return m_lblWeek; }
  FunctionsView* functionsView() const { return m_functions; }
  QScrollBar* scrWeeks() const { return m_scrWeeks; }
  QTimer* globalTimer() const { return m_globalTimer; }
  // Tool-bar button by key ("SAVE") or table toggle (0-4).
  QAction* toolButton(const QString& key) const;
  QAction* tableToggle(int table) const { return m_tableToggles[static_cast<size_t>(table)]; }

 public slots:
  // The commands other parts call.
  void mmuFileNew_Click();
  void mmuFileOpenCLK_Click();
  void mmuFileOpenNBT_Click();
  // Reads the installation file named by InstallationPath (start-up).
  void ReadInstallationFile();
  void mmuFileSave_Click();
  void mmuFileSaveAs_Click();
  void mmuComGet_Click();
  void mmuComSend_Click();
  void mmuComCompare_Click();
  // A new clock line in table 0-4 (Edit > New, CmdAdd with table 1).
  void mmuNieuw_Click(int table);
  void mmuEditProp_Click();
  void mmuDelete_Click();
  void CmdTest_Click();
  // The print preview of the shown week and the line list.
  void Print_Click();
  void mmuFileExport_Click();
  // Recomputes and redraws the whole week (after CheckDates).
  void ScrWeeks_Change();
  // The seven day icons from the installation's workday flags.
  void RefreshDayIcons();
  // Texts of the menus, tool bar and buttons in the active language.
  void SetFormTexts();
  void GlobalTimer_Timer();
  // Edit menu: undo and redo of table changes, and copies of lines.
  void Undo_Click();
  void Redo_Click();
  void Copy_Click();
  void Paste_Click();
  void Duplicate_Click();
  // Shows what the model changed: controls, selection panel, day names.
  void showModel();

 signals:
  // The window showed a new state of the model (lines, week, selection).
  void modelShown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // What Print and Export... paint: the shown week onwards, printed now.
  PrintJob printJob() const;
  void createMenus();
  void createToolBar();
  void createBody();
  void createStatusLine();
  void createShortcuts();
  void showWeekHeader();
  void connectWeekView();
  void showSelectionPanel();
  void afterEditor(int line);
  void scrollWeeks(int by);
  void showWeekOffset();
  void openEditMenu(QPoint globalPosition);
  ClockCommandContext commandContext();
  // The undo history's side (frm_klokken_edit.cpp).
  void createEditActions();
  void updateEditActions();
  // Records what a command did to the table since `before` as one undo step;
  // a command that changed nothing leaves ClocksChanged as `wasChanged`.
  bool recordStep(StepKind kind, const ClockLineArray& before, bool wasChanged);
  // The table as it stands is in the clock file when ClocksChanged is clear.
  void noteSaved();
  void showRestored(std::optional<int> line);
  void showNewLine(int line);
  // Paste and Duplicate: `placeCopy` puts a copy in a free line and returns it.
  void addLineCopy(StepKind kind, const std::function<std::optional<int>()>& placeCopy);
  void beginDrag();
  void finishDrag(int line);

  ProgramState& m_state;
  const Clock& m_clock;
  Prompts& m_prompts;
  WeekViewModel m_model;
  ClockLineEditor m_clockLineEditor;
  CommunicationDialog m_communicationDialog;
  OnlineTest m_onlineTest;

  KlokkenBody* m_body = nullptr;
  QScrollArea* m_weekScroll = nullptr;
  QLabel* m_lblWeek = nullptr;
  LegendStrip* m_legend = nullptr;
  WeekArea* m_pic = nullptr;
  SelectionPanelWidget* m_panel = nullptr;
  FunctionsView* m_functions = nullptr;
  QScrollBar* m_scrWeeks = nullptr;
  QTimer* m_globalTimer = nullptr;
  QToolBar* m_tlb = nullptr;
  std::array<QAction*, 5> m_tableToggles{};
  std::array<QAction*, 5> m_mmuNieuw{};
  std::array<QLabel*, 2> m_lblVantrel{};
  QMenu* m_mmuEdit = nullptr;
  QPushButton* m_cmdAdd = nullptr;
  QPushButton* m_cmdEdit = nullptr;
  QPushButton* m_cmdDelete = nullptr;
  QPushButton* m_cmdTest = nullptr;
  bool m_centred = false;
  ClockHistory m_history;
  QAction* m_undo = nullptr;
  QAction* m_redo = nullptr;
  ClockLineArray m_dragBefore{};  // the table when a drag began
  bool m_dragWasChanged = false;
  bool m_dragCopies = false;      // Ctrl was held: the drag copies the line
};

}  // namespace ordalis
