// The communication dialog's actions: the send button, the whole-image
// receive, programming the central's modem, Cancel and closing, and the
// progress display. Each action runs as a job on the transfer worker.
#include <QApplication>
#include <QCloseEvent>

#include "clock/clock_table.h"
#include "comm/qt/frm_com.h"
#include "comm/qt/transfer_log_writer.h"

namespace ordalis {

namespace {

constexpr int kOkText = 30;
constexpr int kRetryText = 38;
constexpr int kCreatingTablesText = 670;
constexpr int kClockSentText = 1181;
constexpr int kClockReceivedText = 1182;
constexpr int kVerifiedText = 1144;

QString qt(const std::string& text) { return QString::fromStdString(text); }

// A job's working copy must not report missing texts from its thread.
std::shared_ptr<TransferCopy> workingCopy(const TransferParts& state) {
  auto copy = std::make_shared<TransferCopy>(state);
  copy->texts.reportMissing = nullptr;
  return copy;
}

}  // namespace

void FrmCom::cmdSendOK_Click() {
  if (transferRunning()) return;
  const ComDialogFields current = fields();
  const TransferChoices choices = ChoicesFromFields(current, m_state, m_portDevice(current.port));
  if (Action == "C") {
    fetchCentralTable(choices);
    return;
  }
  const SendAction action = Action == "R" ? SendAction::Receive : SendAction::Transmit;
  m_working = workingCopy(m_state);
  m_verifying = action == SendAction::Transmit && choices.verify;
  startJob(Job::Send, [working = m_working, choices, action](CommSession& session, Prompts& prompts) {
    const TransferStart start(session.clock());
    TransferOutcome outcome = RunSendButton(*working, session, choices, TransferUser{prompts, working->texts}, action);
    TransferLogEntry entry = TransferLogEntryOf(action == SendAction::Transmit ? "send" : "receive", choices.target,
                                                outcome, working->texts);
    entry.lines = outcome.failed() ? 0 : LinesInUse(working->clock.ClockTable);
    WriteTransferLog(entry, session.clock(), start);
    return outcome.result;
  });
}

void FrmCom::fetchCentralTable(const TransferChoices& choices) {
  m_working = workingCopy(m_state);
  m_fetched = std::make_shared<ClockLineArray>();
  startJob(Job::Send, [working = m_working, fetched = m_fetched, choices](CommSession& session, Prompts& prompts) {
    const TransferStart start(session.clock());
    TransferOutcome outcome =
        FetchCentralClockTable(*working, session, choices, TransferUser{prompts, working->texts}, *fetched);
    TransferLogEntry entry = TransferLogEntryOf("compare", choices.target, outcome, working->texts);
    entry.lines = outcome.failed() ? 0 : LinesInUse(*fetched);
    WriteTransferLog(entry, session.clock(), start);
    return outcome.result;
  });
}

void FrmCom::CmdRcv_Click() {
  if (transferRunning()) return;
  if (!ConfirmWholeImageReceive(m_state.texts, m_prompts)) return;
  const ComDialogFields current = fields();
  const TransferTarget target = ChoicesFromFields(current, m_state, m_portDevice(current.port)).target;
  lblProgress->setText(qt(ProgressCaption(m_state.texts, kCreatingTablesText)));
  PanProgress->setValue(0);
  m_working = workingCopy(m_state);
  startJob(Job::ReceiveAll, [working = m_working, target](CommSession& session, Prompts& prompts) {
    const TransferStart start(session.clock());
    TransferOutcome outcome = ReceiveWholeImage(*working, session, target, TransferUser{prompts, working->texts});
    WriteTransferLog(TransferLogEntryOf("receive-all", target, outcome, working->texts), session.clock(), start);
    return outcome.result;
  });
}

void FrmCom::CmdPrgModem_Click() {
  if (transferRunning()) return;
  const ComDialogFields current = fields();
  const ModemProgramming request = ModemProgrammingFromFields(current, m_portDevice(current.port));
  m_working = workingCopy(m_state);
  startJob(Job::ProgramModem, [working = m_working, request](CommSession& session, Prompts& prompts) {
    const TransferStart start(session.clock());
    TransferOutcome outcome;
    outcome.result = ProgramModem(session, request, prompts, working->texts) ? transfer::kOk
                                                                             : transfer::kCommunicationProblem;
    TransferTarget target;
    target.port = request.port;
    target.baudRate = request.baudRate;
    WriteTransferLog(TransferLogEntryOf("program-modem", target, outcome, working->texts), session.clock(), start);
    return outcome.result;
  });
}

void FrmCom::startJob(Job job, TransferWorker::Job work) {
  m_job = job;
  m_jobHasRun = true;
  m_jobStart = m_clock.monotonic();
  setRunning(true);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_worker->start(std::move(work));
}

void FrmCom::setRunning(bool running) {
  for (QWidget* control : std::initializer_list<QWidget*>{cmdSendOK, CmdRcv, CmdPrgModem, m_fraCom, ChkModem,
                                                          FraModem, ChkTimeSet, ChkVerify})
    control->setEnabled(!running);
  if (!running) ChkModem_Click();  // the modem controls follow their rules again
  cmdSendCancel->setDefault(running);
  cmdSendOK->setDefault(!running);
  showCancelCaption();
}

void FrmCom::showProgress(int percent) {
  PanProgress->setValue(percent);
  lblProgress->setText(qt(ProgressText(m_state.texts, percent)));
}

// Takes back what the job changed: the clock table (reference dates and a
// received table), the stored choices, the installation and the memory image.
void FrmCom::jobEnded(int result) {
  QApplication::restoreOverrideCursor();
  if (m_job != Job::ProgramModem) {
    m_state.clock.ClockTable = m_working->clock.ClockTable;
    // A received table or installation leaves no line selected.
    if (m_job == Job::ReceiveAll || Action == "R") m_state.clock.SelectedClockLine = 0;
    m_state.settings.TimeSet = m_working->settings.TimeSet;
    m_state.settings.Verify = m_working->settings.Verify;
    m_state.installation = m_working->installation;
    m_state.image = std::move(m_working->image);
  }
  m_working.reset();
  setRunning(false);
  const bool failed = result != transfer::kOk;
  if (m_fetched && !failed) m_centralTable = *m_fetched;
  m_fetched.reset();
  if ((m_job == Job::ReceiveAll || m_centralTable) && !failed) {
    accept();
    return;
  }
  if (m_job == Job::Send) {
    m_retryCaption = failed && Action != "R" && result != transfer::kStoppedByUser;
    cmdSendOK->setText(qt(m_state.texts.LoadText(m_retryCaption ? kRetryText : kOkText)));
    if (!failed) reportClockTransfer();
    if (!failed && m_verifying)
      lblProgress->setText(lblProgress->text() + " " + qt(m_state.texts.LoadText(kVerifiedText)));
  }
  if (!failed) return;
  QPushButton* again = m_job == Job::ReceiveAll ? CmdRcv : cmdSendOK;
  again->setDefault(true);
  again->setFocus();
}

void FrmCom::reportClockTransfer() {
  const int lines = LinesInUse(m_state.clock.ClockTable);
  const double seconds = std::chrono::duration<double>(m_clock.monotonic() - m_jobStart).count();
  const int text = Action == "R" ? kClockReceivedText : kClockSentText;
  emit clockTransferSucceeded(
      qt(m_state.texts.LoadText(text)).arg(lines).arg(QString::number(seconds, 'f', 1)));
}

void FrmCom::cmdSendCancel_Click() {
  if (cmdSendOK->isEnabled())
    QDialog::reject();
  else
    StopComm = true;
}

void FrmCom::reject() { cmdSendCancel_Click(); }

void FrmCom::closeEvent(QCloseEvent* event) {
  if (!cmdSendOK->isEnabled()) {
    StopComm = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace ordalis
