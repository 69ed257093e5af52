// "Test On-Line" (CmdTest): opens the central unit through HVOcx with the
// settings' port and baud rate, switches the selected line's function with
// its level (SetFunction with FunctionHigh, FunctionLow and the level, a
// dimmer's in per cent as the central takes it), waits for
// the central's answer without blocking the window, shows it on the status
// line, and ends the communication. A port that does not open gives a beep,
// and a command that the control refuses (port, function or level) says why
// on the status line at once; the communication is ended in every case.
// With no line selected the user is told to select one.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "comm/transfer_parts.h"
#include "base/prompts.h"
#include "comm/qt/halveron.h"

namespace ordalis {

class OnLineTest : public QObject {
  Q_OBJECT

 public:
  // How long the central has to answer before the test reports no answer.
  static constexpr std::chrono::milliseconds kAnswerTime{2000};

  using StatusLine = std::function<void(const QString& text)>;

  // All must outlive the test.
  OnLineTest(Halveron& hvOcx, TransferParts state, Prompts& prompts, StatusLine statusLine,
             QObject* parent = nullptr);

  // CmdTest_Click. A test that is still waiting for its answer ignores a
  // second click.
  void CmdTest_Click();
  bool waitingForAnswer() const { return m_answerTimer.isActive(); }
  void setAnswerTime(std::chrono::milliseconds time) { m_answerTimer.setInterval(time); }

 signals:
  // The test is over: the port is closed again.
  void finished();

 private:
  void answered(int code, const QString& text);
  void noAnswer();
  void finish(const QString& answer);

  Halveron& m_hvOcx;
  TransferParts m_state;
  Prompts& m_prompts;
  StatusLine m_statusLine;
  QTimer m_answerTimer;
};

}  // namespace ordalis
