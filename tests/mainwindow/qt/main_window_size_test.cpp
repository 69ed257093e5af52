// The main window on screens of several sizes: when it first shows, its frame
// lies inside the screen's free area with the menus, the tool bar, the
// buttons and the status line in sight, and the week scrolls; on a large
// screen it keeps its default size. Each screen runs in a child process of
// this program, since the screen and the scale are fixed at start-up.
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "app/program_state.h"
#include "mainwindow/qt/frm_klokken.h"
#include "support/scripted_prompts.h"

using namespace ordalis;

class MainWindowSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowIsWhollyOnTheScreenWhenItFirstShows() {
    ProgramState state;
    ApplyCentralModel(state.installation, state.texts, kVordane);
    FixedClock clock{makeLocalTime(2026, 6, 3, 10, 30)};
    test::ScriptedPrompts prompts;
    FrmKlokken window(state, clock, prompts);
    const QSize defaultSize = window.sizeHint();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    QList<QWidget*> inSight = {window.menuBar(), window.findChild<QToolBar*>("Tlb"), window.statusBar()};
    for (QPushButton* button : window.findChildren<QPushButton*>()) inSight.append(button);
    for (QWidget* widget : inSight)
      QVERIFY2(widget->visibleRegion().boundingRect() == widget->rect(), qPrintable(widget->objectName()));
    // Shorter than its default size, the window scrolls the week; on a
    // 1280 x 800 screen it keeps that size.
    QCOMPARE(window.weekScroll()->verticalScrollBar()->isVisible(), window.height() < defaultSize.height());
    if (window.screen()->size().width() == 1280) QCOMPARE(window.size(), defaultSize);
    const int statusHeight = window.statusBar()->height();  // a message does not change it
    window.statusBar()->showMessage("Clock table sent: 15 lines, 4.0 s");
    QCOMPARE(window.statusBar()->height(), statusHeight);
  }
};

// Runs this program again on an offscreen screen of width x height at a scale.
int runOnScreen(const QString& self, int width, int height, int scale) {
  QTemporaryDir dir;
  QFile config(dir.filePath("screen.json"));
  if (!config.open(QIODevice::WriteOnly)) return 1;
  config.write(QString(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
  config.close();
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
  environment.insert("QT_SCALE_FACTOR", QString::number(scale));
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(self, {"--on-screen"});
  child.waitForFinished(60000);
  return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : 1;
}

int main(int argc, char** argv) {
  if (argc == 2 && QString(argv[1]) == "--on-screen") {
    int appArgc = 1;
    QApplication application(appArgc, argv);
    MainWindowSizeTest test;
    return QTest::qExec(&test);
  }
  const QString self = QString::fromLocal8Bit(argv[0]);
  const int failures = runOnScreen(self, 1024, 700, 1) + runOnScreen(self, 1600, 1000, 2) +
                       runOnScreen(self, 1280, 800, 1);
  return failures == 0 ? 0 : 1;
}

#include "main_window_size_test.moc"
