// "Test On-Line" with a command the on-line control refuses says why at
// once, without waiting for an answer that cannot come.
#include <QTest>

#include "app/program_state.h"
#include "comm/linked_central.h"
#include "comm/qt/halveron.h"
#include "comm/qt/online_test.h"

using namespace ordalis;

class OnlineRefusalTest : public QObject {
  Q_OBJECT

 private slots:
  void aRefusedOrUnopenedCommandSaysWhyOnTheStatusLineAtOnce() {
    struct Case {
      bool portOpens;
      uint8_t relay;
      QString status;
    };
    const Case cases[] = {{true, 150, "Test On-Line: function out of range"},  // relays end at 144 here
                          {false, 5, "Test On-Line: port did not open"}};
    for (const Case& c : cases) {
      VirtualClock clock;
      auto link = std::make_unique<fixtures::MemoryLink>(clock);
      fixtures::MemoryLink* pc = link.get();
      pc->setRefuseOpen(!c.portOpens);
      Halveron hvOcx(std::move(link), clock, [](int) { return std::string("/dev/pts/4"); });
      ProgramState state;
      state.clock.ClockTable[0].FunctionHigh = 1;
      state.clock.ClockTable[0].FunctionLow = c.relay;
      state.clock.SelectedClockLine = 1;
      test::CountingPrompts prompts;
      QStringList statusLines;
      OnLineTest onLine(hvOcx, state, prompts, [&](const QString& text) { statusLines << text; });
      onLine.CmdTest_Click();
      QCOMPARE(statusLines, QStringList{c.status});
      QVERIFY(!onLine.waitingForAnswer());
      QVERIFY(pc->written().empty());
      QVERIFY(!pc->isOpen());
    }
  }
};

QTEST_MAIN(OnlineRefusalTest)
#include "online_refusal_test.moc"
