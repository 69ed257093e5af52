// The communication dialog says at its top what OK will do, reports a clock
// table that moved well with its number of lines and the time it took, and
// its Cancel button reads Close once the transfer has ended. The transfer
// runs against the simulated central on an in-memory line and a virtual clock.
#include <QSignalSpy>
#include <QTest>

#include "app/program_state.h"
#include "base/virtual_clock.h"
#include "comm/qt/frm_com.h"
#include "support/scripted_prompts.h"
#include "tools/fixtures/memory_link.h"
#include "tools/fixtures/simulated_central.h"

using namespace ordalis;

class ComDialogReportTest : public QObject {
  Q_OBJECT

 private slots:
  void aGoodSendIsReportedAndCancelBecomesClose() {
    ProgramState state;
    state.texts.FillTextTables();
    ResetInstallation(state.installation, 19200, 0);
    ApplyCentralModel(state.installation, state.texts, 0);
    for (uint8_t day : {6, 7})
      state.clock.ClockTable[day] =
          ClockLine{.Hour = 7, .Day = day, .Month = 4, .Year = 26, .FunctionHigh = 1, .FunctionLow = 5, .Level = 255};
    VirtualClock clock{makeLocalTime(2026, 4, 20, 12)};
    fixtures::MemoryLink far{clock};
    fixtures::SimulatedCentral central{0, [&](uint8_t byte) { far.writeByte(byte); }};
    far.openAt(19200);
    far.setReceiver([&](uint8_t byte) { central.receive(byte, clock.monotonic()); });
    test::ScriptedPrompts prompts;
    auto linkToCentral = [&] {
      auto pc = std::make_unique<fixtures::MemoryLink>(clock);
      fixtures::MemoryLink::connect(*pc, far);
      return pc;
    };
    FrmCom dialog(state, prompts, clock, linkToCentral, [](int) { return std::string("/dev/ttyS0"); });
    dialog.Action = "T";
    dialog.show();
    QCOMPARE(dialog.LblAction->text(), QString("Send the clock table to the central unit"));
    QCOMPARE(dialog.cmdSendCancel->text(), QString("Cancel"));
    QSignalSpy reported(&dialog, &FrmCom::clockTransferSucceeded);
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_COMPARE(reported.count(), 1);
    QVERIFY2(reported[0][0].toString().startsWith("Clock table sent: 2 lines, "), qPrintable(reported[0][0].toString()));
    QCOMPARE(dialog.cmdSendCancel->text(), QString("Close"));
  }
};

QTEST_MAIN(ComDialogReportTest)
#include "com_dialog_report_test.moc"
