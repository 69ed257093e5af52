// The serial port adapter.
#include "comm/qt/qt_serial_link.h"

#include <QSerialPort>

#include "comm/port_settings.h"

namespace ordalis {

namespace {

QSerialPort::Parity qtParity(Parity parity) {
  switch (parity) {
    case Parity::Even: return QSerialPort::EvenParity;
    case Parity::Odd: return QSerialPort::OddParity;
    case Parity::Mark: return QSerialPort::MarkParity;
    case Parity::Space: return QSerialPort::SpaceParity;
    case Parity::None: break;
  }
  return QSerialPort::NoParity;
}

int waitMilliseconds(std::chrono::milliseconds timeout) {
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, timeout.count()));
}

}  // namespace

QtSerialLink::QtSerialLink() = default;
QtSerialLink::~QtSerialLink() { close(); }

bool QtSerialLink::open(const std::string& port, const std::string& settings) {
  close();
  m_openError.clear();
  auto parsed = ParsePortSettings(settings);
  if (!parsed) {
    m_openError = port + ": invalid port settings " + settings;
    return false;
  }
  m_port = std::make_unique<QSerialPort>();
  m_port->setPortName(QString::fromStdString(port));
  bool configured = m_port->setBaudRate(parsed->baudRate) &&
                    m_port->setDataBits(static_cast<QSerialPort::DataBits>(parsed->dataBits)) &&
                    m_port->setParity(qtParity(parsed->parity)) &&
                    m_port->setStopBits(parsed->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                    m_port->setFlowControl(QSerialPort::NoFlowControl);
  if (!configured || !m_port->open(QIODevice::ReadWrite)) {
    m_openError = port + ": " + m_port->errorString().toStdString();
    if (m_port->error() == QSerialPort::PermissionError)
      m_openError += " (on Linux the user must be in the group that owns the port, usually dialout)";
    m_port.reset();
    return false;
  }
  return true;
}

void QtSerialLink::close() {
  if (m_port && m_port->isOpen()) {
    m_port->waitForBytesWritten(0);
    m_port->close();
  }
  m_port.reset();
}

bool QtSerialLink::isOpen() const { return m_port && m_port->isOpen(); }

bool QtSerialLink::write(std::span<const uint8_t> bytes) {
  if (!isOpen()) return false;
  qint64 written = m_port->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  m_port->flush();  // on the line now, not at the next wait
  return written == static_cast<qint64>(bytes.size());
}

std::size_t QtSerialLink::bytesToWrite() const {
  return isOpen() ? static_cast<std::size_t>(m_port->bytesToWrite()) : 0;
}

void QtSerialLink::takeWaitingBytes() const {
  if (isOpen() && m_port->bytesAvailable() == 0) {
    m_port->waitForReadyRead(0);
    m_port->clearError();
  }
}

std::size_t QtSerialLink::bytesAvailable() const {
  takeWaitingBytes();
  return isOpen() ? static_cast<std::size_t>(m_port->bytesAvailable()) : 0;
}

std::optional<uint8_t> QtSerialLink::readByte() {
  takeWaitingBytes();
  char byte = 0;
  if (!isOpen() || m_port->read(&byte, 1) != 1) return std::nullopt;
  return static_cast<uint8_t>(byte);
}

bool QtSerialLink::waitForInput(std::chrono::milliseconds timeout) {
  if (!isOpen()) return false;
  if (m_port->bytesAvailable() > 0) return true;
  bool arrived = m_port->waitForReadyRead(waitMilliseconds(timeout));
  if (!arrived) m_port->clearError();
  return arrived || m_port->bytesAvailable() > 0;
}

bool QtSerialLink::waitForBytesWritten(std::chrono::milliseconds timeout) {
  if (!isOpen()) return false;
  if (m_port->bytesToWrite() == 0) return true;
  bool written = m_port->waitForBytesWritten(waitMilliseconds(timeout));
  if (!written) m_port->clearError();
  return m_port->bytesToWrite() == 0;
}

bool QtSerialLink::carrierDetect() const {
  if (!isOpen()) return false;
  bool carrier = m_port->pinoutSignals().testFlag(QSerialPort::DataCarrierDetectSignal);
  m_port->clearError();  // a pseudo-terminal has no modem lines
  return carrier;
}

void QtSerialLink::clearBuffers() {
  if (!isOpen()) return;
  m_port->clear(QSerialPort::AllDirections);
  m_port->readAll();
}

}  // namespace ordalis
