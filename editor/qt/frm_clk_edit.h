// FrmClkEdit: the modal dialog that fills or changes one clock line. Its
// logic is ClkEditModel's; this form shows the model's controls, hands the
// user's actions to it and shows the result again.
//
// Keyboard: Tab runs in reading order (table, type, function, level, time,
// date, repeat unit, count, OK, Cancel); the arrow keys pick the table and
// step the level and the count; Enter is OK and Escape is Cancel. The window's
// close box closes without touching the line.
#pragma once

#include <QDialog>
#include <QVariant>
#include <array>
#include <functional>

#include "base/clock_source.h"
#include "week/clock_parts.h"
#include "base/prompts.h"
#include "editor/clk_edit_model.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;

namespace ordalis {

class UpDown;

class FrmClkEdit : public QDialog {
  Q_OBJECT

 public:
  // state, clock and prompts must outlive the dialog.
  FrmClkEdit(ClockParts state, const Clock& clock, Prompts& prompts, QWidget* parent = nullptr);

  // 1 or 2: the line was taken for this dialog; 3: an existing line. Set by
  // the opener before the dialog is shown.
  QVariant ShowSetting = kShowExistingLine;

  // Loads the selected line into the controls. False when no line is
  // selected; the dialog then has nothing to show.
  bool Form_Load();
  // Loads and shows the dialog modally; returns Rejected at once when no
  // line is selected.
  int exec() override;

  const ClkEditModel& model() const { return m_model; }

 signals:
  // OK pressed: the main window shows the table of the line (tool-bar
  // button table + 8).
  void tableButtonPressed(int table);

 public slots:
  void CmdOK_Click();
  void CmdCancel_Click();
  // Escape is Cancel.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void layoutControls();
  void connectControls();
  void setTabOrder();
  // Shows every control as the model holds it, without echoing signals.
  void showModel();
  void showValueBoxes();
  void showVisibility();
  void showTableFocus();
  bool moveTableChoice(QObject* watched, QEvent* event);
  void stepLevel(bool up);
  void stepRepeat(bool up);
  // The focus-out normalisation of a value box that still has the focus
  // when OK is pressed with Enter.
  void commitFocusedBox();

  ClockParts m_state;
  Prompts& m_prompts;
  ClkEditModel m_model;

  QLabel* LblTabel;
  std::array<QRadioButton*, 5> OptTabel{};
  QButtonGroup* m_tables;
  QLabel* LblFnc;
  QComboBox* CboFnc;
  QLabel* LblLd;
  QComboBox* CboLd;
  QPlainTextEdit* TxtPrv;
  QLabel* LblLvl;
  QLineEdit* TxtLvl;
  UpDown* UpdLvl;
  QLabel* VLAG;
  QLabel* LblTijd;
  QTimeEdit* TimePic;
  QLabel* LblDate;
  QDateEdit* DatePic;
  QLabel* LblRepeat;
  QComboBox* CboRepeat;
  QLineEdit* TxtRepeat;
  UpDown* UpdRepeat;
  QPushButton* CmdOK;
  QPushButton* CmdCancel;
};

// Opens the editor that `owner` keeps (made on first use) on the selected
// line: ShowSetting 1 for a new line, 3 for an existing one. OK presses the
// table's button through pressTableButton. Returns whether the line is in
// use afterwards (false after Cancel on a new line).
bool OpenClockLineEditor(QWidget* owner, ClockParts state, const Clock& clock, Prompts& prompts,
                         bool isNew, const std::function<void(int table)>& pressTableButton);

}  // namespace ordalis
