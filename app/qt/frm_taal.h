// FrmTaal, the language dialog: seven buttons `CmdTaal` (index 0-6) in the
// frame "&Select Language:". A click sets the language offset to index x 10000
// and closes the dialog; closing it otherwise leaves the language as it was.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <array>

#include "base/texts.h"

namespace ordalis {

class FrmTaal : public QDialog {
  Q_OBJECT

 public:
  explicit FrmTaal(QWidget* parent = nullptr);

  // The chosen offset, or -1 when the dialog was closed without a choice.
  int chosenOffset() const { return m_chosenOffset; }
  QPushButton* CmdTaal(int index) const { return m_buttons[static_cast<size_t>(index)]; }

  // Shows the dialog modally; a chosen language goes into the language
  // setting and LanguageOffset. Returns whether one was chosen.
  static bool ChooseLanguage(int32_t& languageSetting, int32_t& languageOffset, QWidget* parent = nullptr);

 private:
  std::array<QPushButton*, kLanguageCount> m_buttons{};
  int m_chosenOffset = -1;
};

}  // namespace ordalis
