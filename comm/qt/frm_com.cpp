// The communication dialog: controls, loading and the reactions to the user.
#include "comm/qt/frm_com.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "base/form_texts.h"
#include "base/qt/form_captions.h"
#include "base/trimmed.h"
#include "comm/modem_dial.h"

namespace ordalis {

namespace {

constexpr int kPortCount = 8;
constexpr std::array<int, 4> kBaudRates = {2400, 4800, 9600, 19200};
constexpr const char* kModemTypeNames[kModemTypeCount] = {"Baush Proxima Lite", "Standaard modem",
                                                          "Specifieke modem"};
constexpr const char* kReceiveAllCaption = "Ophalen";  // the same in every language
constexpr int kRetryText = 38;
constexpr int kCancelText = 31;
constexpr int kCloseText = 37;
constexpr int kTransmitWhatText = 1179;
constexpr int kReceiveWhatText = 1180;

QString qt(const std::string& text) { return QString::fromStdString(text); }

template <typename T>
T* named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

FrmCom::FrmCom(TransferParts state, Prompts& prompts, Clock& clock, TransferWorker::LinkFactory makeLink,
               PortDevice portDevice, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_prompts(prompts),
      m_clock(clock),
      m_portDevice(std::move(portDevice)),
      m_worker(new TransferWorker(prompts, clock, std::move(makeLink), StopComm, this)) {
  setObjectName("FrmCom");
  createControls();
  connectControls();
  Form_Load();
}

FrmCom::~FrmCom() { delete m_worker; }

void FrmCom::createControls() {
  auto* layout = new QVBoxLayout(this);
  LblAction = named(new QLabel(this), "LblAction");
  QFont bold = LblAction->font();
  bold.setBold(true);
  LblAction->setFont(bold);
  layout->addWidget(LblAction);
  layout->addWidget(createPortFrame());
  ChkModem = named(new QCheckBox(this), "ChkModem");
  layout->addWidget(ChkModem);
  layout->addWidget(createModemFrame());
  ChkTimeSet = named(new QCheckBox(this), "ChkTimeSet");
  layout->addWidget(ChkTimeSet);
  ChkVerify = named(new QCheckBox(this), "ChkVerify");
  layout->addWidget(ChkVerify);
  lblProgress = named(new QLabel(this), "lblProgress");
  PanProgress = named(new QProgressBar(this), "PanProgress");
  PanProgress->setRange(0, 100);
  PanProgress->setTextVisible(false);
  layout->addWidget(lblProgress);
  layout->addWidget(PanProgress);
  layout->addLayout(createButtons());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* FrmCom::createPortFrame() {
  m_fraCom = named(new QGroupBox(this), "FraCom");
  cboPort = named(new QComboBox(m_fraCom), "cboPort");
  for (int port = 1; port <= kPortCount; ++port) cboPort->addItem(QString("COM%1").arg(port), port);
  cboBaudrate = named(new QComboBox(m_fraCom), "cboBaudrate");
  for (int rate : kBaudRates) cboBaudrate->addItem(QString::number(rate), rate);
  auto* row = new QHBoxLayout(m_fraCom);
  row->addWidget(cboPort);
  row->addWidget(cboBaudrate);
  return m_fraCom;
}

QGroupBox* FrmCom::createModemFrame() {
  FraModem = named(new QGroupBox(this), "FraModem");
  LblModem = named(new QLabel(FraModem), "LblModem");
  CboModem = named(new QComboBox(FraModem), "CboModem");
  for (int type = 0; type < kModemTypeCount; ++type) CboModem->addItem(kModemTypeNames[type], type);
  LblInitString = named(new QLabel(FraModem), "LblInitString");
  TxtInitString = named(new QLineEdit(FraModem), "TxtInitString");
  LblTelNr = named(new QLabel(FraModem), "LblTelNr");
  TxttelNr = named(new QLineEdit(FraModem), "TxttelNr");
  ChkCallBack = named(new QCheckBox(FraModem), "ChkCallBack");
  LblCallBack = named(new QLabel(FraModem), "LblCallBack");
  TxtCallBack = named(new QLineEdit(FraModem), "TxtCallBack");
  CmdPrgModem = named(new QPushButton(FraModem), "CmdPrgModem");
  for (QLineEdit* text : {TxtInitString, TxttelNr, TxtCallBack}) text->setMaxLength(kNameLength);
  auto* form = new QFormLayout(FraModem);
  form->addRow(LblModem, CboModem);
  form->addRow(LblInitString, TxtInitString);
  form->addRow(LblTelNr, TxttelNr);
  form->addRow(ChkCallBack);
  form->addRow(LblCallBack, TxtCallBack);
  form->addRow(CmdPrgModem);
  return FraModem;
}

QLayout* FrmCom::createButtons() {
  CmdRcv = named(new QPushButton(kReceiveAllCaption, this), "CmdRcv");
  cmdSendOK = named(new QPushButton(this), "cmdSendOK");
  cmdSendCancel = named(new QPushButton(this), "cmdSendCancel");
  cmdSendOK->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addWidget(CmdRcv);
  row->addStretch();
  row->addWidget(cmdSendOK);
  row->addWidget(cmdSendCancel);
  return row;
}

void FrmCom::connectControls() {
  connect(cboPort, &QComboBox::activated, this, &FrmCom::cboPort_Click);
  connect(cboBaudrate, &QComboBox::activated, this, &FrmCom::cboBaudrate_Click);
  connect(ChkModem, &QCheckBox::clicked, this, &FrmCom::ChkModem_Click);
  connect(CboModem, &QComboBox::activated, this, &FrmCom::CboModem_Click);
  connect(ChkCallBack, &QCheckBox::clicked, this, &FrmCom::ChkCallBack_Click);
  connect(CmdPrgModem, &QPushButton::clicked, this, &FrmCom::CmdPrgModem_Click);
  connect(cmdSendOK, &QPushButton::clicked, this, &FrmCom::cmdSendOK_Click);
  connect(cmdSendCancel, &QPushButton::clicked, this, &FrmCom::cmdSendCancel_Click);
  connect(CmdRcv, &QPushButton::clicked, this, &FrmCom::CmdRcv_Click);
  connect(m_worker, &TransferWorker::progress, this, &FrmCom::showProgress);
  connect(m_worker, &TransferWorker::finished, this, &FrmCom::jobEnded);
}

void FrmCom::Form_Load() {
  SetFormTexts();
  const ComDialogFields loaded = LoadComDialogFields(m_state);
  cboPort->setCurrentIndex(cboPort->findData(loaded.port));
  cboBaudrate->setCurrentIndex(cboBaudrate->findData(loaded.baudRate));
  ChkModem->setChecked(loaded.useModem);
  CboModem->setCurrentIndex(CboModem->findData(loaded.modemType));
  TxttelNr->setText(qt(loaded.telephone));
  ChkCallBack->setChecked(loaded.callBack);
  TxtCallBack->setText(loaded.callBack ? qt(loaded.callBackNumber) : QString());
  ChkModem_Click();
  ChkCallBack_Click();
  ChkTimeSet->setChecked(loaded.timeSet);
  ChkTimeSet->setVisible(true);
  ChkVerify->setChecked(loaded.verify);
  ChkVerify->setVisible(true);
}

// Centred once its layout has given it its size.
void FrmCom::showEvent(QShowEvent* event) {
  SetFormTexts();  // Action is set after loading
  QDialog::showEvent(event);
  CenterForm(this);
}

void FrmCom::SetFormTexts() {
  ApplyFormTexts(this, formTexts(m_state.texts, "FrmCom"));
  if (m_retryCaption) cmdSendOK->setText(qt(m_state.texts.LoadText(kRetryText)));
  LblAction->setText(qt(m_state.texts.LoadText(Action == "R" ? kReceiveWhatText : kTransmitWhatText)));
  showCancelCaption();
}

// Cancel while nothing has run or a job runs; Close once a job has ended.
void FrmCom::showCancelCaption() {
  const bool idleAfterAJob = m_jobHasRun && cmdSendOK->isEnabled();  // OK is disabled while a job runs
  cmdSendCancel->setText(qt(m_state.texts.LoadText(idleAfterAJob ? kCloseText : kCancelText)));
}

void FrmCom::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) SetFormTexts();
  QDialog::changeEvent(event);
}

ComDialogFields FrmCom::fields() const {
  ComDialogFields current;
  current.port = cboPort->currentData().toInt();
  current.baudRate = cboBaudrate->currentText().toInt();
  current.useModem = ChkModem->isChecked();
  current.modemType = CboModem->currentIndex() < 0 ? m_state.installation.Modem.Type : CboModem->currentIndex();
  current.initString = TxtInitString->text().toStdString();
  current.telephone = Trimmed(TxttelNr->text().toStdString());
  current.callBack = ChkCallBack->isChecked();
  current.callBackNumber = Trimmed(TxtCallBack->text().toStdString());
  current.timeSet = ChkTimeSet->isChecked();
  current.verify = ChkVerify->isChecked();
  if (cboPort->currentIndex() < 0) current.port = m_state.settings.ComPort;
  if (cboBaudrate->currentIndex() < 0) current.baudRate = m_state.installation.Settings.BaudRate;
  return current;
}

void FrmCom::cboPort_Click() {
  if (cboPort->currentIndex() >= 0) m_state.settings.ComPort = static_cast<int16_t>(cboPort->currentData().toInt());
}

void FrmCom::cboBaudrate_Click() {
  const int rate = cboBaudrate->currentText().toInt();
  m_state.installation.Settings.BaudRate = rate;
  m_state.settings.BaudRate = rate;
}

void FrmCom::ChkModem_Click() {
  const bool modem = ChkModem->isChecked();
  for (QWidget* control : std::initializer_list<QWidget*>{LblModem, CboModem, LblInitString, TxttelNr, LblTelNr,
                                                          ChkCallBack})
    control->setEnabled(modem);
  if (!modem) TxtInitString->setEnabled(false);
  CboModem_Click();
}

void FrmCom::CboModem_Click() {
  const int type = CboModem->currentIndex() < 0 ? m_state.installation.Modem.Type : CboModem->currentIndex();
  const InitStringBox box = ModemTypeRule(type, m_state.installation.Modem);
  TxtInitString->setText(qt(box.text));
  TxtInitString->setEnabled(box.editable && ChkModem->isChecked());
}

void FrmCom::ChkCallBack_Click() {
  const bool callBack = ChkCallBack->isChecked();
  if (!callBack) TxtCallBack->clear();
  TxtCallBack->setEnabled(callBack);
  LblCallBack->setEnabled(callBack);
}

}  // namespace ordalis
