// Prompts shown with Qt's message boxes and file dialogs.
#pragma once

#include <QWidget>

#include "base/prompts.h"

namespace ordalis {

class QtPrompts : public Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }

  Answer ask(const Message& message) override;
  std::optional<std::string> openFileName(const FileDialog& dialog) override;
  std::optional<std::string> saveFileName(const FileDialog& dialog) override;
  void setBusy(bool busy) override;
  void beep() override;

 private:
  QWidget* m_parent;
};

// "Klok bestanden (*.clk) |*.clk|Alle bestanden (*.*) |*.*" in Qt's form
// "Klok bestanden (*.clk);;Alle bestanden (*.*)".
QString qtFilter(const std::string& programFilter);

}  // namespace ordalis
