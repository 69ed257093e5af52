// FrmSelectClkAct, the start dialog: read clocks from a file, get them from
// the central unit, start with an empty table, or Cancel. Each action button
// hides the dialog, runs its main-window command and closes the dialog.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>

namespace ordalis {

class FrmSelectClkAct : public QDialog {
  Q_OBJECT

 public:
  struct Actions {
    std::function<void()> openClockFile;  // mmuFileOpenCLK_Click
    std::function<void()> receiveClocks;  // mmuComGet_Click
    std::function<void()> newTable;       // mmuFileNew_Click
  };

  explicit FrmSelectClkAct(Actions actions, QWidget* parent = nullptr);

  QPushButton* cmdOpenF() const { return m_cmdOpenF; }
  QPushButton* CmdLoad() const { return m_cmdLoad; }
  QPushButton* CmdNew() const { return m_cmdNew; }
  QPushButton* CmdCancel() const { return m_cmdCancel; }

 private:
  QPushButton* addButton(const char* name, std::function<void()> action);

  Actions m_actions;
  QPushButton* m_cmdOpenF;
  QPushButton* m_cmdLoad;
  QPushButton* m_cmdNew;
  QPushButton* m_cmdCancel;
};

}  // namespace ordalis
