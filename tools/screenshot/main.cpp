// ordalis-screenshot OUT.png DEMODIR [functions]: shows the main window on
// the demo installation (DEMODIR/demo.nbt) and the demo clock file
// (DEMODIR/demo.clk), with the lines at Monday 19:30 selected, in the week
// view or, with "functions", in the Functions view, and saves what the screen
// shows of it. Run it under a display (scripts/screenshot.sh uses Xvfb).
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <string>

#include "base/qt/qt_prompts.h"
#include "app/clock_commands.h"
#include "mainwindow/qt/frm_klokken.h"
#include "mainwindow/qt/functions_view.h"
#include "mainwindow/qt/week_area.h"
#include "tools/program_arguments.h"
#include "week/week_geometry.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool functions = argc == 4 && std::string(argv[3]) == "functions";
  if (auto exit = ordalis::tools::UsageExit(argc, argv, functions ? 3 : 2,
                                            "usage: ordalis-screenshot OUT.png DEMODIR [functions]"))
    return *exit;
  const QString out = QString::fromLocal8Bit(argv[1]);
  const std::filesystem::path demo = argv[2];
  ordalis::ProgramState state;
  ordalis::SystemClock clock;
  ordalis::QtPrompts prompts;
  state.clock.InstallationPath = (demo / "demo.nbt").string();
  ordalis::FrmKlokken window(state, clock, prompts);
  prompts.setParent(&window);
  window.ReadInstallationFile();
  ordalis::ClockCommandContext context{state, prompts, {}};
  if (!ordalis::ReadClockFile(context, (demo / "demo.clk").string())) return 1;
  state.clock.ClockFileName = "demo.clk";
  window.ScrWeeks_Change();
  const QPointF spot(ordalis::week::TimeX(19, 30), ordalis::week::ReferenceY(0));
  window.weekArea()->mouseDown(Qt::LeftButton, spot);
  window.weekArea()->mouseUp(spot);
  window.GlobalTimer_Timer();
  if (functions) window.functionsView()->toggle()->trigger();
  window.show();
  QTimer::singleShot(500, &window, [&] {
    const bool saved = window.screen()->grabWindow(window.winId()).save(out);
    std::cout << (saved ? out.toStdString() : "could not save " + out.toStdString()) << "\n";
    application.exit(saved ? 0 : 1);
  });
  return application.exec();
}
