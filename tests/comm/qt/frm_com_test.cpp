// The communication dialog against the simulated central on an in-memory
// line: what OK will do, a good send with its progress and its report, and
// Cancel and the close box during a transfer. Transfers run on the dialog's
// worker thread on a virtual clock, so they take no real time; a gate in the
// line holds a transfer where a test needs it running. One test runs end to
// end against ordalis-sim through a pseudo-terminal, in real time.
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "base/virtual_clock.h"

#include "app/program_state.h"
#include "comm/linked_central.h"
#include "comm/qt/frm_com.h"
#include "comm/qt/qt_serial_link.h"
#include "support/line_builder.h"

using namespace ordalis;
using namespace std::chrono_literals;

namespace {

// Holds a transfer at its first wait for input until the test lets it go.
struct Gate {
  std::mutex mutex;
  std::condition_variable changed;
  bool hold = false;
  bool held = false;
};

// The port of one transfer: the test's line behind the gate.
class GatedLink final : public ByteLink {
 public:
  GatedLink(ByteLink& line, Gate& gate) : m_line(line), m_gate(gate) {}
  bool open(const std::string& port, const std::string& settings) override { return m_line.open(port, settings); }
  void close() override { m_line.close(); }
  bool isOpen() const override { return m_line.isOpen(); }
  bool write(std::span<const uint8_t> bytes) override { return m_line.write(bytes); }
  std::size_t bytesToWrite() const override { return m_line.bytesToWrite(); }
  std::size_t bytesAvailable() const override { return m_line.bytesAvailable(); }
  std::optional<uint8_t> readByte() override { return m_line.readByte(); }
  bool waitForInput(std::chrono::milliseconds timeout) override {
    {
      std::unique_lock lock(m_gate.mutex);
      if (m_gate.hold) m_gate.held = true;
      m_gate.changed.wait(lock, [this] { return !m_gate.hold; });
    }
    return m_line.waitForInput(timeout);
  }
  bool waitForBytesWritten(std::chrono::milliseconds timeout) override { return m_line.waitForBytesWritten(timeout); }
  bool carrierDetect() const override { return m_line.carrierDetect(); }
  void clearBuffers() override { m_line.clearBuffers(); }

 private:
  ByteLink& m_line;
  Gate& m_gate;
};

ClockLine lineOn(int day, uint8_t function) { return test::MakeLine({2026, 4, day, 7, 0, kContinueTable, kRepeatOnce, 0, 1, function}); }

struct Stage {
  Stage() {
    state.texts.FillTextTables();
    ResetInstallation(state.installation, 19200, 0);
    ApplyCentralModel(state.installation, state.texts, 0);
    state.settings.ComPort = 3;
    fixtures::MemoryLink::connect(pc, far);
    far.openAt(19200);
    far.setReceiver([this](uint8_t byte) { central.receive(byte, clock.monotonic()); });
  }
  FrmCom& open(const char* action) {
    dialog = std::make_unique<FrmCom>(
        state, prompts, clock, [this] { return std::make_unique<GatedLink>(pc, gate); },
        [](int port) { return "/dev/ttyS" + std::to_string(port - 1); });
    dialog->Action = action;
    dialog->show();
    return *dialog;
  }
  // The next transfer stops at its first wait for input until release().
  void holdTransfer() { gate.hold = true; }
  bool transferHeld() {
    std::lock_guard lock(gate.mutex);
    return gate.held;
  }
  void release() {
    std::lock_guard lock(gate.mutex);
    gate.hold = false;
    gate.changed.notify_all();
  }
  bool finishedTransfer() { return dialog->cmdSendOK->isEnabled() && !dialog->transferRunning(); }

  ProgramState state;
  test::CountingPrompts prompts;
  VirtualClock clock{makeLocalTime(2026, 4, 20, 12)};
  fixtures::MemoryLink pc{clock};
  fixtures::MemoryLink far{clock};
  fixtures::SimulatedCentral central{0, [this](uint8_t byte) { far.writeByte(byte); }};
  Gate gate;
  std::unique_ptr<FrmCom> dialog;
};

}  // namespace

class FrmComTest : public QObject {
  Q_OBJECT

 private slots:

  void aGoodSendShowsItsProgressIsReportedAndCancelBecomesClose() {
    Stage stage;
    stage.state.clock.ClockTable[0] = lineOn(6, 5);
    stage.state.clock.ClockTable[1] = lineOn(7, 5);
    FrmCom& dialog = stage.open("T");
    QCOMPARE(dialog.LblAction->text(), QString("Send the clock table to the central unit"));
    QCOMPARE(dialog.cmdSendCancel->text(), QString("Cancel"));
    QSignalSpy progress(dialog.PanProgress, &QProgressBar::valueChanged);
    QSignalSpy reported(&dialog, &FrmCom::clockTransferSucceeded);
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(dialog.PanProgress->value(), 100);
    QVERIFY(dialog.lblProgress->text().startsWith("Progress: 100%"));
    QVERIFY(progress.count() > 3);
    QVERIFY(stage.prompts.shown.empty());
    QCOMPARE(stage.central.sectionsWritten(), 1);
    QCOMPARE(stage.pc.portName(), std::string("/dev/ttyS2"));
    QCOMPARE(dialog.cmdSendOK->text(), QString("OK"));
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(reported.count(), 1);
    QVERIFY2(reported[0][0].toString().startsWith("Clock table sent: 2 lines, "), qPrintable(reported[0][0].toString()));
    QCOMPARE(dialog.cmdSendCancel->text(), QString("Close"));
  }

  void aTableTheCentralDoesNotKeepIsReportedOnceAndOKBecomesRetry() {
    Stage stage;
    stage.state.clock.ClockTable[7] = lineOn(6, 5);
    stage.central.faults.storeDifferent = true;
    FrmCom& dialog = stage.open("T");
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(dialog.PanProgress->value(), 0);
    QCOMPARE(stage.prompts.shown.size(), size_t(1));
    QCOMPARE(dialog.cmdSendOK->text(), QString::fromStdString(stage.state.texts.LoadText(38)));  // "Retry"
  }

  // Cancel, or the close box (refused while the transfer runs), stops it
  // with no message and the dialog open.
  void cancelOrTheRefusedCloseBoxStopsATransfer() {
    for (bool closeBox : {false, true}) {
      Stage stage;
      FrmCom& dialog = stage.open("T");
      stage.holdTransfer();
      QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
      QTRY_VERIFY(stage.transferHeld());
      QVERIFY(!dialog.cmdSendOK->isEnabled());
      QVERIFY(dialog.cmdSendCancel->isDefault());
      if (closeBox)
        QVERIFY(!dialog.close());
      else
        QTest::mouseClick(dialog.cmdSendCancel, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QVERIFY(dialog.StopComm);
      stage.release();
      QTRY_VERIFY(stage.finishedTransfer());
      QVERIFY(stage.prompts.shown.empty());
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.cmdSendOK->text(), QString("OK"));
      QVERIFY(dialog.close());
    }
  }

  // On the real serial port adapter, from the dialog's worker thread: a
  // verified send to ordalis-sim.
  void sendsThroughAPseudoTerminal() {
    const QString simulator = QStringLiteral(ORDALIS_BINARY_DIR "/ordalis-sim");
    if (!std::filesystem::exists(simulator.toStdString())) QSKIP("no ordalis-sim in this build: the end-to-end run is left out");
    QStandardPaths::setTestModeEnabled(true);  // the transfer log goes to the test's data folder
    QTemporaryDir dir;
    const std::string port = dir.filePath("central").toStdString();
    QProcess central;
    central.start(simulator, {"--link", QString::fromStdString(port), "--baud", "115200"});
    QVERIFY(central.waitForReadyRead(5000));  // it prints its device once the link is made
    Stage stage;
    stage.state.installation.Settings.BaudRate = 115200;
    stage.state.clock.ClockTable[7] = lineOn(6, 5);
    SystemClock clock;
    FrmCom dialog(stage.state, stage.prompts, clock, [] { return std::make_unique<QtSerialLink>(); },
                  [port](int) { return port; });
    dialog.Action = "T";
    dialog.show();
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QVERIFY(dialog.transferRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.transferRunning(), 20000);
    QCOMPARE(dialog.PanProgress->value(), 100);
    QVERIFY(dialog.ChkVerify->isChecked());  // on by default
    QVERIFY(dialog.lblProgress->text().endsWith(QString::fromStdString(stage.state.texts.LoadText(1144))));
    QVERIFY(stage.prompts.shown.empty());
    central.terminate();
    central.waitForFinished(3000);
  }
};

QTEST_MAIN(FrmComTest)
#include "frm_com_test.moc"
