// ordalis: the desktop program. Takes no command-line arguments.
#include <QApplication>

#include "app/qt/entry_procedure.h"
#include "base/qt/qt_prompts.h"
#include "app/qt/settings_location.h"
#include "mainwindow/qt/frm_klokken.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ordalis::ProgramState state;
  ordalis::SystemClock clock;
  ordalis::QtPrompts prompts;
  ordalis::EntryEnvironment environment{state, clock, prompts, ordalis::settingsFilePath(), {}, {}, {}};
  std::unique_ptr<ordalis::FrmKlokken> window = ordalis::StartProgram(environment);
  if (!window) return 0;
  prompts.setParent(window.get());
  const int result = application.exec();
  ordalis::FinishProgram(environment);
  return result;
}
