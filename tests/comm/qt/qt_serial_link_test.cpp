// QtSerialLink on a pseudo-terminal: opening with a settings text, bytes both
// ways, waits that end on input or at their time-out, and a port that does
// not exist.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QtTest>

#include "comm/qt/qt_serial_link.h"

using namespace ordalis;
using namespace std::chrono_literals;

class QtSerialLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    char name[256] = {};
    QVERIFY(openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0);
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_device = name;
  }
  void cleanup() {
    ::close(m_master);
    ::close(m_slave);
  }

  void opensWithASettingsTextAndRefusesABadOne() {
    QtSerialLink link;
    QVERIFY(!link.open(m_device, "19200,x,8,1"));
    QVERIFY(!link.isOpen());
    QVERIFY(link.open(m_device, "19200,n,8,1"));
    QVERIFY(link.isOpen());
    link.close();
    QVERIFY(!link.isOpen());
  }

  void carriesBytesBothWays() {
    QtSerialLink link;
    QVERIFY(link.open(m_device, "115200,n,8,1"));
    QVERIFY(link.writeText("KVB"));
    QVERIFY(link.waitForBytesWritten(500ms));
    QByteArray received;
    QTRY_COMPARE(received += readMaster(), QByteArray("KVB"));

    const unsigned char answer[] = {0xC0, 0x60};
    QCOMPARE(::write(m_master, answer, 2), ssize_t(2));
    QVERIFY(link.waitForInput(1000ms));
    QCOMPARE(link.readByte().value_or(0), uint8_t(0xC0));
    QCOMPARE(link.bytesAvailable(), std::size_t(1));
    QCOMPARE(link.readByte().value_or(0), uint8_t(0x60));
    QVERIFY(!link.readByte().has_value());
  }

  void aWaitForInputEndsAtItsTimeOut() {
    QtSerialLink link;
    QVERIFY(link.open(m_device, "19200,n,8,1"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!link.waitForInput(100ms));
    QVERIFY(timer.elapsed() >= 90);
  }

 private:
  QByteArray readMaster() {
    char buffer[64];
    ssize_t count = ::read(m_master, buffer, sizeof buffer);
    return count > 0 ? QByteArray(buffer, static_cast<int>(count)) : QByteArray();
  }

  int m_master = -1;
  int m_slave = -1;
  std::string m_device;
};

QTEST_GUILESS_MAIN(QtSerialLinkTest)
#include "qt_serial_link_test.moc"
