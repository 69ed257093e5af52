// The differences dialog: three lists and three buttons.
#include "mainwindow/qt/frm_compare.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ordalis {

namespace {

constexpr int kCompareText = 1145;      // "Compare with central"
constexpr int kOnlyProgramText = 1146;
constexpr int kOnlyCentralText = 1147;
constexpr int kChangedText = 1148;
constexpr int kSendText = 1149;
constexpr int kTakeText = 1150;
constexpr int kSameText = 1151;         // "The clock tables are the same"
constexpr int kCloseText = 31;          // "Cancel"

QString qt(const std::string& text) { return QString::fromStdString(text); }

QListWidget* addList(QVBoxLayout* layout, const std::string& caption, const std::vector<std::string>& rows,
                     const char* name, QWidget* parent) {
  layout->addWidget(new QLabel(qt(caption + " (" + std::to_string(rows.size()) + ")"), parent));
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  for (const std::string& row : rows) list->addItem(qt(row));
  layout->addWidget(list);
  return list;
}

}  // namespace

FrmCompare::FrmCompare(const DifferenceTexts& differences, const Texts& texts, QWidget* parent) : QDialog(parent) {
  setObjectName("FrmCompare");
  setWindowTitle(qt(texts.LoadText(kCompareText)));
  auto* layout = new QVBoxLayout(this);
  const bool same = differences.onlyInProgram.empty() && differences.onlyInCentral.empty() &&
                    differences.changed.empty();
  if (same) layout->addWidget(new QLabel(qt(texts.LoadText(kSameText)), this));
  LstProgram = addList(layout, texts.LoadText(kOnlyProgramText), differences.onlyInProgram, "LstProgram", this);
  LstCentral = addList(layout, texts.LoadText(kOnlyCentralText), differences.onlyInCentral, "LstCentral", this);
  LstChanged = addList(layout, texts.LoadText(kChangedText), differences.changed, "LstChanged", this);
  CmdSend = new QPushButton(qt(texts.LoadText(kSendText)), this);
  CmdTake = new QPushButton(qt(texts.LoadText(kTakeText)), this);
  CmdClose = new QPushButton(qt(texts.LoadText(kCloseText)), this);
  CmdSend->setObjectName("CmdSend");
  CmdTake->setObjectName("CmdTake");
  CmdClose->setObjectName("CmdClose");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {CmdSend, CmdTake, CmdClose}) buttons->addWidget(button);
  layout->addLayout(buttons);
  connect(CmdSend, &QPushButton::clicked, this, [this] { choose(SendProgramTable); });
  connect(CmdTake, &QPushButton::clicked, this, [this] { choose(TakeCentralTable); });
  connect(CmdClose, &QPushButton::clicked, this, [this] { choose(Close); });
  CmdClose->setDefault(true);
  resize(720, 480);
}

void FrmCompare::choose(Choice choice) {
  m_choice = choice;
  choice == Close ? reject() : accept();
}

}  // namespace ordalis
