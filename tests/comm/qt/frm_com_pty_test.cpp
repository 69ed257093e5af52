// End to end: the communication dialog sends the demo clock table to
// ordalis-sim through a real pseudo-terminal, reads it back to verify it,
// receives it back and tests a line on-line, all on the real serial port
// adapter and in real time; and sees verification fail against a central
// that keeps another table.
#include <QProcess>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "comm/qt/frm_com.h"

#include "app/program_state.h"
#include "comm/qt/halveron.h"
#include "comm/qt/qt_serial_link.h"
#include "support/scripted_prompts.h"

using namespace ordalis;

namespace {

const QString kSimulator = QStringLiteral(ORDALIS_BINARY_DIR "/ordalis-sim");

ClockLine weeklyLine() {
  ClockLine line;
  line.Day = 2;
  line.Month = 3;
  line.Year = 26;
  line.Hour = 7;
  line.Minute = 30;
  line.Table = kContinueTable;
  line.RepeatUnit = 4;
  line.RepeatCount = 1;
  line.FunctionHigh = 1;
  line.FunctionLow = 5;
  line.Level = 255;
  return line;
}

}  // namespace

class FrmComPtyTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!std::filesystem::exists(kSimulator.toStdString())) QSKIP("ordalis-sim is not built");
    QStandardPaths::setTestModeEnabled(true);  // the transfer log goes to the test's data folder
    QVERIFY(m_dir.isValid());
    m_port = m_dir.filePath("central");
    startSimulator(m_simulator, m_port, {});
    m_state.texts.FillTextTables();
    ResetInstallation(m_state.installation, 115200, 0);
    ApplyCentralModel(m_state.installation, m_state.texts, 0);
    m_state.installation.Settings.BaudRate = 115200;
  }

  void cleanupTestCase() {
    for (QProcess* simulator : {&m_simulator, &m_faultySimulator}) {
      if (simulator->state() == QProcess::NotRunning) continue;
      simulator->terminate();
      simulator->waitForFinished(3000);
    }
  }

  void sendsAndReceivesTheClockTableThroughTheSimulatedCentral() {
    m_state.clock.ClockTable[7] = weeklyLine();
    runDialog("T", m_port);
    QCOMPARE(m_dialog->PanProgress->value(), 100);
    QVERIFY(m_dialog->ChkVerify->isChecked());  // on by default
    QVERIFY(m_dialog->lblProgress->text().endsWith(QString::fromStdString(m_state.texts.LoadText(1144))));
    m_state.clock.ClockTable[7] = ClockLine{};
    runDialog("R", m_port);
    QCOMPARE(m_dialog->PanProgress->value(), 100);
    QCOMPARE(m_state.clock.ClockTable[7].FunctionLow, uint8_t(5));
    QCOMPARE(m_state.clock.ClockTable[7].Hour, uint8_t(7));
    QVERIFY(m_prompts.shown.empty());
  }

  void verificationFailsAgainstACentralThatKeepsAnotherTable() {
    const QString port = m_dir.filePath("faulty");
    startSimulator(m_faultySimulator, port, {"--store-different"});
    m_state.clock.ClockTable[7] = weeklyLine();
    runDialog("T", port);
    QCOMPARE(m_dialog->PanProgress->value(), 0);
    QCOMPARE(m_prompts.shown.size(), size_t(1));
    QVERIFY(m_prompts.shown[0].text.find(m_state.texts.LoadText(1140)) != std::string::npos);
    QVERIFY(m_prompts.shown[0].text.find(": 8") != std::string::npos);  // line 8 as the user counts
    QCOMPARE(m_dialog->cmdSendOK->text(), QString::fromStdString(m_state.texts.LoadText(38)));  // "Retry"
  }

 private:
  static void startSimulator(QProcess& simulator, const QString& port, QStringList faults) {
    simulator.start(kSimulator, QStringList{"--link", port, "--baud", "115200"} + faults);
    QVERIFY(simulator.waitForReadyRead(5000));  // it prints its device once the link is made
  }

  void runDialog(const char* action, const QString& device) {
    const std::string port = device.toStdString();
    m_dialog = std::make_unique<FrmCom>(m_state, m_prompts, m_clock, [] { return std::make_unique<QtSerialLink>(); },
                                        [port](int) { return port; });
    m_dialog->Action = action;
    m_dialog->show();
    QTest::mouseClick(m_dialog->cmdSendOK, Qt::LeftButton);
    QVERIFY(m_dialog->transferRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->transferRunning(), 20000);
  }

  QTemporaryDir m_dir;
  QString m_port;
  QProcess m_simulator;
  QProcess m_faultySimulator;
  ProgramState m_state;
  SystemClock m_clock;
  test::ScriptedPrompts m_prompts;
  std::unique_ptr<FrmCom> m_dialog;
};

QTEST_MAIN(FrmComPtyTest)
#include "frm_com_pty_test.moc"
