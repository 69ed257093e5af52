// The on-line control widget and "Test On-Line" against the simulated
// central on an in-memory line. The line runs on a virtual clock: a test
// moves it on to let the central's answer arrive.
#include <QSignalSpy>
#include <QTest>

#include "base/virtual_clock.h"

#include "app/program_state.h"
#include "comm/linked_central.h"
#include "comm/qt/halveron.h"
#include "comm/qt/online_test.h"
#include "tools/fixtures/memory_link.h"
#include "tools/fixtures/simulated_central.h"

using namespace ordalis;
using namespace std::chrono_literals;

namespace {

struct Stage {
  Stage() {
    auto link = std::make_unique<fixtures::MemoryLink>(clock);
    pc = link.get();
    fixtures::MemoryLink::connect(*pc, far);
    far.openAt(19200);
    far.setReceiver([this](uint8_t byte) { central.receive(byte, clock.monotonic()); });
    hvOcx = std::make_unique<Halveron>(std::move(link), clock, [](int port) {
      return port == 2 ? std::string("/dev/pts/4") : std::string();
    });
    state.settings.ComPort = 2;
    state.settings.BaudRate = 9600;
    test.emplace(*hvOcx, state, prompts, [this](const QString& text) { statusLines << text; });
  }
  // Selects clock line `line` (0-based) with the given function and level.
  void selectLine(int line, uint8_t high, uint8_t low, uint8_t level) {
    ClockLine& clockLine = state.clock.ClockTable[static_cast<size_t>(line)];
    clockLine.FunctionHigh = high;
    clockLine.FunctionLow = low;
    clockLine.Level = level;
    state.clock.SelectedClockLine = line + 1;
  }
  // Lets the line carry the central's answer, then the widget read it.
  void letAnswerArrive() {
    clock.advanceTo(clock.monotonic() + 50ms);
    hvOcx->receive();
  }

  VirtualClock clock;
  fixtures::MemoryLink* pc = nullptr;
  fixtures::MemoryLink far{clock};
  fixtures::SimulatedCentral central{0, [this](uint8_t byte) { far.writeByte(byte); }};
  std::unique_ptr<Halveron> hvOcx;
  ProgramState state;
  test::CountingPrompts prompts;
  QStringList statusLines;
  std::optional<OnLineTest> test;
};

}  // namespace

class HalveronTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsItsFixedSizeWhenResized() {
    Stage stage;
    stage.hvOcx->resize(300, 200);
    QCOMPARE(stage.hvOcx->size(), Halveron::kFixedSize);
  }

  void raisesTheCentralsAnswerAsASignal() {
    Stage stage;
    QSignalSpy errMsg(stage.hvOcx.get(), &Halveron::ErrMsg);
    QCOMPARE(stage.hvOcx->InitComm(2, 19200), 0);
    QCOMPARE(stage.hvOcx->SetRelay(5, 1), 0);
    stage.letAnswerArrive();
    QCOMPARE(errMsg.count(), 1);
    QCOMPARE(errMsg[0][0].toInt(), 0);
    QCOMPARE(errMsg[0][1].toString(), QString("All OK"));
  }

  void raisesReportsWithTheirConvertedValues() {
    Stage stage;
    stage.far.setReceiver({});  // the test plays the central
    QSignalSpy dimmer(stage.hvOcx.get(), &Halveron::Dimmer);
    QSignalSpy temperature(stage.hvOcx.get(), &Halveron::Temperature);
    QSignalSpy key(stage.hvOcx.get(), &Halveron::TpKey);
    stage.hvOcx->InitComm(2, 19200);
    stage.far.write(EncodeFrame(std::vector<uint8_t>{8, 2, 6, 127}));
    stage.far.write(EncodeFrame(std::vector<uint8_t>{6, 1, 3, 100}));
    stage.far.write(EncodeFrame(std::vector<uint8_t>{4, 9, 8, 7}));
    stage.letAnswerArrive();
    QCOMPARE(dimmer.count(), 1);
    QCOMPARE(dimmer[0][1].toInt(), 50);
    QCOMPARE(temperature.count(), 1);
    QCOMPARE(temperature[0][1].toDouble(), 10.0);
    QCOMPARE(key[0], (QVariantList{9, 8, 7}));
  }

  void readsAnswersOnItsOwnWhileThePortIsOpen() {
    Stage stage;
    QSignalSpy errMsg(stage.hvOcx.get(), &Halveron::ErrMsg);
    stage.hvOcx->InitComm(2, 19200);
    stage.hvOcx->SetRelay(5, 1);
    stage.clock.advanceTo(stage.clock.monotonic() + 50ms);
    QTRY_COMPARE(errMsg.count(), 1);
  }

  void namesTheProgramAndItsVersion() {
    Stage stage;
    QVERIFY(stage.hvOcx->GetVersion().contains(" version "));
  }

  void testOnLineSendsTheSelectedLineAndShowsTheAnswer() {
    Stage stage;
    stage.selectLine(6, 2, 7, 127);
    stage.test->CmdTest_Click();
    QCOMPARE(stage.pc->portName(), std::string("/dev/pts/4"));
    const std::vector<uint8_t> frame = EncodeFrame(std::vector<uint8_t>{1, 2, 7, 50});  // 127 is 50 %
    QCOMPARE(stage.pc->written(), frame);
    QVERIFY(stage.test->waitingForAnswer());
    stage.letAnswerArrive();
    QCOMPARE(stage.statusLines, QStringList{"Test On-Line: All OK"});
    QVERIFY(!stage.pc->isOpen());
    QCOMPARE(stage.prompts.beeps, 0);
  }

  void testOnLineWithoutAnAnswerSaysSoAndClosesThePort() {
    Stage stage;
    stage.central.faults.noAnswer = true;
    stage.selectLine(0, 1, 5, 255);
    stage.test->setAnswerTime(1ms);
    QSignalSpy finished(stage.test.operator->(), &OnLineTest::finished);
    stage.test->CmdTest_Click();
    QVERIFY(finished.wait());
    QCOMPARE(stage.statusLines, QStringList{"Test On-Line: No answer"});
    QVERIFY(!stage.pc->isOpen());
  }

  void testOnLineBeepsWhenThePortDoesNotOpen() {
    Stage stage;
    stage.pc->setRefuseOpen(true);
    stage.selectLine(0, 1, 5, 255);
    stage.test->CmdTest_Click();
    QCOMPARE(stage.prompts.beeps, 1);
    QVERIFY(stage.pc->written().empty());
    QVERIFY(!stage.test->waitingForAnswer());
  }

  void testOnLineBeepsForAPortWithoutDevice() {
    Stage stage;
    stage.state.settings.ComPort = 7;
    stage.selectLine(0, 1, 5, 255);
    stage.test->CmdTest_Click();
    QCOMPARE(stage.prompts.beeps, 1);
    QCOMPARE(stage.pc->openCount(), 0);
  }

  void testOnLineWithoutASelectedLineSaysSoAndOpensNothing() {
    Stage stage;
    stage.test->CmdTest_Click();
    QCOMPARE(stage.pc->openCount(), 0);
    QCOMPARE(stage.prompts.texts(), std::vector<std::string>{"Select an item!"});
    QCOMPARE(stage.prompts.beeps, 0);
  }
};

QTEST_MAIN(HalveronTest)
#include "halveron_test.moc"
