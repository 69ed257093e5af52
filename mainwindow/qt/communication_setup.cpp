// The main window's communication commands.
#include "mainwindow/qt/communication_setup.h"

#include <QStatusBar>

#include "app/settings_file.h"
#include "comm/qt/frm_com.h"
#include "comm/qt/halveron.h"
#include "comm/qt/online_test.h"
#include "comm/qt/qt_serial_link.h"
#include "mainwindow/qt/compare_with_central.h"
#include "mainwindow/qt/frm_klokken.h"

namespace ordalis {

void InstallCommunication(FrmKlokken& window, ProgramState& state, Prompts& prompts, const Clock& clock,
                          const std::string& settingsPath) {
  auto portDevice = [settingsPath](int port) { return SerialDeviceForPort(settingsPath, port); };
  auto* hvOcx = new Halveron(std::make_unique<QtSerialLink>(), clock, portDevice, &window);
  hvOcx->setObjectName("HVOcx");
  hvOcx->hide();
  auto* onLineTest = new OnLineTest(*hvOcx, state, prompts,
                                    [&window](const QString& text) { window.statusBar()->showMessage(text); },
                                    hvOcx);
  onLineTest->setObjectName("OnLineTest");
  window.setOnlineTest([onLineTest] { onLineTest->CmdTest_Click(); });

  CommunicationRun openDialog = [&window, &state, &prompts, portDevice](char mode) {
    SystemClock transferClock;
    FrmCom dialog(state, prompts, transferClock, [] { return std::make_unique<QtSerialLink>(); }, portDevice,
                  &window);
    dialog.Action = QString(QChar(mode));
    QObject::connect(&dialog, &FrmCom::clockTransferSucceeded, &window,
                     [&window](const QString& summary) { window.statusBar()->showMessage(summary); });
    dialog.exec();
    window.RefreshDayIcons();  // a whole-image receive brings new workdays
    return dialog.centralTable();
  };
  window.setCommunicationDialog([&window, &state, &prompts, &clock, openDialog](char mode) {
    if (mode == 'C')
      CompareWithCentral(&window, state, prompts, clock, openDialog);
    else
      openDialog(mode);
  });
}

}  // namespace ordalis
