// FrmCom, the communication dialog: the port and baud rate, the modem
// settings for dial-up and call-back, the option to set the central's clock,
// and the three actions: the send button (cmdSendOK: transmit the clock
// table with Action "T", receive it with "R"), the whole-image receive
// (CmdRcv, "Ophalen") and programming the central's modem (CmdPrgModem).
//
// A transfer runs on a TransferWorker thread on a copy of the program state;
// the dialog shows its progress and takes the copy's changes back when it
// ends. While it runs, cmdSendOK is disabled and Cancel, Escape or the close
// box only ask it to stop (StopComm). A line at the top says what OK will do;
// once a job has ended, Cancel reads Close, and a clock table that moved well
// is reported with its number of lines and the time it took.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>

#include "comm/transfer_parts.h"
#include "base/prompts.h"
#include "comm/com_dialog_fields.h"
#include "comm/qt/transfer_worker.h"

namespace ordalis {

class FrmCom : public QDialog {
  Q_OBJECT

 public:
  // The device of port number n ("COMn").
  using PortDevice = std::function<std::string(int port)>;

  // state, prompts and clock must outlive the dialog; `makeLink` makes the
  // port of each transfer (on the transfer's thread).
  FrmCom(TransferParts state, Prompts& prompts, Clock& clock, TransferWorker::LinkFactory makeLink,
         PortDevice portDevice, QWidget* parent = nullptr);
  // Stops a running transfer and waits for it.
  ~FrmCom() override;

  // "R" receives the clock table, "T" transmits it, "C" fetches the central's
  // table for a comparison, leaving the program's as it is.
  QString Action = "T";
  // After a successful "C": the central unit's clock table.
  const std::optional<ClockLineArray>& centralTable() const { return m_centralTable; }
  // Set to ask a running transfer to stop.
  std::atomic<bool> StopComm{false};

  bool transferRunning() const { return m_worker->running(); }
  // The fields as the controls hold them now.
  ComDialogFields fields() const;

  // Controls by their names, for the main window and tests.
  QComboBox* cboPort = nullptr;
  QComboBox* cboBaudrate = nullptr;
  QCheckBox* ChkModem = nullptr;
  QGroupBox* FraModem = nullptr;
  QLabel* LblModem = nullptr;
  QComboBox* CboModem = nullptr;
  QLabel* LblInitString = nullptr;
  QLineEdit* TxtInitString = nullptr;
  QLabel* LblTelNr = nullptr;
  QLineEdit* TxttelNr = nullptr;
  QCheckBox* ChkCallBack = nullptr;
  QLabel* LblCallBack = nullptr;
  QLineEdit* TxtCallBack = nullptr;
  QPushButton* CmdPrgModem = nullptr;
  QCheckBox* ChkTimeSet = nullptr;
  QLabel* LblAction = nullptr;
  QCheckBox* ChkVerify = nullptr;  // "Verify after sending", stored as Verify
  QPushButton* cmdSendOK = nullptr;
  QPushButton* cmdSendCancel = nullptr;
  QPushButton* CmdRcv = nullptr;
  QLabel* lblProgress = nullptr;
  QProgressBar* PanProgress = nullptr;

 public slots:
  void cboPort_Click();
  void cboBaudrate_Click();
  void ChkModem_Click();
  void CboModem_Click();
  void ChkCallBack_Click();
  void cmdSendOK_Click();
  void cmdSendCancel_Click();
  void CmdRcv_Click();
  void CmdPrgModem_Click();
  // Escape: closes, or stops a running transfer.
  void reject() override;

 signals:
  // The clock table was sent or received: "Clock table sent: 15 lines, 4.0 s".
  void clockTransferSucceeded(const QString& summary);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  enum class Job { Send, ReceiveAll, ProgramModem };

  void createControls();
  QGroupBox* createPortFrame();
  QGroupBox* createModemFrame();
  QLayout* createButtons();
  void connectControls();
  void Form_Load();
  void SetFormTexts();
  void showCancelCaption();
  void showProgress(int percent);
  // Disables the actions and settings while a job runs, enables them after.
  void setRunning(bool running);
  void startJob(Job job, TransferWorker::Job work);
  void fetchCentralTable(const TransferChoices& choices);
  void jobEnded(int result);
  void reportClockTransfer();

  TransferParts m_state;
  Prompts& m_prompts;
  Clock& m_clock;
  PortDevice m_portDevice;
  TransferWorker* m_worker;
  // The copy of the program state that the running job works on.
  std::shared_ptr<TransferCopy> m_working;
  Job m_job = Job::Send;
  bool m_retryCaption = false;
  bool m_jobHasRun = false;
  Monotonic m_jobStart{};
  bool m_verifying = false;  // the running send reads the table back
  std::shared_ptr<ClockLineArray> m_fetched;  // the "C" job's table while it runs
  std::optional<ClockLineArray> m_centralTable;
  QGroupBox* m_fraCom = nullptr;
};

}  // namespace ordalis
