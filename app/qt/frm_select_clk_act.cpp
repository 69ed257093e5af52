// The start dialog.
#include "app/qt/frm_select_clk_act.h"

#include <QVBoxLayout>

#include "base/qt/form_captions.h"

namespace ordalis {

FrmSelectClkAct::FrmSelectClkAct(Actions actions, QWidget* parent)
    : QDialog(parent), m_actions(std::move(actions)) {
  setObjectName("FrmSelectClkAct");
  setWindowTitle("Ordalis");
  new QVBoxLayout(this);
  m_cmdOpenF = addButton("cmdOpenF", m_actions.openClockFile);
  m_cmdLoad = addButton("CmdLoad", m_actions.receiveClocks);
  m_cmdNew = addButton("CmdNew", m_actions.newTable);
  m_cmdCancel = addButton("CmdCancel", nullptr);
  m_cmdCancel->setText("Cancel");
  setMinimumWidth(340);
  adjustSize();
  CenterForm(this);
}

QPushButton* FrmSelectClkAct::addButton(const char* name, std::function<void()> action) {
  auto* button = new QPushButton(this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  layout()->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
    if (action) {
      hide();
      action();
    }
    reject();
  });
  return button;
}

}  // namespace ordalis
