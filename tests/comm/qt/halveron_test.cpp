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

  // A command the control refuses, or a port that does not open, is said on
  // the status line at once, without waiting for an answer that cannot come.
  void aRefusedOrUnopenedCommandSaysWhyOnTheStatusLineAtOnce() {
    for (bool portOpens : {true, false}) {
      Stage stage;
      stage.pc->setRefuseOpen(!portOpens);
      stage.selectLine(0, 1, portOpens ? 150 : 5, 255);  // relays end at 144
      stage.test->CmdTest_Click();
      QCOMPARE(stage.statusLines, QStringList{portOpens ? "Test On-Line: function out of range"
                                                        : "Test On-Line: port did not open"});
      QVERIFY(!stage.test->waitingForAnswer());
      QVERIFY(stage.pc->written().empty());
      QVERIFY(!stage.pc->isOpen());
    }
    Stage unselected;
    unselected.test->CmdTest_Click();
    QCOMPARE(unselected.pc->openCount(), 0);
    QCOMPARE(unselected.prompts.texts(), std::vector<std::string>{"Select an item!"});
  }
};

QTEST_MAIN(HalveronTest)
#include "halveron_test.moc"
