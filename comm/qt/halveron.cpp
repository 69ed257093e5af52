// The on-line control widget: the control's events as signals.
#include "comm/qt/halveron.h"

#include <QCoreApplication>
#include <QPainter>

#include "ordalis_version.h"

namespace ordalis {

Halveron::Halveron(std::unique_ptr<ByteLink> kvbComm, const Clock& clock,
                   HalveronControl::PortDevice portDevice, QWidget* parent)
    : QWidget(parent), m_kvbComm(std::move(kvbComm)), m_control(*m_kvbComm, clock, std::move(portDevice)) {
  setFixedSize(kFixedSize);
  m_receiveTimer.setInterval(kReceiveInterval);
  connect(&m_receiveTimer, &QTimer::timeout, this, &Halveron::receive);
  m_control.onEvent = [this](const OnLineEvent& event) { raise(event); };
}

Halveron::~Halveron() { EndComm(); }

int Halveron::InitComm(int port, int baudRate) {
  const int result = m_control.InitComm(port, baudRate);
  if (result == kPortOpen)
    m_receiveTimer.start();
  else
    m_receiveTimer.stop();
  return result;
}

int Halveron::EndComm() {
  m_receiveTimer.stop();
  return m_control.EndComm();
}

QString Halveron::GetVersion() const {
  return QString::fromStdString(ordalis::GetVersion(QCoreApplication::applicationFilePath().toStdString(),
                                                    ORDALIS_VERSION_MAJOR, ORDALIS_VERSION_MINOR,
                                                    ORDALIS_VERSION_PATCH));
}

void Halveron::raise(const OnLineEvent& event) {
  const auto [first, second, third] = event.args;
  switch (event.kind) {
    case OnLineEventKind::ErrMsg: emit ErrMsg(first, QString::fromStdString(event.text)); break;
    case OnLineEventKind::TpKey: emit TpKey(first, second, third); break;
    case OnLineEventKind::Temperature: emit Temperature(first, event.value); break;
    case OnLineEventKind::Light: emit Light(first, event.value); break;
    case OnLineEventKind::Humidity: emit Humidity(first, event.value); break;
    case OnLineEventKind::TemperatureSet: emit TemperatureSet(first, event.value); break;
    case OnLineEventKind::LightLevelSet: emit LightLevelSet(first, event.value); break;
    case OnLineEventKind::RegimeState: emit RegimeState(first); break;
    default: raiseReport(event); break;
  }
}

// The reports of a number and its state, level or raw byte.
void Halveron::raiseReport(const OnLineEvent& event) {
  const auto [number, state, unused] = event.args;
  switch (event.kind) {
    case OnLineEventKind::Relay: emit Relay(number, state); break;
    case OnLineEventKind::Dimmer: emit Dimmer(number, state); break;
    case OnLineEventKind::LocalMood: emit LocalMood(number, state); break;
    case OnLineEventKind::TimedLocalMood: emit TimedLocalMood(number, state); break;
    case OnLineEventKind::GeneralMood: emit GeneralMood(number, state); break;
    case OnLineEventKind::Audio: emit Audio(number, state); break;
    case OnLineEventKind::FlagState: emit FlagState(number, state); break;
    case OnLineEventKind::ProcessState: emit ProcessState(number, state); break;
    case OnLineEventKind::ConditionState: emit ConditionState(number, state); break;
    default: break;
  }
}

// A fixed icon: a central unit's front with its serial plug.
void Halveron::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(rect()).adjusted(3, 3, -3, -12);
  painter.setPen(QPen(QColor(40, 60, 90), 1.5));
  painter.setBrush(QColor(210, 220, 235));
  painter.drawRoundedRect(body, 3, 3);
  painter.setBrush(QColor(60, 160, 80));
  painter.drawEllipse(QPointF(body.left() + 7, body.top() + 7), 2.5, 2.5);
  painter.setBrush(QColor(40, 60, 90));
  painter.drawRect(QRectF(body.center().x() - 6, body.bottom() + 2, 12, 6));
}

}  // namespace ordalis
