// The on-line test of the selected clock line.
#include "comm/qt/online_test.h"

#include "clock/selected_line.h"
#include "comm/halveron_control.h"

namespace ordalis {

namespace {
constexpr int kTestOnLineText = 998;  // "Test On-Line"
constexpr int kNoAnswerText = 652;    // "No answer"
constexpr int kPortDidNotOpenText = 1100;
constexpr int kFunctionOutOfRangeText = 1101;
constexpr int kLevelOutOfRangeText = 1102;

// Why the control refused a command it was given.
int RefusalText(int result) {
  if (result == kFirstArgumentOutOfRange) return kFunctionOutOfRangeText;
  if (result == kSecondArgumentOutOfRange) return kLevelOutOfRangeText;
  return kPortDidNotOpenText;
}
}  // namespace

OnLineTest::OnLineTest(Halveron& hvOcx, TransferParts state, Prompts& prompts, StatusLine statusLine,
                       QObject* parent)
    : QObject(parent), m_hvOcx(hvOcx), m_state(state), m_prompts(prompts), m_statusLine(std::move(statusLine)) {
  m_answerTimer.setSingleShot(true);
  m_answerTimer.setInterval(kAnswerTime);
  connect(&m_answerTimer, &QTimer::timeout, this, &OnLineTest::noAnswer);
  connect(&m_hvOcx, &Halveron::ErrMsg, this, &OnLineTest::answered);
}

void OnLineTest::CmdTest_Click() {
  if (waitingForAnswer()) return;
  const std::optional<int> selected = SelectedLineOrSay(m_state.clock, m_state.texts, m_prompts);
  if (!selected) {
    emit finished();
    return;
  }
  const int opened = m_hvOcx.InitComm(m_state.settings.ComPort, m_state.settings.BaudRate);
  if (opened != kPortOpen) {
    m_prompts.beep();
    finish(QString::fromStdString(m_state.texts.LoadText(kPortDidNotOpenText)));
    return;
  }
  const ClockLine& line = m_state.clock.ClockTable[static_cast<size_t>(*selected)];
  const int sent =
      m_hvOcx.SetFunction(line.FunctionHigh, line.FunctionLow, TestOnLineState(line.FunctionHigh, line.Level));
  if (sent != kCommandSent) {
    // Nothing went out: no answer can come, so the reason is shown at once.
    finish(QString::fromStdString(m_state.texts.LoadText(RefusalText(sent))));
    return;
  }
  m_answerTimer.start();
}

void OnLineTest::answered(int, const QString& text) {
  if (waitingForAnswer()) finish(text);
}

void OnLineTest::noAnswer() { finish(QString::fromStdString(m_state.texts.LoadText(kNoAnswerText))); }

void OnLineTest::finish(const QString& answer) {
  m_answerTimer.stop();
  m_hvOcx.EndComm();
  m_statusLine(QString::fromStdString(m_state.texts.LoadText(kTestOnLineText)) + ": " + answer);
  emit finished();
}

}  // namespace ordalis
