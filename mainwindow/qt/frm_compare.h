// FrmCompare, the differences dialog of "Compare with central": the lines
// only in the program, only in the central unit, and in both but different,
// with three ways out: send the program's table, take the central's, close.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "week/difference_texts.h"

namespace ordalis {

class FrmCompare : public QDialog {
  Q_OBJECT

 public:
  enum Choice { Close, SendProgramTable, TakeCentralTable };

  FrmCompare(const DifferenceTexts& differences, const Texts& texts, QWidget* parent = nullptr);

  Choice choice() const { return m_choice; }

  QListWidget* LstProgram = nullptr;
  QListWidget* LstCentral = nullptr;
  QListWidget* LstChanged = nullptr;
  QPushButton* CmdSend = nullptr;
  QPushButton* CmdTake = nullptr;
  QPushButton* CmdClose = nullptr;

 private:
  void choose(Choice choice);

  Choice m_choice = Close;
};

}  // namespace ordalis
