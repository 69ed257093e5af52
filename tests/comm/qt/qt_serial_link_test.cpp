// QtSerialLink on a pseudo-terminal: opening with a settings text and a wait
// for input that ends at its time-out. Bytes both ways travel in the dialog's
// pseudo-terminal test and the end-to-end scripts.
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

  void aWaitForInputEndsAtItsTimeOut() {
    QtSerialLink link;
    QVERIFY(link.open(m_device, "19200,n,8,1"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!link.waitForInput(100ms));
    QVERIFY(timer.elapsed() >= 90);
  }

 private:
  int m_master = -1;
  int m_slave = -1;
  std::string m_device;
};

QTEST_GUILESS_MAIN(QtSerialLinkTest)
#include "qt_serial_link_test.moc"
