// Halveron: the on-line control as a small widget. It owns its serial port
// (KvbComm) and drives the central unit with framed commands; every answer
// of the central arrives as one of the signals below, in the order of the
// control's events. The main window holds one, HVOcx, for "Test On-Line".
//
// Answers are read on the user-interface thread: while the port is open a
// short timer hands waiting bytes to the control, which never blocks longer
// than one send.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "comm/halveron_control.h"

namespace ordalis {

class Halveron : public QWidget {
  Q_OBJECT

 public:
  // The widget's fixed size: 610 by 640 twips.
  static constexpr QSize kFixedSize{41, 43};
  // How often waiting answer bytes are taken from the port.
  static constexpr std::chrono::milliseconds kReceiveInterval{20};

  // `kvbComm` is the port (a QtSerialLink in the program); `clock` must
  // outlive the widget.
  Halveron(std::unique_ptr<ByteLink> kvbComm, const Clock& clock, HalveronControl::PortDevice portDevice,
           QWidget* parent = nullptr);
  ~Halveron() override;

  int InitComm(int port, int baudRate);
  int EndComm();
  QString GetVersion() const;

  int KeyPress(int tp, int key) { return m_control.KeyPress(tp, key); }
  int SetFunction(int fnc, int outp, int state) { return m_control.SetFunction(fnc, outp, state); }
  int SetDimmer(int outp, int state) { return m_control.SetDimmer(outp, state); }
  int SetRelay(int outp, int state) { return m_control.SetRelay(outp, state); }
  int SetLocalMood(int outp, int state) { return m_control.SetLocalMood(outp, state); }
  int SetTimedLocalMood(int outp, int state) { return m_control.SetTimedLocalMood(outp, state); }
  int SetGeneralMood(int outp) { return m_control.SetGeneralMood(outp); }
  int GetRelayState(int outp) { return m_control.GetRelayState(outp); }
  int GetDimmerLevel(int outp) { return m_control.GetDimmerLevel(outp); }
  int GetFunctionState(int fnc, int outp) { return m_control.GetFunctionState(fnc, outp); }

  bool isOpen() const { return m_control.isOpen(); }
  // Takes the waiting answer bytes now (the receive timer does it too).
  void receive() { m_control.ServicePort(); }

 signals:
  void ErrMsg(int code, const QString& text);
  void TpKey(int byte2, int byte3, int byte4);
  void Relay(int output, int state);
  void Dimmer(int output, int percent);
  void LocalMood(int number, int state);
  void TimedLocalMood(int number, int state);
  void GeneralMood(int number, int state);
  void Temperature(int sensor, double degrees);
  void Light(int sensor, double value);
  void Humidity(int sensor, double value);
  void Audio(int zone, int raw);
  void TemperatureSet(int sensor, double degrees);
  void LightLevelSet(int sensor, double value);
  void RegimeState(int number);
  void FlagState(int number, int state);
  void ProcessState(int number, int state);
  void ConditionState(int number, int state);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void raise(const OnLineEvent& event);
  void raiseReport(const OnLineEvent& event);

  std::unique_ptr<ByteLink> m_kvbComm;
  HalveronControl m_control;
  QTimer m_receiveTimer;
};

}  // namespace ordalis
