// ordalis: the desktop program. Apart from Qt's own options it takes only
// --help and --version, which it answers without opening a window.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/qt/entry_procedure.h"
#include "app/qt/settings_location.h"
#include "base/qt/qt_prompts.h"
#include "mainwindow/qt/frm_klokken.h"
#include "ordalis_version.h"

namespace {

constexpr const char* kUsage =
    "usage: ordalis [Qt options]\n"
    "Keeps the clock tables of a KVB home-automation central unit: shows them on a\n"
    "week view, edits them, keeps them in *.clk files and sends them to the central\n"
    "unit or fetches them from it over a serial line or a telephone modem.\n"
    "Settings are read from and written to Vantrel.ini in the user's configuration\n"
    "folder ($XDG_CONFIG_HOME or ~/.config).\n"
    "\n"
    "Options:\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  Qt's own options (for example -platform offscreen) are passed to Qt.\n"
    "\n"
    "Exit status: 0 when the program ends normally.\n";

// Answers --help and --version; false when the program should start.
bool answeredOption(int argc, char** argv, int& exitCode) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << kUsage;
      exitCode = 0;
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "ordalis " << ORDALIS_VERSION << "\n";
      exitCode = 0;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (int exitCode = 0; answeredOption(argc, argv, exitCode)) return exitCode;
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(ORDALIS_APP_ID);
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
