// The language dialog.
#include "app/qt/frm_taal.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "base/qt/form_captions.h"

namespace ordalis {

FrmTaal::FrmTaal(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmTaal");
  setWindowTitle("HALVERON Domotic System");
  auto* frame = new QGroupBox("&Select Language:", this);
  auto* buttons = new QVBoxLayout(frame);
  for (int i = 0; i < kLanguageCount; ++i) {
    auto* button = new QPushButton(QString::fromUtf8(kLanguageNames[i]), frame);
    button->setObjectName("CmdTaal");
    button->setProperty("Index", i);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, i] {
      m_chosenOffset = kLanguageOffsets[static_cast<size_t>(i)];
      accept();
    });
    buttons->addWidget(button);
    m_buttons[static_cast<size_t>(i)] = button;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  adjustSize();
  CenterForm(this);
}

bool FrmTaal::ChooseLanguage(int32_t& languageSetting, int32_t& languageOffset, QWidget* parent) {
  FrmTaal dialog(parent);
  dialog.exec();
  if (dialog.chosenOffset() < 0) return false;
  languageSetting = dialog.chosenOffset();
  languageOffset = dialog.chosenOffset();
  return true;
}

}  // namespace ordalis
