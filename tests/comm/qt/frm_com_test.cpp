// The communication dialog against the simulated central on an in-memory
// line: loading and the modem rules, the send button in both directions with
// its progress, a fault with its message and "Retry", Cancel and the close
// box during a transfer, and the whole-image receive. Transfers run on the
// dialog's worker thread on a virtual clock, so they take no real time; a
// gate in the line holds a transfer where a test needs it running.
#include <QSignalSpy>
#include <QTest>
#include <condition_variable>
#include <mutex>

#include "base/virtual_clock.h"

#include "app/program_state.h"
#include "comm/linked_central.h"
#include "comm/qt/frm_com.h"
#include "image/image_codec.h"
#include "tools/fixtures/memory_link.h"
#include "tools/fixtures/simulated_central.h"

using namespace ordalis;
using namespace std::chrono_literals;

namespace {

// The port of one transfer: the test's line, optionally held at its first
// wait for input until the test lets it go.
class GatedLink final : public ByteLink {
 public:
  GatedLink(ByteLink& line, std::mutex& mutex, std::condition_variable& changed, bool& hold, bool& held)
      : m_line(line), m_mutex(mutex), m_changed(changed), m_hold(hold), m_held(held) {}
  bool open(const std::string& port, const std::string& settings) override { return m_line.open(port, settings); }
  void close() override { m_line.close(); }
  bool isOpen() const override { return m_line.isOpen(); }
  bool write(std::span<const uint8_t> bytes) override { return m_line.write(bytes); }
  std::size_t bytesToWrite() const override { return m_line.bytesToWrite(); }
  std::size_t bytesAvailable() const override { return m_line.bytesAvailable(); }
  std::optional<uint8_t> readByte() override { return m_line.readByte(); }
  bool waitForInput(std::chrono::milliseconds timeout) override {
    std::unique_lock lock(m_mutex);
    if (m_hold) {
      m_held = true;
      m_changed.notify_all();
      m_changed.wait(lock, [this] { return !m_hold; });
    }
    lock.unlock();
    return m_line.waitForInput(timeout);
  }
  bool waitForBytesWritten(std::chrono::milliseconds timeout) override { return m_line.waitForBytesWritten(timeout); }
  bool carrierDetect() const override { return m_line.carrierDetect(); }
  void clearBuffers() override { m_line.clearBuffers(); }

 private:
  ByteLink& m_line;
  std::mutex& m_mutex;
  std::condition_variable& m_changed;
  bool& m_hold;
  bool& m_held;
};

ClockLine lineOn(uint8_t day, uint8_t function) {
  ClockLine line;
  line.Day = day;
  line.Month = 4;
  line.Year = 26;
  line.Hour = 7;
  line.Table = kContinueTable;
  line.FunctionHigh = 1;
  line.FunctionLow = function;
  line.Level = 255;
  return line;
}

struct Stage {
  Stage() {
    state.texts.FillTextTables();
    ResetInstallation(state.installation, 19200, 0);
    ApplyCentralModel(state.installation, state.texts, 0);
    state.settings.ComPort = 3;
    state.installation.Settings.BaudRate = 9600;
    state.installation.Modem.InitString.assign("  AT&F1  ");
    state.installation.Modem.Telephone.assign(" 0123 456 ");
    fixtures::MemoryLink::connect(pc, far);
    far.openAt(19200);
    far.setReceiver([this](uint8_t byte) { central.receive(byte, clock.monotonic()); });
  }
  FrmCom& open(const char* action) {
    dialog = std::make_unique<FrmCom>(
        state, prompts, clock, [this] { return std::make_unique<GatedLink>(pc, mutex, changed, hold, held); },
        [](int port) { return "/dev/ttyS" + std::to_string(port - 1); });
    dialog->Action = action;
    dialog->show();
    return *dialog;
  }
  // The next transfer stops at its first wait for input until release().
  void holdTransfer() { hold = true; }
  bool transferHeld() {
    std::lock_guard lock(mutex);
    return held;
  }
  void release() {
    std::lock_guard lock(mutex);
    hold = false;
    changed.notify_all();
  }
  bool finishedTransfer() { return dialog->cmdSendOK->isEnabled() && !dialog->transferRunning(); }

  ProgramState state;
  test::CountingPrompts prompts;
  VirtualClock clock{makeLocalTime(2026, 4, 20, 12)};
  fixtures::MemoryLink pc{clock};
  fixtures::MemoryLink far{clock};
  fixtures::SimulatedCentral central{0, [this](uint8_t byte) { far.writeByte(byte); }};
  std::mutex mutex;
  std::condition_variable changed;
  bool hold = false;
  bool held = false;
  std::unique_ptr<FrmCom> dialog;
};

}  // namespace

class FrmComTest : public QObject {
  Q_OBJECT

 private slots:
  void loadingSelectsTheStoredPortAndTheInstallationsBaudRate() {
    Stage stage;
    FrmCom& dialog = stage.open("T");
    QCOMPARE(dialog.cboPort->count(), 8);
    QCOMPARE(dialog.cboPort->currentText(), QString("COM3"));
    QCOMPARE(dialog.cboBaudrate->currentText(), QString("9600"));
    QCOMPARE(dialog.CmdRcv->text(), QString("Ophalen"));
    QCOMPARE(dialog.windowTitle(), QString("Communication"));
    QCOMPARE(dialog.TxttelNr->text(), QString("0123 456"));
    QVERIFY(dialog.ChkTimeSet->isVisible());
  }

  void aPortSettingOfNineLeavesNoSelection() {
    Stage stage;
    stage.state.settings.ComPort = 9;
    QCOMPARE(stage.open("T").cboPort->currentIndex(), -1);
  }

  void choosingAPortOrBaudRateTakesEffectAtOnce() {
    Stage stage;
    FrmCom& dialog = stage.open("T");
    dialog.cboPort->setCurrentIndex(4);
    emit dialog.cboPort->activated(4);
    dialog.cboBaudrate->setCurrentIndex(3);
    emit dialog.cboBaudrate->activated(3);
    QCOMPARE(stage.state.settings.ComPort, int16_t(5));
    QCOMPARE(stage.state.settings.BaudRate, 19200);
    QCOMPARE(stage.state.installation.Settings.BaudRate, 19200);
  }

  void theModemTypeDecidesTheInitialisationString() {
    Stage stage;
    stage.state.installation.Modem.InUse = 1;
    FrmCom& dialog = stage.open("T");
    QCOMPARE(dialog.TxtInitString->text(), QString("AT&F%C0"));
    QVERIFY(!dialog.TxtInitString->isEnabled());
    dialog.CboModem->setCurrentIndex(1);
    emit dialog.CboModem->activated(1);
    QCOMPARE(dialog.TxtInitString->text(), QString("ATZ0"));
    QVERIFY(!dialog.TxtInitString->isEnabled());
    dialog.CboModem->setCurrentIndex(2);
    emit dialog.CboModem->activated(2);
    QCOMPARE(dialog.TxtInitString->text(), QString("AT&F1"));
    QVERIFY(dialog.TxtInitString->isEnabled());
  }

  void clearingTheModemBoxDisablesTheModemFields() {
    Stage stage;
    stage.state.installation.Modem.InUse = 1;
    FrmCom& dialog = stage.open("T");
    QVERIFY(dialog.CboModem->isEnabled());
    QTest::mouseClick(dialog.ChkModem, Qt::LeftButton);
    for (QWidget* control : std::initializer_list<QWidget*>{dialog.CboModem, dialog.TxttelNr, dialog.ChkCallBack,
                                                            dialog.TxtInitString})
      QVERIFY(!control->isEnabled());
  }

  void clearingCallBackEmptiesTheNumber() {
    Stage stage;
    stage.state.installation.Modem.InUse = 1;
    stage.state.installation.Modem.Callback.assign("0123");
    FrmCom& dialog = stage.open("T");
    QVERIFY(dialog.ChkCallBack->isChecked());
    QCOMPARE(dialog.TxtCallBack->text(), QString("0123"));
    QTest::mouseClick(dialog.ChkCallBack, Qt::LeftButton);
    QVERIFY(dialog.TxtCallBack->text().isEmpty());
    QVERIFY(!dialog.TxtCallBack->isEnabled());
  }

  void sendingSucceedsWithProgressReachingAHundred() {
    Stage stage;
    stage.state.clock.ClockTable[0] = lineOn(6, 5);
    FrmCom& dialog = stage.open("T");
    QSignalSpy progress(dialog.PanProgress, &QProgressBar::valueChanged);
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(dialog.PanProgress->value(), 100);
    QCOMPARE(dialog.lblProgress->text(), QString("Progress: 100%"));
    QVERIFY(progress.count() > 3);
    QVERIFY(stage.prompts.shown.empty());
    QCOMPARE(stage.central.sectionsWritten(), 1);
    QCOMPARE(stage.pc.portName(), std::string("/dev/ttyS2"));
    QCOMPARE(dialog.cmdSendOK->text(), QString("OK"));
    QVERIFY(dialog.isVisible());
  }

  void aFaultGivesTheMessageAfterThreeRetriesAndRetryOnTheButton() {
    Stage stage;
    stage.central.faults.noEcho = true;
    FrmCom& dialog = stage.open("T");
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(stage.central.connects(), 4);
    QCOMPARE(stage.prompts.texts(), std::vector<std::string>{"Communication problem:\nNo table"});
    QCOMPARE(stage.prompts.shown[0].title, std::string("HALVERON Domotic systems"));
    QCOMPARE(stage.prompts.beeps, 4 + 5);
    QCOMPARE(dialog.cmdSendOK->text(), QString("Retry"));
    QVERIFY(dialog.cmdSendOK->isDefault());
    QCOMPARE(dialog.PanProgress->value(), 0);
  }

  void receivingReplacesTheClockTableWithTheCentrals() {
    Stage stage;
    stage.state.clock.ClockTable[2] = lineOn(8, 9);
    stage.open("T");
    QTest::mouseClick(stage.dialog->cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    stage.state.clock.ClockTable[2] = ClockLine{};
    FrmCom& dialog = stage.open("R");
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(stage.state.clock.ClockTable[2].FunctionLow, uint8_t(9));
    QVERIFY(stage.prompts.shown.empty());
  }

  void cancelDuringATransferEndsItWithNoMessageAndTheDialogOpen() {
    Stage stage;
    FrmCom& dialog = stage.open("T");
    stage.holdTransfer();
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.transferHeld());
    QVERIFY(!dialog.cmdSendOK->isEnabled());
    QVERIFY(dialog.cmdSendCancel->isDefault());
    QTest::mouseClick(dialog.cmdSendCancel, Qt::LeftButton);
    QVERIFY(dialog.StopComm);
    stage.release();
    QTRY_VERIFY(stage.finishedTransfer());
    QVERIFY(stage.prompts.shown.empty());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.cmdSendOK->text(), QString("OK"));
  }

  void theCloseBoxIsRefusedDuringATransferAndStopsIt() {
    Stage stage;
    FrmCom& dialog = stage.open("T");
    stage.holdTransfer();
    QTest::mouseClick(dialog.cmdSendOK, Qt::LeftButton);
    QTRY_VERIFY(stage.transferHeld());
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.StopComm);
    stage.release();
    QTRY_VERIFY(stage.finishedTransfer());
    QVERIFY(stage.prompts.shown.empty());
    QVERIFY(dialog.close());
  }

  void cancelWithoutATransferClosesTheDialog() {
    Stage stage;
    FrmCom& dialog = stage.open("T");
    QTest::mouseClick(dialog.cmdSendCancel, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  void programModemSendsTheCallBackCommandsAndSaysOk() {
    Stage stage;
    stage.state.installation.Modem.InUse = 1;
    stage.state.installation.Modem.Callback.assign("0123");
    FrmCom& dialog = stage.open("T");
    QTest::mouseClick(dialog.CmdPrgModem, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QCOMPARE(stage.prompts.texts(), std::vector<std::string>{"OK"});
    QVERIFY(!stage.central.modemLines().empty());
    QCOMPARE(stage.central.modemLines().front(), std::string("AT*P0:QUARVENT:0123"));
  }

  void ophalenReceivesTheWholeInstallationAndUnloadsTheDialog() {
    Stage stage;
    Installation source = stage.state.installation;
    source.Settings.Workdays = {1, 1, 1, 1, 0, 0, 1};
    MemoryImage image;
    BuildMemoryImage(image, source);
    for (int n = 0; n < kImageBlockCount; ++n) {
      const ImageArea& area = image.block(n)->Send;
      stage.central.memory[n].assign(area.Data.begin(), area.Data.begin() + area.Count);
    }
    FrmCom& dialog = stage.open("R");
    stage.prompts.answers = {Answer::Yes};  // the names may be replaced
    QTest::mouseClick(dialog.CmdRcv, Qt::LeftButton);
    QCOMPARE(dialog.lblProgress->text(), QString("Progress: Creating tabels"));
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stage.state.installation.Settings.Workdays, source.Settings.Workdays);
    QCOMPARE(stage.state.installation.Flags[3].Name.withoutTrailingSpaces(), std::string("Flags 3"));
  }

  void aFailedOphalenLeavesTheDialogOpenWithReceiveAsDefault() {
    Stage stage;
    stage.central.faults.noAnswer = true;
    FrmCom& dialog = stage.open("R");
    stage.prompts.answers = {Answer::Yes};
    QTest::mouseClick(dialog.CmdRcv, Qt::LeftButton);
    QTRY_VERIFY(stage.finishedTransfer());
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.CmdRcv->isDefault());
    QCOMPARE(stage.prompts.shown.size(), size_t(2));  // the question, then the failure
  }
};

QTEST_MAIN(FrmComTest)
#include "frm_com_test.moc"
